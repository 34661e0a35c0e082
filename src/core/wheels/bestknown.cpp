// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wheels/bestknown.h"

#include <QStringList>

namespace vendrilo::wheels {

Result<KnownCoverings> parseKnownCoverings(const QString& csv)
{
    KnownCoverings table;
    const QStringList lines = csv.split(u'\n', Qt::SkipEmptyParts);
    if (lines.isEmpty() || lines.front().trimmed() != QLatin1String("v,k,t,best_known,lower_bound"))
        return Error{QStringLiteral("no header \"v,k,t,best_known,lower_bound\""),
                     ErrorKind::Damaged};
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].trimmed().split(u',');
        int values[5] = {};
        bool ok = fields.size() == 5;
        for (int f = 0; ok && f < 5; ++f)
            values[f] = fields[f].toInt(&ok);
        if (!ok || values[1] != 6 || values[3] < values[4] || values[4] < 1)
            return Error{QStringLiteral("line %1: not a design with k = 6").arg(i + 1),
                         ErrorKind::Damaged};
        table[{values[0], values[2]}] = {values[3], values[4]};
    }
    return table;
}

} // namespace vendrilo::wheels
