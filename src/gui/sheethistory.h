// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/sheet/tipsheet.h"

#include <QString>

#include <array>
#include <deque>
#include <optional>

namespace vendrilo::gui {

// What the user can take back on the sheet: the numbers of every field, the row locks and the
// ticket number. The colours and labels are not kept; they follow from the numbers and the
// shown draw.
struct SheetContent {
    std::array<std::array<QString, TipSheet::kPositions>, TipSheet::kRows> fields{};
    std::array<bool, TipSheet::kRows> locks{};
    QString ticketNumber;

    static SheetContent of(const TipSheet& sheet, const QString& ticketNumber);
    // Writes the numbers and locks into the sheet (through the sheet's normalisation).
    void applyTo(TipSheet& sheet, QString& ticketNumber) const;
    bool operator==(const SheetContent&) const = default;
};

// The steps back of the sheet. Each settled state of the sheet is noted; a state that differs
// from the one noted before makes the earlier one a step back. A run, an analysis or a load is
// thus one step however many times it repaints the sheet on its way.
class SheetHistory {
public:
    static constexpr std::size_t kSteps = 50;

    // The sheet as it stands now, after an action has ended.
    void note(const SheetContent& now);
    bool canUndo() const { return !m_steps.empty(); }
    // The state before the last change; it becomes the current one.
    std::optional<SheetContent> undo();

private:
    std::deque<SheetContent> m_steps;
    std::optional<SheetContent> m_current;
};

} // namespace vendrilo::gui
