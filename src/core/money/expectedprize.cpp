// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/money/expectedprize.h"

#include "core/draws/dates.h"
#include "core/money/odds.h"

#include <cmath>

namespace vendrilo {

namespace {

// Wide enough for the exact sum of the classes' fractions before the final division.
__extension__ using Wide = __int128;

struct Fraction {
    Wide numerator = 0;
    Wide denominator = 1;

    void add(Wide n, Wide d)
    {
        numerator = numerator * d + n * denominator;
        denominator *= d;
    }
};

} // namespace

bool RowExpectation::complete() const
{
    for (const ClassExpectation& c : classes)
        if (!c.known())
            return false;
    return true;
}

Money RowExpectation::forRows(int rows) const
{
    Fraction sum;
    for (const ClassExpectation& c : classes) {
        if (!c.known())
            continue;
        const Wide weight = Wide{drawsGivingHits(c.hits)} * rows;
        if (c.kind == PrizeKind::Fixed)
            sum.add(weight * c.fixed.grosze, 1);
        else
            sum.add(weight * c.paid.sum.grosze, c.paid.draws);
    }
    sum.denominator *= kPossibleDraws;
    return Money{
        static_cast<qint64>((2 * sum.numerator + sum.denominator) / (2 * sum.denominator))};
}

double yearBefore(double day)
{
    const QDate date = dateFromDay(day);
    if (!date.isValid())
        return day - 365;
    return dayFromDate(date.addYears(-1));
}

RowExpectation expectedPrizePerRow(Game game, double day, const PayoutTable& table)
{
    RowExpectation e;
    e.game = game;
    const GamePrizeRules& rules = prizeRules(game);
    for (int hits = kLowestPrizeHits; hits <= kHighestPrizeHits; ++hits) {
        ClassExpectation& c = e.classes[static_cast<std::size_t>(hits - kLowestPrizeHits)];
        c.hits = hits;
        c.kind = rules.rule(hits).kind;
        if (c.kind == PrizeKind::Fixed)
            c.fixed = fixedAmountInForce(game, hits, day, table);
        else
            c.paid = table.paidBetween(hits, yearBefore(day), day);
    }
    return e;
}

} // namespace vendrilo
