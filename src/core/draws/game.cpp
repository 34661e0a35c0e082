// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/game.h"

#include <array>

namespace vendrilo {

namespace {
// 27.01.1957 is the first Lotto draw of the history, 15.09.2012 the first Lotto Plus draw.
constexpr std::array<GameInfo, kGameCount> kGames{{
    {Game::Lotto, "lotto", "Lotto", "Lotto", "ZahlenPL.dat", "polish-lotto-6of49.csv", 20847.0},
    {Game::Plus, "plus", "Lotto Plus", "Plus", "ZahlenPLPlus.dat", "polish-lotto-plus.csv",
     41167.0},
}};
} // namespace

const GameInfo& gameInfo(Game game)
{
    return kGames[static_cast<std::size_t>(game)];
}

std::optional<Game> gameByName(const QString& name)
{
    for (const GameInfo& info : kGames)
        if (name == QLatin1String(info.name))
            return info.game;
    return std::nullopt;
}

} // namespace vendrilo
