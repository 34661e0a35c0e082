// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawrecord.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace vendrilo::charts {

// Colours as 0xRRGGBB; the core stays free of the GUI's colour type.
using Rgb = std::uint32_t;
inline constexpr Rgb kRed = 0xFF0000;   // prime numbers
inline constexpr Rgb kGreen = 0x008000; // other numbers, and the bars' default colour

// The two bar series of the chart: every chart fills the bars and switches the reserve off, which
// stays for the language files and any later chart that wants a second series.
enum class Series { Reserve, Bars };

struct ChartPoint {
    int x = 0;
    int y = 0;
    Rgb colour = kGreen;

    bool operator==(const ChartPoint&) const = default;
};

// The value (left) axis. Set by hand, it runs exactly from minimum to maximum. Left automatic,
// the chart fits it to the bars from their base line 0: minimum and maximum are then the
// limits a reader of the axis gets, 0 and the largest bar (0 and 0 without bars).
struct ValueAxis {
    bool automatic = true;
    int minimum = 0;
    int maximum = 0;

    bool operator==(const ValueAxis&) const = default;
};

// Everything one chart leaves in the chart: the bars of the active series in ascending X, the
// value axis and the titles. The window draws it, the generator reads its statistics from it.
struct ChartData {
    Series active = Series::Bars;
    Rgb seriesColour = kGreen;
    std::vector<ChartPoint> points;
    ValueAxis valueAxis;
    QString title;             // chart title; empty: none shown
    QString categoryAxisTitle; // title below the bars; empty: none shown
    QString valueAxisTitle;    // none of the program's charts sets one

    // Draws the chart looked at (0 for the tip distribution). A chart never changes the draw
    // the sheet is scored against: that stays the draw on the screen.
    int drawCount = 0;

    // A chart of the history whose period holds no draw that the draw-day boxes let through.
    bool emptyPeriod = false;

    // The Diagramm tab is brought to the front when the chart is done.
    bool showsDiagramTab = false;

    int barCount() const { return static_cast<int>(points.size()); }
    // Bar k, counted from 1 in ascending X, as the generator numbers them.
    int bar(int k) const { return points.at(static_cast<std::size_t>(k - 1)).y; }
    std::vector<int> values() const;
    // The value-axis limits a reader gets (the generator's Min and Max).
    int axisMinimum() const { return valueAxis.minimum; }
    int axisMaximum() const { return valueAxis.maximum; }
    // The line that names the chart: the category-axis title, or the chart title where the
    // chart has no axis title.
    QString heading() const;
};

// Nearest integer to numerator / denominator, a tie going to the even neighbour (333/2 -> 166,
// 65/2 -> 32); exact, without floating point. 0 when the denominator is 0: an empty period.
std::int64_t roundRatioHalfEven(std::int64_t numerator, std::int64_t denominator);

} // namespace vendrilo::charts
