// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generator/pastwintests.h"

#include <algorithm>
#include <optional>

namespace vendrilo {

namespace {
constexpr std::size_t kTableSlots = 8;
} // namespace

Tip tipOf(const TipRow& row)
{
    return {row[0], row[1], row[2], row[3], row[4], row[5]};
}

PastWinQuery PastWinPeriod::wholePeriod(int threshold, bool bonusCounts) const
{
    PastWinQuery q = PastWinQuery::wholePeriod(start, end);
    q.filter = filter;
    q.withBonus = bonusCounts;
    q.threshold = threshold;
    return q;
}

PastWinQuery PastWinPeriod::recentDraws(int threshold, int drawCount, bool bonusCounts) const
{
    PastWinQuery q = PastWinQuery::recentDraws(end, drawCount);
    q.filter = filter;
    q.withBonus = bonusCounts;
    q.threshold = threshold;
    return q;
}

bool HistoryPastWins::neverWonInPeriod(const TipRow& tip, int threshold, bool bonusCounts)
{
    return neverWon(tip, {true, threshold, 0, bonusCounts});
}

bool HistoryPastWins::neverWonRecently(const TipRow& tip, int threshold, int drawCount,
                                       bool bonusCounts)
{
    return neverWon(tip, {false, threshold, drawCount, bonusCounts});
}

std::shared_ptr<const PastWinTable> HistoryPastWins::periodTable(int threshold, bool bonusCounts)
{
    return tableFor({true, threshold, 0, bonusCounts});
}

std::shared_ptr<const PastWinTable> HistoryPastWins::recentTable(int threshold, int drawCount,
                                                                 bool bonusCounts)
{
    return tableFor({false, threshold, drawCount, bonusCounts});
}

PastWinQuery HistoryPastWins::queryOf(const Question& q) const
{
    return q.wholePeriod ? m_period.wholePeriod(q.threshold, q.bonusCounts)
                         : m_period.recentDraws(q.threshold, q.drawCount, q.bonusCounts);
}

bool HistoryPastWins::neverWon(const TipRow& tip, const Question& question)
{
    // The question asked last, as nearly always, without a call.
    if (!m_tables.empty() && m_tables.front().question == question && m_tables.front().table &&
        PastWinTable::isAscendingTip(tip))
        return m_tables.front().table->neverWon(tip);
    if (PastWinTable::isAscendingTip(tip))
        if (const auto& table = tableFor(question))
            return table->neverWon(tip);
    return pastWin(m_history, tipOf(tip), queryOf(question)).noWin;
}

const std::shared_ptr<const PastWinTable>& HistoryPastWins::tableFor(const Question& question)
{
    static const std::shared_ptr<const PastWinTable> none;
    if (question.threshold < 1 || question.threshold > 3)
        return none;
    auto found = std::find_if(m_tables.begin(), m_tables.end(),
                              [&](const TableSlot& slot) { return slot.question == question; });
    if (found == m_tables.end()) {
        if (m_tables.size() == kTableSlots)
            m_tables.pop_back();
        std::optional<PastWinTable> table = PastWinTable::build(m_history, queryOf(question));
        m_tables.insert(m_tables.begin(),
                        {question, table ? std::make_shared<const PastWinTable>(std::move(*table))
                                         : nullptr});
    } else if (found != m_tables.begin()) {
        std::rotate(m_tables.begin(), found, found + 1);
    }
    return m_tables.front().table;
}

} // namespace vendrilo
