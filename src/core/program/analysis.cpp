// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/analysis.h"

#include "core/draws/drawhistory.h"
#include "core/io/atomicfile.h"
#include "core/program/drawactions.h"
#include "core/program/generationactions.h"
#include "core/program/moneyactions.h"
#include "core/texts/integers.h"

#include <cmath>

namespace vendrilo {

namespace {

// The draw search of the "Datenbank" tab: the first draw on or after the chosen date (else the
// last), the picker on its date, the sheet scored against it.
void searchDraw(ProgramState& s, const std::vector<DrawRecord>& records)
{
    s.shown.dateSearch(records, s.chosenDate);
    evaluateShownDraw(s);
}

// Where the next pass starts its draw search. With both draw-day boxes ticked every stored draw
// day is scored: the day after the one just scored, from which the search finds the first stored
// draw of a later day (past the last draw, the last one again, which ends the loop). With one
// box ticked, six days on.
double nextPassDate(double scored, const DrawDayFilter& days)
{
    return days.weekend && days.otherDays ? std::floor(scored) + 1 : scored + 6;
}

bool onWeekend(double day)
{
    const int w = weekday(day);
    return w == 6 || w == 7;
}

// "Ihre Glückszahl (1-99999999)?" with a random proposal; an answer that is no integer is told.
AskedInteger askSeed(ProgramState& s, Prompts& prompts)
{
    const MessageList& m = s.messages;
    const QString proposal = QString::number(s.random.next(99999));
    return askInteger(prompts, m.text(Msg::LuckyNumberTitle) + QStringLiteral(" (1-99999999)?"),
                      m.text(Msg::LuckyNumberPrompt), proposal, m.text(Msg::LuckyNumberError));
}

QStringList backtestReport(const BacktestResult& r, const MessageList& m)
{
    const auto line = [](const QString& label, quint32 weekend, quint32 other) {
        return label + QStringLiteral("\t=>\t%1\t=>\t%2").arg(weekend).arg(other);
    };
    QStringList lines{m.text(Msg::BacktestWins)};
    for (int i = 0; i <= 6; ++i) {
        const auto& t = r.tally[static_cast<std::size_t>(i)];
        lines << line(QStringLiteral("%1x").arg(i), t[0], t[2]);
        if (i < 6)
            lines << line(QStringLiteral("%1x + Bonus").arg(i), t[1], t[3]);
    }
    lines << QString() << QString::number(r.passes) + QLatin1Char(' ') + m.text(Msg::Draws);
    return lines;
}

// Counts the shown draw's rows into the tally; returns the rows with three or more hits.
int tallyPass(const ProgramState& s, BacktestTally& tally)
{
    const std::size_t column = onWeekend(s.shown.date) ? 0 : 2;
    int threeOrMore = 0;
    for (std::size_t i = 0; i <= 6; ++i) {
        tally[i][column] += s.statistics[i][0];
        tally[i][column + 1] += s.statistics[i][1];
        if (i >= 3)
            threeOrMore += static_cast<int>(s.statistics[i][0] + s.statistics[i][1]);
    }
    return threeOrMore;
}

// The pass loop: a sheet for the chosen date (unless the last one is kept), the date moved on to
// the next pass, the draw search scoring it, the tally. It ends in the pass whose search finds
// the draw of the pass before, the file's last draw, which is so counted twice.
AnalysisEnd backtestPasses(ProgramState& s, const DrawHistory& history, double chosen, double today,
                           Prompts& prompts, const AnalysisHooks& hooks, BacktestResult& result)
{
    const auto& records = history.records();
    const double lastDate = records.empty() ? chosen : records.back().date;
    double p = chosen;
    double q = today;
    int threeOrMore = 4; // the first pass always computes
    while (q != p) {
        q = p;
        s.random.setSeed(result.seed);
        if (!s.options.checked(Option::RecomputeOnlyAfterThree) || threeOrMore > 0) {
            const GenerationResult run = runGeneration(s, history);
            if (run.outcome != GenerationOutcome::Finished) {
                prompts.message(run.message);
                return AnalysisEnd::Stopped;
            }
        }
        s.chosenDate.setDate(nextPassDate(s.chosenDate.date(), s.options.drawDayFilter()));
        searchDraw(s, records);
        ++result.passes;
        threeOrMore = tallyPass(s, result.tally);
        result.money.addPass(s.sheet, {s.shown.date, s.shown.numbers});
        p = s.chosenDate.date();
        if (hooks.pass && !hooks.pass(analysisProgress(chosen, lastDate, s.shown.date)))
            return AnalysisEnd::Cancelled;
    }
    return AnalysisEnd::Finished;
}

} // namespace

Result<BacktestResult> runBacktest(ProgramState& s, Prompts& prompts, double today,
                                   const AnalysisHooks& hooks)
{
    auto draws = readOrCreateDraws(s);
    if (!draws)
        return Error{draws.error()};
    const DrawHistory history(std::move(draws).value());
    BacktestResult result;
    // The run must not stop at the weighting list; the box comes back however the test ends.
    const int showList = s.options.value(Option::ShowWeightingList);
    s.options.set(Option::ShowWeightingList, 0);
    const double chosen = s.chosenDate.date();
    searchDraw(s, history.records());
    result.money = startBacktestMoney(s);

    const RandomSource random = s.random;
    if (const AskedInteger seed = askSeed(s, prompts); seed.number) {
        result.seed = static_cast<std::uint32_t>(*seed.number);
        if (hooks.status)
            hooks.status(1, s.messages.text(Msg::LuckyNumberPrompt) + QLatin1Char(' ') +
                                QString::number(*seed.number));
        result.end = backtestPasses(s, history, chosen, today, prompts, hooks, result);
        if (result.end == AnalysisEnd::Finished) {
            result.report = backtestReport(result, s.messages);
            result.report << backtestMoneyLines(result.money, s.messages);
        }
    } else {
        result.end = seed.cancelled ? AnalysisEnd::Cancelled : AnalysisEnd::NotNumber;
        if (seed.cancelled)
            s.random = random; // as before the question: not even the proposal's draw is taken
    }
    s.options.set(Option::ShowWeightingList, showList);
    return result;
}

Status writeBacktestReport(const QStringList& lines, const QString& path)
{
    return writeTextLines(path, lines);
}

} // namespace vendrilo
