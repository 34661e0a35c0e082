// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/money/prizerules.h"

namespace vendrilo {

namespace {

constexpr double kSince = -1e9;       // before every draw
constexpr double kAugust2026 = 46254; // 20.08.2026: three Lotto hits pay 35 zł from this draw on

constexpr PrizeClassRule shared(int hits)
{
    return {hits, PrizeKind::Shared, {}};
}

constexpr PrizeClassRule fixed(int hits, qint64 zloty)
{
    return {hits, PrizeKind::Fixed, {{{kSince, Money::zloty(zloty)}, {}}}};
}

// Lotto pays 3 hits a fixed amount and shares the pools of 4, 5 and 6 hits among the winners;
// Lotto Plus pays fixed amounts in every class.
const std::array<GamePrizeRules, kGameCount> kRules{{
    {Game::Lotto,
     true,
     {{{3, PrizeKind::Fixed, {{{kSince, Money::zloty(24)}, {kAugust2026, Money::zloty(35)}}}},
       shared(4),
       shared(5),
       shared(6)}}},
    {Game::Plus, false, {{fixed(3, 10), fixed(4, 100), fixed(5, 3500), fixed(6, 1000000)}}},
}};

} // namespace

const GamePrizeRules& prizeRules(Game game)
{
    return kRules[static_cast<std::size_t>(game)];
}

Money fixedAmountInForce(Game game, int hits, double day, const PayoutTable& table)
{
    const GamePrizeRules& rules = prizeRules(game);
    FixedAmount inForce;
    for (const FixedAmount& a : rules.rule(hits).amounts)
        if (a.amount.grosze > 0 && a.fromDay <= day)
            inForce = a;
    // A newer amount the table has paid since (the table grows with every update).
    if (rules.paidFromTable)
        if (const auto paid = table.newestPaidOnOrBefore(day, hits);
            paid && paid->day > inForce.fromDay)
            return paid->prize;
    return inForce.amount;
}

std::optional<Money> prizeFor(Game game, int hits, double day, const PayoutTable& table)
{
    if (hits < kLowestPrizeHits)
        return Money{};
    const GamePrizeRules& rules = prizeRules(game);
    const PrizeClassRule& rule = rules.rule(std::min(hits, kHighestPrizeHits));
    const auto paid = rules.paidFromTable ? table.find(day, rule.hits) : std::nullopt;
    if (paid && paid->winners > 0)
        return paid->prize;
    if (rule.kind == PrizeKind::Shared)
        return std::nullopt;
    return fixedAmountInForce(game, rule.hits, day, table);
}

} // namespace vendrilo
