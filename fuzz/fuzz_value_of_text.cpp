// The value of a text: never an infinity or NaN, only the overflow error, blind to blanks, equal to an
// independent reading, and the fast "number before a comma" path agrees with the general reading.
#include "FuzzCheck.h"
#include "ReferenceNumbers.h"
#include "errors/RuntimeError.h"
#include "numbers/ValueOfText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace quorlex;
using namespace quorlex::fuzz;

// The value, or nullopt for the overflow error; any other error breaks a property.
std::optional<double> Read(std::string_view text) {
    try {
        const double value = ValueOfText(text);
        Require(std::isfinite(value), "ValueOfText gives a finite value", Printable(text));
        return value;
    } catch (const RuntimeError &error) {
        Require(error.Number() == kErrOverflow, "ValueOfText raises only the overflow error",
                Printable(text));
        return std::nullopt;
    }
}

bool SameReading(const std::optional<double> &a, const std::optional<double> &b) {
    return a.has_value() == b.has_value() && (!a || SameDouble(*a, *b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    const auto value = Read(text);
    const ReferenceReading reference = ReferenceValueOfText(text);
    Require(SameReading(value, reference.overflow ? std::nullopt : std::optional<double>(reference.value)),
            "ValueOfText agrees with the reference reading",
            Printable(text) + " gives " + (value ? Describe(*value) : "overflow") + ", reference " +
                (reference.overflow ? "overflow" : Describe(reference.value)));

    std::string withoutBlanks;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            withoutBlanks += c;
        }
    }
    Require(SameReading(value, Read(withoutBlanks)), "blanks anywhere change nothing", Printable(text));

    double before = 0.0;
    if (const auto comma = ReadNumberBeforeComma(text, before); comma != std::string_view::npos) {
        Require(comma < text.size() && text[comma] == ',', "ReadNumberBeforeComma stops at a comma",
                Printable(text));
        const auto piece = Read(text.substr(0, comma));
        Require(piece && SameDouble(*piece, before), "ReadNumberBeforeComma reads the piece as ValueOfText",
                Printable(text) + " gives " + Describe(before));
    }
    return 0;
}
