#include "engine/Formula.h"

#include "numbers/Power.h"

#include <cmath>

namespace quorlex {

Formula::Formula(Kind kind, std::string_view text) : kind_(kind), text_(text) {}

Formula Formula::Quantity(std::string_view sign) {
    return {Kind::Quantity, sign};
}

Formula Formula::Input(std::string_view sign, std::size_t slot) {
    Formula input(Kind::Quantity, sign);
    input.slot_ = slot;
    return input;
}

Formula Formula::Number(double value, std::string_view text) {
    Formula number(Kind::Number, text);
    number.value_ = value;
    return number;
}

Formula Formula::Call(std::string_view name, double (*function)(double), Formula argument) {
    Formula call(Kind::Call, name);
    call.function_ = function;
    call.operands_.push_back(std::make_shared<const Formula>(std::move(argument)));
    return call;
}

Formula Formula::Power(Formula base, Formula exponent) {
    return Join(Kind::Power, std::move(base), std::move(exponent));
}

Formula Formula::Join(Kind kind, Formula left, Formula right) {
    Formula joined(kind, "");
    joined.operands_.push_back(std::make_shared<const Formula>(std::move(left)));
    joined.operands_.push_back(std::make_shared<const Formula>(std::move(right)));
    return joined;
}

Formula operator+(Formula left, Formula right) {
    return Formula::Join(Formula::Kind::Add, std::move(left), std::move(right));
}

Formula operator-(Formula left, Formula right) {
    return Formula::Join(Formula::Kind::Subtract, std::move(left), std::move(right));
}

Formula operator*(Formula left, Formula right) {
    return Formula::Join(Formula::Kind::Multiply, std::move(left), std::move(right));
}

Formula operator/(Formula left, Formula right) {
    return Formula::Join(Formula::Kind::Divide, std::move(left), std::move(right));
}

int Formula::Precedence() const {
    switch (kind_) {
    case Kind::Add:
    case Kind::Subtract:
        return 1;
    case Kind::Multiply:
    case Kind::Divide:
        return 2;
    case Kind::Power:
        return 3;
    case Kind::Quantity:
    case Kind::Number:
    case Kind::Call:
        break;
    }
    return 4;
}

bool Formula::IsToken() const {
    return kind_ == Kind::Quantity || (kind_ == Kind::Number && text_.find('/') == std::string::npos);
}

void Formula::Write(std::string &text) const {
    switch (kind_) {
    case Kind::Quantity:
    case Kind::Number:
        text += text_;
        return;
    case Kind::Call:
        text += text_;
        text += '(';
        operands_[0]->Write(text);
        text += ')';
        return;
    case Kind::Power: {
        // "I^0.46", "(L / 0.45)^(1/0.46)": anything but a single token in parentheses, on either side.
        for (std::size_t i = 0; i < 2; ++i) {
            const bool parenthesise = !operands_[i]->IsToken() && operands_[i]->kind_ != Kind::Call;
            if (i == 1) {
                text += '^';
            }
            text += parenthesise ? "(" : "";
            operands_[i]->Write(text);
            text += parenthesise ? ")" : "";
        }
        return;
    }
    case Kind::Add:
    case Kind::Subtract:
    case Kind::Multiply:
    case Kind::Divide:
        break;
    }
    // A left operand in parentheses when it binds less tightly; a right one also when it binds as tightly,
    // since a − (b − c) is not a − b − c. A ratio written as a number ("9/5") binds as a term.
    const auto writeOperand = [&text](const Formula &operand, bool parenthesise) {
        if (parenthesise) {
            text += '(';
        }
        operand.Write(text);
        if (parenthesise) {
            text += ')';
        }
    };
    const bool associative = kind_ == Kind::Add || kind_ == Kind::Multiply;
    writeOperand(*operands_[0], operands_[0]->Precedence() < Precedence());
    text += kind_ == Kind::Add        ? " + "
            : kind_ == Kind::Subtract ? " \u2212 "
            : kind_ == Kind::Multiply ? " \u00D7 "
                                      : " / ";
    writeOperand(*operands_[1], operands_[1]->Precedence() < Precedence() ||
                                    (!associative && operands_[1]->Precedence() == Precedence()));
}

std::string Formula::Text() const {
    std::string text;
    Write(text);
    return text;
}

double Formula::Evaluate(double quantity) const {
    return EvaluateWith(quantity, {});
}

double Formula::Evaluate(std::span<const double> inputs) const {
    return EvaluateWith(0.0, inputs);
}

double Formula::EvaluateWith(double single, std::span<const double> inputs) const {
    const auto operand = [&](std::size_t i) { return operands_[i]->EvaluateWith(single, inputs); };
    switch (kind_) {
    case Kind::Quantity:
        return inputs.empty() ? single : inputs[slot_];
    case Kind::Number:
        return value_;
    case Kind::Call:
        return function_(operand(0));
    case Kind::Add:
        return operand(0) + operand(1);
    case Kind::Subtract:
        return operand(0) - operand(1);
    case Kind::Multiply:
        return operand(0) * operand(1);
    case Kind::Power:
        return quorlex::Power(operand(0), operand(1)); // the same last bit on every platform, unlike std::pow
    case Kind::Divide:
        break;
    }
    return operand(0) / operand(1);
}

std::string EquationText(std::string_view resultSign, const Formula &formula) {
    std::string text(resultSign);
    text += " = ";
    text += formula.Text();
    return text;
}

} // namespace quorlex
