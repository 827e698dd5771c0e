#pragma once

#include "styling/messages/WindowGeometry.h"

#include <cstdint>
#include <map>

class QPainter;

namespace quorlex::messages {

// Drawing objects of a device context; 0 is no object.
using ObjectHandle = std::int32_t;
using PenHandle = ObjectHandle;

// Pen styles.
inline constexpr std::int32_t kPenSolid = 0;
inline constexpr std::int32_t kPenNull = 5; // draws nothing

// A device context over a QPainter, with the pen-and-line drawing of the window system: pens are created,
// selected, put back and deleted by handle, and DrawLineTo draws from the current position up to, but not
// including, the end point, which becomes the new current position. Colours are 0x00BBGGRR values; a pen
// of any other value (such as -1, a colour that could not be translated) draws nothing. A stock black pen
// is selected at the start. The painter must outlive the device context.
class DeviceContext {
public:
    explicit DeviceContext(QPainter &painter);

    // A new pen; 0 for a negative width.
    PenHandle MakePen(std::int32_t style, std::int32_t width, std::int32_t color);

    // Selects a pen and returns the one it replaces; 0 (and no change) for an unknown handle.
    ObjectHandle Select(ObjectHandle object);

    // Deletes a pen. False for an unknown handle, the stock pen or the pen currently selected.
    bool Delete(ObjectHandle object);

    bool MoveTo(std::int32_t x, std::int32_t y, PixelPoint *previous = nullptr);
    bool DrawLineTo(std::int32_t x, std::int32_t y);

private:
    struct Pen {
        std::int32_t style = kPenSolid;
        std::int32_t width = 1;
        std::int32_t color = 0;
    };

    void Plot(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, const Pen &pen);

    QPainter &painter_;
    std::map<ObjectHandle, Pen> pens_;
    ObjectHandle selected_;
    ObjectHandle lastHandle_;
    PixelPoint position_;
};

} // namespace quorlex::messages
