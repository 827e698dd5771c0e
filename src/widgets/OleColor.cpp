#include "widgets/OleColor.h"

namespace quorlex {

namespace {

struct RoleOf {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

std::optional<RoleOf> PaletteRoleOf(std::uint32_t index) {
    switch (index) {
    case COLOR_SCROLLBAR:
    case COLOR_BTNFACE:
    case COLOR_MENU:
    case COLOR_ACTIVEBORDER:
    case COLOR_INACTIVEBORDER:
    case COLOR_APPWORKSPACE:
        return RoleOf{QPalette::Active, QPalette::Button};
    case COLOR_BACKGROUND:
    case COLOR_WINDOWFRAME:
        return RoleOf{QPalette::Active, QPalette::Shadow};
    case COLOR_ACTIVECAPTION:
    case COLOR_HIGHLIGHT:
        return RoleOf{QPalette::Active, QPalette::Highlight};
    case COLOR_INACTIVECAPTION:
        return RoleOf{QPalette::Inactive, QPalette::Highlight};
    case COLOR_WINDOW:
        return RoleOf{QPalette::Active, QPalette::Base};
    case COLOR_MENUTEXT:
    case COLOR_WINDOWTEXT:
        return RoleOf{QPalette::Active, QPalette::WindowText};
    case COLOR_CAPTIONTEXT:
    case COLOR_HIGHLIGHTTEXT:
        return RoleOf{QPalette::Active, QPalette::HighlightedText};
    case COLOR_INACTIVECAPTIONTEXT:
        return RoleOf{QPalette::Inactive, QPalette::HighlightedText};
    case COLOR_BTNSHADOW:
        return RoleOf{QPalette::Active, QPalette::Dark};
    case COLOR_GRAYTEXT:
        return RoleOf{QPalette::Disabled, QPalette::Text};
    case COLOR_BTNTEXT:
        return RoleOf{QPalette::Active, QPalette::ButtonText};
    case COLOR_BTNHIGHLIGHT:
        return RoleOf{QPalette::Active, QPalette::Light};
    case COLOR_3DDKSHADOW:
        return RoleOf{QPalette::Active, QPalette::Shadow};
    case COLOR_3DLIGHT:
        return RoleOf{QPalette::Active, QPalette::Midlight};
    case COLOR_INFOTEXT:
        return RoleOf{QPalette::Active, QPalette::ToolTipText};
    case COLOR_INFOBK:
        return RoleOf{QPalette::Active, QPalette::ToolTipBase};
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<QColor> TranslateOleColor(OleColor color, const QPalette &palette) {
    if ((color & kSystemColorFlag) != 0) {
        if ((color & 0x7FFFFF00u) != 0) {
            return std::nullopt;
        }
        const auto role = PaletteRoleOf(color & 0xFFu);
        if (!role) {
            return std::nullopt;
        }
        return palette.color(role->group, role->role);
    }
    if ((color & 0xFF000000u) != 0) {
        return std::nullopt;
    }
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

std::int32_t TranslateOleColorToRgb(OleColor color, const QPalette &palette) {
    const auto translated = TranslateOleColor(color, palette);
    if (!translated) {
        return -1;
    }
    return translated->red() | (translated->green() << 8) | (translated->blue() << 16);
}

} // namespace quorlex
