#include "styling/FrameDrawing.h"

#include <QGuiApplication>

namespace quorlex {

using namespace messages;

namespace {

constexpr OleColor kWindow = SystemColor(SysColor::Window);
constexpr OleColor kFace = SystemColor(SysColor::BtnFace);
constexpr OleColor kShadow = SystemColor(SysColor::BtnShadow);
constexpr OleColor kHighlight = SystemColor(SysColor::BtnHighlight);
constexpr OleColor kBlack = OleRgb(0, 0, 0);
constexpr OleColor kBlue = OleRgb(0, 0, 255);
constexpr OleColor kOrange = OleRgb(255, 128, 0);

// The state-dependent part of a drop button (or of a push button's inner ring), r being the innermost ring
// drawn so far: flat draws a ring in flatRing and a window-colour line at its left edge, raised a ring in
// raisedTopLeft / raisedBottomRight one pixel larger to the top, bottom and right, pressed the sunk ring.
void DrawButtonState(DeviceContext &dc, PixelRect r, std::int32_t style, OleColor flatRing,
                     OleColor raisedTopLeft, OleColor raisedBottomRight) {
    switch (style) {
    case kFrameFlat:
        r.top -= 1;
        r.bottom += 1;
        DrawFrame(dc, r, flatRing, flatRing);
        r.left -= 1;
        r.right = r.left;
        DrawFrame(dc, r, kWindow, kBlack);
        break;
    case kFrameRaised:
        r.top -= 1;
        r.bottom += 1;
        r.right += 1;
        DrawFrame(dc, r, raisedTopLeft, raisedBottomRight);
        break;
    case kFramePressed:
        r.left -= 1;
        r.top -= 2;
        ShiftRect(r, 1, 1);
        DrawFrame(dc, r, kShadow, kHighlight);
        break;
    default:
        break;
    }
}

// The two rings every look starts with: the outer ring in the state's colours on r, and inside it the second
// ring, in the button face colour while enabled and in disabledRing otherwise. Returns the second ring's
// rectangle.
PixelRect DrawOuterRings(DeviceContext &dc, PixelRect r, bool enabled, OleColor topLeft, OleColor bottomRight,
                         OleColor disabledRing) {
    DrawFrame(dc, r, topLeft, bottomRight);
    GrowRect(r, -1, -1);
    const OleColor second = enabled ? kFace : disabledRing;
    DrawFrame(dc, r, second, second);
    return r;
}

} // namespace

std::int32_t ResolveColor(OleColor color) {
    return TranslateOleColorToRgb(color, QGuiApplication::palette());
}

void DrawFrame(DeviceContext &dc, PixelRect r, OleColor topLeft, OleColor bottomRight) {
    PenHandle pen = dc.MakePen(kPenSolid, 1, ResolveColor(topLeft));
    ObjectHandle previous = dc.Select(pen);
    dc.MoveTo(r.left, r.bottom - 1);
    dc.DrawLineTo(r.left, r.top);
    dc.DrawLineTo(r.right - 1, r.top);
    dc.Select(previous);
    dc.Delete(pen);
    if (r.left == r.right) {
        return;
    }
    pen = dc.MakePen(kPenSolid, 1, ResolveColor(bottomRight));
    previous = dc.Select(pen);
    dc.DrawLineTo(r.right - 1, r.bottom - 1);
    dc.DrawLineTo(r.left, r.bottom - 1);
    dc.Select(previous);
    dc.Delete(pen);
}

void PaintEditFrame(DeviceContext &dc, PixelRect control, bool enabled, std::int32_t style, OleColor topLeft,
                    OleColor bottomRight) {
    PixelRect outer = control;
    GrowRect(outer, 2, 2);
    PixelRect r = DrawOuterRings(dc, outer, enabled, topLeft, bottomRight, kHighlight);
    if (enabled && (style == kFrameRaised || style == kFramePressed)) {
        for (int ring = 0; ring < 3; ++ring) {
            GrowRect(r, -1, -1);
            DrawFrame(dc, r, kHighlight, kHighlight);
        }
    }
}

void PaintCombo(DeviceContext &dc, PixelRect client, bool enabled, std::int32_t dropButtonWidth,
                std::int32_t style, OleColor topLeft, OleColor bottomRight) {
    PixelRect r = DrawOuterRings(dc, client, enabled, topLeft, bottomRight, kHighlight);
    GrowRect(r, -1, -1);
    r.left = r.right - dropButtonWidth;
    DrawFrame(dc, r, kFace, kFace);
    GrowRect(r, -1, -1);
    DrawFrame(dc, r, kFace, kFace);
    if (enabled) {
        DrawButtonState(dc, r, style, kHighlight, kHighlight, kShadow);
    }
}

void PaintButton(DeviceContext &dc, PixelRect client, bool enabled, std::int32_t style, OleColor topLeft,
                 OleColor bottomRight) {
    const PixelRect r = DrawOuterRings(dc, client, enabled, topLeft, bottomRight, kBlue);
    if (enabled) {
        DrawButtonState(dc, r, style, kOrange, kBlack, kBlack);
    }
}

} // namespace quorlex
