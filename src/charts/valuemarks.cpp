// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/valuemarks.h"

#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsTextItem>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace vendrilo::gui {

namespace {

// Room between a mark and the bar below it, and the least gap between two marks side by side,
// so that neighbouring numbers never run into one another ("531530"); each on top of the
// marks' white rim.
constexpr qreal kMarkLift = 1.0;
constexpr qreal kMarkGap = 2.0;

// The mark may brush the side of a bar beside its own, but a number printed across more than
// half a bar's width hides that bar and is itself hard to read.
bool coversAnotherBar(const MarkScene& scene, int own, const QRectF& rect)
{
    const int n = static_cast<int>(scene.bars.size());
    const qreal pitch = scene.plot.width() / n;
    const int first = std::max(0, static_cast<int>((rect.left() - scene.plot.left()) / pitch) - 1);
    const int last =
        std::min(n - 1, static_cast<int>((rect.right() - scene.plot.left()) / pitch) + 1);
    for (int j = first; j <= last; ++j) {
        if (j == own)
            continue;
        const MarkScene::Bar& other = scene.bars[static_cast<std::size_t>(j)];
        const QRectF body(other.centre - scene.halfBar, other.top, 2 * scene.halfBar,
                          scene.plot.bottom() - other.top);
        // Less than a pixel is the rounding of the bars' edges.
        const QRectF common = body.intersected(rect);
        if (common.height() >= 1.0 && common.width() >= std::max(1.0, scene.halfBar))
            return true;
    }
    return false;
}

} // namespace

ValueMark::ValueMark(const QString& text, const QFont& font, QGraphicsItem* parent)
    : QGraphicsSimpleTextItem(text, parent)
{
    setFont(font);
    setBrush(Qt::black);
    setAcceptedMouseButtons(Qt::NoButton);
    setAcceptHoverEvents(false);
}

QRectF ValueMark::boundingRect() const
{
    return QGraphicsSimpleTextItem::boundingRect().adjusted(-kRim, 0, kRim, 0);
}

void ValueMark::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    const QFontMetricsF metrics(font());
    const QRectF ink = metrics.tightBoundingRect(text()).translated(0, metrics.ascent());
    painter->fillRect(ink.adjusted(-kRim, -kRim, kRim, kRim), Qt::white);
    QGraphicsSimpleTextItem::paint(painter, option, widget);
}

std::vector<QRectF> layOutValueMarks(const MarkScene& scene, const std::vector<QSizeF>& sizes)
{
    const int n = static_cast<int>(scene.bars.size());
    std::vector<QRectF> placed(static_cast<std::size_t>(n));
    const qreal leftEnd = scene.plot.left();
    const qreal rightEnd = std::max(scene.plot.right(), scene.frame.right() - kMarkGap);

    std::vector<int> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return scene.bars[static_cast<std::size_t>(a)].value >
               scene.bars[static_cast<std::size_t>(b)].value;
    });
    std::vector<QRectF> shown;
    for (int i : order) {
        const QSizeF size = sizes[static_cast<std::size_t>(i)];
        const MarkScene::Bar& bar = scene.bars[static_cast<std::size_t>(i)];
        const qreal x =
            std::max(leftEnd, std::min(bar.centre - size.width() / 2, rightEnd - size.width()));
        QRectF rect(QPointF(x, std::max(scene.frame.top(), bar.top - kMarkLift - size.height())),
                    size);
        // A mark in the way of the title goes below it, onto its bar's top end.
        if (rect.intersects(scene.title))
            rect.moveTop(scene.title.bottom());
        const QRectF padded = rect.adjusted(-kMarkGap / 2, 0, kMarkGap / 2, 0);
        const bool fits = size.width() <= rightEnd - leftEnd &&
                          rect.bottom() <= scene.plot.bottom() &&
                          !coversAnotherBar(scene, i, rect) &&
                          std::none_of(shown.begin(), shown.end(),
                                       [&](const QRectF& r) { return r.intersects(padded); });
        if (fits) {
            placed[static_cast<std::size_t>(i)] = rect;
            shown.push_back(padded);
        }
    }
    return placed;
}

QRectF chartTitleRect(const QChart& chart)
{
    // QtCharts does not tell where it put the title, but keeps it as a text item of the chart's
    // own, above the plot (the axis titles, also such items, lie beside and below it).
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

} // namespace vendrilo::gui
