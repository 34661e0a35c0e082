// SPDX-License-Identifier: GPL-3.0-or-later
// The "Systeme" tab as a user drives it: numbers clicked on the grid, rows and cost before
// computing, the checked wheel in the list, the rows onto the sheet twelve at a time, the files
// and the print-out, and a live search that leaves the window free and stops on "Abbrechen".
#include "core/wheels/wheellibrary.h"
#include "gui/numbergrid.h"
#include "gui/wheelspage.h"
#include "guitestsupport.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace vendrilo;
using gui::WheelsPage;
using wheels::Guarantee;

namespace {

WheelsPage& pageOf(test::StartedWindow& win)
{
    return *win.w->findChild<WheelsPage*>();
}

void clickNumbers(WheelsPage& page, const std::vector<int>& numbers)
{
    for (const int n : numbers)
        QTest::mouseClick(page.numberGrid(), Qt::LeftButton, {}, page.numberGrid()->centreOf(n));
}

void press(test::StartedWindow& win, const char* name)
{
    win.child<QPushButton>(QString::fromLatin1(name))->click();
}

std::vector<int> upTo(int n)
{
    std::vector<int> numbers;
    for (int k = 1; k <= n; ++k)
        numbers.push_back(k);
    return numbers;
}

} // namespace

// Before anything is computed the labels tell rows and cost: the full wheel's count, the
// library's, or "?" where only a search can tell; the price is the fee field's.
TEST(WheelsPage, RowsAndCostShowBeforeComputing)
{
    test::StartedWindow win;
    win.session().setInternetText(&InternetOptions::rowPrice, QStringLiteral("3,00"));
    WheelsPage& page = pageOf(win);
    clickNumbers(page, {3, 9, 12, 18, 22, 27, 33, 41});
    EXPECT_EQ(page.numberGrid()->chosen(), (std::vector<int>{3, 9, 12, 18, 22, 27, 33, 41}));
    const struct {
        Guarantee guarantee;
        int numbers;
        QString rows;
        QString cost;
    } cases[] = {
        {Guarantee::fullWheel(), 8, "Reihen: 28", "Kosten (zł): 84,00"},
        {Guarantee::fullWheel(), 20, "Reihen: 38.760", "Kosten (zł): 116.280,00"},
        {Guarantee::ifOf(3, 6), 18,
         QStringLiteral("Reihen: %1").arg(wheels::libraryRows(18, Guarantee::ifOf(3, 6))->size()),
         QString()},
        {Guarantee::ifOf(3, 3), 31, "Reihen: ?", "Kosten (zł): ?"},
    };
    for (const auto& c : cases) {
        page.numberGrid()->setChosen(upTo(c.numbers));
        page.setGuarantee(c.guarantee);
        EXPECT_EQ(page.rowsText(), c.rows) << c.numbers;
        if (!c.cost.isEmpty()) {
            EXPECT_EQ(page.costText(), c.cost) << c.numbers;
        }
        EXPECT_FALSE(page.wheel().has_value());
    }
    page.numberGrid()->setChosen(upTo(21));
    page.setGuarantee(Guarantee::fullWheel());
    EXPECT_FALSE(win.child<QPushButton>("WheelCompute")->isEnabled()); // 54,264 rows
}

// A full wheel on eight numbers: 28 checked rows in the list; three presses put rows 1-12,
// 13-24 and 25-28 on the sheet, the fourth starts over.
TEST(WheelsPage, TheCheckedWheelGoesOntoTheSheetTwelveRowsAPress)
{
    test::StartedWindow win;
    WheelsPage& page = pageOf(win);
    clickNumbers(page, {3, 9, 12, 18, 22, 27, 33, 41});
    page.setGuarantee(Guarantee::fullWheel());
    press(win, "WheelCompute");
    ASSERT_TRUE(page.wheel().has_value());
    EXPECT_EQ(win.child<QListWidget>("WheelRows")->count(), 28);
    EXPECT_FALSE(win.child<QLabel>("WheelVerified")->isHidden());
    for (const int first : {0, 12, 24, 0}) {
        press(win, "WheelToSheet");
        for (int r = 1; r <= 12; ++r) {
            const std::size_t index = static_cast<std::size_t>(first + r - 1);
            const QString shown = win.w->sheetField(r, 1)->text();
            if (index < 28)
                EXPECT_EQ(shown.toInt(), page.wheel()->rows[index][0]) << first << " " << r;
            else
                EXPECT_TRUE(shown.isEmpty()) << first << " " << r;
        }
    }
    // "Vom Schein" takes the sheet's numbers back onto the grid: the eight numbers.
    page.numberGrid()->setChosen({});
    press(win, "WheelFromSheet");
    EXPECT_EQ(page.numberGrid()->chosen(), (std::vector<int>{3, 9, 12, 18, 22, 27, 33, 41}));
}

TEST(WheelsPage, FilesAndThePrintOutHoldEveryRow)
{
    test::StartedWindow win;
    WheelsPage& page = pageOf(win);
    page.numberGrid()->setChosen(upTo(18));
    page.setGuarantee(Guarantee::ifOf(3, 3));
    page.computeWheel();
    ASSERT_TRUE(page.wheel().has_value());
    const int rows = static_cast<int>(page.wheel()->rows.size());
    page.saveTipFiles(win.dir.filePath(QStringLiteral("S.qkt")));
    EXPECT_EQ(QDir(win.dir.path()).entryList({QStringLiteral("S-*.qkt")}).size(), (rows + 11) / 12);
    press(win, "WheelPrint");
    ASSERT_EQ(win.openedUrls.size(), 1);
    QFile printout(win.openedUrls.front().toLocalFile());
    ASSERT_TRUE(printout.open(QIODevice::ReadOnly));
    const QStringList lines =
        QString::fromLocal8Bit(printout.readAll()).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.size(), rows + 4);
    EXPECT_TRUE(lines.front().startsWith(QStringLiteral("Systeme: 1 2 3")))
        << lines.front().toStdString();
    EXPECT_TRUE(win.prompts->messages.isEmpty());
}

// Beyond the library the search builds the wheel in its own thread: the window keeps handling
// events (the progress bar moves), the result is checked, and "Abbrechen" ends a long search
// at once with the best wheel kept.
TEST(WheelsPage, TheSearchRunsBesideTheWindowAndStopsOnCancel)
{
    test::StartedWindow win;
    WheelsPage& page = pageOf(win);
    page.numberGrid()->setChosen(upTo(31));
    page.setGuarantee(Guarantee::ifOf(3, 3));
    win.child<QSpinBox>("WheelSeconds")->setValue(600);
    QSignalSpy finished(&page, &WheelsPage::searchFinished);
    press(win, "WheelCompute"); // nothing at hand: the search starts
    ASSERT_TRUE(page.searchRunning());
    EXPECT_TRUE(win.child<QPushButton>("WheelCancel")->isEnabled());
    EXPECT_FALSE(win.child<QPushButton>("WheelSearch")->isEnabled());
    auto* progress = win.child<QProgressBar>("WheelProgress");
    auto* best = win.child<QLabel>("WheelSearchLabel");
    // Events keep coming while the search runs, and it reports a first wheel.
    for (int i = 0; i < 300 && best->text() == QStringLiteral("Bestes System (Reihen): "); ++i)
        QTest::qWait(50);
    EXPECT_NE(best->text(), QStringLiteral("Bestes System (Reihen): "));
    EXPECT_TRUE(page.searchRunning());
    press(win, "WheelCancel");
    ASSERT_TRUE(finished.wait(10'000));
    EXPECT_FALSE(page.searchRunning());
    EXPECT_EQ(progress->value(), progress->maximum());
    ASSERT_TRUE(page.wheel().has_value());
    EXPECT_TRUE(wheels::checkWheel(*page.wheel()).passed);
    EXPECT_EQ(win.child<QListWidget>("WheelRows")->count(),
              static_cast<int>(page.wheel()->rows.size()));
    EXPECT_TRUE(win.child<QPushButton>("WheelSearch")->isEnabled());
}
