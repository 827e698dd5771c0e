#include "conversion/ValueConverter.h"

#include "conversion/CategoryUnits.h"
#include "conversion/Quoted.h"
#include "conversion/ResultText.h"
#include "engine/Catalogue.h"
#include "engine/ConversionRun.h"
#include "engine/UnitConverter.h"
#include "errors/RuntimeError.h"
#include "numbers/DecimalPlaces.h"
#include "numbers/GeneralText.h"
#include "numbers/RenderWithMask.h"

#include <algorithm>
#include <cmath>

namespace quorlex::conversion {

namespace {

constexpr std::string_view kBeyondRange = "beyond the largest number (about 1.8E+308)";

// The results whose 15-digit text reads back as a double with the same 15 digits, with room to spare: far
// from the subnormal numbers (which have fewer digits) and from the largest double (whose 15-digit text is
// beyond it).
constexpr double kLeastDirect = 1E-300;
constexpr double kMostDirect = 1E300;

// Whether a shown text has no digit but zeros.
bool ShowsZero(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; });
}

} // namespace

ValueConverter::ValueConverter(const UnitChoice &units, ResultStyle style, int places, DecimalMark mark,
                               Factors factors)
    : units_(units), style_(style), places_(places), mark_(mark), factors_(factors),
      converter_(Catalogue()[static_cast<std::size_t>(units.category)].makeConverter()) {}

ValueConverter::~ValueConverter() = default;

void ValueConverter::SetUnits(int from, int to) {
    units_.from = from;
    units_.to = to;
}

void ValueConverter::SetStyle(ResultStyle style, int places, DecimalMark mark) {
    style_ = style;
    places_ = places;
    mark_ = mark;
}

ValueConverter::Refusal ValueConverter::Convert(std::string_view text, std::string &result) {
    result.clear();
    if (IsBlankText(text)) {
        return Refusal::None;
    }
    std::optional<double> value;
    try {
        value = ReadValueText(text, mark_);
    } catch (const RuntimeError &error) {
        if (error.Number() != kErrOverflow) {
            throw;
        }
        return Refusal::ValueBeyondRange;
    }
    if (!value) {
        return Refusal::NotNumber;
    }
    return ConvertNumber(*value, result);
}

bool ValueConverter::UsesExactFactor() const {
    return factors_ == Factors::Exact && HasExactFactors(units_.category);
}

std::string TablesProblem(const UnitChoice &units, Factors factors) {
    if (factors != Factors::Tables) {
        return {};
    }
    for (const int unit : {units.from, units.to}) {
        if (!InWindow(units.category, unit)) {
            return Quoted(SymbolOf(units.category, unit)) +
                   " is not one of the desktop program's units, so its factor tables have none for it";
        }
    }
    return {};
}

std::string ValueConverter::TablesProblem() const {
    return conversion::TablesProblem(units_, factors_);
}

ValueConverter::Refusal ValueConverter::ConvertNumber(double value, std::string &result) {
    result.clear();
    if (!TablesProblem().empty()) {
        return Refusal::NotInTables;
    }
    if (UsesExactFactor()) {
        // One rounding: the value times the exact factor rounded once.
        const double product = value * ExactFactor(units_.category, units_.from, units_.to);
        if (!std::isfinite(product)) {
            return Refusal::ResultBeyondRange;
        }
        return product == 0.0 ? Show(ToDecimal15(0.0), true, result)
                              : Show(ToDecimal15(product), false, result);
    }
    Variant computed;
    try {
        computed = ComputeResult(*converter_, units_.from, units_.to, value);
    } catch (const RuntimeError &error) {
        if (error.Number() != kErrOverflow) {
            throw;
        }
        return Refusal::ResultBeyondRange;
    }
    // The window shows the number its 15-digit general text states, read back. For a double of ordinary
    // size that number has the same 15 digits, so one rounding gives every text. Results near the ends of
    // the double range (where the text may read back as another number, or as none) take the window's
    // own path.
    const double *number = std::get_if<double>(&computed);
    if (number == nullptr) {
        return ConvertThroughOutcome(value, result);
    }
    const double magnitude = std::fabs(*number);
    if (magnitude == 0.0) {
        return Show(ToDecimal15(0.0), true, result);
    }
    if (!(magnitude >= kLeastDirect && magnitude < kMostDirect)) {
        return ConvertThroughOutcome(value, result);
    }
    return Show(ToDecimal15(*number), false, result);
}

ValueConverter::Refusal ValueConverter::ConvertThroughOutcome(double value, std::string &result) {
    ConversionOutcome outcome = ConvertWith(*converter_, units_.from, units_.to, value);
    if (!outcome.Converted()) {
        return Refusal::ResultBeyondRange;
    }
    switch (style_) {
    case ResultStyle::General:
        result = std::move(outcome.resultText);
        break;
    case ResultStyle::Places:
        result = RenderFixed(outcome.resultValue, places_);
        break;
    case ResultStyle::Automatic:
        result = RenderFixed(outcome.resultValue, outcome.decimalPlaces);
        if (outcome.resultValue != 0.0 && ShowsZero(result)) {
            lastGeneralText_ = std::move(outcome.resultText);
            result.clear();
            return Refusal::ResultTooSmall;
        }
        break;
    }
    ApplyDecimalMark(result, mark_);
    return Refusal::None;
}

ValueConverter::Refusal ValueConverter::Show(const Decimal15 &decimal, bool zero, std::string &result) {
    return WriteResultDecimal(decimal, zero, style_, places_, mark_, result, lastGeneralText_)
               ? Refusal::None
               : Refusal::ResultTooSmall;
}

std::string ValueConverter::Describe(Refusal refusal, std::string_view text) const {
    std::string message = Quoted(text);
    switch (refusal) {
    case Refusal::NotNumber:
        message += " is not a number";
        break;
    case Refusal::ValueBeyondRange:
        message += " is ";
        message += kBeyondRange;
        break;
    case Refusal::ResultBeyondRange:
        message += " ";
        message += SymbolOf(units_.category, units_.from);
        message += " gives a result ";
        message += kBeyondRange;
        break;
    case Refusal::ResultTooSmall:
        message += " ";
        message += SymbolOf(units_.category, units_.from);
        message +=
            " gives " + TooSmallGeneralText() + " " + std::string(SymbolOf(units_.category, units_.to)) +
            ", which shows as 0 with the most decimal places (" + std::to_string(kMaxDecimalPlaces) + ")";
        break;
    case Refusal::NotInTables:
        return TablesProblem();
    case Refusal::None:
        break;
    }
    return message;
}

std::string ValueConverter::TooSmallGeneralText() const {
    std::string general = lastGeneralText_;
    ApplyDecimalMark(general, mark_);
    return general;
}

std::string ValueConverter::FactorLabel() {
    if (!TablesProblem().empty()) {
        return {};
    }
    std::string label = UsesExactFactor()
                            ? GeneralText(ExactFactor(units_.category, units_.from, units_.to))
                            : FactorLabelText(ConvertWith(*converter_, units_.from, units_.to, 1.0));
    if (label != "Formula Used") {
        ApplyDecimalMark(label, mark_);
    }
    return label;
}

} // namespace quorlex::conversion
