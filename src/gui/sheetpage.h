// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace vendrilo::gui {

class Session;

// The "Lottotipp" tab: the shown draw with its arrows, the twelve tip rows with their locks and
// result labels, the actions on the sheet, and the banner.
class SheetPage : public QWidget {
    Q_OBJECT
public:
    SheetPage(Session& session, QWidget* parent);

    QLineEdit* field(int row, int position) const { return m_fields[row - 1][position - 1]; }
    // The file dialogs of "Speichern" and "Laden".
    void chooseFileToSave();
    void chooseFileToLoad();

Q_SIGNALS:
    void productPageWanted();
    // The button beside row `row` (1..12): the row is to be edited in the single-tip form.
    void singleTipWanted(int row);

private:
    QWidget* buildDrawPanel();
    QWidget* buildSheet();
    QWidget* buildActions();
    QLayout* buildRowCount();
    QWidget* buildBanner();
    void buildRow(QWidget* sheet, int row);
    void acceptTyping(int row, int position);

    void showDraw();
    void showSheet();
    void showRowCount();
    void showRunning(bool running);

    Session& m_session;
    QToolButton* m_previousDraw = nullptr;
    QToolButton* m_nextDraw = nullptr;
    QLabel* m_drawLine = nullptr;
    QLabel* m_crossSum = nullptr;
    QLineEdit* m_fields[12][6] = {};
    QLabel* m_rowLabels[12] = {};
    QLabel* m_hitsLabels[12] = {};
    QLabel* m_crossSumLabels[12] = {};
    QLabel* m_ticket = nullptr;
    QSpinBox* m_rowCount = nullptr;
    QPushButton* m_startButton = nullptr;
    QString m_startCaption;             // the start button's caption while it offers to stop
    QList<QWidget*> m_idleOnlyControls; // disabled while a run changes the sheet
};

} // namespace vendrilo::gui
