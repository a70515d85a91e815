// Number text and number reading, the conversions every grid cell passes through.
#include "platform/value.h"

#include <QString>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

std::vector<double> sampleNumbers() {
    std::vector<double> xs;
    xs.reserve(4096);
    double x = 0.1;
    for (int i = 0; i < 4096; ++i) {
        xs.push_back(i % 3 == 0 ? double(i) : x);
        x = x * 1.37 + 0.011;
        if (x > 1e6)
            x = 0.0123;
    }
    return xs;
}

void BM_NumberText(benchmark::State& state) {
    const auto xs = sampleNumbers();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vernalt::numberText(xs[i++ & 4095]));
    }
}
BENCHMARK(BM_NumberText);

// Measurements as a data file holds them: a few decimals.
void BM_NumberTextShort(benchmark::State& state) {
    std::vector<double> xs;
    for (int i = 0; i < 4096; ++i)
        xs.push_back((i * 37 % 10000) / 100.0);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vernalt::numberText(xs[i++ & 4095]));
    }
}
BENCHMARK(BM_NumberTextShort);

void BM_IsNumericAndToDouble(benchmark::State& state) {
    std::vector<QString> texts;
    for (double x : sampleNumbers())
        texts.push_back(vernalt::numberText(x));
    std::size_t i = 0;
    for (auto _ : state) {
        const QString& t = texts[i++ & 4095];
        if (vernalt::isNumeric(t))
            benchmark::DoNotOptimize(vernalt::toDouble(t));
    }
}
BENCHMARK(BM_IsNumericAndToDouble);

void BM_RoundHalfEven(benchmark::State& state) {
    const auto xs = sampleNumbers();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vernalt::roundHalfEven(xs[i++ & 4095], 2));
    }
}
BENCHMARK(BM_RoundHalfEven);

} // namespace

BENCHMARK_MAIN();
