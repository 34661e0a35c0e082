// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/sheetactions.h"
#include "testsupport.h"

#include <deque>
#include <gtest/gtest.h>

using namespace vendrilo;
using test::day;
using test::draw;

namespace {

// Records what the window would show.
struct Recorder : TipSearchObserver {
    QStringList events;
    void searchStarted() override { events << QStringLiteral("start"); }
    void drawExamined(const ShownDraw& shown) override
    {
        events << QStringLiteral("draw ") + shown.drawLine;
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

struct TipSearch : testing::Test {
    QTemporaryDir dir;
    ProgramState s;
    test::ScriptedPrompts prompts;
    Recorder recorder;

    void SetUp() override
    {
        s.programFolder = dir.path() + QLatin1Char('/');
        // Tuesday, Wednesday, Thursday, Saturday; the Wednesday is the first day of the period.
        test::writeDrawFile(dir, {draw("28.02.2023", {40, 41, 42, 43, 44, 45}, 46),
                                  draw("01.03.2023", {1, 2, 3, 4, 5, 6}, 7),
                                  draw("02.03.2023", {1, 2, 3, 10, 11, 12}, 13),
                                  draw("04.03.2023", {20, 21, 22, 23, 24, 25}, 26),
                                  draw("08.03.2023", {1, 2, 3, 4, 5, 6}, 7)});
        s.statisticsStart = DatePicker(day("01.03.2023"), 0);
        s.chosenDate = DatePicker(day("04.03.2023"), 0);
        s.sheet.setRow(1, {6, 5, 4, 3, 2, 1});
        s.sheet.setRow(2, {1, 2, 3, 30, 31, 7});
    }

    TipSearchResult search(TipSearchObserver* observer = nullptr)
    {
        const auto result = searchHistoryForTips(s, prompts, observer);
        EXPECT_TRUE(result.ok());
        return result.ok() ? *result : TipSearchResult{};
    }
};

TEST_F(TipSearch, AsksForTheThresholdAndWalksThePeriodIncludingBothEnds)
{
    prompts.inputAnswers = {QStringLiteral("7")}; // more than any row can reach
    const TipSearchResult r = search(&recorder);
    EXPECT_TRUE(r.started);
    EXPECT_EQ(r.examined, 3); // 01.03., 02.03. (a Thursday) and 04.03.
    EXPECT_EQ(r.hits, 0);
    ASSERT_FALSE(prompts.asked.isEmpty());
    EXPECT_EQ(prompts.asked.front(),
              QStringLiteral("Bei wievielen Zahlen Übereinstellung stoppen? | Tipp-Test | 6"));
    // The last draw examined stays shown; rows keep their order, labels from that draw.
    EXPECT_EQ(s.shown.date, day("04.03.2023"));
    EXPECT_EQ(s.shown.crossSumText, QStringLiteral("QS: 135"));
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
    prompts.inputAnswers = {QStringLiteral("3")};
    prompts.yesNoAnswers = {true, true, true, true};
    const TipSearchResult r = search(&recorder);
    EXPECT_FALSE(r.stopped);
    EXPECT_EQ(r.hits, 4);
    EXPECT_EQ(r.examined, 3);
    EXPECT_TRUE(prompts.yesNoAnswers.empty());
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
    prompts.inputAnswers = {QStringLiteral("3")};
    prompts.yesNoAnswers = {true, false};
    const TipSearchResult r = search(&recorder);
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
    EXPECT_EQ(s.statistics[6][0], 1u);
    EXPECT_EQ(s.statistics[3][1], 1u);
    EXPECT_EQ(s.shown.date, day("01.03.2023"));
    const QStringList expected = {QStringLiteral("row 1 6 red"), QStringLiteral("sheet max 6"),
                                  QStringLiteral("row 2 3 + B red"), QStringLiteral("sheet max 6")};
    EXPECT_EQ(recorder.events.mid(2, 4), expected);
}

TEST_F(TipSearch, CancelTakesTheDefaultAndBadAnswersDoNotStart)
{
    // A cancelled box answers its default "6": only row 1 on 01.03. reaches it.
    prompts.yesNoAnswers = {true};
    EXPECT_EQ(search().hits, 1);

    const double shownBefore = s.shown.date;
    prompts.inputAnswers = {QStringLiteral("sechs")};
    const TipSearchResult r = search(&recorder);
    EXPECT_FALSE(r.started);
    EXPECT_EQ(r.examined, 0);
    EXPECT_TRUE(recorder.events.isEmpty());
    EXPECT_EQ(s.shown.date, shownBefore);
}

TEST_F(TipSearch, DrawDayFilterAppliesAndAnUnreadableFileIsReported)
{
    s.options.set(Option::OtherDayDraws, 0); // weekend draws only
    prompts.inputAnswers = {QStringLiteral("7"), QStringLiteral("7")};
    EXPECT_EQ(search().examined, 1);
    EXPECT_EQ(s.shown.date, day("04.03.2023"));

    s.drawFileName = QStringLiteral("missing.dat");
    const auto r = searchHistoryForTips(s, prompts);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.error().contains("missing.dat"));
}

} // namespace
