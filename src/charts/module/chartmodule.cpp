// SPDX-License-Identifier: GPL-3.0-or-later
// The module vendrilo-charts: the window's charts (see gui/chartwidgets.h).
#include "charts/chartmakers.h"

namespace {

const vendrilo::gui::ChartModuleHost* g_host = nullptr;

} // namespace

// The texts the charts show are asked of the program that loaded the module.
namespace vendrilo {

QString text(Text id)
{
    return g_host->text(id);
}

QString fillIn(const QString& pattern, const QStringList& values)
{
    return g_host->fillIn(pattern, values);
}

} // namespace vendrilo

extern "C" Q_DECL_EXPORT const vendrilo::gui::ChartWidgets*
vendriloChartWidgets(const vendrilo::gui::ChartModuleHost* host)
{
    g_host = host;
    return &vendrilo::gui::chartMakers();
}
