// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generator/rowchecks.h"

#include "core/charts/charts.h"

namespace vendrilo {

namespace {

// The candidate's numbers as bits. Its numbers differ, so each entry equals at most one of them
// and the pairs that match are the entries whose bit is set.
std::uint64_t maskOf(const TipRow& candidate)
{
    std::uint64_t mask = 0;
    for (const std::uint8_t c : candidate)
        if (c > 0 && c < 64)
            mask |= std::uint64_t(1) << c;
    return mask;
}

int overlap(std::uint64_t mask, const std::uint8_t* entries, int count)
{
    int shared = 0;
    for (int i = 0; i < count; ++i)
        shared += entries[i] < 64 ? static_cast<int>(mask >> entries[i] & 1) : 0;
    return shared;
}

// 1. Overlap with the rows made before. Usually the limits judge the closest and the farthest
//    row only; per row, every single row must lie within them.
RowCheckStep overlapWithRows(std::uint64_t mask, std::span<const TipRow> rows, const Options& o)
{
    if (rows.empty())
        return RowCheckStep::Accepted;
    const int most = o.value(Option::MaxOverlap);
    const int least = o.value(Option::MinOverlap);
    const bool eachRow = o.checked(Option::OverlapPerRow);
    int minOv = 6;
    int maxOv = 0;
    bool violation = false;
    for (const TipRow& row : rows) {
        const int ov = overlap(mask, row.data(), 6);
        minOv = std::min(minOv, ov);
        maxOv = std::max(maxOv, ov);
        if (eachRow && (ov > most || ov < least))
            violation = true;
    }
    if ((most < minOv && o.checked(Option::LimitMaxOverlap)) ||
        (least > maxOv && o.checked(Option::LimitMinOverlap)) || violation)
        return RowCheckStep::Overlap;
    return RowCheckStep::Accepted;
}

// 2.-4. Consecutive numbers and the cross sum.
RowCheckStep shape(const TipRow& c, int crossSum, const Options& o)
{
    if (o.checked(Option::ForcePair)) {
        bool pair = false;
        for (int p = 0; p < 5; ++p)
            pair = pair || c[p + 1] == c[p] + 1;
        if (!pair)
            return RowCheckStep::ForcedPair;
    }
    if (o.checked(Option::NoRunOfThree)) {
        for (int p = 0; p < 4; ++p)
            if (c[p + 1] == c[p] + 1 && c[p + 2] == c[p + 1] + 1)
                return RowCheckStep::RunOfThree;
    }
    if (crossSum < o.value(Option::CrossSumMinimum) || crossSum > o.value(Option::CrossSumMaximum))
        return RowCheckStep::CrossSum;
    return RowCheckStep::Accepted;
}

// 5.-7. Numbers of the last three draws; the bonus number counts when it counts as a hit. A
//       limit of 0 is left to the number pool, which then holds none of that draw's numbers.
RowCheckStep lastDraws(std::uint64_t mask, const LastDraws& draws, const Options& o)
{
    const int n = o.checked(Option::BonusCountsAsHit) ? 7 : 6;
    auto tooClose = [&](Option box, Option limit, const DrawBytes& draw) {
        const int most = o.value(limit);
        return o.checked(box) && most > 0 && overlap(mask, draw.data(), n) > most;
    };
    if (tooClose(Option::LimitLastDraw, Option::MaxFromLastDraw, draws.A))
        return RowCheckStep::LastDraw;
    if (tooClose(Option::LimitSecondLastDraw, Option::MaxFromSecondLastDraw, draws.B))
        return RowCheckStep::SecondToLastDraw;
    if (tooClose(Option::LimitThirdLastDraw, Option::MaxFromThirdLastDraw, draws.C))
        return RowCheckStep::ThirdToLastDraw;
    return RowCheckStep::Accepted;
}

// 8. and 9. Even and odd minimums.
RowCheckStep parity(const TipRow& c, const Options& o)
{
    int odd = 0;
    for (const std::uint8_t x : c)
        odd += x & 1;
    if (o.checked(Option::EvenMinimumCheck) && 6 - odd < o.value(Option::EvenMinimum))
        return RowCheckStep::EvenMinimum;
    if (o.checked(Option::OddMinimumCheck) && odd < o.value(Option::OddMinimum))
        return RowCheckStep::OddMinimum;
    return RowCheckStep::Accepted;
}

// 10.-14. The database searches and the prime minimum, which all hang on the first database
//         check: past wins in the recent and the older window, then in the whole period, then
//         the primes.
RowCheckStep databaseAndPrimes(const TipRow& c, const Options& o, PastWinTests& pastWins)
{
    if (!o.checked(Option::DatabaseChecks))
        return RowCheckStep::Accepted;
    const bool bonusCounts = o.checked(Option::BonusCountsAsHit);
    if (!pastWins.neverWonRecently(c, o.value(Option::RecentHits), o.value(Option::RecentDraws),
                                   bonusCounts))
        return RowCheckStep::RecentHits;
    if (o.checked(Option::OlderHitsCheck) &&
        !pastWins.neverWonRecently(c, o.value(Option::OlderHits), o.value(Option::OlderDraws),
                                   bonusCounts))
        return RowCheckStep::OlderHits;
    if (o.checked(Option::WholePeriodCheck) && c[0] != 0 &&
        !pastWins.neverWonInPeriod(c, o.value(Option::WholePeriodHits), bonusCounts))
        return RowCheckStep::WholeDatabase;
    if (o.checked(Option::PrimeMinimumCheck) && c[0] != 0 &&
        charts::countPrimes(c) < o.value(Option::PrimeMinimum))
        return RowCheckStep::PrimeMinimum;
    return RowCheckStep::Accepted;
}

} // namespace

RowCheckStep checkRow(TipRow& c, int crossSum, std::span<const TipRow> rows, const LastDraws& draws,
                      const Options& o, PastWinTests& pastWins)
{
    const std::uint64_t mask = maskOf(c);
    RowCheckStep step = overlapWithRows(mask, rows, o);
    if (step == RowCheckStep::Accepted)
        step = shape(c, crossSum, o);
    if (step == RowCheckStep::Accepted)
        step = lastDraws(mask, draws, o);
    if (step == RowCheckStep::Accepted)
        step = parity(c, o);
    if (step == RowCheckStep::Accepted)
        step = databaseAndPrimes(c, o, pastWins);
    if (step != RowCheckStep::Accepted)
        c.fill(0);
    return step;
}

} // namespace vendrilo
