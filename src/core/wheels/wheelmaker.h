// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/wheels/coveringsearch.h"
#include "core/wheels/wheel.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace vendrilo::wheels {

// Where the rows of a wheel come from.
enum class WheelOrigin {
    Full,    // every six of the chosen numbers
    Library, // the shipped library
    Parts,   // library wheels on parts of the numbers, joined (beyond the library's 30 numbers)
    Search,  // a live search
};

// Rows on the positions 0..n-1 that are there at once, without a search.
struct InstantRows {
    std::vector<Mask> rows;
    WheelOrigin origin = WheelOrigin::Library;
};

// The rows a full wheel on n numbers has.
inline std::uint64_t fullWheelRowCount(int n)
{
    return binomial(n, kRowSize);
}

// The wheel for n numbers that needs no search: the full wheel (up to kMaxWheelRows rows), the
// library's wheel, or beyond 30 numbers one made of library wheels on parts of the numbers
// (when a draw's `of` numbers must put ceil(of / parts) into one part, a "k if ceil(of/parts)"
// wheel on every part keeps the promise). Nothing when none is there.
std::optional<InstantRows> instantRows(int n, const Guarantee& guarantee);

// Looks up library rows for (n, guarantee); the shipped library is libraryRows.
using LibraryLookup = std::function<std::optional<std::vector<Mask>>(int, const Guarantee&)>;

// The smallest wheel made of library wheels on parts of the n numbers, side by side: with p
// parts of nearly equal size, the `of` numbers of a draw put at least ceil(of / p) into one
// part, so a "k if ceil(of/p)" wheel on every part keeps the promise "k if of". Nothing when no
// number of parts works with the wheels `library` holds.
std::optional<std::vector<Mask>> smallestWheelOnParts(int n, const Guarantee& guarantee,
                                                      const LibraryLookup& library);

// Whether a live search can look for this wheel within the program's memory.
bool searchable(int n, const Guarantee& guarantee);

// Why no wheel came out.
enum class WheelProblem {
    None,
    BadNumbers,  // not 7..49 distinct numbers 1..49
    TooManyRows, // a full wheel beyond kMaxWheelRows rows
    NoneKnown,   // neither the library nor the parts hold it, and no search may run
    NotFound,    // the search ended before it found a wheel
    CheckFailed, // the rows failed the exhaustive check (never shown)
};

// A wheel that passed its check, or the problem.
struct WheelOutcome {
    std::optional<Wheel> wheel;
    WheelOrigin origin = WheelOrigin::Library;
    WheelProblem problem = WheelProblem::None;
};

// The instant wheel on the chosen numbers, its rows mapped onto them in the order
// positionOrder(n, shuffleSeed) gives, and checked.
WheelOutcome instantWheel(const std::vector<int>& numbers, const Guarantee& guarantee,
                          std::uint64_t shuffleSeed = 0);

// A live search on the chosen numbers, starting from `start`'s rows when given (a smaller
// wheel is what it looks for), else from the instant wheel, else from nothing. `progress` as
// in SearchOptions; the best wheel found is checked before it is returned.
WheelOutcome searchWheel(const std::vector<int>& numbers, const Guarantee& guarantee,
                         const Wheel* start, std::uint64_t seed,
                         const std::function<bool(const SearchProgress&)>& progress);

// The problem in words, for the command line.
QString problemText(WheelProblem problem);

} // namespace vendrilo::wheels
