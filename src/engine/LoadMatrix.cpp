#include "engine/LoadMatrix.h"

#include "errors/RuntimeError.h"
#include "numbers/ValueOfText.h"

#include <limits>

namespace quorlex {

namespace {

constexpr const char *kSource = "Quorlex.LoadMatrix";

// A 16-bit counter value; anything outside the range is the overflow error.
std::int16_t Narrow16(std::size_t value) {
    if (value > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
        RaiseStandardError(kErrOverflow, kSource);
    }
    return static_cast<std::int16_t>(value);
}

std::int16_t Increment16(std::int16_t value) {
    if (value == std::numeric_limits<std::int16_t>::max()) {
        RaiseStandardError(kErrOverflow, kSource);
    }
    return static_cast<std::int16_t>(value + 1);
}

} // namespace

void LoadMatrix(ConversionMatrix &matrix, std::int16_t n, std::string_view text) {
    if (n < 1) {
        RaiseStandardError(kErrSubscriptOutOfRange, kSource);
    }
    matrix.Reallocate(n);

    std::int16_t readPosition = 1; // 1-based character index
    std::int16_t row = 0;
    std::int16_t column = 0;
    for (;;) {
        const auto start = static_cast<std::size_t>(readPosition - 1);
        double value = 0.0;
        auto comma = std::string_view::npos;
        if (const auto offset = ReadNumberBeforeComma(text.substr(start), value);
            offset != std::string_view::npos) {
            comma = start + offset;
        } else {
            comma = text.find(',', start);
            if (comma == std::string_view::npos) {
                matrix.At(row, column) = ValueOfText(text.substr(start));
                return;
            }
            Narrow16(comma + 1);
            value = ValueOfText(text.substr(start, comma - start));
        }
        const std::int16_t commaPosition = Narrow16(comma + 1);
        readPosition = Increment16(commaPosition);
        matrix.At(row, column) = value;

        column = Increment16(column);
        if (column == n) {
            column = 0;
            row = Increment16(row);
        }
        if (row == n) {
            return;
        }
    }
}

} // namespace quorlex
