// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/dates.h"
#include "core/draws/game.h"
#include "core/draws/showndraw.h"
#include "core/generator/randomsource.h"
#include "core/options/optiontable.h"
#include "core/sheet/rowscore.h"
#include "core/sheet/tipsheet.h"
#include "core/texts/messagelist.h"

#include <QString>

#include <array>

namespace vendrilo {

// The design date of the statistics start, the first day of the statistics period.
inline constexpr double kStatisticsStartDesignDate = 42284.0; // 07.10.2015

// The "Internet-Optionen" tab: where the update and the portal hand-over go, and the fields the
// settings carry along.
struct InternetOptions {
    QString server;                                 // the update server's base address, http(s)
    QString proxyHost;                              // empty: no proxy
    QString proxyPort = QStringLiteral("80");       // as typed; read as a number before a request
    QString rowPrice = QStringLiteral("3,00");      // zł for one row of Lotto
    QString plusSurcharge = QStringLiteral("1,00"); // zł a row costs more with Lotto Plus
    bool linkPage = false;                          // "Linkseite aktivieren"
};

// Values the program only carries through the settings store for the next run: fields of the
// play slip's print-out and of the ticket, which nothing here uses yet.
struct CarriedValues {
    int newTicket = 0;  // "NeuerSchein"
    int spiel77 = 0;    // "Spiel77Ja"
    int super6 = 0;     // "Super6Ja"
    int luckyGame = 0;  // "GlueckJa"
    int country = 1;    // "Land"
    int printTop = 39;  // "TippTop"
    int printLeft = 47; // "TippLeft"
    int superzahlOption = 0;     // where the ticket's Superzahl comes from
    int super6Spiel77Option = 3; // Super 6 and Spiel 77 on the ticket
    QString vendorAddress = QStringLiteral("https://www.quirlend.de/"); // "URLEdit"
    std::array<QString, 23> printPositions{}; // "Edit1F8" .. "Edit23F8"
    int printPositionChoice = 0;              // "RadioF8"
    std::array<bool, 2> backTestBoxes{};      // two boxes no window shows (settingsschema.cpp)
};

// What the program holds between two user actions; the window and the command line drive the
// same object. Operations take what they need from it as arguments and return their results
// (see operations.h); nothing here is scratch space for one of them.
struct ProgramState {
    QString programFolder; // with a trailing separator
    // The game whose draws every operation shows, counts, scores and changes.
    Game game = Game::Lotto;
    // A draw file named in place of the game's own (the command line's --draws); empty: the
    // game's own file in the program folder.
    QString drawFileName;
    // The sheet is played with Lotto Plus too: it is scored against both draws of the evening.
    bool withPlus = false;

    DatePicker chosenDate{0};                               // the chosen draw day, the period's end
    DatePicker statisticsStart{kStatisticsStartDesignDate}; // the first day of the statistics
    Options options;
    ShownDraw shown;
    TipSheet sheet;
    HitStatistics statistics{}; // rows of the last sheet evaluation, by class
    QString ticketNumber;       // kept verbatim, saved with the tips
    InternetOptions internet;
    int language = 0; // "Sprache": 0 German .. 8 Polish
    CarriedValues carried;
    MessageList messages;
    RandomSource random;

    // The draw file the operations work on: the one named in place of the game's, else the
    // game's own.
    QString drawPath() const { return drawPathOf(game); }
    // The draw file of a game: the game's own file in the program folder, or for the current
    // game the file named in its place.
    QString drawPathOf(Game which) const;
};

// The statistics start goes back to its minimum when it lies within the last seven days or
// in the future, so that a period never shrinks to nothing by accident.
double resetRecentStatisticsStart(double start, double today);

} // namespace vendrilo
