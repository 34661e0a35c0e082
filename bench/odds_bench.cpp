// SPDX-License-Identifier: GPL-3.0-or-later
// The exact chance that a sheet wins anything, counted over all 13,983,816 draws: twelve rows
// spread over the numbers, twelve rows crowded onto fifteen numbers (many overlaps) and a single
// row; beside them everything the "Chancen" panel asks for one sheet (the count, the expected
// prizes from the shipped payout table).
#include "core/money/odds.h"
#include "core/money/payoutfile.h"
#include "core/money/sheetodds.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace vendrilo;

namespace {

std::vector<std::array<int, 6>> randomRows(int count, int pool, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<int> numbers(static_cast<std::size_t>(pool));
    std::iota(numbers.begin(), numbers.end(), 1);
    std::vector<std::array<int, 6>> rows;
    for (int r = 0; r < count; ++r) {
        std::shuffle(numbers.begin(), numbers.end(), random);
        std::array<int, 6> row{};
        std::copy_n(numbers.begin(), 6, row.begin());
        rows.push_back(row);
    }
    return rows;
}

void countSheet(benchmark::State& bench, int rows, int pool)
{
    const std::vector<RowMask> masks = distinctRows(randomRows(rows, pool, 4711));
    qint64 winning = 0;
    for (auto _ : bench)
        winning = *drawsWithAWinningRow(masks);
    bench.counters["winning draws"] = static_cast<double>(winning);
}

void BM_TwelveRows(benchmark::State& bench)
{
    countSheet(bench, 12, 49);
}
BENCHMARK(BM_TwelveRows)->Unit(benchmark::kMillisecond);

void BM_TwelveCrowdedRows(benchmark::State& bench)
{
    countSheet(bench, 12, 15);
}
BENCHMARK(BM_TwelveCrowdedRows)->Unit(benchmark::kMillisecond);

void BM_OneRow(benchmark::State& bench)
{
    countSheet(bench, 1, 49);
}
BENCHMARK(BM_OneRow)->Unit(benchmark::kMillisecond);

void BM_ChancesPanelRequest(benchmark::State& bench)
{
    QTemporaryDir empty;
    const PayoutTable payouts = *payoutfile::read(empty.path());
    const auto rows = randomRows(12, 49, 4711);
    const TicketPrices prices{Money{300}, Money{100}};
    for (auto _ : bench)
        benchmark::DoNotOptimize(sheetOdds(rows, true, 46254, prices, payouts));
}
BENCHMARK(BM_ChancesPanelRequest)->Unit(benchmark::kMillisecond);

} // namespace
