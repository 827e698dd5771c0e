#pragma once

#include "styling/messages/DeviceContext.h"
#include "styling/messages/WindowGeometry.h"
#include "widgets/OleColor.h"

#include <cstdint>

// The flat frames' drawing: a two-colour ring and the looks of text boxes, combo boxes and push buttons,
// drawn once on a device context. Every colour is resolved with the application's palette just before a
// pen is made from it.
namespace quorlex {

// Frame styles. Any other value draws only the outer rings.
inline constexpr std::int32_t kFrameFlat = 1;
inline constexpr std::int32_t kFrameRaised = 2;
inline constexpr std::int32_t kFramePressed = 4;

// The 0x00BBGGRR value of an OLE colour; -1 when it cannot be translated.
std::int32_t ResolveColor(OleColor color);

// A one-pixel outline of r (right and bottom exclusive): the left and top edges in topLeft, then, unless
// r.left equals r.right, the right and bottom edges in bottomRight. The top-right corner takes the
// bottom-right colour, the bottom-left corner the top-left one. With r.left equal to r.right only a
// vertical line at r.left from r.bottom - 1 up to r.top is drawn.
void DrawFrame(messages::DeviceContext &dc, messages::PixelRect r, OleColor topLeft, OleColor bottomRight);

// A text box's frame, drawn on its parent around `control` (the control's rectangle in the parent's
// client coordinates): the outer ring two pixels outside it, the second ring one pixel outside it, and in
// the raised and pressed styles three highlight rings inside (where the control itself covers them).
void PaintEditFrame(messages::DeviceContext &dc, messages::PixelRect control, bool enabled,
                    std::int32_t style, OleColor topLeft, OleColor bottomRight);

// A combo box's frame inside its client area `client`, with the drop button of the given width at the
// right, inside the two outer rings.
void PaintCombo(messages::DeviceContext &dc, messages::PixelRect client, bool enabled,
                std::int32_t dropButtonWidth, std::int32_t style, OleColor topLeft, OleColor bottomRight);

// A push button's frame inside its client area `client`.
void PaintButton(messages::DeviceContext &dc, messages::PixelRect client, bool enabled, std::int32_t style,
                 OleColor topLeft, OleColor bottomRight);

} // namespace quorlex
