// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace vendrilo {

// Text for an ISO-8859-1 page: HTML-escaped, a character beyond that charset as a character
// reference.
QByteArray latin1Html(const QString& text);

} // namespace vendrilo
