#include "relations/PostfixFormula.h"

#include "numbers/DoubleText.h"

#include <array>
#include <numbers>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace quorlex::relations {

namespace {

// The value of a number token, a ratio of two ("7/6") or π over one ("π/4").
std::optional<double> NumberValue(std::string_view token) {
    constexpr std::string_view kPi = "\u03C0";
    double value = 1.0;
    double divisor = 1.0;
    std::string_view numerator = token;
    const auto slash = token.find('/');
    if (slash != std::string_view::npos) {
        numerator = token.substr(0, slash);
        const std::string_view denominator = token.substr(slash + 1);
        const auto read = ReadDouble(denominator.data(), denominator.data() + denominator.size(), divisor);
        if (read.ec != std::errc() || read.ptr != denominator.data() + denominator.size()) {
            return std::nullopt;
        }
    }
    if (numerator == kPi) {
        value = std::numbers::pi;
    } else {
        const auto read = ReadDouble(numerator.data(), numerator.data() + numerator.size(), value);
        if (read.ec != std::errc() || read.ptr != numerator.data() + numerator.size()) {
            return std::nullopt;
        }
    }
    return value / divisor;
}

Formula Sum(Formula left, Formula right) {
    return std::move(left) + std::move(right);
}
Formula Difference(Formula left, Formula right) {
    return std::move(left) - std::move(right);
}
Formula Product(Formula left, Formula right) {
    return std::move(left) * std::move(right);
}
Formula Quotient(Formula left, Formula right) {
    return std::move(left) / std::move(right);
}
// One call for every operator keeps the reader small in the web page's engine.
constexpr std::array<Formula (*)(Formula, Formula), 5> kOperators{&Sum, &Difference, &Product, &Quotient,
                                                                  &Formula::Power};

} // namespace

Formula PostfixFormula(std::string_view text, std::span<const Quantity> inputs,
                       std::span<const NamedFunction> functions, bool &ok) {
    std::vector<Formula> stack;
    ok = true;
    while (ok && !text.empty()) {
        const auto end = text.find(' ');
        const std::string_view token = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (token.empty()) {
            continue;
        }
        // The operators, in the order of kOperators.
        const auto op = token.size() == 1 ? std::string_view("+-*/^").find(token[0]) : std::string_view::npos;
        if (op != std::string_view::npos) {
            if (stack.size() < 2) {
                ok = false;
                break;
            }
            Formula right = std::move(stack.back());
            stack.pop_back();
            stack.back() = kOperators[op](std::move(stack.back()), std::move(right));
            continue;
        }
        bool found = false;
        for (const NamedFunction &function : functions) {
            if (function.name == token && !stack.empty()) {
                stack.back() = Formula::Call(function.name, function.function, std::move(stack.back()));
                found = true;
            }
        }
        for (std::size_t slot = 0; !found && slot < inputs.size(); ++slot) {
            if (inputs[slot].sign == token) {
                stack.push_back(Formula::Input(token, slot));
                found = true;
            }
        }
        if (found) {
            continue;
        }
        const std::optional<double> value = NumberValue(token);
        if (!value) {
            ok = false;
            break;
        }
        // A negative number is written with a minus sign, as the operators are.
        std::string shown(token);
        if (shown.front() == '-') {
            shown.replace(0, 1, "\u2212");
        }
        stack.push_back(Formula::Number(*value, shown));
    }
    ok = ok && stack.size() == 1;
    return ok ? std::move(stack.back()) : Formula::Number(0, "0");
}

} // namespace quorlex::relations
