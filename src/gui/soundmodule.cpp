// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/soundmodule.h"

#include "gui/modulefolders.h"

#include <QObject>

#include <cstdio>

namespace vendrilo::gui {

QObject* makeSoundPlayer(QObject* parent)
{
    using Make = QObject* (*)(QObject*);
    QString problem;
    if (auto make = reinterpret_cast<Make>(resolveModuleEntry(QStringLiteral("vendrilo-sound"),
                                                              "vendriloMakeSoundPlayer", &problem)))
        return make(parent);
    static bool told = false;
    if (!told)
        std::fprintf(stderr, "vendrilo: no hit sound: %s\n", qPrintable(problem));
    told = true;
    return nullptr;
}

} // namespace vendrilo::gui
