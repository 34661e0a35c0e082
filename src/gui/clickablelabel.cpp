#include "gui/clickablelabel.h"

#include <QMouseEvent>

namespace vendrilo::gui {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace vendrilo::gui
