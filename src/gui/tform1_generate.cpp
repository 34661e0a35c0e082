// The generation run in the window: the start/stop button, progress in the status bar and the
// lucky number.
#include "core/generator/generationrun.h"
#include "gui/chartview.h"
#include "gui/tform1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

namespace vendrilo::gui {

namespace {
// The status bar and the sheet are repainted no more often than a person can follow.
constexpr qint64 kRepaintIntervalMs = 50;
} // namespace

void TForm1::Label28Click()
{
    const QString stopCaption = m_state.messages.line(16);
    if (BitBtn4->text() == stopCaption) {
        // A second click while the run is going: the run sees the caption change at its next
        // pass and stops.
        BitBtn4->setText(m_bitBtn4Caption);
        return;
    }
    m_bitBtn4Caption = BitBtn4->text();
    BitBtn4->setText(stopCaption);
    syncPickersToState();
    m_state.LaufMax = m_state.options.value(QStringLiteral("UpDown7")) * 1000;
    QApplication::setOverrideCursor(Qt::WaitCursor);

    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    GenerationHooks hooks;
    hooks.pass = [&](const GenerationPass& pass) {
        if (sinceRepaint.elapsed() >= kRepaintIntervalMs && pass.shownRow > 0) {
            setStatusText(1, candidateStatusText(pass.shownRow, pass.shownCandidate, pass.shownQS,
                                                 m_state.messages));
            sinceRepaint.restart();
        }
        // Pending clicks and edits run here: a click on "Stoppen" changes the caption back.
        QApplication::processEvents();
        return BitBtn4->text() == stopCaption;
    };
    hooks.status = [&](const QString& text) {
        setStatusText(1, text);
        QApplication::processEvents();
    };
    hooks.rowWritten = [&](int) { refreshSheet(); };
    // The pool is built from the charts; the last one is drawn when the run ends, as drawing
    // each would cost more than the run itself.
    std::optional<charts::ChartData> lastChart;
    hooks.pool.chart = [&](const charts::ChartData& data) { lastChart = data; };
    hooks.pool.status = hooks.status;

    const GenerationResult result = vendrilo::Label28Click(m_state, hooks);

    QApplication::restoreOverrideCursor();
    BitBtn4->setText(m_bitBtn4Caption);
    refreshOptions();
    syncStateToPickers();
    showDrawLabels();
    refreshSheet();
    if (lastChart)
        Chart1->setChartData(*lastChart);
    if (!result.status.isEmpty())
        setStatusText(1, result.status);
    if (!result.message.isEmpty())
        m_prompts->message(result.message);
    if (result.playSound)
        playHitSound();
}

void TForm1::SpeedButton13Click()
{
    vendrilo::SpeedButton13Click(m_state.random, m_state.messages, *m_prompts);
}

} // namespace vendrilo::gui
