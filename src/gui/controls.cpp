// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls.h"

#include "core/draws/dates.h"
#include "core/texts/textlist.h"
#include "gui/chartbuttons.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>

namespace vendrilo::gui {

QToolButton* speedButton(QWidget* parent, const char* name, const QString& text,
                         const QString& hint)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(hint);
    return b;
}

QPushButton* pushButton(QWidget* parent, const char* name, const QString& text, const QString& hint)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
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

QDateEdit* datePicker(QWidget* parent, const char* name, double today)
{
    auto* p = new QDateEdit(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    p->setCalendarPopup(true);
    p->setMinimumDate(QDate(1994, 11, 19));
    // No statistics reach into days without draws yet.
    p->setMaximumDate(dateFromDay(today));
    nameDates(p, textLocale());
    return p;
}

void nameDates(QDateTimeEdit* picker, const QLocale& names)
{
    picker->setLocale(names);
    // The calendar opens as a window of its own, which takes no locale from its picker.
    if (picker->calendarPopup())
        picker->calendarWidget()->setLocale(names);
}

void nameDatesIn(QWidget* root, const QLocale& names)
{
    for (QDateTimeEdit* picker : root->findChildren<QDateTimeEdit*>())
        nameDates(picker, names);
}

namespace {
QList<QRadioButton*> radioButtons(const QGroupBox* group)
{
    return group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
}
} // namespace

QGroupBox* radioGroup(QWidget* parent, const char* name, const QString& title,
                      const QStringList& items)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(name));
    new QVBoxLayout(group);
    auto* buttons = new QButtonGroup(group);
    buttons->setExclusive(true);
    setRadioItems(group, items);
    checkRadio(group, 0);
    return group;
}

QButtonGroup* radioButtonGroup(const QGroupBox* group)
{
    return group->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
}

void setRadioItems(QGroupBox* group, const QStringList& items)
{
    // The buttons stay where they can, so that the checked item and every connection to the
    // button group survive a new language.
    QList<QRadioButton*> buttons = radioButtons(group);
    QButtonGroup* ids = radioButtonGroup(group);
    while (buttons.size() > items.size())
        delete buttons.takeLast();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i < buttons.size()) {
            buttons[i]->setText(items[i]);
            continue;
        }
        auto* button = new QRadioButton(items[i], group);
        group->layout()->addWidget(button);
        ids->addButton(button, static_cast<int>(i));
    }
}

QStringList radioItems(const QGroupBox* group)
{
    QStringList items;
    for (const QRadioButton* b : radioButtons(group))
        items << b->text();
    return items;
}

int checkedRadioIndex(const QGroupBox* group)
{
    const QList<QRadioButton*> buttons = radioButtons(group);
    for (int i = 0; i < buttons.size(); ++i)
        if (buttons[i]->isChecked())
            return i;
    return -1;
}

void checkRadio(QGroupBox* group, int index)
{
    const QList<QRadioButton*> buttons = radioButtons(group);
    // An index beyond the items is ignored, as a radio group does.
    if (index >= 0 && index < buttons.size())
        buttons[index]->setChecked(true);
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
