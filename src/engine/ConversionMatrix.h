#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <vector>

namespace quorlex {

// An N x N matrix of conversion factors: row = source unit, column = desired unit.
class ConversionMatrix {
public:
    int Size() const noexcept { return size_; }

    // Discards the old contents and makes an n x n matrix of zeros. The matrices of the program's own
    // categories (at most 9 units) live inside the object; a registry then allocates nothing for them.
    void Reallocate(int n) {
        size_ = n;
        const auto cells = static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
        if (cells <= inline_.size()) {
            inline_.fill(0.0);
            heap_.clear();
            heap_.shrink_to_fit();
        } else {
            heap_.assign(cells, 0.0);
        }
    }

    double At(int row, int column) const { return Data()[Index(row, column)]; }
    double &At(int row, int column) { return Data()[Index(row, column)]; }

    bool Contains(int row, int column) const noexcept {
        return row >= 0 && row < size_ && column >= 0 && column < size_;
    }

private:
    // Callers check Contains() first; debug and sanitizer builds prove that no access strays outside the
    // n x n cells (the inline storage is larger, so an address checker alone would not notice).
    std::size_t Index(int row, int column) const {
        assert(Contains(row, column));
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(size_) +
               static_cast<std::size_t>(column);
    }

    bool IsInline() const noexcept {
        return static_cast<std::size_t>(size_) * static_cast<std::size_t>(size_) <= inline_.size();
    }
    const double *Data() const noexcept { return IsInline() ? inline_.data() : heap_.data(); }
    double *Data() noexcept { return IsInline() ? inline_.data() : heap_.data(); }

    int size_ = 0;
    std::array<double, 81> inline_{};
    std::vector<double> heap_;
};

} // namespace quorlex
