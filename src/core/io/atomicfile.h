#pragma once

#include "core/io/result.h"

#include <QByteArray>
#include <QString>

class QFileDevice;

namespace vendrilo {

// Replaces a file's whole content in one step: the bytes go to a temporary file beside it,
// which then takes the file's place by a rename. Any failure (disk full, size limit, no
// permission) leaves the old file exactly as it was; the message names the file.
Status writeFileAtomically(const QString& path, const QByteArray& bytes);

// "<file>: <the system's reason>", for a file operation that failed. Where the device knows no
// reason of its own, the C library's text for errno is taken, so that a full disk reads "No space
// left on device" rather than "Unknown error".
Error fileError(const QFileDevice& file, const QString& path);

} // namespace vendrilo
