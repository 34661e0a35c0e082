// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;

namespace vendrilo::gui {

// A player for the hit sound from the sound module, which is loaded on the first call (beside
// the program, or in its installed library folder): a QSoundEffect, driven through its property
// "source" and its slots "stop" and "play". Null when the module cannot be loaded; then nothing
// is played, as without a sound device, and stderr says why once.
QObject* makeSoundPlayer(QObject* parent);

} // namespace vendrilo::gui
