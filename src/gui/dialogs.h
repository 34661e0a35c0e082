#pragma once

#include <QDialog>

namespace vendrilo::gui {

// The main window's dialogs. They are created once at start, in this order, after the main
// window; their content grows with the features that use them.

// Manual entry of a draw.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};

// The number weighting list.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
};

// Print positions of the play slip; never shown, its fields only carry stored values.
class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);
};

} // namespace vendrilo::gui
