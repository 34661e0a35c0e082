// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/optionspage.h"

#include "core/options/optionpages.h"
#include "gui/chartbuttons.h"
#include "gui/controls.h"
#include "gui/session.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

namespace vendrilo::gui {

namespace {

// Reports a mouse button going down and up on an up-down, where the coupled limits adjust.
class MouseFilter : public QObject {
public:
    MouseFilter(QObject* parent, std::function<void(bool pressed)> onMouse)
        : QObject(parent), m_onMouse(std::move(onMouse))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            m_onMouse(true);
        const bool result = QObject::eventFilter(watched, event);
        if (event->type() == QEvent::MouseButtonRelease)
            m_onMouse(false);
        return result;
    }

private:
    std::function<void(bool)> m_onMouse;
};

} // namespace

OptionsPage::OptionsPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    auto* outer = new QVBoxLayout(this);
    auto* pages = new QTabWidget(this);
    pages->setObjectName(controlName(Control::OptionPages));
    outer->addWidget(pages);
    for (const OptionPageInfo& info : optionPages()) {
        QWidget* page = buildPage(info.page);
        page->setObjectName(info.name);
        pages->addTab(page, info.caption);
    }
    connect(&m_session, &Session::optionsChanged, this, &OptionsPage::showOptions);
    showOptions();
}

QWidget* OptionsPage::buildPage(OptionPage page)
{
    auto* widget = new QWidget(this);
    auto* lines = new QVBoxLayout(widget);
    QHBoxLayout* line = nullptr;
    for (const OptionSpec* o : optionsOnPage(page)) {
        if (!o->sameLineAs || !line) {
            line = new QHBoxLayout;
            lines->addLayout(line);
        }
        if (o->kind == OptionSpec::Kind::Check)
            addCheckBox(widget, line, *o);
        else
            addUpDown(widget, line, *o);
    }
    for (const OptionPageLabel& l : optionPageLabels(page)) {
        auto* label = new QLabel(l.text, widget);
        label->setWordWrap(true);
        if (!l.name.isEmpty())
            label->setObjectName(l.name);
        if (l.opensCrossSumChart)
            connect(clicksOf(label), &ClickNotifier::clicked, this,
                    [this] { m_session.drawChart(charts::ChartKind::CrossSums, true); });
        lines->addWidget(label);
    }
    addChartControls(page, widget, lines);
    lines->addStretch(1);
    for (int i = 0; i < lines->count(); ++i)
        if (auto* l = qobject_cast<QHBoxLayout*>(lines->itemAt(i)->layout()))
            l->addStretch(1);
    return widget;
}

void OptionsPage::addCheckBox(QWidget* page, QBoxLayout* line, const OptionSpec& o)
{
    auto* box = new QCheckBox(o.caption, page);
    box->setObjectName(o.name);
    box->setToolTip(o.hint);
    const Option id = o.id;
    connect(box, &QCheckBox::toggled, this,
            [this, id](bool on) { m_session.setOption(id, on ? 1 : 0); });
    m_checkBoxes[id] = box;
    line->addWidget(box);
}

void OptionsPage::addUpDown(QWidget* page, QBoxLayout* line, const OptionSpec& o)
{
    if (!o.caption.isEmpty())
        line->addWidget(
            namedLabel(page, qPrintable(o.name + QStringLiteral("Caption")), o.caption));
    auto* spin = new QSpinBox(page);
    spin->setObjectName(o.name);
    spin->setProperty("editName", o.edit);
    spin->setToolTip(o.hint);
    const Option id = o.id;
    connect(spin, &QSpinBox::valueChanged, this, [this, id](int v) { m_session.setOption(id, v); });
    const OptionCoupling coupling = optionCoupling(id);
    if (coupling.pressed || coupling.released)
        spin->installEventFilter(new MouseFilter(
            spin, [this, id](bool pressed) { m_session.coupleOption(id, pressed); }));
    m_upDowns[id] = spin;
    line->addWidget(spin);
    if (!o.suffix.isEmpty())
        line->addWidget(namedLabel(page, qPrintable(o.name + QStringLiteral("Suffix")), o.suffix));
}

void OptionsPage::addChartControls(OptionPage page, QWidget* pageWidget, QBoxLayout* lines)
{
    if (page != OptionPage::Statistics && page != OptionPage::Mathematics)
        return;
    const ChartPlace place = page == OptionPage::Statistics ? ChartPlace::StatisticsOptions
                                                            : ChartPlace::MathematicsOptions;
    auto* row = new QHBoxLayout;
    for (const ChartButton& c : chartButtonsOn(place)) {
        const charts::ChartKind kind = c.kind;
        const bool first = c.showDiagramFirst;
        auto draw = [this, kind, first] { m_session.drawChart(kind, first); };
        if (c.isLabel) {
            auto* label = namedLabel(pageWidget, c.name, QString::fromUtf8(c.text));
            QFont f = label->font();
            f.setUnderline(true);
            label->setFont(f);
            connect(clicksOf(label), &ClickNotifier::clicked, this, draw);
            row->addWidget(label);
        } else {
            auto* button = speedButton(pageWidget, c.name, QString::fromUtf8(c.text),
                                       QString::fromUtf8(c.hint));
            connect(button, &QToolButton::clicked, this, draw);
            row->addWidget(button);
        }
    }
    row->addStretch(1);
    lines->addLayout(row);
}

void OptionsPage::showOptions()
{
    const Options& options = m_session.state().options;
    for (const auto& [id, box] : m_checkBoxes) {
        const QSignalBlocker quiet(box);
        box->setChecked(options.checked(id));
    }
    for (const auto& [id, spin] : m_upDowns) {
        const QSignalBlocker quiet(spin);
        spin->setRange(options.minimum(id), options.maximum(id));
        spin->setValue(options.value(id));
    }
}

} // namespace vendrilo::gui
