// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/charts/chartdata.h"
#include "core/draws/drawdayfilter.h"
#include "core/draws/drawrecord.h"
#include "core/sheet/tipsheet.h"
#include "core/texts/messagelist.h"

#include <QString>
#include <array>
#include <optional>
#include <cstdint>
#include <span>

namespace vendrilo::charts {

// What the draw charts read: the draws in file order, the statistics period and the texts.
// The period runs from the statistics start to the chosen draw day; whether the
// first day itself counts differs per chart (see each function). Only the whole day of either
// date matters.
struct ChartInput {
    std::span<const DrawRecord> draws;
    double periodStart = 0; // the statistics start ("Diagramm" tab)
    double periodEnd = 0;   // the chosen draw day ("Datenbank" tab)
    DrawDayFilter dayFilter;
    MessageList messages;
};

// How often each number 1..49 was drawn, bonus number included, between
// both period ends inclusive, draw-day filter applied. 49 bars, primes red, the others green;
// value axis by hand from the smallest to the largest count.
ChartData numberDistribution(const ChartInput& in);

// How often each cross sum of the six drawn numbers occurred, the first day
// of the period excluded, every weekday. One bar per sum from the smallest to the largest found
// (none for an empty period); value axis automatic.
ChartData crossSumDistribution(const ChartInput& in);

// How often each number stands on the sheet, read row by row up to the first field
// that holds no number 1..49. Same bars and axis as the number distribution.
ChartData tipDistribution(const TipSheet& sheet, const MessageList& messages);

// How often the run k, k+1, ... of two, three or four
// consecutive numbers stood among the six drawn numbers (the bonus number never completes a
// run), first day excluded. Pairs: 48 bars, triples: 47, quads: 49 with the last three 0.
// Pairs and triples apply the draw-day filter and set the value axis by hand; quads apply no
// filter and leave the axis automatic.
ChartData pairs(const ChartInput& in);
ChartData triples(const ChartInput& in);
ChartData quads(const ChartInput& in);

// For each number, 1 + the draws since the last draw (bonus number included)
// that had it, first day excluded, draw-day filter applied. 49 bars coloured as the number
// distribution; value axis by hand.
ChartData overdueNumbers(const ChartInput& in);

// For each Superzahl 0..9, the draws since the last draw that had it, counting
// that draw as 1. The period starts no earlier than 1 August 1995. 10 bars; axis by hand.
ChartData overdueSuperzahl(const ChartInput& in);

// How many draws had 0..6 prime, odd or even
// numbers among the six drawn, first day excluded, draw-day filter applied. 7 bars; axis by
// hand; the title gives the share of such numbers in percent.
ChartData primesPerDraw(const ChartInput& in);
ChartData oddPerDraw(const ChartInput& in);
ChartData evenPerDraw(const ChartInput& in);

// The charts by the names the command line uses.
enum class ChartKind {
    Numbers,
    CrossSums,
    Tips,
    Pairs,
    Triples,
    Quads,
    Overdue,
    Superzahl,
    Primes,
    Odd,
    Even
};
inline constexpr int kChartKindCount = 11;

QString chartName(ChartKind kind); // "numbers", "crosssums", "tips", ...
std::optional<ChartKind> chartKindFromName(const QString& name);
// Computes one chart; only the tip distribution reads the sheet.
ChartData computeChart(ChartKind kind, const ChartInput& in, const TipSheet& sheet = TipSheet());

// The numbers 2, 3, 5, ..., 47: all primes up to 49.
bool isPrime(int n);
// How many of the numbers are prime; the generator's row check counts the same way.
int countPrimes(std::span<const std::uint8_t> numbers);

} // namespace vendrilo::charts
