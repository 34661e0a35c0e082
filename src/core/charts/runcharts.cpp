// SPDX-License-Identifier: GPL-3.0-or-later
// The charts of runs of consecutive numbers and of the properties of each draw.
#include "core/charts/chartparts.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace vendrilo::charts {

using namespace detail;

namespace {

ChartData runChart(const ChartInput& in, int length, int lastStart, int barCount, bool filtered,
                   bool automatic, Msg wordLine)
{
    // Bit k of the starts mask: k .. k+length-1 all drawn. Only starts up to lastStart count.
    const std::uint64_t startsLimit = (std::uint64_t{1} << (lastStart + 1)) - 1;
    const Window w = window(in, false, filtered);

    std::array<int, 50> counters{};
    int draws = 0;
    int runsFound = 0;
    for (const DrawRecord& r : in.draws) {
        if (!w.contains(r))
            continue;
        ++draws;
        const std::uint64_t drawn = drawnMask(r);
        std::uint64_t starts = drawn & startsLimit;
        for (int i = 1; i < length; ++i)
            starts &= drawn >> i;
        for (; starts != 0; starts &= starts - 1) {
            ++counters[static_cast<std::size_t>(std::countr_zero(starts))];
            ++runsFound;
        }
    }
    ChartData chart;
    chart.points.reserve(static_cast<std::size_t>(barCount));
    for (int k = 1; k <= barCount; ++k)
        chart.points.push_back({k, counters[static_cast<std::size_t>(k)], chart.seriesColour});
    chart.valueAxis = automatic ? automaticAxis(chart.points) : manualAxis(chart.points);
    const MessageList& m = in.messages;
    chart.categoryAxisTitle = m.text(Msg::Draws) + QStringLiteral(": ") + number(draws) +
                              QStringLiteral("     ") + m.text(wordLine) + QLatin1Char(' ') +
                              m.text(Msg::Found) + QStringLiteral(" : ") + number(runsFound);
    chart.drawCount = draws;
    chart.showsDiagramTab = true;
    return chart;
}

enum class Property { Prime, Odd, Even };

bool hasProperty(Property property, int n)
{
    switch (property) {
    case Property::Prime:
        return isPrime(n);
    case Property::Odd:
        return n % 2 == 1;
    case Property::Even:
        return n % 2 == 0;
    }
    return false;
}

ChartData propertyChart(const ChartInput& in, Property property, Msg firstLine, Msg secondLine,
                        const QString& separator)
{
    const Window w = window(in, false, true);
    std::array<std::uint8_t, 256> has{};
    for (std::size_t n = 0; n < has.size(); ++n)
        has[n] = hasProperty(property, static_cast<int>(n)) ? 1 : 0;
    std::array<int, 7> counters{};
    int draws = 0;
    for (const DrawRecord& r : in.draws) {
        if (!w.contains(r))
            continue;
        ++draws;
        int c = 0;
        for (std::uint8_t n : r.numbers)
            c += has[n];
        ++counters[static_cast<std::size_t>(c)];
    }
    ChartData chart;
    std::int64_t withProperty = 0;
    for (int c = 0; c <= 6; ++c) {
        chart.points.push_back({c, counters[static_cast<std::size_t>(c)], chart.seriesColour});
        withProperty += std::int64_t{c} * counters[static_cast<std::size_t>(c)];
    }
    chart.valueAxis = manualAxis(chart.points);
    // No draws leave no share to speak of: the title shows 0 %.
    const std::int64_t percentage = roundRatioHalfEven(100 * withProperty, 6 * std::int64_t{draws});
    const MessageList& m = in.messages;
    chart.categoryAxisTitle = m.text(firstLine) + QLatin1Char(' ') + number(draws) +
                              QLatin1Char(' ') + m.text(Msg::Draws) + separator +
                              number(percentage) + QStringLiteral("% ") + m.text(secondLine) +
                              QLatin1Char('.');
    chart.drawCount = draws;
    chart.showsDiagramTab = true;
    return chart;
}

} // namespace

ChartData pairs(const ChartInput& in)
{
    return runChart(in, 2, 48, 48, true, false, Msg::Pairs);
}

ChartData triples(const ChartInput& in)
{
    return runChart(in, 3, 47, 47, true, false, Msg::Triples);
}

ChartData quads(const ChartInput& in)
{
    return runChart(in, 4, 47, 49, false, true, Msg::Quads);
}

// A counter that goes up with every examined draw and back to 1 with a draw that has the
// number ends as 1 + the draws after the last one with it, so only that last draw matters.

ChartData primesPerDraw(const ChartInput& in)
{
    return propertyChart(in, Property::Prime, Msg::PrimesPerTipAt, Msg::WerePrimes,
                         QStringLiteral(". "));
}

ChartData oddPerDraw(const ChartInput& in)
{
    return propertyChart(in, Property::Odd, Msg::OddPerTipAt, Msg::WereOdd, QStringLiteral(".  "));
}

ChartData evenPerDraw(const ChartInput& in)
{
    return propertyChart(in, Property::Even, Msg::EvenPerTipAt, Msg::WereEven,
                         QStringLiteral(".  "));
}

} // namespace vendrilo::charts
