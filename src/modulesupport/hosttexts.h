// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/texts/textlist.h"

namespace vendrilo {

// A module the window loads when first needed (the network's, the charts') shows the window's
// texts in the language shown: the window hands it these, and the module's own text() and
// fillIn() (hosttexts.cpp, compiled into each module instead of the core's) ask them.
struct ModuleTextHost {
    QString (*text)(Text id);
    QString (*fillIn)(const QString& pattern, const QStringList& values);
};

// The window's side: its own texts, for every module it loads.
inline const ModuleTextHost* windowTextsForModules()
{
    static const ModuleTextHost host{&text, &fillIn};
    return &host;
}

// The module's side: where its texts come from from now on; `host` must outlive the module's
// use of them.
void useHostTexts(const ModuleTextHost* host);

} // namespace vendrilo
