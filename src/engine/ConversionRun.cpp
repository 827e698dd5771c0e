#include "engine/ConversionRun.h"

#include "engine/Catalogue.h"
#include "engine/Convert.h"
#include "errors/RuntimeError.h"
#include "numbers/DecimalPlaces.h"
#include "numbers/GeneralText.h"
#include "numbers/NumericText.h"
#include "numbers/ValueOfText.h"

#include <optional>

namespace quorlex {

namespace {

ConversionOutcome Refused(ConversionRefusal refusal) {
    ConversionOutcome outcome;
    outcome.refusal = refusal;
    return outcome;
}

} // namespace

ConversionOutcome RunConversion(const ConversionRequest &request) {
    if (request.category < 0 || request.category >= kCategoryCount) {
        return Refused(ConversionRefusal::NoCategory);
    }
    if (request.sourceUnits < 0) {
        return Refused(ConversionRefusal::NoSourceUnit);
    }
    if (request.desiredUnits < 0) {
        return Refused(ConversionRefusal::NoDesiredUnit);
    }
    const Convert registry;
    const auto converter = registry.ConverterOfCategory(request.category);
    std::optional<double> value;
    try {
        value = ReadNumericText(request.valueText);
    } catch (const RuntimeError &error) {
        if (error.Number() == kErrOverflow) {
            return Refused(ConversionRefusal::OutOfRange);
        }
        throw;
    }
    if (!value) {
        return Refused(ConversionRefusal::NotNumeric);
    }
    return ConvertWith(*converter, request.sourceUnits, request.desiredUnits, *value);
}

ConversionOutcome ConvertWith(UnitConverter &converter, std::int32_t sourceUnits, std::int32_t desiredUnits,
                              double value) {
    ConversionOutcome outcome;
    try {
        converter.SetSourceUnits(sourceUnits);
        converter.SetDesiredUnits(desiredUnits);
        converter.LetSourceValue(value);
        outcome.resultText = DisplayText(converter.Compute(), converter.ClassName());
        outcome.factorText = GeneralText(converter.ConversionFactor());
        // The shown number is the one its text states: a result rounded up past the largest double by its
        // 15 digits cannot be shown either.
        outcome.resultValue = ValueOfText(outcome.resultText);
    } catch (const RuntimeError &error) {
        if (error.Number() == kErrOverflow) {
            return Refused(ConversionRefusal::OutOfRange);
        }
        throw;
    }
    outcome.decimalPlaces = DecimalPlacesOfResult(outcome.resultText);
    outcome.formulaUsed = ValueOfText(outcome.factorText) == 0.0;
    return outcome;
}

std::string FactorLabelText(const ConversionOutcome &outcome) {
    return outcome.formulaUsed ? std::string("Formula Used") : outcome.factorText;
}

} // namespace quorlex
