#pragma once

#include "core/app/prompts.h"
#include "core/draws/drawhistory.h"
#include "core/generator/numberpool.h"
#include "core/generator/rowchecks.h"

#include <QString>
#include <functional>
#include <vector>

namespace vendrilo {

struct ProgramState;
class MessageList;
class RandomSource;

// One candidate pass as the window sees it, at the point where it lets pending events run.
struct GenerationPass {
    int row = 0;     // the row being made, 1..12
    int passes = 0;  // passes made so far in this run, this one not yet counted
    int LaufMax = 0; // the run budget
    // The candidate the previous pass tested, for the status bar (see candidateStatusText).
    int shownRow = 0; // 0 before the first candidate
    TipRow shownCandidate{};
    int shownQS = 0;
};

// What the window hooks into a run. Every hook may be left empty.
struct GenerationHooks {
    // Called once per candidate pass. The window handles pending events here (a click on
    // "Stoppen", edits of options and locks, which the run reads afresh) and throttles its
    // repaints. Returning false stops the run: the pass is not made, every row not yet finished
    // becomes a zero row and the run ends as usual.
    std::function<bool(const GenerationPass&)> pass;
    // Texts for panel 1 of the status bar, except the per-candidate text.
    std::function<void(const QString&)> status;
    // The charts and texts while the pool is built.
    PoolObserver pool;
    // Row r has been written into the sheet.
    std::function<void(int row)> rowWritten;
    // The weighting list, shown when CheckBox20 is on: it may replace the pool; false ends the
    // run before the first row.
    std::function<bool(NumberPool& pool)> editPool;
    // Past-win tests to use instead of the history's own (a reference for comparisons).
    PastWinTests* pastWins = nullptr;
};

enum class GenerationOutcome {
    Finished,           // the row loop ran; status says whether every row was made
    LockedRowBad,       // a locked row does not hold six numbers: nothing was changed
    PoolTooSmall,       // the pool holds fewer than six different numbers: the sheet stays cleared
    ListAborted,        // the weighting list was closed with its abort button
    DrawFileMissing,    // the draw file did not exist (an empty one has been created)
    DrawFileUnreadable, // the draw file could not be read; message holds the system's text
};

struct GenerationResult {
    GenerationOutcome outcome = GenerationOutcome::Finished;
    QString message; // what the window shows in a message box when the run could not go on
    QString status;  // the final text of panel 1 (empty when the run did not start)
    int passes = 0;  // candidate passes made
    bool budgetExhausted = false;
    bool playSound = false; // the final evaluation found a row with three hits or more
    NumberPool pool;
    LastDraws draws;
};

// "Tipps &berechnen": fills the unlocked rows of the sheet from the number pool, each row
// accepted by the row checks, within the run budget `LaufMax` shared by all rows. Reads the draw
// file of the state; the rest of the inputs are the state's pickers, options, sheet and random
// source. At the end the sheet is evaluated against the draw for the date of DateTimePicker1,
// which is the shown draw again.
GenerationResult Label28Click(ProgramState& state, const GenerationHooks& hooks = {});
// The same on the draw file already in memory (the historical analysis runs many times on one).
GenerationResult Label28Click(ProgramState& state, const DrawHistory& history,
                              const GenerationHooks& hooks = {});

// The status text of a candidate: "1.Tipp:  5 12  19  33  40  48  QS: 157".
QString candidateStatusText(int row, const TipRow& candidate, int QS, const MessageList& messages);

// "Glückszahl setzen": asks for a lucky number, proposing a random one, and makes it the seed;
// an answer that is no integer is reported and leaves the seed as it was.
void SpeedButton13Click(RandomSource& random, const MessageList& messages, Prompts& prompts);

} // namespace vendrilo
