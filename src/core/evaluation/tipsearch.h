// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawdayfilter.h"
#include "core/draws/showndraw.h"
#include "core/io/prompts.h"
#include "core/sheet/sheetevaluation.h"
#include "core/texts/messagelist.h"

#include <optional>
#include <vector>

namespace vendrilo {

// What the window shows while the search runs through the draw history.
class TipSearchObserver {
public:
    virtual ~TipSearchObserver() = default;
    // The walk begins (the window clears its chart here).
    virtual void searchStarted() {}
    // A draw of the period is now the shown draw.
    virtual void drawExamined(const ShownDraw& /*shown*/) {}
    // Row `row`'s hits label (text and colour) has been written into the sheet; its fields
    // keep their colours.
    virtual void rowChecked(int /*row*/, const TipSheet::Row& /*rowState*/) {}
    // A row reached the threshold and the whole sheet was evaluated against the draw, just
    // before the question whether to go on.
    virtual void sheetEvaluated(const SheetEvaluation& /*evaluation*/) {}
};

// Asks for the number of hits at which the search stops ("6" proposed); nothing when the answer
// is no number.
std::optional<int> askStopThreshold(const MessageList& messages, Prompts& prompts);

struct TipSearchInput {
    const std::vector<DrawRecord>& draws;
    double periodStart = 0; // first and last day both included
    double periodEnd = 0;
    DrawDayFilter filter;
    int threshold = 6;
    const MessageList& messages;
};

struct TipSearchResult {
    bool started = false; // false: the threshold answer was no number, nothing was searched
    bool stopped = false; // the user answered "No" at a hit
    int examined = 0;     // draws examined
    int hits = 0;         // rows that reached the threshold
    // The last whole-sheet evaluation (at a hit), whose statistics the program keeps.
    std::optional<SheetEvaluation> lastEvaluation;
};

// The interactive search of the draw history for the sheet's rows: for every draw of the period
// that passes the draw-day filter, in file order, shows the draw and scores each row; a row with
// at least the threshold of hits evaluates the whole sheet and asks whether to go on ("Yes"
// continues with the next row of the same draw). The last draw examined stays shown; the
// position of the shown draw and the chosen date are not touched.
TipSearchResult searchHistoryForTips(const TipSearchInput& input, TipSheet& sheet, ShownDraw& shown,
                                     Prompts& prompts, TipSearchObserver* observer = nullptr);

} // namespace vendrilo
