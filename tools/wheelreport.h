// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"
#include "core/wheels/bestknown.h"
#include "core/wheels/libraryfile.h"

#include <QString>

#include <map>

// The comparison of the library with the best known coverings, as Markdown tables written into
// a document between the lines "<!-- wheel table -->" and "<!-- end of wheel table -->".
vendrilo::Status
writeWheelReport(const QString& path,
                 const std::map<QString, vendrilo::wheels::LibraryEntries>& library,
                 const vendrilo::wheels::KnownCoverings& known);
