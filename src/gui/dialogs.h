#pragma once

#include <QDialog>

namespace vendrilo::gui {

// The main window's dialogs. They are created once at start, in this order, after the main
// window; their content grows with the features that use them.

// Manual entry of a draw.
class DrawEntryDialog : public QDialog {
    Q_OBJECT
public:
    explicit DrawEntryDialog(QWidget* parent = nullptr);
};

// The number weighting list.
class WeightingListDialog : public QDialog {
    Q_OBJECT
public:
    explicit WeightingListDialog(QWidget* parent = nullptr);
};

// Print positions of the play slip; never shown, its fields only carry stored values.
class PrintPositionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintPositionsDialog(QWidget* parent = nullptr);
};

} // namespace vendrilo::gui
