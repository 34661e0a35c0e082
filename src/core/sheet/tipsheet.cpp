// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sheet/tipsheet.h"

namespace vendrilo {

QString normalise(const QString& text)
{
    const auto value = parseInteger(text);
    if (!value || *value <= 0 || *value >= 50)
        return {};
    return QString::number(*value);
}

QString TipSheet::setField(int row, int position, const QString& text)
{
    QString& f = at(row).fields.at(static_cast<std::size_t>(position - 1));
    f = normalise(text);
    return f;
}

const QString& TipSheet::field(int row, int position) const
{
    return at(row).fields.at(static_cast<std::size_t>(position - 1));
}

void TipSheet::setRow(int row, const std::array<int, kPositions>& numbers)
{
    for (int p = 1; p <= kPositions; ++p)
        setField(row, p, QString::number(numbers[static_cast<std::size_t>(p - 1)]));
}

QString TipSheet::rowString(int row) const
{
    const auto& f = at(row).fields;
    QString s = f[0];
    for (std::size_t p = 1; p < f.size(); ++p)
        s += QLatin1Char(',') + f[p];
    return s;
}

std::optional<std::array<int, TipSheet::kPositions>> TipSheet::numbers(int row) const
{
    std::array<int, kPositions> result{};
    for (std::size_t p = 0; p < result.size(); ++p) {
        const auto value = parseInteger(at(row).fields[p]);
        if (!value)
            return std::nullopt;
        result[p] = *value;
    }
    return result;
}

void TipSheet::clearUnlocked()
{
    for (Row& r : m_rows) {
        if (r.locked)
            continue;
        for (QString& f : r.fields)
            f.clear();
        r.hitsLabel.clear();
        r.crossSumLabel.clear();
    }
}

} // namespace vendrilo
