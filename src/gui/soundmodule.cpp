// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/soundmodule.h"

#include "gui/modulefolders.h"

#include <QLibrary>
#include <QObject>

#include <cstdio>

namespace vendrilo::gui {

QObject* makeSoundPlayer(QObject* parent)
{
    using Make = QObject* (*)(QObject*);
    QString problem;
    for (const QString& folder : moduleFolders()) {
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
