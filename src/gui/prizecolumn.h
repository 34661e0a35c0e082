// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once


#include <QObject>

#include <array>

class QGridLayout;
class QLabel;
class QWidget;

namespace vendrilo::gui {

class Session;
class SheetPage;

// The sheet in money: beside each row's hits the prize it won against the shown draw (and the
// Lotto Plus draw of the evening when the sheet is played with Plus), under the rows the
// sheet's stake and what it won; "?" where a shared class's amount is not known.
class PrizeColumn : public QObject {
    Q_OBJECT
public:
    // The prize labels go into column `column` of the sheet's grid, the stake and the winnings
    // into its row `summaryRow`.
    PrizeColumn(Session& session, SheetPage& page, QGridLayout* grid, int column, int summaryRow);

    // The sheet is played with Lotto Plus.
    void setPlayedWithPlus(bool withPlus);

private:
    void showPrizes();

    Session& m_session;
    std::array<QLabel*, 12> m_prizes{};
    QLabel* m_stake = nullptr;
    QLabel* m_won = nullptr;
    bool m_withPlus = false;
};

} // namespace vendrilo::gui
