// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/dates.h"
#include "core/generator/randompick.h"
#include "core/generator/weightlist.h"
#include "core/sheet/singletip.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <set>

using namespace vendrilo;

namespace {

QStringList ones()
{
    QStringList lines;
    for (int k = 1; k <= 49; ++k)
        lines << "1";
    return lines;
}

} // namespace

TEST(WeightList, ClicksMoveTheWeightAndTheTick)
{
    WeightList list;
    list.set(5, true, 1);
    // A right click on weight 1: down to 0, unticked.
    list.rightClick(5);
    EXPECT_FALSE(list.ticked(5));
    EXPECT_EQ(list.weight(5), 0);
    EXPECT_EQ(list.statusText(5), "Die Zahl 5 geht mit der Gewichtung 0 in die Berechnung ein");
    // A left click ticks it again and counts up, whatever the last button was.
    list.leftClick(5);
    EXPECT_TRUE(list.ticked(5));
    EXPECT_EQ(list.weight(5), 1);
    // A left click on a ticked box unticks it and keeps its weight.
    list.set(9, true, 4);
    list.leftClick(9);
    EXPECT_FALSE(list.ticked(9));
    EXPECT_EQ(list.weight(9), 4);
    // A right click on an unticked box changes nothing.
    list.rightClick(9);
    EXPECT_EQ(list.weight(9), 4);
    EXPECT_FALSE(list.ticked(9));
    // After a right click the keyboard's toggle counts down until another button is released.
    list.set(3, true, 3);
    list.rightClick(3);
    EXPECT_EQ(list.weight(3), 2);
    list.toggle(3); // unticked
    list.toggle(3); // ticked again: down to 1
    EXPECT_EQ(list.weight(3), 1);
    list.otherButtonReleased();
    list.toggle(3);
    list.toggle(3);
    EXPECT_EQ(list.weight(3), 2);
    // A box that had no weight yet counts from 0; the weight never passes a million.
    WeightList fresh;
    fresh.leftClick(1);
    fresh.leftClick(1);
    EXPECT_EQ(fresh.weight(1), 1);
    fresh.set(2, true, WeightList::kMaxWeight);
    fresh.toggle(2);
    fresh.toggle(2);
    EXPECT_EQ(fresh.weight(2), WeightList::kMaxWeight);
}

TEST(WeightList, FileLinesAndWhatTheyGiveBack)
{
    WeightList list;
    list.tickAll(false);
    list.set(7, true, std::nullopt); // ticked without a weight: saved as 1, and then shows 1
    list.set(12, true, 40);
    const QStringList lines = list.fileLines();
    ASSERT_EQ(lines.size(), 49);
    EXPECT_EQ(lines[6], "1");
    EXPECT_EQ(list.weight(7), 1);
    EXPECT_EQ(lines[11], "40");
    EXPECT_EQ(lines[0], "");

    // Loading: an empty line unticks with the weight 1; a left click then makes it 2.
    QStringList file = ones();
    file[11] = "";
    file[20] = "  17\t";
    WeightList loaded;
    ASSERT_TRUE(loaded.takeFileLines(file).ok());
    EXPECT_FALSE(loaded.ticked(12));
    EXPECT_EQ(loaded.weight(12), 1);
    loaded.leftClick(12);
    EXPECT_EQ(loaded.weight(12), 2);
    EXPECT_EQ(loaded.weight(21), 17);

    // A refused file names its first bad line and leaves the list as it was.
    const WeightList before = loaded;
    for (const auto& [line, text] : {std::pair{3, QString("x")},
                                     {5, "-2"},
                                     {9, "1000001"},
                                     {2, "99999999999999999999"},
                                     {4, "1.5"},
                                     {6, "+3"}}) {
        QStringList bad = ones();
        bad[line - 1] = text;
        bad[40] = "junk"; // a later bad line is not the one named
        const Status taken = loaded.takeFileLines(bad);
        ASSERT_FALSE(taken.ok()) << text.toStdString();
        EXPECT_TRUE(taken.error().contains(QStringLiteral("Zeile %1 ").arg(line)))
            << taken.error().toStdString();
    }
    EXPECT_FALSE(loaded.takeFileLines(ones().mid(0, 48)).ok());
    EXPECT_FALSE(loaded.takeFileLines(ones() << "").ok());
    for (int k = 1; k <= 49; ++k) {
        EXPECT_EQ(loaded.ticked(k), before.ticked(k)) << k;
        EXPECT_EQ(loaded.weight(k), before.weight(k)) << k;
    }
}

TEST(WeightList, SavedFileLoadsToTheSameListAndSavesTheSameBytes)
{
    QTemporaryDir dir;
    WeightList list;
    for (int k = 1; k <= 49; ++k)
        list.set(k, k % 3 != 0, k % 7 == 0 ? std::optional<int>() : std::optional<int>(k * k));
    list.set(48, true, WeightList::kMaxWeight);
    const QString first = dir.filePath("a.qkw");
    const QString second = dir.filePath("b.qkw");
    ASSERT_TRUE(saveWeightList(list, first).ok());
    WeightList loaded;
    ASSERT_TRUE(loadWeightList(loaded, first).ok());
    for (int k = 1; k <= 49; ++k) {
        EXPECT_EQ(loaded.ticked(k), list.ticked(k)) << k;
        if (list.ticked(k)) {
            EXPECT_EQ(loaded.weight(k), list.weight(k)) << k;
        }
    }
    ASSERT_TRUE(saveWeightList(loaded, second).ok());
    EXPECT_EQ(test::readBytes(first), test::readBytes(second));
    EXPECT_EQ(proposedWeightListName(*parseDate("08.12.2026")), "20261208.qkw");
}

TEST(WeightList, PoolFromTheListAndTheListFromAPool)
{
    WeightList list;
    list.tickAll(false);
    list.set(1, true, 0); // 0 and 1 both give two entries
    list.set(2, true, 1);
    list.set(7, true, 3);
    list.set(9, false, 5);
    EXPECT_EQ(list.pool().entries(), (std::vector<std::uint8_t>{0, 1, 1, 2, 2, 7, 7, 7, 7}));

    const WeightList shown = WeightList::fromPool(NumberPool({3, 5, 3, 9, 3}));
    EXPECT_TRUE(shown.ticked(3));
    EXPECT_EQ(shown.weight(3), 3);
    EXPECT_EQ(shown.weight(9), 1);
    EXPECT_FALSE(shown.ticked(4));
    EXPECT_EQ(shown.weight(4), 0);

    // A million entries for one number are held as one run, and drawn as the expanded pool
    // would draw them.
    WeightList heavy;
    for (int k = 1; k <= 49; ++k)
        heavy.set(k, true, k == 7 ? WeightList::kMaxWeight : 1);
    const NumberPool pool = heavy.pool();
    EXPECT_EQ(pool.size(), 1u + 6 * 2 + (WeightList::kMaxWeight + 1) + 42 * 2);
    EXPECT_LT(pool.heapBytes(), 2000u);
    EXPECT_EQ(pool.at(0), 0);
    EXPECT_EQ(pool.at(12), 6);
    EXPECT_EQ(pool.at(13), 7);
    EXPECT_EQ(pool.at(13 + WeightList::kMaxWeight), 7);
    EXPECT_EQ(pool.at(14 + WeightList::kMaxWeight), 8);
    EXPECT_EQ(pool.count(7), WeightList::kMaxWeight + 1u);
    EXPECT_EQ(pool.distinctNumbers(), 49);
}

TEST(RandomPick, FixesOnePositionPerPressAndKeepsTheNumbersDistinct)
{
    RandomSource random(4711);
    RandomPick pick;
    std::set<int> seen;
    for (int run = 0; run < 300; ++run) {
        pick.press();
        ASSERT_TRUE(pick.running());
        std::array<int, 6> before{};
        for (int press = 1; press <= 6; ++press) {
            for (int t = 0; t < 5; ++t) {
                pick.tick(random);
                const auto& row = pick.row();
                EXPECT_EQ(std::set<int>(row.begin(), row.end()).size(), 6u);
                for (int n : row) {
                    EXPECT_GE(n, 1);
                    EXPECT_LE(n, 49);
                    seen.insert(n);
                }
                // The fixed positions keep their numbers.
                for (int p = 0; p < pick.nextPosition() - 1; ++p)
                    EXPECT_EQ(row[static_cast<std::size_t>(p)],
                              before[static_cast<std::size_t>(p)]);
                before = row;
            }
            EXPECT_EQ(pick.runningCaption(), QStringLiteral("%1 Stopp").arg(press));
            pick.press();
        }
        EXPECT_FALSE(pick.running());
        EXPECT_EQ(pick.nextPosition(), 1);
    }
    EXPECT_EQ(seen.size(), 49u);
}

TEST(SingleTip, MarkingStopsAtTheFirstFieldWithoutANumberAndOkFillsFromTheFirst)
{
    EXPECT_EQ(numbersToMark({"5", "12", "19", "33", "40", "48"}),
              (std::vector<int>{5, 12, 19, 33, 40, 48}));
    EXPECT_EQ(numbersToMark({"5", "", "19", "33", "40", "48"}), std::vector<int>{5});
    EXPECT_EQ(numbersToMark({"5", "50", "19", "", "", ""}), std::vector<int>{5});
    EXPECT_EQ(numbersToMark({"x", "2", "", "", "", ""}), std::vector<int>{});

    const RowFields row{"5", "12", "19", "33", "40", "48"};
    EXPECT_EQ(fieldsFromTicked(row, {2, 5, 12, 19, 33, 40}),
              (RowFields{"2", "5", "12", "19", "33", "40"}));
    EXPECT_EQ(fieldsFromTicked(row, {1, 2, 3, 4}), (RowFields{"1", "2", "3", "4", "40", "48"}));
    EXPECT_EQ(fieldsFromTicked(row, {1, 2, 3, 4, 5, 6, 7, 8}),
              (RowFields{"1", "2", "3", "4", "5", "6"}));
}
