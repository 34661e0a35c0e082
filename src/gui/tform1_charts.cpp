// The charts: every button and label that draws one on Chart1 of the "Diagramm" tab.
#include "core/charts/charts.h"
#include "gui/chartview.h"
#include "gui/clickablelabel.h"
#include "gui/tform1.h"

#include <QApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace vendrilo::gui {

using charts::ChartKind;

void TForm1::drawChart(ChartKind kind, bool showDiagramFirst)
{
    if (showDiagramFirst)
        PageControl1->setCurrentWidget(TabSheet5);
    syncPickersToState();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto read = drawfile::readAll(m_state.drawPath());
    if (!read.ok()) {
        QApplication::restoreOverrideCursor();
        m_prompts->message(*read.error);
        return;
    }
    charts::TipFields fields;
    for (int r = 1; r <= 12; ++r)
        for (int p = 1; p <= 6; ++p)
            fields[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(p - 1)] =
                m_state.sheet.field(r, p);
    const charts::ChartInput input{read.records, m_state.picker2.date(), m_state.picker1.date(),
                                   m_state.drawDayFilter(), m_state.messages};
    const charts::ChartData data = charts::computeChart(kind, input, fields);
    m_lastChart = kind;
    m_state.shown.aktDatum = m_state.picker2.date();
    Chart1->setChartData(data);
    QApplication::restoreOverrideCursor();
    if (data.showsDiagramTab)
        PageControl1->setCurrentWidget(TabSheet5);
}

void TForm1::SpeedButton2Click()
{
    drawChart(ChartKind::Numbers);
}

QAbstractButton* TForm1::chartButton(QWidget* parent, const char* name, const QString& text,
                                     const QString& hint, ChartKind kind, bool showDiagramFirst,
                                     bool push)
{
    QAbstractButton* b = nullptr;
    if (push) {
        b = new QPushButton(text, parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(hint);
        b->setStatusTip(hint);
    } else {
        b = speedButton(parent, name, text, hint);
    }
    connect(b, &QAbstractButton::clicked, this,
            [this, kind, showDiagramFirst] { drawChart(kind, showDiagramFirst); });
    return b;
}

ClickableLabel* TForm1::chartLabel(QWidget* parent, const char* name, const QString& text,
                                   ChartKind kind)
{
    auto* l = new ClickableLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setCursor(Qt::PointingHandCursor);
    QFont f = l->font();
    f.setUnderline(true);
    l->setFont(f);
    connect(l, &ClickableLabel::clicked, this, [this, kind] { drawChart(kind, true); });
    return l;
}

QWidget* TForm1::buildDiagrammTab()
{
    auto* tab = new QWidget(PageControl1);
    auto* layout = new QVBoxLayout(tab);
    auto* bar = new QHBoxLayout;
    DateTimePicker2 = datePicker(tab, "DateTimePicker2");
    DateTimePicker2->setToolTip(QStringLiteral("Beginn des Zeitraums der Statistik"));
    // A new first day redraws the chart on show for the new period.
    connect(DateTimePicker2, &QDateEdit::dateChanged, this, [this] {
        if (!m_settingPickers && m_lastChart && !m_state.Berechnunglaeuft)
            drawChart(*m_lastChart);
    });
    bar->addWidget(DateTimePicker2);
    bar->addWidget(chartButton(tab, "SpeedButton200", QStringLiteral("Zahlen"),
                               QStringLiteral("Verteilung der gezogenen Zahlen"),
                               ChartKind::Numbers));
    bar->addWidget(chartButton(tab, "SpeedButton900", QStringLiteral("QS"),
                               QStringLiteral("Quersummenverteilung"), ChartKind::CrossSums));
    bar->addWidget(chartButton(tab, "SpeedButton1", QStringLiteral("2er"), QStringLiteral("Paare"),
                               ChartKind::Pairs));
    bar->addWidget(chartButton(tab, "SpeedButton3", QStringLiteral("3er"), QStringLiteral("Dreier"),
                               ChartKind::Triples));
    bar->addWidget(chartButton(tab, "SpeedButton2", QStringLiteral("4er"), QStringLiteral("Vierer"),
                               ChartKind::Quads));
    bar->addWidget(chartButton(tab, "SpeedButton9", QStringLiteral("Ausstehende"),
                               QStringLiteral("Ausstehende Zahlen"), ChartKind::Overdue));
    bar->addStretch(1);
    layout->addLayout(bar);
    Chart1 = new ChartView(tab);
    layout->addWidget(Chart1, 1);
    return tab;
}

void TForm1::addDatabaseChartButtons(QWidget* tab, QGridLayout* grid, int row)
{
    struct ChartButtonSpec {
        const char* name;
        const char* text;
        ChartKind kind;
    };
    static const ChartButtonSpec buttons[] = {
        {"Button2", "Paare suchen", ChartKind::Pairs},
        {"Button3", "Dreier suchen", ChartKind::Triples},
        {"Button4", "Vierer suchen", ChartKind::Quads},
        {"Button5", "Ausstehende", ChartKind::Overdue},
        {"Button8", "Superzahl ausstehende", ChartKind::Superzahl},
        {"Button9", "Primzahlen pro Tipp", ChartKind::Primes},
        {"Button10", "Ungerade pro Tipp", ChartKind::Odd},
        {"Button11", "Gerade pro Tipp", ChartKind::Even},
    };
    int i = 0;
    for (const ChartButtonSpec& s : buttons) {
        grid->addWidget(
            chartButton(tab, s.name, QString::fromUtf8(s.text), {}, s.kind, false, true),
            row + i / 2, i % 2);
        ++i;
    }
}

void TForm1::addOptionChartControls(const QString& page, QWidget* pageWidget, QVBoxLayout* lines)
{
    auto* row = new QHBoxLayout;
    if (page == QLatin1String("Statistisch")) {
        row->addWidget(chartButton(pageWidget, "SpeedButton26", QStringLiteral("Zahlen"),
                                   QStringLiteral("Verteilung der gezogenen Zahlen"),
                                   ChartKind::Numbers));
        row->addWidget(chartButton(pageWidget, "SpeedButton22", QStringLiteral("Ausstehende"),
                                   QStringLiteral("Ausstehende Zahlen"), ChartKind::Overdue));
        row->addWidget(
            chartLabel(pageWidget, "Label89", QStringLiteral("Paare"), ChartKind::Pairs));
        row->addWidget(chartButton(pageWidget, "SpeedButton23", QStringLiteral("2er"), {},
                                   ChartKind::Pairs, true));
        row->addWidget(chartButton(pageWidget, "SpeedButton21", QStringLiteral("Paare"), {},
                                   ChartKind::Pairs));
        row->addWidget(
            chartLabel(pageWidget, "Label91", QStringLiteral("Dreier"), ChartKind::Triples));
        row->addWidget(chartButton(pageWidget, "SpeedButton24", QStringLiteral("3er"), {},
                                   ChartKind::Triples, true));
        row->addWidget(chartButton(pageWidget, "SpeedButton27", QStringLiteral("Dreier"), {},
                                   ChartKind::Triples));
        row->addWidget(
            chartLabel(pageWidget, "Label90", QStringLiteral("Vierer"), ChartKind::Quads));
        row->addWidget(chartButton(pageWidget, "SpeedButton25", QStringLiteral("4er"), {},
                                   ChartKind::Quads, true));
        row->addWidget(chartButton(pageWidget, "SpeedButton28", QStringLiteral("Vierer"), {},
                                   ChartKind::Quads));
    } else if (page == QLatin1String("Mathematisch")) {
        row->addWidget(chartButton(pageWidget, "SpeedButton17", QStringLiteral("QS"),
                                   QStringLiteral("Quersummenverteilung"), ChartKind::CrossSums,
                                   true));
        row->addWidget(chartButton(pageWidget, "SpeedButton29", QStringLiteral("Primzahlen"),
                                   QStringLiteral("Diagramm der Primzahlen pro Tipp"),
                                   ChartKind::Primes));
        row->addWidget(chartButton(pageWidget, "SpeedButton32", QStringLiteral("Ungerade"),
                                   QStringLiteral("Diagramm der ungeraden Zahlen pro Tipp"),
                                   ChartKind::Odd));
        row->addWidget(chartButton(pageWidget, "SpeedButton31", QStringLiteral("Gerade"),
                                   QStringLiteral("Diagramm der geraden Zahlen pro Tipp"),
                                   ChartKind::Even));
        // The explanatory label about cross sums opens their chart.
        if (auto* label88 = pageWidget->findChild<ClickableLabel*>(QStringLiteral("Label88")))
            connect(label88, &ClickableLabel::clicked, this,
                    [this] { drawChart(ChartKind::CrossSums, true); });
    } else {
        delete row;
        return;
    }
    row->addStretch(1);
    lines->addLayout(row);
}

} // namespace vendrilo::gui
