// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/chartwidgets.h"

namespace vendrilo::gui {

// The chart makers of this folder: what the module hands to the window, and what the window's
// tests link in instead of loading it.
const ChartWidgets& chartMakers();

} // namespace vendrilo::gui
