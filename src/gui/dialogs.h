// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/weightinglistdialog.h"

#include "core/draws/drawrecord.h"

#include <QDialog>

#include <array>

class QDateEdit;
class QLabel;
class QSpinBox;

namespace vendrilo::gui {

// The main window's dialogs. They are created once at start, in this order, after the main
// window: the draw entry, the weighting list (a header of its own) and the print positions.

// Manual entry of a draw.
class DrawEntryDialog : public QDialog {
    Q_OBJECT
public:
    explicit DrawEntryDialog(QWidget* parent = nullptr);

    // Fills the fields from the draw the entry starts from; what the dialog does not show
    // (Superzahl, the extra games) is carried over from it unchanged.
    void showRecord(const DrawRecord& from);
    // The draw as the fields hold it.
    DrawRecord enteredRecord() const;
    // Why OK is refused (a number standing twice); empty when the entry can be stored.
    QString problem() const;

    // OK: only six different numbers are taken.
    void accept() override;
    // The title, the calendar's names and the note in the language of the texts.
    void showFixedTexts();

private:
    DrawRecord m_from;
    QDateEdit* m_date = nullptr;
    std::array<QSpinBox*, 6> m_numbers{};
    QSpinBox* m_bonus = nullptr;
    QLabel* m_problem = nullptr;
};

// Print positions of the play slip; never shown, its fields only carry stored values.
class PrintPositionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintPositionsDialog(QWidget* parent = nullptr);
};

} // namespace vendrilo::gui
