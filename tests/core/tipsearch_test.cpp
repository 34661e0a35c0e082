#include "core/app/programstate.h"
#include "core/app/prompts.h"
#include "core/evaluation/tipsearch.h"
#include "testsupport.h"

#include <deque>
#include <gtest/gtest.h>

using namespace vendrilo;
using test::draw;

namespace {

// Answers from a script and keeps what was asked.
struct ScriptedPrompts : Prompts {
    QString threshold;
    bool cancelInput = false;
    std::deque<bool> answers;
    QStringList asked;

    void message(const QString& text) override { asked << QStringLiteral("message: ") + text; }
    bool askYesNo(const QString& caption, const QString& text) override
    {
        asked << caption + QStringLiteral(" | ") + text;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question";
            return false;
        }
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    QString inputText(const QString& caption, const QString& prompt, const QString& def) override
    {
        asked << caption + QStringLiteral(" | ") + prompt + QStringLiteral(" | ") + def;
        return cancelInput ? def : threshold;
    }
};

// Records what the window would show.
struct Recorder : TipSearchObserver {
    QStringList events;
    void searchStarted() override { events << QStringLiteral("start"); }
    void drawExamined(const ShownDraw& shown) override
    {
        events << QStringLiteral("draw ") + shown.label29;
    }
    void rowChecked(int row, const TipSheet::Row& r) override
    {
        events << QStringLiteral("row %1 %2%3")
                      .arg(row)
                      .arg(r.hitsLabel, r.hitsRed ? QStringLiteral(" red") : QString());
    }
    void sheetEvaluated(const SheetEvaluation& e) override
    {
        events << QStringLiteral("sheet max %1").arg(e.maximum);
    }
};

double day(const char* ddmmyyyy)
{
    return *parseDate(QString::fromLatin1(ddmmyyyy));
}

struct TipSearch : testing::Test {
    QTemporaryDir dir;
    ProgramState s;
    ScriptedPrompts prompts;
    Recorder recorder;

    void SetUp() override
    {
        s.Home = dir.path() + QLatin1Char('/');
        s.sortieren = true;
        // Tuesday, Wednesday, Thursday, Saturday; the Wednesday is the first day of the period.
        test::writeDrawFile(dir, {draw("28.02.2023", {40, 41, 42, 43, 44, 45}, 46),
                                  draw("01.03.2023", {1, 2, 3, 4, 5, 6}, 7),
                                  draw("02.03.2023", {1, 2, 3, 10, 11, 12}, 13),
                                  draw("04.03.2023", {20, 21, 22, 23, 24, 25}, 26),
                                  draw("08.03.2023", {1, 2, 3, 4, 5, 6}, 7)});
        s.picker2 = DatePicker(day("01.03.2023"), 0);
        s.picker1 = DatePicker(day("04.03.2023"), 0);
        s.sheet.setRow(1, {6, 5, 4, 3, 2, 1});
        s.sheet.setRow(2, {1, 2, 3, 30, 31, 7});
    }
};

TEST_F(TipSearch, AsksForTheThresholdAndWalksThePeriodIncludingBothEnds)
{
    prompts.threshold = QStringLiteral("7"); // more than any row can reach
    const TipSearchResult r = SpeedButton4Click(s, prompts, &recorder);
    EXPECT_TRUE(r.started);
    EXPECT_EQ(r.examined, 3); // 01.03., 02.03. (a Thursday) and 04.03.
    EXPECT_EQ(r.hits, 0);
    ASSERT_FALSE(prompts.asked.isEmpty());
    EXPECT_EQ(prompts.asked.front(),
              QStringLiteral("Bei wievielen Zahlen Übereinstellung stoppen? | Tipp-Test | 6"));
    // The last draw examined stays shown; rows keep their order, labels from that draw.
    EXPECT_EQ(s.shown.Datum1, day("04.03.2023"));
    EXPECT_EQ(s.shown.label13, QStringLiteral("QS: 135"));
    EXPECT_EQ(s.shown.label35, s.shown.label29);
    EXPECT_EQ(s.sheet.rowString(1), QStringLiteral("6,5,4,3,2,1"));
    EXPECT_EQ(s.sheet.row(1).hitsLabel, QStringLiteral("0"));
    EXPECT_EQ(s.sheet.row(3).hitsLabel, QStringLiteral("0")); // an empty row scores 0
    EXPECT_EQ(recorder.events.count(), 1 + 3 * 13);
    EXPECT_EQ(recorder.events.front(), QStringLiteral("start"));
    EXPECT_EQ(recorder.events.at(3), QStringLiteral("row 2 3 + B red")); // 01.03.
}

TEST_F(TipSearch, YesGoesOnWithTheNextRowOfTheSameDraw)
{
    // 01.03.: row 1 six hits, row 2 three and the bonus; 02.03.: rows 1 and 2 three each.
    prompts.threshold = QStringLiteral("3");
    prompts.answers = {true, true, true, true};
    const TipSearchResult r = SpeedButton4Click(s, prompts, &recorder);
    EXPECT_FALSE(r.stopped);
    EXPECT_EQ(r.hits, 4);
    EXPECT_EQ(r.examined, 3);
    EXPECT_TRUE(prompts.answers.empty());
    QStringList dates;
    for (const QString& q : prompts.asked.mid(1))
        dates << q.section(QLatin1Char(':'), 1).left(10);
    EXPECT_EQ(dates, (QStringList{QStringLiteral("01.03.2023"), QStringLiteral("01.03.2023"),
                                  QStringLiteral("02.03.2023"), QStringLiteral("02.03.2023")}));
    // After row 1's evaluation, row 2 of the same draw is checked, then rows 3..12.
    EXPECT_EQ(recorder.events.at(4), QStringLiteral("row 2 3 + B red"));
    EXPECT_EQ(recorder.events.at(6), QStringLiteral("row 3 0"));
}

TEST_F(TipSearch, NoStopsAtOnceAndLeavesTheHitDrawEvaluated)
{
    prompts.threshold = QStringLiteral("3");
    prompts.answers = {true, false};
    const TipSearchResult r = SpeedButton4Click(s, prompts, &recorder);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.hits, 2);
    EXPECT_EQ(r.examined, 1);
    ASSERT_EQ(prompts.asked.size(), 3);
    EXPECT_EQ(prompts.asked.at(1),
              QStringLiteral("Ziehung gefunden | Ein Treffer gefunden am :01.03.2023   Weiter?"));
    // The row that hit first was evaluated with the whole sheet: sorted and coloured.
    EXPECT_EQ(s.sheet.rowString(1), QStringLiteral("1,2,3,4,5,6"));
    EXPECT_EQ(s.sheet.row(1).colours[0], FieldColour::Lime);
    EXPECT_EQ(s.sheet.rowString(2), QStringLiteral("1,2,3,7,30,31"));
    EXPECT_EQ(s.Statistik[6][0], 1u);
    EXPECT_EQ(s.Statistik[3][1], 1u);
    EXPECT_EQ(s.shown.Datum1, day("01.03.2023"));
    const QStringList expected = {QStringLiteral("row 1 6 red"), QStringLiteral("sheet max 6"),
                                  QStringLiteral("row 2 3 + B red"), QStringLiteral("sheet max 6")};
    EXPECT_EQ(recorder.events.mid(2, 4), expected);
}

TEST_F(TipSearch, CancelTakesTheDefaultAndBadAnswersDoNotStart)
{
    prompts.cancelInput = true; // the default "6": only row 1 on 01.03. reaches it
    prompts.answers = {true};
    EXPECT_EQ(SpeedButton4Click(s, prompts).hits, 1);

    const double shownBefore = s.shown.Datum1;
    prompts.cancelInput = false;
    prompts.threshold = QStringLiteral("sechs");
    const TipSearchResult r = SpeedButton4Click(s, prompts, &recorder);
    EXPECT_FALSE(r.started);
    EXPECT_EQ(r.examined, 0);
    EXPECT_TRUE(recorder.events.isEmpty());
    EXPECT_EQ(s.shown.Datum1, shownBefore);
}

TEST_F(TipSearch, DrawDayFilterAppliesAndAnUnreadableFileIsReported)
{
    s.options.set(QStringLiteral("CheckBox17"), 0); // weekend draws only
    prompts.threshold = QStringLiteral("7");
    EXPECT_EQ(SpeedButton4Click(s, prompts).examined, 1);
    EXPECT_EQ(s.shown.Datum1, day("04.03.2023"));

    s.ZahlenFile = QStringLiteral("missing.dat");
    const TipSearchResult r = SpeedButton4Click(s, prompts);
    EXPECT_TRUE(r.error);
}

} // namespace
