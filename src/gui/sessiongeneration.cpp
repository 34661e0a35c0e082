// SPDX-License-Identifier: GPL-3.0-or-later
// The generation run in the window: progress in the status bar, the sheet repainted as rows come
// in, and a stop request honoured at the next candidate pass.
#include "core/program/generationactions.h"
#include "gui/session.h"

#include <QApplication>
#include <QElapsedTimer>

namespace vendrilo::gui {

namespace {
// The status bar is repainted no more often than a person can follow.
constexpr qint64 kRepaintIntervalMs = 50;

// Paints what has changed, without taking the user's clicks and keys yet.
void repaintNow()
{
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
} // namespace

void Session::startOrStopGeneration()
{
    if (m_generationRunning) {
        m_stopRequested = true;
        return;
    }
    if (m_updateRunning)
        return; // the draw file is being written; the run reads it when the update is done
    m_generationRunning = true;
    m_stopRequested = false;
    Q_EMIT generationRunningChanged(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);

    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    GenerationHooks hooks;
    hooks.pass = [&](const GenerationPass& pass) {
        if (sinceRepaint.elapsed() >= kRepaintIntervalMs && pass.shownRow > 0) {
            setStatusText(1, candidateStatusText(pass.shownRow, pass.shownCandidate,
                                                 pass.shownCrossSum, m_state.messages));
            sinceRepaint.restart();
        }
        // Pending clicks and edits run here: a stop request, changed options and row locks.
        QApplication::processEvents();
        return !m_stopRequested;
    };
    hooks.status = [&](const QString& text) {
        setStatusText(1, text);
        repaintNow();
    };
    hooks.sheetCleared = [&] {
        Q_EMIT sheetChanged();
        repaintNow();
    };
    hooks.rowWritten = [&](int) { Q_EMIT sheetChanged(); };
    hooks.editPool = m_poolEditor;
    // The pool is built from the charts; the last one is drawn when the run ends, as drawing
    // each would cost more than the run itself.
    std::optional<charts::ChartData> lastChart;
    hooks.pool.chart = [&](const charts::ChartData& data) { lastChart = data; };
    hooks.pool.status = hooks.status;

    const auto result = generateTips(m_state, hooks);

    QApplication::restoreOverrideCursor();
    m_generationRunning = false;
    Q_EMIT generationRunningChanged(false);
    Q_EMIT optionsChanged();
    Q_EMIT periodChanged();
    Q_EMIT shownDrawChanged();
    Q_EMIT sheetChanged();
    if (lastChart)
        Q_EMIT chartChanged(*lastChart);
    if (reportFailure(result))
        return;
    if (!result->status.isEmpty())
        setStatusText(1, result->status);
    if (!result->message.isEmpty())
        m_prompts.message(result->message);
    if (result->evaluation.playSound)
        Q_EMIT hitSoundWanted();
}

} // namespace vendrilo::gui
