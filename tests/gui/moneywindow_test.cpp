// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet in money in the window: the prize beside each row, stake and winnings under the rows,
// and the "Chancen" panel, whose exact count runs beside the window and shows the newest sheet.
#include "core/money/odds.h"
#include "gui/chancespanel.h"
#include "gui/prizecolumn.h"
#include "guitestsupport.h"
#include "testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>

using namespace vendrilo;
using test::day;

namespace {

struct Window : test::StartedWindow {
    Window()
        : StartedWindow([](const QTemporaryDir& dir) {
              // The Lotto Plus draw of 20.08.2026 beside the shipped Lotto history.
              test::writeDrawFile(dir, {test::draw("20.08.2026", {2, 12, 13, 14, 36, 44})},
                                  QStringLiteral("ZahlenPLPlus.dat"));
          })
    {
    }
    QString text(const QString& label) { return child<QLabel>(label)->text(); }
    void fillRow(int r, const std::array<int, 6>& numbers)
    {
        for (int p = 1; p <= 6; ++p) {
            QLineEdit* field = w->sheetField(r, p);
            field->clear();
            QTest::keyClicks(field, QString::number(numbers[static_cast<std::size_t>(p - 1)]));
        }
    }
    void show(const char* when)
    {
        session().setChosenDate(day(when));
        session().goToChosenDate();
    }
    gui::ChancesPanel* chances() { return w->findChild<gui::ChancesPanel*>(); }
    // Until the newest count is on show (at most ten seconds).
    void waitForOdds()
    {
        QElapsedTimer waited;
        waited.start();
        while (chances()->counting() && waited.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        ASSERT_FALSE(chances()->counting());
    }
};

QString oddsInWindow(qint64 draws)
{
    return QStringLiteral("1 : ") +
           QLocale().toString(double(kPossibleDraws) / double(draws), 'f', 2);
}

} // namespace

TEST(MoneyWindow, EveryRowShowsItsPrizeAndTheSheetItsStakeAndWinnings)
{
    Window win;
    // 27.05.2023 drew 24 31 33 34 44 49: four hits paid 269.60 zł, five 6,672.70 zł, six nobody.
    const std::array<int, 6> rows[] = {{24, 31, 33, 34, 1, 2},
                                       {24, 31, 33, 34, 44, 2},
                                       {24, 31, 33, 34, 44, 49},
                                       {24, 31, 33, 1, 2, 3},
                                       {1, 2, 3, 4, 5, 6}};
    for (int r = 1; r <= 5; ++r)
        win.fillRow(r, rows[r - 1]);
    win.show("27.05.2023");
    const char* expected[] = {"269,60 zł", "6.672,70 zł", "?", "24,00 zł", "0,00 zł", ""};
    for (int r = 1; r <= 6; ++r)
        EXPECT_EQ(win.text(QStringLiteral("Gewinn%1").arg(r)), QString::fromUtf8(expected[r - 1]))
            << r;
    EXPECT_EQ(win.text("EinsatzLabel"), "Einsatz: 15,00 zł");
    EXPECT_EQ(win.text("GewinnLabel"), "Gewonnen: 6.966,30 zł + ?");

    // Another draw, another price of a row; three hits pay 35 zł on 20.08.2026 (6 12 19 21 23 26).
    win.fillRow(1, {6, 12, 19, 13, 14, 36});
    win.fillRow(2, {2, 12, 13, 14, 36, 44});
    win.show("20.08.2026");
    EXPECT_EQ(win.text("Gewinn1"), "35,00 zł");
    // The price typed on the Internet page: the stake follows at once.
    win.control<QLineEdit>(gui::Control::RowPrice)->setText(QStringLiteral("2,50"));
    EXPECT_EQ(win.state().internet.rowPrice, "2,50");
    EXPECT_EQ(win.text("EinsatzLabel"), "Einsatz: 12,50 zł");
    // Played with Plus: the Lotto Plus draw of the evening (2 12 13 14 36 44) pays 100 zł for four.
    win.w->findChild<gui::PrizeColumn*>()->setPlayedWithPlus(true);
    EXPECT_EQ(win.text("Gewinn1"), "35,00 zł + 100,00 zł");
    EXPECT_EQ(win.text("Gewinn2"), "0,00 zł + 1.000.000,00 zł");
    EXPECT_EQ(win.text("EinsatzLabel"), "Einsatz: 17,50 zł");
    EXPECT_EQ(win.text("GewinnLabel"), "Gewonnen: 1.000.135,00 zł");

    // No playable row: nothing to show.
    win.prompts->yesNoAnswers.push_back(true);
    win.session().clearSheetAfterAsking();
    EXPECT_EQ(win.text("Gewinn1"), "");
    EXPECT_FALSE(win.child<QLabel>("EinsatzLabel")->isVisible());
}

TEST(MoneyWindow, ChancesShowTheOneRowOddsAndTheNewestSheetWithoutMakingTypingWait)
{
    Window win;
    win.waitForOdds();
    const char* oneRow[][2] = {{"Chance6", "1 : 13.983.816"},
                               {"Chance5", "1 : 54.200,84"},
                               {"Chance4", "1 : 1.032,40"},
                               {"Chance3", "1 : 56,66"},
                               {"ChanceRow", "1 : 53,66"},
                               {"ChanceSheet", "–"},
                               {"Expected", "–"}};
    for (const auto& [name, value] : oneRow)
        EXPECT_EQ(win.text(name), QString::fromUtf8(value)) << name;

    // One row: the sheet's chance is the row's.
    win.fillRow(1, {1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(win.chances()->counting()) << "the count runs beside the window";
    win.waitForOdds();
    EXPECT_EQ(win.text("ChanceSheet"), "1 : 53,66");

    // Twelve rows typed in one go, each keystroke a new request: the last sheet is shown.
    std::vector<std::array<int, 6>> rows;
    for (int r = 1; r <= 12; ++r) {
        rows.push_back({r, r + 1, r + 2, 20 + r, 30 + r, 49 - r});
        win.fillRow(r, rows.back());
    }
    win.waitForOdds();
    EXPECT_EQ(win.text("ChanceSheet"), oddsInWindow(*drawsWithAWinningRow(distinctRows(rows))));
    // A lottery pays back about half of the stakes.
    const QString perZloty = win.text("PerZloty");
    const double back = QLocale().toDouble(perZloty.left(perZloty.indexOf(' ')));
    EXPECT_GT(back, 0.3) << perZloty.toStdString();
    EXPECT_LT(back, 0.7) << perZloty.toStdString();
}
