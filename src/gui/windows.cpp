// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/windows.h"

#include "gui/dialogs.h"
#include "gui/mainwindow.h"

namespace vendrilo::gui {

Windows createWindows()
{
    return createWindows(MainWindowSetup{});
}

Windows createWindows(MainWindowSetup setup)
{
    Windows w;
    const bool later = setup.laterPagesAfterFirstPaint;
    w.main = std::make_unique<MainWindow>(std::move(setup));
    // The entry form and the weighting list come with the later pages then.
    if (!later) {
        w.drawEntry = new DrawEntryDialog(w.main.get());
        w.weightingList = new WeightingListDialog(w.main.get());
    }
    w.printPositions = new PrintPositionsDialog(w.main.get());
    w.main->setPrintPositionsDialog(w.printPositions);
    return w;
}

} // namespace vendrilo::gui
