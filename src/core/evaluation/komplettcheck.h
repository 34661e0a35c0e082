#pragma once

#include "core/draws/showndraw.h"
#include "core/evaluation/zettelcheck.h"
#include "core/generator/tipsheet.h"

#include <array>
#include <optional>

namespace vendrilo {

struct ProgramState;

// Outcome of one sheet evaluation. What the window paints (sorted fields, field colours, hits
// label with its colour, cross-sum label) is written into the sheet itself; this carries the
// per-row verdicts and the totals.
struct SheetEvaluation {
    struct Row {
        bool scored = false; // false: a field was empty, the row was left unsorted and uncounted
        int Gewinn = 0;
        bool Zusatz = false;
    };
    bool evaluated = false; // false when sorting was off: the sheet was not touched
    std::array<Row, TipSheet::kRows> rows{};
    StatistikTable Statistik{};
    int maximum = 0;        // highest hit count of any scored row
    bool playSound = false; // some row has three hits or more: start the hit sound
};

// Sorts, scores and colours every row against the draw. A row whose fields do not all hold a
// number has its fields back in the window colour and both labels empty. With `sortieren`
// false nothing is touched and the result holds a cleared table and maximum 0.
SheetEvaluation Komplettcheck(TipSheet& sheet, const DrawNumbers& Zahl, bool sortieren);

// The same on the program state: the sheet against the shown draw; refills `Statistik`.
SheetEvaluation Komplettcheck(ProgramState& state);

// Clears the unlocked rows and evaluates the sheet once, sorting switched on for that call.
SheetEvaluation SpeedButton11Click(ProgramState& state);

// The date search for the date of DateTimePicker1 followed by the sheet evaluation. A missing
// draw file (an empty one has been created then; the caller shows kNoDrawFileMessage) or an
// unreadable one skips the evaluation.
struct DateSearchEvaluation {
    ShownDraw::SearchResult search;
    std::optional<SheetEvaluation> evaluation;
};
DateSearchEvaluation SpeedButton5Click(ProgramState& state);

// The hits label as the window writes it: the count, " + B" when the bonus number is in the row.
QString hitsLabelText(int Gewinn, bool Zusatz);

} // namespace vendrilo
