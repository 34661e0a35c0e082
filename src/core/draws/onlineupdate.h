// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/dates.h"
#include "core/draws/drawrecord.h"
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
// a whole number stored as its low byte (numbers are not range-checked); bonus and Superzahl 0;
// the bytes after the numbers are those of `tail`, the record last in the file.
UpdateLine parseUpdateLine(const QString& line, double day, const DrawRecord& tail);

// The address of one day's answer: the server, "/lotto/PELVANO.asp?Programm=PELVANO&Datum=" and
// the day as yyyymmdd.
QString updateRequestUrl(const QString& server, double day);

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
    std::vector<DrawRecord> appended;
    int requests = 0;
    // The message box's text when a line held no draw (the update ended there).
    std::optional<QString> failingLine;
    // The draw file could not be read or written: the update ended there.
    std::optional<QString> fileError;
    QString lastStatus; // the final text of status panel 0
};

// The online update: one request per day from the day after the newest stored draw (on an empty
// file, the day after the chosen date) up to today, each answer's draw lines appended to the draw
// file whole, record by record. `chosenDate` ends on the day after the last one requested;
// `shown` shows the last draw stored. A transport failure or a proxy port that is no number ends
// the update like its normal end, with the reason in the status bar; an answer over 1 MB is
// refused for its day.
UpdateResult runOnlineUpdate(const QString& drawPath, const QString& server, double today,
                             DatePicker& chosenDate, ShownDraw& shown, HttpGet& http,
                             UpdateObserver& observer);

} // namespace vendrilo
