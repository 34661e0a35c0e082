// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace vendrilo::gui {

// Where the window looks for the modules it loads when first needed (the sound, the network):
// beside the program, then in its installed library folder.
QStringList moduleFolders();

// The function `entry` of the module `name` (its file name without the suffix), from the first
// of `folders` that has it. Null when none has; `problem` then tells why the first failed.
QFunctionPointer resolveModuleEntry(const QString& name, const char* entry, QString* problem,
                                    const QStringList& folders = moduleFolders());

} // namespace vendrilo::gui
