// SPDX-License-Identifier: GPL-3.0-or-later
// The draw history by hand on the command line: entry, deletion and import of published
// results; and the tip print-out.
#include "cli.h"
#include "core/draws/dates.h"
#include "core/program/drawactions.h"
#include "core/program/historyactions.h"
#include "core/tipfiles/printout.h"
#include "sheetsetup.h"

#include <set>

namespace vendrilo::cli {

namespace {

// Deletion asks before it deletes; on the command line the command itself is the answer.
class ConfirmingPrompts : public Prompts {
public:
    void message(const QString& text) override { printError(text); }
    bool askYesNo(const QString&, const QString&) override { return true; }
    std::optional<QString> inputText(const QString&, const QString&,
                                     const QString& proposal) override
    {
        return proposal;
    }
};

CliResult<int> numberIn(const QString& text, int minimum, int maximum, const char* what)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < minimum || n > maximum)
        return inputFailure(QStringLiteral("%1: not a number from %2 to %3: \"%4\"")
                                .arg(QString::fromLatin1(what))
                                .arg(minimum)
                                .arg(maximum)
                                .arg(text));
    return n;
}

// The entry dialog's OK with the given date and numbers; everything else as the template has it.
CliResult<DrawRecord> enteredDraw(const DrawRecord& from, const QStringList& args)
{
    DrawRecord r = from;
    const auto date = parseDate(args.at(0));
    if (!date)
        return inputFailure(QStringLiteral("enter: not a date: \"%1\"").arg(args.at(0)));
    r.date = *date;
    const QStringList numbers = args.at(1).split(QLatin1Char(','));
    if (numbers.size() != 6)
        return inputFailure(
            QStringLiteral("enter: six numbers separated by commas, got \"%1\"").arg(args.at(1)));
    std::set<int> seen;
    for (int i = 0; i < 6; ++i) {
        const CliResult<int> n = numberIn(numbers[i], 1, 49, "enter");
        if (!n)
            return n.failure();
        if (!seen.insert(*n).second)
            return inputFailure(
                QStringLiteral("enter: %1 stands twice; a draw holds six different numbers")
                    .arg(*n));
        r.numbers[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(*n);
    }
    if (args.size() > 2) {
        const CliResult<int> bonus = numberIn(args.at(2), 0, 49, "enter: bonus");
        if (!bonus)
            return bonus.failure();
        r.bonus = static_cast<std::uint8_t>(*bonus);
    }
    return r;
}

CliResult<int> enter(Context& ctx, const CommandArgs& args)
{
    const auto from = drawEntryTemplate(ctx.state);
    if (!from)
        return workFailure(from.failure());
    const CliResult<DrawRecord> entered = enteredDraw(*from, args.positional);
    if (!entered)
        return entered.failure();
    if (const auto shown = enterDraw(ctx.state, *entered, ctx.today); !shown)
        return workFailure(shown.failure());
    printShownDraw(ctx.state.shown);
    return 0;
}

CliResult<int> deleteDraw(Context& ctx, const CommandArgs&)
{
    if (const auto shown = showDrawForChosenDate(ctx.state); !shown)
        return workFailure(shown.failure());
    ConfirmingPrompts yes;
    if (const auto done = deleteShownDraw(ctx.state, yes); !done)
        return workFailure(done.failure());
    printShownDraw(ctx.state.shown);
    return 0;
}

CliResult<int> printout(Context& ctx, const CommandArgs&)
{
    if (const CliStatus sheet = setUpSheet(ctx); !sheet)
        return sheet.failure();
    const auto draws = readOrCreateDraws(ctx.state);
    if (!draws)
        return workFailure(draws.failure());
    ctx.state.shown.dateSearch(*draws, ctx.state.chosenDate);
    const auto lines = printoutLines(ctx.state.sheet, *draws, ctx.state.shown.date,
                                     ctx.state.options.drawDayFilter(), ctx.state.messages);
    if (!lines)
        return workFailure(lines.failure());
    for (const QString& line : *lines)
        print(line);
    return 0;
}

CliResult<int> importFile(Context& ctx, const CommandArgs& args)
{
    const auto result = importDrawsFrom(ctx.state, args.positional.at(0), ctx.today);
    if (!result)
        return workFailure(result.failure());
    for (const RefusedLine& refused : result->refused)
        print(QStringLiteral("refused %1: %2")
                  .arg(refused.line)
                  .arg(refusalReasonInEnglish(refused, gameInfo(ctx.state.game).firstDrawDay)));
    print(QStringLiteral("added %1").arg(result->added));
    print(QStringLiteral("present %1").arg(result->present));
    print(QStringLiteral("refused %1").arg(result->refusedCount));
    return 0;
}

const CommandRegistration enterRegistration(
    "enter",
    {.arguments = "DD.MM.YYYY n1,...,n6 [BONUS]",
     .summary = "the manual entry of a draw (numbers sorted), then the draw shown afterwards",
     .minArguments = 2,
     .maxArguments = 3},
    enter);

const CommandRegistration deleteRegistration(
    "delete", {.summary = "deletes every record of the draw shown for --date, then shows the next"},
    deleteDraw);

const CommandRegistration printoutRegistration(
    "printout", {.summary = "the tip print-out (Tipp.txt) for the sheet and the draw of --date"},
    printout);

const CommandRegistration importRegistration(
    "import-draws",
    {.arguments = "FILE",
     .summary = "merges published draw results from FILE: refused lines, added, present",
     .minArguments = 1,
     .maxArguments = 1},
    importFile);

} // namespace

} // namespace vendrilo::cli
