// The numeric test and its reading: the test matches an independent grammar, a text that passes reads to a
// finite number (or raises the overflow error) equal to the value it shows, and one that fails reads
// nothing and raises nothing.
#include "FuzzCheck.h"
#include "ReferenceNumbers.h"
#include "errors/RuntimeError.h"
#include "numbers/NumericText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace quorlex;
using namespace quorlex::fuzz;

bool IsAroundBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    const bool numeric = IsNumericText(text);
    if (const auto expected = ReferenceIsNumeric(text)) {
        Require(numeric == *expected, "IsNumericText agrees with the grammar",
                Printable(text) + (numeric ? " passed" : " failed"));
    }

    std::optional<double> value;
    bool overflow = false;
    try {
        value = ReadNumericText(text);
    } catch (const RuntimeError &error) {
        Require(numeric, "a text the test refuses raises nothing", Printable(text));
        Require(error.Number() == kErrOverflow, "the reading raises only the overflow error",
                Printable(text));
        overflow = true;
    }
    if (!numeric) {
        Require(!value, "a text the test refuses reads nothing", Printable(text));
        return 0;
    }
    Require(value.has_value() || overflow, "a text the test accepts reads to a number", Printable(text));

    // The number it shows: blanks around it and grouping commas dropped, then read independently.
    std::string shown;
    for (const char c : text) {
        if (c != ',') {
            shown += c;
        }
    }
    while (!shown.empty() && IsAroundBlank(shown.back())) {
        shown.pop_back();
    }
    std::size_t first = 0;
    while (first < shown.size() && IsAroundBlank(shown[first])) {
        ++first;
    }
    const ReferenceReading reference = ReferenceValueOfText(std::string_view(shown).substr(first));
    Require(overflow == reference.overflow, "the reading overflows exactly when the number is out of range",
            Printable(text));
    if (value) {
        Require(std::isfinite(*value), "the reading is finite", Printable(text));
        Require(SameDouble(*value, reference.value), "the reading is the number the text shows",
                Printable(text) + " read as " + Describe(*value) + ", shows " + Describe(reference.value));
    }
    return 0;
}
