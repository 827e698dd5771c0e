#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex {

// A formula as the user reads it, "°F = °C × 9/5 + 32": built from quantities (a unit's sign), numbers,
// functions and the four operators, written with the parentheses its order of operations needs and no
// more. It can also be evaluated, so that a formula shown is known to be the one computed.
class Formula {
public:
    // A quantity: the value in a unit, written as the unit's sign ("°C"); its value is the one given to
    // Evaluate.
    static Formula Quantity(std::string_view sign);
    // A number, written as given ("273.15", "9/5": a ratio reads as one term).
    static Formula Number(double value, std::string_view text);
    // A function of one argument, "tan(°)".
    static Formula Call(std::string_view name, double (*function)(double), Formula argument);

    friend Formula operator+(Formula left, Formula right);
    friend Formula operator-(Formula left, Formula right);
    friend Formula operator*(Formula left, Formula right);
    friend Formula operator/(Formula left, Formula right);

    // The formula's text: "(°F − 32) × 5/9", with a minus sign and a multiplication sign.
    std::string Text() const;

    // The formula's value with every quantity standing for `quantity`.
    double Evaluate(double quantity) const;

private:
    enum class Kind { Quantity, Number, Call, Add, Subtract, Multiply, Divide };

    Formula(Kind kind, std::string_view text);
    static Formula Join(Kind kind, Formula left, Formula right);
    // How tightly the formula binds: sums 1, products 2, terms 3.
    int Precedence() const;
    void Write(std::string &text) const;

    Kind kind_;
    std::string text_;
    double value_ = 0.0;
    double (*function_)(double) = nullptr;
    std::vector<std::shared_ptr<const Formula>> operands_;
};

// "RESULT = FORMULA": the result's sign on the left.
std::string EquationText(std::string_view resultSign, const Formula &formula);

} // namespace quorlex
