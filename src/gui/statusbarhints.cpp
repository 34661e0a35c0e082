// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/statusbarhints.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace vendrilo::gui {

namespace {

QStringList numbered(const char* prefix, int first, int last, const char* suffix = "")
{
    QStringList names;
    for (int i = first; i <= last; ++i)
        names << QString::fromLatin1(prefix) + QString::number(i) + QString::fromLatin1(suffix);
    return names;
}

class HintWatcher : public QObject {
public:
    HintWatcher(QObject* parent, std::function<void(QWidget*)> show)
        : QObject(parent), m_show(std::move(show))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
            m_show(static_cast<QWidget*>(watched));
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(QWidget*)> m_show;
};

} // namespace

const QStringList& statusBarHintControls()
{
    static const QStringList names = [] {
        QStringList labels{QStringLiteral("Label28")};
        labels << numbered("Label", 30, 34) << QStringLiteral("Label46")
               << QStringLiteral("Label48") << numbered("Label", 61, 64)
               << QStringLiteral("Losnummer") << QStringLiteral("Label43")
               << QStringLiteral("Label44");
        QStringList speedButtons;
        for (int n : {4, 5, 6, 7, 8, 10, 11, 13, 15, 16, 34, 200, 900})
            speedButtons << QStringLiteral("SpeedButton%1").arg(n);
        speedButtons << numbered("Tipp", 1, 12, "Edit") << QStringLiteral("Button6")
                     << QStringLiteral("BitBtn7");
        QStringList bitButtons;
        for (int n : {1, 2, 3, 4, 6, 8, 9})
            bitButtons << QStringLiteral("BitBtn%1").arg(n);
        bitButtons << QStringLiteral("Warenkorb");
        QStringList checkBoxes = numbered("CheckBox", 1, 14);
        for (int n : {16, 17, 18, 23, 24, 27, 28, 33, 34})
            checkBoxes << QStringLiteral("CheckBox%1").arg(n);
        const QStringList edits =
            numbered("Edit", 40, 42) + numbered("Edit", 84, 87) + numbered("Edit", 91, 95);
        return labels + speedButtons + bitButtons + numbered("Button", 2, 5) + checkBoxes + edits;
    }();
    return names;
}

void showHintsInStatusBar(QWidget* window, std::function<void(QWidget*)> show)
{
    auto* watcher = new HintWatcher(window, std::move(show));
    const QStringList& bound = statusBarHintControls();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window) // the dialogs' controls are not bound
            continue;
        // An option's field and its arrows are one control here, known by the field's name.
        const QVariant edit = w->property("editName");
        const QString name = edit.isValid() ? edit.toString() : w->objectName();
        if (!name.isEmpty() && bound.contains(name))
            w->installEventFilter(watcher);
    }
}

} // namespace vendrilo::gui
