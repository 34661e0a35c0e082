#include "core/generator/generationrun.h"
#include "gui/tform1.h"
#include "guitestsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

using namespace vendrilo;
using vendrilo::gui::TForm1;

namespace {

// A window on the shipped history with the draw of 20.08.2026 shown.
struct Window : test::StartedWindow {
    Window() { w->state().random.setSeed(4711); }
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
    QString crossSum(int r)
    {
        static const char* names[12] = {"Label36", "Label37", "Label38", "Label39",
                                        "Label40", "Label41", "Label49", "Label50",
                                        "Label67", "Label68", "Label71", "Label72"};
        return child<QLabel>(names[r - 1])->text();
    }
    QPushButton* start() { return child<QPushButton>("BitBtn4"); }
    QString status() { return w->statusText(1); }
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
    EXPECT_EQ(win.start()->text(), "Tipps &berechnen");
    for (const QString& row : win.rows())
        EXPECT_TRUE(isSixAscendingNumbers(row)) << row.toStdString();
    EXPECT_FALSE(win.w->state().Berechnunglaeuft);
    EXPECT_TRUE(win.w->state().sortieren);
}

TEST(GenerationWindow, StoppingAtOnceLeavesZeroRows)
{
    Window win;
    // The second click arrives while the run handles its first pending events.
    QTimer::singleShot(0, win.start(), [&] { win.start()->click(); });
    win.start()->click();
    EXPECT_EQ(win.status(), "Tipps wurden neu berechnet");
    for (const QString& row : win.rows())
        EXPECT_EQ(row, ",,,,,");
    EXPECT_EQ(win.crossSum(1), "0");
    EXPECT_EQ(win.start()->text(), "Tipps &berechnen");
}

TEST(GenerationWindow, AnExhaustedBudgetRestoresTheRelaxedOptions)
{
    Window win;
    win.child<QSpinBox>("UpDown7")->setValue(1);
    win.child<QCheckBox>("CheckBox25")->setChecked(true);
    win.child<QCheckBox>("CheckBox26")->setChecked(true);
    win.child<QSpinBox>("UpDown15")->setValue(4);
    win.child<QSpinBox>("UpDown16")->setValue(4);
    win.child<QCheckBox>("CheckBox8")->setChecked(true);
    const int upDown4 = win.child<QSpinBox>("UpDown4")->value();
    const int upDown5 = win.child<QSpinBox>("UpDown5")->value();
    const int upDown6 = win.child<QSpinBox>("UpDown6")->value();

    win.start()->click();
    EXPECT_EQ(win.status(), "Ändern Sie die Parameter um 12 Tipps zuberechnen");
    for (const QString& row : win.rows())
        EXPECT_EQ(row, ",,,,,");
    EXPECT_TRUE(win.child<QCheckBox>("CheckBox8")->isChecked());
    EXPECT_EQ(win.child<QSpinBox>("UpDown4")->value(), upDown4);
    EXPECT_EQ(win.child<QSpinBox>("UpDown5")->value(), upDown5);
    EXPECT_EQ(win.child<QSpinBox>("UpDown6")->value(), upDown6);
}

TEST(GenerationWindow, LockedRowsStayAndTheRowCountLimitsTheRun)
{
    Window win;
    const QStringList locked{"1", "2", "3", "4", "5", "6"};
    for (int p = 1; p <= 6; ++p)
        win.w->sheetField(2, p)->setText(locked[p - 1]);
    win.w->Label30Click(2);
    win.child<QSpinBox>("UpDown8")->setValue(3);

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
    win.child<QAbstractButton>("SpeedButton13")->click();
    win.start()->click();
    const QStringList first = win.rows();
    win.child<QAbstractButton>("SpeedButton13")->click();
    win.start()->click();
    EXPECT_EQ(win.rows(), first);
    EXPECT_TRUE(isSixAscendingNumbers(first[0]));
}

TEST(GenerationWindow, ALockedRowWithAnEmptyFieldRefusesTheStart)
{
    Window win;
    win.w->sheetField(5, 1)->setText("7");
    win.w->Label30Click(5);
    win.start()->click();
    ASSERT_EQ(win.prompts->messages.size(), 1);
    EXPECT_TRUE(win.prompts->messages.first().contains('5'));
    EXPECT_EQ(win.rows()[4], "7,,,,,");
    EXPECT_EQ(win.rows()[0], ",,,,,");
}

TEST(GenerationWindow, TheWindowAndTheCoreMakeTheSameSheet)
{
    Window win;
    win.w->state().random.setSeed(99);
    win.start()->click();

    // The command line drives the same core from a fresh state with the same defaults.
    ProgramState core;
    core.Home = win.dir.path() + QLatin1Char('/');
    core.random.setSeed(99);
    core.picker1.setDate(today());
    Label28Click(core);
    QStringList rows;
    for (int r = 1; r <= 12; ++r)
        rows << core.sheet.rowString(r);
    EXPECT_EQ(win.rows(), rows);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
