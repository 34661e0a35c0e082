// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of the two games: the game switch, the sheet played with Plus, and the
// add-ons shown only where the draw file knows a Superzahl.
#include "gui/session.h"

#include <algorithm>

namespace vendrilo::gui {

void Session::setGame(Game game)
{
    if (game == m_state.game || busy()) {
        Q_EMIT gameChanged(); // a refused switch shows the game that stays
        return;
    }
    m_state.game = game;
    Q_EMIT gameChanged();
    showDrawFileAnew();
    redrawLastChart();
}

void Session::setWithPlus(bool on)
{
    m_state.withPlus = on;
    Q_EMIT sheetChanged();
}

CompanionScore Session::companionScore()
{
    const Game other = companionGame(m_state.game);
    return scoreCompanionDraw(m_state.sheet, m_state.shown.date, other,
                              m_companionFile.records(m_state.drawPathOf(other)));
}

void Session::showAddOnsForDrawFile()
{
    const auto& draws = m_drawFile.records(m_state.drawPath());
    const bool shown = std::any_of(draws.begin(), draws.end(),
                                   [](const DrawRecord& r) { return r.superzahl != 0; });
    if (shown == m_addOnsShown)
        return;
    m_addOnsShown = shown;
    Q_EMIT addOnsShownChanged(shown);
}

} // namespace vendrilo::gui
