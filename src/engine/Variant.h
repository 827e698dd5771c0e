#pragma once

#include <memory>
#include <string>
#include <variant>

namespace quorlex {

// A reference to some object, as a converter's stored value may hold one. Converters never look inside.
struct ObjectReference {
    std::shared_ptr<const void> object;
    friend bool operator==(const ObjectReference &, const ObjectReference &) = default;
};

// A value that holds nothing (empty), a number, a text or an object reference: what a converter stores as
// its source value and what Compute returns.
using Variant = std::variant<std::monostate, double, std::string, ObjectReference>;

inline bool IsEmpty(const Variant &value) {
    return std::holds_alternative<std::monostate>(value);
}

// The number a stored value stands for in a conversion: empty counts as 0, a text is read by the
// value-of-text rule, a number is itself. An object reference raises the type-mismatch error (13).
double NumericValue(const Variant &value, const char *source);

// The text a result is shown as: empty gives "", a number its general text, a text itself. An object
// reference raises the type-mismatch error (13).
std::string DisplayText(const Variant &value, const char *source);

} // namespace quorlex
