// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a crafted results file: lines shaped so that a regular expression with nested
// repetition backtracks over every blank ("1. 01.01.2000 a", four thousand blanks, "b"). The
// program's line reader looks at each byte once, so 65 MB of such lines take seconds; the
// pattern it replaced (timed here on a sixty-fourth of that) would have taken minutes.
#include "core/draws/drawfile.h"
#include "core/program/historyactions.h"
#include "testsupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <stdexcept>

using namespace vendrilo;

namespace {

// One line of 4096 bytes, its end included.
QByteArray craftedLine()
{
    QByteArray line = "1. 01.01.2000 a";
    line += QByteArray(4096 - line.size() - 2, ' ');
    return line + "b\n";
}

QString writeCrafted(const QTemporaryDir& dir, qint64 megabytes)
{
    const QString path = dir.filePath(QStringLiteral("crafted.txt"));
    QFile f(path);
    const QByteArray line = craftedLine();
    if (!f.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the crafted file");
    for (qint64 written = 0; written < (megabytes << 20); written += line.size())
        f.write(line);
    return path;
}

void BM_ImportCraftedFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = writeCrafted(dir, state.range(0));
    test::writeDrawFile(dir, {test::draw("20.08.2026", {1, 2, 3, 4, 5, 6})});
    for (auto _ : state) {
        ProgramState s;
        s.programFolder = dir.path() + QLatin1Char('/');
        const auto result = importDrawsFrom(s, path, test::day("20.08.2026"));
        // Every line looks like a draw line with two numbers, and is refused.
        if (!result.ok() || result->added != 0 ||
            result->refusedCount != int((state.range(0) << 20) / 4096))
            state.SkipWithError("the crafted lines were not all refused");
    }
    state.SetBytesProcessed(state.iterations() * (state.range(0) << 20));
    state.SetLabel(std::to_string(state.range(0)) + " MB");
}
BENCHMARK(BM_ImportCraftedFile)->Arg(65)->Unit(benchmark::kMillisecond)->Iterations(1);

// The pattern the reader replaced, on 1 MB of the same lines.
void BM_PatternReference(benchmark::State& state)
{
    static const QRegularExpression shape(
        QStringLiteral(R"(^\s*\d+\s*[.,]\s*(\d{1,2})\.(\d{1,2})\.(\d{4})\s*[,\s]\s*(\S.*?)\s*$)"));
    const QString line = QString::fromLatin1(craftedLine().chopped(1));
    const int lines = int((qint64(state.range(0)) << 20) / 4096);
    for (auto _ : state)
        for (int i = 0; i < lines; ++i)
            benchmark::DoNotOptimize(shape.match(line).hasMatch());
    state.SetBytesProcessed(state.iterations() * (state.range(0) << 20));
    state.SetLabel(std::to_string(state.range(0)) + " MB with the old pattern");
}
BENCHMARK(BM_PatternReference)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
