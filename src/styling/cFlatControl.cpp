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

constexpr OleColor kFace = SystemColor(SysColor::BtnFace);
constexpr OleColor kShadow = SystemColor(SysColor::BtnShadow);
constexpr OleColor kHighlight = SystemColor(SysColor::BtnHighlight);

constexpr std::int32_t kControlMessages[] = {kMsgPaint,     kMsgMouseActivate, kMsgGotFocus,
                                             kMsgLostFocus, kMsgMouseMove,     kMsgTimer};
constexpr std::int32_t kControlMessagesToEnd[] = {kMsgPaint,         kMsgGotFocus,  kMsgLostFocus,
                                                  kMsgMouseActivate, kMsgMouseMove, kMsgTimer};
constexpr std::int32_t kEditMessages[] = {kMsgMouseActivate, kMsgGotFocus, kMsgLostFocus, kMsgMouseMove};

std::string ExecutableName() {
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? std::string("Quorlex") : name.toStdString();
}

// The window handle of a control; a control without a window of its own raises the painter's error.
WindowHandle WindowOfControl(QWidget *control) {
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
        WindowHandle h = WindowOfControl(objthis);
        ComboMode = false;
        ButtonMode = false;
        const std::string typeName = TypeName(*objthis);
        if (typeName == "ImageCombo") {
            hWndNotify = h;
            h = FindChildWindow(h, 0, "ComboBox");
            ComboMode = true;
        } else if (typeName == "ComboBox" || typeName == "DataCombo") {
            hWndNotify = ParentWindow(HandleOf(objthis));
            ComboMode = true;
        } else if (typeName == "OwnerDrawComboList") {
            hWndNotify = h;
            ComboMode = true;
        } else if (typeName == "MaskEdBox" || typeName == "TextBox" || typeName == "OptionButton") {
            ShrinkControl(*objthis, 1);
        } else if (typeName == "CommandButton") {
            ButtonMode = true;
        } else if ((WindowLong(h, kWindowLongStyle) & 2) != 0) {
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
    return ComboMode && hWndControl != 0 && SendWindowMessage(hWndControl, kComboGetDroppedState, 0, 0) != 0;
}

void cFlatControl::HookControl(WindowHandle h) {
    hWndControl = h;
    if (h == 0) {
        return;
    }
    if ((WindowLong(h, kWindowLongStyle) & 2) != 0) {
        hWndEdit = RelatedWindow(h, kFirstChild);
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
        component.SubscribeMessage(this, hWndNotify, kMsgCommand);
    }
    Subscribed = true;
    surface_ = ComboMode || ButtonMode ? hWndControl : ParentWindow(hWndControl);
    PaintOverlays::Global().Add(surface_, this);
    // The first paint chooses the look.
    InvalidateWindow(hWndControl, nullptr);
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
            component.UnsubscribeMessage(this, hWndNotify, kMsgCommand);
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
            InvalidateWindow(surface_, &shown_->bounds);
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
    return SubclassComponent::Global().MessageInProgress() == kMsgPaint ? kResponseAfterControl
                                                                        : kResponseBeforeControl;
}

std::int32_t cFlatControl::WindowProc(WindowHandle /*hwnd*/, std::int32_t iMsg, std::int32_t wParam,
                                      std::int32_t lParam) {
    switch (iMsg) {
    case kMsgGotFocus:
        ShowState(true, false);
        EndHover(false);
        break;
    case kMsgLostFocus:
        ShowState(false, false);
        break;
    case kMsgPaint: {
        // Qt repaints controls while the mouse moves over them, so a paint keeps the hover look.
        const bool down = DroppedDown();
        const bool on = Focused() || down;
        ShowState(on || MouseOver, down);
        if (on) {
            EndHover(false);
        }
        break;
    }
    case kMsgCommand:
        if (lParam == hWndControl) {
            if (wParam / 65536 == kComboCloseUp) {
                ShowState(Focused(), false);
            }
            EndHover(false);
        }
        break;
    case kMsgTimer:
        EndHover(true);
        if (!MouseOver) {
            ShowState(false, false);
        }
        break;
    case kMsgMouseMove:
        if (!MouseOver && !Focused() && !DroppedDown()) {
            ShowState(true, false);
            MouseOver = true;
            StartWindowTimer(hWndControl, kHoverTimer, kHoverPeriodMs);
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
        PixelPoint cursor;
        PixelRect window;
        CursorPos(cursor);
        WindowRect(hWndControl, window);
        if (PointInRect(window, cursor)) {
            return;
        }
    }
    StopWindowTimer(hWndControl, kHoverTimer);
    MouseOver = false;
}

void cFlatControl::Paint(std::int32_t style, OleColor topLeft, OleColor bottomRight) {
    if (hWndControl == 0) {
        return;
    }
    const Look look{style, topLeft, bottomRight, WindowEnabled(hWndControl), FrameBounds()};
    if (shown_ == look) {
        return;
    }
    if (shown_ && shown_->bounds != look.bounds) {
        InvalidateWindow(surface_, &shown_->bounds);
    }
    shown_ = look;
    InvalidateWindow(surface_, &look.bounds);
}

void cFlatControl::PaintOverlay(WindowHandle surface, DeviceContext &dc) {
    // A control that is gone or hidden has no frame; a text box's parent still paints without it.
    if (!shown_ || surface != surface_ || !WindowVisible(hWndControl)) {
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
    quorlex::PaintEditFrame(dc, ControlRectInParent(), WindowEnabled(hWndControl), look.style, look.topLeft,
                            look.bottomRight);
}

void cFlatControl::PaintCombo(DeviceContext &dc, const Look &look) const {
    PixelRect client;
    ClientRect(hWndControl, client);
    quorlex::PaintCombo(dc, client, WindowEnabled(hWndControl), DropButtonWidth(), look.style, look.topLeft,
                        look.bottomRight);
}

void cFlatControl::PaintButton(DeviceContext &dc, const Look &look) const {
    PixelRect client;
    ClientRect(hWndControl, client);
    quorlex::PaintButton(dc, client, WindowEnabled(hWndControl), look.style, look.topLeft, look.bottomRight);
}

std::int32_t cFlatControl::DropButtonWidth() const {
    // The drop button the style draws, from its left edge to the inside of the two outer rings, so that
    // the button's rings fall on it.
    PixelRect client;
    PixelRect button;
    if (ClientRect(hWndControl, client) && ComboBoxButtonRect(hWndControl, button) &&
        button.right > button.left) {
        return std::max(client.right - 2 - button.left, 0);
    }
    return SystemMetric(kHScrollThumbWidth);
}

bool cFlatControl::Focused() const {
    const WindowHandle focus = FocusWindow();
    return focus != 0 && (focus == hWndControl || (hWndEdit != 0 && focus == hWndEdit));
}

PixelRect cFlatControl::ControlRectInParent() const {
    PixelRect window;
    WindowRect(hWndControl, window);
    const WindowHandle parent = ParentWindow(hWndControl);
    PixelPoint topLeft{window.left, window.top};
    PixelPoint bottomRight{window.right, window.bottom};
    MapScreenToClient(parent, topLeft);
    MapScreenToClient(parent, bottomRight);
    return PixelRect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

PixelRect cFlatControl::FrameBounds() const {
    PixelRect bounds;
    if (ComboMode || ButtonMode) {
        ClientRect(hWndControl, bounds);
        return bounds;
    }
    bounds = ControlRectInParent();
    GrowRect(bounds, 2, 2);
    return bounds;
}

} // namespace quorlex
