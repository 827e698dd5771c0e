// Rendering with a display pattern: exactly the asked decimal places, never an exponent, "inf" or "nan",
// no "-" before a value that rounds to zero, and the same digits as an independent rounding of the value's
// 15-digit decimal form, halves away from zero.
//
// Input: the first byte modulo 26 is the number of places; of the rest, the first 8 bytes are a double's
// bits and the whole rest is also read as a text, so seeds can be written as numbers.
#include "FuzzCheck.h"
#include "ReferenceNumbers.h"
#include "errors/RuntimeError.h"
#include "numbers/NumericText.h"
#include "numbers/RenderWithMask.h"
#include "numbers/ValueOfText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace quorlex;
using namespace quorlex::fuzz;

void Check(double x, int places) {
    if (!std::isfinite(x)) {
        try {
            (void)RenderFixed(x, places);
        } catch (const RuntimeError &error) {
            Require(error.Number() == kErrOverflow, "an infinity or NaN raises the overflow error");
            return;
        }
        Fail("an infinity or NaN is never rendered", Describe(x));
    }

    const std::string text = RenderFixed(x, places);
    const std::string detail = Describe(x) + " with " + std::to_string(places) + " places gives " + text;
    std::string mask = "########0";
    if (places > 0) {
        mask += '.' + std::string(static_cast<std::size_t>(places), '0');
    }
    Require(RenderWithMask(x, mask) == text, "the pattern renders as its places", detail);

    Require(!ShowsNonFinite(text), "no infinity or NaN", detail);
    Require(text.find_first_not_of("-0123456789.") == std::string::npos, "no exponent or other letters",
            detail);
    const auto period = text.find('.');
    if (places == 0) {
        Require(period == std::string::npos, "no period without places", detail);
    } else {
        Require(period != std::string::npos && text.size() - period - 1 == static_cast<std::size_t>(places),
                "exactly the asked places", detail);
    }
    const bool allZero = text.find_first_of("123456789") == std::string::npos;
    Require(!(allZero && text[0] == '-'), "no minus before a zero", detail);
    Require(IsNumericText(text), "the rendering passes the numeric test", detail);

    const std::string expected = ReferenceRenderFixed(x, places);
    Require(text == expected, "the digits of the reference rounding", detail + ", expected " + expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int places = data[0] % 26;
    const std::string_view rest(reinterpret_cast<const char *>(data) + 1, size - 1);
    if (rest.size() >= sizeof(double)) {
        double bits = 0.0;
        std::memcpy(&bits, rest.data(), sizeof bits);
        Check(bits, places);
    }
    try {
        Check(ValueOfText(rest), places);
    } catch (const RuntimeError &) {
        // A text beyond the range of a double has nothing to render.
    }
    return 0;
}
