#include "errors/RuntimeError.h"

#include <utility>

namespace quorlex {

RuntimeError::RuntimeError(std::int32_t number, std::string source, std::string description)
    : std::runtime_error(description), number_(number), source_(std::move(source)),
      description_(std::move(description)) {}

std::string StandardDescription(std::int32_t number) {
    switch (number) {
    case kErrOverflow:
        return "Overflow";
    case kErrSubscriptOutOfRange:
        return "Subscript out of range";
    case kErrTypeMismatch:
        return "Type mismatch";
    default:
        return {};
    }
}

void RaiseStandardError(std::int32_t number, std::string source) {
    throw RuntimeError(number, std::move(source), StandardDescription(number));
}

} // namespace quorlex
