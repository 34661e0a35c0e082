// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sheet/rowscore.h"

#include "core/sheet/tipsheet.h"

#include <optional>

namespace vendrilo {

namespace {

// Both forms share one loop; `value(k)` yields field k (0-based) or nothing when it is no
// integer. A bad field stops the comparison exactly where it reaches it.
template <typename ValueOf> RowScore score(const DrawNumbers& draw, ValueOf value)
{
    RowScore result;
    for (int i = 1; i <= 6; ++i) {
        for (int k = 0; k < 6; ++k) {
            const std::optional<int> v = value(k);
            if (!v)
                return result;
            if (*v >= 1 && *v == draw[static_cast<std::size_t>(i)]) {
                result.fieldMatch[static_cast<std::size_t>(k + 1)] = 1;
                ++result.hits;
            }
        }
    }
    for (int k = 0; k < 6; ++k) {
        const std::optional<int> v = value(k);
        if (!v)
            return result;
        if (*v >= 1 && *v == draw[7]) {
            result.fieldMatch[static_cast<std::size_t>(k + 1)] = 2;
            result.hasBonus = true;
        }
    }
    return result;
}

} // namespace

RowScore scoreRow(const std::array<QString, 6>& fields, const DrawNumbers& draw)
{
    // Converting once up front gives the same verdict: the conversion has no side effects.
    std::array<std::optional<int>, 6> values;
    for (std::size_t k = 0; k < values.size(); ++k)
        values[k] = parseInteger(fields[k]);
    return score(draw, [&](int k) { return values[static_cast<std::size_t>(k)]; });
}

RowScore scoreRow(const std::array<int, 6>& numbers, const DrawNumbers& draw)
{
    return score(draw,
                 [&](int k) { return std::optional<int>(numbers[static_cast<std::size_t>(k)]); });
}

} // namespace vendrilo
