// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/httpget.h"

#include <QUrl>

namespace vendrilo {

QString joinUrl(const QString& base, const QString& path)
{
    QString left = base;
    while (left.endsWith(QLatin1Char('/')))
        left.chop(1);
    qsizetype start = 0;
    while (start < path.size() && path.at(start) == QLatin1Char('/'))
        ++start;
    return left + QLatin1Char('/') + path.mid(start);
}

bool isWebAddress(const QString& text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

std::optional<quint16> parseProxyPort(const QString& text)
{
    bool ok = false;
    const int port = text.trimmed().toInt(&ok);
    if (!ok || port < 0 || port > 65535)
        return std::nullopt;
    return static_cast<quint16>(port);
}

} // namespace vendrilo
