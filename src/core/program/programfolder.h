// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vendrilo {

// Where the program keeps its files (draw file, tip files, language files, the manual, the
// print-out). Beside the executable when that folder can be written, as in a copy unpacked
// anywhere. An installed program lives in a folder only root may write (/usr/bin): then the
// user's own data folder is the program folder, filled on its first use from the installed data
// (language files, sound, manual) without ever overwriting what the user has there; the draw
// history is written by the first start as always.
// A copy whose folder has become read-only (no write permission, a read-only medium) moves to
// the user's folder too: the draw files found beside it go along, so that no draw is lost to a
// fresh copy of the shipped history, and `notice` gets a word for the user naming both folders.
QString chooseProgramFolder(const QString& executableFolder, const QString& userDataFolder,
                            const QString& installedDataFolder, QString* notice = nullptr);

// The same for the running program: its executable's folder, the user's data folder of
// "Vendrilo", and the installed data in ../share/vendrilo beside the executable's folder.
QString programFolderOfThisProgram(QString* notice = nullptr);

} // namespace vendrilo
