// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QFileDevice;

namespace vendrilo {

// Replaces a file's whole content in one step: the bytes go to a temporary file beside it
// ("<name>.vendrilo-XXXXXX"), are synced to the disk, and the temporary file takes the file's
// place by a rename, after which the folder is synced too. Any failure (disk full, size limit,
// no permission, a sync the disk refuses) is reported and leaves the old file exactly as it was;
// the message names the file. A kill at any moment leaves the old file or the new one.
Status writeFileAtomically(const QString& path, const QByteArray& bytes);

// A text file for the user's desktop: each line ended by CR LF, in the system's text encoding,
// written as writeFileAtomically does.
Status writeTextLines(const QString& path, const QStringList& lines);

// Temporary files that a kill in the middle of writeFileAtomically left in `folder`: removed.
// Returns how many.
int removeStaleTemporaryFiles(const QString& folder);

// "<file>: <the system's reason>", for a file operation that failed. Where the device knows no
// reason of its own, the C library's text for errno is taken, so that a full disk reads "No space
// left on device" rather than "Unknown error".
Error fileError(const QFileDevice& file, const QString& path);

} // namespace vendrilo
