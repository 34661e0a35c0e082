// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/evaluation/pastwin.h"

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <vector>

namespace vendrilo {

// The past-win test for one fixed window and a threshold of 1 to 3 hits, answered by table
// look-up instead of a pass over the window's draws. A tip reaches k hits in a draw exactly when
// k of its numbers lie within the draw's numbers (the bonus number included when it counts). The
// table holds, for every k - 1 numbers together in some draw of the window, the numbers that
// were drawn with them; a tip then needs C(6, k - 1) look-ups. The generator asks the same
// window tens of thousands of times per run.
class PastWinTable {
public:
    // The table for `query`, or nothing when the table cannot give the same answer as `pastWin`:
    // a threshold outside 1..3, or a draw in the window that the masks describe only with a
    // count (a damaged draw, or a bonus number equal to one of the six).
    static std::optional<PastWinTable> build(const DrawHistory& history, const PastWinQuery& query);

    // pastWin(history, tip, query).noWin for a tip of six numbers in ascending order, each from
    // 1 to 63 (see isAscendingTip). The tip reaches the threshold in some draw when one of its
    // groups of threshold - 1 numbers was drawn together with another of its numbers; all groups
    // are looked up without a branch. Inline: it runs once for nearly every candidate.
    bool neverWon(const std::array<std::uint8_t, 6>& tip) const
    {
        std::uint64_t mask = 0;
        for (const std::uint8_t n : tip)
            mask |= std::uint64_t(1) << n;
        const std::uint64_t* with = m_drawnWith.data();
        std::uint64_t drawnWithSome = 0;
        if (m_hits == 1) {
            drawnWithSome = with[0];
        } else if (m_hits == 2) {
            for (const std::uint8_t n : tip)
                drawnWithSome |= with[n];
        } else {
            for (std::size_t a = 0; a < 5; ++a)
                for (std::size_t b = a + 1; b < 6; ++b)
                    drawnWithSome |= with[unsigned(tip[a]) << 6 | tip[b]];
        }
        return (drawnWithSome & mask) == 0;
    }

    // neverWon for the tip of six numbers from 1 to 63 given as bits, its groups looked up one
    // after another until one was drawn with another of its numbers. Over a long window nearly
    // every tip has won, and most are told so by their first group.
    bool neverWonBits(std::uint64_t numbers) const
    {
        const std::uint64_t* with = m_drawnWith.data();
        if (m_hits == 1)
            return (with[0] & numbers) == 0;
        for (std::uint64_t rest = numbers; rest != 0; rest &= rest - 1) {
            const auto a = static_cast<unsigned>(std::countr_zero(rest));
            if (m_hits == 2) {
                if (with[a] & numbers)
                    return false;
                continue;
            }
            for (std::uint64_t later = rest & (rest - 1); later != 0; later &= later - 1)
                if (with[a << 6 | static_cast<unsigned>(std::countr_zero(later))] & numbers)
                    return false;
        }
        return true;
    }

    // Whether the first group of the tip given as bits, its threshold - 1 smallest numbers, was
    // drawn with another of its numbers, so that the tip has won; a look-up without a branch.
    bool firstGroupWon(std::uint64_t numbers) const
    {
        const auto a = static_cast<unsigned>(std::countr_zero(numbers));
        const auto b = static_cast<unsigned>(std::countr_zero(numbers & (numbers - 1)));
        const unsigned group = m_hits == 3 ? (a << 6 | b) : m_hits == 2 ? a : 0;
        return (m_drawnWith[group] & numbers) != 0;
    }

    static bool isAscendingTip(const std::array<std::uint8_t, 6>& tip)
    {
        if (tip[0] < 1 || tip[5] > 63)
            return false;
        for (std::size_t p = 0; p + 1 < tip.size(); ++p)
            if (tip[p] >= tip[p + 1])
                return false;
        return true;
    }

private:
    explicit PastWinTable(int hits);
    void addDraw(std::uint64_t numbers);

    int m_hits;
    // Bit c of entry (a << 6 | b): c was drawn with a and b (hits 3); of entry a: with a (hits
    // 2); entry 0: c was drawn at all (hits 1).
    std::vector<std::uint64_t> m_drawnWith;
};

// The indexes of the draws pastWin examines for `query`, in file order.
std::vector<int> pastWinDraws(const DrawHistory& history, const PastWinQuery& query);

} // namespace vendrilo
