// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/controlnames.h"

#include <QLineEdit>
#include <QString>

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QDateEdit;
class QDateTimeEdit;
class QLocale;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace vendrilo::gui {

// Small builders for the window's controls. The name is the control's objectName, which the
// language files and the settings store find it by.

// A label whose text the program composes from its caption and a value: the caption is kept in
// this property, where the language files set it.
inline constexpr char kCaptionPrefix[] = "captionPrefix";
// A label that shows a value (a weight, a count), no text of the window: the language files
// leave it alone.
inline constexpr char kShowsValue[] = "showsValue";

// A speed button: a flat tool button with its hint shown on hover and in the status bar.
QToolButton* speedButton(QWidget* parent, const char* name, const QString& text,
                         const QString& hint = {});
QPushButton* pushButton(QWidget* parent, const char* name, const QString& text,
                        const QString& hint = {});
QLabel* namedLabel(QWidget* parent, const char* name, const QString& text = {});
// A date picker as the window uses them: "dd.mm.yyyy", from 19.11.1994 (the first day the
// statistics take) to today, its calendar's weekdays and months named in the language of the
// texts.
QDateEdit* datePicker(QWidget* parent, const char* name, double today);
// Shows a day in a picker without reporting it back as the user's choice.
void setPickerDay(QDateEdit* picker, double day);
// A picker's calendar names weekdays and months as `names` does; the pickers below `root`, those
// of its dialogs included.
void nameDates(QDateTimeEdit* picker, const QLocale& names);
void nameDatesIn(QWidget* root, const QLocale& names);

// A radio group: a titled box of radio buttons, one per item, the first checked.
QGroupBox* radioGroup(QWidget* parent, const char* name, const QString& title,
                      const QStringList& items);
// The buttons of a radio group; their ids are the item indexes.
QButtonGroup* radioButtonGroup(const QGroupBox* group);
// The group's items replaced (a language file), keeping the checked index where it still exists.
void setRadioItems(QGroupBox* group, const QStringList& items);
QStringList radioItems(const QGroupBox* group);
int checkedRadioIndex(const QGroupBox* group);
void checkRadio(QGroupBox* group, int index);

// The same builders for a control of the name table, by its id.
inline QToolButton* speedButton(QWidget* parent, Control id, const QString& text,
                                const QString& hint = {})
{
    return speedButton(parent, controlEntry(id).objectName, text, hint);
}
inline QPushButton* pushButton(QWidget* parent, Control id, const QString& text,
                               const QString& hint = {})
{
    return pushButton(parent, controlEntry(id).objectName, text, hint);
}
inline QLabel* namedLabel(QWidget* parent, Control id, const QString& text = {})
{
    return namedLabel(parent, controlEntry(id).objectName, text);
}
inline QDateEdit* datePicker(QWidget* parent, Control id, double today)
{
    return datePicker(parent, controlEntry(id).objectName, today);
}
inline QGroupBox* radioGroup(QWidget* parent, Control id, const QString& title,
                             const QStringList& items)
{
    return radioGroup(parent, controlEntry(id).objectName, title, items);
}

// A field of the tip sheet: wide enough for two digits at any font size, and growing with the
// window.
class NumberField : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberField(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

// Reports a left click on a widget that has no click of its own: the row labels that lock a
// row, the banner, the labels that open a chart. Owned by the widget it watches.
class ClickNotifier : public QObject {
    Q_OBJECT
public:
    explicit ClickNotifier(QWidget* watched);

Q_SIGNALS:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The notifier of a widget, made on first use; the widget shows the pointing hand.
ClickNotifier* clicksOf(QWidget* widget);

} // namespace vendrilo::gui
