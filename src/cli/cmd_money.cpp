// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet in money: its prizes against the shown draw, and its exact odds.
#include "cli.h"
#include "core/money/odds.h"
#include "core/money/sheetodds.h"
#include "core/program/drawactions.h"
#include "core/program/moneyactions.h"
#include "sheetsetup.h"

namespace vendrilo::cli {

namespace {

QString amountOrUnknown(const std::optional<Money>& amount)
{
    return amount ? formatAmount(*amount) : QStringLiteral("?");
}

// One line per playable row: its hits and prize in the shown Lotto draw, with --plus also in the
// Lotto Plus draw of that day; then the stake and what was won.
CliResult<int> prizes(Context& ctx, const CommandArgs& args)
{
    ProgramState& s = ctx.state;
    const bool withPlus = args.option(QStringLiteral("--plus")).has_value();
    if (const CliStatus sheet = setUpSheet(ctx); !sheet)
        return sheet.failure();
    if (const auto shown = showDrawForChosenDate(s); !shown)
        return inputFailure(shown.failure());
    const auto payouts = readPayouts(s);
    if (!payouts)
        return inputFailure(payouts.failure());
    const auto result = shownDrawPrizes(s, withPlus, *payouts);
    if (!result)
        return inputFailure(result.failure());
    for (const RowPrize& row : result->rows) {
        QString line =
            QStringLiteral("%1\t%2\t%3").arg(row.row).arg(row.hits).arg(amountOrUnknown(row.prize));
        if (withPlus)
            line += row.plusHits ? QStringLiteral("\t%1\t%2")
                                       .arg(*row.plusHits)
                                       .arg(amountOrUnknown(row.plusPrize))
                                 : QStringLiteral("\t-\t-");
        print(line);
    }
    print(QStringLiteral("stake: ") + amountOrUnknown(result->stake));
    print(QStringLiteral("won: ") + formatAmount(result->won) +
          (result->wonComplete ? QString() : QStringLiteral(" ?")));
    return 0;
}

// The one-row odds, then for the sheet's rows their exact chance, stake and expected prize.
CliResult<int> odds(Context& ctx, const CommandArgs&)
{
    ProgramState& s = ctx.state;
    if (const CliStatus sheet = setUpSheet(ctx); !sheet)
        return sheet.failure();
    // The prize table is read before anything is printed: a failure leaves stdout empty.
    const auto rows = playableNumbers(s.sheet);
    const auto payouts = rows.empty() ? Result<PayoutTable>(PayoutTable()) : readPayouts(s);
    if (!payouts)
        return inputFailure(payouts.failure());
    for (int hits = 6; hits >= 3; --hits)
        print(QStringLiteral("%1\t%2\t1 in %3")
                  .arg(hits)
                  .arg(drawsGivingHits(hits))
                  .arg(oddsText(drawsGivingHits(hits))));
    print(QStringLiteral("any\t%1\t1 in %2")
              .arg(drawsGivingAPrize())
              .arg(oddsText(drawsGivingAPrize())));
    if (rows.empty())
        return 0;
    const SheetOdds sheet =
        sheetOdds(rows, false, s.chosenDate.date(), ticketPrices(s.internet), *payouts);
    const qint64 winning = sheet.winningDraws.value_or(0);
    print(QStringLiteral("rows: %1").arg(sheet.distinctRows));
    print(QStringLiteral("sheet any\t%1\t1 in %2").arg(winning).arg(oddsText(winning)));
    print(QStringLiteral("stake: ") + amountOrUnknown(sheet.stake));
    print(QStringLiteral("expected: ") + formatAmount(sheet.expected) +
          (sheet.expectedComplete ? QString() : QStringLiteral(" ?")));
    return 0;
}

const CommandRegistration prizesRegistration(
    "prizes",
    {.summary = "the sheet against the draw shown for --date in zł: hits and prize per row, "
                "stake, won",
     .options = {{"--plus", nullptr, "also the Lotto Plus draw of that day, and its surcharge"}}},
    prizes);

const CommandRegistration oddsRegistration(
    "odds",
    {.summary = "the exact odds of one row, then the sheet's chance of a prize, stake and "
                "expected prize on --date's prizes"},
    odds);

} // namespace

} // namespace vendrilo::cli
