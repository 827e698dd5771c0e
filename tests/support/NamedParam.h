#pragma once

#include <concepts>
#include <ostream>

namespace quorlex::test {

// Prints a table row by its name, so test listings read "Texts/ValueOfTextTest.X/Hex" instead of bytes.
// Bring it into a test file's namespace with `using quorlex::test::PrintTo;`.
template <class Row>
requires requires(const Row &row) {
    { row.name } -> std::convertible_to<const char *>;
}
void PrintTo(const Row &row, std::ostream *os) {
    *os << row.name;
}

} // namespace quorlex::test
