// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/languages.h"

#include "core/texts/languagefiles.h"
#include "core/texts/messagelist.h"
#include "core/texts/textlist.h"
#include "gui/controls.h"
#include "gui/dialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>

#include <optional>

namespace vendrilo::gui {

namespace {

QTabWidget* tabWidgetOfPage(const QWidget* page)
{
    const auto* stack = qobject_cast<const QStackedWidget*>(page->parentWidget());
    return stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

// A spin box stands for the edit field and the up-down beside it; the files know the edit.
QString componentName(const QObject* object)
{
    const QVariant edit = object->property("editName");
    return edit.isValid() && !edit.toString().isEmpty() ? edit.toString() : object->objectName();
}

std::optional<ComponentKind> kindOf(const QObject* object)
{
    if (qobject_cast<const QAction*>(object) || qobject_cast<const QMenu*>(object))
        return ComponentKind::MenuItem;
    if (qobject_cast<const QDialog*>(object))
        return ComponentKind::Window;
    if (qobject_cast<const QLabel*>(object))
        return ComponentKind::Label;
    if (qobject_cast<const QAbstractButton*>(object))
        return ComponentKind::Button;
    if (qobject_cast<const QGroupBox*>(object))
        return ComponentKind::RadioGroup;
    if (qobject_cast<const QLineEdit*>(object) || qobject_cast<const QSpinBox*>(object))
        return ComponentKind::Edit;
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (widget && tabWidgetOfPage(widget))
        return ComponentKind::TabSheet;
    if (object->metaObject() == &QFrame::staticMetaObject)
        return ComponentKind::Panel;
    return std::nullopt;
}

bool takesPart(const QObject* object)
{
    const QString name = object->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

// The children of an object in the order they were made. A page stack brings the page it
// shows to the top, which moves it to the end of its children; its pages go by their index.
QObjectList childrenInOrder(const QObject* parent)
{
    const auto* stack = qobject_cast<const QStackedWidget*>(parent);
    if (!stack)
        return parent->children();
    QObjectList ordered;
    for (int i = 0; i < stack->count(); ++i)
        ordered.append(stack->widget(i));
    for (QObject* child : parent->children())
        if (!ordered.contains(child))
            ordered.append(child);
    return ordered;
}

// The controls below `parent` in the order they were made, each before its own children.
// Dialogs are windows of their own and are left out.
void collectComponents(const QString& window, const QObject* parent, QList<LanguageComponent>& out)
{
    for (QObject* child : childrenInOrder(parent)) {
        if (qobject_cast<QDialog*>(child))
            continue;
        if (takesPart(child))
            if (const auto kind = kindOf(child))
                out.append({window, componentName(child), *kind, child});
        collectComponents(window, child, out);
    }
}

// An action's tool tip reads as its text while none is set.
QString actionHint(const QAction* action)
{
    QString plain = action->text();
    plain.remove(QLatin1Char('&'));
    return action->toolTip() == plain ? QString() : action->toolTip();
}

} // namespace

QList<QWidget*> programWindows(QMainWindow* main)
{
    QList<QWidget*> windows{main};
    for (QDialog* dialog : main->findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly))
        windows.append(dialog);
    return windows;
}

QList<LanguageComponent> languageComponents(QMainWindow* main)
{
    QList<LanguageComponent> components;
    for (QWidget* window : programWindows(main)) {
        collectComponents(window->objectName(), window, components);
        if (window != main)
            continue;
        if (auto* positions =
                main->findChild<PrintPositionsDialog*>(QString(), Qt::FindDirectChildrenOnly))
            components.append(
                {main->objectName(), positions->objectName(), ComponentKind::Window, positions});
    }
    return components;
}

QString captionOf(const LanguageComponent& c)
{
    QObject* o = c.object;
    switch (c.kind) {
    case ComponentKind::MenuItem:
        if (auto* menu = qobject_cast<QMenu*>(o))
            return menu->title();
        return static_cast<QAction*>(o)->text();
    case ComponentKind::Label:
        if (const QVariant prefix = o->property(kCaptionPrefix); prefix.isValid())
            return prefix.toString();
        return static_cast<QLabel*>(o)->text();
    case ComponentKind::Button:
        return static_cast<QAbstractButton*>(o)->text();
    case ComponentKind::TabSheet: {
        auto* page = static_cast<QWidget*>(o);
        const QTabWidget* tabs = tabWidgetOfPage(page);
        return tabs ? tabs->tabText(tabs->indexOf(page)) : QString();
    }
    case ComponentKind::RadioGroup:
        return static_cast<QGroupBox*>(o)->title();
    case ComponentKind::Window:
        return static_cast<QWidget*>(o)->windowTitle();
    case ComponentKind::Panel:
    case ComponentKind::Edit:
        break;
    }
    return {};
}

QString hintOf(const LanguageComponent& c)
{
    if (auto* action = qobject_cast<QAction*>(c.object))
        return actionHint(action);
    if (c.kind == ComponentKind::TabSheet) {
        auto* page = static_cast<QWidget*>(c.object);
        const QTabWidget* tabs = tabWidgetOfPage(page);
        return tabs ? tabs->tabToolTip(tabs->indexOf(page)) : QString();
    }
    return static_cast<QWidget*>(c.object)->toolTip();
}

void setCaption(const LanguageComponent& c, const QString& caption)
{
    QObject* o = c.object;
    switch (c.kind) {
    case ComponentKind::MenuItem:
        if (auto* menu = qobject_cast<QMenu*>(o))
            menu->setTitle(caption);
        else
            static_cast<QAction*>(o)->setText(caption);
        break;
    case ComponentKind::Label:
        if (o->property(kCaptionPrefix).isValid())
            o->setProperty(kCaptionPrefix, caption); // the program writes the label anew
        else
            static_cast<QLabel*>(o)->setText(caption);
        break;
    case ComponentKind::Button:
        static_cast<QAbstractButton*>(o)->setText(caption);
        break;
    case ComponentKind::TabSheet: {
        auto* page = static_cast<QWidget*>(o);
        if (QTabWidget* tabs = tabWidgetOfPage(page))
            tabs->setTabText(tabs->indexOf(page), caption);
        break;
    }
    case ComponentKind::RadioGroup:
        static_cast<QGroupBox*>(o)->setTitle(caption);
        break;
    case ComponentKind::Window:
        static_cast<QWidget*>(o)->setWindowTitle(caption);
        break;
    case ComponentKind::Panel: // a panel here only frames other controls and shows no text
    case ComponentKind::Edit:  // an edit's caption is what the user typed
        break;
    }
}

void setHint(const LanguageComponent& c, const QString& hint)
{
    if (auto* action = qobject_cast<QAction*>(c.object)) {
        action->setToolTip(hint);
        return;
    }
    if (c.kind == ComponentKind::TabSheet) {
        auto* page = static_cast<QWidget*>(c.object);
        if (QTabWidget* tabs = tabWidgetOfPage(page))
            tabs->setTabToolTip(tabs->indexOf(page), hint);
        return;
    }
    static_cast<QWidget*>(c.object)->setToolTip(hint);
}

QString LanguageFiles::baseFile() const
{
    return folder + QStringLiteral("/bezeich.txt");
}

QString LanguageFiles::radioFile(int group) const
{
    return folder + QStringLiteral("/Radio%1.txt.").arg(group) + code;
}

QString LanguageFiles::messageFile() const
{
    return folder + QStringLiteral("/meldungen.txt.") + code;
}

QString LanguageFiles::textFile() const
{
    return folder + QStringLiteral("/texte.txt.") + code;
}

QStringList radioGroupsOfFile(int file)
{
    switch (file) {
    case 1:
        return {controlName(Control::SuperzahlChoice)};
    case 2:
        return {controlName(Control::ExtraGamesChoice)};
    case 3:
        return {controlName(Control::PrintSpiel77Choice), controlName(Control::PrintSuper6Choice)};
    }
    return {};
}

namespace {

// The lines of a file that exists and can be read; nothing otherwise.
std::optional<QStringList> optionalLines(const QString& path)
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    auto lines = readLanguageFile(path);
    return lines ? std::optional<QStringList>(*lines) : std::nullopt;
}

void applyCaptionFile(QMainWindow* main, CaptionFile& file)
{
    for (const LanguageComponent& c : languageComponents(main)) {
        const auto texts = file.find(c.window, c.name);
        if (!texts)
            continue;
        setCaption(c, texts->caption);
        setHint(c, texts->hint);
        // The character set number is read as the files define it; the fonts here cover every
        // script already, so a valid number changes nothing.
        bool isNumber = false;
        (void)texts->charset.trimmed().toInt(&isNumber);
    }
}

} // namespace

bool loadLanguage(QMainWindow* main, const LanguageFiles& files, MessageList& messages)
{
    auto captions = CaptionFile::open(files.baseFile(), files.code);
    if (!captions)
        return false;
    applyCaptionFile(main, *captions);
    for (int file = 1; file <= 3; ++file) {
        const auto items = optionalLines(files.radioFile(file));
        if (!items)
            continue;
        for (const QString& name : radioGroupsOfFile(file))
            if (auto* group = main->findChild<QGroupBox*>(name))
                setRadioItems(group, *items);
    }
    if (const auto lines = optionalLines(files.messageFile()))
        messages.replaceAll(*lines);
    return true;
}

TextList germanTexts()
{
    TextList texts;
    texts.setNames(QLocale(QLocale::German, QLocale::Germany));
    return texts;
}

TextList loadTexts(const LanguageFiles& files, const QLocale& names)
{
    return TextList::fromFileLines(optionalLines(files.textFile()).value_or(QStringList()), names);
}

QStringList baseCaptionLines(QMainWindow* main)
{
    QStringList lines;
    for (const LanguageComponent& c : languageComponents(main)) {
        const QString caption = captionOf(c);
        const QString hint = hintOf(c);
        if (caption.isEmpty() && hint.isEmpty())
            continue;
        lines << c.window << c.name << caption << hint << QStringLiteral("0");
    }
    return lines;
}

} // namespace vendrilo::gui
