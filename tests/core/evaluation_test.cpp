// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/drawactions.h"
#include "core/program/sheetactions.h"
#include "core/sheet/rowscore.h"
#include "core/draws/drawfile.h"
#include "core/texts/textlist.h"
#include "core/sheet/sheetevaluation.h"
#include "testsupport.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace vendrilo;

namespace {

DrawNumbers drawOf(std::array<int, 6> numbers, int bonus)
{
    DrawNumbers z{};
    for (std::size_t i = 0; i < 6; ++i)
        z[i + 1] = numbers[i];
    z[7] = bonus;
    return z;
}

std::array<QString, 6> texts(std::initializer_list<const char*> fields)
{
    std::array<QString, 6> result;
    std::size_t i = 0;
    for (const char* f : fields)
        result[i++] = QString::fromLatin1(f);
    return result;
}

const DrawNumbers kDraw = drawOf({3, 14, 22, 30, 41, 48}, 49);

// ---- row check ----

TEST(RowScore, CountsDrawnNumbersAndMarksTheBonus)
{
    const RowScore c = scoreRow(texts({"3", "14", "22", "30", "41", "49"}), kDraw);
    EXPECT_EQ(c.hits, 5);
    EXPECT_TRUE(c.hasBonus);
    EXPECT_EQ(c.fieldMatch, (std::array<quint8, 9>{0, 1, 1, 1, 1, 1, 2, 0, 0}));
}

TEST(RowScore, ANumberTwiceInTheRowCountsTwice)
{
    const RowScore c = scoreRow(texts({"3", "3", "14", "1", "2", "5"}), kDraw);
    EXPECT_EQ(c.hits, 3);
    EXPECT_FALSE(c.hasBonus);
}

TEST(RowScore, ABadFieldEndsTheCheckKeepingWhatWasCounted)
{
    // The first drawn number (3) is compared with fields 1 and 2 before field 3 fails; the
    // second drawn number (14) in field 2 is never reached, nor is the bonus in field 4.
    const RowScore c = scoreRow(texts({"3", "14", "x", "49", "22", "30"}), kDraw);
    EXPECT_EQ(c.hits, 1);
    EXPECT_FALSE(c.hasBonus);
    EXPECT_EQ(c.fieldMatch, (std::array<quint8, 9>{0, 1, 0, 0, 0, 0, 0, 0, 0}));

    // The bonus comparison comes after all counting: a bad last field stops it too.
    const RowScore late = scoreRow(texts({"49", "3", "14", "22", "30", ""}), kDraw);
    EXPECT_EQ(late.hits, 1); // only the first drawn number, 3, is compared before field 6
    EXPECT_FALSE(late.hasBonus);
    const RowScore empty = scoreRow(texts({"", "", "", "", "", ""}), kDraw);
    EXPECT_EQ(empty.hits, 0);
    EXPECT_FALSE(empty.hasBonus);
}

TEST(RowScore, ZeroFieldsNeverMatchAnUnknownBonus)
{
    // Callers pass "0" for unused fields; the draw file holds bonus 0 where it is unknown.
    const RowScore c =
        scoreRow(texts({"3", "14", "0", "0", "0", "0"}), drawOf({3, 14, 22, 30, 41, 48}, 0));
    EXPECT_EQ(c.hits, 2);
    EXPECT_FALSE(c.hasBonus);
    EXPECT_EQ(c.fieldMatch[3], 0);
}

TEST(RowScore, NumberAndTextFormsAgree)
{
    const std::array<int, 6> row{48, 49, 7, 14, 14, 1};
    std::array<QString, 6> asText;
    for (std::size_t i = 0; i < 6; ++i)
        asText[i] = QString::number(row[i]);
    const RowScore a = scoreRow(row, kDraw);
    const RowScore b = scoreRow(asText, kDraw);
    EXPECT_EQ(a.hits, b.hits);
    EXPECT_EQ(a.hasBonus, b.hasBonus);
    EXPECT_EQ(a.fieldMatch, b.fieldMatch);
    EXPECT_EQ(a.hits, 3);
}

// ---- sheet evaluation ----

TEST(SheetEvaluation, SortsScoresAndColoursARow)
{
    TipSheet sheet;
    sheet.setRow(1, {49, 3, 22, 14, 41, 30});
    const SheetEvaluation e = evaluateSheet(sheet, kDraw);

    EXPECT_EQ(sheet.rowString(1), QStringLiteral("3,14,22,30,41,49"));
    const TipSheet::Row& row = sheet.row(1);
    EXPECT_EQ(row.hitsLabel, QStringLiteral("5 + B"));
    EXPECT_TRUE(row.hitsRed);
    EXPECT_EQ(row.crossSumLabel, QStringLiteral("159"));
    using C = FieldColour;
    EXPECT_EQ(row.colours,
              (std::array<C, 6>{C::Lime, C::Lime, C::Lime, C::Lime, C::Lime, C::Yellow}));
    EXPECT_EQ(e.statistics[5][1], 1u);
    EXPECT_EQ(e.maximum, 5);
    EXPECT_TRUE(e.playSound);
    // Eleven empty rows are not counted anywhere.
    quint32 total = 0;
    for (const auto& byHits : e.statistics)
        total += byHits[0] + byHits[1];
    EXPECT_EQ(total, 1u);
}

TEST(SheetEvaluation, LowRowsAreBlackAndSilent)
{
    TipSheet sheet;
    sheet.setRow(1, {1, 2, 4, 5, 6, 7});
    sheet.setRow(2, {3, 14, 1, 2, 4, 5});
    const SheetEvaluation e = evaluateSheet(sheet, kDraw);
    EXPECT_EQ(sheet.row(1).hitsLabel, QStringLiteral("0"));
    EXPECT_EQ(sheet.row(2).hitsLabel, QStringLiteral("2"));
    EXPECT_FALSE(sheet.row(1).hitsRed);
    EXPECT_FALSE(sheet.row(2).hitsRed);
    EXPECT_FALSE(e.playSound);
    EXPECT_EQ(e.maximum, 2);
    EXPECT_EQ(e.statistics[0][0], 1u);
    EXPECT_EQ(e.statistics[2][0], 1u);
}

TEST(SheetEvaluation, ARowWithAnEmptyFieldIsLeftAloneAndUncounted)
{
    TipSheet sheet;
    sheet.setRow(2, {49, 3, 22, 14, 41, 30});
    evaluateSheet(sheet, kDraw); // labels and colours from a full row
    sheet.setField(2, 3, QString());
    sheet.setField(2, 1, QStringLiteral("49"));
    const SheetEvaluation e = evaluateSheet(sheet, kDraw);

    EXPECT_EQ(sheet.rowString(2), QStringLiteral("49,14,,30,41,49"));
    EXPECT_TRUE(sheet.row(2).hitsLabel.isEmpty());
    EXPECT_TRUE(sheet.row(2).crossSumLabel.isEmpty());
    for (FieldColour c : sheet.row(2).colours)
        EXPECT_EQ(c, FieldColour::Window);
    EXPECT_FALSE(e.rows[1].scored);
    EXPECT_EQ(e.maximum, 0);
    EXPECT_EQ(e.statistics, HitStatistics{});
}

TEST(SheetEvaluation, TheProgramKeepsTheStatisticsOfTheLastEvaluation)
{
    ProgramState s;
    s.statistics[6][1] = 77; // a stale count from an earlier evaluation
    s.sheet.setRow(1, {3, 14, 22, 1, 2, 5});
    s.shown.numbers = kDraw;
    evaluateShownDraw(s);
    EXPECT_EQ(s.statistics[3][0], 1u);
    EXPECT_EQ(s.statistics[6][1], 0u);
}

TEST(SheetEvaluation, ClearingEvaluatesTheLockedRows)
{
    ProgramState s;
    s.shown.numbers = kDraw;
    s.sheet.setRow(1, {1, 2, 4, 5, 6, 7});
    s.sheet.setRow(4, {49, 48, 41, 30, 22, 14});
    s.sheet.setLocked(4, true);
    const SheetEvaluation e = clearSheet(s);

    EXPECT_EQ(s.sheet.rowString(1), QStringLiteral(",,,,,"));
    EXPECT_EQ(s.sheet.rowString(4), QStringLiteral("14,22,30,41,48,49"));
    EXPECT_EQ(s.sheet.row(4).hitsLabel, QStringLiteral("5 + B"));
    EXPECT_TRUE(e.playSound);
    EXPECT_EQ(s.statistics[5][1], 1u);
}

TEST(DateSearchEvaluation, ScoresTheSheetAgainstTheDrawOfTheDay)
{
    QTemporaryDir dir;
    ProgramState s;
    s.programFolder = dir.path() + QLatin1Char('/');
    test::writeDrawFile(dir, {test::draw("02.01.2021", {1, 2, 3, 4, 5, 6}, 7),
                              test::draw("06.01.2021", {3, 14, 22, 30, 41, 48}, 49),
                              test::draw("09.01.2021", {10, 11, 12, 13, 14, 15}, 16)});
    s.sheet.setRow(1, {49, 3, 22, 14, 41, 30});
    s.chosenDate.setDate(*parseDate(QStringLiteral("04.01.2021")));

    const auto r = showDrawForChosenDate(s);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->maximum, 5);
    EXPECT_EQ(s.shown.position, 1);
    EXPECT_EQ(s.chosenDate.date(), *parseDate(QStringLiteral("06.01.2021")));
    EXPECT_EQ(s.sheet.row(1).hitsLabel, QStringLiteral("5 + B"));

    // A missing draw file: an empty one is created, the user is told to read the draws first,
    // and nothing is evaluated.
    s.drawFileName = QStringLiteral("none.dat");
    s.sheet.setRow(1, {1, 2, 3, 4, 5, 6});
    const auto missing = showDrawForChosenDate(s);
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error(), text(Text::ReadDrawsFirst));
    EXPECT_EQ(s.sheet.row(1).hitsLabel, QStringLiteral("5 + B"));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("none.dat"))));

    // An empty file shows nothing new and scores against the draw shown before.
    const auto empty = showDrawForChosenDate(s);
    ASSERT_TRUE(empty.ok());
    EXPECT_EQ(s.shown.position, 0);
    EXPECT_EQ(s.sheet.row(1).hitsLabel, QStringLiteral("1"));
}

} // namespace
