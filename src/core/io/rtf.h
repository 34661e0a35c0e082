// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"

#include <QByteArray>
#include <QStringList>

namespace vendrilo {

// A Rich Text Format document with one paragraph per line and default formatting: "\", "{" and
// "}" escaped, Latin-1 letters (umlauts, accents) as code-page bytes and every other character
// beyond ASCII as its Unicode number with "?" for readers that know no Unicode.
QByteArray rtfDocument(const QStringList& paragraphs);

Status writeRtfFile(const QString& path, const QStringList& paragraphs);

} // namespace vendrilo
