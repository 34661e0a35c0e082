// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/programstate.h"

#include "core/draws/drawfile.h"

namespace vendrilo {

QString ProgramState::drawPathOf(Game which) const
{
    if (which == game && !drawFileName.isEmpty())
        return drawfile::pathIn(programFolder, drawFileName);
    return drawfile::pathIn(programFolder, QString::fromLatin1(gameInfo(which).drawFileName));
}

double resetRecentStatisticsStart(double start, double today)
{
    return start > today - 7 ? kPickerMinDate : start;
}

} // namespace vendrilo
