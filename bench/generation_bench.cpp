// SPDX-License-Identifier: GPL-3.0-or-later
// The generation run on the shipped history, core only: with the default options, and the
// heaviest realistic run, where nearly every candidate passes all three past-win tests after
// scanning their whole windows and is then refused by the prime minimum, for the whole default
// budget. Each beside the same run with the past-win tests answered by re-reading the draw file
// in blocks of 1000 records; the program ends by printing the ratios.
#include "core/draws/drawfile.h"
#include "core/draws/drawhistory.h"
#include "core/program/generationactions.h"
#include "pastwinoracle.h"
#include "ratioreporter.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <stdexcept>

using namespace vendrilo;

namespace {

struct Setup {
    QTemporaryDir dir;
    QString path;
    DrawHistory history;

    Setup()
    {
        auto records = *shippedHistory();
        path = dir.filePath(QStringLiteral("ZahlenPL.dat"));
        if (!drawfile::rewrite(path, records))
            throw std::runtime_error("cannot write the draw file");
        history = DrawHistory(std::move(records));
    }
};

Setup& setup()
{
    static Setup s;
    return s;
}

enum Options { Defaults = 0, Heaviest = 1 };

// The state the command line sets up: the date after the last draw shows the last draw.
ProgramState state(int options, quint32 seed)
{
    ProgramState s;
    s.programFolder = setup().dir.path() + QLatin1Char('/');
    s.chosenDate = DatePicker(setup().history.records().back().date + 1, 0);
    s.random.setSeed(seed);
    if (options == Heaviest) {
        s.statisticsStart.setDate(kPickerMinDate);
        for (const char* a : {"UpDown6=6", "UpDown17=6", "UpDown18=500", "UpDown20=6",
                              "UpDown21=500", "CheckBox22=1", "UpDown10=6"})
            if (const Status set = s.options.assign(QString::fromLatin1(a)); !set)
                qFatal("%s", qPrintable(set.error()));
    }
    return s;
}

// A default run ends after a few dozen passes; the seed changes so that no single sheet decides.
void BM_Generation(benchmark::State& bm)
{
    const int options = static_cast<int>(bm.range(0));
    quint32 seed = 1;
    long passes = 0;
    for (auto _ : bm) {
        ProgramState s = state(options, seed++);
        const GenerationResult r = generateTips(s, setup().history);
        passes += r.passes;
        benchmark::DoNotOptimize(s.sheet);
    }
    bm.counters["passes"] =
        benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kAvgIterations);
    // Time per candidate pass: some heaviest runs make every row before the budget is used up.
    bm.counters["per_pass"] = benchmark::Counter(
        static_cast<double>(passes), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Generation)->Arg(Defaults)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generation)->Arg(Heaviest)->Unit(benchmark::kMillisecond);

// As the window runs it: the draw file read and its index built first.
void BM_GenerationFromFile(benchmark::State& bm)
{
    const int options = static_cast<int>(bm.range(0));
    quint32 seed = 1;
    for (auto _ : bm) {
        ProgramState s = state(options, seed++);
        const auto r = generateTips(s);
        if (!r || r->outcome != GenerationOutcome::Finished)
            bm.SkipWithError("the run did not finish");
        benchmark::DoNotOptimize(s.sheet);
    }
}
BENCHMARK(BM_GenerationFromFile)->Arg(Defaults)->Unit(benchmark::kMillisecond);

// The same runs with every past-win test reading the draw file anew.
void BM_GenerationFileScans(benchmark::State& bm)
{
    const int options = static_cast<int>(bm.range(0));
    quint32 seed = 1;
    long passes = 0;
    for (auto _ : bm) {
        ProgramState s = state(options, seed++);
        // The period ends on draw A's day, which the run puts into the chosen-date picker.
        ProgramState probe = s;
        probe.shown.dateSearch(setup().history.records(), probe.chosenDate);
        test::DrawFilePastWins reference(
            setup().path,
            {s.statisticsStart.date(), probe.chosenDate.date(), s.options.drawDayFilter()});
        GenerationHooks hooks;
        hooks.pastWins = &reference;
        const GenerationResult r = generateTips(s, setup().history, hooks);
        passes += r.passes;
        benchmark::DoNotOptimize(s.sheet);
    }
    bm.counters["passes"] =
        benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kAvgIterations);
    // Time per candidate pass: some heaviest runs make every row before the budget is used up.
    bm.counters["per_pass"] = benchmark::Counter(
        static_cast<double>(passes), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_GenerationFileScans)->Arg(Defaults)->Unit(benchmark::kMillisecond);
// About 150,000 file scans: one run is enough.
BENCHMARK(BM_GenerationFileScans)->Arg(Heaviest)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    vendrilo::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto& t = reporter.perIteration;
    auto ratio = [&](const char* name, const char* fast, const char* slow) {
        const auto f = t.find(fast);
        const auto s = t.find(slow);
        if (f != t.end() && s != t.end() && f->second.real > 0)
            std::printf("%s: in memory %.3f ms, file scans %.1f ms, %.0f times faster\n", name,
                        f->second.real * 1e3, s->second.real * 1e3,
                        s->second.real / f->second.real);
    };
    ratio("default options", "BM_Generation/0", "BM_GenerationFileScans/0");
    ratio("heaviest run", "BM_Generation/1", "BM_GenerationFileScans/1/iterations:1");
    return 0;
}
