// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generator/rowfilter.h"

#include "core/charts/charts.h"

namespace vendrilo {

EntryCount::EntryCount(const std::uint8_t* entries, int count)
{
    for (int i = 0; i < count; ++i) {
        if (entries[i] >= 64)
            continue;
        const std::uint64_t bit = std::uint64_t(1) << entries[i];
        std::size_t k = 0;
        while (m_layers[k] & bit)
            ++k;
        m_layers[k] |= bit;
        m_depth = std::max(m_depth, k + 1);
    }
}

RowFilter::RowFilter(std::span<const TipRow> rows, const LastDraws& draws, const Options& o,
                     PastWinTests& pastWins)
    : m_forcePair(o.checked(Option::ForcePair)), m_noRunOfThree(o.checked(Option::NoRunOfThree)),
      m_mostOverlap(o.value(Option::MaxOverlap)), m_leastOverlap(o.value(Option::MinOverlap)),
      m_limitMost(o.checked(Option::LimitMaxOverlap)),
      m_limitLeast(o.checked(Option::LimitMinOverlap)), m_eachRow(o.checked(Option::OverlapPerRow)),
      m_databaseChecks(o.checked(Option::DatabaseChecks)), m_pastWins(&pastWins)
{
    const int crossSumMaximum = o.value(Option::CrossSumMaximum);
    m_crossSumMinimum = o.value(Option::CrossSumMinimum);
    if (crossSumMaximum < m_crossSumMinimum)
        m_refused = true;
    else
        m_crossSumSpan = static_cast<std::uint64_t>(crossSumMaximum - m_crossSumMinimum);
    // Every byte unlimited to begin with: a maximum of 127, a minimum of 0.
    for (const TallyByte byte : {kOdd, kDrawA, kDrawB, kDrawC})
        limitTally(byte, 127);
    for (const TallyByte byte : {kOddAgain, kPrime})
        requireTally(byte, 0);
    // Six numbers less the odd ones are even.
    if (o.checked(Option::EvenMinimumCheck))
        limitTally(kOdd, 6 - o.value(Option::EvenMinimum));
    if (o.checked(Option::OddMinimumCheck))
        requireTally(kOddAgain, o.value(Option::OddMinimum));

    const bool bonusCounts = o.checked(Option::BonusCountsAsHit);
    tallyLastDraws(draws, o);

    for (const TipRow& row : rows)
        m_rows.emplace_back(row.data(), 6);

    // The primes and the database searches count only with the database checks on.
    if (!m_databaseChecks)
        return;
    if (o.checked(Option::PrimeMinimumCheck))
        requireTally(kPrime, o.value(Option::PrimeMinimum));
    auto ask = [&](int threshold, int drawCount) {
        m_questions.push_back({threshold, drawCount, bonusCounts,
                               drawCount > 0
                                   ? pastWins.recentTable(threshold, drawCount, bonusCounts)
                                   : pastWins.periodTable(threshold, bonusCounts)});
    };
    ask(o.value(Option::RecentHits), o.value(Option::RecentDraws));
    if (o.checked(Option::OlderHitsCheck))
        ask(o.value(Option::OlderHits), o.value(Option::OlderDraws));
    if (o.checked(Option::WholePeriodCheck))
        ask(o.value(Option::WholePeriodHits), 0);
    for (const Question& q : m_questions)
        if (q.table && !m_firstTable)
            m_firstTable = q.table.get();
}

// The tallies of the numbers 1 to 63, and the limits on the numbers of the last three draws.
void RowFilter::tallyLastDraws(const LastDraws& draws, const Options& o)
{
    const int drawEntries = o.checked(Option::BonusCountsAsHit) ? 7 : 6;
    const std::array<EntryCount, 3> lastDraws{EntryCount(draws.A.data(), drawEntries),
                                              EntryCount(draws.B.data(), drawEntries),
                                              EntryCount(draws.C.data(), drawEntries)};
    const std::array<std::pair<Option, Option>, 3> limits{
        {{Option::LimitLastDraw, Option::MaxFromLastDraw},
         {Option::LimitSecondLastDraw, Option::MaxFromSecondLastDraw},
         {Option::LimitThirdLastDraw, Option::MaxFromThirdLastDraw}}};
    for (std::size_t d = 0; d < 3; ++d)
        // A limit of 0 is left to the number pool.
        if (o.checked(limits[d].first) && o.value(limits[d].second) > 0)
            limitTally(static_cast<TallyByte>(kDrawA + d), o.value(limits[d].second));
    for (int n = 1; n < 64; ++n) {
        const std::uint64_t bit = std::uint64_t(1) << n;
        const auto odd = static_cast<std::uint64_t>(n & 1);
        std::uint64_t& t = m_tallies[static_cast<std::size_t>(n)];
        t = static_cast<std::uint64_t>(n) << 48 | odd << (8 * kOdd) | odd << (8 * kOddAgain) |
            static_cast<std::uint64_t>(charts::isPrime(n)) << (8 * kPrime);
        for (std::size_t d = 0; d < 3; ++d)
            t |= static_cast<std::uint64_t>(lastDraws[d].of(bit)) << (8 * (kDrawA + d));
    }
}

// A count of at most 6 * 7 plus a bias of at most 127 stays within its byte.
void RowFilter::limitTally(TallyByte byte, int most)
{
    const int shift = 8 * byte;
    m_tallyBias &= ~(std::uint64_t(255) << shift);
    if (most < 0)
        m_refused = true;
    else
        m_tallyBias |= static_cast<std::uint64_t>(127 - std::min(most, 127)) << shift;
}

void RowFilter::requireTally(TallyByte byte, int least)
{
    const int shift = 8 * byte;
    m_tallyBias &= ~(std::uint64_t(255) << shift);
    m_tallyMinimums |= std::uint64_t(128) << shift;
    if (least > 127)
        m_refused = true;
    else
        m_tallyBias |= static_cast<std::uint64_t>(128 - std::max(least, 0)) << shift;
}

bool RowFilter::overlapAccepted(std::uint64_t numbers) const
{
    int minOverlap = 6;
    int maxOverlap = 0;
    bool outside = false;
    for (const EntryCount& row : m_rows) {
        const int shared = row.of(numbers);
        minOverlap = std::min(minOverlap, shared);
        maxOverlap = std::max(maxOverlap, shared);
        outside = outside || shared > m_mostOverlap || shared < m_leastOverlap;
    }
    return !((m_mostOverlap < minOverlap && m_limitMost) ||
             (m_leastOverlap > maxOverlap && m_limitLeast) || (m_eachRow && outside));
}

} // namespace vendrilo
