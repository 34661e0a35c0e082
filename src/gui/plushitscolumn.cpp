// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/plushitscolumn.h"

#include "gui/controls.h"
#include "gui/session.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace vendrilo::gui {

PlusHitsColumn::PlusHitsColumn(Session& session, QWidget* sheet, QGridLayout* grid, int column)
    : QObject(sheet), m_session(session)
{
    for (int r = 1; r <= 12; ++r) {
        QLabel* label = namedLabel(sheet, qPrintable(QStringLiteral("PlusHits%1").arg(r)));
        label->setProperty(kShowsValue, true);
        label->setMinimumWidth(50);
        grid->addWidget(label, r - 1, column);
        m_hits[r - 1] = label;
    }
    m_withPlus = new QCheckBox(QStringLiteral("mit Plus"), sheet);
    m_withPlus->setObjectName(QStringLiteral("WithPlusBox"));
    m_withPlus->setToolTip(QStringLiteral(
        "Der Schein spielt auch Lotto Plus: neben den Treffern jeder Reihe stehen ihre Treffer "
        "in der anderen Ziehung desselben Abends"));
    grid->addWidget(m_withPlus, 12, column - 2, 1, 3, Qt::AlignRight);
    connect(m_withPlus, &QCheckBox::toggled, &m_session, &Session::setWithPlus);
    for (auto changed : {&Session::sheetChanged, &Session::shownDrawChanged, &Session::gameChanged})
        connect(&m_session, changed, this, &PlusHitsColumn::showHits);
    showHits();
}

void PlusHitsColumn::showHits()
{
    const bool on = m_session.state().withPlus;
    {
        const QSignalBlocker quiet(m_withPlus);
        m_withPlus->setChecked(on);
    }
    for (QLabel* label : m_hits)
        label->setVisible(on);
    if (!on)
        return;
    const CompanionScore score = m_session.companionScore();
    const QString title = QString::fromUtf8(gameInfo(score.game).shortTitle);
    for (int r = 1; r <= 12; ++r) {
        const std::optional<int>& hits = score.hits[static_cast<std::size_t>(r - 1)];
        QLabel* label = m_hits[r - 1];
        // A complete row on a day without a draw of the other game gets a dash.
        const bool complete = m_session.state().sheet.numbers(r).has_value();
        label->setText(!complete ? QString()
                       : hits    ? QStringLiteral("%1: %2").arg(title).arg(*hits)
                                 : title + QStringLiteral(": –"));
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText,
                   hits && *hits >= 3 ? QColor(0xFF, 0, 0) : QColor(Qt::black));
        label->setPalette(p);
    }
}

} // namespace vendrilo::gui
