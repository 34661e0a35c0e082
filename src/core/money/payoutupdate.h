// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/httpget.h"

#include <QString>

#include <optional>

namespace vendrilo {

// The address of the payouts paid since a day: the server, "/lotto/quoten.asp?Programm=PELVANO&
// Seit=" and the day as yyyymmdd. The server answers the payout lines of every draw on or after
// that day, in the payout file's layout.
QString payoutRequestUrl(const QString& server, double sinceDay);

struct PayoutUpdate {
    int status = 0; // what the server answered; 0 when none did
    int added = 0;  // lines added to the payout file
    // Why an answer was not taken or the file not written; a server that does not know the
    // request (404, an older server) is no problem, it simply has no payouts to give.
    std::optional<QString> problem;
};

// After the draw update: asks the server for the payouts of the draws after the newest one the
// folder's payout table holds and adds what is new to the folder's payout file. An answer that
// is not a payout table (one bad line) is refused whole.
PayoutUpdate updatePayouts(const QString& folder, const QString& server, const HttpProxy& proxy,
                           HttpGet& http);

} // namespace vendrilo
