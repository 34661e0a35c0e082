// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawfile.h"
#include "core/texts/textlist.h"
#include "core/program/generationactions.h"
#include "core/generator/optionconflicts.h"
#include "pastwinoracle.h"
#include "testsupport.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <array>
#include <random>
#include <set>

using namespace vendrilo;

namespace {

const DrawHistory& history()
{
    static const DrawHistory h(*shippedHistory());
    return h;
}

ProgramState stateFor(const char* date, quint32 seed)
{
    ProgramState s;
    s.chosenDate.setDate(*parseDate(QString::fromLatin1(date)));
    s.random.setSeed(seed);
    return s;
}

void set(ProgramState& s, Option option, int value)
{
    s.options.set(option, value);
}

// Only 1,2,3,4,5,6 has the cross sum 21, and it is a run of three: no candidate passes, yet no
// single limit is out of reach, so the run is not refused at its start and uses up its budget.
void makeEveryRowImpossible(ProgramState& s)
{
    set(s, Option::CrossSumMinimum, 21);
    set(s, Option::CrossSumMaximum, 21);
    set(s, Option::NoRunOfThree, 1);
}

std::vector<QString> rowStrings(const ProgramState& s)
{
    std::vector<QString> rows;
    for (int r = 1; r <= TipSheet::kRows; ++r)
        rows.push_back(s.sheet.rowString(r));
    return rows;
}

} // namespace

TEST(GenerationRun, SameSeedSameSheet)
{
    ProgramState a = stateFor("01.06.2023", 4711);
    ProgramState b = stateFor("01.06.2023", 4711);
    const GenerationResult ra = generateTips(a, history());
    const GenerationResult rb = generateTips(b, history());
    EXPECT_EQ(rowStrings(a), rowStrings(b));
    EXPECT_EQ(ra.passes, rb.passes);
    EXPECT_EQ(ra.status, QStringLiteral("Tipps wurden neu berechnet"));

    ProgramState c = stateFor("01.06.2023", 4712);
    generateTips(c, history());
    EXPECT_NE(rowStrings(a), rowStrings(c));
}

TEST(GenerationRun, RowsKeepTheDefaultLimitsOverManySeeds)
{
    for (quint32 seed = 1; seed <= 40; ++seed) {
        ProgramState s = stateFor("14.03.2020", seed * 7919);
        const GenerationResult result = generateTips(s, history());
        ASSERT_EQ(result.outcome, GenerationOutcome::Finished);
        ASSERT_FALSE(result.budgetExhausted) << seed;
        // Draw A is the draw the date search shows again after the run.
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(result.draws.A[static_cast<std::size_t>(i)], s.shown.numbers[i + 1]);
        for (int r = 1; r <= 12; ++r) {
            const auto numbers = s.sheet.numbers(r);
            ASSERT_TRUE(numbers) << seed << " row " << r;
            const std::set<int> distinct(numbers->begin(), numbers->end());
            EXPECT_EQ(distinct.size(), 6u);
            int sum = 0, fromA = 0, fromB = 0, fromC = 0;
            for (std::size_t p = 0; p < 6; ++p) {
                const int n = (*numbers)[p];
                EXPECT_TRUE(n >= 1 && n <= 49);
                if (p > 0) {
                    EXPECT_LT((*numbers)[p - 1], n);
                }
                if (p > 1) {
                    EXPECT_FALSE((*numbers)[p - 2] + 2 == n && (*numbers)[p - 1] + 1 == n);
                }
                sum += n;
                for (int i = 0; i < 7; ++i) {
                    fromA += result.draws.A[static_cast<std::size_t>(i)] == n;
                    fromB += result.draws.B[static_cast<std::size_t>(i)] == n;
                    fromC += result.draws.C[static_cast<std::size_t>(i)] == n;
                }
            }
            EXPECT_TRUE(sum >= 50 && sum <= 250);
            EXPECT_EQ(fromA, 0);
            EXPECT_LE(fromB, 1);
            EXPECT_LE(fromC, 2);
            EXPECT_EQ(s.sheet.row(r).crossSumLabel, QString::number(sum));
        }
    }
}

// Draws B and C come from stepping back from draw A twice, and stepping back stops at the
// file's second record: near the start of the file B and C repeat that record, even when A is
// the first record itself.
TEST(GenerationRun, DrawsBAndCStepBackNoFurtherThanTheSecondRecord)
{
    const DrawHistory h({test::draw("02.01.2021", {1, 2, 3, 4, 5, 6}, 7),
                         test::draw("06.01.2021", {8, 9, 10, 11, 12, 13}, 14),
                         test::draw("09.01.2021", {15, 16, 17, 18, 19, 20}, 21),
                         test::draw("13.01.2021", {22, 23, 24, 25, 26, 27}, 28)});
    auto bytes = [&](int index) {
        DrawBytes b{};
        for (int i = 0; i < 8; ++i)
            b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(
                h.records()[static_cast<std::size_t>(index)].numberByte(i));
        return b;
    };
    struct Case {
        const char* date;
        int A, B, C;
    };
    for (const Case& c :
         {Case{"01.01.2021", 0, 1, 1}, Case{"02.01.2021", 0, 1, 1}, Case{"06.01.2021", 1, 1, 1},
          Case{"07.01.2021", 2, 1, 1}, Case{"13.01.2021", 3, 2, 1}, Case{"20.01.2021", 3, 2, 1}}) {
        ProgramState s = stateFor(c.date, 3);
        s.statisticsStart.setDate(*parseDate(QStringLiteral("19.11.1994")));
        set(s, Option::RunBudgetThousands, 1);
        const GenerationResult result = generateTips(s, h);
        ASSERT_EQ(result.outcome, GenerationOutcome::Finished) << c.date;
        EXPECT_EQ(result.draws.A, bytes(c.A)) << c.date;
        EXPECT_EQ(result.draws.B, bytes(c.B)) << c.date;
        EXPECT_EQ(result.draws.C, bytes(c.C)) << c.date;
        // The chosen day itself is given back to the picker only through the date search.
        EXPECT_EQ(s.chosenDate.date(), h.records()[static_cast<std::size_t>(c.A)].date) << c.date;
    }
}

// The statistics period ends with the date the date search leaves in the chosen-date picker,
// which is draw A's, not the day chosen before it: draw A counts in the charts the pool is built
// from.
TEST(GenerationRun, TheStatisticsPeriodEndsWithDrawAsDate)
{
    const DrawHistory h({test::draw("02.01.2021", {1, 2, 3, 4, 5, 6}, 7),
                         test::draw("09.01.2021", {13, 14, 15, 16, 17, 18}, 19)});
    ProgramState s = stateFor("07.01.2021", 8);
    s.statisticsStart.setDate(*parseDate(QStringLiteral("05.01.2021")));
    set(s, Option::RareNumbers, 0);
    set(s, Option::OverdueNumbers, 0);
    set(s, Option::FrequentNumbers, 1);
    set(s, Option::LimitLastDraw, 0);
    set(s, Option::RunBudgetThousands, 1);
    const GenerationResult result = generateTips(s, h);
    ASSERT_EQ(result.outcome, GenerationOutcome::Finished);
    // Draw A (09.01.) is the only draw of the period: its seven numbers have the largest bar and
    // take three entries each beside the base entry; a period ending on 07.01. would hold no draw,
    // so that every number would take three.
    for (int n : {13, 14, 15, 16, 17, 18, 19})
        EXPECT_EQ(result.pool.count(n), 4) << n;
    EXPECT_EQ(result.pool.count(1), 2);
    EXPECT_EQ(result.pool.count(20), 1);
    EXPECT_EQ(result.pool.count(49), 1);
}

// Past-win tests that refuse every tip but the one of a chosen call of the recent test.
struct AcceptOnCall : PastWinTests {
    int acceptedCall = 0;
    int calls = 0;
    bool neverWonInPeriod(const TipRow&, int, bool) override { return true; }
    bool neverWonRecently(const TipRow&, int, int, bool) override
    {
        return ++calls == acceptedCall;
    }
};

// With every check before the recent past-win test switched off, each pass asks that test once,
// so its call count is the pass count. A row accepted on the very last pass of the budget is
// dropped with the rest; one accepted a pass earlier stays.
TEST(GenerationRun, ARowAcceptedOnTheLastPassOfTheBudgetIsDropped)
{
    for (const int acceptedPass : {1000, 999}) {
        ProgramState s = stateFor("01.06.2023", 1234);
        for (Option box :
             {Option::LimitMaxOverlap, Option::LimitMinOverlap, Option::NoRunOfThree,
              Option::LimitLastDraw, Option::LimitSecondLastDraw, Option::LimitThirdLastDraw,
              Option::OlderHitsCheck, Option::WholePeriodCheck})
            set(s, box, 0);
        set(s, Option::CrossSumMinimum, 21);
        set(s, Option::CrossSumMaximum, 279);
        set(s, Option::RunBudgetThousands, 1);
        AcceptOnCall pastWins;
        pastWins.acceptedCall = acceptedPass;
        GenerationHooks hooks;
        hooks.pastWins = &pastWins;
        const GenerationResult result = generateTips(s, history(), hooks);
        ASSERT_EQ(result.outcome, GenerationOutcome::Finished);
        EXPECT_EQ(pastWins.calls, 1000) << acceptedPass;
        EXPECT_EQ(result.passes, 1000) << acceptedPass;
        EXPECT_EQ(result.status,
                  QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen"));
        EXPECT_EQ(s.sheet.numbers(1).has_value(), acceptedPass == 999) << acceptedPass;
        for (int r = 2; r <= 12; ++r)
            EXPECT_EQ(s.sheet.rowString(r), QStringLiteral(",,,,,")) << acceptedPass << " " << r;
    }
}

TEST(GenerationRun, ImpossibleOptionsUseUpTheBudgetAndRestoreTheControls)
{
    ProgramState s = stateFor("01.06.2023", 99);
    set(s, Option::RunBudgetThousands, 1);
    makeEveryRowImpossible(s);
    set(s, Option::ForcePair, 1);
    const Options before = s.options;
    const GenerationResult result = generateTips(s, history());
    EXPECT_EQ(result.passes, 1000);
    EXPECT_TRUE(result.budgetExhausted);
    EXPECT_EQ(result.status, QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen"));
    EXPECT_EQ(s.options, before);
    for (int r = 1; r <= 12; ++r) {
        EXPECT_EQ(s.sheet.rowString(r), QStringLiteral(",,,,,"));
        EXPECT_EQ(s.sheet.row(r).crossSumLabel, QStringLiteral("0"));
    }
}

TEST(GenerationRun, LaterRowsRelaxAsTheBudgetRunsLow)
{
    // Rows 1 and 2 locked, row 3 cannot be made: the whole budget goes to row 3.
    ProgramState s = stateFor("01.06.2023", 5);
    s.sheet.setRow(1, {1, 2, 4, 8, 16, 32});
    s.sheet.setRow(2, {3, 6, 12, 24, 40, 48});
    s.sheet.setLocked(1, true);
    s.sheet.setLocked(2, true);
    makeEveryRowImpossible(s);
    set(s, Option::ForcePair, 1);
    const Options before = s.options;

    // passes -> forced pair, limits for the last and second-last draw, whole-period hits
    std::map<int, std::array<int, 4>> seen;
    GenerationHooks hooks;
    hooks.pass = [&](const GenerationPass& p) {
        EXPECT_EQ(p.row, 3);
        seen[p.passes] = {s.options.value(Option::ForcePair),
                          s.options.value(Option::MaxFromLastDraw),
                          s.options.value(Option::MaxFromSecondLastDraw),
                          s.options.value(Option::WholePeriodHits)};
        return true;
    };
    const GenerationResult result = generateTips(s, history(), hooks);
    EXPECT_EQ(result.passes, 50000);
    using A = std::array<int, 4>;
    EXPECT_EQ(seen[24999], (A{1, 0, 1, 5}));
    EXPECT_EQ(seen[25000], (A{0, 0, 1, 5})); // forced pairs off from the 25,000th pass
    EXPECT_EQ(seen[29999], (A{0, 0, 1, 5}));
    EXPECT_EQ(seen[30000], (A{0, 0, 1, 6})); // 20,000 left
    EXPECT_EQ(seen[39999], (A{0, 0, 1, 6}));
    EXPECT_EQ(seen[40000], (A{0, 1, 2, 6})); // 10,000 left
    EXPECT_EQ(seen[45000], (A{0, 2, 3, 6})); // 5,000 left
    EXPECT_EQ(seen[49999], (A{0, 2, 3, 6}));
    EXPECT_EQ(s.options, before);
    EXPECT_EQ(s.sheet.rowString(1), QStringLiteral("1,2,4,8,16,32"));
    EXPECT_EQ(s.sheet.rowString(3), QStringLiteral(",,,,,"));
}

TEST(GenerationRun, TheFirstTwoRowsNeverRelax)
{
    ProgramState s = stateFor("01.06.2023", 5);
    makeEveryRowImpossible(s);
    std::set<int> rowsSeen;
    int secondLastLimitAtEnd = -1;
    GenerationHooks hooks;
    hooks.pass = [&](const GenerationPass& p) {
        rowsSeen.insert(p.row);
        secondLastLimitAtEnd = s.options.value(Option::MaxFromSecondLastDraw);
        return true;
    };
    generateTips(s, history(), hooks);
    EXPECT_EQ(rowsSeen, std::set<int>{1});
    EXPECT_EQ(secondLastLimitAtEnd, 1);
}

TEST(GenerationRun, StopAtOnceLeavesZeroRows)
{
    ProgramState s = stateFor("01.06.2023", 1);
    s.sheet.setRow(4, {5, 10, 15, 20, 25, 30});
    s.sheet.setLocked(4, true);
    GenerationHooks hooks;
    hooks.pass = [](const GenerationPass&) { return false; };
    const GenerationResult result = generateTips(s, history(), hooks);
    EXPECT_EQ(result.passes, 0);
    EXPECT_TRUE(result.status.contains("gestoppt")) << "a stopped run says so";
    for (int r = 1; r <= 12; ++r)
        EXPECT_EQ(s.sheet.numbers(r).has_value(), r == 4) << r;
}

TEST(GenerationRun, StopAfterTheSecondRowKeepsTheRowsMade)
{
    ProgramState s = stateFor("01.06.2023", 1);
    GenerationHooks hooks;
    hooks.pass = [](const GenerationPass& p) { return p.row < 3; };
    const GenerationResult result = generateTips(s, history(), hooks);
    EXPECT_TRUE(result.status.contains("gestoppt")) << "a stopped run says so";
    for (int r = 1; r <= 12; ++r)
        EXPECT_EQ(s.sheet.numbers(r).has_value(), r <= 2) << r;
}

TEST(GenerationRun, ActiveRowCountLeavesTheOtherRowsEmpty)
{
    ProgramState s = stateFor("01.06.2023", 3);
    set(s, Option::RowCount, 3);
    s.sheet.setRow(7, {7, 14, 21, 28, 35, 42});
    s.sheet.setLocked(7, true);
    std::vector<int> written;
    GenerationHooks hooks;
    hooks.rowWritten = [&](int r) { written.push_back(r); };
    generateTips(s, history(), hooks);
    EXPECT_EQ(written.size(), 12u);
    for (int r = 1; r <= 12; ++r) {
        const bool filled = r <= 3 || r == 7;
        EXPECT_EQ(s.sheet.numbers(r).has_value(), filled) << r;
        if (!filled) {
            EXPECT_EQ(s.sheet.row(r).crossSumLabel, QStringLiteral("0")) << r;
        }
    }
    EXPECT_EQ(s.sheet.rowString(7), QStringLiteral("7,14,21,28,35,42"));
}

TEST(GenerationRun, LaterRowsSeeALockedRow)
{
    // No row may share a number with any other: the locked row 2 binds rows 3..12 only.
    for (quint32 seed : {11u, 12u, 13u}) {
        ProgramState s = stateFor("01.06.2023", seed);
        set(s, Option::OverlapPerRow, 1);
        set(s, Option::MaxOverlap, 0);
        set(s, Option::RowCount, 6);
        set(s, Option::DatabaseChecks, 0);
        s.sheet.setRow(2, {1, 9, 17, 25, 33, 41});
        s.sheet.setLocked(2, true);
        generateTips(s, history());
        const auto locked = *s.sheet.numbers(2);
        for (int r = 3; r <= 6; ++r) {
            const auto numbers = s.sheet.numbers(r);
            ASSERT_TRUE(numbers) << r;
            for (int n : *numbers)
                EXPECT_EQ(std::count(locked.begin(), locked.end(), n), 0) << r;
        }
    }
}

TEST(GenerationRun, ALockedRowWithoutSixNumbersRefusesTheStart)
{
    ProgramState s = stateFor("01.06.2023", 3);
    s.sheet.setRow(1, {1, 2, 3, 4, 5, 6});
    s.sheet.setField(3, 1, QStringLiteral("8"));
    s.sheet.setLocked(3, true);
    const TipSheet sheet = s.sheet;
    const quint32 seed = s.random.seed();
    const GenerationResult result = generateTips(s, history());
    EXPECT_EQ(result.outcome, GenerationOutcome::LockedRowBad);
    EXPECT_TRUE(result.message.contains(QStringLiteral("3. Tipp")));
    EXPECT_EQ(s.sheet, sheet);
    EXPECT_EQ(s.random.seed(), seed);
    EXPECT_EQ(result.passes, 0);
}

TEST(GenerationRun, APoolOfFewerThanSixNumbersEndsBeforeTheFirstRow)
{
    ProgramState s = stateFor("01.06.2023", 3);
    s.sheet.setRow(1, {1, 2, 3, 4, 5, 6});
    s.sheet.setRow(5, {10, 12, 13, 14, 15, 16});
    s.sheet.setLocked(5, true);
    // Only preferred numbers, and nothing preferred: an empty pool.
    set(s, Option::OnlyPreferredNumbers, 1);
    set(s, Option::RareNumbers, 0);
    set(s, Option::OverdueNumbers, 0);
    const GenerationResult empty = generateTips(s, history());
    EXPECT_EQ(empty.outcome, GenerationOutcome::PoolTooSmall);
    EXPECT_EQ(empty.pool.distinctNumbers(), 0);
    EXPECT_EQ(empty.passes, 0);
    EXPECT_EQ(s.sheet.rowString(1), QStringLiteral(",,,,,"));
    EXPECT_EQ(s.sheet.rowString(5), QStringLiteral("10,12,13,14,15,16"));

    // Five numbers from the weighting list, however often each stands, are still too few.
    set(s, Option::OnlyPreferredNumbers, 0);
    set(s, Option::ShowWeightingList, 1);
    GenerationHooks hooks;
    hooks.editPool = [](NumberPool& pool) {
        std::vector<int> weights(49, -1);
        for (int k : {1, 2, 3, 4, 5})
            weights[static_cast<std::size_t>(k - 1)] = 40;
        pool = poolFromWeights(weights);
        return true;
    };
    const GenerationResult five = generateTips(s, history(), hooks);
    EXPECT_EQ(five.outcome, GenerationOutcome::PoolTooSmall);
    EXPECT_TRUE(five.message.contains(QStringLiteral(" 5 ")));
}

TEST(GenerationRun, TheWeightingListMayReplaceThePoolOrAbort)
{
    ProgramState s = stateFor("01.06.2023", 8);
    set(s, Option::ShowWeightingList, 1);
    GenerationHooks hooks;
    hooks.editPool = [](NumberPool& pool) {
        std::vector<int> weights(49, -1);
        for (int k : {4, 8, 15, 16, 23, 42, 44})
            weights[static_cast<std::size_t>(k - 1)] = 1;
        pool = poolFromWeights(weights);
        return true;
    };
    set(s, Option::DatabaseChecks, 0);
    set(s, Option::LimitMaxOverlap, 0);
    set(s, Option::RowCount, 2);
    const GenerationResult made = generateTips(s, history(), hooks);
    ASSERT_EQ(made.outcome, GenerationOutcome::Finished);
    for (int r = 1; r <= 2; ++r) {
        const auto numbers = s.sheet.numbers(r);
        ASSERT_TRUE(numbers) << r;
        for (int n : *numbers)
            EXPECT_TRUE(std::set<int>({4, 8, 15, 16, 23, 42, 44}).count(n)) << n;
    }

    hooks.editPool = [](NumberPool&) { return false; };
    const GenerationResult aborted = generateTips(s, history(), hooks);
    EXPECT_EQ(aborted.outcome, GenerationOutcome::ListAborted);
    EXPECT_EQ(s.sheet.rowString(1), QStringLiteral(",,,,,"));
}

TEST(GenerationRun, TheDrawFileReferenceGivesTheSameSheet)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZahlenPL.dat"));
    ASSERT_TRUE(drawfile::rewrite(path, history().records()));
    for (quint32 seed : {21u, 22u}) {
        ProgramState fast = stateFor("03.02.2021", seed);
        ProgramState slow = stateFor("03.02.2021", seed);
        for (ProgramState* s : {&fast, &slow}) {
            set(*s, Option::WholePeriodHits, 4);
            set(*s, Option::RecentHits, 2);
            set(*s, Option::OlderDraws, 300);
        }
        const GenerationResult a = generateTips(fast, history());
        // The period ends on draw A's day, which the run puts into the chosen-date picker.
        ProgramState probe = slow;
        probe.shown.dateSearch(history().records(), probe.chosenDate);
        test::DrawFilePastWins reference(
            path,
            {slow.statisticsStart.date(), probe.chosenDate.date(), slow.options.drawDayFilter()});
        GenerationHooks hooks;
        hooks.pastWins = &reference;
        const GenerationResult b = generateTips(slow, history(), hooks);
        EXPECT_EQ(rowStrings(fast), rowStrings(slow)) << seed;
        EXPECT_EQ(a.passes, b.passes) << seed;
    }
}

TEST(LuckyNumber, TheAnswerBecomesTheSeed)
{
    RandomSource random(123);
    MessageList messages;
    test::ScriptedPrompts prompts;
    prompts.inputAnswers = {QStringLiteral("777"), QStringLiteral("12x")};
    askLuckyNumber(random, messages, prompts);
    EXPECT_EQ(random.seed(), 777u);
    RandomSource expected(123);
    EXPECT_EQ(prompts.asked.at(0),
              QStringLiteral("Ihre Glückszahl (1-99999999)? | Geben Sie Ihre Glückszahl für den "
                             "Zufallsgenerator ein! | ") +
                  QString::number(expected.next(99999)));

    askLuckyNumber(random, messages, prompts);
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("Fehler bei Eingabe der Zufallszahl")});
    EXPECT_EQ(random.seed(), 777u * 134775813u + 1u); // only the proposal's draw moved it

    // Cancelled: the proposal is the answer.
    askLuckyNumber(random, messages, prompts);
    EXPECT_EQ(QString::number(random.seed()),
              prompts.asked.at(2).section(QStringLiteral(" | "), 2));
}

TEST(LuckyNumber, TheSameLuckyNumberGivesTheSameSheet)
{
    std::vector<QString> sheets[2];
    for (auto& sheet : sheets) {
        ProgramState s = stateFor("01.06.2023", 0);
        s.random.randomize();
        test::ScriptedPrompts prompts;
        prompts.inputAnswers = {QStringLiteral("19101995")};
        askLuckyNumber(s.random, s.messages, prompts);
        generateTips(s, history());
        sheet = rowStrings(s);
    }
    EXPECT_EQ(sheets[0], sheets[1]);
}

TEST(GenerationRun, CandidateStatusTextAlignsTheCrossSum)
{
    const MessageList messages;
    const TipRow c = {5, 12, 19, 33, 40, 48};
    EXPECT_EQ(candidateStatusText(1, c, 157, messages),
              QStringLiteral("1.Tipp:  5 12  19  33  40  48  QS: 157"));
    EXPECT_EQ(candidateStatusText(2, c, 157, messages),
              QStringLiteral("2.Tipp:  5 12  19  33  40  48   QS: 157"));
    EXPECT_EQ(candidateStatusText(3, c, 157, messages),
              QStringLiteral("3.Tipp:  5 12  19  33  40  48    QS: 157"));
    EXPECT_EQ(candidateStatusText(4, c, 157, messages),
              QStringLiteral("4.Tipp:  5 12  19  33  40  48   QS: 157"));
    EXPECT_EQ(candidateStatusText(12, c, 157, messages),
              QStringLiteral("12.Tipp:  5 12  19  33  40  48  QS: 157"));
}

TEST(GenerationRun, AMissingDrawFileIsCreatedEmptyAndNothingIsMade)
{
    QTemporaryDir dir;
    ProgramState s = stateFor("01.06.2023", 1);
    s.programFolder = dir.path() + QLatin1Char('/');
    s.sheet.setRow(1, {1, 2, 3, 4, 5, 6});
    const auto missing = generateTips(s);
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error(), text(Text::ReadDrawsFirst));
    EXPECT_TRUE(QFileInfo(s.drawPath()).isFile());
    EXPECT_EQ(s.sheet.rowString(1), QStringLiteral("1,2,3,4,5,6"));

    // The draw file read from the program folder gives the sheet the history in memory gives.
    ASSERT_TRUE(drawfile::rewrite(s.drawPath(), history().records()));
    ProgramState fromMemory = stateFor("01.06.2023", 1);
    generateTips(fromMemory, history());
    const auto fromFile = generateTips(s);
    ASSERT_TRUE(fromFile.ok());
    EXPECT_EQ(fromFile->outcome, GenerationOutcome::Finished);
    EXPECT_EQ(rowStrings(s), rowStrings(fromMemory));
}

TEST(GenerationRun, AnEmptyDrawFileThatCannotBeCreatedIsReported)
{
    QTemporaryDir dir;
    ProgramState s = stateFor("01.06.2023", 1);
    s.programFolder = dir.filePath(QStringLiteral("no/such/folder/"));
    const auto result = generateTips(s);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.errorKind(), ErrorKind::NotFound);
    EXPECT_TRUE(result.error().contains(QStringLiteral("ZahlenPL.dat:")))
        << result.error().toStdString();
}

TEST(GenerationRun, ABudgetChangedDuringTheRunCountsAtOnce)
{
    ProgramState s = stateFor("01.06.2023", 5);
    makeEveryRowImpossible(s);
    GenerationHooks hooks;
    hooks.pass = [&](const GenerationPass& p) {
        if (p.passes == 100)
            set(s, Option::RunBudgetThousands, 2); // the user changes the budget on the way
        return true;
    };
    const GenerationResult result = generateTips(s, history(), hooks);
    EXPECT_EQ(result.passes, 2000);
    EXPECT_TRUE(result.budgetExhausted);
}

// Limits no row can meet together are refused before the sheet is touched, and named; limits
// that leave a row possible are not.
TEST(GenerationRun, LimitsNoRowCanMeetAreRefusedUnchanged)
{
    const struct {
        std::vector<std::pair<Option, int>> options;
        bool refused;
    } cases[] = {
        {{{Option::CrossSumMinimum, 260}, {Option::CrossSumMaximum, 250}}, true},
        {{{Option::CrossSumMinimum, 250}, {Option::CrossSumMaximum, 250}}, false},
        {{{Option::EvenMinimumCheck, 1}, {Option::EvenMinimum, 4},
          {Option::OddMinimumCheck, 1}, {Option::OddMinimum, 3}}, true},
        {{{Option::EvenMinimumCheck, 1}, {Option::EvenMinimum, 3},
          {Option::OddMinimumCheck, 1}, {Option::OddMinimum, 3}}, false},
        {{{Option::EvenMinimum, 4}, {Option::OddMinimum, 4}}, false}, // boxes off: no limit
        {{{Option::EvenMinimumCheck, 1}, {Option::EvenMinimum, 5},
          {Option::PrimeMinimumCheck, 1}, {Option::PrimeMinimum, 3}}, true},
        {{{Option::EvenMinimumCheck, 1}, {Option::EvenMinimum, 5},
          {Option::PrimeMinimumCheck, 1}, {Option::PrimeMinimum, 2}}, false},
        {{{Option::EvenMinimumCheck, 1}, {Option::EvenMinimum, 1},
          {Option::PrimeMinimumCheck, 1}, {Option::PrimeMinimum, 6}}, false}, // 2,3,5,7,11,13
    };
    for (const auto& c : cases) {
        Options options;
        for (const auto& [option, value] : c.options)
            options.set(option, value);
        const auto refusal = impossibleOptions(options);
        EXPECT_EQ(refusal.has_value(), c.refused) << (refusal ? refusal->toStdString() : "");
    }
}

// Without a pass hook the run takes a quicker way through its candidates, which must not change
// a single decision. A hook that lets every pass run makes it go the plain way; over random
// option sets, locked rows, dates and seeds both ways end with the same sheet, passes, options
// and random state.
TEST(GenerationRun, APassHookThatLetsEveryPassRunChangesNothing)
{
    std::mt19937 rng(20261209);
    auto below = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const std::array<const char*, 5> dates{"19.11.1994", "07.07.2001", "14.03.2020",
                                           "01.06.2023", "03.03.2025"};
    const std::array<int, 7> budgets{1, 2, 5, 6, 10, 11, 21};
    int madeRows = 0;
    int refusedRuns = 0;
    for (int i = 0; i < 100; ++i) {
        ProgramState quick = stateFor(dates[static_cast<std::size_t>(below(5))], rng());
        test::setRandomOptions(quick.options, below, 3, Option::ShowWeightingList);
        set(quick, Option::RunBudgetThousands, budgets[static_cast<std::size_t>(below(7))]);
        // A locked row may hold a number twice.
        if (below(3) == 0) {
            const int row = 1 + below(12);
            std::array<int, 6> numbers{};
            for (int& n : numbers)
                n = 1 + below(49);
            quick.sheet.setRow(row, numbers);
            quick.sheet.setLocked(row, true);
        }
        ProgramState plain = quick;
        int hookCalls = 0;
        GenerationHooks hooks;
        hooks.pass = [&](const GenerationPass&) {
            ++hookCalls;
            return true;
        };
        const GenerationResult a = generateTips(quick, history());
        const GenerationResult b = generateTips(plain, history(), hooks);
        ASSERT_EQ(rowStrings(quick), rowStrings(plain)) << i;
        EXPECT_EQ(a.passes, b.passes) << i;
        EXPECT_EQ(b.passes, hookCalls) << i;
        EXPECT_EQ(a.status, b.status) << i;
        EXPECT_EQ(quick.random.seed(), plain.random.seed()) << i;
        EXPECT_TRUE(quick.options == plain.options) << i;
        for (int r = 1; r <= TipSheet::kRows; ++r)
            madeRows += !quick.sheet.locked(r) && quick.sheet.numbers(r).has_value();
        refusedRuns += a.budgetExhausted;
    }
    // The cases are worth something only if rows were both made and refused.
    EXPECT_GT(madeRows, 300);
    EXPECT_GT(refusedRuns, 10);
}
