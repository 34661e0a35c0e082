// SPDX-License-Identifier: GPL-3.0-or-later
// The draw history kept by hand in the window, and the tip print-out.
#include "core/program/historyactions.h"
#include "core/texts/textlist.h"
#include "gui/session.h"

#include <QApplication>

#include <algorithm>

namespace vendrilo::gui {

namespace {
// Refused lines listed in the import's message before the rest is only counted.
constexpr int kRefusedShown = 25;
} // namespace

void Session::enterDrawByHand()
{
    if (busy())
        return;
    const auto from = drawEntryTemplate(m_state);
    if (reportFailure(from))
        return;
    const std::optional<DrawRecord> entered = m_drawEditor ? m_drawEditor(*from) : std::nullopt;
    if (!entered) {
        goToChosenDate(); // cancelled: nothing written, the sheet scored as before
        return;
    }
    const auto shown = enterDraw(m_state, *entered, today());
    showNewDraw(shown);
    if (shown)
        Q_EMIT drawsChanged();
    warnAboutDamagedDraws();
}

void Session::deleteShownDrawAfterAsking()
{
    if (busy())
        return;
    const auto done = deleteShownDraw(m_state, m_prompts);
    if (reportFailure(done) || !done->has_value())
        return;
    showNewDraw(**done);
    Q_EMIT drawsChanged();
}

void Session::importDrawFile(const QString& path)
{
    if (busy())
        return;
    const auto result = importDrawsFrom(m_state, path, today());
    Q_EMIT periodChanged();
    Q_EMIT shownDrawChanged();
    Q_EMIT sheetChanged();
    if (reportFailure(result))
        return;
    Q_EMIT drawsChanged();
    const int refused = result->refusedCount;
    QString summary = fillIn(text(Text::ImportSummary),
                             {QString::number(result->added), QString::number(result->present),
                              QString::number(refused)});
    if (refused > 0) {
        summary += QStringLiteral("\n\n") + text(Text::ImportRefusedLines);
        const int listed = std::min(static_cast<int>(result->refused.size()), kRefusedShown);
        for (int i = 0; i < listed; ++i) {
            const RefusedLine& line = result->refused[static_cast<std::size_t>(i)];
            summary += QStringLiteral("\n%1: ").arg(line.line) + refusalReason(line);
        }
        if (refused > kRefusedShown)
            summary += QLatin1Char('\n') + fillIn(text(Text::ImportMoreRefused),
                                                   {QString::number(refused - kRefusedShown)});
    }
    m_prompts.message(summary);
}

void Session::printTips()
{
    if (busy())
        return;
    const auto written = writePrintoutFile(m_state);
    if (reportFailure(written))
        return;
    openWrittenFile(*written);
}

} // namespace vendrilo::gui
