#include "gui/chartpage.h"

#include "core/draws/dates.h"
#include "gui/chartbuttons.h"
#include "gui/chartview.h"
#include "gui/controls.h"
#include "gui/session.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace vendrilo::gui {

ChartPage::ChartPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    m_statisticsStart = datePicker(this, "DateTimePicker2");
    m_statisticsStart->setToolTip(QStringLiteral("Beginn des Zeitraums der Statistik"));
    connect(m_statisticsStart, &QDateEdit::dateChanged, this,
            [this](const QDate& d) { m_session.setStatisticsStart(dayFromDate(d)); });
    bar->addWidget(m_statisticsStart);
    for (const ChartButton& b : chartButtonsOn(ChartPlace::Diagram)) {
        auto* button =
            speedButton(this, b.name, QString::fromUtf8(b.text), QString::fromUtf8(b.hint));
        const charts::ChartKind kind = b.kind;
        connect(button, &QToolButton::clicked, this, [this, kind] { m_session.drawChart(kind); });
        bar->addWidget(button);
    }
    bar->addStretch(1);
    layout->addLayout(bar);
    m_chart = new ChartView(this);
    layout->addWidget(m_chart, 1);

    connect(&m_session, &Session::chartChanged, m_chart, &ChartView::setChartData);
    connect(&m_session, &Session::periodChanged, this, &ChartPage::showPeriod);
    connect(&m_session, &Session::generationRunningChanged, m_statisticsStart,
            [this](bool running) { m_statisticsStart->setEnabled(!running); });
    showPeriod();
}

void ChartPage::showPeriod()
{
    setPickerDay(m_statisticsStart, m_session.state().statisticsStart.date());
}

} // namespace vendrilo::gui
