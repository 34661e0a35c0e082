// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/sheet/rowscore.h"
#include "core/sheet/tipsheet.h"

#include <array>

namespace vendrilo {

// Outcome of one sheet evaluation. What the window paints (sorted fields, field colours, hits
// label with its colour, cross-sum label) is written into the sheet itself; this carries the
// per-row verdicts and the totals.
struct SheetEvaluation {
    struct Row {
        bool scored = false; // false: a field was empty, the row was left unsorted and uncounted
        int hits = 0;
        bool hasBonus = false;
    };
    std::array<Row, TipSheet::kRows> rows{};
    HitStatistics statistics{};
    int maximum = 0;        // highest hit count of any scored row
    bool playSound = false; // some row has three hits or more: start the hit sound
};

// Sorts, scores and colours every row against the draw. A row whose fields do not all hold a
// number has its fields back in the window colour and both labels empty.
SheetEvaluation evaluateSheet(TipSheet& sheet, const DrawNumbers& draw);

// The hits label as the window writes it: the count, " + B" when the bonus number is in the row.
QString hitsLabelText(int hits, bool hasBonus);

} // namespace vendrilo
