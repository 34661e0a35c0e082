// The "Berechnung" tab: the generator's option controls, built from the option table so that
// the window, the settings and the command line know the same options.
#include "core/app/optionpages.h"
#include "gui/clickablelabel.h"
#include "gui/tform1.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <functional>
#include <map>

namespace vendrilo::gui {

namespace {

// The coupled up-downs adjust each other's ranges when a mouse button goes down or up on them.
struct Coupling {
    void (*down)(Options&) = nullptr;
    void (*up)(Options&) = nullptr;
};

const std::map<QString, Coupling>& couplings()
{
    static const std::map<QString, Coupling> map = {
        {QStringLiteral("UpDown15"), {UpDown15MouseDown, UpDown15MouseUp}},
        {QStringLiteral("UpDown16"), {UpDown16MouseDown, UpDown16MouseUp}},
        {QStringLiteral("UpDown3"), {UpDown3MouseDown, nullptr}},
        {QStringLiteral("UpDown9"), {nullptr, UpDown9MouseUp}},
    };
    return map;
}

class MouseFilter : public QObject {
public:
    MouseFilter(QObject* parent, std::function<void(bool down)> onMouse)
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

QWidget* TForm1::buildBerechnungTab()
{
    auto* tab = new QWidget(PageControl1);
    auto* outer = new QVBoxLayout(tab);
    PageControl2 = new QTabWidget(tab);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    outer->addWidget(PageControl2);

    for (const QString& pageName : optionPages()) {
        auto* page = new QWidget(PageControl2);
        auto* lines = new QVBoxLayout(page);
        QHBoxLayout* line = nullptr;
        for (const OptionSpec* o : optionsOnPage(pageName)) {
            if (o->line.isEmpty() || !line) {
                line = new QHBoxLayout;
                lines->addLayout(line);
            }
            if (o->kind == OptionSpec::Kind::Check) {
                auto* box = new QCheckBox(o->caption, page);
                box->setObjectName(o->name);
                box->setToolTip(o->hint);
                box->setStatusTip(o->hint);
                const QString name = o->name;
                connect(box, &QCheckBox::toggled, this, [this, name](bool on) {
                    if (!m_writingOptions)
                        m_state.options.set(name, on ? 1 : 0);
                });
                line->addWidget(box);
                continue;
            }
            if (!o->caption.isEmpty())
                line->addWidget(new QLabel(o->caption, page));
            auto* spin = new QSpinBox(page);
            spin->setObjectName(o->name);
            spin->setProperty("editName", o->edit);
            spin->setToolTip(o->hint);
            spin->setStatusTip(o->hint);
            spin->setRange(o->minimum, o->maximum);
            const QString name = o->name;
            connect(spin, &QSpinBox::valueChanged, this, [this, name](int v) {
                if (m_writingOptions)
                    return;
                m_state.options.set(name, v);
                if (name == QLatin1String("UpDown7"))
                    m_state.LaufMax = v * 1000;
            });
            auto it = couplings().find(name);
            if (it != couplings().end()) {
                const Coupling c = it->second;
                spin->installEventFilter(new MouseFilter(spin, [this, c](bool down) {
                    if (down && c.down)
                        c.down(m_state.options);
                    if (!down && c.up)
                        c.up(m_state.options);
                    refreshOptions();
                }));
            }
            line->addWidget(spin);
            if (!o->suffix.isEmpty())
                line->addWidget(new QLabel(o->suffix, page));
        }
        for (const OptionPageLabel& l : optionPageLabels(pageName)) {
            QLabel* label =
                l.clickable ? new ClickableLabel(l.text, page) : new QLabel(l.text, page);
            label->setWordWrap(true);
            if (l.clickable)
                label->setCursor(Qt::PointingHandCursor);
            if (!l.name.isEmpty())
                label->setObjectName(l.name);
            lines->addWidget(label);
        }
        addOptionChartControls(pageName, page, lines);
        lines->addStretch(1);
        for (int i = 0; i < lines->count(); ++i)
            if (auto* l = qobject_cast<QHBoxLayout*>(lines->itemAt(i)->layout()))
                l->addStretch(1);
        PageControl2->addTab(page, pageName);
    }
    refreshOptions();
    return tab;
}

void TForm1::refreshOptions()
{
    m_writingOptions = true;
    for (const OptionSpec& o : optionTable()) {
        if (o.kind == OptionSpec::Kind::Check) {
            if (auto* box = findChild<QCheckBox*>(o.name))
                box->setChecked(m_state.options.checked(o.name));
        } else if (auto* spin = findChild<QSpinBox*>(o.name)) {
            spin->setRange(m_state.options.minimum(o.name), m_state.options.maximum(o.name));
            spin->setValue(m_state.options.value(o.name));
        }
    }
    m_writingOptions = false;
}

} // namespace vendrilo::gui
