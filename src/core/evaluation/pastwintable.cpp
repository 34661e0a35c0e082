// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/evaluation/pastwintable.h"

#include <array>
#include <bit>

namespace vendrilo {

namespace {

constexpr int kMaxNumber = 49;

bool bitOf(const quint64* mask, int i)
{
    return (mask[i / 64] >> (i % 64) & 1) != 0;
}

// The numbers of a mask in ascending order, the first eight at most (a draw holds seven, a tip
// six); returns how many were written.
using Numbers = std::array<int, 8>;
int numbersOf(std::uint64_t mask, Numbers& out)
{
    int count = 0;
    for (; mask && count < 8; mask &= mask - 1)
        out[static_cast<std::size_t>(count++)] = std::countr_zero(mask);
    return count;
}

} // namespace

std::vector<int> pastWinDraws(const DrawHistory& history, const PastWinQuery& query)
{
    const quint64* filter = history.filterMask(query.filter);
    std::vector<int> draws;
    auto take = [&](int i) {
        if (!filter || bitOf(filter, i))
            draws.push_back(i);
    };
    if (history.dateOrdered()) {
        const auto [first, last] = history.indexRange(query.after, query.upTo);
        for (int i = first; i < last; ++i)
            take(i);
    } else {
        const quint64* window = history.windowMask(query.after, query.upTo);
        for (int i = 0; i < history.size(); ++i)
            if (bitOf(window, i))
                take(i);
    }
    return draws;
}

PastWinTable::PastWinTable(int hits) : m_hits(hits)
{
    m_drawnWith.assign(std::size_t(1) << (6 * (hits - 1)), 0);
}

std::optional<PastWinTable> PastWinTable::build(const DrawHistory& history,
                                                const PastWinQuery& query)
{
    if (query.threshold < 1 || query.threshold > 3)
        return std::nullopt;
    // As pastWin: without any bonus number in the history the bonus never counts.
    const bool withBonus = query.withBonus && history.hasBonus();
    const quint64* irregular = history.irregularMask();
    PastWinTable table(query.threshold);
    for (const int i : pastWinDraws(history, query)) {
        if (history.hasIrregular() && bitOf(irregular, i))
            return std::nullopt;
        const DrawRecord& r = history.records()[static_cast<std::size_t>(i)];
        std::uint64_t numbers = 0;
        for (const std::uint8_t n : r.numbers)
            numbers |= std::uint64_t(1) << n;
        if (withBonus && r.bonus >= 1 && r.bonus <= kMaxNumber) {
            const std::uint64_t bonus = std::uint64_t(1) << r.bonus;
            if (numbers & bonus)
                return std::nullopt; // that draw counts the number twice
            numbers |= bonus;
        }
        table.addDraw(numbers);
    }
    return table;
}

void PastWinTable::addDraw(std::uint64_t numbers)
{
    Numbers n;
    const int count = numbersOf(numbers, n);
    if (m_hits == 1) {
        m_drawnWith[0] |= numbers;
    } else if (m_hits == 2) {
        for (int a = 0; a < count; ++a)
            m_drawnWith[static_cast<std::size_t>(n[a])] |= numbers & ~(std::uint64_t(1) << n[a]);
    } else {
        for (int a = 0; a < count; ++a)
            for (int b = a + 1; b < count; ++b) {
                const std::uint64_t both = std::uint64_t(1) << n[a] | std::uint64_t(1) << n[b];
                m_drawnWith[static_cast<std::size_t>(n[a] << 6 | n[b])] |= numbers & ~both;
            }
    }
}

} // namespace vendrilo
