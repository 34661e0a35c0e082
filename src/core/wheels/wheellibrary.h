// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/wheels/combinatorics.h"
#include "core/wheels/guarantee.h"

#include <QList>
#include <QString>

#include <optional>
#include <vector>

namespace vendrilo::wheels {

// The shipped library: the smallest wheels our own search found (tools/wheellibrary.cpp), on
// the numbers 1..n for n = 7..30, for the guarantees below wherever a wheel needs at most
// 5,000 rows. The files are compiled into the program (":/wheels/<code>.txt").
constexpr int kLibraryMinNumbers = 7;
constexpr int kLibraryMaxNumbers = 30;
constexpr int kLibraryMaxRows = 5000;

// Every "k if m" with 2 <= k <= 5 and k <= m <= 6, in that order.
QList<Guarantee> libraryGuarantees();
// "3if6.txt"
QString libraryFileName(const Guarantee& guarantee);

// The library's rows for n numbers, on the positions 0..n-1; nothing when it holds none. The
// rows are not checked here: whoever shows them checks them.
std::optional<std::vector<Mask>> libraryRows(int n, const Guarantee& guarantee);

// A lower bound on the rows of any "k if m" wheel on n numbers by counting: each row meets at
// most sum over j >= k of C(6, j) C(n - 6, m - j) of the C(n, m) sets it must meet.
std::uint64_t countingBound(int n, int hits, int of);

} // namespace vendrilo::wheels
