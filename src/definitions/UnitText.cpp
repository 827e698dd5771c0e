#include "definitions/UnitText.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>
#include <vector>

namespace quorlex::definitions {

namespace {

constexpr std::size_t kLengthIndex = 0;

// The UTF-8 signs a written unit may hold besides ASCII.
constexpr std::string_view kMiddleDot = "\u00B7";   // ·
constexpr std::string_view kDotOperator = "\u22C5"; // ⋅
constexpr std::string_view kMinusSign = "\u2212";   // −
constexpr std::string_view kSuperMinus = "\u207B";  // ⁻
constexpr std::array<std::string_view, 10> kSuperDigits = {"\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074",
                                                           "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The size and dimension of every named unit, worked out once.
const std::vector<UnitValue> &NamedValues() {
    static const std::vector<UnitValue> values = [] {
        std::vector<UnitValue> all;
        for (const NamedUnit &unit : NamedUnits()) {
            all.push_back(*Evaluate(unit.symbol));
        }
        return all;
    }();
    return values;
}

// One unit (or "1") with its power, or several joined by hyphens, or the whole text as read so far: the
// power of each named unit it holds (SI base units, of size 1, left out), so that powers cancel before any
// size is worked out, and its dimension.
struct Part {
    std::vector<std::pair<std::size_t, int>> powers; // index into NamedUnits(), power
    Dimension dimension;
    int lengthAbove = 0;
    int lengthBelow = 0;
};

void MultiplyInto(Part &into, const Part &by, bool divide) {
    const int sign = divide ? -1 : 1;
    for (const auto &[unit, power] : by.powers) {
        auto held = std::find_if(into.powers.begin(), into.powers.end(),
                                 [unit = unit](const auto &each) { return each.first == unit; });
        if (held == into.powers.end()) {
            into.powers.emplace_back(unit, sign * power);
        } else {
            held->second += sign * power;
        }
    }
    for (std::size_t i = 0; i < into.dimension.exponents.size(); ++i) {
        into.dimension.exponents[i] += sign * by.dimension.exponents[i];
    }
    into.lengthAbove += divide ? by.lengthBelow : by.lengthAbove;
    into.lengthBelow += divide ? by.lengthAbove : by.lengthBelow;
}

class UnitTextReader {
public:
    explicit UnitTextReader(std::string_view text) : text_(text) {}

    UnitText Read() {
        UnitText result;
        Part total;
        bool first = true;
        for (SkipBlanks(); !AtEnd(); SkipBlanks()) {
            bool divide = false;
            if (!first) {
                if (Take("/")) {
                    divide = true;
                } else if (!Take("*") && !Take(kMiddleDot) && !Take(kDotOperator)) {
                    // Units side by side multiply.
                }
                SkipBlanks();
            }
            const auto part = Joined();
            if (!part) {
                break;
            }
            MultiplyInto(total, *part, divide);
            first = false;
        }
        if (problem_.empty() && first) {
            problem_ = "no unit is written";
        }
        if (!problem_.empty()) {
            result.problem = problem_;
            result.unknownSymbol = unknownSymbol_;
            return result;
        }
        // Units written in papers hold a few powers; a long product of them would only cost time to work.
        int powers = 0;
        for (const auto &each : total.powers) {
            powers += each.second < 0 ? -each.second : each.second;
        }
        if (powers > kMostUnitPowers) {
            result.problem = "its units' powers add up to more than ";
            result.problem += std::to_string(kMostUnitPowers);
            return result;
        }
        UnitValue value{ExactRatio(), total.dimension};
        for (const auto &[unit, power] : total.powers) {
            if (power != 0) {
                value.size = value.size * NamedValues()[unit].size.Power(power);
            }
        }
        result.value = std::move(value);
        result.lengthAbove = total.lengthAbove;
        result.lengthBelow = total.lengthBelow;
        return result;
    }

private:
    bool AtEnd() const { return position_ >= text_.size(); }

    bool Next(std::string_view sign) const { return text_.substr(position_).starts_with(sign); }

    bool Take(std::string_view sign) {
        if (!Next(sign)) {
            return false;
        }
        position_ += sign.size();
        return true;
    }

    void SkipBlanks() {
        while (!AtEnd() && (text_[position_] == ' ' || text_[position_] == '\t')) {
            ++position_;
        }
    }

    // The character at the reading position as the text holds it (all the bytes of a UTF-8 sequence).
    std::string_view CharacterHere() const {
        std::size_t length = 1;
        while (position_ + length < text_.size() &&
               (static_cast<unsigned char>(text_[position_ + length]) & 0xC0) == 0x80) {
            ++length;
        }
        return text_.substr(position_, length);
    }

    // joined := powered ("-" powered)*, a hyphen before a letter joining units ("ac-ft").
    std::optional<Part> Joined() {
        auto part = Powered();
        while (part && position_ + 1 < text_.size() && text_[position_] == '-' &&
               IsLetter(text_[position_ + 1])) {
            ++position_;
            const auto next = Powered();
            if (!next) {
                return std::nullopt;
            }
            MultiplyInto(*part, *next, false);
        }
        return part;
    }

    // powered := ("1" | symbol) power?
    std::optional<Part> Powered() {
        Part part;
        const std::size_t start = position_;
        if (!AtEnd() && IsDigit(text_[position_])) {
            while (!AtEnd() && IsDigit(text_[position_])) {
                ++position_;
            }
            if (text_.substr(start, position_ - start) != "1") {
                problem_ = "a unit holds no number but 1, as in 1/ft";
                return std::nullopt;
            }
        } else if (!AtEnd() && IsLetter(text_[position_])) {
            while (!AtEnd() && IsLetter(text_[position_])) {
                ++position_;
            }
            const std::string_view symbol = text_.substr(start, position_ - start);
            const NamedUnit *named = FindNamedUnit(symbol);
            if (named == nullptr) {
                problem_.assign(1, '"');
                problem_ += symbol;
                problem_ += "\" is no unit symbol";
                unknownSymbol_ = true;
                return std::nullopt;
            }
            const auto index = static_cast<std::size_t>(named - NamedUnits().data());
            part.dimension = NamedValues()[index].dimension;
            if (!named->definition.empty()) {
                part.powers.emplace_back(index, 1);
            }
        } else {
            problem_ = AtEnd() ? std::string("a unit is missing at the end") : "\"";
            if (!AtEnd()) {
                problem_ += CharacterHere();
                problem_ += "\" is out of place";
                // A sign no written unit uses ("°K") is a name to look up, not a unit written amiss.
                unknownSymbol_ = std::string_view("/*^-").find(text_[position_]) == std::string_view::npos &&
                                 !Next(kMiddleDot) && !Next(kDotOperator);
            }
            return std::nullopt;
        }
        const auto power = Power();
        if (!power) {
            return std::nullopt;
        }
        for (auto &each : part.powers) {
            each.second *= *power;
        }
        for (int &each : part.dimension.exponents) {
            each *= *power;
        }
        const int length = part.dimension.exponents[kLengthIndex];
        (length > 0 ? part.lengthAbove : part.lengthBelow) = length > 0 ? length : -length;
        return part;
    }

    // power := ("^" sign? digits) | (sign? digits) | (superscript minus? superscript digits); 1 when absent.
    std::optional<int> Power() {
        const bool caret = Take("^");
        bool negative = false;
        if (caret) {
            negative = Take("-") || Take(kMinusSign);
            if (!negative) {
                Take("+");
            }
        } else if ((Next("-") && position_ + 1 < text_.size() && IsDigit(text_[position_ + 1])) ||
                   (Next(kMinusSign) && position_ + kMinusSign.size() < text_.size() &&
                    IsDigit(text_[position_ + kMinusSign.size()]))) {
            negative = Take("-") || Take(kMinusSign);
        }
        std::string digits;
        while (!AtEnd() && IsDigit(text_[position_])) {
            digits += text_[position_++];
        }
        if (digits.empty() && !caret) {
            const bool superMinus = Take(kSuperMinus);
            negative = negative || superMinus;
            for (bool found = true; found;) {
                found = false;
                for (std::size_t digit = 0; digit < kSuperDigits.size() && !found; ++digit) {
                    if (Take(kSuperDigits[digit])) {
                        digits += static_cast<char>('0' + digit);
                        found = true;
                    }
                }
            }
            if (digits.empty() && superMinus) {
                problem_ = "the power after \u207B has no digits";
                return std::nullopt;
            }
        }
        if (digits.empty()) {
            if (caret) {
                problem_ = "the power after ^ has no digits";
                return std::nullopt;
            }
            return 1;
        }
        const std::size_t first = digits.find_first_not_of('0');
        const std::string_view significant =
            first == std::string::npos ? std::string_view("0") : std::string_view(digits).substr(first);
        if (significant.size() > 1 || significant == "0") {
            problem_ = "the power ";
            problem_ += negative ? "-" : "";
            problem_ += significant.size() > 12 ? std::string(significant.substr(0, 12)) + "..."
                                                : std::string(significant);
            problem_ += " is out of range (powers run from -";
            problem_ += static_cast<char>('0' + kLargestPower);
            problem_ += " to ";
            problem_ += static_cast<char>('0' + kLargestPower);
            problem_ += ", 0 excluded)";
            return std::nullopt;
        }
        const int power = significant[0] - '0';
        return negative ? -power : power;
    }

    std::string_view text_;
    std::size_t position_ = 0;
    std::string problem_;
    bool unknownSymbol_ = false;
};

} // namespace

UnitText ReadUnitText(std::string_view text) {
    if (text.size() > kLongestUnitText) {
        UnitText refused;
        refused.problem = "a unit is at most 200 characters";
        return refused;
    }
    return UnitTextReader(text).Read();
}

std::string DimensionText(const Dimension &dimension) {
    // Mass first, as units of fuel are written ("kg m^-2").
    constexpr std::array<std::pair<std::size_t, std::string_view>, 4> kOrder = {
        {{1, "kg"}, {0, "m"}, {2, "s"}, {3, "rad"}}};
    std::string text;
    for (const auto &[index, symbol] : kOrder) {
        const int exponent = dimension.exponents[index];
        if (exponent == 0) {
            continue;
        }
        text += text.empty() ? "" : " ";
        text += symbol;
        if (exponent != 1) {
            text += '^';
            text += exponent < 0 ? "-" : "";
            text += std::to_string(exponent < 0 ? -exponent : exponent);
        }
    }
    return text.empty() ? "1" : text;
}

} // namespace quorlex::definitions
