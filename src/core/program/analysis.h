// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/prompts.h"
#include "core/draws/drawhistory.h"
#include "core/io/result.h"
#include "core/money/backtestmoney.h"
#include "core/program/programstate.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

namespace vendrilo {

// The two analyses that replay the history from the chosen date: the parameter back-test and
// the draw similarity analysis. Both work on the program state as the window shows it (the
// chosen date, the shown draw, the sheet) and leave it on the last draw they handled.

// How far an analysis has come, 0..1: the shown draw's date between the first and the last.
inline double analysisProgress(double first, double last, double now)
{
    return last > first ? std::clamp((now - first) / (last - first), 0.0, 1.0) : 1.0;
}

// What the window sees of an analysis while it runs.
struct AnalysisHooks {
    // After every pass, with the state showing the pass's draw and sheet: how far the analysis
    // has come (0..1). False cancels: the analysis ends at once without a report.
    std::function<bool(double progress)> pass;
    // A text for status-bar panel 0 or 1.
    std::function<void(int panel, const QString& text)> status;
    // The similarity analysis brings the "Lottotipp" tab to the front.
    std::function<void()> showSheetTab;
};

enum class AnalysisEnd {
    Finished,  // the report is there
    NotNumber, // the seed or threshold answer was no integer: nothing ran
    Stopped,   // "No" at a hit of the similarity analysis, or the generator could not run
    Cancelled, // the pass hook said so
};

// Rows of all passes by hits 0..6: [0] weekend draws without, [1] with bonus number, [2] other
// days without, [3] with bonus number.
using BacktestTally = std::array<std::array<quint32, 4>, 7>;

struct BacktestResult {
    AnalysisEnd end = AnalysisEnd::Finished;
    int passes = 0;
    BacktestTally tally{};
    std::uint32_t seed = 0;
    QStringList report; // the lines of "Test.txt" when finished
    BacktestMoney money; // what the passes' sheets cost and won
    QString message;     // when stopped: what the generator could not go on with
};

// The parameter back-test: from the chosen date, draw by draw, a sheet computed with the current
// options and a fixed seed (asked for, a random one proposed), scored against the next draw and
// tallied. `today` ends nothing but the case where the chosen date is today, which runs no pass.
// A message the generator could not go on with is shown once and ends the analysis. The passes
// may be made on `workers` threads (0: one per processor); the outcome is the same with one.
Result<BacktestResult> runBacktest(ProgramState& state, Prompts& prompts, double today,
                                   const AnalysisHooks& hooks = {}, int workers = 0);

// runBacktest in two steps, for a window that makes the passes off its own thread. First, on
// the thread that may ask: the history read, the draw for the chosen date shown, the seed asked
// for (a random one proposed) and put into the status bar; an answer that is no integer is
// reported and leaves no seed.
struct BacktestStart {
    DrawHistory history;
    double chosenDate = 0;
    std::optional<std::uint32_t> seed;
    bool cancelled = false; // the seed box was cancelled: nothing runs
    BacktestMoney money;    // the prices and payouts the passes are counted in
};
Result<BacktestStart> startBacktest(ProgramState& state, Prompts& prompts,
                                    const AnalysisHooks& hooks = {});
// Then the passes, which ask nothing and show nothing: the hooks are called on the calling
// thread, and a generator's message comes back in the result.
BacktestResult runBacktestPasses(ProgramState& state, const BacktestStart& start, double today,
                                 const AnalysisHooks& hooks = {}, int workers = 0);

// The report as "Test.txt" holds it, CR LF line ends, in the system's text encoding.
Status writeBacktestReport(const QStringList& lines, const QString& path);

// Draws compared by hits 0..6: [0] with the earlier draws of the period, [1] with the next,
// [2] the second-next and [3] the third-next draw.
using SimilarityCounts = std::array<std::array<quint32, 7>, 4>;

struct SimilarityResult {
    AnalysisEnd end = AnalysisEnd::Finished;
    int passes = 0;
    SimilarityCounts counts{};
    QStringList report; // the paragraphs of "Test.rtf" when finished
};

// The draw similarity analysis: for every draw from the chosen one on, how many numbers it shares
// with each earlier draw of the statistics period (asking at a threshold whether to go on) and
// with the next three draws.
Result<SimilarityResult> runSimilarity(ProgramState& state, Prompts& prompts,
                                       const AnalysisHooks& hooks = {});

} // namespace vendrilo
