// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawhistory.h"
#include "core/draws/showndraw.h"
#include "core/generator/numberpool.h"
#include "core/generator/randomsource.h"
#include "core/generator/rowchecks.h"
#include "core/io/prompts.h"
#include "core/sheet/sheetevaluation.h"

#include <QString>
#include <functional>

namespace vendrilo {

// One candidate pass as the window sees it, at the point where it lets pending events run.
struct GenerationPass {
    int row = 0;    // the row being made, 1..12
    int passes = 0; // passes made so far in this run, this one not yet counted
    int budget = 0; // the run budget
    // The candidate the previous pass tested, for the status bar (see candidateStatusText).
    int shownRow = 0; // 0 before the first candidate
    TipRow shownCandidate{};
    int shownCrossSum = 0;
};

// What the window hooks into a run. Every hook may be left empty.
struct GenerationHooks {
    // Called once per candidate pass. The window handles pending events here (a stop request,
    // edits of options and locks, which the run reads afresh) and throttles its repaints.
    // Returning false stops the run: the pass is not made, every row not yet finished becomes a
    // zero row and the run ends as usual.
    std::function<bool(const GenerationPass&)> pass;
    // Texts for the status bar, except the per-candidate text.
    std::function<void(const QString&)> status;
    // The charts and texts while the pool is built.
    PoolObserver pool;
    // The unlocked rows have been emptied: the old rows must not look like the new result.
    std::function<void()> sheetCleared;
    // Row r has been written into the sheet.
    std::function<void(int row)> rowWritten;
    // The weighting list, shown when it is switched on: it may replace the pool; false ends the
    // run before the first row.
    std::function<bool(NumberPool& pool)> editPool;
    // Past-win tests to use instead of the history's own (a reference for comparisons).
    PastWinTests* pastWins = nullptr;
};

enum class GenerationOutcome {
    Finished,     // the row loop ran; the status says whether every row was made
    LockedRowBad, // a locked row does not hold six numbers: nothing was changed
    ImpossibleOptions, // the options allow no row at all: nothing was changed
    PoolTooSmall, // the pool holds fewer than six different numbers: the sheet stays cleared
    ListAborted,  // the weighting list was closed with its abort button
};

// What a run reads besides the sheet, the options and the random source it works on.
struct GenerationInput {
    const DrawHistory& history;
    DatePicker chosenDate;  // the chosen draw day, with the picker's lower limit
    double statisticsStart; // the first day of the statistics period
    // The draw shown when the run starts; the capture of the last three draws steps from it.
    const ShownDraw& shown;
    const MessageList& messages;
};

struct GenerationResult {
    GenerationOutcome outcome = GenerationOutcome::Finished;
    QString message; // what the window shows in a message box when the run could not go on
    QString status;  // the final status text (empty when the run did not start)
    int passes = 0;  // candidate passes made
    bool budgetExhausted = false;
    NumberPool pool;
    LastDraws draws;

    // Unless the start was refused: the draw for the chosen date, shown again, the picker
    // holding its date, and the sheet's evaluation against it.
    ShownDraw shown;
    DatePicker chosenDate;
    SheetEvaluation evaluation;
};

// "Tipps berechnen": fills the unlocked rows of the sheet from the number pool, each row accepted
// by the row checks, within a run budget shared by all rows. The options are read afresh on every
// pass (the user may change them during the run); the ones the run loosens as the budget runs
// low are put back at its end.
GenerationResult runGeneration(const GenerationInput& input, TipSheet& sheet, Options& options,
                               RandomSource& random, const GenerationHooks& hooks = {});

// Where a run that got past its start leaves the shown draw and the picker: on the draw for the
// chosen date. That hangs on the history and the chosen date only, not on the run's numbers, so
// an analysis knows where its passes will stand before it makes them.
struct ShownAfterRun {
    ShownDraw shown;
    DatePicker chosenDate;
};
ShownAfterRun drawShownAfterRun(const GenerationInput& input);

// The status text of a candidate: "1.Tipp:  5 12  19  33  40  48  QS: 157".
QString candidateStatusText(int row, const TipRow& candidate, int crossSum,
                            const MessageList& messages);

// "Glückszahl setzen": asks for a lucky number, proposing a random one, and makes it the seed;
// an answer that is no integer is reported and leaves the seed as it was.
void askLuckyNumber(RandomSource& random, const MessageList& messages, Prompts& prompts);

} // namespace vendrilo
