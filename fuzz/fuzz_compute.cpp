// The engine's part of the Compute command, as the window runs it: the numeric test and its reading, a new
// registry, the category's converter, the units and the value, Compute, the result and the factor as
// general text, the result read back, its decimal places, and the rendering with them. Run-time errors are
// caught as the window catches them. Nothing shown may read "inf" or "nan", a matrix converter's result is
// the value times its matrix element, and the shown value reads back as the result's 15-digit rounding.
// The window's own run of the command (RunConversion) must come to the same texts, value and places, or
// refuse for the same reason.
//
// Input: byte 0 the category ('A' onwards are 0, 1, ...; other bytes also give the two indexes after the
// catalogue's last, which have no converter), bytes 1 and 2 the source and desired unit ('0' to '9' are 0 to
// 9, '-' is -1, 0xfe and 0xff the extreme 32-bit values, other bytes -2 to 10); the rest is the typed value.
#include "FuzzCheck.h"
#include "ReferenceNumbers.h"
#include "engine/Catalogue.h"
#include "engine/ConversionRun.h"
#include "engine/Convert.h"
#include "errors/RuntimeError.h"
#include "numbers/DecimalPlaces.h"
#include "numbers/GeneralText.h"
#include "numbers/NumericText.h"
#include "numbers/RenderWithMask.h"
#include "numbers/ValueOfText.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace quorlex;
using namespace quorlex::fuzz;

int Category(std::uint8_t byte) {
    if (byte >= 'A' && byte < 'A' + kCategoryCount) {
        return byte - 'A';
    }
    return byte % (kCategoryCount + 2);
}

std::int32_t Unit(std::uint8_t byte) {
    if (byte >= '0' && byte <= '9') {
        return byte - '0';
    }
    switch (byte) {
    case '-':
        return -1;
    case 0xfe:
        return std::numeric_limits<std::int32_t>::max();
    case 0xff:
        return std::numeric_limits<std::int32_t>::min();
    default:
        return byte % 13 - 2;
    }
}

void RequireShowable(const std::string &text, const std::string &detail) {
    Require(!ShowsNonFinite(text), "nothing shown reads inf or nan", detail + ": " + text);
}

// What the engine's part of one run comes to, worked out step by step.
struct StepByStep {
    ConversionRefusal refusal = ConversionRefusal::None;
    bool subscriptError = false; // a matrix converter was given a unit outside its table
    std::string shown;
    std::string factorText;
    double resultValue = 0.0;
    int places = 0;
};

StepByStep Refused(ConversionRefusal refusal) {
    StepByStep steps;
    steps.refusal = refusal;
    return steps;
}

StepByStep Derive(int category, std::int32_t source, std::int32_t desired, std::string_view typed,
                  const std::string &detail) {
    // The window converts only what the numeric test accepts, and reports a value beyond the range.
    std::optional<double> value;
    try {
        value = ReadNumericText(typed);
    } catch (const RuntimeError &error) {
        Require(error.Number() == kErrOverflow, "the value reading raises only overflow", detail);
        return Refused(ConversionRefusal::OutOfRange);
    }
    if (!value) {
        return Refused(ConversionRefusal::NotNumeric);
    }
    Require(std::isfinite(*value), "the value read is finite", detail);

    const Convert registry;
    const std::shared_ptr<UnitConverter> converter = registry.ConverterOfCategory(category);
    if (category >= kCategoryCount) {
        Require(converter == nullptr, "no converter outside the catalogue", detail);
        return Refused(ConversionRefusal::NoCategory);
    }
    Require(converter != nullptr, "every category has its converter", detail);
    converter->SetSourceUnits(source);
    converter->SetDesiredUnits(desired);
    converter->LetSourceValue(*value);

    const auto *withMatrix = dynamic_cast<const MatrixConverter *>(converter.get());
    const int units = dynamic_cast<const ConverterBase &>(*converter).Matrix().Size();
    const bool inRange = source >= 0 && source < units && desired >= 0 && desired < units;

    Variant result;
    try {
        result = converter->Compute();
    } catch (const RuntimeError &error) {
        // Shown as a message; the labels stay as they were.
        Require(converter->ConversionFactor() == 0.0, "a failed Compute leaves the factor as it was", detail);
        if (error.Number() == kErrSubscriptOutOfRange) {
            Require(withMatrix != nullptr && !inRange, "only a matrix converter's unit index is out of range",
                    detail);
            StepByStep steps;
            steps.subscriptError = true;
            return steps;
        }
        Require(error.Number() == kErrOverflow, "Compute raises only subscript and overflow errors", detail);
        Require(!withMatrix || inRange, "an overflow comes from a product", detail);
        return Refused(ConversionRefusal::OutOfRange);
    }
    Require(converter->SourceUnits() == source && converter->DesiredUnits() == desired,
            "Compute leaves the units as they were", detail);

    if (withMatrix != nullptr) {
        Require(inRange, "a matrix converter computes only in range", detail);
        const double factor = withMatrix->Matrix().At(source, desired);
        Require(SameDouble(converter->ConversionFactor(), factor), "the factor is the matrix element",
                detail);
        Require(std::holds_alternative<double>(result) &&
                    SameDouble(std::get<double>(result), *value * factor),
                "the result is the value times the factor", detail);
    } else {
        Require(converter->ConversionFactor() == 0.0, "a formula converter's factor is 0", detail);
        Require(inRange || IsEmpty(result), "a formula converter gives nothing for a unit out of range",
                detail);
    }

    const std::string shown = DisplayText(result, converter->ClassName());
    const std::string factorText = GeneralText(converter->ConversionFactor());
    RequireShowable(shown, detail);
    RequireShowable(factorText, detail);

    double resultValue = 0.0;
    try {
        resultValue = ValueOfText(shown);
    } catch (const RuntimeError &error) {
        // Only a result within a hair of the largest double rounds beyond it in 15 digits.
        Require(error.Number() == kErrOverflow && std::abs(std::get<double>(result)) > 1.79769313486231e308,
                "the shown result reads back", detail + ": " + shown);
        return Refused(ConversionRefusal::OutOfRange);
    }
    if (std::holds_alternative<double>(result)) {
        Require(shown == ReferenceGeneralText(std::get<double>(result)),
                "the result is shown as general text", detail + ": " + shown);
    }

    const int places = DecimalPlacesOfResult(shown);
    const std::string rendered = RenderFixed(resultValue, places);
    RequireShowable(rendered, detail);
    Require(rendered.find_first_not_of("-0123456789.") == std::string::npos,
            "the shown value has no exponent", detail + ": " + rendered);
    const auto period = rendered.find('.');
    Require(places == 0 ? period == std::string::npos : rendered.size() - period - 1 == std::size_t(places),
            "the shown value has its decimal places", detail + ": " + rendered);
    if (places < kMaxDecimalPlaces) {
        Require(SameDouble(ValueOfText(rendered), resultValue == 0.0 ? 0.0 : resultValue),
                "the shown value is the result, every digit kept",
                detail + ": " + shown + " shown " + rendered);
    }
    StepByStep steps;
    steps.shown = shown;
    steps.factorText = factorText;
    steps.resultValue = resultValue;
    steps.places = places;
    return steps;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const int category = Category(data[0]);
    const std::int32_t source = Unit(data[1]);
    const std::int32_t desired = Unit(data[2]);
    const std::string_view typed(reinterpret_cast<const char *>(data) + 3, size - 3);
    const std::string detail = "category " + std::to_string(category) + ", units " + std::to_string(source) +
                               " -> " + std::to_string(desired) + ", value " + Printable(typed);

    const StepByStep steps = Derive(category, source, desired, typed, detail);

    // The window asks for a category and both units before it reads the value; a unit outside the table
    // of a matrix converter is raised, not refused.
    ConversionRefusal refusal = steps.refusal;
    bool raises = steps.subscriptError;
    if (category >= kCategoryCount || source < 0 || desired < 0) {
        refusal = category >= kCategoryCount ? ConversionRefusal::NoCategory
                  : source < 0               ? ConversionRefusal::NoSourceUnit
                                             : ConversionRefusal::NoDesiredUnit;
        raises = false;
    }

    ConversionRequest request;
    request.category = category;
    request.sourceUnits = source;
    request.desiredUnits = desired;
    request.valueText = typed;
    ConversionOutcome run;
    try {
        run = RunConversion(request);
    } catch (const RuntimeError &error) {
        Require(raises && error.Number() == kErrSubscriptOutOfRange,
                "the window's run raises only a unit outside the table", detail);
        return 0;
    }
    Require(!raises, "the window's run raises a unit outside the table", detail);
    Require(run.refusal == refusal, "the window's run refuses for the same reason", detail);
    if (run.Converted()) {
        Require(run.resultText == steps.shown && run.factorText == steps.factorText,
                "the window's run shows the same texts", detail + ": " + run.resultText);
        Require(SameDouble(run.resultValue, steps.resultValue), "the window's run keeps the same value",
                detail + ": " + run.resultText);
        Require(run.decimalPlaces == steps.places, "the window's run shows the same places",
                detail + ": " + run.resultText);
        Require(run.formulaUsed == (ValueOfText(steps.factorText) == 0.0),
                "the window's run says Formula Used exactly for a factor of 0", detail);
    }
    return 0;
}
