// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/showndraw.h"
#include "core/program/drawactions.h"
#include "testsupport.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vendrilo;
using vendrilo::test::draw;

namespace {

const double kStart = kPickerMinDate;

std::vector<DrawRecord> threeDraws()
{
    return {draw("04.01.1997", {1, 2, 3, 4, 5, 6}, 49), draw("08.01.1997", {7, 8, 9, 10, 11, 12}),
            draw("11.01.1997", {3, 11, 19, 27, 35, 43}, 1, 5)};
}

QString dayName(const char* date)
{
    return QLocale::system().dayName(dateFromDay(*parseDate(date)).dayOfWeek(),
                                     QLocale::ShortFormat);
}

} // namespace

TEST(ShownDraw, ShowWritesDrawLineAndCrossSumOfTheSixNumbersOnly)
{
    ShownDraw s;
    s.show(draw("04.01.1997", {1, 2, 3, 4, 5, 6}, 49, 7));
    EXPECT_EQ(s.drawLine, dayName("04.01.1997") + " 04.01.97    1  2  3  4  5  6");
    EXPECT_EQ(s.crossSumText, "QS: 21");
    EXPECT_EQ(s.numbers[7], 49);
    EXPECT_EQ(s.numbers[8], 7);
}

TEST(Navigation, ThreeRecordsShownAtTheLast)
{
    ShownDraw s;
    DatePicker picker1(kStart);
    const auto records = threeDraws();
    s.position = 2;
    s.step(records, +1, picker1);
    EXPECT_EQ(s.position, 2) << "next past the last draw stays on it";
    EXPECT_EQ(s.crossSumText, "QS: 138");
    EXPECT_EQ(picker1.date(), *parseDate("11.01.1997"));

    s.step(records, -1, picker1);
    EXPECT_EQ(s.position, 1);
    s.step(records, -1, picker1);
    EXPECT_EQ(s.position, 1) << "stepping back stops at index 1";
    EXPECT_EQ(s.date, *parseDate("08.01.1997"));
}

TEST(Navigation, OneRecordAndEmptyFile)
{
    DatePicker picker1(kStart + 100);
    ShownDraw one;
    const std::vector<DrawRecord> single{draw("04.01.1997", {1, 2, 3, 4, 5, 6})};
    one.step(single, -1, picker1);
    EXPECT_EQ(one.position, 0);
    EXPECT_EQ(one.crossSumText, "QS: 21");
    one.step(single, +1, picker1);
    EXPECT_EQ(one.position, 0);

    ShownDraw empty;
    empty.position = 3;
    DatePicker picker(kStart + 100);
    empty.step({}, +1, picker);
    EXPECT_EQ(empty.position, 0);
    EXPECT_EQ(empty.date, 0);
    EXPECT_EQ(empty.crossSumText, "QS: 0");
    EXPECT_EQ(picker.date(), kStart + 100) << "the picker refuses day 0";
}

TEST(Navigation, MissingFileChangesNothing)
{
    QTemporaryDir dir;
    ProgramState state;
    state.programFolder = dir.path();
    state.shown.show(draw("04.01.1997", {1, 2, 3, 4, 5, 6}));
    state.shown.position = 5;
    state.chosenDate.setDate(kStart + 10);
    const ShownDraw before = state.shown;
    const auto result = showNextDraw(state);
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.error().contains("ZahlenPL.dat"));
    EXPECT_EQ(state.shown.position, before.position);
    EXPECT_EQ(state.shown.drawLine, before.drawLine);
    EXPECT_EQ(state.chosenDate.date(), kStart + 10);
    EXPECT_FALSE(QFile::exists(dir.filePath("ZahlenPL.dat"))) << "stepping creates no file";
}

TEST(DateSearch, FindsTheFirstDrawOnOrAfterTheDayElseTheLast)
{
    const auto records = threeDraws();
    struct Case {
        const char* day;
        int position;
        const char* shown;
    } cases[] = {
        {"01.01.1997", 0, "04.01.1997"}, // before the first draw
        {"04.01.1997", 0, "04.01.1997"},
        {"05.01.1997", 1, "08.01.1997"}, // between two draws: the later one
        {"11.01.1997", 2, "11.01.1997"},
        {"20.02.1997", 2, "11.01.1997"}, // after the last draw
    };
    for (const auto& c : cases) {
        ShownDraw s;
        DatePicker picker1(*parseDate(c.day));
        EXPECT_EQ(s.dateSearch(records, picker1), ShownDraw::SearchOutcome::Shown) << c.day;
        EXPECT_EQ(s.position, c.position) << c.day;
        EXPECT_EQ(formatDate(s.date), c.shown) << c.day;
        EXPECT_EQ(picker1.date(), s.date) << c.day;
    }
}

TEST(DateSearch, FirstRecordGetsOneMoreBlankUnlessItIsTheOnlyOne)
{
    ShownDraw s;
    DatePicker picker1(*parseDate("01.01.1997"));
    s.dateSearch(threeDraws(), picker1);
    EXPECT_EQ(s.drawLine, dayName("04.01.1997") + " 04.01.97     1  2  3  4  5  6");

    ShownDraw single;
    DatePicker p(*parseDate("01.01.1997"));
    single.dateSearch({draw("04.01.1997", {1, 2, 3, 4, 5, 6})}, p);
    EXPECT_EQ(single.drawLine, dayName("04.01.1997") + " 04.01.97    1  2  3  4  5  6");
}

TEST(DateSearch, AnEmptyFileShowsNothing)
{
    ShownDraw s;
    s.show(draw("04.01.1997", {1, 2, 3, 4, 5, 6}));
    s.position = 7;
    DatePicker picker1(kStart + 10);
    EXPECT_EQ(s.dateSearch({}, picker1), ShownDraw::SearchOutcome::EmptyFile);
    EXPECT_EQ(s.position, 0);
    EXPECT_EQ(s.crossSumText, "QS: 21") << "the previous draw stays";
    EXPECT_EQ(picker1.date(), *parseDate("04.01.1997")) << "it takes the date still shown";
}
