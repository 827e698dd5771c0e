// The matrix loader: the matrix is n x n whatever the text, no access strays outside it (the address
// sanitizer and the matrix's own index assertion), the cells are what a plain split-at-commas reading gives,
// the overflow error comes exactly when a piece or a 16-bit character position overflows (cells filled
// before it keep their values), and a second load into a used matrix leaves no trace of the first.
//
// Input: the first byte gives n ('1' to '9' give 1 to 9; other bytes map onto 1..9 too); with its top bit
// set, 32760 blanks go in front of the text so that commas fall beyond the 16-bit positions. The rest is
// the factor text.
#include "FuzzCheck.h"
#include "engine/LoadMatrix.h"
#include "errors/RuntimeError.h"
#include "numbers/ValueOfText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quorlex;
using namespace quorlex::fuzz;

struct Loaded {
    std::vector<double> cells;
    bool overflow = false;
};

// The last 1-based character position a comma may have: the next piece starts one further on, and both
// must fit a 16-bit signed counter.
constexpr std::size_t kLastCommaPosition = 32766;

Loaded Reference(int n, std::string_view text) {
    Loaded loaded{std::vector<double>(static_cast<std::size_t>(n * n), 0.0), false};
    std::size_t start = 0;
    for (std::size_t cell = 0; cell < loaded.cells.size(); ++cell) {
        const std::size_t comma = text.find(',', start);
        try {
            if (comma == std::string_view::npos) {
                loaded.cells[cell] = ValueOfText(text.substr(start));
                break;
            }
            if (comma + 1 > kLastCommaPosition) {
                loaded.overflow = true;
                break;
            }
            loaded.cells[cell] = ValueOfText(text.substr(start, comma - start));
        } catch (const RuntimeError &) {
            loaded.overflow = true;
            break;
        }
        start = comma + 1;
    }
    return loaded;
}

Loaded Load(ConversionMatrix &matrix, int n, std::string_view text) {
    Loaded loaded;
    try {
        LoadMatrix(matrix, static_cast<std::int16_t>(n), text);
    } catch (const RuntimeError &error) {
        Require(error.Number() == kErrOverflow, "LoadMatrix raises only the overflow error");
        loaded.overflow = true;
    }
    Require(matrix.Size() == n, "the matrix is n x n", std::to_string(matrix.Size()));
    for (int row = 0; row < n; ++row) {
        for (int column = 0; column < n; ++column) {
            loaded.cells.push_back(matrix.At(row, column));
        }
    }
    return loaded;
}

bool Same(const Loaded &a, const Loaded &b) {
    if (a.overflow != b.overflow || a.cells.size() != b.cells.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.cells.size(); ++i) {
        if (!SameDouble(a.cells[i], b.cells[i])) {
            return false;
        }
    }
    return true;
}

std::string Show(const Loaded &loaded) {
    std::string text = loaded.overflow ? "overflow [" : "[";
    for (const double cell : loaded.cells) {
        text += Describe(cell) + " ";
    }
    return text + "]";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int n = 1 + static_cast<std::uint8_t>((data[0] & 0x7f) - '1') % 9;
    std::string text;
    if ((data[0] & 0x80) != 0) {
        text.assign(32760, ' ');
    }
    text.append(reinterpret_cast<const char *>(data) + 1, size - 1);

    ConversionMatrix fresh;
    const Loaded loaded = Load(fresh, n, text);
    const Loaded expected = Reference(n, text);
    Require(Same(loaded, expected), "LoadMatrix agrees with the split-at-commas reading",
            "n " + std::to_string(n) + " " + Printable(text) + ": " + Show(loaded) + " expected " +
                Show(expected));

    ConversionMatrix used;
    LoadMatrix(used, 9, "7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7");
    Require(Same(Load(used, n, text), loaded), "a second load leaves no trace of the first", Printable(text));
    return 0;
}
