// SPDX-License-Identifier: GPL-3.0-or-later
// The ticket ledger on the command line: record the sheet as a ticket, check the tickets, list
// them and sum them up.
#include "cli.h"
#include "core/draws/dates.h"
#include "core/ledger/ledgersummary.h"
#include "core/program/drawactions.h"
#include "core/program/ledgeractions.h"
#include "ledger/sqliteledger.h"
#include "sheetsetup.h"

#include <QFileInfo>

#include <algorithm>
#include <tuple>

namespace vendrilo::cli {

namespace {

using namespace ledger;

// The ledger of --ledger or of the program folder. Only `add` makes a new file; without one the
// other commands see an empty ledger (nullptr).
CliResult<std::unique_ptr<SqliteLedger>> openStore(const Context& ctx, bool create = false)
{
    const QString path = ctx.ledgerPath.value_or(ledgerPathIn(ctx.state));
    if (!create && !QFileInfo::exists(path))
        return std::unique_ptr<SqliteLedger>();
    auto opened = openLedger(path);
    if (!opened)
        return workFailure(opened.failure());
    if (!opened->notice.isEmpty())
        printError(QStringLiteral("vendrilo-cli: warning: ") + opened->notice);
    return std::move(opened->ledger);
}

CliResult<int> runsOption(const CommandArgs& args)
{
    const auto text = args.option(QStringLiteral("--runs"));
    if (!text)
        return 1;
    bool ok = false;
    const int runs = text->toInt(&ok);
    if (!ok || runs < 1 || runs > kMaxDraws)
        return inputFailure(QStringLiteral("ledger add: --runs takes a number of draws from 1 to "
                                           "%1, got \"%2\"")
                                .arg(kMaxDraws)
                                .arg(*text));
    return runs;
}

CliResult<int> add(Context& ctx, const CommandArgs& args)
{
    const CliResult<int> runs = runsOption(args);
    if (!runs)
        return runs.failure();
    const bool plus = args.option(QStringLiteral("--plus")).has_value();
    if (const CliStatus sheet = setUpSheet(ctx); !sheet)
        return sheet.failure();
    ProgramState& s = ctx.state;
    if (const auto shown = showDrawForChosenDate(s); !shown)
        return workFailure(shown.failure());
    const auto histories = readGameHistories(s);
    if (!histories)
        return workFailure(histories.failure());
    const auto ticket = ticketFromSheet(s, histories->lotto, plus, *runs);
    if (!ticket)
        return workFailure(ticket.failure());
    const auto store = openStore(ctx, true);
    if (!store)
        return store.failure();
    const auto id = (*store)->addTicket(*ticket);
    if (!id)
        return workFailure(id.failure());
    print(QStringLiteral("ticket %1").arg(*id));
    return 0;
}

QString amountText(std::optional<Money> amount)
{
    return amount ? formatAmount(*amount) : QStringLiteral("?");
}

CliResult<int> check(Context& ctx, const CommandArgs&)
{
    const auto opened = openStore(ctx);
    if (!opened)
        return opened.failure();
    SqliteLedger* store = opened->get();
    if (!store)
        return 0;
    if (const auto checked = checkTickets(ctx.state, *store); !checked)
        return workFailure(checked.failure());
    const auto stored = store->checks();
    if (!stored)
        return workFailure(stored.failure());
    const std::vector<DrawCheck>& checks = *stored;
    // By ticket and draw: each row, Lotto before Plus.
    std::vector<std::tuple<qint64, double, int, Game, QString>> lines;
    for (const DrawCheck& c : checks)
        for (const DrawCheck::Row& row : c.rows)
            if (row.wins())
                lines.emplace_back(
                    c.key.ticket, c.day, row.position, c.key.game,
                    QStringLiteral("%1\t%2").arg(row.hits).arg(amountText(row.amount())));
    std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a), std::get<2>(a), std::get<3>(a)) <
               std::tie(std::get<0>(b), std::get<1>(b), std::get<2>(b), std::get<3>(b));
    });
    for (const auto& [ticket, day, position, game, rest] : lines)
        print(QStringLiteral("%1\t%2\t%3\t%4\t%5")
                  .arg(ticket)
                  .arg(formatDate(day))
                  .arg(position)
                  .arg(QLatin1String(gameInfo(game).name), rest));
    return 0;
}

CliResult<std::vector<TicketLine>> storedLines(Context& ctx)
{
    const auto opened = openStore(ctx);
    if (!opened)
        return opened.failure();
    SqliteLedger* store = opened->get();
    if (!store)
        return std::vector<TicketLine>();
    const auto tickets = store->tickets();
    if (!tickets)
        return workFailure(tickets.failure());
    const auto checks = store->checks();
    if (!checks)
        return workFailure(checks.failure());
    return ticketLines(*tickets, *checks);
}

CliResult<int> list(Context& ctx, const CommandArgs&)
{
    CliResult<std::vector<TicketLine>> stored = storedLines(ctx);
    if (!stored)
        return stored.failure();
    std::vector<TicketLine>& lines = *stored;
    std::sort(lines.begin(), lines.end(),
              [](const TicketLine& a, const TicketLine& b) { return a.ticket.id < b.ticket.id; });
    for (const TicketLine& line : lines) {
        const Ticket& t = line.ticket;
        print(QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7%8")
                  .arg(t.id)
                  .arg(formatDate(t.firstDraw))
                  .arg(t.draws)
                  .arg(t.rows.size())
                  .arg(t.plus ? 1 : 0)
                  .arg(formatAmount(t.stake), formatAmount(line.won),
                       line.prizeOpen ? QStringLiteral("?") : QString()));
    }
    return 0;
}

CliResult<int> summary(Context& ctx, const CommandArgs&)
{
    const auto lines = storedLines(ctx);
    if (!lines)
        return lines.failure();
    const Totals totals = totalsOf(*lines, -1e9, 1e9);
    const QString open = totals.prizeOpen ? QStringLiteral(" ?") : QString();
    print(QStringLiteral("tickets: %1").arg(totals.tickets));
    print(QStringLiteral("stake: %1").arg(formatAmount(totals.stake)));
    print(QStringLiteral("won: %1%2").arg(formatAmount(totals.won), open));
    print(QStringLiteral("balance: %1%2").arg(formatAmount(totals.balance()), open));
    print(QStringLiteral("open draws: %1").arg(totals.openDraws));
    return 0;
}

CliResult<int> ledgerCommand(Context& ctx, const CommandArgs& args)
{
    const QString what = args.positional.at(0);
    const bool addOptions =
        args.option(QStringLiteral("--plus")) || args.option(QStringLiteral("--runs"));
    if (addOptions && what != QLatin1String("add"))
        return inputFailure(
            QStringLiteral("ledger %1: --plus and --runs belong to \"ledger add\"").arg(what));
    if (what == QLatin1String("add"))
        return add(ctx, args);
    if (what == QLatin1String("check"))
        return check(ctx, args);
    if (what == QLatin1String("list"))
        return list(ctx, args);
    if (what == QLatin1String("summary"))
        return summary(ctx, args);
    return inputFailure(
        QStringLiteral("ledger: \"%1\" is none of add, list, check, summary").arg(what));
}

const CommandRegistration registration(
    "ledger",
    {.arguments = "add|list|check|summary",
     .summary = "the ticket ledger (--ledger FILE): record the sheet as a ticket, check, list, sum",
     .details = QStringLiteral("add: the sheet's complete rows for the next draw day after the "
                               "draw shown for --date; prints \"ticket K\""),
     .minArguments = 1,
     .maxArguments = 1,
     .options = {{"--plus", nullptr, "add: the rows also play Lotto Plus"},
                 {"--runs", "N", "add: the ticket runs for N consecutive draws (1..10)"}}},
    ledgerCommand);

} // namespace

} // namespace vendrilo::cli
