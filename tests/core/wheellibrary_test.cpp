// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped wheel library: every wheel passes the exhaustive check, a single changed number
// makes it fail, the sizes meet the required quality against the best known coverings, and the
// library file format reads back what it writes and refuses damage.
#include "core/wheels/bestknown.h"
#include "core/wheels/libraryfile.h"
#include "core/wheels/wheelcheck.h"
#include "core/wheels/wheellibrary.h"
#include "wheeloracle.h"

#include <QFile>

#include <gtest/gtest.h>

#include <random>

using namespace vendrilo::wheels;

namespace {

QString readData(const QString& name)
{
    QFile file(QStringLiteral(VENDRILO_DATA "/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

std::vector<std::array<int, 6>> asNumbers(const std::vector<Mask>& rows)
{
    std::vector<std::array<int, 6>> out;
    for (Mask row : rows) {
        std::array<int, 6> numbers{};
        for (int i = 0; row; row &= row - 1)
            numbers[static_cast<std::size_t>(i++)] = std::countr_zero(row) + 1;
        out.push_back(numbers);
    }
    return out;
}

struct Shipped {
    Guarantee guarantee;
    int n;
    std::vector<Mask> rows;
};

// Every wheel the program carries, read through the library as the program reads it.
std::vector<Shipped> shippedWheels()
{
    std::vector<Shipped> all;
    for (const Guarantee& g : libraryGuarantees())
        for (int n = kLibraryMinNumbers; n <= kLibraryMaxNumbers; ++n)
            if (auto rows = libraryRows(n, g))
                all.push_back({g, n, std::move(*rows)});
    return all;
}

// A row, one of its numbers and a draw such that changing that number to one outside both the
// row and the draw must leave the draw without a row meeting it in `hits` places: the row meets
// the draw in exactly `hits` places, among them the number, and no other row meets it in as
// many. Such draws are looked for at random, `hits` numbers of a row and the rest outside it.
struct Flip {
    std::size_t row = 0;
    Mask changed = 0;
    Mask draw = 0;
};

std::optional<Flip> breakingFlip(const Shipped& w, std::mt19937& random)
{
    const int hits = w.guarantee.hits;
    const int of = w.guarantee.of;
    const auto pick = [&](Mask from, int count) {
        Mask chosen = 0;
        for (int i = 0; i < count && popcount(from & ~chosen) > 0; ++i) {
            Mask rest = from & ~chosen;
            for (int skip = static_cast<int>(random() % static_cast<unsigned>(popcount(rest)));
                 skip > 0; --skip)
                rest &= rest - 1;
            chosen |= rest & (~rest + 1);
        }
        return chosen;
    };
    for (int attempt = 0; attempt < 40000; ++attempt) {
        const std::size_t r = random() % w.rows.size();
        const Mask row = w.rows[r];
        const Mask outside = firstPositions(w.n) & ~row;
        if (popcount(outside) < of - hits + 1)
            return std::nullopt;
        const Mask draw = pick(row, hits) | pick(outside, of - hits);
        bool alone = true;
        for (std::size_t o = 0; o < w.rows.size() && alone; ++o)
            alone = o == r || popcount(w.rows[o] & draw) < hits;
        const Mask free = outside & ~draw;
        if (!alone || free == 0)
            continue;
        const Mask out = draw & row & (~(draw & row) + 1);
        return Flip{r, (row & ~out) | (free & (~free + 1)), draw};
    }
    return std::nullopt;
}

} // namespace

TEST(WheelLibrary, EveryShippedWheelPassesTheCheckAndTheOracleWhereItIsQuick)
{
    const auto wheels = shippedWheels();
    EXPECT_GT(wheels.size(), 250u);
    for (const Shipped& w : wheels) {
        const Guarantee& g = w.guarantee;
        SCOPED_TRACE(testing::Message() << g.code().toStdString() << " n=" << w.n);
        ASSERT_TRUE(rowsWellFormed(w.n, w.rows));
        EXPECT_LE(w.rows.size(), static_cast<std::size_t>(kLibraryMaxRows));
        EXPECT_EQ(findUncovered(w.n, w.rows, g.hits, g.of), std::nullopt);
        EXPECT_GE(w.rows.size(), countingBound(w.n, g.hits, g.of));
        if (binomial(w.n, g.of) * w.rows.size() <= 400'000) {
            std::vector<int> numbers;
            for (int k = 1; k <= w.n; ++k)
                numbers.push_back(k);
            EXPECT_EQ(
                vendrilo::test::oracleCheck(numbers, asNumbers(w.rows), g.hits, g.of).uncovered,
                0u);
        }
    }
}

// One number of one row changed, where the change must break the promise: the check finds
// the draw that lost its row. A wheel of a few rows that overlap a lot may have no such change
// (one row of six on seven numbers meets every draw in five); every larger wheel must have one.
TEST(WheelLibrary, OneChangedNumberMakesTheCheckFail)
{
    constexpr std::size_t kFewRows = 4;
    std::mt19937 random(99);
    const auto wheels = shippedWheels();
    std::size_t broken = 0;
    for (const Shipped& w : wheels) {
        SCOPED_TRACE(testing::Message() << w.guarantee.code().toStdString() << " n=" << w.n);
        const auto flip = breakingFlip(w, random);
        if (!flip) {
            EXPECT_LE(w.rows.size(), kFewRows) << "no changed number breaks this wheel";
            continue;
        }
        std::vector<Mask> changed = w.rows;
        changed[flip->row] = flip->changed;
        const CoverageCheck check(w.n, changed, w.guarantee.hits, w.guarantee.of);
        EXPECT_TRUE(check.firstUncovered().has_value());
        // The plain count agrees that the draw lost its last row.
        std::vector<int> draw;
        for (Mask rest = flip->draw; rest; rest &= rest - 1)
            draw.push_back(std::countr_zero(rest) + 1);
        EXPECT_EQ(vendrilo::test::oracleRowsMeeting(asNumbers(changed), draw, w.guarantee.hits), 0);
        EXPECT_GE(check.uncoveredCount(), 1u);
        ++broken;
    }
    EXPECT_GE(broken * 100, wheels.size() * 80);
}

// The sizes the library must reach: within 5 % of the best known covering for "3 if 3" up to
// 18 numbers and "4 if 4" up to 14, and the "3 if 6" sizes our own searches reached.
TEST(WheelLibrary, SizesMeetTheRequiredQuality)
{
    const auto known = parseKnownCoverings(readData(QStringLiteral("ljcr-k6.csv")));
    ASSERT_TRUE(known.ok()) << known.error().toStdString();
    const struct {
        int t;
        int upTo;
    } covering[] = {{3, 18}, {4, 14}};
    for (const auto& c : covering)
        for (int n = kLibraryMinNumbers; n <= c.upTo; ++n) {
            const auto rows = libraryRows(n, Guarantee::ifOf(c.t, c.t));
            ASSERT_TRUE(rows) << c.t << " if " << c.t << " n=" << n;
            const int best = known->at({n, c.t}).bestKnown;
            EXPECT_LE(rows->size() * 100, static_cast<std::size_t>(best) * 105)
                << c.t << " if " << c.t << " n=" << n << " best known " << best;
        }
    const struct {
        int n;
        std::size_t rows;
    } threeIfSix[] = {{14, 4}, {16, 5}, {18, 9}, {20, 14}, {22, 19}, {25, 31}};
    for (const auto& c : threeIfSix) {
        const auto rows = libraryRows(c.n, Guarantee::ifOf(3, 6));
        ASSERT_TRUE(rows) << c.n;
        EXPECT_LE(rows->size(), c.rows) << "3 if 6 on " << c.n;
    }
}

// The program reads the library compiled into it; it must be the data folder's.
TEST(WheelLibrary, TheCompiledLibraryIsTheDataFolders)
{
    for (const Guarantee& g : libraryGuarantees()) {
        const auto entries =
            parseLibraryFile(readData(QStringLiteral("wheels/") + libraryFileName(g)));
        ASSERT_TRUE(entries.ok()) << g.code().toStdString() << ": "
                                  << entries.error().toStdString();
        for (int n = kLibraryMinNumbers; n <= kLibraryMaxNumbers; ++n) {
            const auto it = entries->find(n);
            const auto compiled = libraryRows(n, g);
            ASSERT_EQ(compiled.has_value(), it != entries->end()) << g.code().toStdString() << n;
            if (compiled) {
                EXPECT_EQ(*compiled, it->second) << g.code().toStdString() << n;
            }
        }
    }
    EXPECT_FALSE(libraryRows(31, Guarantee::ifOf(3, 3)));
    EXPECT_FALSE(libraryRows(12, Guarantee::fullWheel()));
}

TEST(LibraryFile, ReadsBackWhatItWritesAndFindsOneSection)
{
    std::mt19937 random(5);
    LibraryEntries entries;
    for (const int n : {7, 9, 20, 30}) {
        std::vector<Mask> rows(1 + random() % 30);
        for (Mask& row : rows) {
            row = 0;
            while (popcount(row) < 6)
                row |= bit(static_cast<int>(random() % static_cast<unsigned>(n)));
        }
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        entries[n] = rows;
    }
    const QString text = formatLibraryFile(Guarantee::ifOf(3, 5), entries);
    const auto parsed = parseLibraryFile(text);
    ASSERT_TRUE(parsed.ok()) << parsed.error().toStdString();
    for (const auto& [n, rows] : entries) {
        std::vector<Mask> back = parsed->at(n);
        std::sort(back.begin(), back.end());
        EXPECT_EQ(back, rows) << n;
        const auto section = librarySection(text, n);
        ASSERT_TRUE(section) << n;
        EXPECT_EQ(*section, parsed->at(n)) << n;
    }
    EXPECT_FALSE(librarySection(text, 8));
}

TEST(LibraryFile, RefusesDamage)
{
    const char* damaged[] = {
        "n=7 rows=2\n1 2 3 4 5 6\n",              // a row missing
        "n=7 rows=1\n1 2 3 4 5 8\n",              // a number beyond n
        "n=7 rows=1\n1 2 3 4 5 5\n",              // a number twice
        "n=7 rows=1\n1 2 3 4 5\n",                // five numbers
        "n=7 rows=1\n1 2 3 4 5 x\n",              // no number
        "7 rows=1\n1 2 3 4 5 6\n",                // no header
        "n=7 rows=1\n1 2 3 4 5 6\nn=7 rows=0\n",  // a section twice
        "n=7 rows=1\n1 2 3 4 5 6\n1 2 3 4 5 7\n", // a row after the count
    };
    for (const char* text : damaged)
        EXPECT_FALSE(parseLibraryFile(QString::fromLatin1(text)).ok()) << text;
    EXPECT_TRUE(parseLibraryFile(QStringLiteral("# only a comment\n\nn=7 rows=0\n")).ok());
}
