// SPDX-License-Identifier: GPL-3.0-or-later
// The covering search, the algebraic constructions and the wheels made on the user's numbers,
// each against the plain oracle.
#include "core/wheels/constructions.h"
#include "core/wheels/coveringsearch.h"
#include "core/wheels/wheelcheck.h"
#include "core/wheels/wheellibrary.h"
#include "core/wheels/wheelmaker.h"
#include "wheeloracle.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <set>

using namespace vendrilo::wheels;
using vendrilo::test::oracleCheck;
using vendrilo::test::oracleRowsMeeting;

namespace {

std::vector<int> upTo(int n, int first = 0)
{
    std::vector<int> numbers(static_cast<std::size_t>(n));
    std::iota(numbers.begin(), numbers.end(), first);
    return numbers;
}

std::vector<std::array<int, 6>> asPositions(const std::vector<Mask>& rows)
{
    std::vector<std::array<int, 6>> out;
    for (Mask row : rows) {
        std::array<int, 6> p{};
        for (int i = 0; row; row &= row - 1)
            p[static_cast<std::size_t>(i++)] = std::countr_zero(row);
        out.push_back(p);
    }
    return out;
}

std::vector<int> randomNumbers(std::mt19937& random, int n)
{
    std::vector<int> all = upTo(49, 1);
    std::shuffle(all.begin(), all.end(), random);
    all.resize(static_cast<std::size_t>(n));
    std::sort(all.begin(), all.end());
    return all;
}

} // namespace

// Small problems of every kind, searched for a few hundred moves: whatever comes back covers.
TEST(CoveringSearch, EveryResultCoversAsTheOracleCounts)
{
    std::mt19937 random(11);
    for (int trial = 0; trial < 30; ++trial) {
        const int n = 7 + static_cast<int>(random() % 7);
        const int hits = 2 + static_cast<int>(random() % 4);
        const int of = hits + static_cast<int>(random() % static_cast<unsigned>(7 - hits));
        SearchOptions options;
        options.seed = trial + 1;
        options.progress = [&](const SearchProgress& p) {
            EXPECT_GE(p.rows, 1);
            return p.bestRows == 0; // the first report with a covering ends it
        };
        const auto rows = searchCovering({n, hits, of}, options);
        SCOPED_TRACE(testing::Message() << "n=" << n << " " << hits << " if " << of);
        ASSERT_FALSE(rows.empty());
        EXPECT_TRUE(rowsWellFormed(n, rows));
        EXPECT_EQ(oracleCheck(upTo(n), asPositions(rows), hits, of).uncovered, 0u);
        EXPECT_GE(rows.size(), countingBound(n, hits, of));
    }
}

// With a goal the search stops there; from a start it never returns more rows than the start.
TEST(CoveringSearch, StopsAtItsGoalAndNeverGrowsItsStart)
{
    const struct {
        int n, hits, of, goal;
    } cases[] = {{9, 3, 3, 7},   {10, 3, 3, 10}, {10, 4, 4, 20},
                 {13, 4, 4, 70}, {14, 3, 6, 4},  {18, 3, 6, 9}};
    for (const auto& c : cases) {
        SearchOptions options;
        options.goalRows = c.goal;
        QElapsedTimer clock; // a bound for a broken search, far beyond what these take
        clock.start();
        options.progress = [&](const SearchProgress&) { return clock.elapsed() < 60'000; };
        const auto rows = searchCovering({c.n, c.hits, c.of}, options);
        EXPECT_EQ(rows.size(), static_cast<std::size_t>(c.goal)) << c.n;
        EXPECT_FALSE(findUncovered(c.n, rows, c.hits, c.of)) << c.n;
    }
    SearchOptions fromStart;
    fromStart.start = allSixes(9);
    fromStart.progress = [](const SearchProgress&) { return false; };
    const auto kept = searchCovering({9, 4, 5}, fromStart);
    EXPECT_LE(kept.size(), fromStart.start.size());
    EXPECT_FALSE(findUncovered(9, kept, 4, 5));
}

// Every three of 22 (and of 26) positions lie in exactly one row; moved onto fewer positions
// the rows still cover every three.
TEST(Constructions, SteinerSystemsHoldEveryTripleExactlyOnce)
{
    const struct {
        std::vector<Mask> rows;
        int n;
        std::size_t size;
    } systems[] = {{steinerSystem22(), 22, 77}, {inversivePlane26(), 26, 130}};
    for (const auto& s : systems) {
        ASSERT_EQ(s.rows.size(), s.size);
        ASSERT_TRUE(rowsWellFormed(s.n, s.rows));
        const auto rows = asPositions(s.rows);
        forEachSubset(firstPositions(s.n), 3, [&](Mask triple) {
            std::vector<int> t;
            for (Mask rest = triple; rest; rest &= rest - 1)
                t.push_back(std::countr_zero(rest));
            EXPECT_EQ(oracleRowsMeeting(rows, t, 3), 1);
        });
        for (const int fewer : {s.n - 1, s.n - 3}) {
            const auto moved = onFewerPositions(s.rows, fewer);
            EXPECT_TRUE(rowsWellFormed(fewer, moved));
            EXPECT_EQ(oracleCheck(upTo(fewer), asPositions(moved), 3, 3).uncovered, 0u) << fewer;
        }
    }
}

// Wheels on random numbers, shuffled or not: rows of the chosen numbers that keep the promise
// by the oracle's count, and shuffling changes which rows but not how many.
TEST(WheelMaker, InstantWheelsOnRandomNumbersKeepTheirPromise)
{
    std::mt19937 random(3);
    for (int trial = 0; trial < 40; ++trial) {
        const int n = 7 + static_cast<int>(random() % 8);
        const std::vector<int> numbers = randomNumbers(random, n);
        const Guarantee g =
            trial % 5 == 0 ? Guarantee::fullWheel() : Guarantee::ifOf(2 + trial % 3, 4 + trial % 3);
        const WheelOutcome plain = instantWheel(numbers, g);
        const WheelOutcome shuffled = instantWheel(numbers, g, 1000 + trial);
        ASSERT_TRUE(plain.wheel && shuffled.wheel) << n << " " << g.code().toStdString();
        EXPECT_EQ(plain.wheel->rows.size(), shuffled.wheel->rows.size());
        for (const Wheel* w : {&*plain.wheel, &*shuffled.wheel})
            EXPECT_EQ(oracleCheck(numbers, w->rows, g.checkedHits(), g.checkedOf()).uncovered, 0u);
    }
    const auto order = positionOrder(30, 42);
    EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), 30u);
    EXPECT_NE(order, positionOrder(30, 0));
}

// Beyond the library's 30 numbers: wheels made of parts where a draw must put enough of its
// numbers into one part, the check of all 13,983,816 draws for the whole 49, and refusals.
TEST(WheelMaker, BeyondTheLibraryPartsOrASearchOrARefusal)
{
    const struct {
        int n;
        const char* guarantee;
        WheelOrigin origin;
    } made[] = {{49, "3if6", WheelOrigin::Parts},
                {40, "2if4", WheelOrigin::Parts},
                {35, "2if3", WheelOrigin::Parts},
                {20, "full", WheelOrigin::Full}};
    for (const auto& c : made) {
        const Guarantee g = *Guarantee::parse(QString::fromLatin1(c.guarantee));
        const WheelOutcome outcome = instantWheel(upTo(c.n, 1), g);
        ASSERT_TRUE(outcome.wheel) << c.n << c.guarantee;
        EXPECT_EQ(outcome.origin, c.origin);
        EXPECT_TRUE(checkWheel(*outcome.wheel).passed);
    }
    EXPECT_EQ(instantWheel(upTo(21, 1), Guarantee::fullWheel()).problem, WheelProblem::TooManyRows);
    EXPECT_EQ(instantWheel(upTo(49, 1), Guarantee::ifOf(4, 6)).problem, WheelProblem::NoneKnown);
    EXPECT_FALSE(searchable(49, Guarantee::ifOf(4, 6)));
    EXPECT_EQ(instantWheel(upTo(6, 1), Guarantee::ifOf(3, 6)).problem, WheelProblem::BadNumbers);
    // A search that is stopped before its first covering finds nothing; one that may run finds
    // a checked wheel.
    const auto stopped = searchWheel(upTo(31, 1), Guarantee::ifOf(3, 3), nullptr, 1,
                                     [](const SearchProgress&) { return false; });
    EXPECT_EQ(stopped.problem, WheelProblem::NotFound);
    int reports = 0;
    const auto found =
        searchWheel(upTo(31, 1), Guarantee::ifOf(3, 3), nullptr, 1,
                    [&](const SearchProgress& p) { return p.bestRows == 0 || ++reports < 5; });
    ASSERT_TRUE(found.wheel);
    EXPECT_EQ(oracleCheck(upTo(31, 1), found.wheel->rows, 3, 3).uncovered, 0u);
}
