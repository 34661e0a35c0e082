#include "core/draws/drawfile.h"
#include "gui/tform1.h"
#include "gui/windows.h"
#include "gui/chartview.h"
#include "gui/dialogs.h"
#include "guitestsupport.h"
#include "testsupport.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace vendrilo;
using vendrilo::gui::TForm1;
using vendrilo::test::draw;

namespace {

template <typename T> T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

} // namespace

TEST(MainWindow, CaptionTabsMenuAndPickers)
{
    test::StartedWindow win;
    auto& w = win.w;
    EXPECT_EQ(w->windowTitle(), "Quirlends Vendrilo  6/49 PL");

    auto* tabs = child<QTabWidget>(w.get(), "PageControl1");
    const QStringList expected{"Lottotipp", "Berechnung", "Diagramm", "Datenbank",
                               "Internet-Optionen"};
    QStringList captions, names;
    for (int i = 0; i < tabs->count(); ++i) {
        captions << tabs->tabText(i);
        names << tabs->widget(i)->objectName();
    }
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(names,
              (QStringList{"TabSheet1", "TabSheet6", "TabSheet5", "TabSheet4", "TabSheet3"}));
    EXPECT_EQ(tabs->currentIndex(), 0);

    QStringList menu;
    for (QAction* a : w->menuBar()->actions())
        menu << a->text() + QLatin1Char('|') + a->shortcut().toString(QKeySequence::PortableText);
    EXPECT_EQ(menu, (QStringList{"&Aktualisieren|Ctrl+A", "&Berechnen|Ctrl+R", "Ab&geben|Ctrl+G",
                                 "Sprache/Language/Langue|", "Hilfe|", "S&chließen|"}));

    for (const char* name : {"DateTimePicker1", "DateTimePicker2"})
        EXPECT_EQ(child<QDateEdit>(w.get(), name)->minimumDate(), QDate(1994, 11, 19)) << name;
}

TEST(MainWindow, DialogsAreCreatedInOrderWithTheirCaptions)
{
    auto windows = gui::createWindows();
    const auto dialogs =
        windows.form1->findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly);
    QStringList titles;
    for (auto* d : dialogs)
        titles << d->windowTitle();
    EXPECT_EQ(titles,
              (QStringList{"Zahlen der Ziehung eingeben", "Welche Zahlen für die Berechnung",
                           "Positionierung des Scheindruckes"}));
}

TEST(MainWindow, FirstStartShowsTheNewestShippedDraw)
{
    test::StartedWindow win;
    auto& w = win.w;
    EXPECT_EQ(drawfile::readAll(win.dir.filePath("ZahlenPL.dat")).records.size(), 7394u);
    EXPECT_TRUE(
        child<QLabel>(w.get(), "Label35")->text().endsWith("20.08.26    6  12  19  21  23  26"));
    EXPECT_EQ(child<QLabel>(w.get(), "Label13")->text(), "QS: 107");
    EXPECT_EQ(child<QLabel>(w.get(), "Label29")->text(), child<QLabel>(w.get(), "Label35")->text());
    EXPECT_EQ(w->state().shown.Position, 7393);
    EXPECT_EQ(child<QDateEdit>(w.get(), "DateTimePicker1")->date(), QDate(2026, 8, 20));
}

TEST(MainWindow, StepsThroughTheDrawFileWithTheArrowButtons)
{
    test::StartedWindow win([](const QTemporaryDir& dir) {
        test::writeDrawFile(dir, {draw("04.01.1997", {1, 2, 3, 4, 5, 6}),
                                  draw("08.01.1997", {7, 8, 9, 10, 11, 12}),
                                  draw("11.01.1997", {3, 11, 19, 27, 35, 43})});
    });
    auto& w = win.w;
    auto* label13 = child<QLabel>(w.get(), "Label13");
    EXPECT_EQ(label13->text(), "QS: 138");
    child<QToolButton>(w.get(), "SpeedButton6")->click();
    EXPECT_EQ(label13->text(), "QS: 57");
    EXPECT_EQ(child<QDateEdit>(w.get(), "DateTimePicker1")->date(), QDate(1997, 1, 8));
    child<QToolButton>(w.get(), "SpeedButton6")->click();
    EXPECT_EQ(label13->text(), "QS: 57") << "back stops at the second draw";
    child<QToolButton>(w.get(), "SpeedButton7")->click();
    EXPECT_EQ(label13->text(), "QS: 138");
}

TEST(MainWindow, MissingDrawFileDuringNavigationChangesNothing)
{
    test::StartedWindow win;
    auto& w = win.w;
    auto* prompts = win.prompts;
    auto* label35 = child<QLabel>(w.get(), "Label35");
    const QString before = label35->text();
    QFile::remove(win.dir.filePath("ZahlenPL.dat"));
    w->SpeedButton6Click();
    EXPECT_EQ(label35->text(), before);
    ASSERT_FALSE(prompts->messages.isEmpty());
    EXPECT_TRUE(prompts->messages.last().contains("ZahlenPL.dat"));
}

TEST(MainWindow, HeightChangesScaleTheContentFont)
{
    test::StartedWindow win;
    auto& w = win.w;
    auto* tabs = child<QTabWidget>(w.get(), "PageControl1");
    w->show(); // hidden windows get their resize events only when shown
    w->resize(w->width(), 500);
    const qreal at500 = tabs->font().pointSizeF();
    w->resize(w->width(), 750);
    EXPECT_NEAR(tabs->font().pointSizeF(), at500 * 1.5, 0.01);
    w->resize(w->width() + 100, 750);
    EXPECT_NEAR(tabs->font().pointSizeF(), at500 * 1.5, 0.01) << "width alone scales nothing";
    w->resize(w->width(), 500);
    EXPECT_NEAR(tabs->font().pointSizeF(), at500, 0.01);
}

TEST(MainWindow, ChartsFollowTheStatisticsPeriod)
{
    test::StartedWindow win;
    auto& w = win.w;
    // Start-up draws the number distribution of the period.
    const auto& data = w->chart()->chartData();
    ASSERT_EQ(data.barCount(), 49);
    const int countedFrom2015 = data.drawCount;
    EXPECT_GT(countedFrom2015, 0);

    // An earlier first day redraws the chart over the longer period.
    child<QDateEdit>(w.get(), "DateTimePicker2")->setDate(QDate(1994, 11, 19));
    EXPECT_GT(w->chart()->chartData().drawCount, countedFrom2015);

    child<QAbstractButton>(w.get(), "Button5")->click();
    auto* tabs = child<QTabWidget>(w.get(), "PageControl1");
    EXPECT_EQ(tabs->currentWidget()->objectName(), "TabSheet5");
    EXPECT_EQ(w->chart()->chartData().heading(), w->state().messages.line(28));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
