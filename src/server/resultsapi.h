// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/game.h"
#include "core/io/result.h"

#include <QByteArray>
#include <QString>

namespace vendrilo::server {

// The lottery operator's results API, as its documentation describes it: a GET with the user's
// key in the header "secret" returns the latest draws of a game type as JSON,
//   {"items": [{"drawSystemId": 7394, "drawDate": "2026-08-20T20:00:00Z", "gameType": "Lotto",
//               "results": [{"gameType": "Lotto", "resultsJson": [2, 12, ...]},
//                           {"gameType": "LottoPlus", "resultsJson": [...]}]}]}
// Lotto Plus comes within the Lotto items. Only what the service needs is read.

// The address of the latest draws at the API's base address.
QString resultsApiUrl(const QString& base);

// The draws of `game` in the answer as lines of a results list ("N. DD.MM.YYYY a,b,c,d,e,f"),
// so that they pass the same checks as any list. An answer that is no such JSON is an error.
Result<QByteArray> resultLinesFromApi(const QByteArray& json, Game game);

} // namespace vendrilo::server
