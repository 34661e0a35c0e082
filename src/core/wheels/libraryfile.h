// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"
#include "core/wheels/combinatorics.h"
#include "core/wheels/guarantee.h"

#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace vendrilo::wheels {

// The wheels of one guarantee, by the count of numbers n: rows on the positions 0..n-1.
using LibraryEntries = std::map<int, std::vector<Mask>>;

// A library file holds the wheels of one guarantee on the numbers 1..n, one section per n:
//
//   # a comment
//   n=20 rows=14
//   1 2 3 4 5 6
//   ...
//
// Reading refuses anything else: a row that is not six distinct numbers 1..n, a row count that
// does not match, a section given twice.
Result<LibraryEntries> parseLibraryFile(const QString& text);
QString formatLibraryFile(const Guarantee& guarantee, const LibraryEntries& entries);

// The rows of the section for n, read without reading the others; nothing when the file has
// no such section or the section is damaged.
std::optional<std::vector<Mask>> librarySection(const QString& text, int n);

} // namespace vendrilo::wheels
