// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/playpanel.h"

#include "core/ledger/ticket.h"
#include "gui/controls.h"
#include "gui/ledgerkeeper.h"
#include "gui/session.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vendrilo::gui {

PlayPanel::PlayPanel(LedgerKeeper& keeper, QWidget* parent) : QWidget(parent), m_keeper(keeper)
{
    setObjectName(QStringLiteral("LedgerPlayPanel"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    auto* play = pushButton(this, "LedgerPlay", QStringLiteral("Spielen"),
                            QStringLiteral("Die vollständigen Reihen des Tippscheins als "
                                           "gespielten Schein ins Konto eintragen"));
    m_draws = new QSpinBox(this);
    m_draws->setObjectName(QStringLiteral("LedgerDraws"));
    m_draws->setRange(1, ledger::kMaxDraws);
    m_draws->setToolTip(QStringLiteral("An wie vielen Ziehungen hintereinander der Schein "
                                       "teilnimmt"));
    play->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    column->addWidget(play);
    row->addWidget(namedLabel(this, "LedgerDrawsLabel", QStringLiteral("Ziehungen:")), 1);
    row->addWidget(m_draws);
    column->addLayout(row);
    // With or without Plus as the sheet's "mit Plus" box says.
    connect(play, &QPushButton::clicked, this,
            [this] { m_keeper.playSheet(m_keeper.session().state().withPlus, draws()); });
    // A run fills the sheet row by row: what it shows is no ticket yet.
    connect(&m_keeper.session(), &Session::generationRunningChanged, play,
            [play](bool running) { play->setEnabled(!running); });
    connect(&m_keeper, &LedgerKeeper::ticketOpened, this,
            [this](int draws, bool) { m_draws->setValue(draws); });
}

int PlayPanel::draws() const
{
    return m_draws->value();
}

} // namespace vendrilo::gui
