// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tipfiles/printout.h"

#include "core/draws/dates.h"
#include "core/draws/drawcalendar.h"
#include "core/io/atomicfile.h"
#include "core/texts/integers.h"
#include "core/texts/textlist.h"

namespace vendrilo {

double printoutDate(const std::vector<DrawRecord>& draws, double shownDrawDate,
                    const DrawDayFilter& days)
{
    if (!days.weekend || !days.otherDays)
        return shownDrawDate + 7;
    return nextDrawDay(draws, shownDrawDate);
}

Result<QStringList> printoutLines(const TipSheet& sheet, const std::vector<DrawRecord>& draws,
                                  double shownDrawDate, const DrawDayFilter& days,
                                  const MessageList& messages)
{
    const QDate date = dateFromDay(printoutDate(draws, shownDrawDate, days));
    // The weekday in full, as the language of the texts names it.
    QStringList lines{fillIn(text(Text::PrintoutTitle),
                             {textLocale().dayName(date.dayOfWeek(), QLocale::LongFormat),
                              date.toString(QStringLiteral("dd.MM.yy"))}),
                      QString(46, QLatin1Char('~')), QString()};
    for (int r = 1; r <= TipSheet::kRows; ++r) {
        const auto& fields = sheet.row(r).fields;
        if (fields[0].isEmpty())
            continue;
        QStringList numbers;
        for (const QString& field : fields) {
            const auto n = parseInteger(field);
            if (!n)
                return Error{fillIn(text(Text::NoIntegerValue), {field}), ErrorKind::BadInput};
            numbers << QStringLiteral("%1").arg(*n, 2);
        }
        const QString prefix =
            r < 10 ? QStringLiteral(" %1. ").arg(r) : QStringLiteral("%1. ").arg(r);
        lines << prefix + messages.text(Msg::Tip) + QStringLiteral(": ") +
                     numbers.join(QStringLiteral("   "));
    }
    return lines;
}

Status writePrintout(const QString& path, const QStringList& lines)
{
    return writeTextLines(path, lines);
}

} // namespace vendrilo
