#include "relations/QuantityUnits.h"

#include "conversion/CategoryUnits.h"
#include "conversion/ExactFactors.h"
#include "conversion/Quoted.h"
#include "conversion/UnitChoice.h"
#include "engine/Catalogue.h"
#include "engine/ConversionRun.h"
#include "engine/TextFolding.h"
#include "engine/UnitConverter.h"
#include "errors/RuntimeError.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace quorlex::relations {

namespace {

// The time units, each with its names and its length in seconds.
struct TimeUnit {
    std::string_view symbol;
    std::string_view listName;
    std::array<std::string_view, 4> names;
    double seconds;
};
// The hour and the minute: SI Brochure, 9th edition (BIPM 2019), Table 8.
constexpr std::array<TimeUnit, 3> kTimeUnits{{
    {"h", "Hours", {"h", "hr", "hour", "hours"}, 3600.0},
    {"min", "Minutes", {"min", "mins", "minute", "minutes"}, 60.0},
    {"s", "Seconds", {"s", "sec", "second", "seconds"}, 1.0},
}};

bool IsTime(const Quantity &quantity) {
    return quantity.category == kTimeCategory;
}

std::string Article(std::string_view word) {
    const bool vowel =
        !word.empty() && std::string_view("AEIOUaeiou").find(word.front()) != std::string_view::npos;
    return vowel ? "an " : "a ";
}

// "a Fireline Intensity", "an Angle or Slope": the categories a list of units belongs to.
std::string CategoriesOf(const std::vector<UnitRef> &units) {
    std::string text;
    for (std::size_t i = 0; i < units.size(); ++i) {
        text += i == 0 ? "" : i + 1 == units.size() ? " or " : ", ";
        text += conversion::CaptionOf(units[i].category);
    }
    return Article(text) + text;
}

} // namespace

int CategoryIndex(const Quantity &quantity) {
    if (quantity.IsNumber() || IsTime(quantity)) {
        return -1;
    }
    const CategoryEntry *entry = FindCategory(quantity.category);
    return entry == nullptr ? -1 : entry->index;
}

std::string CategoryCaption(const Quantity &quantity) {
    if (quantity.category == kScaleCategory) {
        return "a map scale";
    }
    if (quantity.IsNumber()) {
        return "a number";
    }
    const int category = CategoryIndex(quantity);
    return std::string(category < 0 ? quantity.category : conversion::CaptionOf(category));
}

int UnitCount(const Quantity &quantity) {
    if (IsTime(quantity)) {
        return static_cast<int>(kTimeUnits.size());
    }
    if (quantity.IsNumber()) {
        return quantity.unit.empty() ? 0 : 1;
    }
    return conversion::UnitCount(CategoryIndex(quantity));
}

std::string_view UnitSymbol(const Quantity &quantity, int unit) {
    if (IsTime(quantity)) {
        return kTimeUnits[static_cast<std::size_t>(unit)].symbol;
    }
    if (quantity.IsNumber()) {
        return quantity.unit;
    }
    return conversion::SymbolOf(CategoryIndex(quantity), unit);
}

std::string UnitName(const Quantity &quantity, int unit) {
    if (IsTime(quantity)) {
        return std::string(kTimeUnits[static_cast<std::size_t>(unit)].listName);
    }
    if (quantity.IsNumber()) {
        return quantity.unit == "%" ? "Percent" : std::string(quantity.unit);
    }
    return std::string(conversion::ListNameOf(CategoryIndex(quantity), unit));
}

int FormulaUnit(const Quantity &quantity) {
    if (quantity.IsNumber()) {
        return quantity.unit.empty() ? -1 : 0;
    }
    for (int unit = 0; unit < UnitCount(quantity); ++unit) {
        if (UnitSymbol(quantity, unit) == quantity.unit) {
            return unit;
        }
    }
    return -1;
}

int FindUnit(const Quantity &quantity, std::string_view name, std::string &problem) {
    const std::string prefix = std::string(quantity.name) + ": ";
    const std::string_view trimmed = Trimmed(name);
    if (IsTime(quantity)) {
        for (std::size_t unit = 0; unit < kTimeUnits.size(); ++unit) {
            for (const std::string_view known : kTimeUnits[unit].names) {
                if (known == trimmed) {
                    return static_cast<int>(unit);
                }
            }
        }
    } else if (quantity.IsNumber()) {
        if (!quantity.unit.empty() && trimmed == quantity.unit) {
            return 0;
        }
    }
    conversion::Refusal refusal;
    const std::vector<UnitRef> units = conversion::UnitsNamed(trimmed, refusal);
    if (refusal) {
        problem = prefix + refusal.reason;
        return -1;
    }
    const int category = CategoryIndex(quantity);
    for (const UnitRef &unit : units) {
        if (unit.category == category) {
            return unit.unit;
        }
    }
    if (quantity.IsNumber()) {
        problem =
            prefix + "a number takes " +
            (quantity.unit.empty() ? std::string("no unit") : "no unit but " + std::string(quantity.unit)) +
            ", not " + conversion::Quoted(name);
        return -1;
    }
    if (!units.empty()) {
        problem = prefix + std::string(trimmed) + " is " + CategoriesOf(units) + " unit, not " +
                  Article(CategoryCaption(quantity)) + CategoryCaption(quantity) + " unit";
        return -1;
    }
    if (IsTime(quantity)) {
        problem = prefix + conversion::Quoted(name) + " names no unit of Time (h, min or s)";
        return -1;
    }
    (void)conversion::ChooseUnits(trimmed, trimmed, category, -1, refusal);
    problem = prefix + refusal.reason;
    return -1;
}

bool LooksLikeHoursAndMinutes(std::string_view text) {
    text = Trimmed(text);
    const auto colon = text.find(':');
    const auto digits = [](std::string_view part) {
        return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return colon != std::string_view::npos && digits(text.substr(0, colon)) && digits(text.substr(colon + 1));
}

std::optional<double> HoursAndMinutes(std::string_view text) {
    text = Trimmed(text);
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0) {
        return std::nullopt;
    }
    const std::string_view hoursText = text.substr(0, colon);
    const std::string_view minutesText = text.substr(colon + 1);
    long long hours = 0;
    int minutes = 0;
    const auto hoursRead = std::from_chars(hoursText.data(), hoursText.data() + hoursText.size(), hours);
    const auto minutesRead =
        std::from_chars(minutesText.data(), minutesText.data() + minutesText.size(), minutes);
    // Digits only on both sides, two of them for the minutes: "1:30", "0:05", not "1:5" or "-1:30".
    if (hoursRead.ec != std::errc() || hoursRead.ptr != hoursText.data() + hoursText.size() ||
        hoursText.front() == '-' || hoursText.front() == '+' || minutesText.size() != 2 ||
        minutesRead.ec != std::errc() || minutesRead.ptr != minutesText.data() + 2 || minutesText[0] == '-' ||
        minutes > 59) {
        return std::nullopt;
    }
    return static_cast<double>(hours) + minutes / 60.0;
}

std::optional<double> MapScale(std::string_view text, conversion::DecimalMark mark) {
    text = Trimmed(text);
    const auto colon = text.find(':');
    const bool ratio = colon != std::string_view::npos;
    if (ratio) {
        if (Trimmed(text.substr(0, colon)) != "1") {
            return std::nullopt;
        }
        text = Trimmed(text.substr(colon + 1));
    }
    // "24,000": digits in groups of three after the first one to three. With a decimal comma that is 24
    // unless written as a ratio, where a fraction of a unit would make no sense.
    std::string digits;
    bool grouped = !text.empty() && text.find(',') != std::string_view::npos;
    std::size_t run = 0;
    for (std::size_t i = 0; grouped && i < text.size(); ++i) {
        if (text[i] == ',') {
            grouped = run > 0 && (digits.size() == run ? run <= 3 : run == 3);
            run = 0;
        } else if (text[i] >= '0' && text[i] <= '9') {
            digits += text[i];
            ++run;
        } else {
            grouped = false;
        }
    }
    grouped = grouped && run == 3 && (ratio || mark == conversion::DecimalMark::Period);
    if (grouped) {
        text = digits;
    }
    try {
        return conversion::ReadValueText(text, mark);
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
}

double ConvertUnits(const Quantity &quantity, int from, int to, double value) {
    if (from == to || quantity.IsNumber()) {
        return value;
    }
    if (IsTime(quantity)) {
        // The quotient of two whole numbers of seconds is the exact factor rounded once.
        return value * (kTimeUnits[static_cast<std::size_t>(from)].seconds /
                        kTimeUnits[static_cast<std::size_t>(to)].seconds);
    }
    const int category = CategoryIndex(quantity);
    if (conversion::HasExactFactors(category)) {
        const double converted = value * conversion::ExactFactor(category, from, to);
        return std::isfinite(converted) ? converted : std::numeric_limits<double>::quiet_NaN();
    }
    const auto converter = Catalogue()[static_cast<std::size_t>(CategoryIndex(quantity))].makeConverter();
    try {
        const Variant result = ComputeResult(*converter, from, to, value);
        if (const double *number = std::get_if<double>(&result)) {
            return *number;
        }
    } catch (const RuntimeError &error) {
        if (error.Number() != kErrOverflow) {
            throw;
        }
    }
    return std::numeric_limits<double>::quiet_NaN();
}

} // namespace quorlex::relations
