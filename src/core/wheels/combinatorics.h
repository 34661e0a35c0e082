// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace vendrilo::wheels {

// A set of positions 0..63 as bits. A wheel works on the positions 0..n-1 of the chosen numbers,
// so every row, draw and subset is one word and an intersection is one popcount.
using Mask = std::uint64_t;

constexpr int kRowSize = 6;

namespace detail {
constexpr auto makeBinomials()
{
    std::array<std::array<std::uint64_t, kRowSize + 2>, 65> table{};
    for (int n = 0; n <= 64; ++n) {
        table[n][0] = 1;
        for (int k = 1; k <= kRowSize + 1; ++k)
            table[n][k] = n == 0 ? 0 : table[n - 1][k - 1] + table[n - 1][k];
    }
    return table;
}
inline constexpr auto kBinomials = makeBinomials();
} // namespace detail

// n over k for 0 <= n <= 64 and 0 <= k <= 7 (0 where k > n); every count of subsets a wheel
// needs stays in that range.
constexpr std::uint64_t binomial(int n, int k)
{
    return detail::kBinomials[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
}

// The place of a set among all sets of its size in co-lexicographic order: the sum of
// binomial(element, i) over its elements in ascending order, i counting from 1. The sets of
// size j of 0..n-1 get the places 0..binomial(n, j)-1, so a table of draws needs no hashing.
inline std::uint64_t colexRank(Mask set)
{
    std::uint64_t rank = 0;
    for (int i = 1; set; ++i, set &= set - 1)
        rank += binomial(std::countr_zero(set), i);
    return rank;
}

inline int popcount(Mask set)
{
    return std::popcount(set);
}
inline Mask bit(int position)
{
    return Mask{1} << position;
}
// The positions 0..n-1.
inline Mask firstPositions(int n)
{
    return n >= 64 ? ~Mask{0} : bit(n) - 1;
}

// Calls f(subset) for every subset of `set` with `size` elements (at most 8), in
// co-lexicographic order.
template <typename F> void forEachSubset(Mask set, int size, F&& f)
{
    std::array<int, 64> positions{};
    int count = 0;
    for (Mask rest = set; rest; rest &= rest - 1)
        positions[count++] = std::countr_zero(rest);
    if (size < 0 || size > count || size > 8)
        return;
    std::array<int, 9> index{};
    for (int i = 0; i < size; ++i)
        index[i] = i;
    index[size] = count; // a sentinel above the highest index
    while (true) {
        Mask subset = 0;
        for (int i = 0; i < size; ++i)
            subset |= bit(positions[index[i]]);
        f(subset);
        // The next index tuple: raise the lowest index that can still move, reset those below.
        int i = 0;
        while (i < size && index[i] + 1 == index[i + 1])
            ++i;
        if (i == size)
            return;
        ++index[i];
        for (int j = 0; j < i; ++j)
            index[j] = j;
    }
}

} // namespace vendrilo::wheels
