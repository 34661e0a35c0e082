// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/soundmodule.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QObject>

#include <cstdio>

namespace vendrilo::gui {

QObject* makeSoundPlayer(QObject* parent)
{
    using Make = QObject* (*)(QObject*);
    const QString programs = QCoreApplication::applicationDirPath();
    QString problem;
    for (const QString& folder :
         {programs, programs + QStringLiteral("/../" VENDRILO_INSTALL_LIBDIR "/vendrilo")}) {
        QLibrary module(folder + QStringLiteral("/vendrilo-sound"));
        if (auto make = reinterpret_cast<Make>(module.resolve("vendriloMakeSoundPlayer")))
            return make(parent);
        if (problem.isEmpty())
            problem = module.errorString();
    }
    static bool told = false;
    if (!told)
        std::fprintf(stderr, "vendrilo: no hit sound: %s\n", qPrintable(problem));
    told = true;
    return nullptr;
}

} // namespace vendrilo::gui
