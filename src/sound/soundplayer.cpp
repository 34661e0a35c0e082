// SPDX-License-Identifier: GPL-3.0-or-later
// The player the window's hit sound is played with, made when it is first needed
// (gui/soundmodule.cpp loads this module then).
#include <QSoundEffect>

extern "C" Q_DECL_EXPORT QObject* vendriloMakeSoundPlayer(QObject* parent)
{
    return new QSoundEffect(parent);
}
