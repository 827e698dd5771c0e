#include "numbers/ValueOfText.h"

#include "errors/RuntimeError.h"
#include "numbers/DoubleText.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace quorlex {

namespace {

constexpr const char *kSource = "Quorlex.ValueOfText";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks the text one character at a time, stepping over blanks wherever they stand.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    // The next character that is not a blank, or '\0' at the end of the text.
    char Peek() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) {
            ++pos_;
        }
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void Next() { ++pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The characters of the number handed to ReadDouble. Factor texts and typed values are short and stay in
// the inline part; a long run of digits spills into a string.
class NumberBuffer {
public:
    void Push(char c) {
        if (!spilled_ && size_ < inline_.size()) {
            inline_[size_++] = c;
            return;
        }
        if (!spilled_) {
            long_.assign(inline_.data(), size_);
            spilled_ = true;
        }
        long_.push_back(c);
    }
    const char *Begin() const { return spilled_ ? long_.data() : inline_.data(); }
    const char *End() const { return spilled_ ? long_.data() + long_.size() : inline_.data() + size_; }

private:
    std::array<char, 80> inline_{};
    std::size_t size_ = 0;
    bool spilled_ = false;
    std::string long_;
};

int DigitValue(char c, int radix) {
    int value = -1;
    if (IsDigit(c)) {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < radix ? value : -1;
}

// Reads the digits of an &H or &O integer (the prefix already consumed).
double ReadRadixInteger(Cursor &cursor, int radix) {
    std::uint64_t value = 0;
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    for (int digit = DigitValue(cursor.Peek(), radix); digit >= 0; digit = DigitValue(cursor.Peek(), radix)) {
        if (value > (kMax - static_cast<std::uint64_t>(digit)) / static_cast<std::uint64_t>(radix)) {
            RaiseStandardError(kErrOverflow, kSource);
        }
        value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
        cursor.Next();
    }
    return static_cast<double>(value);
}

// The shape of almost every factor text piece and typed value: blanks, an optional "-", and a number that
// ReadDouble reads where it stands, without copying (no "+" sign, no D exponent, no blanks inside). Sets
// value and returns the first character after the number and the blanks that follow it; returns null when
// the text does not start so and needs the general reading.
const char *ScanPlainNumber(std::string_view text, double &value) {
    const char *p = text.data();
    const char *end = p + text.size();
    while (p != end && IsBlank(*p)) {
        ++p;
    }
    const char *start = p;
    if (p != end && *p == '-') {
        ++p;
    }
    if (p == end || !(IsDigit(*p) || *p == '.')) {
        return nullptr;
    }
    const auto result = ReadDouble(start, end, value);
    if (result.ec != std::errc{}) {
        return nullptr;
    }
    const char *rest = result.ptr;
    while (rest != end && IsBlank(*rest)) {
        ++rest;
    }
    return rest;
}

// The whole text is such a number. What follows it must end the number for good: blanks could hide a
// continuation ("1 2" is 12, "1e 5" is 1E+05). A sign or any other character ends it.
bool TryContiguousNumber(std::string_view text, double &value) {
    const char *rest = ScanPlainNumber(text, value);
    if (rest == nullptr) {
        return false;
    }
    if (rest == text.data() + text.size()) {
        return true;
    }
    const char next = *rest;
    return !(IsDigit(next) || next == '.' || next == 'E' || next == 'e' || next == 'D' || next == 'd');
}

} // namespace

std::size_t ReadNumberBeforeComma(std::string_view text, double &value) {
    const char *rest = ScanPlainNumber(text, value);
    if (rest == nullptr || rest == text.data() + text.size() || *rest != ',') {
        return std::string_view::npos;
    }
    return static_cast<std::size_t>(rest - text.data());
}

double ValueOfText(std::string_view text) {
    if (double value = 0.0; TryContiguousNumber(text, value)) {
        return value;
    }
    Cursor cursor(text);
    if (cursor.Peek() == '&') {
        cursor.Next();
        const char kind = cursor.Peek();
        if (kind == 'H' || kind == 'h') {
            cursor.Next();
            return ReadRadixInteger(cursor, 16);
        }
        if (kind == 'O' || kind == 'o') {
            cursor.Next();
            return ReadRadixInteger(cursor, 8);
        }
        return 0.0;
    }

    NumberBuffer number;
    bool negative = false;
    if (const char sign = cursor.Peek(); sign == '+' || sign == '-') {
        negative = sign == '-';
        cursor.Next();
    }
    if (negative) {
        number.Push('-');
    }

    // Mantissa: digits with at most one period. Track where the first significant digit stands relative
    // to the decimal point, so that an out-of-range result can be told apart as overflow or underflow.
    bool anyDigit = false;
    bool seenPeriod = false;
    bool seenNonZero = false;
    long long magnitude = 0; // decimal exponent of the leading significant digit, plus one
    for (char c = cursor.Peek();; c = cursor.Peek()) {
        if (IsDigit(c)) {
            anyDigit = true;
            if (c != '0') {
                seenNonZero = true;
            }
            if (!seenPeriod && seenNonZero) {
                ++magnitude;
            } else if (seenPeriod && !seenNonZero) {
                --magnitude;
            }
            number.Push(c);
        } else if (c == '.' && !seenPeriod) {
            seenPeriod = true;
            number.Push(c);
        } else {
            break;
        }
        cursor.Next();
    }
    if (!anyDigit) {
        return 0.0;
    }

    // Exponent: E or D, an optional sign and digits. Without digits it adds nothing.
    long long exponent = 0;
    if (const char e = cursor.Peek(); e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        cursor.Next();
        bool negativeExponent = false;
        if (const char sign = cursor.Peek(); sign == '+' || sign == '-') {
            negativeExponent = sign == '-';
            cursor.Next();
        }
        constexpr long long kExponentLimit = 1'000'000'000;
        for (char c = cursor.Peek(); IsDigit(c); c = cursor.Peek()) {
            if (exponent < kExponentLimit) {
                exponent = exponent * 10 + (c - '0');
            }
            cursor.Next();
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (!seenNonZero) {
        return negative ? -0.0 : 0.0;
    }
    if (exponent != 0) {
        char exponentText[24];
        exponentText[0] = 'e';
        const auto written = std::to_chars(exponentText + 1, exponentText + sizeof exponentText, exponent);
        for (const char *p = exponentText; p != written.ptr; ++p) {
            number.Push(*p);
        }
    }

    double value = 0.0;
    const auto result = ReadDouble(number.Begin(), number.End(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude + exponent > 0) {
            RaiseStandardError(kErrOverflow, kSource);
        }
        return negative ? -0.0 : 0.0;
    }
    return value;
}

} // namespace quorlex
