#include "conversion/ValueText.h"

#include "numbers/NumericText.h"

#include <algorithm>
#include <array>
#include <string>

namespace quorlex::conversion {

namespace {

// A value text with its commas made periods, for the decimal comma; none when it holds a period. Short
// texts stay on the stack.
class CommaAsPeriod {
public:
    explicit CommaAsPeriod(std::string_view text) {
        if (text.find('.') != std::string_view::npos) {
            return;
        }
        valid_ = true;
        if (text.size() <= buffer_.size()) {
            std::replace_copy(text.begin(), text.end(), buffer_.begin(), ',', '.');
            text_ = std::string_view(buffer_.data(), text.size());
            return;
        }
        long_.assign(text);
        std::replace(long_.begin(), long_.end(), ',', '.');
        text_ = long_;
    }
    CommaAsPeriod(const CommaAsPeriod &) = delete;
    CommaAsPeriod &operator=(const CommaAsPeriod &) = delete;
    ~CommaAsPeriod() = default;

    bool Valid() const { return valid_; }
    std::string_view Text() const { return text_; }

private:
    std::array<char, 64> buffer_{};
    std::string long_;
    std::string_view text_;
    bool valid_ = false;
};

} // namespace

bool IsValueText(std::string_view text, DecimalMark mark) {
    if (mark == DecimalMark::Period) {
        return IsNumericText(text);
    }
    const CommaAsPeriod plain(text);
    return plain.Valid() && IsNumericText(plain.Text());
}

std::optional<double> ReadValueText(std::string_view text, DecimalMark mark) {
    if (mark == DecimalMark::Period) {
        return ReadNumericText(text);
    }
    const CommaAsPeriod plain(text);
    if (!plain.Valid()) {
        return std::nullopt;
    }
    return ReadNumericText(plain.Text());
}

bool LooksLikeValue(std::string_view text) {
    return IsValueText(text, DecimalMark::Period) || IsValueText(text, DecimalMark::Comma);
}

bool IsValueStart(std::string_view text, DecimalMark mark) {
    // What completes every start of a value: a digit (signs, exponents, "&H"'s digits), the rest of a
    // group of three after a grouping comma, or the letter and digit of "&H1" and "&O1".
    constexpr std::array<std::string_view, 6> kCompletions{"", "1", "00", "000", "H1", "O1"};
    std::string extended(text);
    return std::any_of(kCompletions.begin(), kCompletions.end(), [&](std::string_view completion) {
        extended.resize(text.size());
        extended += completion;
        return IsValueText(extended, mark);
    });
}

bool IsBlankText(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

void ApplyDecimalMark(std::string &text, DecimalMark mark) {
    if (mark == DecimalMark::Comma) {
        std::replace(text.begin(), text.end(), '.', ',');
    }
}

} // namespace quorlex::conversion
