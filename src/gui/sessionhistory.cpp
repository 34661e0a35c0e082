// SPDX-License-Identifier: GPL-3.0-or-later
// The draw history kept by hand in the window, and the tip print-out.
#include "core/program/historyactions.h"
#include "gui/session.h"

#include <QApplication>

namespace vendrilo::gui {

namespace {
// Refused lines listed in the import's message before the rest is only counted.
constexpr int kRefusedShown = 25;
} // namespace

void Session::enterDraw()
{
    if (busy())
        return;
    const auto from = drawEntryTemplate(m_state);
    if (reportFailure(from))
        return;
    const std::optional<DrawRecord> entered = m_drawEditor ? m_drawEditor(*from) : std::nullopt;
    if (!entered) {
        showDrawForChosenDate(); // cancelled: nothing written, the sheet scored as before
        return;
    }
    const auto shown = vendrilo::enterDraw(m_state, *entered);
    Q_EMIT periodChanged();
    if (reportFailure(shown))
        return;
    Q_EMIT drawsChanged();
    applyEvaluation(*shown);
    warnAboutDamagedDraws();
}

void Session::deleteShownDraw()
{
    if (busy())
        return;
    const auto done = vendrilo::deleteShownDraw(m_state, m_prompts);
    if (reportFailure(done) || !done->has_value())
        return;
    Q_EMIT periodChanged();
    Q_EMIT drawsChanged();
    applyEvaluation(**done);
}

void Session::importDrawFile(const QString& path)
{
    if (busy())
        return;
    const auto result = importDrawsFrom(m_state, path);
    Q_EMIT periodChanged();
    Q_EMIT shownDrawChanged();
    Q_EMIT sheetChanged();
    if (reportFailure(result))
        return;
    Q_EMIT drawsChanged();
    QString text = QStringLiteral("%1 Ziehungen übernommen, %2 schon vorhanden, %3 Zeilen "
                                  "abgelehnt.")
                       .arg(result->added)
                       .arg(result->present)
                       .arg(result->refused.size());
    if (!result->refused.isEmpty()) {
        text += QStringLiteral("\n\nAbgelehnte Zeilen:\n") +
                result->refused.mid(0, kRefusedShown).join(QLatin1Char('\n'));
        if (result->refused.size() > kRefusedShown)
            text +=
                QStringLiteral("\n… und %1 weitere").arg(result->refused.size() - kRefusedShown);
    }
    m_prompts.message(text);
}

void Session::printTips()
{
    if (busy())
        return;
    const auto written = writePrintoutFile(m_state);
    if (reportFailure(written))
        return;
    m_openUrl(QUrl::fromLocalFile(*written));
}

} // namespace vendrilo::gui
