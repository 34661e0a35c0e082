// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/dates.h"
#include "core/draws/drawedits.h"
#include "core/draws/drawrecord.h"
#include "core/draws/game.h"
#include "core/draws/showndraw.h"
#include "core/io/httpget.h"

#include <QString>

#include <optional>
#include <vector>

namespace vendrilo {

// One line of the update server's answer for a day: a first field (skipped: the draw's date is
// the requested day), then "N1,N2,N3,N4,N5,N6;" and anything after it, which is ignored.
struct UpdateLine {
    std::optional<DrawRecord> record; // the draw, when the line holds one
    QString unread;                   // else the part of the line not yet consumed
};

// Reads a line as the update does: N1..N5 each up to the next ",", N6 up to the next ";", each
// a whole number; bonus and Superzahl 0; the bytes after the numbers are those of `tail`, the
// record last in the file. Only a real draw is taken: a number outside 1..49 or one that stands
// twice fails the line there, and what is left unread starts with that number.
UpdateLine parseUpdateLine(const QString& line, double day, const DrawRecord& tail);

// The address of one day's answer: the server, "/lotto/PELVANO.asp?Programm=PELVANO&Datum=" and
// the day as yyyymmdd. Lotto Plus asks for "P" and the day: a server that does not know Lotto
// Plus finds no day in that and answers as for an unknown day, never with the Lotto draws.
QString updateRequestUrl(const QString& server, double day, Game game = Game::Lotto);

// What the update shows while it goes on, and how the window keeps it responsive.
class UpdateObserver {
public:
    virtual ~UpdateObserver() = default;
    // The proxy fields, read again before every request.
    virtual QString proxyHost() { return {}; }
    virtual QString proxyPort() { return QStringLiteral("80"); }
    // A status-bar text: panel 0 for the progress, panel 1 for the notice.
    virtual void status(int /*panel*/, const QString& /*text*/) {}
    // A draw has been appended; `shown` shows it.
    virtual void drawStored(const DrawRecord& /*record*/, const ShownDraw& /*shown*/) {}
    // Between two days: false stops the update before the next day.
    virtual bool goOn() { return true; }
};

struct UpdateResult {
    std::vector<DrawRecord> appended; // in the order they were stored
    int requests = 0;
    // The message box's text when a line held no draw (the update ended there).
    std::optional<QString> failingLine;
    // The draw file could not be read or written: the update ended there.
    std::optional<QString> fileError;
    // The first day that was not got completely (no answer, a refused or broken one, a failing
    // line): nothing of it is stored, and the next update asks for it again.
    std::optional<double> stoppedAt;
    // The address held a results list instead of a draw service: what its merge did.
    std::optional<DrawImport> resultsList;
    QString lastStatus; // the final text of status panel 0
};

// What an update is asked to do.
struct UpdateRequest {
    QString drawPath;
    Game game = Game::Lotto;
    QString server;
    double today = 0;
    // A results list found at the server's address may be merged into this game's file: false
    // when the list could belong to another game (the window's second game).
    bool takesResultsList = true;
};

// The online update: one request per day from the day after the newest stored draw (on an empty
// file, the day after the chosen date) up to today. A day counts only when its whole answer came
// and every line of it is a real draw (at most two a day): then its draws are appended together.
// The update stops at the first day it could not get completely and stores nothing of it: no
// answer or a broken one (time-out, closed early, over 1 MB), a status other than 200 (500: the
// day is not there yet), a failing line. `chosenDate` ends on the day after the last one stored
// completely; `shown` shows the last draw stored. When the first answer shows that the server's
// address is a published results list rather than a draw service, the list is merged as the
// import merges a file, in one atomic rewrite.
UpdateResult runOnlineUpdate(const UpdateRequest& request, DatePicker& chosenDate, ShownDraw& shown,
                             HttpGet& http, UpdateObserver& observer);

} // namespace vendrilo
