// SPDX-License-Identifier: GPL-3.0-or-later
// The module vendrilo-charts: the window's charts (see gui/chartwidgets.h).
#include "charts/chartmakers.h"
#include "modulesupport/hosttexts.h"

extern "C" Q_DECL_EXPORT const vendrilo::gui::ChartWidgets*
vendriloChartWidgets(const vendrilo::ModuleTextHost* host)
{
    vendrilo::useHostTexts(host);
    return &vendrilo::gui::chartMakers();
}
