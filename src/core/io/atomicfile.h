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
// A symbolic link stays a link: the file it leads to is replaced, with the temporary file beside
// that one. A file without write permission (mode 444) is not replaced: the user made it so.
Status writeFileAtomically(const QString& path, const QByteArray& bytes);

// The file a path leads to: the path itself, or the end of its chain of symbolic links.
QString linkTarget(const QString& path);

// An error that names the file when it exists and may not be written; fine for a new file.
Status checkWritable(const QString& path);

// A text file for the user's desktop: each line ended by CR LF, in the system's text encoding,
// written as writeFileAtomically does.
Status writeTextLines(const QString& path, const QStringList& lines);

// Temporary files that a kill in the middle of writeFileAtomically left in `folder`: removed.
// Returns how many.
int removeStaleTemporaryFiles(const QString& folder);
// The same beside files the program writes: in their folders and, for a link, beside the file
// the link leads to; each folder is looked through once.
int removeStaleTemporariesOf(const QStringList& paths);

// "<file>: <the system's reason>", for a file operation that failed. Where the device knows no
// reason of its own, the C library's text for errno is taken, so that a full disk reads "No space
// left on device" rather than "Unknown error". `kind` says whether the file was being read or
// written; a file to read that is not there at all is NotFound.
Error fileError(const QFileDevice& file, const QString& path, ErrorKind kind);

} // namespace vendrilo
