// SPDX-License-Identifier: GPL-3.0-or-later
// The update server's answer for a day, line by line as the update stores it: a line with six
// numbers becomes the day's draw (bonus and Superzahl 0, the rest of the bytes from the file's
// last record), any other line ends the update with what was left unread.
#include "core/draws/onlineupdate.h"
#include "core/io/textlines.h"
#include "fuzzsupport.h"

using namespace vendrilo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const double day = 46254.0; // 20.08.2026
    DrawRecord tail;
    tail.date = 46251.0;
    tail.numbers = {1, 2, 3, 4, 5, 6};
    tail.bonus = 7;
    tail.superzahl = 8;
    tail.spiel77 = {1, 2, 3, 4, 5, 6, 7};
    tail.super6 = {6, 5, 4, 3, 2, 1};
    for (const QByteArray& raw : splitLines(fuzz::bytesOf(data, size))) {
        const QString text = QString::fromLatin1(raw);
        const UpdateLine line = parseUpdateLine(text, day, tail);
        if (!line.record) {
            fuzz::require(text.endsWith(line.unread), "the unread part is the line's end");
            continue;
        }
        const DrawRecord& r = *line.record;
        fuzz::require(line.unread.isEmpty(), "a draw line leaves nothing unread");
        fuzz::require(r.date == day && r.bonus == 0 && r.superzahl == 0,
                      "the draw is of the requested day, without bonus and Superzahl");
        fuzz::require(r.spiel77 == tail.spiel77 && r.super6 == tail.super6 && r.spare == tail.spare,
                      "the other bytes are the last record's");
        fuzz::require(text.count(QLatin1Char(',')) >= 6 && text.contains(QLatin1Char(';')),
                      "a draw line holds six commas and a semicolon");
    }
    return 0;
}
