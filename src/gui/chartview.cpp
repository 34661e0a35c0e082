#include "gui/chartview.h"

#include "core/app/atomicfile.h"

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

// Room between a mark and the bar below it, and the least gap between two marks side by side,
// so that neighbouring numbers never run into one another ("531530"); each on top of the
// marks' white rim.
constexpr qreal kMarkLift = 1.0;
constexpr qreal kMarkGap = 2.0;
// Marks lie above the bars and grid lines.
constexpr qreal kMarkZ = 100.0;

// A bar's value printed above it: black on a white ground just larger than the digits, so
// that a mark which brushes the bar beside its own, or a grid line, stays readable.
class Mark : public QGraphicsSimpleTextItem {
public:
    static constexpr qreal kRim = 1.0;

    Mark(const QString& text, const QFont& font, QGraphicsItem* parent)
        : QGraphicsSimpleTextItem(text, parent)
    {
        setFont(font);
        setBrush(Qt::black);
        setAcceptedMouseButtons(Qt::NoButton);
        setAcceptHoverEvents(false);
    }

    QRectF boundingRect() const override
    {
        return QGraphicsSimpleTextItem::boundingRect().adjusted(-kRim, 0, kRim, 0);
    }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override
    {
        const QFontMetricsF metrics(font());
        const QRectF ink = metrics.tightBoundingRect(text()).translated(0, metrics.ascent());
        painter->fillRect(ink.adjusted(-kRim, -kRim, kRim, kRim), Qt::white);
        QGraphicsSimpleTextItem::paint(painter, option, widget);
    }
};

// The chart's title, in chart coordinates; empty when there is none. QtCharts does not tell
// where it put the title, but keeps it as a text item of the chart's own, above the plot (the
// axis titles, also such items, lie beside and below it).
QRectF titleRect(const QChart& chart)
{
    if (chart.title().isEmpty())
        return {};
    const QRectF plot = chart.plotArea();
    QRectF title;
    for (QGraphicsItem* item : chart.childItems()) {
        const auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item);
        if (!text || !text->isVisible() || text->toPlainText().isEmpty())
            continue;
        const QRectF rect = text->mapRectToParent(text->boundingRect());
        if (rect.bottom() <= plot.top() && rect.right() > plot.left())
            title = title.united(rect);
    }
    return title;
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
    setObjectName(QStringLiteral("Chart1"));
    setRenderHint(QPainter::Antialiasing);

    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);

    // The series' own value labels stay off: QtCharts prints every one of them, also where
    // hundreds overlap, and clips the outermost at the plot's edge. The view draws its marks.
    m_series1 = new QBarSeries(this);
    m_series1->setObjectName(QStringLiteral("Series1"));
    m_series2 = new QBarSeries(this);
    m_series2->setObjectName(QStringLiteral("Series2"));
    for (QBarSeries* s : {m_series1, m_series2})
        s->setBarWidth(0.8);

    m_categoryAxis = new QCategoryAxis;
    m_categoryAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_categoryAxis->setGridLineVisible(false);
    m_valueAxis = new QValueAxis;
    m_valueAxis->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(m_categoryAxis, Qt::AlignBottom);
    chart->addAxis(m_valueAxis, Qt::AlignLeft);
    setChart(chart);
    // The marks follow the bars: a new size, new axis labels or a title move the plot.
    connect(chart, &QChart::plotAreaChanged, this, &ChartView::layOutMarks);
    setChartData(m_data);
}

void ChartView::setChartData(const charts::ChartData& data)
{
    m_data = data;
    const bool second = data.active == charts::Series::Series2;
    QBarSeries* active = second ? m_series2 : m_series1;
    QBarSeries* idle = second ? m_series1 : m_series2;
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
    m_series1->clear();
    m_series2->clear();
    m_bars = nullptr;

    // One bar set: the series colour for most bars, the one other colour (red primes) through
    // the set's selection, which QtCharts paints per bar.
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
    active->append(set);
    set->selectBars(selected);
    m_bars = set;
    connect(set, &QBarSet::hovered, this, &ChartView::showBarToolTip);
    chart()->setToolTip(QString());

    for (QGraphicsSimpleTextItem* mark : m_marks)
        delete mark;
    m_marks.clear();
    const QFont markFont = m_valueAxis->labelsFont();
    for (const charts::ChartPoint& p : data.points) {
        auto* mark = new Mark(QString::number(p.y), markFont, chart());
        mark->setZValue(kMarkZ);
        mark->hide();
        m_marks.push_back(mark);
    }
    layOutCategoryAxis();
    m_categoryAxis->setTitleText(keepBlanks(data.categoryAxisTitle));
    m_categoryAxis->setTitleVisible(!data.categoryAxisTitle.isEmpty());

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

    chart()->setTitle(keepBlanks(data.title));
    layOutMarks();
}

// Which marks are shown: the tallest bars first, as the peaks are what a reader looks for;
// a mark is shown where it overlaps no mark shown before it, covers no more than the side of
// any other bar, and stays inside the chart. Laid out anew whenever the plot moves, as the bars
// move with it.
void ChartView::layOutMarks()
{
    const int n = static_cast<int>(m_marks.size());
    const QRectF plot = chart()->plotArea();
    if (n == 0 || n != m_data.barCount() || plot.width() <= 0 || plot.height() <= 0) {
        for (QGraphicsSimpleTextItem* mark : m_marks)
            mark->hide();
        return;
    }
    QBarSeries* series = m_series2->chart() ? m_series2 : m_series1;
    const qreal lo = m_valueAxis->min();
    const qreal hi = m_valueAxis->max();

    // The bars as drawn: centre and top, in chart coordinates. A bar below the axis' lower end
    // has no height; none rises above the upper end.
    struct Bar {
        qreal centre;
        qreal top;
    };
    std::vector<Bar> bars;
    bars.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const qreal y = std::clamp<qreal>(m_data.points[static_cast<std::size_t>(i)].y, lo, hi);
        const QPointF top = chart()->mapToPosition(QPointF(i, y), series);
        bars.push_back({top.x(), std::clamp(top.y(), plot.top(), plot.bottom())});
    }
    const qreal pitch = plot.width() / n;
    const qreal halfBar = pitch * series->barWidth() / 2;

    // Marks may rise above the plot into the chart's margin, but not past the chart's frame.
    // Sideways they keep clear of the value axis' labels on the left; on the right they may reach
    // into the empty margin, and only a mark that would stick out of the frame (where QtCharts cut
    // the last bar's value off) is moved in.
    QRectF frame = chart()->rect();
    if (QGraphicsLayout* layout = chart()->layout()) {
        qreal left = 0, top = 0, right = 0, bottom = 0;
        layout->getContentsMargins(&left, &top, &right, &bottom);
        frame.adjust(left, top, -right, -bottom);
    }
    // A mark in the way of the title goes below it, onto its bar's top end.
    QRectF title = titleRect(*chart());
    if (title.isEmpty() && !chart()->title().isEmpty()) // not found: all above the plot is its
        title = QRectF(frame.left(), frame.top(), frame.width(), plot.top() - frame.top());
    const qreal leftEnd = plot.left();
    const qreal rightEnd = std::max(plot.right(), frame.right() - kMarkGap);

    std::vector<int> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return m_data.points[static_cast<std::size_t>(a)].y >
               m_data.points[static_cast<std::size_t>(b)].y;
    });

    std::vector<QRectF> shown;
    for (int i : order) {
        QGraphicsSimpleTextItem* mark = m_marks[static_cast<std::size_t>(i)];
        const QRectF box = mark->boundingRect();
        const QSizeF size = box.size();
        const Bar& bar = bars[static_cast<std::size_t>(i)];
        const qreal x =
            std::max(leftEnd, std::min(bar.centre - size.width() / 2, rightEnd - size.width()));
        QRectF rect(QPointF(x, std::max(frame.top(), bar.top - kMarkLift - size.height())), size);
        if (rect.intersects(title))
            rect.moveTop(title.bottom());

        bool fits = size.width() <= rightEnd - leftEnd && rect.bottom() <= plot.bottom();
        // The mark may brush the side of a bar beside its own, but a number printed across
        // more than half a bar's width hides that bar and is itself hard to read.
        const int first = std::max(0, static_cast<int>((rect.left() - plot.left()) / pitch) - 1);
        const int last =
            std::min(n - 1, static_cast<int>((rect.right() - plot.left()) / pitch) + 1);
        for (int j = first; fits && j <= last; ++j) {
            if (j == i)
                continue;
            const Bar& other = bars[static_cast<std::size_t>(j)];
            const QRectF body(other.centre - halfBar, other.top, 2 * halfBar,
                              plot.bottom() - other.top);
            // Less than a pixel is the rounding of the bars' edges.
            const QRectF common = body.intersected(rect);
            fits = common.height() < 1.0 || common.width() < std::max(1.0, halfBar);
        }
        const QRectF padded = rect.adjusted(-kMarkGap / 2, 0, kMarkGap / 2, 0);
        for (std::size_t k = 0; fits && k < shown.size(); ++k)
            fits = !shown[k].intersects(padded);
        mark->setPos(rect.topLeft() - box.topLeft());
        mark->setVisible(fits);
        if (fits)
            shown.push_back(padded);
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
}

QImage ChartView::image()
{
    // The chart lays out its axes and titles through posted events; a picture taken right
    // after new data must not show the old layout.
    QCoreApplication::sendPostedEvents();
    return grab().toImage();
}

std::optional<QString> ChartView::saveImage(const QString& path)
{
    // Encoded in memory first: written straight to the file, the encoder reports a full disk
    // as an "unknown error"; the file writer names the system's reason, and a failed save
    // leaves a picture saved there before as it was.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    if (!writer.write(image()))
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), writer.errorString());
    return writeFileAtomically(path, png);
}

void ChartView::copyToClipboard()
{
    QApplication::clipboard()->setImage(image());
}

void ChartView::saveImageAs()
{
    QString path = QFileDialog::getSaveFileName(
        this, tr("Diagramm speichern"), QStringLiteral("Diagramm.png"), tr("PNG-Bilder (*.png)"));
    if (path.isEmpty())
        return;
    saveImageTo(path);
}

bool ChartView::saveImageTo(QString path)
{
    if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        path += QLatin1String(".png");
    const std::optional<QString> error = saveImage(path);
    if (!error)
        return true;
    // A full disk or a folder without write access must not pass for a saved chart.
    m_prompts->message(tr("Das Diagramm wurde nicht gespeichert.\n%1").arg(*error));
    return false;
}

void ChartView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(tr("Als PNG-Bild speichern …"), this, &ChartView::saveImageAs);
    menu.addAction(tr("In die Zwischenablage kopieren"), this, &ChartView::copyToClipboard);
    menu.exec(event->globalPos());
}

} // namespace vendrilo::gui
