// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/wheelactions.h"

#include "core/io/atomicfile.h"
#include "core/program/moneyactions.h"
#include "core/tipfiles/tipfile.h"
#include "core/texts/textlist.h"

#include <QFileInfo>
#include <QLocale>

#include <set>

namespace vendrilo {

using wheels::checkWheel;
using wheels::Wheel;

namespace {
} // namespace

std::optional<Money> wheelCost(std::size_t rows, const InternetOptions& internet)
{
    const auto price = ticketPrices(internet).row;
    if (!price)
        return std::nullopt;
    return *price * static_cast<qint64>(rows);
}

QString zlotyText(Money amount)
{
    // German like the rest of the window; a cost is never negative.
    const QLocale german(QLocale::German);
    return german.toString(amount.grosze / 100) + german.decimalPoint() +
           QStringLiteral("%1").arg(amount.grosze % 100, 2, 10, QLatin1Char('0'));
}

std::vector<int> sheetNumbers(const TipSheet& sheet)
{
    std::set<int> numbers;
    for (int r = 1; r <= TipSheet::kRows; ++r)
        for (const QString& field : sheet.fields(r))
            if (!field.isEmpty())
                numbers.insert(field.toInt());
    return {numbers.begin(), numbers.end()};
}

int putWheelRowsOnSheet(TipSheet& sheet, const Wheel& wheel, int first)
{
    if (!checkWheel(wheel).passed || first < 0)
        return first;
    std::size_t next = static_cast<std::size_t>(first);
    for (int r = 1; r <= TipSheet::kRows; ++r) {
        if (sheet.locked(r))
            continue;
        if (next < wheel.rows.size()) {
            sheet.setRow(r, wheel.rows[next++]);
        } else {
            for (int p = 1; p <= TipSheet::kPositions; ++p)
                sheet.setField(r, p, {});
        }
    }
    return next >= wheel.rows.size() ? 0 : static_cast<int>(next);
}

QStringList wheelTipFilePaths(const QString& chosenPath, int rows)
{
    const int files = (rows + TipSheet::kRows - 1) / TipSheet::kRows;
    if (files <= 1)
        return {chosenPath};
    const QFileInfo info(chosenPath);
    const QString stem = info.path() + u'/' + info.completeBaseName();
    const QString suffix = info.suffix().isEmpty() ? kTipFileExtension : info.suffix();
    const int width = static_cast<int>(QString::number(files).size());
    QStringList paths;
    for (int f = 1; f <= files; ++f)
        paths << QStringLiteral("%1-%2.%3").arg(stem).arg(f, width, 10, QChar(u'0')).arg(suffix);
    return paths;
}

Result<QStringList> saveWheelTipFiles(const QString& chosenPath, const Wheel& wheel)
{
    if (!checkWheel(wheel).passed)
        return Error{text(Text::WheelNotChecked)};
    const QStringList paths = wheelTipFilePaths(chosenPath, static_cast<int>(wheel.rows.size()));
    for (qsizetype f = 0; f < paths.size(); ++f) {
        TipSheet sheet;
        for (int r = 1; r <= TipSheet::kRows; ++r) {
            const auto index = static_cast<std::size_t>(f * TipSheet::kRows + r - 1);
            if (index < wheel.rows.size())
                sheet.setRow(r, wheel.rows[index]);
        }
        if (const Status saved = saveTipFile(paths[f], sheet, {}); !saved)
            return saved.failure();
    }
    return paths;
}

QStringList wheelPrintoutLines(const QString& title, const Wheel& wheel)
{
    QStringList lines{title, QString(46, u'~'), QString()};
    int number = 0;
    for (const wheels::WheelRow& row : wheel.rows) {
        QString line = QStringLiteral("%1.").arg(++number, 5);
        for (const int n : row)
            line += QStringLiteral("%1").arg(n, 4);
        lines << line;
    }
    return lines;
}

Result<QString> writeWheelPrintout(const ProgramState& state, const QString& title,
                                   const Wheel& wheel)
{
    if (!checkWheel(wheel).passed)
        return Error{text(Text::WheelNotChecked)};
    const QString path = state.programFolder + QStringLiteral("System.txt");
    if (const Status written = writeTextLines(path, wheelPrintoutLines(title, wheel)); !written)
        return written.failure();
    return path;
}

} // namespace vendrilo
