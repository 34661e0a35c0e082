#pragma once

#include "core/evaluation/komplettcheck.h"

#include <QString>
#include <optional>

namespace vendrilo {

struct ProgramState;
class Prompts;

// What the window shows while the search runs through the draw history.
class TipSearchObserver {
public:
    virtual ~TipSearchObserver() = default;
    // The draw file has been read and the walk begins (the window clears its chart here).
    virtual void searchStarted() {}
    // A draw of the period is now in `Zahl`, `Datum1` and the draw labels of the shown draw.
    virtual void drawExamined(const ShownDraw& /*shown*/) {}
    // Row `row`'s hits label (text and colour) has been written into the sheet; its fields
    // keep their colours.
    virtual void rowChecked(int /*row*/, const TipSheet::Row& /*rowState*/) {}
    // A row reached the threshold and the whole sheet was evaluated against the draw, just
    // before the question whether to go on.
    virtual void sheetEvaluated(const SheetEvaluation& /*evaluation*/) {}
};

struct TipSearchResult {
    bool started = false;         // false: the threshold answer was no number
    bool stopped = false;         // the user answered "No" at a hit
    int examined = 0;             // draws examined
    int hits = 0;                 // rows that reached the threshold
    std::optional<QString> error; // the draw file could not be read
};

// The interactive search of the draw history for the sheet's rows: asks for the stop
// threshold, then for every draw of the statistics period (first and last day included) that
// passes the draw-day filter, in file order, shows the draw and scores each row; a row with at
// least the threshold of hits evaluates the whole sheet and asks whether to go on ("Yes"
// continues with the next row of the same draw). The last draw examined stays shown.
TipSearchResult SpeedButton4Click(ProgramState& state, Prompts& prompts,
                                  TipSearchObserver* observer = nullptr);

} // namespace vendrilo
