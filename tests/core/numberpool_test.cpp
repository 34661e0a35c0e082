// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawfile.h"
#include "core/generator/numberpool.h"

#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <set>

using namespace vendrilo;
using charts::ChartData;
using charts::ChartKind;

namespace {

ChartData chart(std::vector<int> values, int min, int max)
{
    ChartData c;
    for (std::size_t i = 0; i < values.size(); ++i)
        c.points.push_back({static_cast<int>(i + 1), values[i], charts::kGreen});
    c.valueAxis = {false, min, max};
    return c;
}

ChartData constant(int bars, int value)
{
    return chart(std::vector<int>(static_cast<std::size_t>(bars), value), value, value);
}

// Every statistics step off, so that a test switches on exactly what it looks at.
Options quiet()
{
    Options o;
    for (Option box : {Option::RareNumbers, Option::OverdueNumbers, Option::LimitLastDraw,
                       Option::LimitSecondLastDraw, Option::LimitThirdLastDraw})
        o.set(box, 0);
    return o;
}

struct Fixture {
    std::map<ChartKind, ChartData> charts;
    std::vector<ChartKind> asked;
    LastDraws draws;
    MessageList messages;
    std::vector<QString> texts;

    NumberPool build(const Options& options)
    {
        const ChartSource source = [this](ChartKind kind) {
            asked.push_back(kind);
            return charts.at(kind);
        };
        PoolObserver observer;
        observer.status = [this](const QString& t) { texts.push_back(t); };
        return buildNumberPool(source, draws, options, messages, observer);
    }
};

DrawBytes bytes(std::initializer_list<int> numbers)
{
    DrawBytes b{};
    std::size_t i = 0;
    for (int n : numbers)
        b[i++] = static_cast<std::uint8_t>(n);
    return b;
}

std::vector<int> counts(const NumberPool& pool)
{
    std::vector<int> c(50, 0);
    for (int k = 1; k <= 49; ++k)
        c[static_cast<std::size_t>(k)] = pool.count(k);
    return c;
}

} // namespace

TEST(NumberPool, DefaultsFavourRareAndOverdueNumbersAndDropDrawA)
{
    Fixture f;
    // Number k drawn k times; overdue for 50 - k draws.
    std::vector<int> drawn(49), overdue(49);
    std::iota(drawn.begin(), drawn.end(), 1);
    for (int k = 1; k <= 49; ++k)
        overdue[static_cast<std::size_t>(k - 1)] = 50 - k;
    f.charts[ChartKind::Numbers] = chart(drawn, 1, 49);
    f.charts[ChartKind::Overdue] = chart(overdue, 1, 49);
    f.draws.A = bytes({2, 3, 5, 7, 11, 13, 17, 4});
    f.draws.B = bytes({20, 21, 22, 23, 24, 25, 26, 1});
    f.draws.C = bytes({30, 31, 32, 33, 34, 35, 36, 1});

    const NumberPool pool = f.build(Options());
    // Rare 20 %: counts 1..rnd(10.6) = 11 twice, 1..rnd(5.8) = 6 once more. Overdue 30 %: counts
    // from rnd(34.6) = 35 up (numbers 1..15) twice, from rnd(41.8) = 42 up (1..8) once more.
    const std::set<int> drawA = {2, 3, 5, 7, 11, 13, 17};
    for (int k = 1; k <= 49; ++k) {
        int expected = 1 + (k == 1) + (k <= 11 ? 2 : 0) + (k <= 6) + (k <= 15 ? 2 : 0) + (k <= 8);
        if (drawA.count(k))
            expected = 0;
        EXPECT_EQ(pool.count(k), expected) << "number " << k;
    }
    EXPECT_EQ(pool.count(0), 0);
    EXPECT_EQ(f.asked, (std::vector<ChartKind>{ChartKind::Numbers, ChartKind::Overdue}));
    // The Superzahl byte of draw A is no number of the draw: 4 keeps its entries.
    EXPECT_GT(pool.count(4), 0);
    EXPECT_EQ(f.texts.front(), QStringLiteral("Berechnung der  Zahlenverteilung"));
}

TEST(NumberPool, DefaultsOnTheShippedHistory)
{
    // The real charts: every number but draw A's six and its bonus number stands in the pool.
    const std::vector<DrawRecord> history = *shippedHistory();
    const DrawRecord& a = history.back();
    charts::ChartInput in{history, 42284.0, a.date, {}, MessageList()};
    LastDraws draws;
    for (int i = 0; i < 8; ++i)
        draws.A[static_cast<std::size_t>(i)] = a.numberByte(i);
    const NumberPool pool = buildNumberPool(
        [&](ChartKind k) { return charts::computeChart(k, in); }, draws, Options(), MessageList());
    int present = 0;
    for (int k = 1; k <= 49; ++k) {
        const bool inA = std::find(draws.A.begin(), draws.A.begin() + 7, k) != draws.A.begin() + 7;
        if (inA)
            EXPECT_EQ(pool.count(k), 0) << k;
        else
            EXPECT_GE(pool.count(k), 1) << k;
        present += pool.count(k) > 0;
    }
    EXPECT_EQ(pool.distinctNumbers(), present);
    EXPECT_GT(pool.top() + 1, 49);
}

TEST(NumberPool, BandLimitsRoundHalfToEvenExactly)
{
    Fixture f;
    Options o = quiet();
    o.set(Option::OnlyPreferredNumbers, 1); // only the preferred numbers
    o.set(Option::RareNumbers, 1);
    o.set(Option::RareNumbersPercent, 7);
    // 7 % of 150 is 10.5: exactly a tie, which goes to 10 (floating point makes it 10.500...02).
    // Half of it, 5.25, gives 5.
    std::vector<int> values(49, 100);
    values[0] = 10;
    values[1] = 11;
    values[2] = 5;
    values[3] = 6;
    values[4] = 0;
    f.charts[ChartKind::Numbers] = chart(values, 0, 150);
    const auto c = counts(f.build(o));
    EXPECT_EQ(c[1], 2);
    EXPECT_EQ(c[2], 0);
    EXPECT_EQ(c[3], 3);
    EXPECT_EQ(c[4], 2);
    EXPECT_EQ(c[5], 3); // the bottom of the band is Min itself
    EXPECT_EQ(c[6], 0);
    EXPECT_EQ(f.texts.back(), QStringLiteral("Min: 0  Max: 5  8"));
}

TEST(NumberPool, RunBandsAndTheirTies)
{
    // Rare pairs: 0.3 * 5 + 1 = 2.5 -> 2; frequent triples: 10 - 0.3 * 5 = 8.5 -> 8, strictly
    // above.
    Fixture f;
    std::vector<int> pairs(48, 50);
    pairs[0] = 2;  // 1-2 in
    pairs[1] = 3;  // 2-3 out
    pairs[2] = 0;  // never drawn: out
    pairs[47] = 1; // 48-49 is not examined
    f.charts[ChartKind::Pairs] = chart(pairs, 1, 6);
    std::vector<int> triples(47, 5);
    triples[9] = 9;   // 10-11-12 in
    triples[19] = 8;  // 20-21-22 out (not above lo)
    triples[44] = 10; // 45-46-47 in
    triples[45] = 10; // bars 46 and 47 are not examined
    triples[46] = 10;
    f.charts[ChartKind::Triples] = chart(triples, 5, 10);
    Options o = quiet();
    o.set(Option::OnlyPreferredNumbers, 1);
    o.set(Option::RarePairs, 1);
    o.set(Option::FrequentTriples, 1);
    const auto c = counts(f.build(o));
    std::vector<int> expected(50, 0);
    for (int k : {1, 2, 10, 11, 12, 45, 46, 47})
        expected[static_cast<std::size_t>(k)] = 1;
    EXPECT_EQ(c, expected);
}

TEST(NumberPool, EqualBarsFillTheNumberBandsAndTheRareRuns)
{
    Fixture f;
    f.charts[ChartKind::Numbers] = constant(49, 7);
    f.charts[ChartKind::Pairs] = constant(48, 7);
    f.charts[ChartKind::Quads] = constant(49, 3);
    f.charts[ChartKind::Quads].valueAxis = {true, 3, 3};
    Options o = quiet();
    o.set(Option::OnlyPreferredNumbers, 1);
    o.set(Option::FrequentNumbers, 1); // lo = hi = Max: every number, 2 + 1 entries
    o.set(Option::FrequentPairs, 1);   // lo = hi: nothing lies strictly above lo
    o.set(Option::RarePairs, 1);       // every pair drawn at all
    o.set(Option::RareQuads, 1);       // every quad k = 1..46
    const auto c = counts(f.build(o));
    for (int k = 1; k <= 49; ++k) {
        const int pairs = std::max(0, std::min(k, 47) - std::max(1, k - 1) + 1); // pairs k-1, k
        const int quads = std::min(k, 46) - std::max(1, k - 3) + 1;              // quads k-3 .. k
        EXPECT_EQ(c[static_cast<std::size_t>(k)], 3 + pairs + quads) << k;
    }
    // The rare pairs reuse the chart of the frequent pairs.
    EXPECT_EQ(f.asked,
              (std::vector<ChartKind>{ChartKind::Pairs, ChartKind::Quads, ChartKind::Numbers}));
}

TEST(NumberPool, AvoidingOneToTwelveHoldsAgainstEveryStep)
{
    Fixture f;
    f.charts[ChartKind::Numbers] = constant(49, 7);
    Options o = quiet();
    o.set(Option::AvoidMonthNumbers, 1);
    o.set(Option::FrequentNumbers, 1);
    o.set(Option::NeighboursOfLastDraw, 1);
    f.draws.A = bytes({1, 5, 12, 13, 30, 49, 8, 0});
    const NumberPool pool = f.build(o);
    for (std::uint8_t e : pool.entries())
        EXPECT_GE(e, 13);
    EXPECT_EQ(pool.count(14), 1 + 3 + 4);
    EXPECT_EQ(pool.count(48), 1 + 3 + 4);
    EXPECT_EQ(pool.distinctNumbers(), 37);
}

TEST(NumberPool, WeakeningOneToThirtyOneTakesOneEntryEach)
{
    Fixture f;
    std::vector<int> drawn(49, 50);
    for (int k = 1; k <= 10; ++k)
        drawn[static_cast<std::size_t>(k - 1)] = 0; // 1..10 rare: three more entries
    f.charts[ChartKind::Numbers] = chart(drawn, 0, 50);
    Options o = quiet();
    o.set(Option::RareNumbers, 1);
    const auto before = counts(f.build(o));
    o.set(Option::WeakenDayNumbers, 1);
    const NumberPool pool = f.build(o);
    const auto after = counts(pool);
    for (int k = 1; k <= 49; ++k) {
        const auto i = static_cast<std::size_t>(k);
        EXPECT_EQ(after[i], k <= 31 ? before[i] - 1 : before[i]) << k;
    }
    EXPECT_EQ(after[1], 4);  // two base entries and three rare ones, less one
    EXPECT_EQ(after[20], 0); // a single entry drops out
    EXPECT_EQ(pool.distinctNumbers(), 10 + 18);
}

TEST(NumberPool, CompactionMovesTheTopEntryIntoEachGap)
{
    Fixture f;
    Options o = quiet();
    o.set(Option::LimitLastDraw, 1); // limit 0: draw A's numbers and bonus go
    f.draws.A = bytes({1, 2, 3, 4, 5, 6, 7, 9});
    const NumberPool pool = f.build(o);
    std::vector<std::uint8_t> expected = {49, 48, 47, 46, 45, 44, 43, 42};
    for (int k = 8; k <= 41; ++k)
        expected.push_back(static_cast<std::uint8_t>(k));
    EXPECT_EQ(pool.entries(), expected);
    EXPECT_EQ(pool.top(), 41);
}

TEST(NumberPool, BansFollowEachLastDrawLimit)
{
    Fixture f;
    f.draws.A = bytes({1, 2, 3, 4, 5, 6, 7, 0});
    f.draws.B = bytes({11, 12, 13, 14, 15, 16, 17, 0});
    f.draws.C = bytes({21, 22, 23, 24, 25, 26, 27, 0});
    Options o = quiet();
    for (Option box :
         {Option::LimitLastDraw, Option::LimitSecondLastDraw, Option::LimitThirdLastDraw})
        o.set(box, 1);
    o.set(Option::MaxFromSecondLastDraw, 0);
    o.set(Option::MaxFromThirdLastDraw, 1); // above 0: C is left to the row check
    const auto c = counts(f.build(o));
    for (int k = 1; k <= 49; ++k) {
        const bool banned = (k >= 1 && k <= 7) || (k >= 11 && k <= 17);
        EXPECT_EQ(c[static_cast<std::size_t>(k)] > 0, !banned) << k;
    }
}

TEST(NumberPool, GrowsBeyondFiveHundredEntriesAndKeepsThemAll)
{
    Fixture f;
    f.charts[ChartKind::Numbers] = constant(49, 7);
    f.charts[ChartKind::Overdue] = constant(49, 4);
    f.charts[ChartKind::Pairs] = constant(48, 7);
    f.charts[ChartKind::Triples] = constant(47, 7);
    Options o = quiet();
    for (Option box : {Option::FrequentNumbers, Option::RareNumbers, Option::OverdueNumbers,
                       Option::RarePairs, Option::RareTriples, Option::NeighboursOfLastDraw})
        o.set(box, 1);
    f.draws.A = bytes({10, 20, 30, 40, 45, 49, 1, 0});
    const NumberPool pool = f.build(o);
    // Numbers 3 + 3, overdue 3 per number; 47 pairs, 45 triples; neighbours 4 each of 9, 11,
    // 19, 21, 29, 31, 39, 41, 44, 46, 48, 2 and (Superzahl 0) 1; the base numbers.
    const int expected = 49 * 9 + 47 * 2 + 45 * 3 + 4 * 13 + 50;
    EXPECT_EQ(pool.top() + 1, expected);
    EXPECT_GT(expected, 501);
    // 1: the number steps, the base step twice, pair 1-2, triple 1-2-3, the Superzahl 0's four.
    EXPECT_EQ(pool.count(1), 9 + 2 + 1 + 1 + 4);
}

TEST(NumberPool, AnEmptyPoolWhenOnlyPreferredNumbersCountAndNoneIsPreferred)
{
    Fixture f;
    Options o = quiet();
    o.set(Option::OnlyPreferredNumbers, 1);
    const NumberPool pool = f.build(o);
    EXPECT_EQ(pool.top(), -1);
    EXPECT_EQ(pool.distinctNumbers(), 0);
}

TEST(NumberPool, WeightingListPool)
{
    std::vector<int> weights(49, -1);
    weights[0] = 0; // weight 0 and weight 1 both give two entries
    weights[1] = 1;
    weights[6] = 3;
    const NumberPool pool = poolFromWeights(weights);
    EXPECT_EQ(pool.entries(), (std::vector<std::uint8_t>{0, 1, 1, 2, 2, 7, 7, 7, 7}));
    EXPECT_EQ(pool.distinctNumbers(), 3);
}
