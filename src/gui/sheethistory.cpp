// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/sheethistory.h"

namespace vendrilo::gui {

SheetContent SheetContent::of(const TipSheet& sheet, const QString& ticketNumber)
{
    SheetContent c;
    for (int r = 1; r <= TipSheet::kRows; ++r) {
        const auto i = static_cast<std::size_t>(r - 1);
        c.fields[i] = sheet.fields(r);
        c.locks[i] = sheet.locked(r);
    }
    c.ticketNumber = ticketNumber;
    return c;
}

void SheetContent::applyTo(TipSheet& sheet, QString& ticketNumber) const
{
    for (int r = 1; r <= TipSheet::kRows; ++r) {
        const auto i = static_cast<std::size_t>(r - 1);
        for (int p = 1; p <= TipSheet::kPositions; ++p)
            sheet.setField(r, p, fields[i][static_cast<std::size_t>(p - 1)]);
        sheet.setLocked(r, locks[i]);
    }
    ticketNumber = this->ticketNumber;
}

void SheetHistory::note(const SheetContent& now)
{
    if (m_current && *m_current == now)
        return;
    if (m_current) {
        m_steps.push_back(*m_current);
        if (m_steps.size() > kSteps)
            m_steps.pop_front();
    }
    m_current = now;
}

std::optional<SheetContent> SheetHistory::undo()
{
    if (m_steps.empty())
        return std::nullopt;
    m_current = m_steps.back();
    m_steps.pop_back();
    return m_current;
}

} // namespace vendrilo::gui
