// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/charts/charts.h"

#include <vector>

namespace vendrilo::gui {

// Where a control that draws a chart stands.
enum class ChartPlace { Diagram, Database, StatisticsOptions, MathematicsOptions };

// A button (or an underlined label) that draws a chart.
struct ChartButton {
    ChartPlace place;
    const char* name; // the control's name
    const char* text;
    const char* hint;
    charts::ChartKind kind;
    bool showDiagramFirst; // the "Diagramm" tab comes to the front before the chart is computed
    bool isLabel;
    bool hintInStatusBar = false; // the status bar shows the hint while the mouse is over it
};

// The chart controls of one place, in the order they stand.
std::vector<ChartButton> chartButtonsOn(ChartPlace place);
// Every chart control, place by place.
std::vector<ChartButton> allChartButtons();

// The control of that name, if it draws a chart.
const ChartButton* chartButtonNamed(const QString& name);
// Every control that draws this chart: first those of `first`'s place, then the rest in order.
std::vector<ChartButton> chartButtonsFor(charts::ChartKind kind, ChartPlace first);

} // namespace vendrilo::gui
