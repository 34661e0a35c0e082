// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/programstate.h"

#include "core/draws/drawfile.h"

namespace vendrilo {

QString ProgramState::drawPath() const
{
    return drawfile::pathIn(programFolder, drawFileName);
}

double resetRecentStatisticsStart(double start, double today)
{
    return start > today - 7 ? kPickerMinDate : start;
}

} // namespace vendrilo
