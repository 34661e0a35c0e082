#include "gui/databasepage.h"

#include "core/draws/dates.h"
#include "gui/chartbuttons.h"
#include "gui/controls.h"
#include "gui/session.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace vendrilo::gui {

DatabasePage::DatabasePage(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    auto* grid = new QGridLayout(this);
    m_drawLine = namedLabel(this, "Label29");
    QFont bold = m_drawLine->font();
    bold.setBold(true);
    m_drawLine->setFont(bold);
    m_chosenDate = datePicker(this, "DateTimePicker1");
    connect(m_chosenDate, &QDateEdit::dateChanged, this,
            [this](const QDate& d) { m_session.setChosenDate(dayFromDate(d)); });
    auto* evaluate =
        speedButton(this, "SpeedButton5", QStringLiteral("Auswerten"),
                    QStringLiteral("Bewertung des Tipps für die Ziehung des gewählten Datums"));
    connect(evaluate, &QToolButton::clicked, &m_session, &Session::showDrawForChosenDate);
    auto* update = pushButton(this, "BitBtn1", QStringLiteral("&Datenbank aktualisieren"),
                              QStringLiteral("Ziehungen aus dem Internet aktualisieren"));
    connect(update, &QPushButton::clicked, &m_session, &Session::updateDraws);
    connect(&m_session, &Session::updateRunningChanged, update,
            [update](bool running) { update->setEnabled(!running); });
    grid->addWidget(m_drawLine, 0, 0, 1, 3);
    grid->addWidget(m_chosenDate, 1, 0);
    grid->addWidget(evaluate, 1, 1);
    grid->addWidget(update, 1, 2, Qt::AlignLeft);
    int i = 0;
    for (const ChartButton& b : chartButtonsOn(ChartPlace::Database)) {
        auto* button = pushButton(this, b.name, QString::fromUtf8(b.text));
        const charts::ChartKind kind = b.kind;
        connect(button, &QPushButton::clicked, this, [this, kind] { m_session.drawChart(kind); });
        grid->addWidget(button, 2 + i / 2, i % 2);
        ++i;
    }
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(6, 1);

    connect(&m_session, &Session::shownDrawChanged, this, &DatabasePage::showDraw);
    connect(&m_session, &Session::periodChanged, this, &DatabasePage::showPeriod);
    connect(&m_session, &Session::generationRunningChanged, this, [this, evaluate](bool running) {
        m_chosenDate->setEnabled(!running);
        evaluate->setEnabled(!running);
    });
    showDraw();
    showPeriod();
}

void DatabasePage::showDraw()
{
    m_drawLine->setText(m_session.state().shown.drawLine);
}

void DatabasePage::showPeriod()
{
    setPickerDay(m_chosenDate, m_session.state().chosenDate.date());
}

} // namespace vendrilo::gui
