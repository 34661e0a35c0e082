// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QSpinBox;

namespace vendrilo::gui {

class LedgerKeeper;

// Under the sheet: "Spielen" records the sheet's complete rows as a ticket in the ledger, for
// the number of consecutive draws beside it.
class PlayPanel : public QWidget {
    Q_OBJECT
public:
    PlayPanel(LedgerKeeper& keeper, QWidget* parent);

    int draws() const;

private:
    LedgerKeeper& m_keeper;
    QSpinBox* m_draws = nullptr;
};

} // namespace vendrilo::gui
