// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/dates.h"
#include "core/draws/drawrecord.h"

#include <QString>

#include <array>
#include <vector>

namespace vendrilo {

// The numbers of a draw as the evaluation compares them: entries 1..6 the drawn numbers, 7 the
// bonus number, 8 the Superzahl (entry 0 unused).
using DrawNumbers = std::array<int, 9>;
DrawNumbers drawNumbersOf(const DrawRecord& record);

// The draw the main window shows, and the stepping and date search that change it. The window
// and the command line drive the same object; after every change the caller scores the sheet
// against `numbers`.
class ShownDraw {
public:
    double date = 0;
    DrawNumbers numbers{};
    int position = 0; // record index of the shown draw, from 0

    QString drawLine;                              // weekday, date and the six numbers
    QString crossSumText = QStringLiteral("QS: "); // "QS: " + sum of the six numbers

    // Loads a record as the shown draw and writes the draw line and cross sum. The gap after
    // the date is two blanks, three when the date search shows the file's first record.
    void show(const DrawRecord& record, int gapAfterDate = 2);
    // The draw line written again (when there is one), after the language that names the
    // weekday changed.
    void writeDrawLineAgain();

    // Steps `delta` draws back or forth. Stepping back stops at the file's second record (the
    // first is reached only when it is the only one); forth stops at the last. `chosenDate`
    // takes the shown draw's date when it accepts it.
    void step(const std::vector<DrawRecord>& records, int delta, DatePicker& chosenDate);

    enum class SearchOutcome {
        Shown,     // the draw for the date is shown
        EmptyFile, // nothing to show; position is 0
    };
    // Shows the first draw, in file order, dated on or after the picker's day (rounded to the
    // nearest whole day); after the last draw, the last draw. The picker takes the shown date.
    SearchOutcome dateSearch(const std::vector<DrawRecord>& records, DatePicker& chosenDate);

    int crossSum() const;

private:
    QString composeDrawLine() const;

    int m_gapAfterDate = 2;
};

} // namespace vendrilo
