#include "core/evaluation/zettelcheck.h"

#include "core/generator/tipsheet.h"

#include <optional>

namespace vendrilo {

namespace {

// Both forms share one loop; `value(k)` yields field k (0-based) or nothing when it is no
// integer. A bad field stops the check exactly where the comparison reaches it.
template <typename ValueOf> RowCheck check(const DrawNumbers& Zahl, ValueOf value)
{
    RowCheck result;
    for (int i = 1; i <= 6; ++i) {
        for (int k = 0; k < 6; ++k) {
            const std::optional<int> v = value(k);
            if (!v)
                return result;
            if (*v >= 1 && *v == Zahl[static_cast<std::size_t>(i)]) {
                result.Treffer[static_cast<std::size_t>(k + 1)] = 1;
                ++result.Gewinn;
            }
        }
    }
    for (int k = 0; k < 6; ++k) {
        const std::optional<int> v = value(k);
        if (!v)
            return result;
        if (*v >= 1 && *v == Zahl[7]) {
            result.Treffer[static_cast<std::size_t>(k + 1)] = 2;
            result.Zusatz = true;
        }
    }
    return result;
}

} // namespace

RowCheck Zettelcheck(const std::array<QString, 6>& fields, const DrawNumbers& Zahl)
{
    // Converting once up front gives the same verdict: the conversion has no side effects.
    std::array<std::optional<int>, 6> values;
    for (std::size_t k = 0; k < values.size(); ++k)
        values[k] = parseInteger(fields[k]);
    return check(Zahl, [&](int k) { return values[static_cast<std::size_t>(k)]; });
}

RowCheck Zettelcheck(const std::array<int, 6>& numbers, const DrawNumbers& Zahl)
{
    return check(Zahl,
                 [&](int k) { return std::optional<int>(numbers[static_cast<std::size_t>(k)]); });
}

} // namespace vendrilo
