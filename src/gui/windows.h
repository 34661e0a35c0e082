// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace vendrilo::gui {

class MainWindow;
class DrawEntryDialog;
class WeightingListDialog;
class PrintPositionsDialog;

// The program's windows, created in a fixed order: the main window first, then its dialogs.
// Each lives until the program ends.
struct Windows {
    std::unique_ptr<MainWindow> main;
    DrawEntryDialog* drawEntry = nullptr; // owned by the main window
    WeightingListDialog* weightingList = nullptr;
    PrintPositionsDialog* printPositions = nullptr;
};

struct MainWindowSetup;

Windows createWindows(MainWindowSetup setup);
Windows createWindows();

} // namespace vendrilo::gui
