// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawfile.h"
#include "core/program/programstate.h"
#include "gui/chartbuttons.h"
#include "charts/chartview.h"
#include "gui/deferredicons.h"
#include "gui/dialogs.h"
#include "gui/guiprompts.h"
#include "gui/weightinglistdialog.h"
#include "gui/windows.h"
#include "guitestsupport.h"

#include <QAbstractButton>
#include <QBarSeries>
#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>
#include <QToolButton>
#include <gtest/gtest.h>

#include <map>

using namespace vendrilo;
using vendrilo::test::draw;

namespace {

template <typename T> T* child(QWidget* w, gui::Control id)
{
    T* c = test::findControl<T>(w, id);
    EXPECT_NE(c, nullptr) << gui::controlName(id).toStdString();
    return c;
}

QStringList fixtureLines(const char* name)
{
    QFile f(QStringLiteral(VENDRILO_FIXTURES "/") + QString::fromLatin1(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text)) << name;
    QStringList lines;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            lines << line;
    }
    return lines;
}

} // namespace

TEST(MainWindow, CaptionTabsMenuAndPickers)
{
    test::StartedWindow win;
    auto& w = win.w;
    EXPECT_EQ(w->windowTitle(), "Quirlends Vendrilo  6/49 PL");

    auto* tabs = child<QTabWidget>(w.get(), gui::Control::MainTabs);
    const QStringList expected{"Lottotipp",         "Berechnung", "Diagramm", "Datenbank",
                               "Internet-Optionen", "Systeme",    "Konto"};
    QStringList captions, names;
    for (int i = 0; i < tabs->count(); ++i) {
        captions << tabs->tabText(i);
        names << tabs->widget(i)->objectName();
    }
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(names, (QStringList{gui::controlName(gui::Control::SheetTab),
                                  gui::controlName(gui::Control::OptionsTab),
                                  gui::controlName(gui::Control::ChartTab),
                                  gui::controlName(gui::Control::DatabaseTab),
                                  gui::controlName(gui::Control::InternetTab), "TabSheetWheels",
                                  "TabSheetKonto"}));
    EXPECT_EQ(tabs->currentIndex(), 0);

    QStringList menu;
    for (QAction* a : w->menuBar()->actions())
        menu << a->text() + QLatin1Char('|') + a->shortcut().toString(QKeySequence::PortableText);
    EXPECT_EQ(menu, (QStringList{"&Aktualisieren|Ctrl+A", "&Berechnen|Ctrl+R", "Ab&geben|Ctrl+G",
                                 "&Schein|", "Sprache/Language/Langue|", "Hilfe|", "S&chließen|"}));

    for (const gui::Control picker : {gui::Control::ChosenDate, gui::Control::StatisticsStart})
        EXPECT_EQ(child<QDateEdit>(w.get(), picker)->minimumDate(), QDate(1994, 11, 19));
}

// Language files and the settings store find the controls by these names.
TEST(MainWindow, ControlNamesAreTheOnesLanguageAndSettingsFilesUse)
{
    auto windows = gui::createWindows();
    // The chart view is made when first asked for.
    auto* chart = test::chartView(*windows.main);
    QStringList names;
    for (QObject* o : windows.main->findChildren<QObject*>()) {
        const QString name = o->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) &&
            name != QLatin1String("_layout") && !name.startsWith(QLatin1String("Scroll")))
            names << name;
    }
    // The bar series belong to the chart, not to the window's tree of widgets.
    names << chart->reserveSeries()->objectName() << chart->barSeries()->objectName();
    names.removeDuplicates();
    const QStringList expected = fixtureLines("objectnames.txt");
    QStringList missing, unexpected;
    for (const QString& name : expected)
        if (!names.contains(name))
            missing << name;
    for (const QString& name : names)
        if (!expected.contains(name))
            unexpected << name;
    EXPECT_TRUE(missing.isEmpty()) << "missing: " << missing.join(' ').toStdString();
    EXPECT_TRUE(unexpected.isEmpty()) << "not in the list: " << unexpected.join(' ').toStdString();
}

// Every id of the control table names exactly one control of its own window: a builder given
// the wrong id, or two controls of a window under one name, would send a language file's text or
// a test to the wrong control.
TEST(MainWindow, EachControlIdNamesOneControlOfItsWindow)
{
    using gui::Control;
    auto windows = gui::createWindows();
    gui::ChartView* chart = test::chartView(*windows.main);
    QWidget* drawEntry = windows.main->findChild<gui::DrawEntryDialog*>();
    QWidget* printPositions = windows.main->findChild<gui::PrintPositionsDialog*>();
    QWidget* weightingList = windows.main->findChild<gui::WeightingListDialog*>();
    ASSERT_TRUE(drawEntry && printPositions && weightingList);
    const auto windowOf = [&](Control id) -> QWidget* {
        if (id >= Control::DrawEntryDialog && id <= Control::DrawEntryCancel)
            return drawEntry;
        if (id >= Control::PrintPositionsDialog && id <= Control::PrintSuper6Choice)
            return printPositions;
        if (id >= Control::WeightingListDialog)
            return weightingList;
        return windows.main.get();
    };
    for (int i = 0; i <= static_cast<int>(Control::WeightingListRandom); ++i) {
        const auto id = static_cast<Control>(i);
        const QString name = gui::controlName(id);
        QWidget* window = windowOf(id);
        QList<QObject*> found;
        if (window->objectName() == name)
            found << window;
        for (QObject* o : window->findChildren<QObject*>(name)) {
            const auto* w = qobject_cast<QWidget*>(o);
            if (!w || w->window() == window)
                found << o;
        }
        if (id == Control::ReserveSeries || id == Control::BarSeries) {
            QObject* series =
                id == Control::BarSeries ? chart->barSeries() : chart->reserveSeries();
            EXPECT_EQ(series->objectName(), name);
            found.removeAll(series);
            found << series;
        }
        EXPECT_EQ(found.size(), 1) << name.toStdString() << " (id " << i << ")";
    }
}

TEST(MainWindow, DialogsAreCreatedInOrderAndStartUpMakesNoSecondOne)
{
    auto windows = gui::createWindows();
    windows.main->startUp();
    const auto dialogs =
        windows.main->findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly);
    QStringList titles;
    for (auto* d : dialogs)
        titles << d->windowTitle();
    EXPECT_EQ(titles,
              (QStringList{"Zahlen der Ziehung eingeben", "Welche Zahlen für die Berechnung",
                           "Positionierung des Scheindruckes"}));
    EXPECT_EQ(windows.main->findChildren<gui::PrintPositionsDialog*>().size(), 1);
}

TEST(MainWindow, FirstStartShowsTheNewestShippedDraw)
{
    test::StartedWindow win;
    auto& w = win.w;
    EXPECT_EQ(drawfile::read(win.dir.filePath("ZahlenPL.dat"))->size(), 7394u);
    EXPECT_TRUE(child<QLabel>(w.get(), gui::Control::SheetDrawLine)
                    ->text()
                    .endsWith("20.08.26    6  12  19  21  23  26"));
    EXPECT_EQ(child<QLabel>(w.get(), gui::Control::CrossSumLine)->text(), "QS: 107");
    EXPECT_EQ(child<QLabel>(w.get(), gui::Control::DatabaseDrawLine)->text(),
              child<QLabel>(w.get(), gui::Control::SheetDrawLine)->text());
    EXPECT_EQ(win.state().shown.position, 7393);
    EXPECT_EQ(child<QDateEdit>(w.get(), gui::Control::ChosenDate)->date(), QDate(2026, 8, 20));
    EXPECT_TRUE(win.prompts->messages.isEmpty());
}

TEST(MainWindow, StepsThroughTheDrawFileWithTheArrowButtons)
{
    test::StartedWindow win([](const QTemporaryDir& dir) {
        test::writeDrawFile(dir, {draw("04.01.1997", {1, 2, 3, 4, 5, 6}),
                                  draw("08.01.1997", {7, 8, 9, 10, 11, 12}),
                                  draw("11.01.1997", {3, 11, 19, 27, 35, 43})});
    });
    auto& w = win.w;
    auto* label13 = child<QLabel>(w.get(), gui::Control::CrossSumLine);
    EXPECT_EQ(label13->text(), "QS: 138");
    child<QToolButton>(w.get(), gui::Control::PreviousDraw)->click();
    EXPECT_EQ(label13->text(), "QS: 57");
    EXPECT_EQ(child<QDateEdit>(w.get(), gui::Control::ChosenDate)->date(), QDate(1997, 1, 8));
    child<QToolButton>(w.get(), gui::Control::PreviousDraw)->click();
    EXPECT_EQ(label13->text(), "QS: 57") << "back stops at the second draw";
    child<QToolButton>(w.get(), gui::Control::NextDraw)->click();
    EXPECT_EQ(label13->text(), "QS: 138");

    // The picker and the state are one: a date typed into the picker is what "Auswerten" shows.
    child<QDateEdit>(w.get(), gui::Control::ChosenDate)->setDate(QDate(1997, 1, 5));
    EXPECT_EQ(win.state().chosenDate.date(), *parseDate("05.01.1997"));
    child<QToolButton>(w.get(), gui::Control::EvaluateChosenDraw)->click();
    EXPECT_EQ(label13->text(), "QS: 57");
}

TEST(MainWindow, MissingDrawFileDuringNavigationChangesNothing)
{
    test::StartedWindow win;
    auto* label35 = child<QLabel>(win.w.get(), gui::Control::SheetDrawLine);
    const QString before = label35->text();
    QFile::remove(win.dir.filePath("ZahlenPL.dat"));
    child<QToolButton>(win.w.get(), gui::Control::PreviousDraw)->click();
    EXPECT_EQ(label35->text(), before);
    ASSERT_FALSE(win.prompts->messages.isEmpty());
    EXPECT_TRUE(win.prompts->messages.last().contains("ZahlenPL.dat"));
}

TEST(MainWindow, ADamagedDrawFileIsReportedOnceAndLeftAsItIs)
{
    QByteArray bytes;
    test::StartedWindow win([&](const QTemporaryDir& dir) {
        DrawRecord nan = draw("08.01.1997", {7, 8, 9, 10, 11, 12});
        nan.date = std::numeric_limits<double>::quiet_NaN();
        const QString path =
            test::writeDrawFile(dir, {draw("04.01.1997", {1, 2, 3, 4, 5, 66}), nan,
                                      draw("11.01.1997", {3, 11, 19, 27, 35, 43})});
        bytes = test::readBytes(path);
    });
    ASSERT_EQ(win.prompts->messages.size(), 1);
    EXPECT_TRUE(win.prompts->messages.first().contains(" 2 beschädigte"))
        << win.prompts->messages.first().toStdString();
    EXPECT_EQ(test::readBytes(win.dir.filePath("ZahlenPL.dat")), bytes);
    // Stepping onto the damaged records shows them as they stand; no second warning.
    child<QToolButton>(win.w.get(), gui::Control::PreviousDraw)->click();
    EXPECT_TRUE(
        child<QLabel>(win.w.get(), gui::Control::SheetDrawLine)->text().startsWith("?? ??.??.??"));
    win.session().warnAboutDamagedDraws();
    EXPECT_EQ(win.prompts->messages.size(), 1);
}

TEST(MainWindow, ATallerWindowGivesRoomNotBiggerText)
{
    // The desktop's scale factor scales the whole window; its own height changes no font, so
    // text, boxes and arrows keep their proportions.
    test::StartedWindow win;
    auto& w = win.w;
    auto* tabs = child<QTabWidget>(w.get(), gui::Control::MainTabs);
    w->show();
    w->resize(w->width(), 600);
    const qreal at600 = tabs->font().pointSizeF();
    w->resize(w->width(), 900);
    QApplication::processEvents();
    EXPECT_EQ(tabs->font().pointSizeF(), at600);
    EXPECT_GT(tabs->height(), 600);
}

TEST(MainWindow, SheetFieldsGrowWithTheWindowAndHoldTwoDigits)
{
    test::StartedWindow win;
    auto& w = win.w;
    w->show();
    w->resize(700, 560);
    QApplication::processEvents();
    QLineEdit* field = w->sheetField(1, 1);
    const int narrow = field->width();
    EXPECT_GE(narrow, field->fontMetrics().horizontalAdvance(QStringLiteral("49")) + 8);
    w->resize(1200, 560);
    QApplication::processEvents();
    EXPECT_GT(field->width(), narrow + 20);
    // A taller window: the fields still hold two digits.
    w->resize(1200, 900);
    QApplication::processEvents();
    EXPECT_GE(field->width(), field->fontMetrics().horizontalAdvance(QStringLiteral("49")) + 8);
}

TEST(MainWindow, ChartsFollowTheStatisticsPeriod)
{
    test::StartedWindow win;
    auto& w = win.w;
    // Start-up draws the number distribution of the period.
    const auto& data = test::chartView(*w)->chartData();
    ASSERT_EQ(data.barCount(), 49);
    const int countedFrom2015 = data.drawCount;
    EXPECT_GT(countedFrom2015, 0);

    // An earlier first day redraws the chart over the longer period.
    child<QDateEdit>(w.get(), gui::Control::StatisticsStart)->setDate(QDate(1994, 11, 19));
    EXPECT_GT(test::chartView(*w)->chartData().drawCount, countedFrom2015);

    w->findChild<QAbstractButton*>(
         test::chartButtonName(gui::ChartPlace::Database, charts::ChartKind::Overdue))
        ->click();
    auto* tabs = child<QTabWidget>(w.get(), gui::Control::MainTabs);
    EXPECT_EQ(tabs->currentWidget(), child<QWidget>(w.get(), gui::Control::ChartTab));
    EXPECT_EQ(test::chartView(*w)->chartData().heading(),
              win.state().messages.text(Msg::OverdueTitle));
}

// The status bar never names another chart than the one drawn: after a hint of one chart's
// control, a chart drawn another way shows the hint of a control of its own on the same page, or
// none where no control of that chart has a hint.
TEST(MainWindow, TheStatusHintFollowsTheChartDrawn)
{
    test::StartedWindow win;
    using charts::ChartKind;
    using gui::ChartButton;
    using gui::chartButtonsFor;
    using gui::ChartPlace;
    struct Case {
        ChartKind hovered;
        ChartPlace page;
        ChartKind drawn;
    };
    const Case cases[] = {
        {ChartKind::Numbers, ChartPlace::Diagram, ChartKind::CrossSums},
        {ChartKind::Overdue, ChartPlace::Database, ChartKind::Pairs},
        {ChartKind::Primes, ChartPlace::MathematicsOptions, ChartKind::Odd},
        {ChartKind::Numbers, ChartPlace::Diagram, ChartKind::Superzahl}, // no hint anywhere
        {ChartKind::Pairs, ChartPlace::Database, ChartKind::Pairs},      // its own hint stays
    };
    for (const Case& c : cases) {
        const QWidget* hovered =
            win.w->findChild<QWidget*>(chartButtonsFor(c.hovered, c.page).front().name);
        ASSERT_NE(hovered, nullptr);
        win.session().showHint(hovered);
        win.session().drawChart(c.drawn);
        QString expected;
        for (const ChartButton& b : chartButtonsFor(c.drawn, c.page)) {
            expected = win.w->findChild<QWidget*>(b.name)->toolTip();
            if (!expected.isEmpty())
                break;
        }
        EXPECT_EQ(win.w->statusText(1), expected) << static_cast<int>(c.drawn);
        if (c.hovered == c.drawn) {
            EXPECT_EQ(win.w->statusText(1), hovered->toolTip());
        }
    }
}

// Alt + a letter must reach exactly one control: two captions with the same marked letter
// leave the key doing nothing.
TEST(MainWindow, AcceleratorsAreUniqueInTheWindow)
{
    test::StartedWindow win;
    std::map<QChar, QStringList> owners;
    auto note = [&](const QString& text, const QString& who) {
        for (qsizetype i = text.indexOf(QLatin1Char('&')); i >= 0 && i + 1 < text.size();
             i = text.indexOf(QLatin1Char('&'), i + 2)) {
            if (text.at(i + 1) != QLatin1Char('&'))
                owners[text.at(i + 1).toLower()] << who;
        }
    };
    for (QAction* a : win.w->menuBar()->actions())
        note(a->text(), a->objectName());
    for (QAbstractButton* b : win.w->findChildren<QAbstractButton*>())
        note(b->text(), b->objectName());
    for (QLabel* l : win.w->findChildren<QLabel*>())
        if (l->buddy())
            note(l->text(), l->objectName());
    int marked = 0;
    for (const auto& [key, who] : owners) {
        EXPECT_EQ(who.size(), 1) << "Alt+" << QString(key).toStdString() << ": "
                                 << who.join(QStringLiteral(", ")).toStdString();
        ++marked;
    }
    EXPECT_GE(marked, 5);
    EXPECT_EQ(child<QAbstractButton>(win.w.get(), gui::Control::StartGeneration)->text(),
              "&Tipps berechnen");
}

TEST(MainWindow, QtsOwnTextsAreGerman)
{
    test::StartedWindow win;
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open"), "Öffnen");
}

TEST(MainWindow, TheInputBoxShowsItsWholeQuestion)
{
    const MessageList m;
    const auto dialog = gui::GuiPrompts::makeInputDialog(nullptr, m.text(Msg::StopAtHitsTitle),
                                                         m.text(Msg::TipTest), "6");
    dialog->show();
    QApplication::processEvents();
    const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
    EXPECT_GT(dialog->width(), title.horizontalAdvance(m.text(Msg::StopAtHitsTitle)) + 60);
    EXPECT_EQ(dialog->textValue(), "6");
    EXPECT_EQ(dialog->labelText(), m.text(Msg::TipTest));
}

TEST(MainWindow, TheBannerOpensTheProductPage)
{
    test::StartedWindow win;
    auto* tabs = child<QTabWidget>(win.w.get(), gui::Control::MainTabs);
    for (const gui::Control id : {gui::Control::VendorBanner, gui::Control::NameBanner,
                                  gui::Control::VendorBannerPanel, gui::Control::NameBannerPanel}) {
        QWidget* part = child<QWidget>(win.w.get(), id);
        ASSERT_NE(part, nullptr);
        EXPECT_TRUE(tabs->widget(0)->isAncestorOf(part))
            << gui::controlName(id).toStdString() << " stands on Lottotipp";
        QTest::mouseClick(part, Qt::LeftButton, {}, QPoint(2, 2));
    }
    ASSERT_GE(win.openedUrls.size(), 4);
    EXPECT_EQ(win.openedUrls.first().scheme(), "https");
    EXPECT_EQ(child<QLabel>(win.w.get(), gui::Control::NameBanner)->text(), "V e n d r i l o");
}

// The program's style hands out its standard icons unloaded; drawn, they are the platform
// style's own, pixel for pixel, at every size and state asked for.
TEST(MainWindow, DeferredStandardIconsDrawAsTheStylesOwn)
{
    gui::DeferredIconStyle deferred;
    QStyle* own = deferred.baseStyle();
    for (const QStyle::StandardPixmap which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_MessageBoxWarning, QStyle::SP_DialogOkButton, QStyle::SP_ArrowBack}) {
        const QIcon lazy = deferred.standardIcon(which);
        const QIcon direct = own->standardIcon(which);
        EXPECT_EQ(lazy.isNull(), direct.isNull()) << which;
        for (const int size : {16, 32})
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled})
                EXPECT_EQ(lazy.pixmap(size, mode).toImage(), direct.pixmap(size, mode).toImage())
                    << which << " " << size << " " << mode;
        EXPECT_EQ(lazy.availableSizes(), direct.availableSizes()) << which;
    }
    // A copy made before the first drawing draws the same.
    const QIcon copy = QIcon(deferred.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton));
    EXPECT_EQ(copy.pixmap(16).toImage(),
              own->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16).toImage());
}
