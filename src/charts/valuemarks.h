// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsSimpleTextItem>
#include <QRectF>

#include <vector>

class QChart;

namespace vendrilo::gui {

// A bar's value printed above it: black on a white ground just larger than the digits, so that
// a mark which brushes the bar beside its own, or a grid line, stays readable.
class ValueMark : public QGraphicsSimpleTextItem {
public:
    static constexpr qreal kRim = 1.0;

    ValueMark(const QString& text, const QFont& font, QGraphicsItem* parent);
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
};

// Where the bars stand and what may not be covered, in chart coordinates.
struct MarkScene {
    struct Bar {
        qreal centre = 0;
        qreal top = 0;
        int value = 0;
    };
    std::vector<Bar> bars;
    QRectF plot;
    QRectF frame; // the chart's frame, inside its margins
    QRectF title; // empty when there is none
    qreal halfBar = 0;
};

// Which marks are shown and where: the tallest bars first, as the peaks are what a reader looks
// for; a mark is shown where it overlaps no mark shown before it, covers no more than the side of
// any other bar, and stays inside the chart. Sideways marks keep clear of the value axis' labels
// on the left; on the right they may reach into the empty margin, and only a mark that would
// stick out of the frame (where the last bar's value was cut off) is moved in. One rectangle per
// bar (of the mark's size), empty where the mark does not fit.
std::vector<QRectF> layOutValueMarks(const MarkScene& scene, const std::vector<QSizeF>& sizes);

// The chart's title, in chart coordinates; empty when there is none.
QRectF chartTitleRect(const QChart& chart);

} // namespace vendrilo::gui
