// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sheet/singletip.h"

#include "core/texts/integers.h"

namespace vendrilo {

std::vector<int> numbersToMark(const RowFields& fields)
{
    std::vector<int> numbers;
    for (const QString& text : fields) {
        const auto n = parseInteger(text);
        if (!n || *n < 1 || *n > 49)
            break;
        numbers.push_back(*n);
    }
    return numbers;
}

RowFields fieldsFromTicked(const RowFields& fields, const std::vector<int>& tickedAscending)
{
    RowFields row = fields;
    for (std::size_t i = 0; i < row.size() && i < tickedAscending.size(); ++i)
        row[i] = QString::number(tickedAscending[i]);
    return row;
}

} // namespace vendrilo
