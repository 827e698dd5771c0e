#include "ReferenceNumbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>

namespace quorlex::fuzz {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int RadixDigit(char c, int radix) {
    int digit = -1;
    if (IsDigit(c)) {
        digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
    }
    return digit < radix ? digit : -1;
}

} // namespace

ReferenceReading ReferenceValueOfText(std::string_view text) {
    std::string s;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            s += c;
        }
    }
    if (!s.empty() && s[0] == '&') {
        int radix = 0;
        if (s.size() > 1 && (s[1] == 'H' || s[1] == 'h')) {
            radix = 16;
        } else if (s.size() > 1 && (s[1] == 'O' || s[1] == 'o')) {
            radix = 8;
        } else {
            return {};
        }
        unsigned __int128 value = 0;
        for (std::size_t i = 2; i < s.size() && RadixDigit(s[i], radix) >= 0; ++i) {
            value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(RadixDigit(s[i], radix));
            if (value > UINT64_MAX) {
                return {true, 0.0};
            }
        }
        return {false, static_cast<double>(static_cast<std::uint64_t>(value))};
    }

    std::string number;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        number += s[i++];
    }
    bool digits = false;
    bool period = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i])) {
            digits = true;
        } else if (s[i] == '.' && !period) {
            period = true;
        } else {
            break;
        }
        number += s[i];
    }
    if (!digits) {
        return {};
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            exponent += s[j++];
        }
        const std::size_t first = j;
        while (j < s.size() && IsDigit(s[j])) {
            exponent += s[j++];
        }
        if (j > first) {
            number += exponent;
        }
    }
    // The C library reads the number here, independently of the program's from_chars path.
    const double value = std::strtod(number.c_str(), nullptr);
    if (std::isinf(value)) {
        return {true, 0.0};
    }
    return {false, value};
}

std::optional<bool> ReferenceIsNumeric(std::string_view text) {
    // std::regex matches recursively; long texts could exhaust the stack.
    if (text.size() > 200) {
        return std::nullopt;
    }
    static const std::regex numeric(R"(^[ \t\r\n]*(?:)"
                                    R"([+-]?(?=\.?[0-9])(?:[0-9]{1,3}(?:,[0-9]{3})+|[0-9]*)(?:\.[0-9]*)?)"
                                    R"((?:[EeDd][+-]?[0-9]+)?)"
                                    R"(|&[Hh][0-9A-Fa-f]+|&[Oo][0-7]+)"
                                    R"()[ \t\r\n]*$)");
    return std::regex_match(text.begin(), text.end(), numeric);
}

std::string ReferenceGeneralText(double x) {
    if (x == 0.0) {
        return "0";
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", x);
    return buffer;
}

std::string Decimal15(double x) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
    return {buffer, result.ptr};
}

std::string ReferenceRenderFixed(double x, int places) {
    const auto n = static_cast<std::size_t>(places);
    std::string integer = "0";
    std::string fraction;
    bool negative = false;
    if (x != 0.0) {
        const std::string decimal = Decimal15(x);
        std::size_t p = 0;
        if (decimal[p] == '-') {
            negative = true;
            ++p;
        }
        std::string digits;
        for (; decimal[p] != 'e'; ++p) {
            if (decimal[p] != '.') {
                digits += decimal[p];
            }
        }
        const int exponent = std::atoi(decimal.c_str() + p + 1);
        const long long before = exponent + 1; // digits before the period
        if (before <= 0) {
            fraction = std::string(static_cast<std::size_t>(-before), '0') + digits;
        } else if (before >= static_cast<long long>(digits.size())) {
            integer = digits + std::string(static_cast<std::size_t>(before) - digits.size(), '0');
        } else {
            integer = digits.substr(0, static_cast<std::size_t>(before));
            fraction = digits.substr(static_cast<std::size_t>(before));
        }
    }
    fraction.resize(std::max(fraction.size(), n + 1), '0');
    std::string kept = integer + fraction.substr(0, n);
    if (fraction[n] >= '5') {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9') {
            kept[--i] = '0';
        }
        if (i == 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[i - 1];
        }
    }
    std::string whole = kept.substr(0, kept.size() - n);
    const std::string decimals = kept.substr(kept.size() - n);
    while (whole.size() > 1 && whole[0] == '0') {
        whole.erase(0, 1);
    }
    const bool zero = whole == "0" && decimals.find_first_not_of('0') == std::string::npos;
    std::string text = negative && !zero ? "-" : "";
    text += whole;
    if (n > 0) {
        text += '.' + decimals;
    }
    return text;
}

} // namespace quorlex::fuzz
