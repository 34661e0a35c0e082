// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the window while long work runs: a generation run, the back-test, the similarity
// analysis and an online update. The work stops, the window closes, and what is stored is whole:
// the options as the user set them (not as a run loosened them), the sheet as the work left it
// when it ended, no report, the draw file in whole days.
#include "core/draws/drawfile.h"
#include "core/program/settingsstore.h"
#include "guitestsupport.h"

#include <string>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vendrilo;
using test::day;
using test::draw;

namespace {

// Lets the window's work and the close it waited for run to their end.
void settle(test::StartedWindow& win)
{
    QElapsedTimer waited;
    waited.start();
    while ((win.session().busy() || win.w->isVisible()) && waited.elapsed() < 120000)
        QTest::qWait(5);
}

// What a restart would find in the settings.
ProgramState storedState(const QString& settingsFile)
{
    ProgramState s;
    WindowSize size;
    (void)restoreSettings(*openSettings(settingsFile), s, size);
    return s;
}

void expectSameSheet(const TipSheet& stored, const TipSheet& shown)
{
    for (int r = 1; r <= TipSheet::kRows; ++r) {
        EXPECT_EQ(stored.rowString(r), shown.rowString(r)) << "row " << r;
        EXPECT_EQ(stored.locked(r), shown.locked(r)) << "row " << r;
    }
}

struct Case {
    const char* name;
    std::function<void(test::StartedWindow&)> prepare; // options and dates the user set
    // Starts the work and asks the window to close while it runs.
    std::function<void(test::StartedWindow&)> startAndClose;
    const char* report; // the report the work would write, which must not be there
};

void closeOnFirstProgress(test::StartedWindow& win)
{
    QObject::connect(&win.session(), &gui::Session::analysisProgress, win.w.get(),
                     [&win] { win.w->close(); });
}

const Case kCases[] = {
    {"generation",
     [](test::StartedWindow& win) {
         gui::Session& s = win.session();
         s.setOption(Option::ForcePair, 1); // given up at half the budget
         s.setOption(Option::RunBudgetThousands, 4);
         s.setOption(Option::CrossSumMinimum, 21); // all but unreachable: the whole budget is used
         s.setOption(Option::CrossSumMaximum, 21);
     },
     [](test::StartedWindow& win) {
         // The close comes once the run has loosened its options.
         auto* watch = new QTimer(win.w.get());
         QObject::connect(watch, &QTimer::timeout, win.w.get(), [&win, watch] {
             if (!win.state().options.checked(Option::ForcePair)) {
                 watch->stop();
                 win.w->close();
             }
         });
         watch->start(0);
         win.session().startOrStopGeneration();
     },
     nullptr},
    {"back-test",
     [](test::StartedWindow& win) {
         win.session().setOption(Option::ShowWeightingList, 1); // the passes turn it off
         win.session().setChosenDate(day("01.01.2000"));
     },
     [](test::StartedWindow& win) {
         win.prompts->inputAnswers = {"4711"};
         closeOnFirstProgress(win);
         win.session().runBacktest();
     },
     "Test.txt"},
    {"similarity", [](test::StartedWindow& win) { win.session().setChosenDate(day("01.01.1996")); },
     [](test::StartedWindow& win) {
         win.prompts->inputAnswers = {"7"}; // a threshold no draw reaches: nothing is asked
         closeOnFirstProgress(win);
         win.session().analyseSimilarDraws();
     },
     "Test.rtf"},
};

} // namespace

TEST(CloseWhileBusy, TheWorkStopsTheWindowClosesAndWhatIsStoredIsWhole)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        test::StartedWindow win;
        QTemporaryDir reports; // the back-test writes where the program was started
        const QString before = QDir::currentPath();
        QDir::setCurrent(reports.path());
        win.w->show();
        c.prepare(win);
        const Options userOptions = win.state().options;
        c.startAndClose(win);
        settle(win);
        QDir::setCurrent(before);
        EXPECT_FALSE(win.w->isVisible()) << "the window closed once the work stopped";
        EXPECT_EQ(win.state().options, userOptions) << "the window's options are put back";
        const ProgramState stored = storedState(win.settingsFile());
        EXPECT_EQ(stored.options, userOptions);
        expectSameSheet(stored.sheet, win.state().sheet);
        if (c.report) {
            EXPECT_FALSE(QFile::exists(QDir(reports.path()).filePath(c.report)));
            EXPECT_FALSE(QFile::exists(win.dir.filePath(c.report)));
        }
        EXPECT_TRUE(win.openedUrls.isEmpty());
    }
}

// An update stores each day whole: it stops after the day it is at, the window closes then, and
// the draw file holds whole records up to some day.
TEST(CloseWhileBusy, AnUpdateStopsAfterAWholeDayAndTheWindowClosesThen)
{
    QTemporaryDir serverDir;
    std::vector<DrawRecord> served;
    for (int d = 2; d <= 8; ++d)
        served.push_back(draw(qPrintable(QStringLiteral("%1.12.2026").arg(d, 2, 10, QChar('0'))),
                              {1, 2, 3, 4, 5, 6 + d}));
    test::DrawServer server({"--draws", test::writeDrawFile(serverDir, served), "--delay", "150"});
    ASSERT_FALSE(server.url.isEmpty());
    test::StartedWindow win([](const QTemporaryDir& dir) {
        test::writeDrawFile(dir, {draw("01.12.2026", {13, 14, 15, 16, 17, 18})});
    });
    win.w->show();
    auto* edit = win.child<QLineEdit>("ServerEdit");
    edit->setText(server.url);
    Q_EMIT edit->editingFinished();
    bool closeAsked = false;
    QObject::connect(&win.session(), &gui::Session::shownDrawChanged, win.w.get(), [&] {
        if (win.session().busy() && !closeAsked) {
            closeAsked = true;
            win.w->close();
        }
    });
    win.session().fetchNewDraws();
    settle(win);
    EXPECT_TRUE(closeAsked);
    EXPECT_FALSE(win.w->isVisible());
    const auto records = drawfile::read(win.dir.filePath("ZahlenPL.dat"));
    ASSERT_TRUE(records.ok());
    EXPECT_GE(records->size(), 2u);
    EXPECT_LT(records->size(), 8u) << "the update stopped";
    EXPECT_EQ(QFileInfo(win.dir.filePath("ZahlenPL.dat")).size() % 32, 0);
    for (std::size_t i = 1; i < records->size(); ++i)
        EXPECT_EQ((*records)[i].numbers[5], 6 + 1 + i) << "day " << i + 1 << " stored whole";
    EXPECT_EQ(storedState(win.settingsFile()).internet.server, server.url);
}
