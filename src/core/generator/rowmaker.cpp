// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generator/rowmaker.h"

#include "core/generator/rowfilter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace vendrilo {

namespace {

// Six different numbers below 64, given as bits, in ascending order (a candidate's sort), in one
// store, so that reading the row back as a whole does not wait for six byte stores.
void sortBits(TipRow& c, std::uint64_t bits)
{
    std::uint64_t packed = 0;
    for (int p = 0; p < 6; ++p) {
        packed |= static_cast<std::uint64_t>(std::countr_zero(bits)) << (8 * p);
        bits &= bits - 1;
    }
    if constexpr (std::endian::native == std::endian::little)
        std::memcpy(c.data(), &packed, c.size());
    else
        for (std::size_t p = 0; p < c.size(); ++p)
            c[p] = static_cast<std::uint8_t>(packed >> (8 * p));
}

// The passes at which loosenLimits may change an option: it changes none at any other.
constexpr std::array<int, 3> kLooseningLeft{20000, 10000, 5000}; // passes left in the budget
bool loosensAt(int passes, int budget)
{
    const int left = budget - passes;
    return 2 * passes == budget ||
           std::find(kLooseningLeft.begin(), kLooseningLeft.end(), left) != kLooseningLeft.end();
}

// The first pass after `passes` at which loosenLimits may change an option, budget + 1 for none.
int nextLoosening(int passes, int budget)
{
    int next = budget + 1;
    if (budget % 2 == 0 && budget / 2 > passes)
        next = std::min(next, budget / 2);
    for (const int left : kLooseningLeft)
        if (budget - left > passes)
            next = std::min(next, budget - left);
    return next;
}

// Candidates for up to `count` passes, drawn from the pool's entries as drawCandidate draws them
// (each below 64), until `filter` accepts one. Each stands as the bits of its numbers and the sum
// of their tallies; the last one stays in `numbers` and `tallies`. Returns the passes made.
[[gnu::noinline]] int drawUntilAccepted(RandomSource& random, std::span<const std::uint8_t> flat,
                                        const RowFilter& filter, int count, std::uint64_t& numbers,
                                        std::uint64_t& tallies, bool& accepted)
{
    const auto drawRange = static_cast<std::uint32_t>(flat.size());
    const std::uint8_t* entries = flat.data();
    RandomSource source = random;
    std::uint64_t bits = 0;
    std::uint64_t sum = 0;
    bool ok = false;
    int made = 0;
    while (!ok && made < count) {
        ++made;
        // Bit 0 stands for a drawn 0, which is drawn again as a repeat is.
        bits = 1;
        sum = 0;
        // Unrolled: only a repeat branches back, never the count of numbers drawn.
#pragma GCC unroll 6
        for (int position = 0; position < 6; ++position) {
            std::uint8_t n = 0;
            std::uint64_t bit = 0;
            do {
                n = entries[source.next(drawRange)];
                bit = std::uint64_t(1) << n;
            } while (bits & bit);
            bits |= bit;
            sum += filter.tally(n);
        }
        bits &= ~std::uint64_t(1);
        ok = filter.accepts(bits, sum);
    }
    random = source;
    numbers = bits;
    tallies = sum;
    accepted = ok;
    return made;
}

} // namespace

int runBudget(const Options& options)
{
    return options.value(Option::RunBudgetThousands) * 1000;
}

std::vector<int> RowMaker::makeRows()
{
    std::vector<int> zeroRows;
    for (int r = 1; r <= TipSheet::kRows; ++r) {
        // A row locked while the run went on counts only with six numbers; else it is made.
        const auto locked = m_sheet.locked(r) ? m_sheet.numbers(r) : std::nullopt;
        TipRow c{};
        if (locked) {
            std::copy(locked->begin(), locked->end(), c.begin());
        } else {
            c = makeRow(r);
            int sum = 0;
            for (const std::uint8_t n : c)
                sum += n;
            m_sheet.row(r).crossSumLabel = QString::number(sum);
            if (sum == 0)
                zeroRows.push_back(r);
        }
        std::array<int, 6> numbers{};
        std::copy(c.begin(), c.end(), numbers.begin());
        m_sheet.setRow(r, numbers);
        m_rows.push_back(c);
        if (m_hooks.rowWritten)
            m_hooks.rowWritten(r);
    }
    return zeroRows;
}

TipRow RowMaker::makeRow(int row)
{
    TipRow c{};
    if ((row == 1 ||
         (m_passes < runBudget(m_options) && row <= m_options.value(Option::RowCount))) &&
        !makeRowQuickly(row, c))
        while (makePass(row, c) && checkRow(c, m_info.shownCrossSum, m_rows, m_draws, m_options,
                                            m_pastWins) != RowCheckStep::Accepted) {
        }
    // A row accepted on the very last pass of the budget is dropped with the rest.
    if (m_passes >= runBudget(m_options))
        c.fill(0);
    std::sort(c.begin(), c.end());
    return c;
}

// One pass: false when the budget is used up or the run was stopped, else a fresh sorted
// candidate stands in `candidate`.
bool RowMaker::makePass(int row, TipRow& candidate)
{
    if (m_passes >= runBudget(m_options) || m_stopped)
        return false;
    if (m_hooks.pass) {
        m_info.row = row;
        m_info.passes = m_passes;
        m_info.budget = runBudget(m_options);
        if (!m_hooks.pass(m_info)) {
            m_stopped = true;
            return false;
        }
    }
    ++m_passes;
    loosenLimits(row);
    drawCandidate(candidate);
    m_info.shownRow = row;
    m_info.shownCandidate = candidate;
    return true;
}

// The same passes as makePass and checkRow make them, when no hook can change the options
// between passes: then only loosenLimits does, and the checks stand compiled into a RowFilter
// between its changes. The candidate is drawn as drawCandidate draws it, as the bits of its
// numbers, and sorted only when accepted. False, and nothing done, where that does not hold:
// a pass hook, or a pool too large to be held entry by entry or holding numbers above 63.
bool RowMaker::makeRowQuickly(int row, TipRow& candidate)
{
    const std::span<const std::uint8_t> flat = m_pool.flatEntries();
    if (m_hooks.pass || flat.empty() || flat.size() != m_pool.size() ||
        *std::max_element(flat.begin(), flat.end()) >= 64)
        return false;
    const int budget = runBudget(m_options);
    RandomSource random = m_random;
    RowFilter filter(m_rows, m_draws, m_options, m_pastWins);
    std::uint64_t numbers = 0;
    std::uint64_t tallies = 0;
    bool accepted = false;
    while (!accepted && m_passes < budget) {
        ++m_passes;
        if (loosensAt(m_passes, budget) && loosenLimits(row))
            filter = RowFilter(m_rows, m_draws, m_options, m_pastWins);
        // This pass and the ones up to the next loosening.
        const int stretch = nextLoosening(m_passes, budget) - m_passes;
        m_passes +=
            drawUntilAccepted(random, flat, filter, stretch, numbers, tallies, accepted) - 1;
    }
    m_random = random;
    if (numbers != 0) {
        sortBits(m_info.shownCandidate, numbers);
        m_info.shownRow = row;
        m_info.shownCrossSum = static_cast<int>(tallies >> 48);
    }
    // A refused candidate is wiped, as checkRow wipes it.
    if (accepted)
        candidate = m_info.shownCandidate;
    else
        candidate.fill(0);
    return true;
}

// True when it may have changed an option.
bool RowMaker::loosenLimits(int row)
{
    const int budget = runBudget(m_options);
    bool changed = false;
    // Forced pairs are given up for the second half of the budget.
    if (2 * m_passes == budget) {
        m_options.set(Option::ForcePair, 0);
        changed = true;
    }
    // Later rows loosen the limits when the budget runs low.
    if (row < 3)
        return changed;
    const int left = budget - m_passes;
    if (left == 20000) {
        m_options.set(Option::WholePeriodHits, 6);
    } else if (left == 10000) {
        m_options.set(Option::MaxFromSecondLastDraw, 2);
        m_options.set(Option::MaxFromLastDraw, 1);
    } else if (left == 5000) {
        m_options.set(Option::MaxFromSecondLastDraw, 3);
        m_options.set(Option::MaxFromLastDraw, 2);
    } else {
        return changed;
    }
    return true;
}

// Draws until six different numbers stand; a repeat or a 0 is drawn again. A refused candidate
// is all zeros, so each pass starts at position 1.
void RowMaker::drawCandidate(TipRow& c)
{
    const auto drawRange = static_cast<std::uint32_t>(m_pool.top() + 1);
    // Drawn into locals: a byte stored through a reference could alias the seed and the pool,
    // which would then be read from memory for every number.
    RandomSource random = m_random;
    const std::span<const std::uint8_t> flat = m_pool.flatEntries();
    TipRow numbers{};
    std::uint64_t drawn = 0; // the numbers below 64 drawn so far, as bits
    int below64 = 0;
    for (std::size_t position = 0; position < numbers.size(); ++position) {
        std::uint8_t n = 0;
        for (;;) {
            const std::uint32_t index = random.next(drawRange);
            n = index < flat.size() ? flat[index] : m_pool.at(index);
            if (n == 0)
                continue;
            if (n < 64) {
                const std::uint64_t bit = std::uint64_t(1) << n;
                if (drawn & bit)
                    continue;
                drawn |= bit;
                ++below64;
            } else if (std::find(numbers.begin(), numbers.begin() + position, n) !=
                       numbers.begin() + position) {
                continue;
            }
            break;
        }
        numbers[position] = n;
    }
    m_random = random;
    c = numbers;
    m_info.shownCrossSum = 0;
    for (const std::uint8_t n : c)
        m_info.shownCrossSum += n;
    if (below64 == 6)
        sortBits(c, drawn);
    else
        std::sort(c.begin(), c.end());
}

} // namespace vendrilo
