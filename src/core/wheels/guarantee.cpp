// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wheels/guarantee.h"

#include <QRegularExpression>

namespace vendrilo::wheels {

QString Guarantee::code() const
{
    return full ? QStringLiteral("full") : QStringLiteral("%1if%2").arg(hits).arg(of);
}

QString Guarantee::text() const
{
    return full ? QStringLiteral("full") : QStringLiteral("%1 if %2").arg(hits).arg(of);
}

std::optional<Guarantee> Guarantee::parse(const QString& text)
{
    const QString trimmed = text.trimmed().toLower();
    if (trimmed == QLatin1String("full"))
        return fullWheel();
    static const QRegularExpression pattern(QStringLiteral("^([0-9])\\s*if\\s*([0-9])$"));
    const QRegularExpressionMatch match = pattern.match(trimmed);
    if (!match.hasMatch())
        return std::nullopt;
    const Guarantee g = ifOf(match.captured(1).toInt(), match.captured(2).toInt());
    return g.valid() ? std::optional<Guarantee>(g) : std::nullopt;
}

} // namespace vendrilo::wheels
