// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/numbergrid.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace vendrilo::gui {

NumberGrid::NumberGrid(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

std::vector<int> NumberGrid::chosen() const
{
    std::vector<int> numbers;
    for (int k = 1; k <= kNumbers; ++k)
        if (isChosen(k))
            numbers.push_back(k);
    return numbers;
}

void NumberGrid::setChosen(const std::vector<int>& numbers)
{
    m_chosen.fill(false);
    for (const int k : numbers)
        if (k >= 1 && k <= kNumbers)
            m_chosen[static_cast<std::size_t>(k - 1)] = true;
    update();
    Q_EMIT chosenChanged();
}

void NumberGrid::toggle(int number)
{
    if (number < 1 || number > kNumbers)
        return;
    bool& on = m_chosen[static_cast<std::size_t>(number - 1)];
    on = !on;
    update(cellOf(number));
    Q_EMIT chosenChanged();
}

// Two digits and some room, at whatever font size the window scales to.
int NumberGrid::cellSize() const
{
    return fontMetrics().horizontalAdvance(QStringLiteral("000")) + 6;
}

QRect NumberGrid::cellOf(int number) const
{
    const int size = cellSize();
    const int row = (number - 1) / kColumns;
    const int column = (number - 1) % kColumns;
    return {column * size, row * size, size, size};
}

int NumberGrid::numberAt(const QPoint& point) const
{
    const int size = cellSize();
    if (point.x() < 0 || point.y() < 0)
        return 0;
    const int column = point.x() / size;
    const int row = point.y() / size;
    if (column >= kColumns || row >= kNumbers / kColumns)
        return 0;
    return row * kColumns + column + 1;
}

QPoint NumberGrid::centreOf(int number) const
{
    return cellOf(number).center();
}

QSize NumberGrid::sizeHint() const
{
    const int side = cellSize() * kColumns + 1;
    return {side, side};
}

QSize NumberGrid::minimumSizeHint() const
{
    return sizeHint();
}

void NumberGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& p = palette();
    for (int k = 1; k <= kNumbers; ++k) {
        const QRect cell = cellOf(k).adjusted(1, 1, -1, -1);
        const bool on = isChosen(k);
        painter.fillRect(cell, on ? p.color(QPalette::Highlight) : p.color(QPalette::Base));
        painter.setPen(p.color(QPalette::Mid));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.setPen(on ? p.color(QPalette::HighlightedText) : p.color(QPalette::Text));
        painter.drawText(cell, Qt::AlignCenter, QString::number(k));
    }
}

void NumberGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        toggle(numberAt(event->position().toPoint()));
}

} // namespace vendrilo::gui
