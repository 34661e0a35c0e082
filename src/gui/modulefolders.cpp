// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/modulefolders.h"

#include <QCoreApplication>

namespace vendrilo::gui {

QStringList moduleFolders()
{
    const QString programs = QCoreApplication::applicationDirPath();
    return {programs, programs + QStringLiteral("/../" VENDRILO_INSTALL_LIBDIR "/vendrilo")};
}

} // namespace vendrilo::gui
