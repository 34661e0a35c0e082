// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/charts/chartdata.h"
#include "core/io/result.h"
#include "gui/chartwidgets.h"
#include "gui/guiprompts.h"

#include <QChartView>
#include <QImage>
#include <QString>

#include <optional>
#include <vector>

QT_BEGIN_NAMESPACE
class QCategoryAxis;
class QBarSeries;
class QBarSet;
class QGraphicsSimpleTextItem;
class QValueAxis;
QT_END_NAMESPACE

namespace vendrilo::gui {

// The chart of the "Diagramm" tab: draws one ChartData as the bar series with value marks, the
// per-bar colours, the value axis exactly as computed and the titles. The reserve series stays
// switched off and out of the chart.
// A bar's mark (its value, printed above it) is shown only where it has room; hovering over a
// bar tells its X and value in a tooltip, so no value is out of reach. A context menu saves the
// chart as a PNG image or copies it to the clipboard.
class ChartView : public QChartView, public StatisticsChart {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    // Replaces everything shown by the chart's bars, axis and titles.
    void setChartData(const charts::ChartData& data) override;
    // The data last drawn: what a reader of the chart's bars and axis limits gets.
    const charts::ChartData& chartData() const override { return m_data; }

    QBarSeries* reserveSeries() const { return m_reserveSeries; }
    QBarSeries* barSeries() const { return m_barSeries; }
    QBarSet* bars() const { return m_bars; }
    QValueAxis* valueAxis() const { return m_valueAxis; }
    // The axis below the bars: bar i stands at the value i, labelled with its X.
    QCategoryAxis* categoryAxis() const { return m_categoryAxis; }
    // One mark per bar, in bar order, items of the chart; hidden where it does not fit.
    const std::vector<QGraphicsSimpleTextItem*>& marks() const { return m_marks; }
    // "Keine Ziehungen im gewählten Zeitraum" across an empty period's chart; empty otherwise.
    QString emptyPeriodNote() const override;
    // The tooltip of bar i (counted from 0): its X and its value.
    QString barToolTip(int i) const;

    // The chart as shown, at the widget's size.
    QImage image();
    // Writes the chart as a PNG file. Nothing on success, else the file and why it was not
    // written; a file that was there stays as it was then.
    Status saveImage(const QString& path);
    void copyToClipboard();
    // Asks for a file name and saves there; nothing happens when the user cancels.
    void saveImageAs();
    // Saves to `path` (".png" added when missing) and tells the user through the prompts when
    // the file could not be written. True when it was.
    bool saveImageTo(QString path);
    // Where failures are reported; the view's own message boxes unless set. Not owned.
    void setPrompts(Prompts* prompts) override { m_prompts = prompts ? prompts : &m_ownPrompts; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QBarSeries* showOnlyActiveSeries(charts::Series which);
    QBarSet* fillBars(const charts::ChartData& data, QBarSeries* series);
    void makeMarks(const charts::ChartData& data);
    void setValueAxis(const charts::ChartData& data);
    void layOutCategoryAxis();
    void layOutMarks();
    void layOutEmptyNote();
    void showBarToolTip(bool entered, int i);

    charts::ChartData m_data;
    QBarSeries* m_reserveSeries = nullptr;
    QBarSeries* m_barSeries = nullptr;
    QBarSet* m_bars = nullptr;
    QValueAxis* m_valueAxis = nullptr;
    QCategoryAxis* m_categoryAxis = nullptr;
    std::vector<QGraphicsSimpleTextItem*> m_marks;
    QGraphicsSimpleTextItem* m_emptyNote = nullptr;
    GuiPrompts m_ownPrompts{this};
    Prompts* m_prompts = &m_ownPrompts;
};

// A step for whole-number ticks that keeps about `wanted` of them within [minimum, maximum]:
// 1, 2 or 5 times a power of ten, never below 1.
int wholeTickStep(int minimum, int maximum, int wanted = 10);

} // namespace vendrilo::gui
