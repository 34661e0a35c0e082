// SPDX-License-Identifier: GPL-3.0-or-later
// The two analyses of the "Datenbank" tab in the window: the core replays the history, the
// window shows where it is at most every 50 ms and takes the cancel button there.
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

// Runs an analysis with the window showing its progress and the rest of the window closed to
// input; afterwards every page shows the state the analysis left.
template <typename Run> auto Session::runAnalysis(Run run)
{
    m_analysisRunning = true;
    m_cancelAnalysis = false;
    Q_EMIT analysisRunningChanged(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    AnalysisHooks hooks;
    hooks.pass = [&](double progress) {
        if (sinceRepaint.elapsed() >= kRepaintIntervalMs) {
            Q_EMIT analysisProgress(progress);
            Q_EMIT shownDrawChanged();
            Q_EMIT sheetChanged();
            Q_EMIT periodChanged();
            QApplication::processEvents(); // the cancel button
            sinceRepaint.restart();
        }
        return !m_cancelAnalysis;
    };
    hooks.status = [this](int panel, const QString& text) { setStatusText(panel, text); };
    hooks.showSheetTab = [this] { Q_EMIT sheetTabWanted(); };
    auto result = run(hooks);
    QApplication::restoreOverrideCursor();
    m_analysisRunning = false;
    Q_EMIT analysisRunningChanged(false);
    Q_EMIT optionsChanged();
    Q_EMIT periodChanged();
    Q_EMIT shownDrawChanged();
    Q_EMIT sheetChanged();
    return result;
}

void Session::runBacktest()
{
    if (busy())
        return;
    const auto result = runAnalysis([this](const AnalysisHooks& hooks) {
        return vendrilo::runBacktest(m_state, m_prompts, today(), hooks);
    });
    if (reportFailure(result) || result->end != AnalysisEnd::Finished)
        return;
    // The report goes where the program was started from, as it always has.
    const QString path = QDir::current().absoluteFilePath(kBacktestReport);
    if (const Status written = writeBacktestReport(result->report, path); !written)
        m_prompts.message(written.error());
    else
        openWrittenFile(path);
}

void Session::runSimilarity()
{
    if (busy())
        return;
    const auto result = runAnalysis([this](const AnalysisHooks& hooks) {
        return vendrilo::runSimilarity(m_state, m_prompts, hooks);
    });
    if (reportFailure(result) || result->end != AnalysisEnd::Finished)
        return;
    const QString path = m_state.programFolder + kSimilarityReport;
    if (const Status written = writeRtfFile(path, result->report); !written)
        m_prompts.message(written.error());
    else
        openWrittenFile(path);
}

} // namespace vendrilo::gui
