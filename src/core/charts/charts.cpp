// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/charts/charts.h"

#include <array>

namespace vendrilo::charts {

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

namespace {
ChartData computeChartOf(ChartKind kind, const ChartInput& in, const TipSheet& sheet);
} // namespace

std::optional<ChartKind> chartKindFromName(const QString& name)
{
    for (const KindInfo& k : kKinds)
        if (name == QLatin1String(k.name))
            return k.kind;
    return std::nullopt;
}

ChartData computeChart(ChartKind kind, const ChartInput& in, const TipSheet& sheet)
{
    ChartData chart = computeChartOf(kind, in, sheet);
    // A chart of the history over a period without a single draw (or with both draw-day boxes
    // off) says so instead of standing empty.
    chart.emptyPeriod = kind != ChartKind::Tips && chart.drawCount == 0;
    return chart;
}

namespace {
ChartData computeChartOf(ChartKind kind, const ChartInput& in, const TipSheet& sheet)
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
} // namespace

} // namespace vendrilo::charts
