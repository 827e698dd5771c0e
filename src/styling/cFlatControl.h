#pragma once

#include "styling/messages/DeviceContext.h"
#include "styling/messages/ISubclass.h"
#include "styling/messages/PaintOverlay.h"
#include "styling/messages/WindowGeometry.h"
#include "styling/messages/WindowHandle.h"
#include "widgets/OleColor.h"

#include <cstdint>
#include <optional>

class QWidget;

namespace quorlex {

// The painter of one control's flat frame. It watches a few window messages of the control (and of a combo
// box's text part and of the window that hears a combo box's notifications) and shows one of three looks:
// flat (no focus, mouse elsewhere), raised (focus, or the mouse over the control) and pressed (a combo box
// whose list is open: the drop button sunk). A disabled control keeps the outer ring only.
//
// Qt paints only inside paint events, so the painter keeps the look it last chose and draws it in every
// paint of its surface: over a combo box or push button after the control painted itself, and around a
// text box on the text box's parent. A new look asks the surface for a repaint.
//
// The painter keeps no reference to the control; after Attach it works with window handles alone.
class cFlatControl final : public messages::ISubclass, public messages::IPaintOverlay {
public:
    cFlatControl() = default;
    // Ends all message subscriptions and the hover timer.
    ~cFlatControl();

    cFlatControl(const cFlatControl &) = delete;
    cFlatControl &operator=(const cFlatControl &) = delete;

    // Attaches the painter to a control, after detaching it from any earlier one. Text boxes (and option
    // buttons) shrink by one pixel on every side to make room for the frame; controls that are neither
    // combo boxes nor push buttons shrink by two. Never fails towards the caller: a control without a
    // window of its own (a label, or nullptr) leaves the painter unattached.
    void Attach(QWidget *objthis);

    // True while the painter is attached to a combo box whose list is open.
    bool DroppedDown() const;

    // Setting has no effect; reading answers kResponseAfterControl while a paint message is delivered, so
    // the frame is drawn over the finished control, and kResponseBeforeControl for every other message.
    void SetMsgResponse(std::int32_t RHS) override;
    std::int32_t MsgResponse() override;

    // Reacts to the watched messages; always returns 0.
    std::int32_t WindowProc(messages::WindowHandle hwnd, std::int32_t iMsg, std::int32_t wParam,
                            std::int32_t lParam) override;

private:
    // What the surface shows: the frame style and colours, and the enabled state and frame rectangle (in
    // the surface's client coordinates) they were chosen with.
    struct Look {
        std::int32_t style = 0;
        OleColor topLeft = 0;
        OleColor bottomRight = 0;
        bool enabled = true;
        messages::PixelRect bounds;

        friend bool operator==(const Look &, const Look &) = default;
    };

    void HookControl(messages::WindowHandle h);
    void UnhookControl();
    void Paint(std::int32_t style, OleColor topLeft, OleColor bottomRight);
    void PaintEditFrame(messages::DeviceContext &dc, const Look &look) const;
    void PaintCombo(messages::DeviceContext &dc, const Look &look) const;
    void PaintButton(messages::DeviceContext &dc, const Look &look) const;
    std::int32_t DropButtonWidth() const;
    void ShowState(bool active, bool down);
    void EndHover(bool check);

    // The control has the keyboard focus, or its text part has.
    bool Focused() const;
    // The control's rectangle in its parent's client coordinates.
    messages::PixelRect ControlRectInParent() const;
    // The rectangle the frame occupies on the surface.
    messages::PixelRect FrameBounds() const;

    void PaintOverlay(messages::WindowHandle surface, messages::DeviceContext &dc) override;

    messages::WindowHandle hWndControl = 0; // the window that is painted and watched; 0 while unattached
    messages::WindowHandle hWndEdit = 0;    // an editable combo box's text part; 0 if there is none
    messages::WindowHandle hWndNotify = 0; // the window that hears the combo box's notifications (its parent)
    bool Subscribed = false;
    bool MouseOver = false; // hover tracking runs: the mouse is over the control and the hover timer is set
    bool ComboMode = false;
    bool ButtonMode = false;

    messages::WindowHandle surface_ = 0; // where the frame is drawn: the control, or a text box's parent
    std::optional<Look> shown_;          // the look last chosen
};

} // namespace quorlex
