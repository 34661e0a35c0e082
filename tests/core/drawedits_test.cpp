// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/dates.h"
#include "core/draws/drawedits.h"
#include "core/tipfiles/printout.h"
#include "testsupport.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace vendrilo;
using test::day;
using test::draw;

namespace {

std::vector<QString> dates(const std::vector<DrawRecord>& records)
{
    std::vector<QString> out;
    for (const DrawRecord& r : records)
        out.push_back(formatDate(r.date));
    return out;
}

QList<QByteArray> lines(std::initializer_list<const char*> texts)
{
    QList<QByteArray> out;
    for (const char* t : texts)
        out << QByteArray(t);
    return out;
}

// 04.06.1986 is a Wednesday; the two draws before it on a Wednesday are no real draws.
const std::vector<DrawRecord> kHistory = {
    draw("28.05.1986", {1, 2, 3, 4, 5, 6}),       // Wednesday, dropped by a rewrite
    draw("31.05.1986", {7, 8, 9, 10, 11, 12}),    // Saturday
    draw("04.06.1986", {13, 14, 15, 16, 17, 18}), // Wednesday on the cut-off day: kept
    draw("07.06.1986", {19, 20, 21, 22, 23, 24}), draw("14.06.1986", {25, 26, 27, 28, 29, 30}),
};

} // namespace

TEST(DrawEntry, TheTemplateIsTheDrawOfTheDayElseTheLast)
{
    EXPECT_EQ(entryTemplate(kHistory, day("07.06.1986"))->numbers[0], 19);
    EXPECT_EQ(entryTemplate(kHistory, day("08.06.1986"))->numbers[0], 25);
    EXPECT_FALSE(entryTemplate({}, day("08.06.1986")).has_value());
}

TEST(DrawEntry, CorrectionInsertionAppendAndTheOldWednesdays)
{
    // A correction keeps the place (and, but for the dropped Wednesday, the length), sorted.
    DrawRecord corrected = draw("07.06.1986", {40, 2, 17, 9, 33, 21}, 5);
    auto out = withEnteredDraw(kHistory, corrected);
    ASSERT_EQ(out.size(), kHistory.size() - 1);
    EXPECT_EQ(dates(out),
              (std::vector<QString>{"31.05.1986", "04.06.1986", "07.06.1986", "14.06.1986"}));
    EXPECT_EQ(out[2].numbers, (std::array<std::uint8_t, 6>{2, 9, 17, 21, 33, 40}));
    EXPECT_EQ(out[2].bonus, 5);
    // Between two stored draws: inserted there.
    out = withEnteredDraw(kHistory, draw("10.06.1986", {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(dates(out), (std::vector<QString>{"31.05.1986", "04.06.1986", "07.06.1986",
                                                "10.06.1986", "14.06.1986"}));
    // Two stored draws of the same day are both replaced by the one entered.
    std::vector<DrawRecord> twice = kHistory;
    twice.insert(twice.begin() + 4, draw("07.06.1986", {31, 32, 33, 34, 35, 36}));
    out = withEnteredDraw(twice, draw("07.06.1986", {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(std::count_if(out.begin(), out.end(),
                            [](const DrawRecord& r) { return r.date == day("07.06.1986"); }),
              1);
    // After every stored draw: added at the end, nothing else touched.
    out = withEnteredDraw(kHistory, draw("18.06.1986", {6, 5, 4, 3, 2, 1}));
    ASSERT_EQ(out.size(), kHistory.size() + 1);
    EXPECT_EQ(formatDate(out.back().date), "18.06.1986");
    EXPECT_EQ(out.front().date, kHistory.front().date); // no rewrite: the Wednesday stays
    EXPECT_EQ(out.back().numbers, (std::array<std::uint8_t, 6>{1, 2, 3, 4, 5, 6}));
}

TEST(DrawEntry, DeletingADayRemovesEveryRecordOfIt)
{
    std::vector<DrawRecord> twice = kHistory;
    twice.push_back(draw("14.06.1986", {41, 42, 43, 44, 45, 46}));
    const auto out = withoutDrawsOf(twice, day("14.06.1986"));
    EXPECT_EQ(dates(out),
              (std::vector<QString>{"28.05.1986", "31.05.1986", "04.06.1986", "07.06.1986"}));
}

TEST(DrawImport, PresentAddedAndRefusedLinesWithReasons)
{
    const auto result =
        importDraws(kHistory, lines({"0002,31.05.1986,07,08,09,10,11,12", // present (leading zeros)
                                     "",                                  // blank: not counted
                                     "6. 21.06.1986 3, 1,2\t4 5 6",       // added, blanks and tabs
                                     "7,21.06.1986,7,8,9,10,11,12",       // a second draw that day
                                     "8,21.06.1986,7,8,9,10,11,12",       // the same again: present
                                     "9,14.06.1986,1,2,3,4,5,6",  // another draw of a stored day
                                     "10,31.06.1986,1,2,3,4,5,6", // no calendar date
                                     "11,18.06.1986,1,2,3,4,5",   // five numbers
                                     "12,18.06.1986,1,2,3,4,5,0", // out of range
                                     "13,18.06.1986,1,2,3,4,5,5", // twice
                                     "Datum;Zahlen",              // no draw line
                                     "14,17.06.1986,49,48,47,46,45,44"})); // added, between
    EXPECT_TRUE(result.foundAnyDraw);
    EXPECT_EQ(result.added, 3);
    EXPECT_EQ(result.present, 2);
    EXPECT_EQ(result.refused, (std::vector<RefusedLine>{
                                  {6, ImportProblem::DiffersFromStored, ""},
                                  {7, ImportProblem::NoCalendarDate, "31.06.1986"},
                                  {8, ImportProblem::NumberCount, "5"},
                                  {9, ImportProblem::NotANumber, "0"},
                                  {10, ImportProblem::NumberTwice, "5"},
                                  {11, ImportProblem::NotADrawLine, ""},
                              }));
    EXPECT_EQ(dates(result.records),
              (std::vector<QString>{"28.05.1986", "31.05.1986", "04.06.1986", "07.06.1986",
                                    "14.06.1986", "17.06.1986", "21.06.1986", "21.06.1986"}));
    EXPECT_EQ(result.records[5].numbers, (std::array<std::uint8_t, 6>{44, 45, 46, 47, 48, 49}));
    EXPECT_EQ(result.records[6].bonus, 0);
    // Nothing that looks like a draw: a picture, a tip file, an empty file.
    EXPECT_FALSE(importDraws(kHistory, lines({"\x89PNG", "1,2,3,4,5,6", ""})).foundAnyDraw);
}

TEST(Printout, TheLinesOfTippTxt)
{
    TipSheet sheet;
    const DrawDayFilter both;
    const MessageList messages;
    // No stored draws near the day: the calendar's two-draws-a-week fallback.
    const std::vector<DrawRecord> none;
    const double saturday = day("12.12.2026");
    auto lines = printoutLines(sheet, none, saturday, both, messages);
    ASSERT_TRUE(lines.ok());
    ASSERT_EQ(lines->size(), 3);
    const QDate wednesdayAfter = dateFromDay(saturday + 4);
    EXPECT_EQ(wednesdayAfter.dayOfWeek(), 3);
    EXPECT_TRUE(lines->at(0).endsWith(
        "Tipp für " + QLocale::system().dayName(3, QLocale::LongFormat) + " 16.12.26"));
    EXPECT_EQ(lines->at(1), QString(46, '~'));
    EXPECT_EQ(lines->at(2), "");
    EXPECT_EQ(printoutDate(none, day("16.12.2026"), both), day("19.12.2026")); // Wed → Sat
    EXPECT_EQ(printoutDate(none, saturday, {true, false}), saturday + 7);
    // A Tuesday/Thursday/Saturday history: the Thursday after a Tuesday; one box: a week on.
    const std::vector<DrawRecord> tts{
        draw("08.12.2026", {1, 2, 3, 4, 5, 6}), draw("10.12.2026", {1, 2, 3, 4, 5, 6}),
        draw("12.12.2026", {1, 2, 3, 4, 5, 6}), draw("15.12.2026", {1, 2, 3, 4, 5, 6})};
    EXPECT_EQ(printoutDate(tts, day("15.12.2026"), both), day("17.12.2026"));
    EXPECT_EQ(printoutDate(tts, saturday, both), day("15.12.2026"));
    EXPECT_EQ(printoutDate(tts, saturday, {false, true}), saturday + 7);

    sheet.setRow(1, {3, 7, 12, 25, 33, 49});
    sheet.setRow(3, {1, 2, 10, 20, 30, 40});
    sheet.setField(5, 2, "8"); // no first field: left out
    lines = printoutLines(sheet, none, saturday, both, messages);
    ASSERT_TRUE(lines.ok());
    ASSERT_EQ(lines->size(), 5);
    EXPECT_EQ(lines->at(3), " 1. Tipp:  3    7   12   25   33   49");
    EXPECT_EQ(lines->at(3).size(), 37);
    EXPECT_EQ(lines->at(4), " 3. Tipp:  1    2   10   20   30   40");
    sheet.setRow(11, {5, 6, 7, 8, 9, 10});
    EXPECT_TRUE(
        printoutLines(sheet, none, saturday, both, messages)->last().startsWith("11. Tipp:  5"));

    // A filled row with an empty field cannot be printed.
    sheet.setField(3, 4, "");
    lines = printoutLines(sheet, none, saturday, both, messages);
    ASSERT_FALSE(lines.ok());
    EXPECT_EQ(lines.error(), "'' ist kein gültiger Integerwert");
}
