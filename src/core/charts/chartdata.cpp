// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/charts/chartdata.h"

namespace vendrilo::charts {

std::vector<int> ChartData::values() const
{
    std::vector<int> result;
    result.reserve(points.size());
    for (const ChartPoint& p : points)
        result.push_back(p.y);
    return result;
}

QString ChartData::heading() const
{
    return categoryAxisTitle.isEmpty() ? title : categoryAxisTitle;
}

std::int64_t roundRatioHalfEven(std::int64_t numerator, std::int64_t denominator)
{
    if (denominator == 0)
        return 0;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    // Floor division, so the remainder is never negative.
    std::int64_t quotient = numerator / denominator;
    std::int64_t remainder = numerator % denominator;
    if (remainder < 0) {
        quotient -= 1;
        remainder += denominator;
    }
    const std::int64_t twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += 1;
    return quotient;
}

} // namespace vendrilo::charts
