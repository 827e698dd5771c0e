#include "styling/cFlatControl.h"

#include "errors/RuntimeError.h"
#include "styling/FrameDrawing.h"
#include "styling/messages/ControlTypeName.h"
#include "styling/messages/SubclassComponent.h"
#include "styling/messages/WindowFunctions.h"
#include "styling/messages/WindowMessages.h"
#include "styling/messages/WindowTimers.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QWidget>
#include <algorithm>
#include <string>

namespace quorlex {

using namespace messages;

namespace {

constexpr std::int32_t kIncorrectControlType = vbObjectError + 1049;
static_assert(kIncorrectControlType == -2147220455);
constexpr std::int32_t kErrInvalidPropertyValue = 380;

constexpr std::int32_t kHoverTimer = 1;
constexpr std::int32_t kHoverPeriodMs = 10;

constexpr OleColor kFace = SystemColor(COLOR_BTNFACE);
constexpr OleColor kShadow = SystemColor(COLOR_BTNSHADOW);
constexpr OleColor kHighlight = SystemColor(COLOR_BTNHIGHLIGHT);

constexpr std::int32_t kControlMessages[] = {WM_PAINT,     WM_MOUSEACTIVATE, WM_SETFOCUS,
                                             WM_KILLFOCUS, WM_MOUSEMOVE,     WM_TIMER};
constexpr std::int32_t kControlMessagesToEnd[] = {WM_PAINT,         WM_SETFOCUS,  WM_KILLFOCUS,
                                                  WM_MOUSEACTIVATE, WM_MOUSEMOVE, WM_TIMER};
constexpr std::int32_t kEditMessages[] = {WM_MOUSEACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_MOUSEMOVE};

std::string ExecutableName() {
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? std::string("Quorlex") : name.toStdString();
}

// The window handle of a control; a control without a window of its own raises the painter's error.
HWND WindowOfControl(QWidget *control) {
    if (control == nullptr || !HasWindow(*control)) {
        throw RuntimeError(
            kIncorrectControlType, ExecutableName() + ".cFlatControl",
            "Incorrect control type passed to 'Attach' parameter - must be a control with a hWnd "
            "property.");
    }
    return HandleOf(control);
}

// Moves the control's edges inwards by `pixels` on every side.
void ShrinkControl(QWidget &control, int pixels) {
    const QRect geometry = control.geometry();
    const int width = geometry.width() - 2 * pixels;
    const int height = geometry.height() - 2 * pixels;
    if (width < 0 || height < 0) {
        throw RuntimeError(kErrInvalidPropertyValue, "Quorlex", "Invalid property value");
    }
    control.setGeometry(geometry.x() + pixels, geometry.y() + pixels, width, height);
}

} // namespace

cFlatControl::~cFlatControl() {
    UnhookControl();
}

void cFlatControl::Attach(QWidget *objthis) {
    try {
        UnhookControl();
        HWND h = WindowOfControl(objthis);
        ComboMode = false;
        ButtonMode = false;
        const std::string typeName = TypeName(*objthis);
        if (typeName == "ImageCombo") {
            hWndNotify = h;
            h = FindWindowExA(h, 0, "ComboBox");
            ComboMode = true;
        } else if (typeName == "ComboBox" || typeName == "DataCombo") {
            hWndNotify = GetParent(HandleOf(objthis));
            ComboMode = true;
        } else if (typeName == "OwnerDrawComboList") {
            hWndNotify = h;
            ComboMode = true;
        } else if (typeName == "MaskEdBox" || typeName == "TextBox" || typeName == "OptionButton") {
            ShrinkControl(*objthis, 1);
        } else if (typeName == "CommandButton") {
            ButtonMode = true;
        } else if ((GetWindowLongA(h, GWL_STYLE) & 2) != 0) {
            hWndNotify = HandleOf(objthis->parentWidget());
            ComboMode = true;
        } else {
            ShrinkControl(*objthis, 2);
        }
        HookControl(h);
    } catch (const RuntimeError &) {
        // Attach never fails towards its caller. The painter stays unattached, or, when the subscriptions
        // failed part way, keeps those already made.
    }
}

bool cFlatControl::DroppedDown() const {
    return ComboMode && hWndControl != 0 && SendMessageA(hWndControl, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void cFlatControl::HookControl(HWND h) {
    hWndControl = h;
    if (h == 0) {
        return;
    }
    if ((GetWindowLongA(h, GWL_STYLE) & 2) != 0) {
        hWndEdit = GetWindow(h, GW_CHILD);
    }
    SubclassComponent &component = SubclassComponent::Global();
    for (const std::int32_t msg : kControlMessages) {
        component.SubscribeMessage(this, hWndControl, msg);
    }
    if (hWndEdit != 0) {
        for (const std::int32_t msg : kEditMessages) {
            component.SubscribeMessage(this, hWndEdit, msg);
        }
    }
    if (ComboMode) {
        component.SubscribeMessage(this, hWndNotify, WM_COMMAND);
    }
    Subscribed = true;
    surface_ = ComboMode || ButtonMode ? hWndControl : GetParent(hWndControl);
    PaintOverlays::Global().Add(surface_, this);
    // The first paint chooses the look.
    InvalidateRect(hWndControl, nullptr);
}

void cFlatControl::UnhookControl() {
    // Also after a subscription sequence that failed part way: the subscriptions it made must not outlive
    // the attachment, or the painter would hear an old control, or be called after its end.
    if (Subscribed || hWndControl != 0) {
        SubclassComponent &component = SubclassComponent::Global();
        for (const std::int32_t msg : kControlMessagesToEnd) {
            component.UnsubscribeMessage(this, hWndControl, msg);
        }
        if (hWndEdit != 0) {
            for (const std::int32_t msg : kEditMessages) {
                component.UnsubscribeMessage(this, hWndEdit, msg);
            }
        }
        if (ComboMode) {
            component.UnsubscribeMessage(this, hWndNotify, WM_COMMAND);
        }
        Subscribed = false;
    }
    // The hover timer ticks on the control being left; nothing would ever stop it afterwards.
    if (MouseOver) {
        EndHover(false);
    }
    if (surface_ != 0) {
        PaintOverlays::Global().Remove(surface_, this);
        if (shown_) {
            InvalidateRect(surface_, &shown_->bounds);
        }
        surface_ = 0;
    }
    shown_.reset();
    hWndControl = 0;
    hWndEdit = 0;
    hWndNotify = 0;
}

void cFlatControl::SetMsgResponse(std::int32_t /*RHS*/) {}

std::int32_t cFlatControl::MsgResponse() {
    return SubclassComponent::Global().MessageInProgress() == WM_PAINT ? kResponseAfterControl
                                                                       : kResponseBeforeControl;
}

std::int32_t cFlatControl::WindowProc(HWND /*hwnd*/, std::int32_t iMsg, std::int32_t wParam,
                                      std::int32_t lParam) {
    switch (iMsg) {
    case WM_SETFOCUS:
        ShowState(true, false);
        EndHover(false);
        break;
    case WM_KILLFOCUS:
        ShowState(false, false);
        break;
    case WM_PAINT: {
        // Qt repaints controls while the mouse moves over them, so a paint keeps the hover look.
        const bool down = DroppedDown();
        const bool on = Focused() || down;
        ShowState(on || MouseOver, down);
        if (on) {
            EndHover(false);
        }
        break;
    }
    case WM_COMMAND:
        if (lParam == hWndControl) {
            if (wParam / 65536 == CBN_CLOSEUP) {
                ShowState(Focused(), false);
            }
            EndHover(false);
        }
        break;
    case WM_TIMER:
        EndHover(true);
        if (!MouseOver) {
            ShowState(false, false);
        }
        break;
    case WM_MOUSEMOVE:
        if (!MouseOver && !Focused() && !DroppedDown()) {
            ShowState(true, false);
            MouseOver = true;
            SetTimer(hWndControl, kHoverTimer, kHoverPeriodMs);
        }
        break;
    default:
        break;
    }
    return 0;
}

void cFlatControl::ShowState(bool active, bool down) {
    if (!active) {
        Paint(kFrameFlat, kFace, kFace);
    } else if (!down) {
        Paint(kFrameRaised, kHighlight, kShadow);
    } else {
        Paint(kFramePressed, kHighlight, kShadow);
    }
}

void cFlatControl::EndHover(bool check) {
    if (check) {
        POINT cursor;
        RECT window;
        GetCursorPos(cursor);
        GetWindowRect(hWndControl, window);
        if (PtInRect(window, cursor)) {
            return;
        }
    }
    KillTimer(hWndControl, kHoverTimer);
    MouseOver = false;
}

void cFlatControl::Paint(std::int32_t style, OleColor topLeft, OleColor bottomRight) {
    if (hWndControl == 0) {
        return;
    }
    const Look look{style, topLeft, bottomRight, IsWindowEnabled(hWndControl), FrameBounds()};
    if (shown_ == look) {
        return;
    }
    if (shown_ && shown_->bounds != look.bounds) {
        InvalidateRect(surface_, &shown_->bounds);
    }
    shown_ = look;
    InvalidateRect(surface_, &look.bounds);
}

void cFlatControl::PaintOverlay(HWND surface, DeviceContext &dc) {
    // A control that is gone or hidden has no frame; a text box's parent still paints without it.
    if (!shown_ || surface != surface_ || !IsWindowVisible(hWndControl)) {
        return;
    }
    if (ComboMode) {
        PaintCombo(dc, *shown_);
    } else if (ButtonMode) {
        PaintButton(dc, *shown_);
    } else {
        PaintEditFrame(dc, *shown_);
    }
}

void cFlatControl::PaintEditFrame(DeviceContext &dc, const Look &look) const {
    quorlex::PaintEditFrame(dc, ControlRectInParent(), IsWindowEnabled(hWndControl), look.style, look.topLeft,
                            look.bottomRight);
}

void cFlatControl::PaintCombo(DeviceContext &dc, const Look &look) const {
    RECT client;
    GetClientRect(hWndControl, client);
    quorlex::PaintCombo(dc, client, IsWindowEnabled(hWndControl), DropButtonWidth(), look.style, look.topLeft,
                        look.bottomRight);
}

void cFlatControl::PaintButton(DeviceContext &dc, const Look &look) const {
    RECT client;
    GetClientRect(hWndControl, client);
    quorlex::PaintButton(dc, client, IsWindowEnabled(hWndControl), look.style, look.topLeft,
                         look.bottomRight);
}

std::int32_t cFlatControl::DropButtonWidth() const {
    // The drop button the style draws, from its left edge to the inside of the two outer rings, so that
    // the button's rings fall on it.
    RECT client;
    RECT button;
    if (GetClientRect(hWndControl, client) && GetComboBoxButtonRect(hWndControl, button) &&
        button.right > button.left) {
        return std::max(client.right - 2 - button.left, 0);
    }
    return GetSystemMetrics(SM_CXHTHUMB);
}

bool cFlatControl::Focused() const {
    const HWND focus = GetFocus();
    return focus != 0 && (focus == hWndControl || (hWndEdit != 0 && focus == hWndEdit));
}

RECT cFlatControl::ControlRectInParent() const {
    RECT window;
    GetWindowRect(hWndControl, window);
    const HWND parent = GetParent(hWndControl);
    POINT topLeft{window.left, window.top};
    POINT bottomRight{window.right, window.bottom};
    ScreenToClient(parent, topLeft);
    ScreenToClient(parent, bottomRight);
    return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

RECT cFlatControl::FrameBounds() const {
    RECT bounds;
    if (ComboMode || ButtonMode) {
        GetClientRect(hWndControl, bounds);
        return bounds;
    }
    bounds = ControlRectInParent();
    InflateRect(bounds, 2, 2);
    return bounds;
}

} // namespace quorlex
