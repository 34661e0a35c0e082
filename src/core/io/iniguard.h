// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <QString>

namespace vendrilo {

// QSettings rebuilds values written as "@Variant(…)" or "@DateTime(…)" from binary data and
// trusts the sizes in it: one line of a damaged or foreign settings file can make it allocate
// hundreds of gigabytes and abort the program. Vendrilo never writes such values.

// Whether the text, read with the INI file's escapes, quotes and line continuations, could hold
// such a value anywhere. Errs on the side of yes.
bool iniTextMayHoldSerialisedValue(QByteArrayView text);

// The INI text without the lines that may hold such a value; `droppedKeys` gets their keys.
QByteArray withoutSerialisedValues(const QByteArray& text, QStringList* droppedKeys);

// A settings file holds a few kilobytes; one beyond this is no settings file of this program.
inline constexpr qint64 kMaxSettingsFileSize = qint64(1) << 20;

// Makes the INI file at `path` safe to hand to QSettings: a file that may hold such a value is
// kept as "<path>.bak" (or the first free "<path>.N.bak") and rewritten without those lines, or
// set aside whole when they cannot be told apart. Returns a notice for the user, empty when
// nothing was changed; an error when the file could not be made safe. A file that is no
// regular file or larger than kMaxSettingsFileSize is set aside whole in the same way.
Result<QString> makeSettingsFileSafe(const QString& path);

// What a kill while the settings were being saved leaves beside the INI file: QSettings's lock
// file ("<file>.lock", with "<file>.lock.rmlock") and the temporary file of its save
// ("<file>.XXXXXX", where the system cannot make unnamed ones). Removed unless
// another running copy of the program holds the lock right now. Returns how many were removed.
int removeStaleSettingsTemporaries(const QString& path);

} // namespace vendrilo
