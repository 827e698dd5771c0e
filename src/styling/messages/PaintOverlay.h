#pragma once

#include "styling/messages/ControlFirstDispatch.h"
#include "styling/messages/WindowHandle.h"

#include <QHash>
#include <QObject>
#include <vector>

namespace quorlex::messages {

class DeviceContext;

// Something that draws over a window after the window has painted itself.
class IPaintOverlay {
public:
    // Draws on the surface, in its client coordinates, inside the surface's paint event. Children of the
    // surface are painted afterwards and cover whatever is drawn under them.
    virtual void PaintOverlay(WindowHandle surface, DeviceContext &dc) = 0;

protected:
    ~IPaintOverlay() = default;
};

// The overlays of every window: in each paint of a surface, the surface paints itself first and then each
// of its overlays draws, in the order they were added. A change of what an overlay draws is shown by asking
// the surface for a repaint (InvalidateWindow). One global object, created on first use.
class PaintOverlays final : public QObject {
    Q_OBJECT

public:
    static PaintOverlays &Global();

    // Does nothing for a handle that names no window or an overlay already on that surface.
    void Add(WindowHandle surface, IPaintOverlay *overlay);
    void Remove(WindowHandle surface, IPaintOverlay *overlay);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PaintOverlays() = default;

    QHash<const QObject *, std::vector<IPaintOverlay *>> overlays_;
    ControlFirstDispatch controlFirst_;
};

} // namespace quorlex::messages
