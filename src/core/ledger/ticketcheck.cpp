// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ledger/ticketcheck.h"

#include "core/draws/dates.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace vendrilo::ledger {

namespace {

// One record per calendar day, the first the file holds for it, by day.
using DayIndex = std::map<qint64, DrawRecord>;

DayIndex indexByDay(const std::vector<DrawRecord>& records)
{
    DayIndex index;
    for (const DrawRecord& r : records)
        if (isCalendarDay(r.date))
            index.emplace(std::llround(r.date), r);
    return index;
}

std::vector<double> drawDaysFrom(const DayIndex& lotto, double firstDraw, int draws)
{
    std::vector<double> days;
    for (auto it = lotto.lower_bound(static_cast<qint64>(std::ceil(firstDraw)));
         it != lotto.end() && static_cast<int>(days.size()) < draws; ++it)
        days.push_back(static_cast<double>(it->first));
    return days;
}

QString basisOf(const DrawRecord& draw)
{
    QStringList numbers;
    for (const std::uint8_t n : draw.numbers)
        numbers << QString::number(n);
    return numbers.join(QLatin1Char(','));
}

DrawCheck checkAgainst(const Ticket& ticket, const CheckKey& key, const DrawRecord& draw,
                       const PrizeLookup& prizes)
{
    DrawCheck check{key, std::round(draw.date), basisOf(draw), {}};
    for (const TicketRow& row : ticket.rows) {
        DrawCheck::Row result{row.position, countHits(row.numbers, draw), Money{}, std::nullopt};
        if (result.wins())
            result.prize = prizes(key.game, check.day, result.hits);
        check.rows.push_back(result);
    }
    return check;
}

void collectWins(const DrawCheck& check, std::vector<Win>& wins)
{
    for (const DrawCheck::Row& row : check.rows)
        if (row.wins())
            wins.push_back({check.key, check.day, row.position, row.hits, row.prize});
}

// The stored check brought up to date when only a prize became known; nothing when it stands.
std::optional<DrawCheck> filledInPrizes(const DrawCheck& stored, const DrawCheck& fresh)
{
    if (stored.rows.size() != fresh.rows.size())
        return fresh;
    DrawCheck updated = stored;
    for (std::size_t i = 0; i < stored.rows.size(); ++i) {
        if (stored.rows[i].position != fresh.rows[i].position ||
            stored.rows[i].hits != fresh.rows[i].hits)
            return fresh;
        updated.rows[i].prize = fresh.rows[i].prize;
    }
    if (updated == stored)
        return std::nullopt;
    return updated;
}

} // namespace

std::vector<double> ticketDrawDays(const Ticket& ticket, const std::vector<DrawRecord>& lotto)
{
    return drawDaysFrom(indexByDay(lotto), ticket.firstDraw, ticket.draws);
}

int countHits(const std::array<int, 6>& row, const DrawRecord& draw)
{
    quint64 drawn = 0;
    for (const std::uint8_t n : draw.numbers)
        if (n >= 1 && n <= 49)
            drawn |= quint64(1) << n;
    int hits = 0;
    for (const int n : row)
        if (n >= 1 && n <= 49 && (drawn >> n & 1))
            ++hits;
    return hits;
}

CheckPlan planChecks(const std::vector<Ticket>& tickets, const std::vector<DrawCheck>& stored,
                     const GameHistories& histories, const PrizeLookup& prizes)
{
    const DayIndex lotto = indexByDay(histories.lotto);
    const DayIndex plus = indexByDay(histories.plus);
    std::map<CheckKey, const DrawCheck*> before;
    for (const DrawCheck& c : stored)
        before[c.key] = &c;

    CheckPlan plan;
    for (const Ticket& ticket : tickets) {
        const std::vector<double> days = drawDaysFrom(lotto, ticket.firstDraw, ticket.draws);
        for (std::size_t k = 0; k < days.size(); ++k) {
            for (const Game game : ticket.games()) {
                const DayIndex& index = game == Game::Lotto ? lotto : plus;
                const auto draw = index.find(static_cast<qint64>(days[k]));
                if (draw == index.end())
                    continue; // that game's draw of the evening is not stored yet
                const CheckKey key{ticket.id, static_cast<int>(k) + 1, game};
                const DrawCheck fresh = checkAgainst(ticket, key, draw->second, prizes);
                const auto old = before.find(key);
                if (old == before.end() || old->second->day != fresh.day ||
                    old->second->basis != fresh.basis) {
                    ++(old == before.end() ? plan.checked : plan.rechecked);
                    plan.changes.written.push_back(fresh);
                    collectWins(fresh, plan.newWins);
                } else if (const auto updated = filledInPrizes(*old->second, fresh)) {
                    plan.changes.written.push_back(*updated);
                }
                if (old != before.end())
                    before.erase(old);
            }
        }
    }
    // What is left was made against a draw that the histories no longer hold for that ticket.
    for (const auto& [key, check] : before)
        plan.changes.dropped.push_back(key);
    return plan;
}

Result<CheckReport> checkLedger(LedgerStore& store, const GameHistories& histories,
                                const PrizeLookup& prizes)
{
    auto tickets = store.tickets();
    if (!tickets)
        return tickets.failure();
    auto checks = store.checks();
    if (!checks)
        return checks.failure();
    CheckPlan plan = planChecks(*tickets, *checks, histories, prizes);
    if (!plan.changes.empty())
        if (const Status saved = store.saveChecks(plan.changes); !saved)
            return saved.failure();
    return CheckReport{std::move(plan.newWins), plan.checked, plan.rechecked};
}

} // namespace vendrilo::ledger
