#include "core/app/programstate.h"
#include "core/draws/drawfile.h"
#include "core/generator/generationrun.h"
#include "core/generator/pastwintests.h"
#include "testsupport.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

using namespace vendrilo;

namespace {

const DrawHistory& history()
{
    static const DrawHistory h(shippedHistory());
    return h;
}

ProgramState stateFor(const char* date, quint32 seed)
{
    ProgramState s;
    s.picker1.setDate(*parseDate(QString::fromLatin1(date)));
    s.random.setSeed(seed);
    return s;
}

void set(ProgramState& s, const char* name, int value)
{
    ASSERT_TRUE(s.options.set(QString::fromLatin1(name), value)) << name;
}

std::vector<QString> rowStrings(const ProgramState& s)
{
    std::vector<QString> rows;
    for (int r = 1; r <= TipSheet::kRows; ++r)
        rows.push_back(s.sheet.rowString(r));
    return rows;
}

struct ScriptedPrompts : Prompts {
    QString answer; // empty: cancel, which returns the proposal
    QString proposal;
    std::vector<QString> messages;
    QString caption, prompt;

    void message(const QString& text) override { messages.push_back(text); }
    bool askYesNo(const QString&, const QString&) override { return true; }
    QString inputText(const QString& c, const QString& p, const QString& defaultText) override
    {
        caption = c;
        prompt = p;
        proposal = defaultText;
        return answer.isEmpty() ? defaultText : answer;
    }
};

} // namespace

TEST(GenerationRun, SameSeedSameSheet)
{
    ProgramState a = stateFor("01.06.2023", 4711);
    ProgramState b = stateFor("01.06.2023", 4711);
    const GenerationResult ra = Label28Click(a, history());
    const GenerationResult rb = Label28Click(b, history());
    EXPECT_EQ(rowStrings(a), rowStrings(b));
    EXPECT_EQ(ra.passes, rb.passes);
    EXPECT_EQ(ra.status, QStringLiteral("Tipps wurden neu berechnet"));

    ProgramState c = stateFor("01.06.2023", 4712);
    Label28Click(c, history());
    EXPECT_NE(rowStrings(a), rowStrings(c));
}

TEST(GenerationRun, RowsKeepTheDefaultLimitsOverManySeeds)
{
    for (quint32 seed = 1; seed <= 40; ++seed) {
        ProgramState s = stateFor("14.03.2020", seed * 7919);
        const GenerationResult result = Label28Click(s, history());
        ASSERT_EQ(result.outcome, GenerationOutcome::Finished);
        ASSERT_FALSE(result.budgetExhausted) << seed;
        // Draw A is the draw the date search shows again after the run.
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(result.draws.A[static_cast<std::size_t>(i)], s.shown.Zahl[i + 1]);
        EXPECT_EQ(s.sortieren, true);
        EXPECT_EQ(s.Berechnunglaeuft, false);
        for (int r = 1; r <= 12; ++r) {
            const auto numbers = s.sheet.numbers(r);
            ASSERT_TRUE(numbers) << seed << " row " << r;
            const std::set<int> distinct(numbers->begin(), numbers->end());
            EXPECT_EQ(distinct.size(), 6u);
            int sum = 0, fromA = 0, fromB = 0, fromC = 0;
            for (std::size_t p = 0; p < 6; ++p) {
                const int n = (*numbers)[p];
                EXPECT_TRUE(n >= 1 && n <= 49);
                if (p > 0)
                    EXPECT_LT((*numbers)[p - 1], n);
                if (p > 1)
                    EXPECT_FALSE((*numbers)[p - 2] + 2 == n && (*numbers)[p - 1] + 1 == n);
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
    for (const Case& c : {Case{"01.01.2021", 0, 1, 1}, Case{"02.01.2021", 0, 1, 1},
                          Case{"06.01.2021", 1, 1, 1}, Case{"07.01.2021", 2, 1, 1},
                          Case{"13.01.2021", 3, 2, 1}, Case{"20.01.2021", 3, 2, 1}}) {
        ProgramState s = stateFor(c.date, 3);
        s.picker2.setDate(*parseDate(QStringLiteral("19.11.1994")));
        set(s, "UpDown7", 1);
        const GenerationResult result = Label28Click(s, h);
        ASSERT_EQ(result.outcome, GenerationOutcome::Finished) << c.date;
        EXPECT_EQ(result.draws.A, bytes(c.A)) << c.date;
        EXPECT_EQ(result.draws.B, bytes(c.B)) << c.date;
        EXPECT_EQ(result.draws.C, bytes(c.C)) << c.date;
        // The chosen day itself is given back to the picker only through the date search.
        EXPECT_EQ(s.picker1.date(), h.records()[static_cast<std::size_t>(c.A)].date) << c.date;
    }
}

// The statistics period ends with the date the date search leaves in DateTimePicker1, which is
// draw A's, not the day chosen before it: draw A counts in the charts the pool is built from.
TEST(GenerationRun, TheStatisticsPeriodEndsWithDrawAsDate)
{
    const DrawHistory h({test::draw("02.01.2021", {1, 2, 3, 4, 5, 6}, 7),
                         test::draw("09.01.2021", {13, 14, 15, 16, 17, 18}, 19)});
    ProgramState s = stateFor("07.01.2021", 8);
    s.picker2.setDate(*parseDate(QStringLiteral("05.01.2021")));
    set(s, "CheckBox14", 0);
    set(s, "CheckBox10", 0);
    set(s, "CheckBox2", 1);
    set(s, "CheckBox4", 0);
    set(s, "UpDown7", 1);
    const GenerationResult result = Label28Click(s, h);
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
    bool Secheroderfuenfer(const TipRow&, int, bool) override { return true; }
    bool dreierodervierer(const TipRow&, int, int, bool) override
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
        for (const char* box : {"CheckBox3", "CheckBox24", "CheckBox18", "CheckBox4", "CheckBox5",
                                "CheckBox23", "CheckBox34", "CheckBox9"})
            set(s, box, 0);
        set(s, "UpDown1", 21);
        set(s, "UpDown2", 279);
        set(s, "UpDown7", 1);
        AcceptOnCall pastWins;
        pastWins.acceptedCall = acceptedPass;
        GenerationHooks hooks;
        hooks.pastWins = &pastWins;
        const GenerationResult result = Label28Click(s, history(), hooks);
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
    set(s, "UpDown7", 1);
    set(s, "CheckBox25", 1);
    set(s, "CheckBox26", 1);
    set(s, "UpDown15", 4);
    set(s, "UpDown16", 4);
    set(s, "CheckBox8", 1);
    const Options before = s.options;
    const GenerationResult result = Label28Click(s, history());
    EXPECT_EQ(result.passes, 1000);
    EXPECT_TRUE(result.budgetExhausted);
    EXPECT_EQ(result.status, QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen"));
    EXPECT_EQ(s.options, before);
    EXPECT_EQ(s.LaufMax, 1000);
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
    set(s, "CheckBox25", 1);
    set(s, "CheckBox26", 1);
    set(s, "UpDown15", 4);
    set(s, "UpDown16", 4);
    set(s, "CheckBox8", 1);
    const Options before = s.options;

    std::map<int, std::array<int, 4>> seen; // passes -> CheckBox8, UpDown4, UpDown5, UpDown6
    GenerationHooks hooks;
    hooks.pass = [&](const GenerationPass& p) {
        EXPECT_EQ(p.row, 3);
        seen[p.passes] = {s.options.value(QStringLiteral("CheckBox8")),
                          s.options.value(QStringLiteral("UpDown4")),
                          s.options.value(QStringLiteral("UpDown5")),
                          s.options.value(QStringLiteral("UpDown6"))};
        return true;
    };
    const GenerationResult result = Label28Click(s, history(), hooks);
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
    set(s, "CheckBox25", 1);
    set(s, "CheckBox26", 1);
    set(s, "UpDown15", 4);
    set(s, "UpDown16", 4);
    std::set<int> rowsSeen;
    int upDown5AtEnd = -1;
    GenerationHooks hooks;
    hooks.pass = [&](const GenerationPass& p) {
        rowsSeen.insert(p.row);
        upDown5AtEnd = s.options.value(QStringLiteral("UpDown5"));
        return true;
    };
    Label28Click(s, history(), hooks);
    EXPECT_EQ(rowsSeen, std::set<int>{1});
    EXPECT_EQ(upDown5AtEnd, 1);
}

TEST(GenerationRun, StopAtOnceLeavesZeroRows)
{
    ProgramState s = stateFor("01.06.2023", 1);
    s.sheet.setRow(4, {5, 10, 15, 20, 25, 30});
    s.sheet.setLocked(4, true);
    GenerationHooks hooks;
    hooks.pass = [](const GenerationPass&) { return false; };
    const GenerationResult result = Label28Click(s, history(), hooks);
    EXPECT_EQ(result.passes, 0);
    EXPECT_EQ(result.status, QStringLiteral("Tipps wurden neu berechnet"));
    for (int r = 1; r <= 12; ++r)
        EXPECT_EQ(s.sheet.numbers(r).has_value(), r == 4) << r;
}

TEST(GenerationRun, StopAfterTheSecondRowKeepsTheRowsMade)
{
    ProgramState s = stateFor("01.06.2023", 1);
    GenerationHooks hooks;
    hooks.pass = [](const GenerationPass& p) { return p.row < 3; };
    const GenerationResult result = Label28Click(s, history(), hooks);
    EXPECT_EQ(result.status, QStringLiteral("Tipps wurden neu berechnet"));
    for (int r = 1; r <= 12; ++r)
        EXPECT_EQ(s.sheet.numbers(r).has_value(), r <= 2) << r;
}

TEST(GenerationRun, ActiveRowCountLeavesTheOtherRowsEmpty)
{
    ProgramState s = stateFor("01.06.2023", 3);
    set(s, "UpDown8", 3);
    s.sheet.setRow(7, {7, 14, 21, 28, 35, 42});
    s.sheet.setLocked(7, true);
    std::vector<int> written;
    GenerationHooks hooks;
    hooks.rowWritten = [&](int r) { written.push_back(r); };
    Label28Click(s, history(), hooks);
    EXPECT_EQ(written.size(), 12u);
    for (int r = 1; r <= 12; ++r) {
        const bool filled = r <= 3 || r == 7;
        EXPECT_EQ(s.sheet.numbers(r).has_value(), filled) << r;
        if (!filled)
            EXPECT_EQ(s.sheet.row(r).crossSumLabel, QStringLiteral("0")) << r;
    }
    EXPECT_EQ(s.sheet.rowString(7), QStringLiteral("7,14,21,28,35,42"));
}

TEST(GenerationRun, LaterRowsSeeALockedRow)
{
    // No row may share a number with any other: the locked row 2 binds rows 3..12 only.
    for (quint32 seed : {11u, 12u, 13u}) {
        ProgramState s = stateFor("01.06.2023", seed);
        set(s, "CheckBox27", 1);
        set(s, "UpDown3", 0);
        set(s, "UpDown8", 6);
        set(s, "CheckBox28", 0);
        s.sheet.setRow(2, {1, 9, 17, 25, 33, 41});
        s.sheet.setLocked(2, true);
        Label28Click(s, history());
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
    const GenerationResult result = Label28Click(s, history());
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
    set(s, "CheckBox15", 1);
    set(s, "CheckBox14", 0);
    set(s, "CheckBox10", 0);
    const GenerationResult empty = Label28Click(s, history());
    EXPECT_EQ(empty.outcome, GenerationOutcome::PoolTooSmall);
    EXPECT_EQ(empty.pool.distinctNumbers(), 0);
    EXPECT_EQ(empty.passes, 0);
    EXPECT_EQ(s.sheet.rowString(1), QStringLiteral(",,,,,"));
    EXPECT_EQ(s.sheet.rowString(5), QStringLiteral("10,12,13,14,15,16"));
    EXPECT_TRUE(s.sortieren);
    EXPECT_FALSE(s.Berechnunglaeuft);

    // Five numbers from the weighting list, however often each stands, are still too few.
    set(s, "CheckBox15", 0);
    set(s, "CheckBox20", 1);
    GenerationHooks hooks;
    hooks.editPool = [](NumberPool& pool) {
        std::vector<int> weights(49, -1);
        for (int k : {1, 2, 3, 4, 5})
            weights[static_cast<std::size_t>(k - 1)] = 40;
        pool = poolFromWeights(weights);
        return true;
    };
    const GenerationResult five = Label28Click(s, history(), hooks);
    EXPECT_EQ(five.outcome, GenerationOutcome::PoolTooSmall);
    EXPECT_TRUE(five.message.contains(QStringLiteral(" 5 ")));
}

TEST(GenerationRun, TheWeightingListMayReplaceThePoolOrAbort)
{
    ProgramState s = stateFor("01.06.2023", 8);
    set(s, "CheckBox20", 1);
    GenerationHooks hooks;
    hooks.editPool = [](NumberPool& pool) {
        std::vector<int> weights(49, -1);
        for (int k : {4, 8, 15, 16, 23, 42, 44})
            weights[static_cast<std::size_t>(k - 1)] = 1;
        pool = poolFromWeights(weights);
        return true;
    };
    set(s, "CheckBox28", 0);
    set(s, "CheckBox3", 0);
    set(s, "UpDown8", 2);
    const GenerationResult made = Label28Click(s, history(), hooks);
    ASSERT_EQ(made.outcome, GenerationOutcome::Finished);
    for (int r = 1; r <= 2; ++r) {
        const auto numbers = s.sheet.numbers(r);
        ASSERT_TRUE(numbers) << r;
        for (int n : *numbers)
            EXPECT_TRUE(std::set<int>({4, 8, 15, 16, 23, 42, 44}).count(n)) << n;
    }

    hooks.editPool = [](NumberPool&) { return false; };
    const GenerationResult aborted = Label28Click(s, history(), hooks);
    EXPECT_EQ(aborted.outcome, GenerationOutcome::ListAborted);
    EXPECT_EQ(s.sheet.rowString(1), QStringLiteral(",,,,,"));
    EXPECT_TRUE(s.sortieren);
}

TEST(GenerationRun, TheDrawFileReferenceGivesTheSameSheet)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZahlenPL.dat"));
    ASSERT_FALSE(drawfile::rewrite(path, history().records()).has_value());
    for (quint32 seed : {21u, 22u}) {
        ProgramState fast = stateFor("03.02.2021", seed);
        ProgramState slow = stateFor("03.02.2021", seed);
        for (ProgramState* s : {&fast, &slow}) {
            set(*s, "UpDown6", 4);
            set(*s, "UpDown17", 2);
            set(*s, "UpDown21", 300);
        }
        const GenerationResult a = Label28Click(fast, history());
        // The period ends on draw A's day, which the run puts into DateTimePicker1.
        ProgramState probe = slow;
        probe.shown.dateSearch(history().records(), probe.picker1);
        DrawFilePastWins reference(
            path, {slow.picker2.date(), probe.picker1.date(), slow.drawDayFilter()});
        GenerationHooks hooks;
        hooks.pastWins = &reference;
        const GenerationResult b = Label28Click(slow, history(), hooks);
        EXPECT_EQ(rowStrings(fast), rowStrings(slow)) << seed;
        EXPECT_EQ(a.passes, b.passes) << seed;
    }
}

TEST(LuckyNumber, TheAnswerBecomesTheSeed)
{
    RandomSource random(123);
    MessageList messages;
    ScriptedPrompts prompts;
    prompts.answer = QStringLiteral("777");
    SpeedButton13Click(random, messages, prompts);
    EXPECT_EQ(random.seed(), 777u);
    EXPECT_EQ(prompts.caption, QStringLiteral("Ihre Glückszahl (1-99999999)?"));
    EXPECT_EQ(prompts.prompt,
              QStringLiteral("Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!"));
    RandomSource expected(123);
    EXPECT_EQ(prompts.proposal, QString::number(expected.next(99999)));

    prompts.answer = QStringLiteral("12x");
    SpeedButton13Click(random, messages, prompts);
    EXPECT_EQ(prompts.messages,
              std::vector<QString>{QStringLiteral("Fehler bei Eingabe der Zufallszahl")});
    EXPECT_EQ(random.seed(), 777u * 134775813u + 1u); // only the proposal's draw moved it

    prompts.answer.clear(); // cancel: the proposal is the answer
    SpeedButton13Click(random, messages, prompts);
    EXPECT_EQ(QString::number(random.seed()), prompts.proposal);
}

TEST(LuckyNumber, TheSameLuckyNumberGivesTheSameSheet)
{
    std::vector<QString> sheets[2];
    for (auto& sheet : sheets) {
        ProgramState s = stateFor("01.06.2023", 0);
        s.random.randomize();
        ScriptedPrompts prompts;
        prompts.answer = QStringLiteral("19101995");
        SpeedButton13Click(s.random, s.messages, prompts);
        Label28Click(s, history());
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
    s.Home = dir.path() + QLatin1Char('/');
    s.sheet.setRow(1, {1, 2, 3, 4, 5, 6});
    const GenerationResult result = Label28Click(s);
    EXPECT_EQ(result.outcome, GenerationOutcome::DrawFileMissing);
    EXPECT_EQ(result.message, kNoDrawFileMessage);
    EXPECT_TRUE(QFileInfo(s.drawPath()).isFile());
    EXPECT_EQ(s.sheet.rowString(1), QStringLiteral("1,2,3,4,5,6"));

    // The draw file read from the program folder gives the sheet the history in memory gives.
    ASSERT_FALSE(drawfile::rewrite(s.drawPath(), history().records()).has_value());
    ProgramState fromMemory = stateFor("01.06.2023", 1);
    Label28Click(fromMemory, history());
    const GenerationResult fromFile = Label28Click(s);
    EXPECT_EQ(fromFile.outcome, GenerationOutcome::Finished);
    EXPECT_EQ(rowStrings(s), rowStrings(fromMemory));
}

TEST(GenerationRun, ABudgetChangedDuringTheRunCountsAtOnce)
{
    ProgramState s = stateFor("01.06.2023", 5);
    set(s, "CheckBox25", 1);
    set(s, "CheckBox26", 1);
    set(s, "UpDown15", 4);
    set(s, "UpDown16", 4);
    GenerationHooks hooks;
    hooks.pass = [&](const GenerationPass& p) {
        if (p.passes == 100)
            s.LaufMax = 2000; // what UpDown7Changing does in the window
        return true;
    };
    const GenerationResult result = Label28Click(s, history(), hooks);
    EXPECT_EQ(result.passes, 2000);
    EXPECT_TRUE(result.budgetExhausted);
}
