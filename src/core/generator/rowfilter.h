// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/evaluation/pastwintable.h"
#include "core/generator/rowchecks.h"

#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace vendrilo {

// The bits set in x; std::popcount is a call where the processor's instruction is not assumed.
inline int bitCount(std::uint64_t x)
{
    x -= x >> 1 & 0x5555555555555555ull;
    x = (x & 0x3333333333333333ull) + (x >> 2 & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((x * 0x0101010101010101ull) >> 56);
}

// The entries of a row or a draw, for counting how many of them a candidate holds as checkRow
// counts them: entry by entry, so that a number standing twice counts twice. Layer k holds the
// numbers standing more than k times; entries of 64 and above never count.
class EntryCount {
public:
    EntryCount() = default;
    EntryCount(const std::uint8_t* entries, int count);

    // How many of the entries lie in `numbers` (bits 1..63; bit 0 is never set).
    int of(std::uint64_t numbers) const
    {
        int shared = bitCount(numbers & m_layers[0]);
        for (std::size_t k = 1; k < m_depth; ++k)
            shared += bitCount(numbers & m_layers[k]);
        return shared;
    }

private:
    std::array<std::uint64_t, 8> m_layers{};
    std::size_t m_depth = 1;
};

// The row checks of checkRow for options that stay as they are, turned into tests on the bits of
// a candidate's numbers. The candidate loop makes one for each row and again whenever the run
// loosens an option; accepts then tells, without changing anything, whether checkRow would accept
// the candidate. The past-win tests are answered from the tables `pastWins` offers, else asked.
//
// What the checks count of a candidate adds up from its numbers: tally(n) packs, in one byte
// each, whether n is odd (twice), whether it is prime and how often it stands in draws A, B and
// C, and n itself in the top two bytes. Six tallies added never carry from one field into the
// next, and each limit on a count is tested at once with the others: a bias added to each byte
// sets its top bit where the count exceeds a maximum or reaches a minimum.
class RowFilter {
public:
    RowFilter(std::span<const TipRow> rows, const LastDraws& draws, const Options& options,
              PastWinTests& pastWins);

    // For a number from 1 to 63.
    std::uint64_t tally(std::uint8_t number) const { return m_tallies[number]; }

    // checkRow(c, crossSum, ...) == Accepted for the candidate c of six different numbers from
    // 1 to 63, given as bits and as the sum of their tallies; the cross sum is the sum of c. The
    // usual refusals are tested together, so that the one branch taken for nearly every
    // candidate is the one predicted.
    bool accepts(std::uint64_t numbers, std::uint64_t tallies) const
    {
        const std::uint64_t neighbours = numbers & numbers >> 1;
        const auto crossSum = static_cast<std::int64_t>(tallies >> 48);
        const bool refused =
            m_refused | ((((tallies + m_tallyBias) ^ m_tallyMinimums) & kTallyTops) != 0) |
            (static_cast<std::uint64_t>(crossSum - m_crossSumMinimum) > m_crossSumSpan) |
            (m_forcePair & (neighbours == 0)) |
            (m_noRunOfThree & ((neighbours & numbers >> 2) != 0)) |
            (m_firstTable && m_firstTable->firstGroupWon(numbers));
        if (refused || (!m_rows.empty() && !overlapAccepted(numbers)))
            return false;
        return !m_databaseChecks || pastWinsAccept(numbers);
    }

private:
    // Odd numbers are counted twice: for the odd and for the even minimum.
    enum TallyByte { kOdd, kOddAgain, kPrime, kDrawA, kDrawB, kDrawC };
    static constexpr std::uint64_t kTallyTops = 0x0000'8080'8080'8080ull;

    void tallyLastDraws(const LastDraws& draws, const Options& options);
    void limitTally(TallyByte byte, int most);
    void requireTally(TallyByte byte, int least);

    bool overlapAccepted(std::uint64_t numbers) const;
    // Every past-win test the options ask for: the tip never won that much.
    bool pastWinsAccept(std::uint64_t numbers) const
    {
        for (const Question& q : m_questions) {
            if (q.table) {
                if (!q.table->neverWonBits(numbers))
                    return false;
                continue;
            }
            const TipRow tip = tipOfBits(numbers);
            if (!(q.drawCount > 0
                      ? m_pastWins->neverWonRecently(tip, q.threshold, q.drawCount, q.bonus)
                      : m_pastWins->neverWonInPeriod(tip, q.threshold, q.bonus)))
                return false;
        }
        return true;
    }
    static TipRow tipOfBits(std::uint64_t numbers)
    {
        TipRow tip{};
        for (std::uint8_t& n : tip) {
            n = static_cast<std::uint8_t>(std::countr_zero(numbers));
            numbers &= numbers - 1;
        }
        return tip;
    }

    // A past-win test: the recent or older window (drawCount > 0) or the whole period (0).
    struct Question {
        int threshold, drawCount;
        bool bonus;
        std::shared_ptr<const PastWinTable> table; // none: asked
    };

    bool m_forcePair, m_noRunOfThree;
    bool m_refused = false; // whatever the candidate
    std::int64_t m_crossSumMinimum = 0;
    std::uint64_t m_crossSumSpan = 0;
    std::uint64_t m_tallyBias = 0;
    std::uint64_t m_tallyMinimums = 0;          // the top bits of the bytes with a minimum
    std::array<std::uint64_t, 256> m_tallies{}; // 0 beyond 63
    // The overlap with the rows made before.
    std::vector<EntryCount> m_rows;
    int m_mostOverlap, m_leastOverlap;
    bool m_limitMost, m_limitLeast, m_eachRow;
    bool m_databaseChecks;
    std::vector<Question> m_questions;
    // The first table among them: nearly every candidate that gets this far is refused by its
    // first look-up, which so joins the tests above.
    const PastWinTable* m_firstTable = nullptr;
    PastWinTests* m_pastWins;
};

} // namespace vendrilo
