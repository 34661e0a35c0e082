// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QCheckBox;
class QGridLayout;
class QDateEdit;
class QLabel;

namespace vendrilo::gui {

class Session;

// The "Datenbank" tab: the draw for a chosen date, which also ends the statistics period, and
// the buttons of the charts over the whole period.
class DatabasePage : public QWidget {
    Q_OBJECT
public:
    DatabasePage(Session& session, QWidget* parent);

private:
    QWidget* buildAnalyses();
    void addHistoryButtons(QGridLayout* grid);
    void showOptions();
    void showDraw();
    void showPeriod();

    Session& m_session;
    QLabel* m_drawLine = nullptr;
    QDateEdit* m_chosenDate = nullptr;
    QCheckBox* m_recomputeAfterThree = nullptr;
};

} // namespace vendrilo::gui
