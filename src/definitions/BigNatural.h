#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex::definitions {

// A natural number of any size (0 included), for exact factors: products of a handful of unit
// definitions outgrow 64 bits. Only what exact factors need: products, quotients with remainder,
// comparison, shifts and decimal text. Schoolbook arithmetic on 32-bit limbs is plenty for numbers of a
// few hundred bits.
class BigNatural {
public:
    BigNatural() = default;
    explicit BigNatural(std::uint64_t value);

    // The number a run of decimal digits writes; nullopt-free: the caller passes digits only.
    static BigNatural FromDigits(std::string_view digits);
    static BigNatural PowerOfTen(int exponent);

    bool IsZero() const noexcept { return limbs_.empty(); }
    bool IsOne() const noexcept { return limbs_.size() == 1 && limbs_[0] == 1; }
    int BitLength() const noexcept;
    bool Bit(int index) const noexcept;
    // The low 64 bits.
    std::uint64_t Low64() const noexcept;

    friend BigNatural operator*(const BigNatural &a, const BigNatural &b);
    friend BigNatural operator+(const BigNatural &a, const BigNatural &b);
    // a - b for a >= b.
    friend BigNatural operator-(const BigNatural &a, const BigNatural &b);
    BigNatural ShiftedLeft(int bits) const;
    BigNatural ShiftedRight(int bits) const;

    // Quotient and remainder of a / b, b not zero.
    static void Divide(const BigNatural &a, const BigNatural &b, BigNatural &quotient, BigNatural &remainder);
    static BigNatural Gcd(BigNatural a, BigNatural b);

    friend int Compare(const BigNatural &a, const BigNatural &b) noexcept;
    friend bool operator==(const BigNatural &a, const BigNatural &b) noexcept { return a.limbs_ == b.limbs_; }

    std::string DecimalText() const;

private:
    void Trim() noexcept;
    // Divides by a small divisor in place, returning the remainder.
    std::uint32_t DivideSmall(std::uint32_t divisor) noexcept;
    void MultiplyAddSmall(std::uint32_t factor, std::uint32_t addend);

    std::vector<std::uint32_t> limbs_; // least significant first, no leading zero limbs
};

} // namespace quorlex::definitions
