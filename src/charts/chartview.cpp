// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/chartview.h"

#include "core/io/atomicfile.h"
#include "core/texts/textlist.h"
#include "gui/controlnames.h"
#include "charts/valuemarks.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QImageWriter>
#include <QMenu>
#include <QPainter>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <climits>
#include <numeric>

namespace vendrilo::gui {

namespace {

QColor toColor(charts::Rgb rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | rgb));
}

// Titles are drawn as rich text, which would fold the wide gaps of the program's titles into one
// blank; fixed blanks keep them.
QString keepBlanks(QString text)
{
    return text.replace(QLatin1Char(' '), QChar(QChar::Nbsp));
}

} // namespace

int wholeTickStep(int minimum, int maximum, int wanted)
{
    const long long span = std::max(1LL, static_cast<long long>(maximum) - minimum);
    long long magnitude = 1;
    while (true) {
        for (long long factor : {1LL, 2LL, 5LL}) {
            const long long step = factor * magnitude;
            if (span / step <= wanted)
                return static_cast<int>(std::min<long long>(step, INT_MAX));
        }
        magnitude *= 10;
    }
}

ChartView::ChartView(QWidget* parent) : QChartView(parent)
{
    setObjectName(controlName(Control::Chart));
    setRenderHint(QPainter::Antialiasing);

    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);

    // The series' own value labels stay off: QtCharts prints every one of them, also where
    // hundreds overlap, and clips the outermost at the plot's edge. The view draws its marks.
    m_reserveSeries = new QBarSeries(this);
    m_reserveSeries->setObjectName(controlName(Control::ReserveSeries));
    m_barSeries = new QBarSeries(this);
    m_barSeries->setObjectName(controlName(Control::BarSeries));
    for (QBarSeries* s : {m_reserveSeries, m_barSeries})
        s->setBarWidth(0.8);

    m_categoryAxis = new QCategoryAxis;
    m_categoryAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_categoryAxis->setGridLineVisible(false);
    m_valueAxis = new QValueAxis;
    m_valueAxis->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(m_categoryAxis, Qt::AlignBottom);
    chart->addAxis(m_valueAxis, Qt::AlignLeft);
    // The view made a chart of its own, which setChart() hands back without deleting it.
    QChart* initial = this->chart();
    setChart(chart);
    delete initial;
    // The marks follow the bars: a new size, new axis labels or a title move the plot.
    connect(chart, &QChart::plotAreaChanged, this, &ChartView::layOutMarks);
    setChartData(m_data);
}

void ChartView::setChartData(const charts::ChartData& data)
{
    m_data = data;
    QBarSeries* active = showOnlyActiveSeries(data.active);
    m_reserveSeries->clear();
    m_barSeries->clear();
    m_bars = fillBars(data, active);
    connect(m_bars, &QBarSet::hovered, this, &ChartView::showBarToolTip);
    chart()->setToolTip(QString());
    makeMarks(data);
    layOutCategoryAxis();
    m_categoryAxis->setTitleText(keepBlanks(data.categoryAxisTitle));
    m_categoryAxis->setTitleVisible(!data.categoryAxisTitle.isEmpty());
    setValueAxis(data);
    chart()->setTitle(keepBlanks(data.title));
    layOutMarks();
    layOutEmptyNote();
}

QString ChartView::emptyPeriodNote() const
{
    return m_emptyNote && m_emptyNote->isVisible() ? m_emptyNote->text() : QString();
}

void ChartView::layOutEmptyNote()
{
    if (!m_emptyNote) {
        m_emptyNote = new QGraphicsSimpleTextItem(chart());
        QFont big = m_emptyNote->font();
        big.setPointSizeF(big.pointSizeF() * 1.4);
        m_emptyNote->setFont(big);
        m_emptyNote->setZValue(10);
    }
    m_emptyNote->setText(text(Text::EmptyPeriod)); // in the language shown now
    m_emptyNote->setVisible(m_data.emptyPeriod);
    const QRectF plot = chart()->plotArea();
    const QRectF text = m_emptyNote->boundingRect();
    m_emptyNote->setPos(plot.center() - QPointF(text.width() / 2, text.height() / 2));
}

QBarSeries* ChartView::showOnlyActiveSeries(charts::Series which)
{
    const bool bars = which == charts::Series::Bars;
    QBarSeries* active = bars ? m_barSeries : m_reserveSeries;
    QBarSeries* idle = bars ? m_reserveSeries : m_barSeries;
    // Only the active series is in the chart: a hidden bar series still takes its share of
    // every bar's slot, which left the bars at half their width and beside their labels.
    if (idle->chart()) {
        chart()->removeSeries(idle);
        idle->setParent(this);
    }
    if (!active->chart()) {
        chart()->addSeries(active);
        active->attachAxis(m_categoryAxis);
        active->attachAxis(m_valueAxis);
    }
    idle->setVisible(false);
    active->setVisible(true);
    return active;
}

// One bar set: the series colour for most bars, the one other colour (red primes) through the
// set's selection, which QtCharts paints per bar.
QBarSet* ChartView::fillBars(const charts::ChartData& data, QBarSeries* series)
{
    const QColor base = toColor(data.seriesColour);
    QColor other = base;
    for (const charts::ChartPoint& p : data.points) {
        if (p.colour != data.seriesColour) {
            other = toColor(p.colour);
            break;
        }
    }
    auto* set = new QBarSet(QString());
    set->setColor(base);
    set->setSelectedColor(other);
    set->setBorderColor(base);
    set->setPen(Qt::NoPen);
    QList<int> selected;
    for (int i = 0; i < data.barCount(); ++i) {
        const charts::ChartPoint& p = data.points[static_cast<std::size_t>(i)];
        set->append(p.y);
        if (p.colour != data.seriesColour)
            selected << i;
    }
    series->append(set);
    set->selectBars(selected);
    return set;
}

void ChartView::makeMarks(const charts::ChartData& data)
{
    for (QGraphicsSimpleTextItem* mark : m_marks)
        delete mark;
    m_marks.clear();
    const QFont markFont = m_valueAxis->labelsFont();
    for (const charts::ChartPoint& p : data.points) {
        auto* mark = new ValueMark(QString::number(p.y), markFont, chart());
        mark->setZValue(100.0); // above the bars and grid lines
        mark->hide();
        m_marks.push_back(mark);
    }
}

void ChartView::setValueAxis(const charts::ChartData& data)
{
    // The limits are the computed ones; only a flat axis (all bars equal, e.g. an empty period)
    // gets one unit of height so that the chart can be drawn at all.
    const int lo = data.valueAxis.minimum;
    const int hi = data.valueAxis.maximum > lo ? data.valueAxis.maximum : lo + 1;
    m_valueAxis->setRange(lo, hi);
    m_valueAxis->setTickType(QValueAxis::TicksDynamic);
    m_valueAxis->setTickAnchor(0);
    m_valueAxis->setTickInterval(wholeTickStep(lo, hi));
    m_valueAxis->setTitleText(data.valueAxisTitle);
    m_valueAxis->setTitleVisible(!data.valueAxisTitle.isEmpty());
}

// Laid out anew whenever the plot moves, as the bars move with it.
void ChartView::layOutMarks()
{
    const int n = static_cast<int>(m_marks.size());
    MarkScene scene;
    scene.plot = chart()->plotArea();
    if (n == 0 || n != m_data.barCount() || scene.plot.width() <= 0 || scene.plot.height() <= 0) {
        for (QGraphicsSimpleTextItem* mark : m_marks)
            mark->hide();
        return;
    }
    QBarSeries* series = m_barSeries->chart() ? m_barSeries : m_reserveSeries;
    // The bars as drawn: a bar below the axis' lower end has no height; none rises above the
    // upper end.
    for (int i = 0; i < n; ++i) {
        const int value = m_data.points[static_cast<std::size_t>(i)].y;
        const qreal y = std::clamp<qreal>(value, m_valueAxis->min(), m_valueAxis->max());
        const QPointF top = chart()->mapToPosition(QPointF(i, y), series);
        scene.bars.push_back(
            {top.x(), std::clamp(top.y(), scene.plot.top(), scene.plot.bottom()), value});
    }
    scene.halfBar = scene.plot.width() / n * series->barWidth() / 2;
    // Marks may rise above the plot into the chart's margin, but not past the chart's frame.
    scene.frame = chart()->rect();
    if (QGraphicsLayout* layout = chart()->layout()) {
        qreal left = 0, top = 0, right = 0, bottom = 0;
        layout->getContentsMargins(&left, &top, &right, &bottom);
        scene.frame.adjust(left, top, -right, -bottom);
    }
    scene.title = chartTitleRect(*chart());
    if (scene.title.isEmpty() && !chart()->title().isEmpty()) // not found: all above the plot
        scene.title = QRectF(scene.frame.left(), scene.frame.top(), scene.frame.width(),
                             scene.plot.top() - scene.frame.top());
    std::vector<QSizeF> sizes;
    for (QGraphicsSimpleTextItem* mark : m_marks)
        sizes.push_back(mark->boundingRect().size());
    const std::vector<QRectF> placed = layOutValueMarks(scene, sizes);
    for (int i = 0; i < n; ++i) {
        QGraphicsSimpleTextItem* mark = m_marks[static_cast<std::size_t>(i)];
        const QRectF& rect = placed[static_cast<std::size_t>(i)];
        mark->setVisible(!rect.isNull());
        if (!rect.isNull())
            mark->setPos(rect.topLeft() - mark->boundingRect().topLeft());
    }
}

QString ChartView::barToolTip(int i) const
{
    if (i < 0 || i >= m_data.barCount())
        return {};
    const charts::ChartPoint& p = m_data.points[static_cast<std::size_t>(i)];
    return QStringLiteral("%1: %2").arg(p.x).arg(p.y);
}

// Hidden marks leave the value to the tooltip. It is the chart's own, so that the view's help
// event, which asks the item under the mouse, shows the same text and does not hide it.
void ChartView::showBarToolTip(bool entered, int i)
{
    const QString text = entered ? barToolTip(i) : QString();
    chart()->setToolTip(text);
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(QCursor::pos(), text, this);
}

void ChartView::layOutCategoryAxis()
{
    for (const QString& label : m_categoryAxis->categoriesLabels())
        m_categoryAxis->remove(label);
    const int n = m_data.barCount();
    m_categoryAxis->setStartValue(-0.5);
    m_categoryAxis->setRange(-0.5, n > 0 ? n - 0.5 : 0.5);
    if (n == 0)
        return;
    // Every bar gets its X where there is room; else every bar whose X is a multiple of a
    // whole step, so that many bars (the cross sums) stay readable.
    const int firstX = m_data.points.front().x;
    const int lastX = m_data.points.back().x;
    const QFontMetrics metrics(m_categoryAxis->labelsFont());
    const int labelWidth = std::max(metrics.horizontalAdvance(QString::number(firstX)),
                                    metrics.horizontalAdvance(QString::number(lastX))) +
                           2 * metrics.averageCharWidth();
    // The plot takes the width less the value axis and the margins; the chart lays itself out
    // only when shown, so estimate rather than ask it.
    const qreal plotWidth = std::max(100, width() - 90);
    const int room = std::max(1, static_cast<int>(plotWidth) / labelWidth);
    int step = n <= room ? 1 : wholeTickStep(firstX, lastX, room);
    // A label is elided unless the stretch from the one before it holds it.
    const qreal barWidth = plotWidth / n;
    while (step * barWidth < labelWidth && step < lastX - firstX + 1)
        step = wholeTickStep(0, 10 * step, 5); // the next of 1, 2, 5, 10, 20, ...
    for (int i = 0; i < n; ++i) {
        const int x = m_data.points[static_cast<std::size_t>(i)].x;
        if (x % step == 0 || step == 1)
            m_categoryAxis->append(QString::number(x), i);
    }
}

void ChartView::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    layOutCategoryAxis();
    if (m_emptyNote)
        layOutEmptyNote();
}

QImage ChartView::image()
{
    // The chart lays out its axes and titles through posted events; a picture taken right
    // after new data must not show the old layout.
    QCoreApplication::sendPostedEvents();
    return grab().toImage();
}

Status ChartView::saveImage(const QString& path)
{
    // Encoded in memory first: written straight to the file, the encoder reports a full disk
    // as an "unknown error"; the file writer names the system's reason, and a failed save
    // leaves a picture saved there before as it was.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    if (!writer.write(image()))
        return Error{
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), writer.errorString())};
    return writeFileAtomically(path, png);
}

void ChartView::copyToClipboard()
{
    QApplication::clipboard()->setImage(image());
}

void ChartView::saveImageAs()
{
    QString path =
        QFileDialog::getSaveFileName(this, text(Text::ChartSaveTitle),
                                     QStringLiteral("Diagramm.png"), text(Text::ChartPngFilter));
    if (path.isEmpty())
        return;
    saveImageTo(path);
}

bool ChartView::saveImageTo(QString path)
{
    if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        path += QLatin1String(".png");
    const Status saved = saveImage(path);
    if (saved)
        return true;
    // A full disk or a folder without write access must not pass for a saved chart.
    m_prompts->message(text(Text::ChartNotSaved) + QLatin1Char('\n') + saved.error());
    return false;
}

void ChartView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(text(Text::ChartSaveAsPng), this, &ChartView::saveImageAs);
    menu.addAction(text(Text::ChartCopy), this, &ChartView::copyToClipboard);
    menu.exec(event->globalPos());
}

} // namespace vendrilo::gui
