// SPDX-License-Identifier: GPL-3.0-or-later
// The back-test's passes made side by side on several threads against the same passes made one
// after the other: over random dates, seeds, option sets, locked rows and a cancel at a random
// pass, the report, the tally, every hook call and the state left behind are the same.
#include "core/draws/drawfile.h"
#include "core/program/analysis.h"
#include "core/program/orderedwork.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

using namespace vendrilo;
using test::day;

namespace {

// The shipped history, with bonus numbers added when asked (it holds none itself).
std::vector<DrawRecord> history(bool withBonus)
{
    std::vector<DrawRecord> records = *shippedHistory();
    if (withBonus)
        for (std::size_t i = 0; i < records.size(); ++i) {
            std::uint8_t b = static_cast<std::uint8_t>(i * 17 % 49 + 1);
            while (std::find(records[i].numbers.begin(), records[i].numbers.end(), b) !=
                   records[i].numbers.end())
                b = static_cast<std::uint8_t>(b % 49 + 1);
            records[i].bonus = b;
        }
    return records;
}

// Options a back-test reads, each with the values a case picks from.
const std::vector<std::pair<Option, std::vector<int>>>& optionChoices()
{
    static const std::vector<std::pair<Option, std::vector<int>>> choices = {
        {Option::RunBudgetThousands, {1, 2, 3}},
        {Option::RowCount, {1, 6, 12}},
        {Option::RecentHits, {2, 3, 4}},
        {Option::RecentDraws, {4, 10, 60, 300}},
        {Option::OlderHitsCheck, {0, 1}},
        {Option::WholePeriodHits, {4, 5, 6}},
        {Option::BonusCountsAsHit, {0, 1}},
        {Option::OtherDayDraws, {0, 1}},
        {Option::PrimeMinimumCheck, {0, 1}},
        {Option::ForcePair, {0, 1}},
        {Option::MaxOverlap, {1, 3}},
    };
    return choices;
}

struct BacktestRun {
    Result<BacktestResult> result = Error{};
    ProgramState state;
    QStringList messages;
    std::vector<double> hookDates; // the shown draw at every pass hook
    std::vector<QString> hookSheets;
};

BacktestRun runWith(const ProgramState& start, int workers, int cancelAt)
{
    BacktestRun run{Error{}, start, {}, {}, {}};
    test::ScriptedPrompts prompts;
    prompts.inputAnswers = {QString::number(start.random.seed() % 99999 + 1)};
    AnalysisHooks hooks;
    hooks.pass = [&](double) {
        run.hookDates.push_back(run.state.shown.date);
        run.hookSheets.push_back(run.state.sheet.rowString(1) + run.state.sheet.rowString(12));
        return static_cast<int>(run.hookDates.size()) != cancelAt;
    };
    run.result = runBacktest(run.state, prompts, day("08.12.2026"), hooks, workers);
    run.messages = prompts.messages;
    return run;
}

void expectSame(const BacktestRun& a, const BacktestRun& b)
{
    ASSERT_EQ(a.result.ok(), b.result.ok());
    EXPECT_EQ(a.result->end, b.result->end);
    EXPECT_EQ(a.result->passes, b.result->passes);
    EXPECT_EQ(a.result->tally, b.result->tally);
    EXPECT_EQ(a.result->report, b.result->report);
    EXPECT_EQ(a.messages, b.messages);
    EXPECT_EQ(a.hookDates, b.hookDates);
    EXPECT_EQ(a.hookSheets, b.hookSheets);
    EXPECT_EQ(a.state.sheet, b.state.sheet);
    EXPECT_EQ(a.state.options, b.state.options);
    EXPECT_EQ(a.state.chosenDate, b.state.chosenDate);
    EXPECT_EQ(a.state.statistics, b.state.statistics);
    EXPECT_EQ(a.state.random.seed(), b.state.random.seed());
    EXPECT_EQ(a.state.shown.date, b.state.shown.date);
    EXPECT_EQ(a.state.shown.position, b.state.shown.position);
    EXPECT_EQ(a.state.shown.numbers, b.state.shown.numbers);
    EXPECT_EQ(a.state.shown.drawLine, b.state.shown.drawLine);
}

} // namespace

TEST(BacktestWorkers, SideBySideGivesWhatOneAfterTheOtherGives)
{
    std::mt19937 rng(4711);
    for (const bool withBonus : {false, true}) {
        QTemporaryDir dir;
        test::writeDrawFile(dir, history(withBonus));
        for (int c = 0; c < 6; ++c) {
            ProgramState s;
            s.programFolder = dir.path() + QLatin1Char('/');
            s.statisticsStart = DatePicker(day("19.11.1994"), 0);
            s.chosenDate = DatePicker(day("08.12.2026") - 40 - rng() % 200, 0);
            s.random.setSeed(static_cast<std::uint32_t>(rng()));
            for (const auto& [option, values] : optionChoices())
                s.options.set(option, values[rng() % values.size()]);
            // Locked rows stay through every pass; a locked row short of six numbers stops the
            // test at its first pass with the generator's message.
            const int locked = c == 5 ? 1 : static_cast<int>(rng() % 4);
            for (int r = 1; r <= locked; ++r) {
                s.sheet.setRow(r * 3, {r, r + 7, r + 14, r + 21, r + 28, r + 35});
                s.sheet.setLocked(r * 3, true);
            }
            if (c == 5 && withBonus)
                s.sheet.setField(3, 1, QString());
            const int cancelAt = c % 3 == 2 ? static_cast<int>(rng() % 20) + 1 : 0;
            const BacktestRun inTurn = runWith(s, 1, cancelAt);
            const BacktestRun sideBySide = runWith(s, 3, cancelAt);
            SCOPED_TRACE(testing::Message() << "case " << c << " bonus " << withBonus);
            expectSame(inTurn, sideBySide);
            EXPECT_GT(inTurn.result->passes + inTurn.messages.size(), 0);
        }
    }
}

// The helper behind it hands results over in order whatever order they finish in, and a stop
// starts nothing more.
TEST(BacktestWorkers, WorkHandedOverInOrderAndStoppedOnRequest)
{
    for (const int workers : {1, 2, 5}) {
        for (const int stopAt : {-1, 0, 17, 99}) {
            std::vector<int> seen;
            std::atomic<int> made{0};
            runInOrder<int>(
                100, workers,
                [&](int, int i) {
                    ++made;
                    // Later items finish first now and then.
                    std::this_thread::sleep_for(std::chrono::microseconds((100 - i) % 7 * 50));
                    return i * i;
                },
                [&](int i, int& square) {
                    EXPECT_EQ(square, i * i);
                    seen.push_back(i);
                    return i != stopAt;
                });
            const int expected = stopAt < 0 ? 100 : stopAt + 1;
            ASSERT_EQ(static_cast<int>(seen.size()), expected);
            for (int i = 0; i < expected; ++i)
                EXPECT_EQ(seen[static_cast<std::size_t>(i)], i);
            // Workers run at most a few items ahead of the one taken.
            EXPECT_LE(made.load(), std::min(100, expected + 4 * workers + workers));
        }
    }
}
