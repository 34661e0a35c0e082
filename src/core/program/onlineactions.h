// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/onlineupdate.h"
#include "core/io/httpget.h"
#include "core/money/payoutupdate.h"
#include "core/program/programstate.h"
#include "core/sheet/sheetevaluation.h"
#include "core/submit/portal.h"

#include <optional>

namespace vendrilo {

// The update of one game's draw file.
struct GameUpdate {
    Game game = Game::Lotto;
    UpdateResult result;
};

struct DrawUpdate {
    UpdateResult update; // the state's own game
    // The other game, when the update brought both (the window): its own chosen date and shown
    // draw are left alone, the state shows the state's game.
    std::optional<GameUpdate> otherGame;
    // The draw for the day after the last one requested, shown and scored at the end.
    std::optional<SheetEvaluation> evaluation;
    std::optional<QString> searchError;
    PayoutUpdate payouts; // the payouts fetched after the draws
};

// The online update of the state's draw file (its game's, or the one named in its place) from
// its server, up to `today`, then the payouts, the date search and the evaluation. The
// observer's proxy and status hooks come from the window. With `bothGames` (the window) Lotto
// and then Lotto Plus are brought up to date, each into its own file in the program folder and
// its status texts named by the game; the draws stored are shown only for the state's game.
DrawUpdate updateDraws(ProgramState& state, double today, HttpGet& http, UpdateObserver& observer,
                       bool bothGames = false);

// The final status text of an update of both games: each game's own, named by the game.
QString bothGamesStatus(const DrawUpdate& update, Game stateGame);

// The portal hand-over of the state's sheet; "Meldung.htm" goes into the program folder.
Result<PortalHandOver> handOverSheet(const ProgramState& state, HttpGet& http);

} // namespace vendrilo
