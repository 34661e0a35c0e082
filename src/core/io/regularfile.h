// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"

#include <QByteArray>
#include <QString>

class QFile;

namespace vendrilo {

// Every file the program reads from the user's disk goes through here. Only a regular file is
// opened: a FIFO would block the reader until some other program writes to it, and a device such
// as /dev/zero never ends. The check is made on the opened file itself (opened without waiting),
// so a name swapped in between cannot slip past it.

// Opens `path` for reading into `file` when it is a regular file (a link to one counts).
Status openRegularFile(QFile& file, const QString& path);

// The whole file when it is a regular file of at most `maxBytes`; else a message that names it.
Result<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

// "<file>: N MB ... at most M" for a file refused because of its size.
Error fileTooLarge(const QString& path, qint64 size, qint64 maxBytes);

// Whether `path` names a regular file (following links); false for a missing one.
bool isRegularFile(const QString& path);

} // namespace vendrilo
