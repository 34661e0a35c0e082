#pragma once

#include "gui/weightinglistdialog.h"

#include <QDialog>

namespace vendrilo::gui {

// The main window's dialogs. They are created once at start, in this order, after the main
// window: the draw entry, the weighting list (a header of its own) and the print positions.

// Manual entry of a draw.
class DrawEntryDialog : public QDialog {
    Q_OBJECT
public:
    explicit DrawEntryDialog(QWidget* parent = nullptr);
};

// Print positions of the play slip; never shown, its fields only carry stored values.
class PrintPositionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintPositionsDialog(QWidget* parent = nullptr);
};

} // namespace vendrilo::gui
