// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/chartpage.h"

#include "core/draws/dates.h"
#include "core/options/optiontable.h"
#include "core/texts/textlist.h"
#include "gui/chartbuttons.h"
#include "gui/chartwidgets.h"
#include "gui/controls.h"
#include "gui/session.h"

#include <QCheckBox>
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
    m_statisticsStart = datePicker(this, Control::StatisticsStart, m_session.today());
    connect(m_statisticsStart, &QDateEdit::dateChanged, this,
            [this](const QDate& d) { m_session.setStatisticsStart(dayFromDate(d)); });
    bar->addWidget(m_statisticsStart);
    addDrawDayFilter(bar);
    for (const ChartButton& b : chartButtonsOn(ChartPlace::Diagram)) {
        auto* button =
            speedButton(this, b.name, QString::fromUtf8(b.text), QString::fromUtf8(b.hint));
        const charts::ChartKind kind = b.kind;
        connect(button, &QToolButton::clicked, this, [this, kind] { m_session.drawChart(kind); });
        bar->addWidget(button);
    }
    bar->addStretch(1);
    layout->addLayout(bar);
    m_layout = layout;

    connect(&m_session, &Session::chartChanged, this, [this](const charts::ChartData& data) {
        if (StatisticsChart* shown = chart())
            shown->setChartData(data);
    });
    connect(&m_session, &Session::periodChanged, this, &ChartPage::showPeriod);
    connect(&m_session, &Session::optionsChanged, this, &ChartPage::showDrawDayFilter);
    connect(&m_session, &Session::generationRunningChanged, m_statisticsStart,
            [this](bool running) { m_statisticsStart->setEnabled(!running); });
    showPeriod();
    showDrawDayFilter();
    showFixedTexts();
}

void ChartPage::showFixedTexts()
{
    m_statisticsStart->setToolTip(text(Text::StatisticsStartHint));
    if (m_chartMissing)
        m_chartMissing->setText(chartModuleMissingText(m_chartMissingWhy));
}

// Which draws the statistics count: weekend (Saturday and Sunday) draws, the draws of the other
// days, or with both boxes checked every draw. A change redraws the chart on show.
void ChartPage::addDrawDayFilter(QBoxLayout* bar)
{
    const struct {
        Option option;
        const char* hint;
    } drawDayBoxes[] = {
        {Option::WeekendDraws, "Ziehungen vom Samstag und Sonntag in der Statistik zählen"},
        {Option::OtherDayDraws, "Ziehungen von Montag bis Freitag in der Statistik zählen"},
    };
    // One above the other: their names are long in several languages.
    auto* boxes = new QVBoxLayout;
    boxes->setSpacing(0);
    for (const auto& b : drawDayBoxes) {
        const OptionSpec& entry = optionSpec(b.option);
        auto* box = new QCheckBox(entry.caption, this);
        box->setObjectName(entry.name);
        box->setToolTip(QString::fromUtf8(b.hint));
        const Option id = b.option;
        connect(box, &QCheckBox::toggled, this, [this, id](bool on) {
            m_session.setOption(id, on ? 1 : 0);
            m_session.redrawLastChart();
        });
        m_drawDays[id == Option::WeekendDraws ? 0 : 1] = box;
        boxes->addWidget(box);
    }
    bar->addLayout(boxes);
}

void ChartPage::showDrawDayFilter()
{
    const Options& options = m_session.state().options;
    for (QCheckBox* box : m_drawDays) {
        const QSignalBlocker quiet(box);
        box->setChecked(options.checked(*optionByName(box->objectName())));
    }
}

StatisticsChart* ChartPage::chart()
{
    if (m_chart || m_chartMissing)
        return m_chart;
    if (const ChartWidgets* widgets = chartWidgets(&m_chartMissingWhy)) {
        m_chart = widgets->makeStatisticsChart(this);
        m_chart->setPrompts(m_prompts);
        m_layout->addWidget(m_chart->widget(), 1);
    } else {
        m_chartMissing = new QLabel(chartModuleMissingText(m_chartMissingWhy), this);
        m_chartMissing->setObjectName(QStringLiteral("ChartMissing"));
        m_chartMissing->setAlignment(Qt::AlignCenter);
        m_chartMissing->setWordWrap(true);
        m_layout->addWidget(m_chartMissing, 1);
    }
    return m_chart;
}

void ChartPage::setChartPrompts(Prompts* prompts)
{
    m_prompts = prompts;
    if (m_chart)
        m_chart->setPrompts(prompts);
}

void ChartPage::showPeriod()
{
    setPickerDay(m_statisticsStart, m_session.state().statisticsStart.date());
}

} // namespace vendrilo::gui
