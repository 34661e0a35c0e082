// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wheels/wheel.h"

#include "core/wheels/coveringstate.h"
#include "core/wheels/wheelcheck.h"

#include <QStringList>

#include <algorithm>
#include <numeric>
#include <set>

namespace vendrilo::wheels {

std::optional<std::vector<int>> chosenNumbers(std::vector<int> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    const bool distinct = std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end();
    const int count = static_cast<int>(numbers.size());
    if (!distinct || count < kMinChosen || count > kMaxChosen || numbers.front() < kLowestNumber ||
        numbers.back() > kHighestNumber)
        return std::nullopt;
    return numbers;
}

std::vector<int> positionOrder(int n, std::uint64_t seed)
{
    std::vector<int> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    if (seed == 0)
        return order;
    SearchRandom random(seed);
    for (int i = n - 1; i > 0; --i)
        std::swap(order[static_cast<std::size_t>(i)],
                  order[random.below(static_cast<std::uint32_t>(i + 1))]);
    return order;
}

Wheel wheelOnNumbers(const std::vector<int>& numbers, const std::vector<Mask>& rows,
                     const Guarantee& guarantee, const std::vector<int>& order)
{
    Wheel wheel{numbers, guarantee, {}};
    wheel.rows.reserve(rows.size());
    for (const Mask row : rows) {
        WheelRow numbersOfRow{};
        int i = 0;
        for (Mask rest = row; rest && i < kRowSize; rest &= rest - 1) {
            const int position = std::countr_zero(rest);
            const int at = order.empty() ? position : order[static_cast<std::size_t>(position)];
            numbersOfRow[static_cast<std::size_t>(i++)] = numbers[static_cast<std::size_t>(at)];
        }
        std::sort(numbersOfRow.begin(), numbersOfRow.end());
        wheel.rows.push_back(numbersOfRow);
    }
    std::sort(wheel.rows.begin(), wheel.rows.end());
    return wheel;
}

std::optional<std::vector<Mask>> rowsAsPositions(const Wheel& wheel)
{
    std::vector<Mask> rows;
    rows.reserve(wheel.rows.size());
    for (const WheelRow& row : wheel.rows) {
        Mask mask = 0;
        for (const int number : row) {
            const auto at = std::lower_bound(wheel.numbers.begin(), wheel.numbers.end(), number);
            if (at == wheel.numbers.end() || *at != number)
                return std::nullopt;
            mask |= bit(static_cast<int>(at - wheel.numbers.begin()));
        }
        if (popcount(mask) != kRowSize)
            return std::nullopt;
        rows.push_back(mask);
    }
    return rows;
}

WheelVerdict checkWheel(const Wheel& wheel)
{
    const Guarantee& g = wheel.guarantee;
    const int n = static_cast<int>(wheel.numbers.size());
    const auto rows = rowsAsPositions(wheel);
    if (!g.valid() || !chosenNumbers(wheel.numbers) || !rows)
        return {};
    if (g.full && (rows->size() != binomial(n, kRowSize) ||
                   std::set<Mask>(rows->begin(), rows->end()).size() != rows->size()))
        return {};
    const std::optional<Mask> missed = findUncovered(n, *rows, g.checkedHits(), g.checkedOf());
    if (!missed)
        return {true, {}};
    WheelVerdict verdict;
    for (Mask rest = *missed; rest; rest &= rest - 1)
        verdict.missed.push_back(wheel.numbers[static_cast<std::size_t>(std::countr_zero(rest))]);
    return verdict;
}

QString rowText(const WheelRow& row)
{
    QStringList parts;
    for (const int number : row)
        parts << QString::number(number);
    return parts.join(u',');
}

} // namespace vendrilo::wheels
