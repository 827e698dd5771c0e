#pragma once

namespace quorlex::conversion {

// How results are written.
enum class ResultStyle {
    Automatic, // the places the window shows after Compute
    Places,    // a fixed number of places, as after Decimal Places is set
    General,   // the general text, 15 significant digits
};

} // namespace quorlex::conversion
