// Speed of the conversion engine and the number texts: what one Compute command costs before the window
// shows anything, and its parts.
#include "engine/Catalogue.h"
#include "engine/Convert.h"
#include "engine/LoadMatrix.h"
#include "numbers/GeneralText.h"
#include "numbers/NumericText.h"
#include "numbers/RenderWithMask.h"
#include "numbers/ValueOfText.h"

#include <benchmark/benchmark.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quorlex;

void BM_NewConvert(benchmark::State &state) {
    for (auto _ : state) {
        Convert registry;
        benchmark::DoNotOptimize(registry.mvarSlope.get());
    }
}
BENCHMARK(BM_NewConvert);

// A new registry, the inputs set, Compute, and the result as general text: the engine's share of one
// Compute command.
void BM_FullConversion(benchmark::State &state) {
    for (auto _ : state) {
        Convert registry;
        auto converter = registry.ConverterOfCategory(2);
        converter->SetSourceUnits(8);
        converter->SetDesiredUnits(0);
        converter->LetSourceValue(1.0);
        std::string text = DisplayText(converter->Compute(), "bench");
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_FullConversion);

// The factor text of every converter class, joined once: the loader's input without the joining.
struct FactorTable {
    std::string name;
    std::int16_t units;
    std::string text;
};

const std::vector<FactorTable> &FactorTables() {
    static const std::vector<FactorTable> tables = [] {
        std::vector<FactorTable> all;
        for (const auto &category : Catalogue()) {
            all.push_back({std::string(category.className), static_cast<std::int16_t>(category.units.size()),
                           category.factorText()});
        }
        return all;
    }();
    return tables;
}

// BM_LoadMatrix/<class>: one table parsed into its matrix.
const bool kLoadMatrixRegistered = [] {
    for (const FactorTable &table : FactorTables()) {
        benchmark::RegisterBenchmark(("BM_LoadMatrix/" + table.name).c_str(),
                                     [&table](benchmark::State &state) {
                                         ConversionMatrix matrix;
                                         for (auto _ : state) {
                                             LoadMatrix(matrix, table.units, table.text);
                                             benchmark::DoNotOptimize(matrix.At(0, 0));
                                         }
                                     });
    }
    return true;
}();

// Every category's table, as a new registry parses them.
void BM_LoadMatrixAll(benchmark::State &state) {
    const auto &tables = FactorTables();
    ConversionMatrix matrix;
    for (auto _ : state) {
        for (const FactorTable &table : tables) {
            LoadMatrix(matrix, table.units, table.text);
            benchmark::DoNotOptimize(matrix.At(0, 0));
        }
    }
}
BENCHMARK(BM_LoadMatrixAll);

// The number texts, each with a typical text and with one that takes its slower path.
void BM_ValueOfText(benchmark::State &state, std::string_view text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ValueOfText(text));
    }
}
BENCHMARK_CAPTURE(BM_ValueOfText, factor_piece, " 1.102E-06 ");
BENCHMARK_CAPTURE(BM_ValueOfText, d_exponent_and_blanks, "+1 234.5 D-3");
BENCHMARK_CAPTURE(BM_ValueOfText, hex, "&HFFFF");

void BM_IsNumericText(benchmark::State &state, std::string_view text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(IsNumericText(text));
    }
}
BENCHMARK_CAPTURE(BM_IsNumericText, grouped, "12,345,678.5");
BENCHMARK_CAPTURE(BM_IsNumericText, refused, "12a");

void BM_ReadNumericText(benchmark::State &state, std::string_view text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadNumericText(text));
    }
}
BENCHMARK_CAPTURE(BM_ReadNumericText, plain, "453.6");
BENCHMARK_CAPTURE(BM_ReadNumericText, grouped, "12,345,678.5");

void BM_GeneralText(benchmark::State &state, double value) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(GeneralText(value).size());
    }
}
BENCHMARK_CAPTURE(BM_GeneralText, fixed, 0.333333333333333);
BENCHMARK_CAPTURE(BM_GeneralText, scientific, 3.86113e-11);

void BM_RenderWithMask(benchmark::State &state, double value, std::string_view mask) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(RenderWithMask(value, mask).size());
    }
}
BENCHMARK_CAPTURE(BM_RenderWithMask, places_13, -17.7777777777778, "########0.0000000000000");
BENCHMARK_CAPTURE(BM_RenderWithMask, places_25, 0.03527, "########0.0000000000000000000000000");
BENCHMARK_CAPTURE(BM_RenderWithMask, no_places_1e20, 1e20, "########0");

} // namespace
