#include "gui/chartpage.h"

#include "core/draws/dates.h"
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

namespace {

struct ChartButton {
    const char* name;
    const char* text;
    const char* hint;
    charts::ChartKind kind;
};

constexpr ChartButton kDiagramButtons[] = {
    {"SpeedButton200", "Zahlen", "Verteilung der gezogenen Zahlen", charts::ChartKind::Numbers},
    {"SpeedButton900", "QS", "Quersummenverteilung", charts::ChartKind::CrossSums},
    {"SpeedButton1", "2er", "Paare", charts::ChartKind::Pairs},
    {"SpeedButton3", "3er", "Dreier", charts::ChartKind::Triples},
    {"SpeedButton2", "4er", "Vierer", charts::ChartKind::Quads},
    {"SpeedButton9", "Ausstehende", "Ausstehende Zahlen", charts::ChartKind::Overdue},
};

constexpr ChartButton kDatabaseButtons[] = {
    {"Button2", "Paare suchen", "", charts::ChartKind::Pairs},
    {"Button3", "Dreier suchen", "", charts::ChartKind::Triples},
    {"Button4", "Vierer suchen", "", charts::ChartKind::Quads},
    {"Button5", "Ausstehende", "", charts::ChartKind::Overdue},
    {"Button8", "Superzahl ausstehende", "", charts::ChartKind::Superzahl},
    {"Button9", "Primzahlen pro Tipp", "", charts::ChartKind::Primes},
    {"Button10", "Ungerade pro Tipp", "", charts::ChartKind::Odd},
    {"Button11", "Gerade pro Tipp", "", charts::ChartKind::Even},
};

void setPickerDay(QDateEdit* picker, double day)
{
    const QSignalBlocker quiet(picker);
    picker->setDate(dateFromDay(day));
}

} // namespace

ChartPage::ChartPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    m_statisticsStart = datePicker(this, "DateTimePicker2");
    m_statisticsStart->setToolTip(QStringLiteral("Beginn des Zeitraums der Statistik"));
    connect(m_statisticsStart, &QDateEdit::dateChanged, this,
            [this](const QDate& d) { m_session.setStatisticsStart(dayFromDate(d)); });
    bar->addWidget(m_statisticsStart);
    for (const ChartButton& b : kDiagramButtons) {
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
    grid->addWidget(m_drawLine, 0, 0, 1, 3);
    grid->addWidget(m_chosenDate, 1, 0);
    grid->addWidget(evaluate, 1, 1);
    int i = 0;
    for (const ChartButton& b : kDatabaseButtons) {
        auto* button = pushButton(this, b.name, QString::fromUtf8(b.text));
        const charts::ChartKind kind = b.kind;
        connect(button, &QPushButton::clicked, this, [this, kind] { m_session.drawChart(kind); });
        grid->addWidget(button, 2 + i / 2, i % 2);
        ++i;
    }
    grid->setColumnStretch(2, 1);
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
