#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace vendrilo {

// Replaces a file's whole content in one step: the bytes go to a temporary file beside it,
// which then takes the file's place by a rename. Any failure (disk full, size limit, no
// permission) leaves the old file exactly as it was. Returns the system's text on failure,
// naming the file.
std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace vendrilo
