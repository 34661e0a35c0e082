#include "core/tipfiles/tipfile.h"

#include "core/app/atomicfile.h"
#include "core/app/programstate.h"
#include "core/draws/dates.h"

#include <QFile>
#include <cmath>

namespace vendrilo {

QByteArray tipFileBytes(const TipSheet& sheet, const QString& LosNr)
{
    // The content is digits and commas; Latin-1 is the 8-bit code page that maps every byte
    // the same on every platform.
    QByteArray bytes;
    for (int r = 1; r <= TipSheet::kRows; ++r)
        bytes += sheet.rowString(r).toLatin1() + "\r\n";
    bytes += LosNr.toLatin1() + "\r\n";
    return bytes;
}

std::optional<QString> saveTipFile(const QString& path, const TipSheet& sheet, const QString& LosNr)
{
    return writeFileAtomically(path, tipFileBytes(sheet, LosNr));
}

QString proposedTipFileName(double shownDate, double todayDay)
{
    double proposed;
    switch (weekday(shownDate)) {
    case 7:
        proposed = shownDate + 3;
        break; // Sunday -> Wednesday
    case 3:
        proposed = shownDate + 3;
        break; // Wednesday -> Saturday
    case 6:
        proposed = shownDate + 4;
        break; // Saturday -> Wednesday
    default:
        proposed = todayDay;
        break;
    }
    return dateFromDay(std::round(proposed)).toString(QStringLiteral("yyyyMMdd")) +
           QLatin1Char('.') + kTipFileExtension;
}

QStringList textLines(const QByteArray& bytes)
{
    QStringList lines;
    const QString text = QString::fromLatin1(bytes);
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            ++i;
            if (c == QLatin1Char('\r') && i < text.size() && text[i] == QLatin1Char('\n'))
                ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

void applyTipLines(const QStringList& lines, TipSheet& sheet, QString& LosNr)
{
    for (int r = 1; r <= TipSheet::kRows && r <= lines.size(); ++r) {
        QString s = lines.at(r - 1);
        for (int p = 1; p <= 5; ++p) {
            const qsizetype comma = s.indexOf(QLatin1Char(','));
            if (comma >= 0) {
                sheet.setField(r, p, s.left(comma));
                s = s.mid(comma + 1);
            } else {
                sheet.setField(r, p, QString());
            }
        }
        const qsizetype colon = s.indexOf(QLatin1Char(':'));
        sheet.setField(r, 6, colon >= 0 ? s.left(colon) : s);
    }
    // Lines after the ticket number are never read.
    if (lines.size() > TipSheet::kRows)
        LosNr = lines.at(TipSheet::kRows);
}

TextladenResult Textladen(ProgramState& state, const QString& Dateiname)
{
    TextladenResult result;
    result.clearing = SpeedButton11Click(state);
    QFile file(Dateiname);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    // Only the first thirteen lines count; a large file chosen by mistake is not read whole.
    QByteArray bytes;
    while (!file.atEnd() && textLines(bytes).size() <= TipSheet::kRows + 1) {
        const QByteArray chunk = file.read(1 << 16);
        if (chunk.isEmpty() && file.error() != QFileDevice::NoError) {
            result.error = file.errorString();
            return result;
        }
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    applyTipLines(textLines(bytes), state.sheet, state.LosNr);
    return result;
}

} // namespace vendrilo
