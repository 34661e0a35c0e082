// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/analysis.h"

#include "core/draws/drawhistory.h"
#include "core/io/atomicfile.h"
#include "core/program/drawactions.h"
#include "core/program/generationactions.h"
#include "core/program/moneyactions.h"
#include "core/program/orderedwork.h"
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

// The date of the next pass and the draw search scoring the sheet against it.
void stepToNextPass(ProgramState& s, const DrawHistory& history)
{
    s.chosenDate.setDate(nextPassDate(s.chosenDate.date(), s.options.drawDayFilter()));
    searchDraw(s, history.records());
}

// One pass: the sheet computed with the fixed seed (unless the last one is kept), then the step
// to the next draw. False when the generator could not go on; its message is in `message`.
bool makePass(ProgramState& s, const DrawHistory& history, std::uint32_t seed, bool compute,
              QString& message)
{
    s.random.setSeed(seed);
    if (compute) {
        const GenerationResult run = generateTips(s, history);
        if (run.outcome != GenerationOutcome::Finished) {
            message = run.message;
            return false;
        }
    }
    stepToNextPass(s, history);
    return true;
}

// Counts a pass that was made: the tally, its money; returns the rows with three or more hits.
int countPass(const ProgramState& s, BacktestResult& result)
{
    ++result.passes;
    result.money.addPass(s.sheet, {s.shown.date, s.shown.numbers});
    return tallyPass(s, result.tally);
}

// The pass loop: a sheet for the chosen date (unless the last one is kept), the date moved on to
// the next pass, the draw search scoring it, the tally. It ends in the pass whose search finds
// the draw of the pass before, the file's last draw, which is so counted twice.
AnalysisEnd passesInTurn(ProgramState& s, const BacktestStart& start, double today,
                         const AnalysisHooks& hooks, BacktestResult& result)
{
    const auto& records = start.history.records();
    const double lastDate = records.empty() ? start.chosenDate : records.back().date;
    double p = start.chosenDate;
    double q = today;
    int threeOrMore = 4; // the first pass always computes
    while (q != p) {
        q = p;
        const bool compute = !s.options.checked(Option::RecomputeOnlyAfterThree) || threeOrMore > 0;
        if (!makePass(s, start.history, *start.seed, compute, result.message))
            return AnalysisEnd::Stopped;
        threeOrMore = countPass(s, result);
        p = s.chosenDate.date();
        if (hooks.pass && !hooks.pass(analysisProgress(start.chosenDate, lastDate, s.shown.date)))
            return AnalysisEnd::Cancelled;
    }
    return AnalysisEnd::Finished;
}

// Where each pass will start: every pass computes a sheet, and a run leaves the shown draw on
// the draw for the chosen date whatever numbers it makes, so the dates follow from the history
// alone, the same loop as passesInTurn.
std::vector<ShownAfterRun> passStarts(ProgramState s, const BacktestStart& start, double today)
{
    std::vector<ShownAfterRun> starts;
    double p = start.chosenDate;
    double q = today;
    while (q != p) {
        q = p;
        starts.push_back({s.shown, s.chosenDate});
        const ShownAfterRun after = drawShownAfterRun(
            {start.history, s.chosenDate, s.statisticsStart.date(), s.shown, s.messages});
        s.shown = after.shown;
        s.chosenDate = after.chosenDate;
        stepToNextPass(s, start.history);
        p = s.chosenDate.date();
    }
    return starts;
}

// The same passes when each computes its sheet afresh: then a pass needs nothing of the one
// before but where it starts, and the passes are made side by side, each from a copy of the
// state, and taken in turn. The caller sees what passesInTurn would have shown it.
AnalysisEnd passesSideBySide(ProgramState& s, const BacktestStart& start, double today,
                             const AnalysisHooks& hooks, int workers, BacktestResult& result)
{
    struct Pass {
        ProgramState state;
        bool made = false;
        QString message;
    };
    const std::vector<ShownAfterRun> starts = passStarts(s, start, today);
    const ProgramState first = s;
    // The history keeps caches of the windows asked for: one copy per thread.
    std::vector<DrawHistory> histories(static_cast<std::size_t>(workers), start.history);
    const auto& records = start.history.records();
    const double lastDate = records.empty() ? start.chosenDate : records.back().date;
    AnalysisEnd end = AnalysisEnd::Finished;
    runInOrder<Pass>(
        static_cast<int>(starts.size()), workers,
        [&](int worker, int i) {
            Pass pass{first, false, {}};
            pass.state.shown = starts[static_cast<std::size_t>(i)].shown;
            pass.state.chosenDate = starts[static_cast<std::size_t>(i)].chosenDate;
            pass.made = makePass(pass.state, histories[static_cast<std::size_t>(worker)],
                                 *start.seed, true, pass.message);
            return pass;
        },
        [&](int, Pass& pass) {
            s = std::move(pass.state);
            if (!pass.made) {
                result.message = pass.message;
                end = AnalysisEnd::Stopped;
                return false;
            }
            countPass(s, result);
            if (hooks.pass &&
                !hooks.pass(analysisProgress(start.chosenDate, lastDate, s.shown.date)))
                end = AnalysisEnd::Cancelled;
            return end == AnalysisEnd::Finished;
        });
    return end;
}

} // namespace

Result<BacktestStart> startBacktest(ProgramState& s, Prompts& prompts, const AnalysisHooks& hooks)
{
    auto draws = readOrCreateDraws(s);
    if (!draws)
        return draws.failure();
    BacktestStart start;
    start.history = DrawHistory(std::move(draws).value());
    start.chosenDate = s.chosenDate.date();
    searchDraw(s, start.history.records());
    start.money = startBacktestMoney(s);
    const RandomSource random = s.random;
    if (const AskedInteger seed = askSeed(s, prompts); seed.number) {
        start.seed = static_cast<std::uint32_t>(*seed.number);
        if (hooks.status)
            hooks.status(1, s.messages.text(Msg::LuckyNumberPrompt) + QLatin1Char(' ') +
                                QString::number(*seed.number));
    } else if (seed.cancelled) {
        start.cancelled = true;
        s.random = random; // as before the question: not even the proposal's draw is taken
    }
    return start;
}

BacktestResult runBacktestPasses(ProgramState& s, const BacktestStart& start, double today,
                                 const AnalysisHooks& hooks, int workers)
{
    BacktestResult result;
    if (!start.seed) {
        result.end = start.cancelled ? AnalysisEnd::Cancelled : AnalysisEnd::NotNumber;
        return result;
    }
    result.seed = *start.seed;
    result.money = start.money;
    // The run must not stop at the weighting list; the box comes back however the test ends.
    const int showList = s.options.value(Option::ShowWeightingList);
    s.options.set(Option::ShowWeightingList, 0);
    if (workers <= 0)
        workers = processorCount();
    if (workers > 1 && !s.options.checked(Option::RecomputeOnlyAfterThree))
        result.end = passesSideBySide(s, start, today, hooks, workers, result);
    else
        result.end = passesInTurn(s, start, today, hooks, result);
    if (result.end == AnalysisEnd::Finished) {
        result.report = backtestReport(result, s.messages);
        result.report << backtestMoneyLines(result.money, s.messages);
    }
    s.options.set(Option::ShowWeightingList, showList);
    return result;
}

Result<BacktestResult> runBacktest(ProgramState& s, Prompts& prompts, double today,
                                   const AnalysisHooks& hooks, int workers)
{
    auto start = startBacktest(s, prompts, hooks);
    if (!start)
        return start.failure();
    BacktestResult result = runBacktestPasses(s, *start, today, hooks, workers);
    if (result.end == AnalysisEnd::Stopped)
        prompts.message(result.message);
    return result;
}

Status writeBacktestReport(const QStringList& lines, const QString& path)
{
    return writeTextLines(path, lines);
}

} // namespace vendrilo
