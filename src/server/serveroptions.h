// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

namespace vendrilo::server {

// A fixed answer for one requested day, so that a client's handling of unusual answers can be
// tried: a status alone answers that status, a body alone answers 200 with it, both together
// answer that status with that body.
struct DayOverride {
    std::optional<int> status;
    std::optional<QByteArray> body;
};

// What the command line asks of the server.
struct ServerOptions {
    QString drawsPath;
    QString payoutsPath; // the payout table served to the update; empty: none
    QHostAddress address = QHostAddress(QHostAddress::LocalHost);
    quint16 port = 8080;
    // The portal's address template; empty means the default built from the server's address.
    QString portalTemplate;
    std::optional<int> portalStatus;
    std::optional<QByteArray> portalBody;
    int delayMs = 0;
    // A client whose request head is not complete by then is dropped.
    int headTimeoutMs = 10000;
    // Keyed by the day number of the draw file's dates.
    std::map<qint64, DayOverride> days;
    bool help = false;
};

// The options after the program name. A mistake comes back as one line for stderr.
Result<ServerOptions> parseArguments(const QStringList& arguments);

QString usageText();

// "\n" in a text given on the command line is a line break, "\\" a backslash; the answer
// carries the text in ISO-8859-1, the charset it declares.
QByteArray bodyFromArgument(const QString& text);

} // namespace vendrilo::server
