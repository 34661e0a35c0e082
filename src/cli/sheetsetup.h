// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli.h"

namespace vendrilo::cli {

// Fills the sheet as the global options ask: rows of --lock locked, then the --tips file loaded
// with the tip-file reader. An unreadable tips file is a Failure (status 2).
CliStatus setUpSheet(Context& ctx);

} // namespace vendrilo::cli
