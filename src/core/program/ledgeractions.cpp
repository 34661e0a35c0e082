// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/ledgeractions.h"

#include "core/draws/drawcalendar.h"
#include "core/draws/drawfile.h"
#include "core/ledger/ledgertexts.h"
#include "core/program/drawactions.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <set>

namespace vendrilo {

using namespace ledger;

QString ledgerPathIn(const ProgramState& state)
{
    return drawfile::pathIn(state.programFolder, QStringLiteral("Vendrilo.sqlite"));
}

Prices ticketPrices(const ProgramState&)
{
    return Prices{};
}

namespace {

// The first draw of a ticket played after the draw of `shown`: the next draw the history holds
// when it holds a later one (a ticket recorded late, or a draw moved by a holiday), else the
// calendar's next draw day.
double firstDrawAfter(const std::vector<DrawRecord>& lotto, double shown)
{
    std::optional<double> next;
    for (const DrawRecord& r : lotto)
        if (isCalendarDay(r.date) && std::round(r.date) > std::round(shown) &&
            (!next || r.date < *next))
            next = std::round(r.date);
    return next ? *next : nextDrawDay(lotto, shown);
}

} // namespace

Result<Ticket> ticketFromSheet(const ProgramState& state, const std::vector<DrawRecord>& lotto,
                               bool plus, int draws)
{
    Ticket ticket;
    for (int r = 1; r <= TipSheet::kRows; ++r) {
        auto numbers = state.sheet.numbers(r);
        if (!numbers)
            continue;
        std::sort(numbers->begin(), numbers->end());
        if (std::adjacent_find(numbers->begin(), numbers->end()) != numbers->end())
            return Error{ledgerText(LedgerText::NumberTwice, state.language).arg(r)};
        ticket.rows.push_back({r, *numbers});
    }
    if (ticket.rows.empty())
        return Error{ledgerText(LedgerText::NoCompleteRow, state.language)};
    const double shown = state.shown.date != 0 ? state.shown.date : state.chosenDate.date();
    ticket.firstDraw = firstDrawAfter(lotto, shown);
    ticket.draws = std::clamp(draws, 1, kMaxDraws);
    ticket.plus = plus;
    ticket.stake =
        stakeOf(static_cast<int>(ticket.rows.size()), ticket.draws, plus, ticketPrices(state));
    ticket.ticketNumber = state.ticketNumber;
    return ticket;
}

void putTicketOnSheet(ProgramState& state, const Ticket& ticket)
{
    for (int r = 1; r <= TipSheet::kRows; ++r)
        for (int p = 1; p <= TipSheet::kPositions; ++p)
            state.sheet.setField(r, p, QString());
    for (const TicketRow& row : ticket.rows)
        if (row.position >= 1 && row.position <= TipSheet::kRows)
            state.sheet.setRow(row.position, row.numbers);
    state.ticketNumber = ticket.ticketNumber;
    state.chosenDate.setDate(ticket.firstDraw);
}

Result<GameHistories> readGameHistories(const ProgramState& state)
{
    GameHistories histories;
    auto lotto = readDraws(state);
    if (!lotto)
        return Error{lotto.error()};
    histories.lotto = std::move(*lotto);
    const QString plusPath = drawfile::pathIn(
        state.programFolder, QString::fromLatin1(gameInfo(Game::Plus).drawFileName));
    if (QFileInfo::exists(plusPath)) {
        auto plus = drawfile::read(plusPath);
        if (!plus)
            return Error{plus.error()};
        histories.plus = std::move(*plus);
    }
    return histories;
}

PrizeLookup prizeRules(const ProgramState&)
{
    // Lotto Plus pays fixed amounts; Lotto pays a fixed amount for three hits and shares the
    // rest among the winners.
    return [](Game game, double day, int hits) -> std::optional<Money> {
        static const Money plusPrizes[7] = {0, 0, 0, 1000, 10000, 350000, 100000000};
        if (hits < 3 || hits > 6)
            return Money(0);
        if (game == Game::Plus)
            return plusPrizes[hits];
        if (hits == 3)
            return day >= 46254.0 /* 20.08.2026 */ ? Money(3500) : Money(2400);
        return std::nullopt;
    };
}

Result<CheckReport> checkTickets(const ProgramState& state, LedgerStore& store)
{
    const auto histories = readGameHistories(state);
    if (!histories)
        return Error{histories.error()};
    return checkLedger(store, *histories, prizeRules(state));
}

} // namespace vendrilo
