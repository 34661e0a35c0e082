// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wheels/wheelmaker.h"

#include "core/wheels/constructions.h"
#include "core/wheels/wheellibrary.h"

namespace vendrilo::wheels {

namespace {

std::optional<std::vector<Mask>> wheelOnParts(int n, int parts, const Guarantee& perPart,
                                              const LibraryLookup& library)
{
    std::vector<Mask> rows;
    int offset = 0;
    for (int part = 0; part < parts; ++part) {
        const int size = n / parts + (part < n % parts ? 1 : 0);
        const auto partRows = library(size, perPart);
        if (!partRows)
            return std::nullopt;
        for (const Mask row : *partRows)
            rows.push_back(row << offset);
        offset += size;
    }
    return rows;
}

WheelOutcome checked(const std::vector<int>& numbers, const std::vector<Mask>& rows,
                     const Guarantee& g, WheelOrigin origin, const std::vector<int>& order)
{
    Wheel wheel = wheelOnNumbers(numbers, rows, g, order);
    if (!checkWheel(wheel).passed)
        return {std::nullopt, origin, WheelProblem::CheckFailed};
    return {std::move(wheel), origin, WheelProblem::None};
}

} // namespace

std::optional<std::vector<Mask>> smallestWheelOnParts(int n, const Guarantee& g,
                                                      const LibraryLookup& library)
{
    std::optional<std::vector<Mask>> best;
    for (int parts = 2; parts * kLibraryMinNumbers <= n; ++parts) {
        const int perPart = (g.of + parts - 1) / parts;
        if (perPart < g.hits)
            break;
        auto rows = wheelOnParts(n, parts, Guarantee::ifOf(g.hits, perPart), library);
        if (rows && (!best || rows->size() < best->size()))
            best = std::move(rows);
    }
    return best;
}

std::optional<InstantRows> instantRows(int n, const Guarantee& g)
{
    if (g.full || (g.hits == kRowSize && g.of == kRowSize)) {
        if (fullWheelRowCount(n) > kMaxWheelRows)
            return std::nullopt;
        return InstantRows{allSixes(n), WheelOrigin::Full};
    }
    if (auto rows = libraryRows(n, g))
        return InstantRows{std::move(*rows), WheelOrigin::Library};
    if (n > kLibraryMaxNumbers)
        if (auto rows = smallestWheelOnParts(n, g, libraryRows))
            return InstantRows{std::move(*rows), WheelOrigin::Parts};
    return std::nullopt;
}

bool searchable(int n, const Guarantee& g)
{
    return !g.full && g.valid() && g.hits < kRowSize && binomial(n, g.of) <= kMaxSearchSets;
}

WheelOutcome instantWheel(const std::vector<int>& numbers, const Guarantee& g,
                          std::uint64_t shuffleSeed)
{
    const auto chosen = chosenNumbers(numbers);
    if (!chosen || !g.valid())
        return {std::nullopt, WheelOrigin::Library, WheelProblem::BadNumbers};
    const int n = static_cast<int>(chosen->size());
    if (g.full && fullWheelRowCount(n) > kMaxWheelRows)
        return {std::nullopt, WheelOrigin::Full, WheelProblem::TooManyRows};
    const auto rows = instantRows(n, g);
    if (!rows)
        return {std::nullopt, WheelOrigin::Library, WheelProblem::NoneKnown};
    return checked(*chosen, rows->rows, g, rows->origin, positionOrder(n, shuffleSeed));
}

WheelOutcome searchWheel(const std::vector<int>& numbers, const Guarantee& g, const Wheel* start,
                         std::uint64_t seed,
                         const std::function<bool(const SearchProgress&)>& progress)
{
    const auto chosen = chosenNumbers(numbers);
    if (!chosen || !g.valid())
        return {std::nullopt, WheelOrigin::Search, WheelProblem::BadNumbers};
    const int n = static_cast<int>(chosen->size());
    if (!searchable(n, g))
        return {std::nullopt, WheelOrigin::Search, WheelProblem::NoneKnown};
    SearchOptions options;
    options.seed = seed;
    options.progress = progress;
    if (start && start->numbers == *chosen) {
        if (auto rows = rowsAsPositions(*start))
            options.start = std::move(*rows);
    } else if (auto rows = instantRows(n, g)) {
        options.start = std::move(rows->rows);
    }
    const std::vector<Mask> found = searchCovering({n, g.hits, g.of}, options);
    if (found.empty())
        return {std::nullopt, WheelOrigin::Search, WheelProblem::NotFound};
    return checked(*chosen, found, g, WheelOrigin::Search, {});
}

QString problemText(WheelProblem problem)
{
    switch (problem) {
    case WheelProblem::None:
        return {};
    case WheelProblem::BadNumbers:
        return QStringLiteral("a wheel takes 7 to 49 different numbers from 1 to 49");
    case WheelProblem::TooManyRows:
        return QStringLiteral("a full wheel on that many numbers has more than %L1 rows")
            .arg(kMaxWheelRows);
    case WheelProblem::NoneKnown:
        return QStringLiteral("no wheel with that guarantee on that many numbers: the library "
                              "holds none and a search would need too much memory");
    case WheelProblem::NotFound:
        return QStringLiteral("the search found no wheel in the time given");
    case WheelProblem::CheckFailed:
        return QStringLiteral("the wheel failed its check and is not shown");
    }
    return {};
}

} // namespace vendrilo::wheels
