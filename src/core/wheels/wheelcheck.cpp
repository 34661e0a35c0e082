// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wheels/wheelcheck.h"

#include <array>

namespace vendrilo::wheels {

// The ranks of every subset of the chosen positions with 0..hits-1 elements: adding a larger
// position x to a subset of rank r gives rank r + binomial(x, size + 1), so the new
// `hits`-subsets that x completes are found without sorting anything.
struct CoverageCheck::Level {
    std::array<std::array<std::uint32_t, 20>, kRowSize> ranks{};
    std::array<int, kRowSize> sizes{};
};

CoverageCheck::CoverageCheck(int n, std::span<const Mask> rows, int hits, int of)
    : m_n(n), m_hits(hits), m_of(of), m_marked((binomial(n, hits) + 63) / 64, 0)
{
    for (const Mask row : rows)
        forEachSubset(row, hits, [this](Mask subset) {
            const std::uint64_t rank = colexRank(subset);
            m_marked[rank >> 6] |= std::uint64_t{1} << (rank & 63);
        });
}

template <bool CountAll>
bool CoverageCheck::visit(int depth, int start, Mask chosen, const Level& level,
                          std::uint64_t& count, Mask& found) const
{
    const int last = m_n - (m_of - depth); // leaves room for the positions still to come
    const int size = depth + 1;            // the chosen positions with x
    for (int x = start; x <= last; ++x) {
        bool met = false;
        if (size >= m_hits) {
            const std::uint64_t step = binomial(x, m_hits);
            const auto& ranks = level.ranks[m_hits - 1];
            for (int i = 0; i < level.sizes[m_hits - 1] && !met; ++i)
                met = marked(ranks[i] + step);
        }
        if (met)
            continue;
        if (size == m_of) {
            ++count;
            if (!CountAll) {
                found = chosen | bit(x);
                return true;
            }
            continue;
        }
        Level next = level;
        for (int j = std::min(m_hits - 1, size); j >= 1; --j) {
            const std::uint64_t step = binomial(x, j);
            for (int i = 0; i < level.sizes[j - 1]; ++i)
                next.ranks[j][next.sizes[j]++] =
                    static_cast<std::uint32_t>(level.ranks[j - 1][i] + step);
        }
        if (visit<CountAll>(size, x + 1, chosen | bit(x), next, count, found) && !CountAll)
            return true;
    }
    return false;
}

std::optional<Mask> CoverageCheck::firstUncovered() const
{
    Level root;
    root.sizes[0] = 1; // the empty subset, rank 0
    std::uint64_t count = 0;
    Mask found = 0;
    if (visit<false>(0, 0, 0, root, count, found))
        return found;
    return std::nullopt;
}

std::uint64_t CoverageCheck::uncoveredCount() const
{
    Level root;
    root.sizes[0] = 1;
    std::uint64_t count = 0;
    Mask found = 0;
    visit<true>(0, 0, 0, root, count, found);
    return count;
}

bool rowsWellFormed(int n, std::span<const Mask> rows)
{
    const Mask allowed = firstPositions(n);
    for (const Mask row : rows)
        if (popcount(row) != kRowSize || (row & ~allowed) != 0)
            return false;
    return true;
}

std::optional<Mask> findUncovered(int n, std::span<const Mask> rows, int hits, int of)
{
    if (n < kRowSize || n > 64 || hits < 1 || hits > of || of > kRowSize ||
        !rowsWellFormed(n, rows))
        return Mask{0};
    return CoverageCheck(n, rows, hits, of).firstUncovered();
}

} // namespace vendrilo::wheels
