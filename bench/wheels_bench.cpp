// SPDX-License-Identifier: GPL-3.0-or-later
// The wheels' speed: the exhaustive check of a shipped wheel on 20 numbers, the check of a
// "3 if 6" wheel on all 49 numbers (13,983,816 draws; also counting every uncovered draw of a
// wheel with one row missing), a library lookup mapped onto the user's numbers, and the live
// search for a "3 if 6" wheel on 20 numbers from nothing down to 14 rows (the CPU time each
// search took is reported as "seconds per search").
#include "core/wheels/coveringsearch.h"
#include "core/wheels/wheelcheck.h"
#include "core/wheels/wheellibrary.h"
#include "core/wheels/wheelmaker.h"

#include <benchmark/benchmark.h>

using namespace vendrilo::wheels;

namespace {

std::vector<int> upTo(int n)
{
    std::vector<int> numbers;
    for (int k = 1; k <= n; ++k)
        numbers.push_back(k);
    return numbers;
}

void BM_CheckTwentyNumbers(benchmark::State& bench)
{
    const Guarantee g =
        Guarantee::ifOf(static_cast<int>(bench.range(0)), static_cast<int>(bench.range(1)));
    const auto outcome = instantWheel(upTo(20), g);
    if (!outcome.wheel) {
        bench.SkipWithError("no wheel in the library");
        return;
    }
    const Wheel& wheel = *outcome.wheel;
    bench.SetLabel(g.code().toStdString() + ", " + std::to_string(wheel.rows.size()) + " rows");
    for (auto _ : bench)
        benchmark::DoNotOptimize(checkWheel(wheel).passed);
}
BENCHMARK(BM_CheckTwentyNumbers)
    ->Args({3, 6})
    ->Args({3, 3})
    ->Args({4, 4})
    ->Args({5, 6})
    ->Unit(benchmark::kMillisecond);

void BM_CheckAllFortyNine(benchmark::State& bench)
{
    std::vector<Mask> rows = instantRows(49, Guarantee::ifOf(3, 6))->rows;
    const bool broken = bench.range(0) != 0;
    if (broken)
        rows.pop_back();
    bench.SetLabel(std::to_string(rows.size()) + " rows" +
                   (broken ? ", every uncovered draw counted" : ""));
    std::uint64_t uncovered = 0;
    for (auto _ : bench) {
        const CoverageCheck check(49, rows, 3, 6);
        uncovered = broken ? check.uncoveredCount() : check.firstUncovered().has_value();
        benchmark::DoNotOptimize(uncovered);
    }
    bench.counters["uncovered"] = static_cast<double>(uncovered);
}
BENCHMARK(BM_CheckAllFortyNine)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The lookup as the window and the command line do it: the library's section read, mapped
// onto the numbers (shuffled) — without the check, which is measured above.
void BM_LibraryLookup(benchmark::State& bench)
{
    const int n = static_cast<int>(bench.range(0));
    const Guarantee g =
        Guarantee::ifOf(static_cast<int>(bench.range(1)), static_cast<int>(bench.range(2)));
    const std::vector<int> numbers = upTo(n);
    std::uint64_t seed = 1;
    std::size_t rows = 0;
    if (!libraryRows(n, g)) {
        bench.SkipWithError("no wheel in the library");
        return;
    }
    for (auto _ : bench) {
        const auto found = libraryRows(n, g);
        const Wheel wheel = wheelOnNumbers(numbers, *found, g, positionOrder(n, seed++));
        rows = wheel.rows.size();
        benchmark::DoNotOptimize(rows);
    }
    bench.SetLabel(g.code().toStdString() + " on " + std::to_string(n) + ", " +
                   std::to_string(rows) + " rows");
}
BENCHMARK(BM_LibraryLookup)
    ->Args({18, 3, 6})
    ->Args({30, 3, 3})
    ->Args({30, 4, 4})
    ->Unit(benchmark::kMillisecond);

void BM_SearchThreeIfSixOnTwentyToFourteenRows(benchmark::State& bench)
{
    std::uint64_t seed = 1;
    std::size_t reached = 0;
    for (auto _ : bench) {
        SearchOptions options;
        options.goalRows = 14;
        options.seed = seed++;
        reached = searchCovering({20, 3, 6}, options).size();
        benchmark::DoNotOptimize(reached);
    }
    bench.counters["rows"] = static_cast<double>(reached);
}
BENCHMARK(BM_SearchThreeIfSixOnTwentyToFourteenRows)
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

} // namespace
