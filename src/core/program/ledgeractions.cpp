// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/ledgeractions.h"

#include "core/draws/drawcalendar.h"
#include "core/draws/drawfile.h"
#include "core/money/prizerules.h"
#include "core/money/sheetmoney.h"
#include "core/program/drawactions.h"
#include "core/program/moneyactions.h"
#include "core/texts/textlist.h"

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
    for (PlayableRow& row : playableRows(state.sheet)) {
        std::sort(row.numbers.begin(), row.numbers.end());
        if (std::adjacent_find(row.numbers.begin(), row.numbers.end()) != row.numbers.end())
            return Error{fillIn(text(Text::LedgerNumberTwice), {QString::number(row.row)}),
                         ErrorKind::Refused};
        ticket.rows.push_back({row.row, row.numbers});
    }
    if (ticket.rows.empty())
        return Error{text(Text::LedgerNoCompleteRow), ErrorKind::Refused};
    const auto perDraw =
        stakeOf(static_cast<int>(ticket.rows.size()), plus, ticketPrices(state.internet));
    if (!perDraw)
        return Error{text(Text::LedgerNoPrice), ErrorKind::Refused};
    const double shown = state.shown.date != 0 ? state.shown.date : state.chosenDate.date();
    ticket.firstDraw = firstDrawAfter(lotto, shown);
    ticket.draws = std::clamp(draws, 1, kMaxDraws);
    ticket.plus = plus;
    ticket.stake = *perDraw * ticket.draws;
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
    state.withPlus = ticket.plus;
    state.chosenDate.setDate(ticket.firstDraw);
}

Result<GameHistories> readGameHistories(const ProgramState& state)
{
    GameHistories histories;
    for (const Game game : {Game::Lotto, Game::Plus}) {
        const QString path = state.drawPathOf(game);
        // Without the Lotto file there is nothing to check; a missing Lotto Plus file only
        // leaves the Plus draws open.
        if (game == Game::Plus && !QFileInfo::exists(path))
            continue;
        auto records = drawfile::read(path);
        if (!records)
            return records.failure();
        (game == Game::Lotto ? histories.lotto : histories.plus) = std::move(*records);
    }
    return histories;
}

Result<PrizeLookup> ledgerPrizes(const ProgramState& state)
{
    auto payouts = readPayouts(state);
    if (!payouts)
        return payouts.failure();
    return PrizeLookup([table = std::move(*payouts)](Game game, double day, int hits) {
        return prizeFor(game, hits, day, table);
    });
}

Result<CheckReport> checkTickets(const ProgramState& state, LedgerStore& store)
{
    const auto histories = readGameHistories(state);
    if (!histories)
        return histories.failure();
    const auto prizes = ledgerPrizes(state);
    if (!prizes)
        return prizes.failure();
    return checkLedger(store, *histories, *prizes);
}

} // namespace vendrilo
