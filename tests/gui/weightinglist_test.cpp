// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts/messagelist.h"
#include "gui/weightinglistdialog.h"
#include "guitestsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

using namespace vendrilo;
using gui::WeightingListDialog;

namespace {

WeightingListDialog& listOf(test::StartedWindow& win)
{
    return *win.w->weightingList();
}

void click(WeightingListDialog& d, int number, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(d.box(number), button);
}

QStringList rowOf(test::StartedWindow& win, int row)
{
    QStringList fields;
    for (int p = 1; p <= 6; ++p)
        fields << win.w->sheetField(row, p)->text();
    return fields;
}

void setRow(test::StartedWindow& win, int row, const QStringList& fields)
{
    for (int p = 1; p <= 6; ++p)
        win.session().setField(row, p, fields.value(p - 1));
    Q_EMIT win.session().sheetChanged();
}

std::vector<int> highlighted(const WeightingListDialog& d)
{
    std::vector<int> numbers;
    for (int k = 1; k <= 49; ++k)
        if (d.isHighlighted(k))
            numbers.push_back(k);
    return numbers;
}

void openForm(test::StartedWindow& win, int row)
{
    QTest::mouseClick(win.child<QWidget>(QStringLiteral("Tipp%1Edit").arg(row)), Qt::LeftButton);
}

} // namespace

TEST(WeightingList, ClicksWeightsAndTheStatusText)
{
    test::StartedWindow win;
    WeightingListDialog& d = listOf(win);
    d.show();
    WeightList list;
    list.set(5, true, 1);
    list.set(8, true, 3);
    d.setList(list);

    click(d, 5, Qt::RightButton); // weight 1 → 0: unticked
    EXPECT_FALSE(d.box(5)->isChecked());
    EXPECT_EQ(d.weightShown(5), "0");
    EXPECT_EQ(d.statusText(), "Die Zahl 5 geht mit der Gewichtung 0 in die Berechnung ein");

    click(d, 5); // a left click ticks and counts up
    EXPECT_TRUE(d.box(5)->isChecked());
    EXPECT_EQ(d.weightShown(5), "1");
    click(d, 8); // and unticks a ticked box, keeping its weight
    EXPECT_FALSE(d.box(8)->isChecked());
    EXPECT_EQ(d.weightShown(8), "3");

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(d.box(8), &enter);
    EXPECT_EQ(d.statusText(), "Die Zahl 8 geht mit der Gewichtung 3 in die Berechnung ein");
}

TEST(WeightingList, FilesSaveLoadAndRefuse)
{
    test::StartedWindow win;
    WeightingListDialog& d = listOf(win);
    d.show();
    WeightList list;
    list.tickAll(false);
    list.set(7, true, std::nullopt);
    list.set(30, true, 250);
    d.setList(list);
    const QString first = win.dir.filePath("liste.qkw");
    ASSERT_TRUE(d.saveList(first).ok());
    EXPECT_EQ(test::readBytes(first).split('\n').value(6), "1");
    EXPECT_EQ(d.weightShown(7), "1");

    // Loaded back: the same boxes and weights, and saved again the same bytes.
    WeightList other;
    d.setList(other);
    ASSERT_TRUE(d.loadList(first).ok());
    EXPECT_EQ(d.tickedNumbers(), (std::vector<int>{7, 30}));
    EXPECT_EQ(d.weightShown(30), "250");
    EXPECT_EQ(d.weightShown(12), "1"); // an empty line: unticked with the weight 1
    click(d, 12);
    EXPECT_EQ(d.weightShown(12), "2");
    click(d, 12);
    const QString second = win.dir.filePath("wieder.qkw");
    ASSERT_TRUE(d.saveList(second).ok());
    EXPECT_EQ(test::readBytes(first), test::readBytes(second));

    // A file that is no weighting list: refused, the dialog as it was.
    test::writeBytes(win.dir.filePath("falsch.qkw"), QByteArray("1\n").repeated(20) + "-4\n");
    const Status refused = d.loadList(win.dir.filePath("falsch.qkw"));
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.error().contains("Zeile 21")) << refused.error().toStdString();
    EXPECT_EQ(d.tickedNumbers(), (std::vector<int>{7, 30}));
}

TEST(WeightingList, TheRunShowsItsPoolAndTakesTheListsAnswer)
{
    test::StartedWindow win;
    win.session().setOption(Option::ShowWeightingList, 1);
    win.session().setSeed(4711);

    // The list shows the pool: a box per number the pool holds, weighted by its entries.
    int shown = 0;
    win.onDialog = [&](QDialog& dialog) {
        auto& d = static_cast<WeightingListDialog&>(dialog);
        ++shown;
        int weights = 0;
        for (int k : d.tickedNumbers())
            weights += d.weightShown(k).toInt();
        EXPECT_GT(d.tickedNumbers().size(), 20u);
        EXPECT_GT(weights, static_cast<int>(d.tickedNumbers().size())); // 1 has two base entries
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        return int(WeightingListDialog::Ok);
    };
    win.session().startOrStopGeneration();
    EXPECT_EQ(shown, 1);
    EXPECT_NE(rowOf(win, 1), QStringList(6, QString()));

    // "&Rechnen" with the odd numbers only: no row holds an even number.
    win.onDialog = [&](QDialog& dialog) {
        auto& d = static_cast<WeightingListDialog&>(dialog);
        for (int k = 2; k <= 49; k += 2)
            if (d.box(k)->isChecked())
                click(d, k);
        return int(WeightingListDialog::Recompute);
    };
    win.session().startOrStopGeneration();
    for (int r = 1; r <= 12; ++r)
        for (const QString& field : rowOf(win, r))
            EXPECT_EQ(field.toInt() % 2, 1) << "row " << r << ": " << field.toStdString();

    // Three numbers left: no row can be drawn, the run ends with its message.
    win.onDialog = [&](QDialog& dialog) {
        auto& d = static_cast<WeightingListDialog&>(dialog);
        for (int k = 1; k <= 49; ++k)
            if (d.box(k)->isChecked() != (k == 3 || k == 17 || k == 40))
                click(d, k);
        return int(WeightingListDialog::Recompute);
    };
    win.session().startOrStopGeneration();
    ASSERT_FALSE(win.prompts->messages.isEmpty());
    EXPECT_TRUE(win.prompts->messages.last().contains("nur 3 verschiedene Zahlen"))
        << win.prompts->messages.last().toStdString();
    EXPECT_FALSE(win.session().generationRunning());

    // The abort button (or closing the list) ends the run before any row.
    win.onDialog = [](QDialog&) { return int(WeightingListDialog::Abort); };
    win.session().startOrStopGeneration();
    EXPECT_EQ(rowOf(win, 1), QStringList(6, QString()));
}

TEST(WeightingList, TheSingleTipFormEditsOneRow)
{
    test::StartedWindow win;
    setRow(win, 3, {"5", "12", "19", "33", "40", "48"});
    QString caption;
    std::vector<int> ticked, yellow;
    auto look = [&](WeightingListDialog& d) {
        caption = d.windowTitle();
        ticked = d.tickedNumbers();
        yellow = highlighted(d);
    };

    // Untick 48, tick 2, OK: the row in ascending order.
    win.onDialog = [&](QDialog& dialog) {
        auto& d = static_cast<WeightingListDialog&>(dialog);
        look(d);
        EXPECT_FALSE(test::findControl<QPushButton>(&d, gui::Control::WeightingListRecompute)
                         ->isVisibleTo(&d));
        EXPECT_TRUE(
            test::findControl<QPushButton>(&d, gui::Control::WeightingListRandom)->isVisibleTo(&d));
        click(d, 48);
        click(d, 2);
        return int(WeightingListDialog::Ok);
    };
    openForm(win, 3);
    EXPECT_EQ(caption, "3. Tipp");
    EXPECT_EQ(ticked, (std::vector<int>{5, 12, 19, 33, 40, 48}));
    EXPECT_EQ(yellow, ticked);
    EXPECT_EQ(rowOf(win, 3), (QStringList{"2", "5", "12", "19", "33", "40"}));
    WeightingListDialog& d = listOf(win);
    EXPECT_EQ(d.windowTitle(), "Zahlen für Berechnung wählen");
    EXPECT_TRUE(
        test::findControl<QPushButton>(&d, gui::Control::WeightingListRecompute)->isVisibleTo(&d));
    EXPECT_FALSE(
        test::findControl<QPushButton>(&d, gui::Control::WeightingListRandom)->isVisibleTo(&d));
    EXPECT_TRUE(highlighted(d).empty());

    // Four ticked: the first four fields change, the last two stay.
    win.onDialog = [&](QDialog& dialog) {
        auto& d = static_cast<WeightingListDialog&>(dialog);
        for (int k : {19, 33})
            click(d, k);
        return int(WeightingListDialog::Ok);
    };
    openForm(win, 3);
    // Written and scored at once, so sorted as if typed.
    EXPECT_EQ(rowOf(win, 3), (QStringList{"2", "5", "12", "33", "40", "40"}));

    // Abort leaves the row as it was.
    win.onDialog = [&](QDialog& dialog) {
        click(static_cast<WeightingListDialog&>(dialog), 1);
        return int(WeightingListDialog::Abort);
    };
    openForm(win, 3);
    EXPECT_EQ(rowOf(win, 3), (QStringList{"2", "5", "12", "33", "40", "40"}));

    // An empty second field: only the first number is marked.
    setRow(win, 10, {"7", "", "21", "28", "35", "42"});
    win.onDialog = [&](QDialog& dialog) {
        look(static_cast<WeightingListDialog&>(dialog));
        return int(WeightingListDialog::Abort);
    };
    openForm(win, 10);
    EXPECT_EQ(caption, "10. Tipp");
    EXPECT_EQ(ticked, std::vector<int>{7});
}

TEST(WeightingList, RandomModePicksSixDistinctNumbers)
{
    test::StartedWindow win;
    win.session().setSeed(99);
    std::set<int> seen;
    win.onDialog = [&](QDialog& dialog) {
        auto& d = static_cast<WeightingListDialog&>(dialog);
        auto* button = test::findControl<QPushButton>(&d, gui::Control::WeightingListRandom);
        for (int pick = 0; pick < 40; ++pick) {
            QTest::mouseClick(button, Qt::LeftButton); // starts
            for (int press = 1; press <= 6; ++press) {
                for (int t = 0; t < 3; ++t) {
                    d.randomTick();
                    EXPECT_EQ(d.tickedNumbers().size(), 6u);
                    EXPECT_EQ(highlighted(d), d.tickedNumbers());
                }
                EXPECT_EQ(button->text(), QStringLiteral("%1 Stopp").arg(press));
                QTest::mouseClick(button, Qt::LeftButton);
            }
            EXPECT_FALSE(d.randomRunning());
            EXPECT_EQ(button->text(), "&Zufall"); // back to its caption, accelerator and all
            for (int k : d.tickedNumbers())
                seen.insert(k);
        }
        // Closing while it runs stops it with the numbers it shows.
        QTest::mouseClick(button, Qt::LeftButton);
        d.randomTick();
        return int(WeightingListDialog::Ok);
    };
    openForm(win, 1);
    EXPECT_FALSE(listOf(win).randomRunning());
    EXPECT_GT(seen.size(), 40u);
    const QStringList row = rowOf(win, 1);
    std::set<int> numbers;
    for (const QString& f : row)
        numbers.insert(f.toInt());
    EXPECT_EQ(numbers.size(), 6u);
    EXPECT_GE(*numbers.begin(), 1);
    EXPECT_LE(*numbers.rbegin(), 49);
}
