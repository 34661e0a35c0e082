// SPDX-License-Identifier: GPL-3.0-or-later
// The past-win test the generator runs for every candidate tip, over the whole shipped history
// with no draw reaching the threshold (so every draw is examined): answered from the in-memory
// masks, and by re-reading the draw file in blocks of 1000 records comparing number by number.
// The program ends by printing how many times faster the in-memory answer is.
#include "core/draws/drawfile.h"
#include "core/draws/drawhistory.h"
#include "core/evaluation/pastwin.h"
#include "pastwinoracle.h"
#include "ratioreporter.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <stdexcept>

using namespace vendrilo;
using vendrilo::test::pastWinScan;
using vendrilo::test::pastWinScanFile;

namespace {

struct Setup {
    QTemporaryDir dir;
    QString path;
    DrawHistory history;
    Tip tip{};
    PastWinQuery query;

    Setup()
    {
        auto records = *shippedHistory();
        path = dir.filePath(QStringLiteral("ZahlenPL.dat"));
        if (!drawfile::rewrite(path, records))
            throw std::runtime_error("cannot write the draw file");
        query.after = records.front().date - 1;
        query.upTo = records.back().date;
        query.threshold = 5;
        query.withBonus = true;
        history = DrawHistory(std::move(records));
        // The first tip of a fixed walk that never had five hits.
        for (int a = 1; a <= 44; ++a) {
            tip = {a, a + 1, a + 2, a + 3, a + 4, a + 5};
            if (pastWinScan(history.records(), tip, query).noWin)
                return;
        }
        throw std::runtime_error("no tip without a past win");
    }
};

Setup& setup()
{
    static Setup s;
    return s;
}

void BM_PastWinInMemory(benchmark::State& state)
{
    Setup& s = setup();
    for (auto _ : state) {
        const PastWinResult r = pastWin(s.history, s.tip, s.query);
        benchmark::DoNotOptimize(r);
        if (!r.noWin || r.examined != s.history.size() - 1)
            state.SkipWithError("not every draw was examined");
    }
}
BENCHMARK(BM_PastWinInMemory);

void BM_PastWinFileScan(benchmark::State& state)
{
    Setup& s = setup();
    for (auto _ : state) {
        const auto r = pastWinScanFile(s.path, s.tip, s.query);
        benchmark::DoNotOptimize(r);
        if (!r.noWin)
            state.SkipWithError("scan failed");
    }
}
BENCHMARK(BM_PastWinFileScan)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    vendrilo::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto& t = reporter.perIteration;
    const auto fast = t.find("BM_PastWinInMemory");
    const auto slow = t.find("BM_PastWinFileScan");
    if (fast == t.end() || slow == t.end() || fast->second.real <= 0 || fast->second.cpu <= 0)
        return 0;
    // CPU time is the steadier measure on a busy machine; wall time is shown beside it.
    std::printf("past-win test, whole history: in memory %.3f us (cpu %.3f us), file scan %.1f us "
                "(cpu %.1f us): %.0f times faster (cpu %.0f times)\n",
                fast->second.real * 1e6, fast->second.cpu * 1e6, slow->second.real * 1e6,
                slow->second.cpu * 1e6, slow->second.real / fast->second.real,
                slow->second.cpu / fast->second.cpu);
    return 0;
}
