// The serial correlation's own work on generated subtotals: pairing the
// subsegments of many transects and computing r from the pairs. Reports time
// and the peak resident memory of the process.
#include "bench_support.h"

#include "shell/adjacent_pairs.h"
#include "shell/correlation.h"

#include <benchmark/benchmark.h>
#include <vector>

using namespace vernalt;

namespace {

// Subtotals of `units` subsegments: small counts, as strip-width sums are.
std::vector<double> subtotals(std::int64_t units) {
    std::vector<double> v(static_cast<std::size_t>(units));
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = double((i * 7 + i / 8) % 5);
    return v;
}

// Transect numbers of `units` subsegments, eight to a transect.
std::vector<int> transects(std::int64_t units) {
    std::vector<int> v(static_cast<std::size_t>(units));
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = int(i / 8);
    return v;
}

void BM_AdjacentPairs(benchmark::State& state) {
    const std::vector<double> units = subtotals(state.range(0));
    const std::vector<int> numbers = transects(state.range(0));
    for (auto _ : state) {
        NumberTable pairs = adjacentPairs(units, numbers);
        benchmark::DoNotOptimize(pairs);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["peak_MiB"] = bench::peakMemoryMiB();
}
BENCHMARK(BM_AdjacentPairs)->Arg(10'000)->Arg(100'000)->Arg(1'000'000);

void BM_PairsAndCoefficient(benchmark::State& state) {
    const std::vector<double> units = subtotals(state.range(0));
    const std::vector<int> numbers = transects(state.range(0));
    for (auto _ : state) {
        const NumberTable pairs = adjacentPairs(units, numbers);
        benchmark::DoNotOptimize(CorrelationCoefficient(pairs, -1, -1, 0));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["peak_MiB"] = bench::peakMemoryMiB();
}
BENCHMARK(BM_PairsAndCoefficient)->Arg(10'000)->Arg(100'000)->Arg(1'000'000);

} // namespace

BENCHMARK_MAIN();
