// SPDX-License-Identifier: GPL-3.0-or-later
// The exhaustive check of a wheel against the plain oracle, the subset ranks it stands on, and
// the parsing of guarantees and chosen numbers.
#include "core/wheels/guarantee.h"
#include "core/wheels/wheel.h"
#include "core/wheels/wheelcheck.h"
#include "wheeloracle.h"

#include <gtest/gtest.h>

#include <random>

using namespace vendrilo::wheels;
using vendrilo::test::oracleCheck;

namespace {

std::vector<int> positionsOf(Mask set)
{
    std::vector<int> out;
    for (; set; set &= set - 1)
        out.push_back(std::countr_zero(set));
    return out;
}

std::vector<std::array<int, 6>> rowsOfPositions(const std::vector<Mask>& rows)
{
    std::vector<std::array<int, 6>> out;
    for (const Mask row : rows) {
        std::array<int, 6> numbers{};
        const auto p = positionsOf(row);
        std::copy(p.begin(), p.end(), numbers.begin());
        out.push_back(numbers);
    }
    return out;
}

std::vector<int> firstPositionsList(int n)
{
    std::vector<int> all;
    for (int i = 0; i < n; ++i)
        all.push_back(i);
    return all;
}

Mask randomRow(std::mt19937& random, int n)
{
    Mask row = 0;
    while (popcount(row) < 6)
        row |= bit(static_cast<int>(random() % static_cast<unsigned>(n)));
    return row;
}

} // namespace

// Random wheels, most failing somewhere, some passing: the check finds the same uncovered count
// and the same first uncovered draw (in lexicographic order) as the oracle.
TEST(WheelCheck, AgreesWithThePlainOracleOnRandomWheels)
{
    std::mt19937 random(20240611);
    int passed = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const int n = 7 + static_cast<int>(random() % 8);
        const int of = 1 + static_cast<int>(random() % 6);
        const int hits = 1 + static_cast<int>(random() % static_cast<unsigned>(of));
        std::vector<Mask> rows(1 + random() % 14);
        for (Mask& row : rows)
            row = randomRow(random, n);
        const auto oracle = oracleCheck(firstPositionsList(n), rowsOfPositions(rows), hits, of);
        const CoverageCheck check(n, rows, hits, of);
        SCOPED_TRACE(testing::Message() << "n=" << n << " " << hits << " if " << of);
        EXPECT_EQ(check.uncoveredCount(), oracle.uncovered);
        const auto first = check.firstUncovered();
        ASSERT_EQ(first.has_value(), oracle.uncovered > 0);
        if (first) {
            EXPECT_EQ(positionsOf(*first), oracle.firstUncovered);
        }
        passed += !first;
    }
    EXPECT_GT(passed, 20); // both verdicts occur
}

// The ranks number the subsets of each size without gaps, in the order the enumeration visits
// them: the bit table of the check and the counters of the search rely on that.
TEST(WheelCheck, SubsetRanksNumberEverySizeWithoutGaps)
{
    for (const int n : {6, 9, 13, 20}) {
        for (int size = 0; size <= 6; ++size) {
            std::uint64_t expected = 0;
            forEachSubset(firstPositions(n), size, [&](Mask subset) {
                EXPECT_EQ(popcount(subset), size);
                EXPECT_EQ(colexRank(subset), expected++);
            });
            EXPECT_EQ(expected, binomial(n, size)) << n << " " << size;
        }
    }
}

TEST(WheelCheck, RowsThatAreNotSixPositionsNeverPass)
{
    const std::vector<Mask> full = {0b111111, 0b1111110};
    EXPECT_TRUE(findUncovered(7, full, 1, 1) == std::nullopt);
    for (const Mask bad : {Mask{0b11111}, Mask{0b1111111}, Mask{0b111111} << 2}) {
        std::vector<Mask> rows = full;
        rows.push_back(bad);
        EXPECT_TRUE(findUncovered(7, rows, 1, 1).has_value()) << bad;
    }
}

TEST(Guarantee, ParsesTheCommandLineAndLibraryCodes)
{
    const struct {
        const char* text;
        std::optional<Guarantee> expected;
    } cases[] = {
        {"3if6", Guarantee::ifOf(3, 6)},
        {"3 if 6", Guarantee::ifOf(3, 6)},
        {"2IF2", Guarantee::ifOf(2, 2)},
        {"full", Guarantee::fullWheel()},
        {" Full ", Guarantee::fullWheel()},
        {"6if6", Guarantee::ifOf(6, 6)},
        {"1if3", std::nullopt},
        {"4if3", std::nullopt},
        {"3if7", std::nullopt},
        {"3of6", std::nullopt},
        {"", std::nullopt},
        {"33if6", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto parsed = Guarantee::parse(QString::fromLatin1(c.text));
        EXPECT_EQ(parsed, c.expected) << c.text;
        if (parsed) {
            EXPECT_EQ(Guarantee::parse(parsed->code()), parsed) << c.text;
        }
    }
}

TEST(Wheel, ChosenNumbersAreSevenToFortyNineDistinctNumbers)
{
    const struct {
        std::vector<int> numbers;
        bool valid;
    } cases[] = {
        {{7, 1, 2, 3, 4, 5, 6}, true},   {{1, 2, 3, 4, 5, 6}, false},
        {{1, 2, 3, 4, 5, 6, 6}, false},  {{0, 1, 2, 3, 4, 5, 6}, false},
        {{1, 2, 3, 4, 5, 6, 50}, false}, {{43, 44, 45, 46, 47, 48, 49}, true},
    };
    for (const auto& c : cases) {
        const auto chosen = chosenNumbers(c.numbers);
        ASSERT_EQ(chosen.has_value(), c.valid);
        if (chosen) {
            EXPECT_TRUE(std::is_sorted(chosen->begin(), chosen->end()));
        }
    }
    std::vector<int> all;
    for (int k = 1; k <= 49; ++k)
        all.push_back(k);
    EXPECT_TRUE(chosenNumbers(all).has_value());
}

// A wheel on the user's numbers passes or fails as its rows on positions do; a row with a
// number that was not chosen, or a full wheel with a row twice, never passes.
TEST(Wheel, TheCheckOnNumbersFollowsTheOracle)
{
    std::mt19937 random(7);
    for (int trial = 0; trial < 100; ++trial) {
        std::vector<int> numbers;
        for (int k = 1; k <= 49; ++k)
            if (random() % 4 == 0 || static_cast<int>(numbers.size()) + 50 - k <= 8)
                numbers.push_back(k);
        numbers.resize(std::min<std::size_t>(numbers.size(), 12));
        const int n = static_cast<int>(numbers.size());
        const int hits = 2 + trial % 3;
        const Guarantee g = Guarantee::ifOf(hits, std::max(hits, 3 + trial % 4));
        std::vector<Mask> rows(2 + random() % 6);
        for (Mask& row : rows)
            row = randomRow(random, n);
        const Wheel wheel = wheelOnNumbers(numbers, rows, g);
        const auto oracle = oracleCheck(numbers, wheel.rows, g.hits, g.of);
        const WheelVerdict verdict = checkWheel(wheel);
        EXPECT_EQ(verdict.passed, oracle.uncovered == 0);
        if (!verdict.passed) {
            EXPECT_EQ(verdict.missed, oracle.firstUncovered);
        }
    }
    Wheel full = wheelOnNumbers(
        {2, 4, 6, 8, 10, 12, 14},
        {0b0111111, 0b1011111, 0b1101111, 0b1110111, 0b1111011, 0b1111101, 0b1111110},
        Guarantee::fullWheel());
    EXPECT_TRUE(checkWheel(full).passed);
    full.rows.push_back(full.rows.front());
    EXPECT_FALSE(checkWheel(full).passed);
    full.rows.pop_back();
    full.rows.back()[5] = 13;
    EXPECT_FALSE(checkWheel(full).passed);
}
