// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/resultsapi.h"

#include "core/io/httpget.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vendrilo::server {

namespace {

QString gameTypeOf(Game game)
{
    return game == Game::Plus ? QStringLiteral("LottoPlus") : QStringLiteral("Lotto");
}

// One entry of "results" as a results line; nothing when it is not of the game.
std::optional<QByteArray> lineOf(const QJsonObject& item, const QJsonObject& result, Game game)
{
    if (result.value(QLatin1String("gameType")).toString() != gameTypeOf(game))
        return std::nullopt;
    const QJsonValue ownDate = result.value(QLatin1String("drawDate"));
    const QString stamp =
        (ownDate.isString() ? ownDate : item.value(QLatin1String("drawDate"))).toString().left(10);
    const QDate date = QDate::fromString(stamp, QStringLiteral("yyyy-MM-dd"));
    const qint64 number = item.value(QLatin1String("drawSystemId")).toInteger(0);
    QStringList numbers;
    for (const QJsonValue& n : result.value(QLatin1String("resultsJson")).toArray())
        numbers << (n.isDouble() ? QString::number(n.toInteger(-1)) : QStringLiteral("?"));
    // A date the answer does not give as a date stays visibly wrong, and the checks refuse it.
    const QString day =
        date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QStringLiteral("00.00.0000");
    return QStringLiteral("%1. %2 %3\n")
        .arg(number)
        .arg(day, numbers.join(QLatin1Char(',')))
        .toLatin1();
}

} // namespace

QString resultsApiUrl(const QString& base)
{
    return joinUrl(base, QStringLiteral("/lotteries/draw-results/by-gametype?gameType=Lotto"
                                        "&index=1&size=20&sort=drawDate&order=DESC"));
}

Result<QByteArray> resultLinesFromApi(const QByteArray& json, Game game)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return Error{QStringLiteral("no JSON: %1").arg(error.errorString())};
    const QJsonArray items = document.isArray()
                                 ? document.array()
                                 : document.object().value(QLatin1String("items")).toArray();
    if (items.isEmpty())
        return Error{QStringLiteral("no \"items\" in the answer")};
    QByteArray lines;
    for (const QJsonValue& value : items) {
        const QJsonObject item = value.toObject();
        for (const QJsonValue& result : item.value(QLatin1String("results")).toArray())
            if (const auto line = lineOf(item, result.toObject(), game))
                lines += *line;
    }
    return lines;
}

} // namespace vendrilo::server
