// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/generationactions.h"
#include "charts/chartview.h"
#include "guitestsupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace vendrilo;

namespace {

// A window on the shipped history with the draw of 20.08.2026 shown.
struct Window : test::StartedWindow {
    Window() { session().setSeed(4711); }
    QStringList rows()
    {
        QStringList list;
        for (int r = 1; r <= 12; ++r) {
            QStringList fields;
            for (int p = 1; p <= 6; ++p)
                fields << w->sheetField(r, p)->text();
            list << fields.join(',');
        }
        return list;
    }
    QString crossSum(int r) { return child<QLabel>(kSheetRows[r - 1].crossSumLabel)->text(); }
    QPushButton* start() { return control<QPushButton>(gui::Control::StartGeneration); }
    QString status() { return w->statusText(1); }
    // Runs `during` once the run has started, from inside its first pass.
    void whileRunning(const std::function<void()>& during)
    {
        QTimer::singleShot(0, w.get(), during);
    }
};

bool isSixAscendingNumbers(const QString& row)
{
    const QStringList parts = row.split(',');
    if (parts.size() != 6)
        return false;
    int previous = 0;
    for (const QString& p : parts) {
        bool ok = false;
        const int n = p.toInt(&ok);
        if (!ok || n <= previous || n > 49)
            return false;
        previous = n;
    }
    return true;
}

} // namespace

TEST(GenerationWindow, ARunFillsTheSheet)
{
    Window win;
    win.start()->click();
    EXPECT_EQ(win.status(), "Tipps wurden neu berechnet");
    EXPECT_EQ(win.start()->text(), "&Tipps berechnen");
    for (const QString& row : win.rows())
        EXPECT_TRUE(isSixAscendingNumbers(row)) << row.toStdString();
    EXPECT_FALSE(win.session().generationRunning());
}

TEST(GenerationWindow, StoppingAtOnceLeavesZeroRows)
{
    Window win;
    // The second click arrives while the run handles its first pending events.
    win.whileRunning([&] { win.start()->click(); });
    win.start()->click();
    EXPECT_TRUE(win.status().contains("gestoppt")) << win.status().toStdString();
    for (const QString& row : win.rows())
        EXPECT_EQ(row, ",,,,,");
    EXPECT_EQ(win.crossSum(1), "0");
    EXPECT_EQ(win.start()->text(), "&Tipps berechnen");
}

// The stop is a request the run honours, not a reading of the button's caption: a caption that
// changes on the way (a language switch) stops nothing.
TEST(GenerationWindow, TheButtonsCaptionDoesNotStopTheRun)
{
    Window win;
    QString captionDuringRun;
    win.whileRunning([&] {
        captionDuringRun = win.start()->text();
        win.start()->setText(QStringLiteral("Stop"));
    });
    win.start()->click();
    EXPECT_EQ(captionDuringRun, "Stoppen");
    for (const QString& row : win.rows())
        EXPECT_TRUE(isSixAscendingNumbers(row)) << row.toStdString();
}

// A run started from another tab (menu, Ctrl+R) shows the sheet at once, emptied of the old
// rows and their colours, and keeps what would change the state under it out of reach.
TEST(GenerationWindow, ARunShowsTheClearedSheetAndLocksOutWhatWouldDisturbIt)
{
    Window win;
    // An old result with a lime field.
    for (int p = 1; p <= 6; ++p)
        win.w->sheetField(1, p)->setText(QString::number(p + 5)); // 6..11 hold drawn 6
    win.session().leaveField();
    const QColor lime(0, 0xFF, 0);
    ASSERT_EQ(win.w->sheetField(1, 1)->palette().color(QPalette::Base), lime);

    auto* tabs = win.control<QTabWidget>(gui::Control::MainTabs);
    tabs->setCurrentIndex(2);
    struct Seen {
        QString tab, field;
        QColor colour;
        bool arrows = true, load = true, clear = true, pickers = true, evaluate = true;
        bool optionsOpen = false, readOnly = false;
    } seen;
    win.whileRunning([&] {
        seen.tab = tabs->currentWidget()->objectName();
        seen.field = win.w->sheetField(1, 1)->text();
        seen.colour = win.w->sheetField(1, 1)->palette().color(QPalette::Base);
        seen.arrows = win.control<QToolButton>(gui::Control::PreviousDraw)->isEnabled() ||
                      win.control<QToolButton>(gui::Control::NextDraw)->isEnabled();
        seen.load = win.control<QToolButton>(gui::Control::LoadTips)->isEnabled();
        seen.clear = win.control<QToolButton>(gui::Control::ClearSheet)->isEnabled();
        seen.pickers = win.control<QDateEdit>(gui::Control::ChosenDate)->isEnabled() ||
                       win.control<QDateEdit>(gui::Control::StatisticsStart)->isEnabled();
        seen.evaluate = win.control<QToolButton>(gui::Control::EvaluateChosenDraw)->isEnabled();
        seen.optionsOpen = win.option<QSpinBox>(Option::RunBudgetThousands)->isEnabled();
        seen.readOnly = win.w->sheetField(2, 2)->isReadOnly();
        win.start()->click(); // and stop, to keep the test short
    });
    win.w->findChild<QAction*>(QStringLiteral("Berechnen1"))->trigger();

    EXPECT_EQ(seen.tab, gui::controlName(gui::Control::SheetTab));
    EXPECT_EQ(seen.field, "") << "the old rows are gone before the first new one";
    EXPECT_EQ(seen.colour, win.w->palette().color(QPalette::Base));
    EXPECT_FALSE(seen.arrows);
    EXPECT_FALSE(seen.load);
    EXPECT_FALSE(seen.clear);
    EXPECT_FALSE(seen.pickers);
    EXPECT_FALSE(seen.evaluate);
    EXPECT_TRUE(seen.optionsOpen);
    EXPECT_TRUE(seen.readOnly);
    // Afterwards everything is open again.
    EXPECT_TRUE(win.control<QToolButton>(gui::Control::LoadTips)->isEnabled());
    EXPECT_TRUE(win.control<QDateEdit>(gui::Control::ChosenDate)->isEnabled());
    EXPECT_FALSE(win.w->sheetField(2, 2)->isReadOnly());
}

TEST(GenerationWindow, AnExhaustedBudgetRestoresTheLoosenedOptions)
{
    Window win;
    win.option<QSpinBox>(Option::RunBudgetThousands)->setValue(1);
    // Only 1..6 has the cross sum 21, a run of three: no candidate passes.
    win.option<QSpinBox>(Option::CrossSumMinimum)->setValue(21);
    win.option<QSpinBox>(Option::CrossSumMaximum)->setValue(21);
    win.option<QCheckBox>(Option::NoRunOfThree)->setChecked(true);
    win.option<QCheckBox>(Option::ForcePair)->setChecked(true);
    const int lastDraw = win.option<QSpinBox>(Option::MaxFromLastDraw)->value();
    const int secondLastDraw = win.option<QSpinBox>(Option::MaxFromSecondLastDraw)->value();
    const int wholePeriod = win.option<QSpinBox>(Option::WholePeriodHits)->value();

    win.start()->click();
    EXPECT_EQ(win.status(), "Ändern Sie die Parameter um 12 Tipps zuberechnen");
    for (const QString& row : win.rows())
        EXPECT_EQ(row, ",,,,,");
    EXPECT_TRUE(win.option<QCheckBox>(Option::ForcePair)->isChecked());
    EXPECT_EQ(win.option<QSpinBox>(Option::MaxFromLastDraw)->value(), lastDraw);
    EXPECT_EQ(win.option<QSpinBox>(Option::MaxFromSecondLastDraw)->value(), secondLastDraw);
    EXPECT_EQ(win.option<QSpinBox>(Option::WholePeriodHits)->value(), wholePeriod);
}

TEST(GenerationWindow, LockedRowsStayAndTheRowCountLimitsTheRun)
{
    Window win;
    const QStringList locked{"1", "2", "3", "4", "5", "6"};
    for (int p = 1; p <= 6; ++p)
        win.w->sheetField(2, p)->setText(locked[p - 1]);
    win.session().toggleRowLock(2);
    win.option<QSpinBox>(Option::RowCount)->setValue(3);

    win.start()->click();
    const QStringList rows = win.rows();
    EXPECT_EQ(rows[1], "1,2,3,4,5,6");
    EXPECT_TRUE(isSixAscendingNumbers(rows[0]));
    EXPECT_TRUE(isSixAscendingNumbers(rows[2]));
    for (int r = 4; r <= 12; ++r) {
        EXPECT_EQ(rows[r - 1], ",,,,,") << r;
        EXPECT_EQ(win.crossSum(r), "0") << r;
    }
}

TEST(GenerationWindow, TheSameLuckyNumberGivesTheSameSheet)
{
    Window win;
    win.prompts->inputAnswers = {"12345", "12345"};
    win.control<QAbstractButton>(gui::Control::SetLuckyNumber)->click();
    win.start()->click();
    const QStringList first = win.rows();
    win.control<QAbstractButton>(gui::Control::SetLuckyNumber)->click();
    win.start()->click();
    EXPECT_EQ(win.rows(), first);
    EXPECT_TRUE(isSixAscendingNumbers(first[0]));
}

TEST(GenerationWindow, ALockedRowWithAnEmptyFieldRefusesTheStart)
{
    Window win;
    win.w->sheetField(5, 1)->setText("7");
    win.session().toggleRowLock(5);
    win.start()->click();
    ASSERT_EQ(win.prompts->messages.size(), 1);
    EXPECT_TRUE(win.prompts->messages.first().contains('5'));
    EXPECT_EQ(win.rows()[4], "7,,,,,");
    EXPECT_EQ(win.rows()[0], ",,,,,");
}

TEST(GenerationWindow, TheWindowAndTheCoreMakeTheSameSheet)
{
    Window win;
    win.session().setSeed(99);
    win.start()->click();

    // The command line drives the same core from a fresh state with the same defaults.
    ProgramState core;
    core.programFolder = win.dir.path() + QLatin1Char('/');
    core.random.setSeed(99);
    core.chosenDate.setDate(test::testToday());
    ASSERT_TRUE(generateTips(core).ok());
    QStringList rows;
    for (int r = 1; r <= 12; ++r)
        rows << core.sheet.rowString(r);
    EXPECT_EQ(win.rows(), rows);
}
