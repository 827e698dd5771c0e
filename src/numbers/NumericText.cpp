#include "numbers/NumericText.h"

#include "numbers/ValueOfText.h"

#include <string>

namespace quorlex {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsAroundBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsAroundBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsAroundBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsRadixDigit(char c, bool hex) {
    if (!hex) {
        return c >= '0' && c <= '7';
    }
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsRadixInteger(std::string_view text) {
    if (text.size() < 3 || text[0] != '&') {
        return false;
    }
    const char kind = text[1];
    const bool hex = kind == 'H' || kind == 'h';
    if (!hex && kind != 'O' && kind != 'o') {
        return false;
    }
    for (const char c : text.substr(2)) {
        if (!IsRadixDigit(c, hex)) {
            return false;
        }
    }
    return true;
}

// Digits, possibly grouped by commas in threes. Advances i past them; false when a comma stands wrong.
bool ScanIntegerPart(std::string_view text, std::size_t &i, std::size_t &digitCount) {
    std::size_t firstGroup = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++firstGroup;
    }
    digitCount = firstGroup;
    if (i >= text.size() || text[i] != ',') {
        return true;
    }
    if (firstGroup == 0 || firstGroup > 3) {
        return false;
    }
    while (i < text.size() && text[i] == ',') {
        ++i;
        std::size_t group = 0;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++group;
        }
        if (group != 3) {
            return false;
        }
        digitCount += group;
    }
    return true;
}

bool IsDecimalNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    if (!ScanIntegerPart(text, i, digits)) {
        return false;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        const std::size_t exponentStart = i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
        }
        if (i == exponentStart) {
            return false;
        }
    }
    return i == text.size();
}

} // namespace

bool IsNumericText(std::string_view text) {
    const std::string_view core = Trim(text);
    return IsRadixInteger(core) || IsDecimalNumber(core);
}

std::optional<double> ReadNumericText(std::string_view text) {
    if (!IsNumericText(text)) {
        return std::nullopt;
    }
    const std::string_view core = Trim(text);
    if (core.find(',') == std::string_view::npos) {
        return ValueOfText(core);
    }
    std::string plain;
    plain.reserve(core.size());
    for (const char c : core) {
        if (c != ',') {
            plain += c;
        }
    }
    return ValueOfText(plain);
}

} // namespace quorlex
