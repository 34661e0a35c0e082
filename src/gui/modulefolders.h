// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace vendrilo::gui {

// Where the window looks for the modules it loads when first needed (the sound, the network):
// beside the program, then in its installed library folder.
QStringList moduleFolders();

} // namespace vendrilo::gui
