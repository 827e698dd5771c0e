#pragma once

#include "engine/ConversionMatrix.h"

#include <cstdint>
#include <string_view>

namespace quorlex {

// Fills an n x n matrix from a factor text: numbers separated by commas, written row after row with no
// separator between rows. Each piece is read by the value-of-text rule (blanks anywhere skipped, a piece
// that is not a number reads 0). Missing numbers leave 0.0, surplus numbers are ignored, and whatever the
// matrix held before is discarded.
//
// The read position, the comma position, the row and the column are 16-bit counters, as in the original
// file format: a comma at character 32767 or later raises the overflow error (6), and the elements filled
// up to then keep their values. An n below 1 raises the subscript error (9).
void LoadMatrix(ConversionMatrix &matrix, std::int16_t n, std::string_view text);

} // namespace quorlex
