// The general text of a double: the same as printf's "%.15G" (negative zero aside), never "inf" or "nan",
// always a numeric text, and read back it is exactly the double rounded to 15 significant digits.
//
// Input: the first 8 bytes are a double's bits; the value of the whole input as text is checked too, so
// seeds can be written as numbers. The whole input is also read by the web page's exact reader, which must
// read it as std::from_chars does.
#include "FuzzCheck.h"
#include "ReferenceNumbers.h"
#include "errors/RuntimeError.h"
#include "numbers/DoubleText.h"
#include "numbers/GeneralText.h"
#include "numbers/NumericText.h"
#include "numbers/ValueOfText.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>

namespace {

using namespace quorlex;
using namespace quorlex::fuzz;

void Check(double x) {
    if (!std::isfinite(x)) {
        try {
            (void)GeneralText(x);
        } catch (const RuntimeError &error) {
            Require(error.Number() == kErrOverflow, "an infinity or NaN raises the overflow error");
            return;
        }
        Fail("an infinity or NaN is never written", Describe(x));
    }

    const std::string text = GeneralText(x);
    Require(text == ReferenceGeneralText(x), "GeneralText writes what %.15G writes",
            Describe(x) + " gives " + text + ", expected " + ReferenceGeneralText(x));
    Require(!ShowsNonFinite(text), "the general text shows no infinity or NaN", text);
    Require(IsNumericText(text), "the general text passes the numeric test", text);

    // The double rounded to 15 significant digits; beyond the largest double it cannot be read back.
    const std::string decimal = fuzz::Decimal15(x);
    double rounded = 0.0;
    const auto parsed = std::from_chars(decimal.data(), decimal.data() + decimal.size(), rounded);
    if (parsed.ec == std::errc::result_out_of_range && std::abs(x) > 1.0) {
        try {
            (void)ValueOfText(text);
        } catch (const RuntimeError &error) {
            Require(error.Number() == kErrOverflow, "reading back beyond the range raises overflow", text);
            return;
        }
        Fail("a text beyond the largest double does not read back", text);
    }
    Require(parsed.ec == std::errc{}, "the 15-digit form of a finite double reads back", decimal);
    const double back = ValueOfText(text);
    Require(SameDouble(back, x == 0.0 ? 0.0 : rounded), "general text reads back as the 15-digit rounding",
            Describe(x) + " wrote " + text + ", read back " + Describe(back));
    const auto numeric = ReadNumericText(text);
    Require(numeric && SameDouble(*numeric, back), "the numeric reading of the general text agrees", text);
    Require(GeneralText(back) == text, "writing the rounded value again gives the same text", text);
}

// The web page's exact reader reads the text as the C++ library does: the same end, report and bits.
void CheckExactReader(std::string_view text) {
    constexpr double kUntouched = -12345.0;
    double expected = kUntouched;
    double actual = kUntouched;
    const auto library = std::from_chars(text.data(), text.data() + text.size(), expected);
    const auto exact = ReadDoubleExact(text.data(), text.data() + text.size(), actual);
    Require(library.ptr == exact.ptr && library.ec == exact.ec &&
                (std::isnan(expected) ? std::isnan(actual) && std::signbit(expected) == std::signbit(actual)
                                      : SameDouble(expected, actual)),
            "the exact reader reads a text as std::from_chars does",
            std::string(text) + " reads as " + Describe(actual) + ", expected " + Describe(expected));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    CheckExactReader(std::string_view(reinterpret_cast<const char *>(data), size));
    if (size >= sizeof(double)) {
        double bits = 0.0;
        std::memcpy(&bits, data, sizeof bits);
        Check(bits);
    }
    try {
        Check(ValueOfText(std::string_view(reinterpret_cast<const char *>(data), size)));
    } catch (const RuntimeError &) {
        // A text beyond the range of a double has no general text to check.
    }
    return 0;
}
