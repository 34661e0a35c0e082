// SPDX-License-Identifier: GPL-3.0-or-later
// The two analyses of the "Datenbank" tab in the window: the core replays the history, the
// window shows where it is at most every 50 ms and takes the cancel button there. The
// back-test's passes run off the window's thread; the similarity analysis asks questions as it
// goes and stays on it.
#include "core/io/rtf.h"
#include "core/program/analysis.h"
#include "gui/session.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

namespace vendrilo::gui {

namespace {
constexpr qint64 kRepaintIntervalMs = 50;
const QString kBacktestReport = QStringLiteral("Test.txt");
const QString kSimilarityReport = QStringLiteral("Test.rtf");
} // namespace

bool Session::busy() const
{
    return m_generationRunning || m_updateRunning || m_analysisRunning;
}

void Session::setAnalysisRunning(bool running)
{
    m_analysisRunning = running;
    if (running) {
        m_cancelAnalysis = false;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
    Q_EMIT analysisRunningChanged(running);
}

// Runs an analysis with the window showing its progress and the rest of the window closed to
// input; afterwards every page shows the state the analysis left.
template <typename Run> auto Session::runAnalysis(Run run)
{
    setAnalysisRunning(true);
    // The first pass is shown at once, however quick the passes are; then every 50 ms.
    QElapsedTimer sinceRepaint;
    AnalysisHooks hooks;
    hooks.pass = [&](double progress) {
        if (!sinceRepaint.isValid() || sinceRepaint.elapsed() >= kRepaintIntervalMs) {
            Q_EMIT analysisProgress(progress);
            Q_EMIT shownDrawChanged();
            Q_EMIT sheetChanged();
            Q_EMIT periodChanged();
            QApplication::processEvents(); // the cancel button
            sinceRepaint.start();
        }
        return !m_cancelAnalysis;
    };
    hooks.status = [this](int panel, const QString& text) { setStatusText(panel, text); };
    hooks.showSheetTab = [this] { Q_EMIT sheetTabWanted(); };
    auto result = run(hooks);
    setAnalysisRunning(false);
    Q_EMIT optionsChanged();
    Q_EMIT periodChanged();
    Q_EMIT shownDrawChanged();
    Q_EMIT sheetChanged();
    return result;
}

Session::~Session()
{
    if (m_backtest) {
        m_cancelAnalysis = true;
        m_backtest->thread.join();
    }
}

void Session::runBacktest()
{
    if (busy())
        return;
    AnalysisHooks asking;
    asking.status = [this](int panel, const QString& text) { setStatusText(panel, text); };
    auto start = startBacktest(m_state, m_prompts, asking);
    if (reportFailure(start))
        return;
    Q_EMIT shownDrawChanged();
    Q_EMIT periodChanged();
    Q_EMIT sheetChanged();
    if (!start->seed)
        return; // the answer was no number, and the user was told
    setAnalysisRunning(true);
    m_backtest =
        std::make_unique<BacktestRun>(BacktestRun{m_state, std::move(start).value(), {}, {}});
    BacktestRun* run = m_backtest.get();
    run->thread = std::thread([this, run, today = today()] {
        // Now and then the window shows the pass's draw and sheet; it answers the cancel button.
        QElapsedTimer sinceShown;
        AnalysisHooks hooks;
        hooks.pass = [&](double progress) {
            if (!sinceShown.isValid() || sinceShown.elapsed() >= kRepaintIntervalMs) {
                QMetaObject::invokeMethod(
                    this,
                    [this, progress, shown = run->state] { showBacktestProgress(progress, shown); },
                    Qt::QueuedConnection);
                sinceShown.start();
            }
            return !m_cancelAnalysis;
        };
        run->result = runBacktestPasses(run->state, run->start, today, hooks);
        QMetaObject::invokeMethod(
            this, [this] { finishBacktest(); }, Qt::QueuedConnection);
    });
}

void Session::showBacktestProgress(double progress, const ProgramState& passState)
{
    if (!m_backtest)
        return;
    m_state.shown = passState.shown;
    m_state.chosenDate = passState.chosenDate;
    m_state.sheet = passState.sheet;
    m_state.statistics = passState.statistics;
    Q_EMIT analysisProgress(progress);
    Q_EMIT shownDrawChanged();
    Q_EMIT sheetChanged();
    Q_EMIT periodChanged();
}

// Back on the window's thread: the state the passes left becomes the window's, the report is
// written and opened.
void Session::finishBacktest()
{
    m_backtest->thread.join();
    const std::unique_ptr<BacktestRun> run = std::move(m_backtest);
    m_state = std::move(run->state);
    setAnalysisRunning(false);
    Q_EMIT optionsChanged();
    Q_EMIT periodChanged();
    Q_EMIT shownDrawChanged();
    Q_EMIT sheetChanged();
    const BacktestResult& result = run->result;
    if (result.end == AnalysisEnd::Stopped)
        m_prompts.message(result.message);
    if (result.end != AnalysisEnd::Finished)
        return;
    // The report goes where the program was started from, as it always has.
    const QString path = QDir::current().absoluteFilePath(kBacktestReport);
    if (const Status written = writeBacktestReport(result.report, path); !written)
        m_prompts.message(written.error());
    else
        openWrittenFile(path);
}

void Session::analyseSimilarDraws()
{
    if (busy())
        return;
    const auto result = runAnalysis(
        [this](const AnalysisHooks& hooks) { return runSimilarity(m_state, m_prompts, hooks); });
    if (reportFailure(result) || result->end != AnalysisEnd::Finished)
        return;
    const QString path = m_state.programFolder + kSimilarityReport;
    if (const Status written = writeRtfFile(path, result->report); !written)
        m_prompts.message(written.error());
    else
        openWrittenFile(path);
}

} // namespace vendrilo::gui
