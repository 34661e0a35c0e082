// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"
#include "core/program/settingsschema.h"

#include <QSettings>

#include <map>
#include <memory>

namespace vendrilo {

// The per-user settings store: organisation "Quirlend", application "Pelvano" in the native place
// (the registry on Windows, an INI file under the user's config folder elsewhere), or an INI
// file at a given path (tests). A file holding values that Vendrilo never writes and QSettings
// would rebuild from binary data is first made safe (core/io/iniguard.h); `notice` then gets
// what was done, for the user.
std::unique_ptr<QSettings> openSettings(const QString& iniPath = {}, QString* notice = nullptr);

// A stored value the restore did not take, because an unreadable value before it ended the
// restore or skipped its group: what the store holds, and what the program started with instead.
// Closing writes the stored value back unless the user has set another since, so that one
// damaged value never wipes the others.
struct UnreadValue {
    QVariant stored;
    QVariant startedWith;
};
using UnreadSettings = std::map<QString, UnreadValue>;

struct RestoreOutcome {
    // A value read outside a group could not be read: the restore stopped there.
    bool aborted = false;
    QString message;
    QStringList skippedGroups; // groups left at their defaults from a failed value on
    UnreadSettings unread;
};

// Reads every value in the restore order into the state and the window's size; a missing value
// keeps the design default. A value that cannot be read as its type skips the rest of its
// group (or has its own fallback); numbers are clamped as their controls clamp them.
RestoreOutcome restoreSettings(const QSettings& store, ProgramState& state, WindowSize& window);

// Writes every value in the save order and makes the store durable in one step (the INI file is
// replaced by a rename, so a program killed while saving leaves the previous settings whole).
// Values the restore left unread are written as the store held them, unless changed since.
Status saveSettings(QSettings& store, const ProgramState& state, const WindowSize& window,
                    const UnreadSettings& unread = {});

// Writes the tip sheet and its ticket number only, leaving every other stored value as it is:
// what a batch import stores.
Status saveSheetSettings(QSettings& store, const ProgramState& state);

// What start-up does after the restore: the statistics start goes back to its minimum when it
// lies within the last seven days or later, and an empty proxy host gets the port "80".
void settleRestoredSettings(ProgramState& state, double today);

} // namespace vendrilo
