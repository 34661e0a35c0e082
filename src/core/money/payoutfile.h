// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"
#include "core/money/payouttable.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace vendrilo {

// The payout table beside the draw files in the program folder. It starts as the shipped table
// (written by the first start, byte for byte) and grows with the update; lines are only ever
// added at its end.
namespace payoutfile {

inline const QString kFileName = QStringLiteral("QuotenPL.csv");

// A real table holds four lines a draw (about 60 kB for three years); anything near this bound
// is no payout file.
inline constexpr qint64 kMaxFileSize = qint64(8) << 20;

// The folder's payout file.
QString pathIn(const QString& folder);

// The shipped table as it is compiled into the program.
Result<QByteArray> shippedBytes();

// The start step: writes the shipped table when the folder has no payout file. An existing file
// is never touched.
Status prepare(const QString& folder);

// The folder's payout table; the shipped one while the folder has no payout file of its own.
Result<PayoutTable> read(const QString& folder);

// Appends the lines whose draw day and class the folder's table does not hold yet (the first of
// several for the same day and class), in one atomic rewrite of the file; a line the table holds
// already is left as it stands. Returns how many were added; nothing is written when none is.
Result<int> merge(const QString& folder, const std::vector<PayoutLine>& lines);

} // namespace payoutfile

} // namespace vendrilo
