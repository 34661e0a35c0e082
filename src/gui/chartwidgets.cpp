// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/chartwidgets.h"

#include "gui/modulefolders.h"
#include "modulesupport/hosttexts.h"

namespace vendrilo::gui {

namespace {

const ChartWidgets* g_linked = nullptr;

} // namespace

void useLinkedChartWidgets(const ChartWidgets* widgets)
{
    g_linked = widgets;
}

const ChartWidgets* loadChartModule(const QStringList& folders, QString* why)
{
    if (auto entry = reinterpret_cast<ChartModuleEntry>(
            resolveModuleEntry(QStringLiteral("vendrilo-charts"), kChartModuleEntry, why, folders)))
        return entry(windowTextsForModules());
    return nullptr;
}

QString chartModuleMissingText(const QString& why)
{
    return fillIn(text(Text::ChartModuleMissing), {why});
}

const ChartWidgets* chartWidgets(QString* why)
{
    if (g_linked)
        return g_linked;
    static const ChartWidgets* loaded = nullptr;
    if (!loaded)
        loaded = loadChartModule(moduleFolders(), why);
    return loaded;
}

} // namespace vendrilo::gui
