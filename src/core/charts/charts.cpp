#include "core/charts/charts.h"

#include "core/draws/dates.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vendrilo::charts {

namespace {

constexpr int kHighestNumber = 49;

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

Window window(const ChartInput& in, bool includesStart, bool filtered)
{
    return {std::floor(in.periodStart), std::floor(in.periodEnd), includesStart, filtered,
            in.dayFilter};
}

bool isNumber(int n)
{
    return n >= 1 && n <= kHighestNumber;
}

// The six drawn numbers as bits 1..49; anything else in a damaged record is left out.
std::uint64_t drawnMask(const DrawRecord& r)
{
    std::uint64_t mask = 0;
    for (std::uint8_t n : r.numbers)
        if (isNumber(n))
            mask |= std::uint64_t{1} << n;
    return mask;
}

int crossSum(const DrawRecord& r)
{
    int sum = 0;
    for (std::uint8_t n : r.numbers)
        sum += n;
    return sum;
}

ValueAxis manualAxis(const std::vector<ChartPoint>& points)
{
    ValueAxis axis{false, 0, 0};
    if (points.empty())
        return axis;
    const auto [lo, hi] = std::minmax_element(
        points.begin(), points.end(),
        [](const ChartPoint& a, const ChartPoint& b) { return a.y < b.y; });
    axis.minimum = lo->y;
    axis.maximum = hi->y;
    return axis;
}

// Bars stand on 0, so an automatic axis always spans 0 and reaches the tallest bar.
ValueAxis automaticAxis(const std::vector<ChartPoint>& points)
{
    ValueAxis axis{true, 0, 0};
    for (const ChartPoint& p : points) {
        axis.minimum = std::min(axis.minimum, p.y);
        axis.maximum = std::max(axis.maximum, p.y);
    }
    return axis;
}

// One bar per number 1..49, primes red, the others green, axis from smallest to largest.
void fillNumberBars(ChartData& chart, const std::array<int, 50>& counters)
{
    chart.points.reserve(kHighestNumber);
    for (int n = 1; n <= kHighestNumber; ++n)
        chart.points.push_back({n, counters[static_cast<std::size_t>(n)], isPrime(n) ? kRed : kGreen});
    chart.valueAxis = manualAxis(chart.points);
}

QString number(std::int64_t value)
{
    return QString::number(value);
}

// Runs start at 1..lastStart. Quads look at the start 47 too, whose run would need 50: it
// never counts, and their bars past it stay 0.
ChartData runChart(const ChartInput& in, int length, int lastStart, int barCount, bool filtered,
                   bool automatic, int wordLine)
{
    const std::uint64_t pattern = (std::uint64_t{1} << length) - 1;
    const Window w = window(in, false, filtered);

    std::array<int, 50> counters{};
    int draws = 0;
    int runsFound = 0;
    ChartData chart;
    for (const DrawRecord& r : in.draws) {
        if (!w.contains(r))
            continue;
        ++draws;
        chart.lastExamined = r;
        const std::uint64_t mask = drawnMask(r);
        for (int k = 1; k <= lastStart; ++k) {
            if (((mask >> k) & pattern) == pattern) {
                ++counters[static_cast<std::size_t>(k)];
                ++runsFound;
            }
        }
    }
    chart.points.reserve(static_cast<std::size_t>(barCount));
    for (int k = 1; k <= barCount; ++k)
        chart.points.push_back({k, counters[static_cast<std::size_t>(k)], chart.seriesColour});
    chart.valueAxis = automatic ? automaticAxis(chart.points) : manualAxis(chart.points);
    const MessageList& m = in.messages;
    chart.categoryAxisTitle = m.line(1) + QStringLiteral(": ") + number(draws) +
                              QStringLiteral("     ") + m.line(wordLine) + QLatin1Char(' ') +
                              m.line(10) + QStringLiteral(" : ") + number(runsFound);
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

ChartData propertyChart(const ChartInput& in, Property property, int firstLine, int secondLine,
                        const QString& separator)
{
    const Window w = window(in, false, true);
    std::array<int, 7> counters{};
    int draws = 0;
    ChartData chart;
    for (const DrawRecord& r : in.draws) {
        if (!w.contains(r))
            continue;
        ++draws;
        chart.lastExamined = r;
        int c = 0;
        for (std::uint8_t n : r.numbers)
            c += hasProperty(property, n) ? 1 : 0;
        ++counters[static_cast<std::size_t>(c)];
    }
    std::int64_t withProperty = 0;
    for (int c = 0; c <= 6; ++c) {
        chart.points.push_back({c, counters[static_cast<std::size_t>(c)], chart.seriesColour});
        withProperty += std::int64_t{c} * counters[static_cast<std::size_t>(c)];
    }
    chart.valueAxis = manualAxis(chart.points);
    // No draws leave no share to speak of: the title shows 0 %.
    const std::int64_t percentage = roundRatioHalfEven(100 * withProperty, 6 * std::int64_t{draws});
    const MessageList& m = in.messages;
    chart.categoryAxisTitle = m.line(firstLine) + QLatin1Char(' ') + number(draws) +
                              QLatin1Char(' ') + m.line(1) + separator + number(percentage) +
                              QStringLiteral("% ") + m.line(secondLine) + QLatin1Char('.');
    chart.drawCount = draws;
    chart.showsDiagramTab = true;
    return chart;
}

} // namespace

bool isPrime(int n)
{
    switch (n) {
    case 2: case 3: case 5: case 7: case 11: case 13: case 17: case 19: case 23: case 29:
    case 31: case 37: case 41: case 43: case 47:
        return true;
    default:
        return false;
    }
}

int primzahlen(int zahl1, int zahl2, int zahl3, int zahl4, int zahl5, int zahl6)
{
    return isPrime(zahl1) + isPrime(zahl2) + isPrime(zahl3) + isPrime(zahl4) + isPrime(zahl5) +
           isPrime(zahl6);
}

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
    chart.categoryAxisTitle = m.line(0) + QStringLiteral("     ") + m.line(1) +
                              QStringLiteral(": ") + number(draws) + QStringLiteral("    ") +
                              m.line(2) + QStringLiteral(": ") +
                              number(roundRatioHalfEven(crossSumTotal, draws));
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
    chart.categoryAxisTitle = m.line(13) + QStringLiteral("     ") + m.line(1) +
                              QStringLiteral(": ") + number(draws) + QStringLiteral("    ") +
                              m.line(14) + QStringLiteral(": ") +
                              number(roundRatioHalfEven(crossSumTotal, draws));
    chart.drawCount = static_cast<int>(draws);
    return chart;
}

ChartData tipDistribution(const TipFields& fields, const MessageList& messages)
{
    std::array<int, 50> counters{};
    [&] {
        for (const auto& row : fields) {
            for (const QString& text : row) {
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
    chart.categoryAxisTitle = messages.line(29);
    chart.showsDiagramTab = true;
    return chart;
}

ChartData pairs(const ChartInput& in)
{
    return runChart(in, 2, 48, 48, true, false, 9);
}

ChartData triples(const ChartInput& in)
{
    return runChart(in, 3, 47, 47, true, false, 11);
}

ChartData quads(const ChartInput& in)
{
    return runChart(in, 4, 47, 49, false, true, 15);
}

ChartData overdueNumbers(const ChartInput& in)
{
    const Window w = window(in, false, true);
    std::array<int, 50> counters;
    counters.fill(1);
    int draws = 0;
    for (const DrawRecord& r : in.draws) {
        if (!w.contains(r))
            continue;
        ++draws;
        for (int& c : counters)
            ++c;
        for (int i = 0; i < 7; ++i) {
            const int n = r.numberByte(i);
            if (isNumber(n))
                counters[static_cast<std::size_t>(n)] = 1;
        }
    }
    ChartData chart;
    fillNumberBars(chart, counters);
    chart.title = in.messages.line(28);
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
    std::array<int, 10> counters{};
    int draws = 0;
    for (const DrawRecord& r : in.draws) {
        if (!w.contains(r))
            continue;
        ++draws;
        for (int& c : counters)
            ++c;
        if (r.superzahl < counters.size())
            counters[r.superzahl] = 1;
    }
    ChartData chart;
    for (int i = 0; i < 10; ++i)
        chart.points.push_back({i, counters[static_cast<std::size_t>(i)], chart.seriesColour});
    chart.valueAxis = manualAxis(chart.points);
    chart.title = in.messages.line(38);
    chart.drawCount = draws;
    chart.showsDiagramTab = true;
    return chart;
}

ChartData primesPerDraw(const ChartInput& in)
{
    return propertyChart(in, Property::Prime, 44, 45, QStringLiteral(". "));
}

ChartData oddPerDraw(const ChartInput& in)
{
    return propertyChart(in, Property::Odd, 46, 47, QStringLiteral(".  "));
}

ChartData evenPerDraw(const ChartInput& in)
{
    return propertyChart(in, Property::Even, 48, 49, QStringLiteral(".  "));
}

namespace {

struct KindInfo {
    ChartKind kind;
    const char* name;
    const char* handler;
};

constexpr std::array<KindInfo, kChartKindCount> kKinds{{
    {ChartKind::Numbers, "numbers", "SpeedButton2Click"},
    {ChartKind::CrossSums, "crosssums", "SpeedButton9Click"},
    {ChartKind::Tips, "tips", "Button6Click"},
    {ChartKind::Pairs, "pairs", "Button2Click"},
    {ChartKind::Triples, "triples", "Button3Click"},
    {ChartKind::Quads, "quads", "Button4Click"},
    {ChartKind::Overdue, "overdue", "Button5Click"},
    {ChartKind::Superzahl, "superzahl", "Button8Click"},
    {ChartKind::Primes, "primes", "Button9Click"},
    {ChartKind::Odd, "odd", "Button10Click"},
    {ChartKind::Even, "even", "Button11Click"},
}};

const KindInfo& info(ChartKind kind)
{
    return kKinds[static_cast<std::size_t>(kind)];
}

} // namespace

QString chartName(ChartKind kind)
{
    return QString::fromLatin1(info(kind).name);
}

QString chartHandler(ChartKind kind)
{
    return QString::fromLatin1(info(kind).handler);
}

std::optional<ChartKind> chartKindFromName(const QString& name)
{
    for (const KindInfo& k : kKinds)
        if (name == QLatin1String(k.name))
            return k.kind;
    return std::nullopt;
}

ChartData computeChart(ChartKind kind, const ChartInput& in, const TipFields& fields)
{
    switch (kind) {
    case ChartKind::Numbers:
        return numberDistribution(in);
    case ChartKind::CrossSums:
        return crossSumDistribution(in);
    case ChartKind::Tips:
        return tipDistribution(fields, in.messages);
    case ChartKind::Pairs:
        return pairs(in);
    case ChartKind::Triples:
        return triples(in);
    case ChartKind::Quads:
        return quads(in);
    case ChartKind::Overdue:
        return overdueNumbers(in);
    case ChartKind::Superzahl:
        return overdueSuperzahl(in);
    case ChartKind::Primes:
        return primesPerDraw(in);
    case ChartKind::Odd:
        return oddPerDraw(in);
    case ChartKind::Even:
        return evenPerDraw(in);
    }
    return {};
}

} // namespace vendrilo::charts
