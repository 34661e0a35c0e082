// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace vendrilo::gui {

class Session;

// The game switch at the right of the menu bar, so that every page shows which game it works on: "Lotto" or
// "Lotto Plus", whose draws the draw panel, the charts, the generator, the searches, the analyses
// and the history kept by hand all use. Idle only: a run, an update or an analysis keeps its game.
QWidget* buildGameSwitch(Session& session, QWidget* parent);

// The controls of add-ons that no Polish game has (the Superzahl chart, the Superzahl and the
// Spiel 77 / Super 6 options) are hidden while the draw file knows no Superzahl.
void hideAddOnsWithoutSuperzahl(QWidget* window, Session& session);
// The same for controls made after that, once.
void hideAddOnsOfLaterPages(QWidget* window, const Session& session);

} // namespace vendrilo::gui
