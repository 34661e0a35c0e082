#include "gui/controls.h"

#include "core/draws/dates.h"
#include "gui/chartbuttons.h"

#include <QDateEdit>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>

namespace vendrilo::gui {

namespace {
void setHint(QWidget* w, const QString& hint)
{
    w->setToolTip(hint);
    w->setStatusTip(hint);
}
} // namespace

QToolButton* speedButton(QWidget* parent, const char* name, const QString& text,
                         const QString& hint)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    setHint(b, hint);
    return b;
}

QPushButton* pushButton(QWidget* parent, const char* name, const QString& text, const QString& hint)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    setHint(b, hint);
    return b;
}

QLabel* namedLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

void setPickerDay(QDateEdit* picker, double day)
{
    const QSignalBlocker quiet(picker);
    picker->setDate(dateFromDay(day));
}

QDateEdit* datePicker(QWidget* parent, const char* name)
{
    auto* p = new QDateEdit(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    p->setCalendarPopup(true);
    p->setMinimumDate(QDate(1994, 11, 19));
    p->setMaximumDate(QDate(9999, 12, 31));
    return p;
}

NumberField::NumberField(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(3);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize NumberField::minimumSizeHint() const
{
    // Two digits with room to spare, at the current font; the layout asks again when the font
    // grows with the window.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QSize text(fontMetrics().horizontalAdvance(QStringLiteral("488")),
                     fontMetrics().height());
    const QSize frame = style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, this);
    return {frame.width(), QLineEdit::minimumSizeHint().height()};
}

QSize NumberField::sizeHint() const
{
    return {minimumSizeHint().width(), QLineEdit::sizeHint().height()};
}

ClickNotifier::ClickNotifier(QWidget* watched) : QObject(watched)
{
    watched->installEventFilter(this);
}

bool ClickNotifier::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* widget = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            widget->rect().contains(mouse->position().toPoint()))
            Q_EMIT clicked();
    }
    return QObject::eventFilter(watched, event);
}

ClickNotifier* clicksOf(QWidget* widget)
{
    if (auto* existing = widget->findChild<ClickNotifier*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    widget->setCursor(Qt::PointingHandCursor);
    return new ClickNotifier(widget);
}

} // namespace vendrilo::gui
