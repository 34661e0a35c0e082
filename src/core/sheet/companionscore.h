// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawrecord.h"
#include "core/draws/game.h"
#include "core/sheet/tipsheet.h"

#include <array>
#include <optional>
#include <vector>

namespace vendrilo {

// A sheet played with Plus takes part in both draws of the evening, the Lotto draw and the Lotto
// Plus draw. Beside the hits in the shown draw the window shows each row's hits in the other one.
struct CompanionScore {
    Game game = Game::Plus; // the game of the other draw
    bool drawFound = false; // that game has a draw stored on the day
    // Per row whose six fields hold numbers, its hits in that draw (when there is one).
    std::array<std::optional<int>, TipSheet::kRows> hits{};
};

// The sheet's rows against the draw of `day` (the first one stored that day) among the draws
// of `companion`, the other game.
CompanionScore scoreCompanionDraw(const TipSheet& sheet, double day, Game companion,
                                  const std::vector<DrawRecord>& companionDraws);

} // namespace vendrilo
