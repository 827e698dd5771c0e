// Speed of the conversion engine: what one Compute command costs before the window shows anything.
#include "engine/Convert.h"
#include "engine/LoadMatrix.h"
#include "platform/GeneralText.h"
#include "platform/NumericText.h"
#include "platform/RenderWithMask.h"
#include "platform/ValueOfText.h"

#include <benchmark/benchmark.h>

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

void BM_LoadMatrixArea(benchmark::State &state) {
    ConversionMatrix matrix;
    for (auto _ : state) {
        Area area;
        benchmark::DoNotOptimize(area.Matrix().At(8, 8));
    }
}
BENCHMARK(BM_LoadMatrixArea);

void BM_ValueOfText(benchmark::State &state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ValueOfText(" 1.102E-06 "));
    }
}
BENCHMARK(BM_ValueOfText);

void BM_GeneralText(benchmark::State &state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(GeneralText(0.333333333333333).size());
    }
}
BENCHMARK(BM_GeneralText);

void BM_RenderWithMask(benchmark::State &state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(RenderWithMask(-17.7777777777778, "########0.0000000000000").size());
    }
}
BENCHMARK(BM_RenderWithMask);

void BM_ReadNumericText(benchmark::State &state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadNumericText("12,345,678.5"));
    }
}
BENCHMARK(BM_ReadNumericText);

} // namespace
