#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex {

// A formula as the user reads it, "°F = °C × 9/5 + 32", "L = 0.45 × I^0.46": built from quantities (a
// unit's or a variable's sign), numbers, functions, the four operators and powers, written with the
// parentheses its order of operations needs and no more. It can also be evaluated, so that a formula
// shown is known to be the one computed.
class Formula {
public:
    // A quantity: the value in a unit, written as the unit's sign ("°C"); its value is the one given to
    // Evaluate.
    static Formula Quantity(std::string_view sign);
    // One of several quantities, "HPA" in "HPA × R": the value at position `slot` of the values given to
    // Evaluate.
    static Formula Input(std::string_view sign, std::size_t slot);
    // A number, written as given ("273.15", "9/5": a ratio reads as one term).
    static Formula Number(double value, std::string_view text);
    // A function of one argument, "tan(°)".
    static Formula Call(std::string_view name, double (*function)(double), Formula argument);
    // A power, "I^0.46", "(L / 0.45)^(1/0.46)".
    static Formula Power(Formula base, Formula exponent);

    friend Formula operator+(Formula left, Formula right);
    friend Formula operator-(Formula left, Formula right);
    friend Formula operator*(Formula left, Formula right);
    friend Formula operator/(Formula left, Formula right);

    // The formula's text: "(°F − 32) × 5/9", with a minus sign and a multiplication sign.
    std::string Text() const;

    // The formula's value with every quantity standing for `quantity`.
    double Evaluate(double quantity) const;
    // The formula's value with each quantity standing for the value at its slot (Quantity: slot 0).
    double Evaluate(std::span<const double> inputs) const;

private:
    enum class Kind { Quantity, Number, Call, Add, Subtract, Multiply, Divide, Power };

    Formula(Kind kind, std::string_view text);
    // Used by the operators, which are friends.
    // cppcheck-suppress unusedPrivateFunction
    static Formula Join(Kind kind, Formula left, Formula right);
    // How tightly the formula binds: sums 1, products 2, powers 3, terms 4.
    int Precedence() const;
    // Whether the formula is written as one token, which a power needs no parentheses around: a quantity,
    // or a number written with digits alone ("0.46", not "2/3").
    bool IsToken() const;
    void Write(std::string &text) const;
    // Every quantity stands for `single` when inputs is empty, else for its slot's value.
    double EvaluateWith(double single, std::span<const double> inputs) const;

    Kind kind_;
    std::string text_;
    double value_ = 0.0;
    std::size_t slot_ = 0;
    double (*function_)(double) = nullptr;
    std::vector<std::shared_ptr<const Formula>> operands_;
};

// "RESULT = FORMULA": the result's sign on the left.
std::string EquationText(std::string_view resultSign, const Formula &formula);

} // namespace quorlex
