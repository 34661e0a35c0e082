// SPDX-License-Identifier: GPL-3.0-or-later
// A generation run from a weighting list on the shipped history: every number weight 1, beside
// the same list with a weight of a million on number 7 (the most a list may hold). Reported per
// run: the time, the passes, the pool's entries and the bytes the pool takes; the peak resident
// memory of the whole process is printed at the end.
#include "core/draws/drawfile.h"
#include "core/draws/drawhistory.h"
#include "core/generator/weightlist.h"
#include "core/program/generationactions.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>

using namespace vendrilo;

namespace {

const DrawHistory& history()
{
    static const DrawHistory h(*shippedHistory());
    return h;
}

WeightList weights(int heavyWeight)
{
    WeightList list;
    for (int k = 1; k <= WeightList::kNumbers; ++k)
        list.set(k, true, k == 7 ? heavyWeight : 1);
    return list;
}

void BM_RunFromWeightList(benchmark::State& bench)
{
    const WeightList list = weights(static_cast<int>(bench.range(0)));
    const NumberPool pool = list.pool();
    std::uint32_t seed = 1;
    double passes = 0;
    for (auto _ : bench) {
        ProgramState s;
        s.chosenDate = DatePicker(history().records().back().date + 1, 0);
        s.random.setSeed(seed++);
        s.options.set(Option::ShowWeightingList, 1);
        GenerationHooks hooks;
        hooks.editPool = [&list](NumberPool& p) {
            p = list.pool();
            return true;
        };
        const GenerationResult result = generateTips(s, history(), hooks);
        passes += result.passes;
        benchmark::DoNotOptimize(result);
    }
    bench.counters["passes"] = benchmark::Counter(passes, benchmark::Counter::kAvgIterations);
    bench.counters["pool_entries"] = pool.size();
    bench.counters["pool_bytes"] = static_cast<double>(pool.heapBytes());
}
BENCHMARK(BM_RunFromWeightList)->Arg(1)->Arg(WeightList::kMaxWeight)->Unit(benchmark::kMillisecond);

struct PeakMemoryReport {
    ~PeakMemoryReport()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("peak resident memory of the benchmark process: %.1f MB\n",
                    usage.ru_maxrss / 1024.0);
    }
} report;

} // namespace
