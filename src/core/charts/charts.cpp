#include "core/charts/charts.h"

#include "core/draws/dates.h"

#include <QDate>
#include <algorithm>
#include <bit>
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
    const auto [lo, hi] =
        std::minmax_element(points.begin(), points.end(),
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
        chart.points.push_back(
            {n, counters[static_cast<std::size_t>(n)], isPrime(n) ? kRed : kGreen});
    chart.valueAxis = manualAxis(chart.points);
}

QString number(std::int64_t value)
{
    return QString::number(value);
}

// Runs start at 1..lastStart. Quads look at the start 47 too, whose run would need 50: it
// never counts, and their bars past it stay 0.
ChartData runChart(const ChartInput& in, int length, int lastStart, int barCount, bool filtered,
                   bool automatic, Msg wordLine)
{
    // Bit k of the starts mask: k .. k+length-1 all drawn. Only starts up to lastStart count.
    const std::uint64_t startsLimit = (std::uint64_t{1} << (lastStart + 1)) - 1;
    const Window w = window(in, false, filtered);

    std::array<int, 50> counters{};
    int draws = 0;
    int runsFound = 0;
    const DrawRecord* last = nullptr;
    for (const DrawRecord& r : in.draws) {
        if (!w.contains(r))
            continue;
        ++draws;
        last = &r;
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
    if (last)
        chart.lastExamined = *last;
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
    const DrawRecord* last = nullptr;
    for (const DrawRecord& r : in.draws) {
        if (!w.contains(r))
            continue;
        ++draws;
        last = &r;
        int c = 0;
        for (std::uint8_t n : r.numbers)
            c += has[n];
        ++counters[static_cast<std::size_t>(c)];
    }
    ChartData chart;
    if (last)
        chart.lastExamined = *last;
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

bool isPrime(int n)
{
    // Bits 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47.
    constexpr std::uint64_t kPrimes = (1ull << 2) | (1ull << 3) | (1ull << 5) | (1ull << 7) |
                                      (1ull << 11) | (1ull << 13) | (1ull << 17) | (1ull << 19) |
                                      (1ull << 23) | (1ull << 29) | (1ull << 31) | (1ull << 37) |
                                      (1ull << 41) | (1ull << 43) | (1ull << 47);
    return n >= 0 && n < 64 && ((kPrimes >> n) & 1) != 0;
}

int countPrimes(std::span<const std::uint8_t> numbers)
{
    int primes = 0;
    for (const std::uint8_t n : numbers)
        primes += isPrime(n) ? 1 : 0;
    return primes;
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

namespace {

struct KindInfo {
    ChartKind kind;
    const char* name;
};

constexpr std::array<KindInfo, kChartKindCount> kKinds{{
    {ChartKind::Numbers, "numbers"},
    {ChartKind::CrossSums, "crosssums"},
    {ChartKind::Tips, "tips"},
    {ChartKind::Pairs, "pairs"},
    {ChartKind::Triples, "triples"},
    {ChartKind::Quads, "quads"},
    {ChartKind::Overdue, "overdue"},
    {ChartKind::Superzahl, "superzahl"},
    {ChartKind::Primes, "primes"},
    {ChartKind::Odd, "odd"},
    {ChartKind::Even, "even"},
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

std::optional<ChartKind> chartKindFromName(const QString& name)
{
    for (const KindInfo& k : kKinds)
        if (name == QLatin1String(k.name))
            return k.kind;
    return std::nullopt;
}

ChartData computeChart(ChartKind kind, const ChartInput& in, const TipSheet& sheet)
{
    switch (kind) {
    case ChartKind::Numbers:
        return numberDistribution(in);
    case ChartKind::CrossSums:
        return crossSumDistribution(in);
    case ChartKind::Tips:
        return tipDistribution(sheet, in.messages);
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
