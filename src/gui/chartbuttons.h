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

} // namespace vendrilo::gui
