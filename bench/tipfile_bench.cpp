// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a tip file that is no tip file: a large file without a single line end, as a user may
// pick by mistake. The reader goes through it once, front to back, so the time grows with the
// size, not with its square (10 MB took 1.6 s and 40 MB 23 s when every block re-split the text).
#include "core/program/sheetactions.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <stdexcept>

using namespace vendrilo;

namespace {

void BM_LoadTipFileWithoutLineEnds(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("noends.qkt"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(QByteArray(state.range(0) << 20, '7')) != (state.range(0) << 20))
            throw std::runtime_error("cannot write the test file");
    }
    for (auto _ : state) {
        ProgramState s;
        const Status loaded = loadTipFile(s, path);
        if (!loaded)
            state.SkipWithError("the file did not load");
        benchmark::DoNotOptimize(s.sheet);
    }
    state.SetBytesProcessed(state.iterations() * (state.range(0) << 20));
    state.SetLabel(std::to_string(state.range(0)) + " MB");
}
BENCHMARK(BM_LoadTipFileWithoutLineEnds)->Arg(10)->Arg(40)->Unit(benchmark::kMillisecond);

} // namespace
