// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawfile.h"
#include "guitestsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>

using namespace vendrilo;

namespace {

// The database tab's button of the Superzahl chart, which only a game with a Superzahl shows.
const QString superzahlChart =
    test::chartButtonName(gui::ChartPlace::Database, charts::ChartKind::Superzahl);

std::set<int> numbersOn(Game game, const char* date)
{
    const auto history = shippedHistory(game);
    for (const DrawRecord& r : *history)
        if (formatDate(r.date) == QLatin1String(date))
            return {r.numbers.begin(), r.numbers.end()};
    return {};
}

void typeRow(test::StartedWindow& win, int row, const std::set<int>& numbers)
{
    int p = 1;
    for (int n : numbers)
        win.w->sheetField(row, p++)->setText(QString::number(n));
    win.session().leaveField();
}

int common(const std::set<int>& a, const std::set<int>& b)
{
    return static_cast<int>(std::count_if(a.begin(), a.end(), [&](int n) { return b.count(n); }));
}

} // namespace

// The switch selects the history every tab works on, and the next start comes back to it; the
// add-ons of a game with a Superzahl stay hidden while the file knows none.
TEST(LottoPlusWindow, TheGameSwitchSelectsTheHistoryAndIsKept)
{
    QTemporaryDir settings;
    const QString path = settings.filePath(QStringLiteral("Pelvano.conf"));
    {
        test::StartedWindow win({}, path);
        EXPECT_TRUE(win.child<QRadioButton>("GameLotto")->isChecked());
        EXPECT_TRUE(win.child<QPushButton>(superzahlChart)->isHidden()) << "no Superzahl stored";
        win.child<QRadioButton>("GamePlus")->click();
        EXPECT_EQ(win.state().game, Game::Plus);
        EXPECT_EQ(formatDate(win.state().shown.date), "20.08.2026");
        const auto& shown = win.state().shown.numbers;
        EXPECT_EQ(std::set<int>(shown.begin() + 1, shown.begin() + 7),
                  numbersOn(Game::Plus, "20.08.2026"));
        EXPECT_TRUE(win.control<QLabel>(gui::Control::SheetDrawLine)->text().contains("20.08.26"));
        win.w->close();
        QApplication::processEvents();
    }
    EXPECT_EQ(QSettings(path, QSettings::IniFormat).value("Spiel").toString(), "plus");
    test::StartedWindow again({}, path);
    EXPECT_TRUE(again.child<QRadioButton>("GamePlus")->isChecked());
    EXPECT_EQ(again.state().game, Game::Plus);

    // A Lotto file that knows a Superzahl shows the add-ons as before.
    test::StartedWindow superzahl([](const QTemporaryDir& dir) {
        test::writeDrawFile(dir, {test::draw("01.08.2026", {1, 2, 3, 4, 5, 6}, 7, 3)});
    });
    EXPECT_FALSE(superzahl.child<QPushButton>(superzahlChart)->isHidden());
    superzahl.child<QRadioButton>("GamePlus")->click();
    EXPECT_TRUE(superzahl.child<QPushButton>(superzahlChart)->isHidden()) << "Lotto Plus has none";
}

// Rows holding the Lotto and the Lotto Plus draw of 20.08.2026, scored against both draws of the
// evening whichever game is shown; a day before Lotto Plus began has no Plus draw.
TEST(LottoPlusWindow, ASheetWithPlusShowsTheHitsInBothDraws)
{
    test::StartedWindow win;
    const std::set<int> lotto = numbersOn(Game::Lotto, "20.08.2026");
    const std::set<int> plus = numbersOn(Game::Plus, "20.08.2026");
    win.session().setChosenDate(test::day("20.08.2026"));
    win.session().goToChosenDate();
    typeRow(win, 1, lotto);
    typeRow(win, 2, plus);
    auto* plusHits1 = win.child<QLabel>("PlusHits1");
    ASSERT_TRUE(plusHits1 && win.child<QLabel>("PlusHits2") && win.child<QLabel>("PlusHits3"));
    ASSERT_TRUE(win.child<QCheckBox>("WithPlusBox") && win.child<QLabel>(kSheetRows[0].hitsLabel));
    EXPECT_TRUE(plusHits1->isHidden()) << "without Plus no column";
    win.child<QCheckBox>("WithPlusBox")->click();
    ASSERT_TRUE(win.state().withPlus);
    const struct {
        Game game;
        QString hits1;      // the hits label of row 1 in the shown draw
        QString companion1; // PlusHits1: row 1 in the other draw
        QString companion2;
    } cases[] = {
        {Game::Lotto, "6", QStringLiteral("Plus: %1").arg(common(lotto, plus)), "Plus: 6"},
        {Game::Plus, QString::number(common(lotto, plus)), "Lotto: 6",
         QStringLiteral("Lotto: %1").arg(common(lotto, plus))},
    };
    for (const auto& c : cases) {
        win.session().setGame(c.game);
        EXPECT_EQ(win.child<QLabel>(kSheetRows[0].hitsLabel)->text(), c.hits1);
        EXPECT_FALSE(plusHits1->isHidden());
        EXPECT_EQ(plusHits1->text(), c.companion1);
        EXPECT_EQ(win.child<QLabel>("PlusHits2")->text(), c.companion2);
        EXPECT_EQ(win.child<QLabel>("PlusHits3")->text(), "") << "an empty row";
    }
    win.session().setGame(Game::Lotto);
    win.session().setChosenDate(test::day("01.09.2012"));
    win.session().goToChosenDate();
    EXPECT_EQ(plusHits1->text(), "Plus: –");
    win.child<QCheckBox>("WithPlusBox")->click();
    EXPECT_TRUE(plusHits1->isHidden());
}

// Each switch shows the game's file as it stands then, read once for the draw and its damaged
// records: a file changed while the other game was shown is not taken from before.
TEST(LottoPlusWindow, TheSwitchBackShowsTheFileAsItStandsNow)
{
    test::StartedWindow win([](const QTemporaryDir& dir) {
        test::writeDrawFile(dir, {test::draw("01.08.2026", {1, 2, 3, 4, 5, 6})});
    });
    win.session().setChosenDate(test::day("01.08.2026"));
    win.session().goToChosenDate();
    DrawRecord damaged = test::draw("08.08.2026", {7, 8, 9, 10, 11, 12});
    damaged.date = std::numeric_limits<double>::quiet_NaN();
    const DrawRecord later = test::draw("12.08.2026", {3, 11, 19, 27, 35, 43});
    const struct {
        std::vector<DrawRecord> lotto; // written while Lotto Plus is shown
        std::set<int> shown;           // the numbers of 01.08.2026 after the switch back
        qsizetype warnings;            // messages about damaged records so far
    } cases[] = {
        {{test::draw("01.08.2026", {9, 10, 11, 12, 13, 14}), later}, {9, 10, 11, 12, 13, 14}, 0},
        {{test::draw("01.08.2026", {1, 2, 3, 4, 5, 6}), damaged, later}, {1, 2, 3, 4, 5, 6}, 1},
        // Not told again for the same damage, although the sound Lotto Plus file was shown in
        // between; told again when the damage grew.
        {{test::draw("01.08.2026", {2, 3, 4, 5, 6, 7}), damaged}, {2, 3, 4, 5, 6, 7}, 1},
        {{test::draw("01.08.2026", {2, 3, 4, 5, 6, 7}), damaged, damaged}, {2, 3, 4, 5, 6, 7}, 2},
    };
    for (const auto& c : cases) {
        win.session().setGame(Game::Plus);
        test::writeDrawFile(win.dir, c.lotto);
        win.session().setGame(Game::Lotto);
        const auto& shown = win.state().shown.numbers;
        EXPECT_EQ(formatDate(win.state().shown.date), QStringLiteral("01.08.2026"));
        EXPECT_EQ(std::set<int>(shown.begin() + 1, shown.begin() + 7), c.shown);
        EXPECT_EQ(win.prompts->messages.size(), c.warnings);
    }
}
