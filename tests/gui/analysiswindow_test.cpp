// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/dates.h"
#include "guitestsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStringDecoder>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace vendrilo;

namespace {

// The analyses write "Test.txt" where the program was started: each test starts in its folder.
struct InFolder {
    QString previous = QDir::currentPath();
    explicit InFolder(const QString& folder) { QDir::setCurrent(folder); }
    ~InFolder() { QDir::setCurrent(previous); }
};

QStringList cliLines(const QStringList& args)
{
    QProcess cli;
    cli.start(VENDRILO_CLI, args);
    EXPECT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    QStringList lines = QString::fromUtf8(cli.readAllStandardOutput()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The back-test's passes run on a thread of their own: the window takes their state when they
// end.
void waitForAnalysisEnd(gui::Session& session)
{
    QElapsedTimer waited;
    waited.start();
    while (session.busy() && waited.elapsed() < 120000)
        QTest::qWait(5);
}

QStringList reportLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QStringDecoder decode(QStringConverter::System);
    const QString text = decode(bytes);
    QStringList lines = text.split("\r\n");
    lines.removeLast();
    return lines;
}

} // namespace

TEST(AnalysisWindow, ABacktestRunsLikeTheCommandLineAndACancelledOneWritesNothing)
{
    test::StartedWindow win;
    InFolder here(win.dir.path());
    const QString report = win.dir.filePath("Test.txt");
    const double start = *parseDate("01.01.2026");

    // Cancelled at its first sign of progress (shown after 50 ms, so it starts in 2000 to last
    // long enough): no report, the window free again.
    const double longAgo = *parseDate("01.01.2000");
    win.session().setChosenDate(longAgo);
    win.prompts->inputAnswers = {"4711"};
    bool sawRunning = false;
    QObject::connect(&win.session(), &gui::Session::analysisProgress, [&] {
        sawRunning = win.child<QPushButton>("AnalysisCancel")->isVisibleTo(win.w.get()) &&
                     !win.w->centralWidget()->isEnabled();
        QTest::mouseClick(win.child<QPushButton>("AnalysisCancel"), Qt::LeftButton);
    });
    win.w->show();
    win.session().runBacktest();
    waitForAnalysisEnd(win.session());
    EXPECT_TRUE(sawRunning);
    EXPECT_FALSE(QFile::exists(report));
    EXPECT_TRUE(win.openedUrls.isEmpty());
    EXPECT_TRUE(win.w->centralWidget()->isEnabled());
    EXPECT_GT(win.state().chosenDate.date(), longAgo); // left on the last draw handled
    EXPECT_LT(win.state().chosenDate.date(), start);
    EXPECT_EQ(win.w->statusText(1), "Geben Sie Ihre Glückszahl für den Zufallsgenerator ein! 4711");

    // To the end: the same report as the command line's, and it is opened.
    QObject::disconnect(&win.session(), &gui::Session::analysisProgress, nullptr, nullptr);
    win.session().setChosenDate(start);
    win.prompts->inputAnswers = {"4711"};
    win.session().runBacktest();
    waitForAnalysisEnd(win.session());
    ASSERT_TRUE(QFile::exists(report));
    ASSERT_EQ(win.openedUrls.size(), 1);
    EXPECT_EQ(win.openedUrls.first(), QUrl::fromLocalFile(report));
    const QStringList expected = cliLines(
        {"--draws", win.state().drawPath(), "--today", "08.12.2026", "--date", "01.01.2026",
         "--from", formatDate(win.state().statisticsStart.date()), "--seed", "4711", "backtest"});
    EXPECT_EQ(reportLines(report), expected);
    // The tally, then the money lines: a heading, one line per pass and the sums.
    const int passes = reportLines(report).value(15).split(' ').first().toInt();
    EXPECT_GT(passes, 0);
    EXPECT_EQ(reportLines(report).size(), 16 + 8 + passes);
    // The window stays on the last draw with the last sheet.
    EXPECT_FALSE(win.state().sheet.row(1).fields[0].isEmpty());
}

TEST(AnalysisWindow, ASeedThatIsNoNumberIsReportedAndNothingRuns)
{
    test::StartedWindow win;
    InFolder here(win.dir.path());
    win.session().setOption(Option::ShowWeightingList, 1);
    win.prompts->inputAnswers = {"vier"};
    win.session().runBacktest();
    ASSERT_FALSE(win.prompts->messages.isEmpty());
    EXPECT_EQ(win.prompts->messages.last(), "Fehler bei Eingabe der Zufallszahl");
    EXPECT_FALSE(QFile::exists(win.dir.filePath("Test.txt")));
    EXPECT_TRUE(win.state().options.checked(Option::ShowWeightingList)); // given back
}

TEST(AnalysisWindow, TheSimilarityAnalysisWritesItsRtfReport)
{
    test::StartedWindow win;
    win.session().setChosenDate(*parseDate("01.06.2026"));
    win.prompts->inputAnswers = {"7"};
    win.session().analyseSimilarDraws();
    const QString report = win.dir.filePath("Test.rtf");
    ASSERT_TRUE(QFile::exists(report));
    ASSERT_EQ(win.openedUrls.size(), 1);
    EXPECT_EQ(win.openedUrls.first(), QUrl::fromLocalFile(report));
    const QByteArray rtf = test::readBytes(report);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("n\\'e4chsten")); // "nächsten"
    // A reader of the format gets the text back with its umlauts.
    QProcess reader;
    reader.start("unrtf", {"--html", report});
    ASSERT_TRUE(reader.waitForFinished(30000)) << "unrtf (scripts/deps.sh installs it)";
    const QString html = QString::fromUtf8(reader.readAllStandardOutput());
    EXPECT_TRUE(html.contains("n&auml;chsten Ziehung")) << html.toStdString();
    EXPECT_TRUE(html.contains("&uuml;bern&auml;chsten")) << html.toStdString();
    EXPECT_EQ(win.control<QTabWidget>(gui::Control::MainTabs)->currentIndex(), 0);
    // Row 1 holds the numbers of the last draw compared; the last draw is shown.
    EXPECT_FALSE(win.state().sheet.row(1).fields[0].isEmpty());

    // "No" at a hit ends it without a report.
    QFile::remove(report);
    win.session().setChosenDate(*parseDate("01.06.2026"));
    win.prompts->inputAnswers = {"2"};
    win.prompts->yesNoAnswers = {true, false};
    win.session().analyseSimilarDraws();
    EXPECT_FALSE(QFile::exists(report));
    EXPECT_EQ(win.prompts->asked.size(), 4); // two thresholds, two hits
}
