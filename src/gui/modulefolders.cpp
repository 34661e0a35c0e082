// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/modulefolders.h"

#include <QCoreApplication>
#include <QLibrary>

namespace vendrilo::gui {

QStringList moduleFolders()
{
    const QString programs = QCoreApplication::applicationDirPath();
    return {programs, programs + QStringLiteral("/../" VENDRILO_INSTALL_LIBDIR "/vendrilo")};
}

QFunctionPointer resolveModuleEntry(const QString& name, const char* entry, QString* problem,
                                    const QStringList& folders)
{
    for (const QString& folder : folders) {
        QLibrary module(folder + QLatin1Char('/') + name);
        if (const QFunctionPointer function = module.resolve(entry))
            return function;
        if (problem->isEmpty())
            *problem = module.errorString();
    }
    return nullptr;
}

} // namespace vendrilo::gui
