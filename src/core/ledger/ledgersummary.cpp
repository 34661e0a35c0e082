// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ledger/ledgersummary.h"

#include "core/draws/dates.h"

#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace vendrilo::ledger {

namespace {

// What the checks of one ticket add up to.
void addChecks(TicketLine& line, const std::vector<const DrawCheck*>& checks)
{
    std::map<int, std::set<Game>> checkedGames; // by draw
    for (const DrawCheck* check : checks) {
        checkedGames[check->key.draw].insert(check->key.game);
        for (const DrawCheck::Row& row : check->rows) {
            if (!row.wins())
                continue;
            ++line.wins[static_cast<std::size_t>(check->key.game)]
                       [static_cast<std::size_t>(row.hits)];
            if (const auto amount = row.amount())
                line.won += *amount;
            else
                line.prizeOpen = true;
        }
    }
    const std::size_t games = line.ticket.games().size();
    for (int k = 1; k <= line.ticket.draws; ++k)
        if (checkedGames[k].size() < games)
            ++line.openDraws;
}

// A CSV field: quoted when it holds a separator, a quote or a line break.
QString csvField(const QString& text)
{
    if (!text.contains(QRegularExpression(QStringLiteral("[\",\\r\\n]"))))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

std::vector<TicketLine> ticketLines(const std::vector<Ticket>& tickets,
                                    const std::vector<DrawCheck>& checks)
{
    std::map<qint64, std::vector<const DrawCheck*>> byTicket;
    for (const DrawCheck& c : checks)
        byTicket[c.key.ticket].push_back(&c);
    std::vector<TicketLine> lines;
    for (const Ticket& t : tickets) {
        TicketLine line;
        line.ticket = t;
        addChecks(line, byTicket[t.id]);
        lines.push_back(std::move(line));
    }
    std::stable_sort(lines.begin(), lines.end(), [](const TicketLine& a, const TicketLine& b) {
        return std::tie(a.ticket.firstDraw, a.ticket.id) <
               std::tie(b.ticket.firstDraw, b.ticket.id);
    });
    Money balance;
    for (TicketLine& line : lines) {
        balance.grosze += line.won.grosze - line.ticket.stake.grosze;
        line.balance = balance;
    }
    return lines;
}

std::optional<double> Totals::returnPercent() const
{
    if (stake.grosze <= 0)
        return std::nullopt;
    return 100.0 * static_cast<double>(won.grosze) / static_cast<double>(stake.grosze);
}

Totals totalsOf(const std::vector<TicketLine>& lines, double from, double to)
{
    Totals totals;
    for (const TicketLine& line : lines) {
        if (line.ticket.firstDraw < from || line.ticket.firstDraw > to)
            continue;
        ++totals.tickets;
        totals.stake += line.ticket.stake;
        totals.won += line.won;
        totals.prizeOpen = totals.prizeOpen || line.prizeOpen;
        totals.openDraws += line.openDraws;
        for (std::size_t g = 0; g < totals.wins.size(); ++g)
            for (std::size_t h = 0; h < totals.wins[g].size(); ++h)
                totals.wins[g][h] += line.wins[g][h];
    }
    return totals;
}

QStringList csvLines(const std::vector<TicketLine>& lines)
{
    QStringList csv{QStringLiteral("ticket,first draw,draws,rows,plus,stake,won,prize open,"
                                   "balance,ticket number,note,numbers")};
    for (const TicketLine& line : lines) {
        const Ticket& t = line.ticket;
        QStringList rows;
        for (const TicketRow& row : t.rows) {
            QStringList numbers;
            for (const int n : row.numbers)
                numbers << QString::number(n);
            rows << numbers.join(QLatin1Char(' '));
        }
        csv << QStringList{QString::number(t.id),
                           formatDate(t.firstDraw),
                           QString::number(t.draws),
                           QString::number(t.rows.size()),
                           t.plus ? QStringLiteral("1") : QStringLiteral("0"),
                           formatAmount(t.stake),
                           formatAmount(line.won),
                           line.prizeOpen ? QStringLiteral("1") : QStringLiteral("0"),
                           formatAmount(line.balance),
                           csvField(t.ticketNumber),
                           csvField(t.note),
                           rows.join(QStringLiteral(" / "))}
                   .join(QLatin1Char(','));
    }
    return csv;
}

} // namespace vendrilo::ledger
