// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/onlineupdate.h"
#include "core/io/httpget.h"
#include "core/money/payoutupdate.h"
#include "core/program/programstate.h"
#include "core/sheet/sheetevaluation.h"
#include "core/submit/portal.h"

#include <optional>

namespace vendrilo {

struct DrawUpdate {
    UpdateResult update;
    // The draw for the day after the last one requested, shown and scored at the end.
    std::optional<SheetEvaluation> evaluation;
    std::optional<QString> searchError;
    PayoutUpdate payouts; // the payouts fetched after the draws
};

// The online update of the state's draw file from its server, up to `today`, then the date
// search and the evaluation. The observer's proxy and status hooks come from the window.
DrawUpdate updateDraws(ProgramState& state, double today, HttpGet& http, UpdateObserver& observer);

// The portal hand-over of the state's sheet; "Meldung.htm" goes into the program folder.
Result<PortalHandOver> handOverSheet(const ProgramState& state, HttpGet& http);

} // namespace vendrilo
