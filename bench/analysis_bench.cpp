// SPDX-License-Identifier: GPL-3.0-or-later
// The two analyses on the shipped history, core only: the back-test from 19.11.1994 to the last
// draw with the default options and with the past-win tests over long windows (CheckBox22 on,
// UpDown18 and UpDown21 at 500), the similarity analysis from the first draw with a threshold no
// draw reaches; beside them one generation run and one sheet evaluation, the parts every
// back-test pass is made of.
#include "core/draws/drawfile.h"
#include "core/draws/drawhistory.h"
#include "core/program/analysis.h"
#include "core/program/drawactions.h"
#include "core/program/generationactions.h"
#include "testsupport.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vendrilo;

namespace {

struct Shipped {
    QTemporaryDir dir;
    std::vector<DrawRecord> records = *shippedHistory();
    DrawHistory history{records};
    Shipped() { test::writeDrawFile(dir, records); }

    ProgramState state(const char* from, const char* chosen) const
    {
        ProgramState s;
        s.programFolder = dir.path() + QLatin1Char('/');
        s.statisticsStart = DatePicker(*parseDate(QString::fromLatin1(from)), 0);
        s.chosenDate = DatePicker(*parseDate(QString::fromLatin1(chosen)), 0);
        return s;
    }
};

Shipped& shipped()
{
    static Shipped s;
    return s;
}

const double kToday = 46364; // 08.12.2026

void BM_Backtest(benchmark::State& bench)
{
    int passes = 0;
    for (auto _ : bench) {
        ProgramState s = shipped().state("19.11.1994", "19.11.1994");
        if (bench.range(0) == 1)
            for (const char* a : {"CheckBox22=1", "UpDown18=500", "UpDown21=500"})
                if (const Status set = s.options.assign(QString::fromLatin1(a)); !set)
                    qFatal("%s", qPrintable(set.error()));
        test::ScriptedPrompts prompts;
        prompts.inputAnswers = {"4711"};
        const auto r = runBacktest(s, prompts, kToday);
        passes = r->passes;
    }
    bench.counters["passes"] = passes;
}
BENCHMARK(BM_Backtest)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_Similarity(benchmark::State& bench)
{
    int passes = 0;
    for (auto _ : bench) {
        ProgramState s = shipped().state("19.11.1994", "27.01.1957");
        test::ScriptedPrompts prompts;
        prompts.inputAnswers = {"7"};
        passes = runSimilarity(s, prompts)->passes;
    }
    bench.counters["passes"] = passes;
}
BENCHMARK(BM_Similarity)->Unit(benchmark::kMillisecond)->Iterations(3);

// One pass's parts: a generation run on the history in memory, and one evaluation of a sheet.
void BM_OneGenerationRun(benchmark::State& bench)
{
    ProgramState s = shipped().state("19.11.1994", "01.06.2015");
    std::uint32_t seed = 1;
    for (auto _ : bench) {
        s.random.setSeed(seed++);
        benchmark::DoNotOptimize(generateTips(s, shipped().history));
    }
}
BENCHMARK(BM_OneGenerationRun)->Unit(benchmark::kMicrosecond);

void BM_OneEvaluation(benchmark::State& bench)
{
    ProgramState s = shipped().state("19.11.1994", "01.06.2015");
    generateTips(s, shipped().history);
    for (auto _ : bench) {
        s.shown.dateSearch(shipped().records, s.chosenDate);
        benchmark::DoNotOptimize(evaluateShownDraw(s));
    }
}
BENCHMARK(BM_OneEvaluation)->Unit(benchmark::kMicrosecond);

} // namespace
