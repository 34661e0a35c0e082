// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/program/programstate.h"

#include <QVariant>

#include <functional>
#include <vector>

namespace vendrilo {

// The main window's size as the settings carry it; a window that is not in its normal state
// (maximised, minimised) leaves the stored size as it was.
struct WindowSize {
    int width = 800;
    int height = 600;
    bool normal = true;
};

// How a value is kept in the store: bools as the integers 0 and 1, dates as the 8 bytes of a
// little-endian double (days since 30.12.1899).
enum class StoredType { Bool, Int, String, Date };

// One value of the settings store: its name (as stored files have it, the misspelt "Chekcbox"
// included), its type, the group whose rest a read error skips (0: outside any group, where a
// read error ends the restore) and its place in the save order. One entry drives both
// directions, so the two can never drift apart.
struct StoredSetting {
    QString name;
    StoredType type;
    char group;
    int saveStep;
    // The value to save (an invalid one is not saved), and the value read back, of its type.
    std::function<QVariant(const ProgramState&, const WindowSize&)> get;
    std::function<void(ProgramState&, WindowSize&, const QVariant&)> set;
    // What a value that cannot be read as its type does instead of skipping the group, given
    // what the store holds under the name.
    std::function<void(ProgramState&, const QVariant& stored)> onReadError = {};
    // A step of the restore that reads nothing (the entry has no name and is never saved).
    std::function<void(ProgramState&)> rule = {};
    // Part of the tip sheet (its fields and the ticket number): all that a batch import stores.
    bool sheet = false;
};

// Every value, in the order start-up reads them.
const std::vector<StoredSetting>& storedSettings();

} // namespace vendrilo
