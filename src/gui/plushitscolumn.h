// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QCheckBox;
class QGridLayout;
class QLabel;
class QWidget;

namespace vendrilo::gui {

class Session;

// The sheet played with Plus: the box "mit Plus" below the sheet and, while it is ticked, a
// column beside the rows with each row's hits in the other draw of the evening ("Plus: 3" beside
// the hits in Lotto; "Lotto: 2" while Lotto Plus is the game shown).
class PlusHitsColumn : public QObject {
public:
    // The labels go into `column` of the sheet's grid, one per row, the box below them.
    PlusHitsColumn(Session& session, QWidget* sheet, QGridLayout* grid, int column);

private:
    void showHits();

    Session& m_session;
    QCheckBox* m_withPlus = nullptr;
    QLabel* m_hits[12] = {};
};

} // namespace vendrilo::gui
