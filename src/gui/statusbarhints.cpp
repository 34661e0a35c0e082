// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/statusbarhints.h"

#include "core/options/optiontable.h"
#include "core/sheet/sheetcontrols.h"
#include "gui/chartbuttons.h"
#include "gui/controlnames.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace vendrilo::gui {

namespace {

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
        QStringList bound;
        for (const SheetRowNames& row : kSheetRows) // every row label, which locks its row
            bound << QString::fromLatin1(row.rowLabel);
        bound << controlsWithStatusBarHint();
        for (const ChartButton& b : allChartButtons())
            if (b.hintInStatusBar)
                bound << QString::fromLatin1(b.name);
        for (const OptionSpec& o : optionTable())
            if (o.hintInStatusBar)
                bound << (o.kind == OptionSpec::Kind::UpDown ? o.edit : o.name);
        return bound;
    }();
    return names;
}

void showHintsInStatusBar(QWidget* window, std::function<void(QWidget*)> show,
                          const QList<QWidget*>& parts)
{
    auto* watcher = new HintWatcher(window, std::move(show));
    const QStringList& bound = statusBarHintControls();
    QList<QWidget*> controls;
    for (QWidget* part : parts.isEmpty() ? QList<QWidget*>{window} : parts)
        controls += part->findChildren<QWidget*>();
    for (QWidget* w : controls) {
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
