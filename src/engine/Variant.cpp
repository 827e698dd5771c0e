#include "engine/Variant.h"

#include "errors/RuntimeError.h"
#include "numbers/GeneralText.h"
#include "numbers/ValueOfText.h"

namespace quorlex {

namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

} // namespace

double NumericValue(const Variant &value, const char *source) {
    return std::visit(
        Overloaded{
            [](std::monostate) { return 0.0; },
            [](double number) { return number; },
            [](const std::string &text) { return ValueOfText(text); },
            [source](const ObjectReference &) -> double { RaiseStandardError(kErrTypeMismatch, source); },
        },
        value);
}

std::string DisplayText(const Variant &value, const char *source) {
    return std::visit(Overloaded{
                          [](std::monostate) { return std::string(); },
                          [](double number) { return GeneralText(number); },
                          [](const std::string &text) { return text; },
                          [source](const ObjectReference &) -> std::string {
                              RaiseStandardError(kErrTypeMismatch, source);
                          },
                      },
                      value);
}

} // namespace quorlex
