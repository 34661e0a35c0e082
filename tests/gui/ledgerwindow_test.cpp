// SPDX-License-Identifier: GPL-3.0-or-later
// The ledger in the window: "Spielen" records the sheet, new draws check the tickets with a
// note and the hit sound, the "Konto" tab lists, annotates, opens, deletes and exports them.
#include "core/draws/drawfile.h"
#include "core/ledger/ledgerstore.h"
#include "gui/guiprompts.h"
#include "gui/ledgerkeeper.h"
#include "guitestsupport.h"
#include "ledger/sqliteledger.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QValueAxis>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vendrilo;

namespace {

void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton);
}

QString cellText(QTableWidget* table, int row, int column)
{
    return table->item(row, column) ? table->item(row, column)->text() : QString();
}

// The window's own entry of a draw, the dialog answered with these numbers.
void enterDraw(test::StartedWindow& win, const char* date, std::array<int, 6> numbers)
{
    win.session().setDrawEditor([&](const DrawRecord&) {
        DrawRecord r = test::draw(
            date, {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5]});
        return std::optional<DrawRecord>(r);
    });
    win.session().enterDrawByHand();
}

} // namespace

TEST(LedgerWindow, APlayedTicketIsCheckedWhenItsDrawsArriveAndAgainWhenOneIsCorrected)
{
    test::StartedWindow win;
    win.w->show();
    EXPECT_FALSE(QFile::exists(win.dir.filePath("Vendrilo.sqlite"))); // none until played
    win.session().writeRow(1, {"3", "11", "17", "25", "38", "44"});
    win.session().writeRow(4, {"1", "9", "23", "30", "41", ""}); // incomplete: not played
    win.session().writeRow(6, {"7", "8", "9", "10", "12", "13"});
    win.child<QSpinBox>("LedgerDraws")->setValue(2);
    click(win.child<QPushButton>("LedgerPlay"));
    EXPECT_EQ(win.session().statusText(0),
              "Schein 1 gespielt: 2 Reihen, 2 Ziehungen ab 22.08.2026, Einsatz 12,00 zł");

    for (const int row : {1, 4, 6}) // the sheet's own hits would sound too
        win.session().writeRow(row, {"", "", "", "", "", ""});
    QSignalSpy sound(&win.session(), &gui::Session::hitSoundWanted);
    enterDraw(win, "22.08.2026", {3, 11, 17, 25, 1, 2}); // row 1: four hits
    EXPECT_EQ(sound.count(), 1);
    EXPECT_EQ(win.session().statusText(0),
              "Gewinn! 1 Gewinnreihen neu geprüft, zusammen 0,00 zł + offen");
    auto* tabs = win.control<QTabWidget>(gui::Control::MainTabs);
    tabs->setCurrentWidget(win.child<QWidget>("TabSheetKonto"));
    auto* table = win.child<QTableWidget>("LedgerTable");
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(cellText(table, 0, 1), "22.08.2026");
    EXPECT_EQ(cellText(table, 0, 3), "2");
    EXPECT_EQ(cellText(table, 0, 5), "12,00 zł");
    EXPECT_EQ(cellText(table, 0, 6), "0,00 zł + offen");

    // The amount from the ticket, typed in; the user's note.
    table->selectRow(0);
    win.prompts->inputAnswers = {"120,50"};
    click(win.child<QPushButton>("LedgerPrize"));
    EXPECT_TRUE(win.prompts->asked.last().contains("Reihe 1, Ziehung vom 22.08.2026 (Lotto), 4 "
                                                   "Richtige"));
    EXPECT_EQ(cellText(table, 0, 6), "120,50 zł");
    EXPECT_EQ(cellText(table, 0, 7), "108,50 zł");
    win.prompts->inputAnswers = {"Büro, mit Anna"};
    click(win.child<QPushButton>("LedgerNote"));
    EXPECT_EQ(cellText(table, 0, 8), "Büro, mit Anna");

    // Entering the same draw again changes nothing; a corrected draw is checked again and the
    // typed amount, which belonged to the old numbers, goes.
    sound.clear();
    enterDraw(win, "22.08.2026", {3, 11, 17, 25, 1, 2});
    EXPECT_EQ(cellText(table, 0, 6), "120,50 zł");
    enterDraw(win, "22.08.2026", {3, 11, 17, 4, 1, 2});
    EXPECT_EQ(sound.count(), 1); // three hits: a win again
    EXPECT_TRUE(win.session().statusText(0).contains("1 Ziehungen nach einer Änderung neu geprüft"))
        << win.session().statusText(0).toStdString();
    EXPECT_EQ(cellText(table, 0, 6), "35,00 zł"); // the three-hit prize since 20.08.2026

    // Export, then the ticket back on the sheet.
    win.w->findChild<gui::LedgerKeeper*>()->exportCsv(win.dir.filePath("konto.csv"));
    const QList<QByteArray> csv = test::readBytes(win.dir.filePath("konto.csv")).split('\n');
    ASSERT_EQ(csv.size(), 3); // header, the ticket, the last line end
    EXPECT_TRUE(csv[1].startsWith("1,22.08.2026,2,2,0,12.00,35.00,0,23.00,,\"Büro, mit Anna\","));
    win.session().writeRow(1, {"", "", "", "", "", ""});
    win.child<QSpinBox>("LedgerDraws")->setValue(7);
    click(win.child<QPushButton>("LedgerOpen"));
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(win.state().sheet.rowString(1), "3,11,17,25,38,44");
    EXPECT_EQ(win.state().sheet.rowString(4), ",,,,,");
    EXPECT_EQ(win.state().sheet.rowString(6), "7,8,9,10,12,13");
    EXPECT_EQ(win.child<QSpinBox>("LedgerDraws")->value(), 2);
    EXPECT_EQ(formatDate(win.state().shown.date), "22.08.2026");

    // Deleting asks; "no" keeps the ticket.
    tabs->setCurrentWidget(win.child<QWidget>("TabSheetKonto"));
    table->selectRow(0);
    win.prompts->yesNoAnswers = {false};
    click(win.child<QPushButton>("LedgerDelete"));
    EXPECT_EQ(win.prompts->asked.last(),
              "Schein löschen | Soll Schein 1 mit allen Prüfungen gelöscht werden?");
    EXPECT_EQ(table->rowCount(), 1);
    win.prompts->yesNoAnswers = {true};
    click(win.child<QPushButton>("LedgerDelete"));
    EXPECT_EQ(table->rowCount(), 0);
    // The chart of an empty ledger keeps sensible scales: the period's days, a step of money.
    QChart* chart = win.child<QChartView>("LedgerChart")->chart();
    auto* days = qobject_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).value(0));
    auto* money = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    ASSERT_TRUE(days && money);
    EXPECT_GE(days->min().date().year(), 2000);
    EXPECT_GT(days->max(), days->min());
    EXPECT_GT(money->max(), money->min());
}

TEST(LedgerWindow, TicketsWhoseDrawsCameWhileTheWindowWasClosedAreCheckedAtStartUp)
{
    test::StartedWindow win([](const QTemporaryDir& dir) {
        auto opened = ledger::openLedger(dir.filePath("Vendrilo.sqlite"));
        ASSERT_TRUE(opened.ok());
        (void)opened->ledger->addTicket({0,
                                         test::day("18.08.2026"),
                                         2,
                                         false,
                                         Money{600},
                                         {},
                                         {},
                                         {{2, {9, 17, 20, 22, 27, 48}}}});
    });
    // The check runs once the window is on the screen.
    win.w->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !win.w->startUpPending(); }));
    EXPECT_TRUE(win.session().statusText(0).startsWith("Gewinn! 1 Gewinnreihen"))
        << win.session().statusText(0).toStdString();
    const auto checks = win.w->findChild<gui::LedgerKeeper*>()->checksOf(1);
    ASSERT_EQ(checks.size(), 2u); // 18.08.2026: six hits; 20.08.2026: none
    EXPECT_EQ(checks[0].rows.at(0).hits, 6);
    EXPECT_EQ(checks[1].rows.at(0).hits, 0);
}

TEST(LedgerWindow, TheDeleteQuestionHasNoAsItsDefaultButton)
{
    gui::GuiPrompts prompts(nullptr);
    int defaultIsNo = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            defaultIsNo = box->defaultButton() == box->button(QMessageBox::No);
            box->defaultButton()->click();
        }
    });
    poll.start(20);
    QTimer::singleShot(5000, [] { // a broken test fails instead of hanging
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
    EXPECT_FALSE(prompts.askYesNo("Schein löschen", "Soll Schein 1 gelöscht werden?"));
    EXPECT_EQ(defaultIsNo, 1);
}
