#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace quorlex::detail {

// A non-negative integer in Limbs 32-bit limbs, least significant first; the limbs above the used ones are
// zero. The exact decimal writer and reader of DoubleText work in it; each caller sizes it for the largest
// number it makes, and no operation grows it past that.
template <std::size_t Limbs>
class BigNumber {
public:
    explicit BigNumber(std::uint64_t value) : size_(value == 0 ? 0 : (value >> 32) == 0 ? 1 : 2) {
        limbs_[0] = static_cast<std::uint32_t>(value);
        limbs_[1] = static_cast<std::uint32_t>(value >> 32);
    }

    bool IsZero() const { return size_ == 0; }

    int BitLength() const {
        if (size_ == 0) {
            return 0;
        }
        int length = static_cast<int>(32 * (size_ - 1));
        for (std::uint32_t top = limbs_[size_ - 1]; top != 0; top >>= 1) {
            ++length;
        }
        return length;
    }

    // floor(this / 2^position); the caller knows that it is below 2^64.
    std::uint64_t BitsFrom(int position) const {
        const auto index = static_cast<std::size_t>(position / 32);
        const auto part = static_cast<unsigned>(position % 32);
        const std::uint64_t low = ((std::uint64_t{Limb(index + 1)} << 32) | Limb(index)) >> part;
        return part == 0 ? low : low | (std::uint64_t{Limb(index + 2)} << (64 - part));
    }

    // this * factor + addend.
    void MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
        std::uint64_t carry = addend;
        for (std::size_t i = 0; i < size_; ++i) {
            const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
            limbs_[i] = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) {
            limbs_[size_++] = static_cast<std::uint32_t>(carry);
        }
    }

    void Multiply(std::uint32_t factor) { MultiplyAdd(factor, 0); }

    // Multiplies by 10^n, n >= 0, nine decimal digits at a time.
    void MultiplyByPowerOfTen(int n) {
        constexpr std::uint32_t kTenToTheNinth = 1'000'000'000;
        for (; n >= 9; n -= 9) {
            Multiply(kTenToTheNinth);
        }
        std::uint32_t rest = 1;
        for (; n > 0; --n) {
            rest *= 10;
        }
        Multiply(rest);
    }

    // Multiplies by 2^bits, bits >= 0. From the top limb down, so that no limb is overwritten before it
    // is read.
    void ShiftLeft(int bits) {
        if (size_ == 0) {
            return;
        }
        const auto whole = static_cast<std::size_t>(bits / 32);
        const auto part = static_cast<unsigned>(bits % 32);
        for (std::size_t i = size_ + 1; i-- > 0;) {
            const std::uint32_t high = Limb(i);
            const std::uint32_t low = i > 0 ? limbs_[i - 1] : 0;
            if (i + whole < Limbs) {
                limbs_[i + whole] = part == 0 ? high : (high << part) | (low >> (32 - part));
            }
        }
        for (std::size_t i = 0; i < whole; ++i) {
            limbs_[i] = 0;
        }
        size_ = size_ + whole + 1 < Limbs ? size_ + whole + 1 : Limbs;
        Trim();
    }

    // Below zero, zero or above zero as this is below, equal to or above other.
    int Compare(const BigNumber &other) const {
        if (size_ != other.size_) {
            return size_ < other.size_ ? -1 : 1;
        }
        for (std::size_t i = size_; i-- > 0;) {
            if (limbs_[i] != other.limbs_[i]) {
                return limbs_[i] < other.limbs_[i] ? -1 : 1;
            }
        }
        return 0;
    }

    // Subtracts other * factor, which is at most this.
    void SubtractMultiple(const BigNumber &other, std::uint32_t factor) {
        std::uint64_t carry = 0;
        std::uint64_t borrow = 0;
        for (std::size_t i = 0; i < size_; ++i) {
            const std::uint64_t product = std::uint64_t{other.limbs_[i]} * factor + carry;
            carry = product >> 32;
            const std::uint64_t subtrahend = (product & 0xFFFF'FFFFU) + borrow;
            borrow = limbs_[i] < subtrahend ? 1 : 0;
            limbs_[i] = static_cast<std::uint32_t>(limbs_[i] - subtrahend);
        }
        Trim();
    }

private:
    std::uint32_t Limb(std::size_t i) const { return i < Limbs ? limbs_[i] : 0; }

    void Trim() {
        while (size_ > 0 && limbs_[size_ - 1] == 0) {
            --size_;
        }
    }

    std::array<std::uint32_t, Limbs> limbs_{};
    std::size_t size_;
};

} // namespace quorlex::detail
