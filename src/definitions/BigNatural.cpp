#include "definitions/BigNatural.h"

#include <algorithm>

namespace quorlex::definitions {

namespace {

constexpr int kLimbBits = 32;

} // namespace

BigNatural::BigNatural(std::uint64_t value) {
    while (value != 0) {
        limbs_.push_back(static_cast<std::uint32_t>(value));
        value >>= kLimbBits;
    }
}

BigNatural BigNatural::FromDigits(std::string_view digits) {
    BigNatural number;
    for (const char digit : digits) {
        number.MultiplyAddSmall(10, static_cast<std::uint32_t>(digit - '0'));
    }
    return number;
}

BigNatural BigNatural::PowerOfTen(int exponent) {
    BigNatural number(1);
    for (int i = 0; i < exponent; ++i) {
        number.MultiplyAddSmall(10, 0);
    }
    return number;
}

int BigNatural::BitLength() const noexcept {
    if (limbs_.empty()) {
        return 0;
    }
    int bits = static_cast<int>(limbs_.size() - 1) * kLimbBits;
    for (std::uint32_t top = limbs_.back(); top != 0; top >>= 1) {
        ++bits;
    }
    return bits;
}

bool BigNatural::Bit(int index) const noexcept {
    const auto limb = static_cast<std::size_t>(index / kLimbBits);
    return limb < limbs_.size() && ((limbs_[limb] >> (index % kLimbBits)) & 1U) != 0;
}

std::uint64_t BigNatural::Low64() const noexcept {
    std::uint64_t low = limbs_.empty() ? 0 : limbs_[0];
    if (limbs_.size() > 1) {
        low |= static_cast<std::uint64_t>(limbs_[1]) << kLimbBits;
    }
    return low;
}

void BigNatural::Trim() noexcept {
    while (!limbs_.empty() && limbs_.back() == 0) {
        limbs_.pop_back();
    }
}

void BigNatural::MultiplyAddSmall(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::uint32_t &limb : limbs_) {
        const std::uint64_t product = static_cast<std::uint64_t>(limb) * factor + carry;
        limb = static_cast<std::uint32_t>(product);
        carry = product >> kLimbBits;
    }
    if (carry != 0) {
        limbs_.push_back(static_cast<std::uint32_t>(carry));
    }
}

std::uint32_t BigNatural::DivideSmall(std::uint32_t divisor) noexcept {
    std::uint64_t remainder = 0;
    for (std::size_t i = limbs_.size(); i-- > 0;) {
        const std::uint64_t current = (remainder << kLimbBits) | limbs_[i];
        limbs_[i] = static_cast<std::uint32_t>(current / divisor);
        remainder = current % divisor;
    }
    Trim();
    return static_cast<std::uint32_t>(remainder);
}

BigNatural operator*(const BigNatural &a, const BigNatural &b) {
    BigNatural product;
    if (a.IsZero() || b.IsZero()) {
        return product;
    }
    product.limbs_.assign(a.limbs_.size() + b.limbs_.size(), 0);
    for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.limbs_.size(); ++j) {
            const std::uint64_t sum =
                static_cast<std::uint64_t>(a.limbs_[i]) * b.limbs_[j] + product.limbs_[i + j] + carry;
            product.limbs_[i + j] = static_cast<std::uint32_t>(sum);
            carry = sum >> kLimbBits;
        }
        product.limbs_[i + b.limbs_.size()] = static_cast<std::uint32_t>(carry);
    }
    product.Trim();
    return product;
}

BigNatural operator+(const BigNatural &a, const BigNatural &b) {
    BigNatural sum;
    const std::size_t size = std::max(a.limbs_.size(), b.limbs_.size());
    sum.limbs_.resize(size + 1, 0);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint64_t total =
            carry + (i < a.limbs_.size() ? a.limbs_[i] : 0U) + (i < b.limbs_.size() ? b.limbs_[i] : 0U);
        sum.limbs_[i] = static_cast<std::uint32_t>(total);
        carry = total >> kLimbBits;
    }
    sum.limbs_[size] = static_cast<std::uint32_t>(carry);
    sum.Trim();
    return sum;
}

BigNatural operator-(const BigNatural &a, const BigNatural &b) {
    BigNatural difference = a;
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < difference.limbs_.size(); ++i) {
        std::int64_t current = static_cast<std::int64_t>(difference.limbs_[i]) - borrow -
                               static_cast<std::int64_t>(i < b.limbs_.size() ? b.limbs_[i] : 0U);
        borrow = current < 0 ? 1 : 0;
        if (current < 0) {
            current += std::int64_t{1} << kLimbBits;
        }
        difference.limbs_[i] = static_cast<std::uint32_t>(current);
    }
    difference.Trim();
    return difference;
}

BigNatural BigNatural::ShiftedLeft(int bits) const {
    if (IsZero() || bits == 0) {
        return *this;
    }
    BigNatural shifted;
    const auto whole = static_cast<std::size_t>(bits / kLimbBits);
    const int part = bits % kLimbBits;
    shifted.limbs_.assign(whole, 0);
    std::uint32_t carry = 0;
    for (const std::uint32_t limb : limbs_) {
        shifted.limbs_.push_back(part == 0 ? limb : (limb << part) | carry);
        carry = part == 0 ? 0 : limb >> (kLimbBits - part);
    }
    shifted.limbs_.push_back(carry);
    shifted.Trim();
    return shifted;
}

BigNatural BigNatural::ShiftedRight(int bits) const {
    const auto whole = static_cast<std::size_t>(bits / kLimbBits);
    const int part = bits % kLimbBits;
    BigNatural shifted;
    if (whole >= limbs_.size()) {
        return shifted;
    }
    for (std::size_t i = whole; i < limbs_.size(); ++i) {
        std::uint32_t limb = limbs_[i] >> part;
        if (part != 0 && i + 1 < limbs_.size()) {
            limb |= limbs_[i + 1] << (kLimbBits - part);
        }
        shifted.limbs_.push_back(limb);
    }
    shifted.Trim();
    return shifted;
}

int Compare(const BigNatural &a, const BigNatural &b) noexcept {
    if (a.limbs_.size() != b.limbs_.size()) {
        return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    }
    for (std::size_t i = a.limbs_.size(); i-- > 0;) {
        if (a.limbs_[i] != b.limbs_[i]) {
            return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
        }
    }
    return 0;
}

void BigNatural::Divide(const BigNatural &a, const BigNatural &b, BigNatural &quotient,
                        BigNatural &remainder) {
    quotient = BigNatural();
    remainder = BigNatural();
    if (Compare(a, b) < 0) {
        remainder = a;
        return;
    }
    // Binary long division: a bit of the quotient a step, which is fast enough for a few hundred bits.
    const int bits = a.BitLength();
    quotient.limbs_.assign(static_cast<std::size_t>((bits + kLimbBits - 1) / kLimbBits), 0);
    for (int bit = bits - 1; bit >= 0; --bit) {
        remainder = remainder.ShiftedLeft(1);
        if (a.Bit(bit)) {
            if (remainder.limbs_.empty()) {
                remainder.limbs_.push_back(1);
            } else {
                remainder.limbs_[0] |= 1U;
            }
        }
        if (Compare(remainder, b) >= 0) {
            remainder = remainder - b;
            quotient.limbs_[static_cast<std::size_t>(bit / kLimbBits)] |= 1U << (bit % kLimbBits);
        }
    }
    quotient.Trim();
}

BigNatural BigNatural::Gcd(BigNatural a, BigNatural b) {
    while (!b.IsZero()) {
        BigNatural quotient;
        BigNatural remainder;
        Divide(a, b, quotient, remainder);
        a = std::move(b);
        b = std::move(remainder);
    }
    return a;
}

std::string BigNatural::DecimalText() const {
    if (IsZero()) {
        return "0";
    }
    std::string text;
    BigNatural rest = *this;
    while (!rest.IsZero()) {
        text += static_cast<char>('0' + rest.DivideSmall(10));
    }
    std::reverse(text.begin(), text.end());
    return text;
}

} // namespace quorlex::definitions
