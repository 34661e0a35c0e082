#pragma once

#include <QLabel>

namespace vendrilo::gui {

// A label that reports clicks, like the row labels that double as row locks.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace vendrilo::gui
