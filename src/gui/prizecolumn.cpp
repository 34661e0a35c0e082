// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/prizecolumn.h"

#include "core/money/money.h"
#include "core/program/moneyactions.h"
#include "gui/controls.h"
#include "gui/session.h"
#include "gui/sheetpage.h"

#include <QGridLayout>
#include <QLabel>

namespace vendrilo::gui {

namespace {

QString amountText(const std::optional<Money>& amount)
{
    return amount ? formatZloty(*amount) : QStringLiteral("?");
}

QLabel* captionedLabel(QWidget* parent, const char* name, const QString& caption,
                       const QString& hint)
{
    QLabel* label = namedLabel(parent, name);
    // The program writes the amount behind the caption; a language sets the caption.
    label->setProperty(kCaptionPrefix, caption);
    label->setToolTip(hint);
    return label;
}

} // namespace

PrizeColumn::PrizeColumn(Session& session, SheetPage& page, QGridLayout* grid, int column,
                         int summaryRow)
    : QObject(&page), m_session(session)
{
    QWidget* sheet = grid->parentWidget();
    for (int r = 1; r <= 12; ++r) {
        QLabel* prize = namedLabel(sheet, qPrintable(QStringLiteral("Gewinn%1").arg(r)));
        prize->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_prizes[static_cast<std::size_t>(r - 1)] = prize;
        grid->addWidget(prize, r - 1, column);
        for (int p = 1; p <= 6; ++p)
            connect(page.field(r, p), &QLineEdit::textChanged, this, &PrizeColumn::showPrizes);
    }
    m_stake = captionedLabel(sheet, "EinsatzLabel", QStringLiteral("Einsatz: "),
                             QStringLiteral("Was die vollständigen Tipps kosten: Tipps mal "
                                            "Preis einer Reihe (Internet-Optionen)"));
    m_won = captionedLabel(sheet, "GewinnLabel", QStringLiteral("Gewonnen: "),
                           QStringLiteral("Was die Tipps in der angezeigten Ziehung gewonnen "
                                          "haben; ? wo eine Quote nicht bekannt ist"));
    auto* summary = new QHBoxLayout;
    summary->addWidget(m_stake);
    summary->addStretch(1);
    summary->addWidget(m_won);
    grid->addLayout(summary, summaryRow, 0, 1, column + 1);
    connect(&session, &Session::sheetChanged, this, &PrizeColumn::showPrizes);
    connect(&session, &Session::shownDrawChanged, this, &PrizeColumn::showPrizes);
    connect(&session, &Session::internetChanged, this, &PrizeColumn::showPrizes);
    connect(&session, &Session::moneyFiguresWanted, this, &PrizeColumn::showPrizes);
}

void PrizeColumn::setPlayedWithPlus(bool withPlus)
{
    m_withPlus = withPlus;
    showPrizes();
}

void PrizeColumn::showPrizes()
{
    if (!m_session.moneyFiguresShown())
        return;
    const ProgramState& state = m_session.state();
    const PayoutTable& payouts = m_session.payoutTable();
    const auto prizes = shownDrawPrizes(state, m_withPlus, payouts);
    for (QLabel* label : m_prizes)
        label->clear();
    const bool show = prizes && !prizes->rows.empty() && state.shown.date != 0;
    m_stake->setVisible(show);
    m_won->setVisible(show);
    if (!prizes)
        m_session.setStatusText(1, prizes.error());
    if (!show)
        return;
    for (const RowPrize& row : prizes->rows) {
        QString text = amountText(row.prize);
        if (row.plusHits)
            text += QStringLiteral(" + ") + amountText(row.plusPrize);
        m_prizes[static_cast<std::size_t>(row.row - 1)]->setText(text);
    }
    m_stake->setText(m_stake->property(kCaptionPrefix).toString() + amountText(prizes->stake));
    m_won->setText(m_won->property(kCaptionPrefix).toString() + formatZloty(prizes->won) +
                   (prizes->wonComplete ? QString() : QStringLiteral(" + ?")));
}

} // namespace vendrilo::gui
