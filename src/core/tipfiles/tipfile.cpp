// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tipfiles/tipfile.h"

#include "core/draws/dates.h"
#include "core/draws/drawcalendar.h"
#include "core/io/atomicfile.h"
#include "core/io/textlines.h"

#include <cmath>

namespace vendrilo {

QByteArray tipFileBytes(const TipSheet& sheet, const QString& ticketNumber)
{
    // The content is digits and commas; Latin-1 is the 8-bit code page that maps every byte
    // the same on every platform.
    QByteArray bytes;
    for (int r = 1; r <= TipSheet::kRows; ++r)
        bytes += sheet.rowString(r).toLatin1() + "\r\n";
    bytes += ticketNumber.toLatin1() + "\r\n";
    return bytes;
}

Status saveTipFile(const QString& path, const TipSheet& sheet, const QString& ticketNumber)
{
    return writeFileAtomically(path, tipFileBytes(sheet, ticketNumber));
}

QString proposedTipFileName(const std::vector<DrawRecord>& draws, double chosenDate)
{
    const double proposed = nextDrawDay(draws, chosenDate);
    return dateFromDay(std::round(proposed)).toString(QStringLiteral("yyyyMMdd")) +
           QLatin1Char('.') + kTipFileExtension;
}

void applyTipLines(const QStringList& lines, TipSheet& sheet, QString& ticketNumber)
{
    for (int r = 1; r <= TipSheet::kRows && r <= lines.size(); ++r) {
        QStringView s = lines.at(r - 1);
        for (int p = 1; p <= 5; ++p) {
            const qsizetype comma = s.indexOf(QLatin1Char(','));
            if (comma >= 0) {
                sheet.setField(r, p, s.left(comma).toString());
                s = s.mid(comma + 1);
            } else {
                sheet.setField(r, p, QString());
            }
        }
        const qsizetype colon = s.indexOf(QLatin1Char(':'));
        sheet.setField(r, 6, (colon >= 0 ? s.left(colon) : s).toString());
    }
    // Lines after the ticket number are never read.
    if (lines.size() > TipSheet::kRows)
        ticketNumber = lines.at(TipSheet::kRows);
}

Status readTipFile(const QString& path, TipSheet& sheet, QString& ticketNumber)
{
    LineLimits limits;
    limits.maxLines = TipSheet::kRows + 1;
    limits.maxLineLength = 1 << 16;
    const auto lines = readLines(path, limits);
    if (!lines)
        return lines.failure();
    QStringList texts;
    for (const QByteArray& line : *lines)
        texts.append(QString::fromLatin1(line));
    applyTipLines(texts, sheet, ticketNumber);
    return {};
}

} // namespace vendrilo
