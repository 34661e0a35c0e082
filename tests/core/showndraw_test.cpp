#include "core/draws/showndraw.h"
#include "testsupport.h"

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
    EXPECT_EQ(s.label29, dayName("04.01.1997") + " 04.01.97    1  2  3  4  5  6");
    EXPECT_EQ(s.label13, "QS: 21");
    EXPECT_EQ(s.label35, s.label29);
    EXPECT_EQ(s.Zahl[7], 49);
    EXPECT_EQ(s.Zahl[8], 7);
}

TEST(Navigation, ThreeRecordsShownAtTheLast)
{
    ShownDraw s;
    DatePicker picker1(kStart);
    const auto records = threeDraws();
    s.Position = 2;
    s.step(records, +1, kStart + 5, picker1);
    EXPECT_EQ(s.Position, 2) << "next past the last draw stays on it";
    EXPECT_EQ(s.label13, "QS: 138");
    EXPECT_EQ(s.aktDatum, kStart + 5);
    EXPECT_EQ(picker1.date(), *parseDate("11.01.1997"));

    s.step(records, -1, kStart, picker1);
    EXPECT_EQ(s.Position, 1);
    s.step(records, -1, kStart, picker1);
    EXPECT_EQ(s.Position, 1) << "stepping back stops at index 1";
    EXPECT_EQ(s.Datum1, *parseDate("08.01.1997"));
}

TEST(Navigation, OneRecordAndEmptyFile)
{
    DatePicker picker1(kStart + 100);
    ShownDraw one;
    const std::vector<DrawRecord> single{draw("04.01.1997", {1, 2, 3, 4, 5, 6})};
    one.step(single, -1, kStart, picker1);
    EXPECT_EQ(one.Position, 0);
    EXPECT_EQ(one.label13, "QS: 21");
    one.step(single, +1, kStart, picker1);
    EXPECT_EQ(one.Position, 0);

    ShownDraw empty;
    empty.Position = 3;
    DatePicker picker(kStart + 100);
    empty.step({}, +1, kStart, picker);
    EXPECT_EQ(empty.Position, 0);
    EXPECT_EQ(empty.Datum1, 0);
    EXPECT_EQ(empty.label13, "QS: 0");
    EXPECT_EQ(picker.date(), kStart + 100) << "the picker refuses day 0";
}

TEST(Navigation, MissingFileChangesNothing)
{
    QTemporaryDir dir;
    ShownDraw s;
    s.show(draw("04.01.1997", {1, 2, 3, 4, 5, 6}));
    s.Position = 5;
    const ShownDraw before = s;
    DatePicker picker1(kStart + 10);
    const auto error = s.stepNext(dir.filePath("ZahlenPL.dat"), kStart, picker1);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(s.Position, before.Position);
    EXPECT_EQ(s.label29, before.label29);
    EXPECT_EQ(picker1.date(), kStart + 10);
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
        EXPECT_EQ(s.Position, c.position) << c.day;
        EXPECT_EQ(formatDate(s.Datum1), c.shown) << c.day;
        EXPECT_EQ(picker1.date(), s.Datum1) << c.day;
        EXPECT_EQ(s.label35, s.label29);
    }
}

TEST(DateSearch, FirstRecordGetsOneMoreBlankUnlessItIsTheOnlyOne)
{
    ShownDraw s;
    DatePicker picker1(*parseDate("01.01.1997"));
    s.dateSearch(threeDraws(), picker1);
    EXPECT_EQ(s.label29, dayName("04.01.1997") + " 04.01.97     1  2  3  4  5  6");

    ShownDraw single;
    DatePicker p(*parseDate("01.01.1997"));
    single.dateSearch({draw("04.01.1997", {1, 2, 3, 4, 5, 6})}, p);
    EXPECT_EQ(single.label29, dayName("04.01.1997") + " 04.01.97    1  2  3  4  5  6");
}

TEST(DateSearch, MissingFileIsCreatedEmptyAndEmptyFileShowsNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ZahlenPL.dat");
    ShownDraw s;
    s.show(draw("04.01.1997", {1, 2, 3, 4, 5, 6}));
    DatePicker picker1(kStart + 10);
    EXPECT_EQ(s.dateSearch(path, picker1).outcome, ShownDraw::SearchOutcome::MissingFile);
    EXPECT_TRUE(QFileInfo(path).isFile());
    EXPECT_EQ(QFileInfo(path).size(), 0);

    EXPECT_EQ(s.dateSearch(path, picker1).outcome, ShownDraw::SearchOutcome::EmptyFile);
    EXPECT_EQ(s.Position, 0);
    EXPECT_EQ(s.label13, "QS: 21") << "the previous draw stays";
}
