// SPDX-License-Identifier: GPL-3.0-or-later
// Every chart over the whole shipped history, as the window and the generator compute them.
#include "core/charts/charts.h"
#include "core/draws/dates.h"
#include "core/draws/drawfile.h"

#include <benchmark/benchmark.h>

using namespace vendrilo;
using namespace vendrilo::charts;

namespace {

const std::vector<DrawRecord>& history()
{
    static const std::vector<DrawRecord> draws = *shippedHistory();
    return draws;
}

void BM_Chart(benchmark::State& state)
{
    const auto kind = static_cast<ChartKind>(state.range(0));
    // The widest period the pickers allow, up to the last draw.
    const ChartInput in{history(), kPickerMinDate, history().back().date, DrawDayFilter{},
                        MessageList()};
    TipSheet sheet;
    for (int r = 1; r <= TipSheet::kRows; ++r)
        for (int p = 1; p <= TipSheet::kPositions; ++p)
            sheet.setField(r, p, QString::number(((r - 1) * 6 + p - 1) % 49 + 1));
    for (auto _ : state) {
        ChartData data = computeChart(kind, in, sheet);
        benchmark::DoNotOptimize(data);
    }
    state.SetLabel(chartName(kind).toStdString());
    state.counters["draws"] = static_cast<double>(history().size());
}

// The weekend filter asks the calendar for every draw's weekday.
void BM_ChartWeekendFilter(benchmark::State& state)
{
    const auto kind = static_cast<ChartKind>(state.range(0));
    const ChartInput in{history(), kPickerMinDate, history().back().date,
                        DrawDayFilter{true, false}, MessageList()};
    for (auto _ : state) {
        ChartData data = computeChart(kind, in);
        benchmark::DoNotOptimize(data);
    }
    state.SetLabel(chartName(kind).toStdString());
}

void BM_AllElevenCharts(benchmark::State& state)
{
    const ChartInput in{history(), kPickerMinDate, history().back().date, DrawDayFilter{},
                        MessageList()};
    for (auto _ : state) {
        for (int k = 0; k < kChartKindCount; ++k) {
            ChartData data = computeChart(static_cast<ChartKind>(k), in);
            benchmark::DoNotOptimize(data);
        }
    }
}

} // namespace

BENCHMARK(BM_Chart)->DenseRange(0, kChartKindCount - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChartWeekendFilter)->Arg(0)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AllElevenCharts)->Unit(benchmark::kMicrosecond);
