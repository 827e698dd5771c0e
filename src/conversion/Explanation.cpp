#include "conversion/Explanation.h"

#include "conversion/CategoryUnits.h"
#include "conversion/UnitChoice.h"
#include "conversion/ValueConverter.h"
#include "definitions/UnitDefinitions.h"
#include "engine/Catalogue.h"
#include "engine/ConversionRun.h"
#include "engine/UnitConverter.h"
#include "engine/UnitFormulas.h"
#include "numbers/DoubleText.h"
#include "numbers/GeneralText.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace quorlex::conversion {

namespace {

// The calories. The catalogue's is the thermochemical calorie, 4.184 J; many tables use the International
// Table calorie, 4.1868 J, instead. Both from NIST SP 811 (2008), Appendix B.8; the International Table
// calorie was fixed by the Fifth International Conference on the Properties of Steam (London, 1956).
constexpr std::string_view kThermochemicalCalorie = "4.184";
constexpr std::string_view kTableCalorie = "4.1868";

// Where the formulas come from. Temperature: NIST SP 811 (2008), 4.2.1.1 and Appendix B.8, checked
// against the SI Brochure, 9th edition (BIPM 2019), 2.3.1. Slope: percent slope is 100 times the rise over
// the horizontal distance, the tangent of the slope's angle, which Rothermel (1972) takes as the slope
// steepness.
constexpr std::string_view kTemperatureSource =
    "t/°C = T/K - 273.15 and t/°C = (t/°F - 32)/1.8: NIST SP 811 (2008), 4.2.1.1 and Appendix B.8; "
    "SI Brochure, 9th edition (BIPM 2019), 2.3.1";
constexpr std::string_view kSlopeSource =
    "percent slope is 100 × rise / horizontal distance, the tangent of the slope's angle; Rothermel (1972), "
    "USDA Forest Service Research Paper INT-115, takes slope steepness as that tangent";

// A relative difference at or beyond which a table factor is more than a rounding of the exact one.
constexpr double kNoteworthyDifference = 1e-9;

bool IsSymbolCharacter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// The power of the calorie in a unit expression, the kilocalorie included: 1 for "cal / g", -1 for
// "g / cal", 0 for "kJ / kg". A "/" divides by the factor after it alone, a group in parentheses by all of
// it, as the expressions read; a power of a whole group is not looked at (no calorie unit has one).
int CaloriePower(std::string_view expression) {
    int power = 0;
    std::vector<int> groupSigns{1};
    int next = 1; // the sign of the next factor in its group
    std::size_t i = 0;
    while (i < expression.size()) {
        const char c = expression[i];
        if (c == '/') {
            next = -1;
            ++i;
        } else if (c == '(') {
            groupSigns.push_back(groupSigns.back() * next);
            next = 1;
            ++i;
        } else if (c == ')') {
            if (groupSigns.size() > 1) {
                groupSigns.pop_back();
            }
            next = 1;
            ++i;
        } else if (IsSymbolCharacter(c) || std::isdigit(static_cast<unsigned char>(c)) != 0) {
            const std::size_t start = i;
            while (i < expression.size() && (IsSymbolCharacter(expression[i]) || expression[i] == '.' ||
                                             std::isdigit(static_cast<unsigned char>(expression[i])) != 0)) {
                ++i;
            }
            const std::string_view symbol = expression.substr(start, i - start);
            int exponent = 1;
            if (i < expression.size() && expression[i] == '^') {
                ++i;
                const bool negative = i < expression.size() && expression[i] == '-';
                i += negative ? 1 : 0;
                exponent = 0;
                while (i < expression.size() &&
                       std::isdigit(static_cast<unsigned char>(expression[i])) != 0) {
                    exponent = exponent * 10 + (expression[i++] - '0');
                }
                exponent = negative ? -exponent : exponent;
            }
            if (symbol == "cal" || symbol == "kcal") {
                power += groupSigns.back() * next * exponent;
            }
            next = 1;
        } else {
            ++i;
        }
    }
    return power;
}

// An exact number for a reader: its exact decimal where it has one, else its fraction and the double
// nearest it to 15 significant digits.
std::string ExactText(const definitions::ExactRatio &ratio) {
    if (const auto decimal = ratio.ExactDecimal()) {
        return *decimal + " exactly";
    }
    std::string text = ratio.FractionText();
    text += " = ";
    text += GeneralText(ratio.Nearest());
    text += " to 15 significant digits";
    return text;
}

// The same number in the fewest words: the exact decimal, else the 15-digit text.
std::string ShortText(const definitions::ExactRatio &ratio) {
    const auto decimal = ratio.ExactDecimal();
    return decimal ? *decimal : GeneralText(ratio.Nearest());
}

// A relative difference to 3 significant digits, with "E" as the general texts write it.
std::string RelativeText(double difference) {
    std::array<char, 32> buffer{};
    const auto written = WriteScientific(buffer.data(), buffer.data() + buffer.size(), difference, 2);
    std::string text(buffer.data(), written.ptr);
    for (char &c : text) {
        c = c == 'e' ? 'E' : c;
    }
    return text;
}

// The caption with its blanks folded ("Area  Intensity" reads "Area Intensity").
std::string CaptionText(int category) {
    std::string text;
    for (const char c : CaptionOf(category)) {
        if (c != ' ' || (!text.empty() && text.back() != ' ')) {
            text += c;
        }
    }
    return text;
}

// The window's factor for the pair, from its tables; nullopt for a formula.
std::optional<double> TableFactor(int category, int from, int to, std::string &text) {
    const auto converter = Catalogue()[static_cast<std::size_t>(category)].makeConverter();
    const ConversionOutcome outcome = ConvertWith(*converter, from, to, 1.0);
    if (!outcome.Converted() || outcome.formulaUsed) {
        return std::nullopt;
    }
    text = outcome.factorText;
    double factor = 0.0;
    const auto read = ReadDouble(text.data(), text.data() + text.size(), factor);
    if (read.ec != std::errc() || read.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return factor;
}

void ExplainFormula(int category, int from, int to, std::vector<std::string> &lines) {
    std::string line = CaptionText(category);
    line += " converts by a formula, not a factor: ";
    line += UnitFormulaText(category, from, to);
    lines.push_back(std::move(line));
    line = "Source: ";
    line += ClassNameOf(category) == "Temperature" ? kTemperatureSource : kSlopeSource;
    lines.push_back(std::move(line));
}

// Where a reader may expect another figure: a factor that changes with the calorie.
void AddCalorieNote(int category, int from, int to, const definitions::ExactRatio &exact,
                    std::vector<std::string> &lines) {
    const std::string fromExpression = ExactExpressionOf(category, from);
    const std::string toExpression = ExactExpressionOf(category, to);
    // A pair with the International Table calorie on one side states both calories already.
    if (fromExpression.find("cal_IT") != std::string::npos ||
        toExpression.find("cal_IT") != std::string::npos) {
        return;
    }
    const int power = CaloriePower(fromExpression) - CaloriePower(toExpression);
    if (power == 0) {
        return;
    }
    const auto ratio = *definitions::ExactRatio::FromDecimal(kTableCalorie) /
                       *definitions::ExactRatio::FromDecimal(kThermochemicalCalorie);
    const definitions::ExactRatio other = exact * ratio.Power(power);
    const std::string pair = "1 " + std::string(SymbolOf(category, from)) + " is ";
    const std::string toSymbol(SymbolOf(category, to));
    std::string line = "The calorie here is the thermochemical calorie, ";
    line += kThermochemicalCalorie;
    line += " J: ";
    line += pair;
    line += ShortText(exact);
    line += " ";
    line += toSymbol;
    line += ". With the International Table calorie, ";
    line += kTableCalorie;
    line += " J, which many tables use, ";
    line += pair;
    line += ShortText(other);
    line += " ";
    line += toSymbol;
    line += ".";
    lines.push_back(std::move(line));
}

void ExplainFactor(int category, int from, int to, Factors factors, std::vector<std::string> &lines) {
    lines.push_back(CaptionText(category) +
                    " converts by a factor: the ratio of the two units' definitions.");
    const std::string fromExpression = ExactExpressionOf(category, from);
    const std::string toExpression = ExactExpressionOf(category, to);
    for (const auto &[unit, expression] : {std::pair{from, &fromExpression}, std::pair{to, &toExpression}}) {
        const std::string_view symbol = SymbolOf(category, unit);
        if (symbol != *expression) {
            std::string line = "  ";
            line += symbol;
            line += " is ";
            line += *expression;
            lines.push_back(std::move(line));
        }
    }
    std::string both = fromExpression;
    both += ' ';
    both += toExpression;
    const std::string chain = definitions::DefinitionChain(both);
    if (!chain.empty()) {
        lines.emplace_back("Definitions, down to the SI base units:");
        std::size_t start = 0;
        while (start < chain.size()) {
            const std::size_t end = chain.find('\n', start);
            lines.push_back("  " + chain.substr(start, end - start));
            start = end == std::string::npos ? chain.size() : end + 1;
        }
    }

    const definitions::ExactRatio exact = *ExactRatioOf(category, from, to);
    std::string line = "Exact factor: ";
    line += ExactText(exact);
    lines.push_back(std::move(line));

    std::string tableText;
    const auto table = InWindow(category, from) && InWindow(category, to)
                           ? TableFactor(category, from, to, tableText)
                           : std::nullopt;
    double difference = 0.0;
    if (table) {
        const double nearest = exact.Nearest();
        difference = *table / nearest - 1.0;
        line = "The window's table factor: ";
        line += tableText;
        if (*table == nearest) {
            line += ", the same";
        } else {
            line += ", relative difference ";
            line += RelativeText(difference);
        }
        lines.push_back(std::move(line));
    }
    lines.emplace_back(
        factors == Factors::Exact
            ? "The result is the value times the exact factor as the nearest double, the product rounded "
              "once."
            : "The result is the value times the window's table factor, as the desktop program "
              "gives it.");
    AddCalorieNote(category, from, to, exact, lines);
    if (std::fabs(difference) >= kNoteworthyDifference) {
        lines.emplace_back(
            "The window's tables hold rounded factors, some to four significant digits, and some "
            "rest on other definitions, such as the U.S. survey foot (deprecated since 31 December "
            "2022) or a BTU of 1054.35 J.");
    }
}

} // namespace

std::vector<std::string> ExplainConversion(int category, int from, int to, std::string_view value,
                                           Factors factors, DecimalMark mark) {
    std::vector<std::string> lines;
    std::string result;
    ValueConverter converter({category, from, to}, ResultStyle::General, 0, mark, factors);
    if (std::string problem = converter.TablesProblem(); !problem.empty()) {
        lines.push_back(std::move(problem));
        return lines;
    }
    if (converter.Convert(value, result) == ValueConverter::Refusal::None && !result.empty()) {
        const auto first = value.find_first_not_of(" \t");
        const auto last = value.find_last_not_of(" \t");
        std::string line(value.substr(first, last - first + 1));
        line += ' ';
        line += SymbolOf(category, from);
        line += " = ";
        line += result;
        line += ' ';
        line += SymbolOf(category, to);
        lines.push_back(std::move(line));
    }
    if (HasExactFactors(category)) {
        ExplainFactor(category, from, to, factors, lines);
    } else {
        ExplainFormula(category, from, to, lines);
    }
    return lines;
}

} // namespace quorlex::conversion
