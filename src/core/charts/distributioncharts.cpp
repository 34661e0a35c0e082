// SPDX-License-Identifier: GPL-3.0-or-later
// How often numbers and cross sums were drawn or tipped, and how long numbers are overdue.
#include "core/draws/dates.h"
#include "core/charts/chartparts.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace vendrilo::charts {

using namespace detail;

ChartData numberDistribution(const ChartInput& in)
{
    const Window w = window(in, true, true);
    std::array<int, 50> counters{};
    std::int64_t draws = 0;
    std::int64_t crossSumTotal = 0;
    for (const DrawRecord& r : in.draws) {
        if (!w.contains(r))
            continue;
        for (int i = 0; i < 7; ++i) {
            const int n = r.numberByte(i);
            if (isNumber(n)) // an unknown bonus number is stored as 0
                ++counters[static_cast<std::size_t>(n)];
        }
        ++draws;
        crossSumTotal += crossSum(r); // the bonus number is no part of the cross sum
    }
    ChartData chart;
    fillNumberBars(chart, counters);
    const MessageList& m = in.messages;
    chart.categoryAxisTitle =
        m.text(Msg::NumberDistribution) + QStringLiteral("     ") + m.text(Msg::Draws) +
        QStringLiteral(": ") + number(draws) + QStringLiteral("    ") + m.text(Msg::CrossSum) +
        QStringLiteral(": ") + number(roundRatioHalfEven(crossSumTotal, draws));
    chart.drawCount = static_cast<int>(draws);
    return chart;
}

ChartData crossSumDistribution(const ChartInput& in)
{
    const Window w = window(in, false, false);
    // Six bytes of a damaged record may sum far beyond 279; the table takes any of them.
    std::vector<int> counters(6 * 255 + 1, 0);
    int smallest = static_cast<int>(counters.size());
    int largest = -1;
    std::int64_t draws = 0;
    std::int64_t crossSumTotal = 0;
    for (const DrawRecord& r : in.draws) {
        if (!w.contains(r))
            continue;
        const int s = crossSum(r);
        ++counters[static_cast<std::size_t>(s)];
        smallest = std::min(smallest, s);
        largest = std::max(largest, s);
        ++draws;
        crossSumTotal += s;
    }
    ChartData chart;
    for (int s = smallest; s <= largest; ++s)
        chart.points.push_back({s, counters[static_cast<std::size_t>(s)], chart.seriesColour});
    chart.valueAxis = automaticAxis(chart.points);
    const MessageList& m = in.messages;
    chart.categoryAxisTitle =
        m.text(Msg::CrossSumDistribution) + QStringLiteral("     ") + m.text(Msg::Draws) +
        QStringLiteral(": ") + number(draws) + QStringLiteral("    ") + m.text(Msg::CrossSumShort) +
        QStringLiteral(": ") + number(roundRatioHalfEven(crossSumTotal, draws));
    chart.drawCount = static_cast<int>(draws);
    return chart;
}

ChartData tipDistribution(const TipSheet& sheet, const MessageList& messages)
{
    std::array<int, 50> counters{};
    [&] {
        for (int r = 1; r <= TipSheet::kRows; ++r) {
            for (const QString& text : sheet.fields(r)) {
                bool ok = false;
                const int n = text.trimmed().toInt(&ok);
                if (!ok || !isNumber(n))
                    return; // the first field without a number ends the count
                ++counters[static_cast<std::size_t>(n)];
            }
        }
    }();
    ChartData chart;
    fillNumberBars(chart, counters);
    chart.categoryAxisTitle = messages.text(Msg::TipDistribution);
    chart.showsDiagramTab = true;
    return chart;
}

ChartData overdueNumbers(const ChartInput& in)
{
    const Window w = window(in, false, true);
    std::array<int, 50> lastSeen{}; // examined draw, counted from 1, that last had the number
    int draws = 0;
    for (const DrawRecord& r : in.draws) {
        if (!w.contains(r))
            continue;
        ++draws;
        for (int i = 0; i < 7; ++i) {
            const int n = r.numberByte(i);
            if (isNumber(n))
                lastSeen[static_cast<std::size_t>(n)] = draws;
        }
    }
    // Before any draw every counter stands at 1.
    std::array<int, 50> counters{};
    for (std::size_t n = 0; n < counters.size(); ++n)
        counters[n] = 1 + draws - lastSeen[n];
    ChartData chart;
    fillNumberBars(chart, counters);
    chart.title = in.messages.text(Msg::OverdueTitle);
    chart.drawCount = draws;
    chart.showsDiagramTab = true;
    return chart;
}

ChartData overdueSuperzahl(const ChartInput& in)
{
    // The Superzahl was first drawn in August 1995; earlier draws carry none.
    static const double firstSuperzahlDay = dayFromDate(QDate(1995, 8, 1));
    ChartInput from = in;
    from.periodStart = std::max(std::floor(in.periodStart), firstSuperzahlDay);
    const Window w = window(from, false, true);
    std::array<int, 10> lastSeen{};
    int draws = 0;
    for (const DrawRecord& r : in.draws) {
        if (!w.contains(r))
            continue;
        ++draws;
        if (r.superzahl < lastSeen.size())
            lastSeen[r.superzahl] = draws;
    }
    ChartData chart;
    for (int i = 0; i < 10; ++i) {
        // These counters start at 0: the draw with the Superzahl counts as 1, and one never
        // drawn stands at the number of draws.
        const int seen = lastSeen[static_cast<std::size_t>(i)];
        const int value = seen ? draws - seen + 1 : draws;
        chart.points.push_back({i, value, chart.seriesColour});
    }
    chart.valueAxis = manualAxis(chart.points);
    chart.title = in.messages.text(Msg::SuperzahlOverdueTitle);
    chart.drawCount = draws;
    chart.showsDiagramTab = true;
    return chart;
}

} // namespace vendrilo::charts
