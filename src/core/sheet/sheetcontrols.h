// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vendrilo {

// Control names of the tip sheet, row by row: the language files and the settings store know the
// fields by them (the numbering skips Edit37..42 and Edit55, which belong to generator options).
struct SheetRowNames {
    const char* rowLabel;
    int firstEdit;
    const char* hitsLabel;
    const char* crossSumLabel;
};

inline constexpr SheetRowNames kSheetRows[12] = {
    {"Label28", 1, "Label22", "Label36"},  {"Label30", 7, "Label23", "Label37"},
    {"Label31", 13, "Label24", "Label38"}, {"Label32", 19, "Label25", "Label39"},
    {"Label33", 25, "Label26", "Label40"}, {"Label34", 31, "Label27", "Label41"},
    {"Label46", 43, "Label45", "Label49"}, {"Label48", 49, "Label47", "Label50"},
    {"Label62", 56, "Label65", "Label67"}, {"Label61", 62, "Label66", "Label68"},
    {"Label63", 68, "Label69", "Label71"}, {"Label64", 74, "Label70", "Label72"},
};

// The name of the field at row r, position p (both from 1): "Edit1" .. "Edit79".
inline QString sheetFieldName(int row, int position)
{
    return QStringLiteral("Edit%1").arg(kSheetRows[row - 1].firstEdit + position - 1);
}

} // namespace vendrilo
