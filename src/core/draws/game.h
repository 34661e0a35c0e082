// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace vendrilo {

// The two 6-of-49 games of a Polish Lotto evening. Both keep their history in the same 32-byte
// record format; whatever differs between them lives in the table behind gameInfo().
enum class Game { Lotto, Plus };

inline constexpr int kGameCount = 2;

struct GameInfo {
    Game game;
    const char* name;         // as the command line and the settings name it: "lotto", "plus"
    const char* title;        // as the window shows it: "Lotto", "Lotto Plus"
    const char* shortTitle;   // where room is short, as beside a sheet row: "Lotto", "Plus"
    const char* drawFileName; // in the program folder
    const char* shippedCsv;   // the shipped history in the data folder
    double firstDrawDay;      // the game's first draw, day number
};

const GameInfo& gameInfo(Game game);
// The game for a name as gameInfo() gives it ("lotto", "plus"); nothing for any other text.
std::optional<Game> gameByName(const QString& name);
// The other draw of the same evening: Lotto Plus beside Lotto, Lotto beside Lotto Plus.
inline Game companionGame(Game game)
{
    return game == Game::Lotto ? Game::Plus : Game::Lotto;
}

} // namespace vendrilo
