// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/money/payoutupdate.h"

#include "core/draws/dates.h"
#include "core/money/payoutfile.h"
#include "core/texts/textlist.h"

namespace vendrilo {

namespace {

// A table without a single draw asks from the first day of the shipped table on.
constexpr double kFirstPayoutDay = 45073; // 27.05.2023

} // namespace

QString payoutRequestUrl(const QString& server, double sinceDay)
{
    return joinUrl(server, QStringLiteral("/lotto/quoten.asp?Programm=PELVANO&Seit=")) +
           dateFromDay(sinceDay).toString(QStringLiteral("yyyyMMdd"));
}

PayoutUpdate updatePayouts(const QString& folder, const QString& server, const HttpProxy& proxy,
                           HttpGet& http)
{
    PayoutUpdate update;
    const auto table = payoutfile::read(folder);
    if (!table) {
        update.problem = table.error();
        return update;
    }
    const auto newest = table->newestDay();
    const auto answer =
        http.get(payoutRequestUrl(server, newest ? *newest + 1 : kFirstPayoutDay), proxy);
    if (!answer) {
        update.problem = answer.error();
        return update;
    }
    update.status = answer->status;
    if (answer->status != 200)
        return update;
    if (answer->tooLarge) {
        update.problem = text(Text::PayoutServerTooLarge);
        return update;
    }
    const auto served = PayoutTable::parse(answer->body);
    if (!served) {
        update.problem = fillIn(text(Text::PayoutServerDamaged), {served.error()});
        return update;
    }
    const auto added = payoutfile::merge(folder, served->lines());
    if (!added)
        update.problem = added.error();
    else
        update.added = *added;
    return update;
}

} // namespace vendrilo
