// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the chart computations share: the window of draws a chart looks at, the bars of the
// number charts and the value axis. Not for use outside the charts.
#include "core/charts/charts.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace vendrilo::charts::detail {

inline constexpr int kHighestNumber = 49;

// Which draws a chart looks at. Only whole days count: a picker's time of day must not push a
// draw on the first day out of a window that includes that day.
struct Window {
    double start = 0;
    double end = 0;
    bool includesStart = false;
    bool filtered = true;
    DrawDayFilter filter;

    bool contains(const DrawRecord& r) const
    {
        const bool afterStart = includesStart ? r.date >= start : r.date > start;
        return afterStart && r.date <= end && (!filtered || filter.accepts(r.date));
    }
};

inline Window window(const ChartInput& in, bool includesStart, bool filtered)
{
    return {std::floor(in.periodStart), std::floor(in.periodEnd), includesStart, filtered,
            in.dayFilter};
}

inline bool isNumber(int n)
{
    return n >= 1 && n <= kHighestNumber;
}

// The six drawn numbers as bits 1..49; anything else in a damaged record is left out.
inline std::uint64_t drawnMask(const DrawRecord& r)
{
    std::uint64_t mask = 0;
    for (std::uint8_t n : r.numbers)
        if (isNumber(n))
            mask |= std::uint64_t{1} << n;
    return mask;
}

inline int crossSum(const DrawRecord& r)
{
    int sum = 0;
    for (std::uint8_t n : r.numbers)
        sum += n;
    return sum;
}

inline ValueAxis manualAxis(const std::vector<ChartPoint>& points)
{
    ValueAxis axis{false, 0, 0};
    if (points.empty())
        return axis;
    const auto [lo, hi] =
        std::minmax_element(points.begin(), points.end(),
                            [](const ChartPoint& a, const ChartPoint& b) { return a.y < b.y; });
    axis.minimum = lo->y;
    axis.maximum = hi->y;
    return axis;
}

// Bars stand on 0, so an automatic axis always spans 0 and reaches the tallest bar.
inline ValueAxis automaticAxis(const std::vector<ChartPoint>& points)
{
    ValueAxis axis{true, 0, 0};
    for (const ChartPoint& p : points) {
        axis.minimum = std::min(axis.minimum, p.y);
        axis.maximum = std::max(axis.maximum, p.y);
    }
    return axis;
}

// One bar per number 1..49, primes red, the others green, axis from smallest to largest.
inline void fillNumberBars(ChartData& chart, const std::array<int, 50>& counters)
{
    chart.points.reserve(kHighestNumber);
    for (int n = 1; n <= kHighestNumber; ++n)
        chart.points.push_back(
            {n, counters[static_cast<std::size_t>(n)], isPrime(n) ? kRed : kGreen});
    chart.valueAxis = manualAxis(chart.points);
}

inline QString number(std::int64_t value)
{
    return QString::number(value);
}

} // namespace vendrilo::charts::detail
