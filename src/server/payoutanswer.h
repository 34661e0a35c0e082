// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/http.h"

#include <QString>

namespace vendrilo::server {

// The path of the payout request: "/lotto/quoten.asp?Programm=PELVANO&Seit=yyyymmdd".
inline constexpr char16_t kPayoutPath[] = u"/lotto/quoten.asp";

// The payout lines of every draw on or after the requested day, from the payout file (read
// anew for each request, so that the answer follows the file), in the file's layout and order,
// "\n" after each. 400 for a request without a valid day, 500 when the file cannot be read or
// holds a line that is no payout line.
Response payoutAnswer(const Request& request, const QString& payoutsPath);

} // namespace vendrilo::server
