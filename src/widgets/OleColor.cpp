#include "widgets/OleColor.h"

namespace quorlex {

namespace {

struct RoleOf {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

std::optional<RoleOf> PaletteRoleOf(std::uint32_t index) {
    switch (index) {
    case SysColor::ScrollBar:
    case SysColor::BtnFace:
    case SysColor::Menu:
    case SysColor::ActiveBorder:
    case SysColor::InactiveBorder:
    case SysColor::AppWorkspace:
        return RoleOf{QPalette::Active, QPalette::Button};
    case SysColor::Background:
    case SysColor::WindowFrame:
        return RoleOf{QPalette::Active, QPalette::Shadow};
    case SysColor::ActiveCaption:
    case SysColor::Highlight:
        return RoleOf{QPalette::Active, QPalette::Highlight};
    case SysColor::InactiveCaption:
        return RoleOf{QPalette::Inactive, QPalette::Highlight};
    case SysColor::Window:
        return RoleOf{QPalette::Active, QPalette::Base};
    case SysColor::MenuText:
    case SysColor::WindowText:
        return RoleOf{QPalette::Active, QPalette::WindowText};
    case SysColor::CaptionText:
    case SysColor::HighlightText:
        return RoleOf{QPalette::Active, QPalette::HighlightedText};
    case SysColor::InactiveCaptionText:
        return RoleOf{QPalette::Inactive, QPalette::HighlightedText};
    case SysColor::BtnShadow:
        return RoleOf{QPalette::Active, QPalette::Dark};
    case SysColor::GrayText:
        return RoleOf{QPalette::Disabled, QPalette::Text};
    case SysColor::BtnText:
        return RoleOf{QPalette::Active, QPalette::ButtonText};
    case SysColor::BtnHighlight:
        return RoleOf{QPalette::Active, QPalette::Light};
    case SysColor::DkShadow3D:
        return RoleOf{QPalette::Active, QPalette::Shadow};
    case SysColor::Light3D:
        return RoleOf{QPalette::Active, QPalette::Midlight};
    case SysColor::InfoText:
        return RoleOf{QPalette::Active, QPalette::ToolTipText};
    case SysColor::InfoBk:
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
