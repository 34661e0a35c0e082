// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts/languagefiles.h"
#include "core/texts/messagelist.h"
#include "core/tipfiles/tipfile.h"
#include "charts/chartview.h"
#include "gui/controls.h"
#include "gui/languages.h"
#include "gui/statusbarhints.h"
#include "gui/windows.h"
#include "guitestsupport.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QCheckBox>
#include <QLineEdit>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCategoryAxis>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QTabBar>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace vendrilo;

namespace {

const QString kShippedLand = QStringLiteral(VENDRILO_DATA "/land");

QStringList shippedLines(const QString& name)
{
    const auto lines = readLanguageFile(kShippedLand + '/' + name);
    EXPECT_TRUE(lines.ok()) << name.toStdString();
    return lines ? *lines : QStringList();
}

// Copies the shipped language files whose names pass `wanted` into the folder's "land".
void copyLand(const QTemporaryDir& dir, const std::function<bool(const QString&)>& wanted = {})
{
    QDir().mkpath(dir.filePath("land"));
    for (const QString& name : QDir(kShippedLand).entryList(QDir::Files))
        if (!wanted || wanted(name))
            QFile::copy(kShippedLand + '/' + name, dir.filePath("land/" + name));
}

// A base file of blocks (window, control, caption, hint, character set).
void writeLand(const QTemporaryDir& dir, const QString& name, const QStringList& lines)
{
    QDir().mkpath(dir.filePath("land"));
    test::writeBytes(dir.filePath("land/" + name), (lines.join('\n') + '\n').toUtf8());
}

QStringList unrelatedBlocks(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << "Form1" << QStringLiteral("Unused%1").arg(i) << "x"
              << ""
              << "0";
    return lines;
}

QAction* action(test::StartedWindow& win, const QString& name)
{
    auto* a = win.child<QAction>(name);
    EXPECT_NE(a, nullptr) << name.toStdString();
    return a;
}

QStringList checkedLanguages(test::StartedWindow& win)
{
    QStringList checked;
    for (const Language& l : languages())
        if (action(win, l.menuItem)->isChecked())
            checked << l.menuItem;
    return checked;
}

QString tabText(test::StartedWindow& win, gui::Control page)
{
    auto* tabs = win.control<QTabWidget>(gui::Control::MainTabs);
    return tabs->tabText(tabs->indexOf(win.control<QWidget>(page)));
}

bool hasBlock(const gui::LanguageComponent& c)
{
    return !gui::captionOf(c).isEmpty() || !gui::hintOf(c).isEmpty();
}

} // namespace

// The base file must meet the controls in the order the loader visits them, or a language
// leaves controls untranslated: the shipped file is checked against the windows themselves.
TEST(Languages, ShippedFilesCoverEveryControlInVisitOrder)
{
    gui::Windows windows = gui::createWindows();
    const QStringList base = shippedLines("bezeich.txt");
    ASSERT_EQ(base.size() % 5, 0);
    const int blocks = static_cast<int>(base.size() / 5);
    int previous = 0;
    int matched = 0;
    for (const gui::LanguageComponent& c : gui::languageComponents(windows.main.get())) {
        if (!hasBlock(c))
            continue;
        int k = previous;
        while (k < blocks && (base[5 * k] != c.window || base[5 * k + 1] != c.name))
            ++k;
        ASSERT_LT(k, blocks) << "no block after block " << previous << " for "
                             << c.window.toStdString() << "/" << c.name.toStdString();
        EXPECT_LE(k - previous, kCaptionSearchReach) << c.name.toStdString();
        EXPECT_EQ(base[5 * k + 2], gui::captionOf(c)) << c.name.toStdString();
        EXPECT_EQ(base[5 * k + 3], gui::hintOf(c)) << c.name.toStdString();
        previous = k;
        ++matched;
    }
    EXPECT_EQ(matched, blocks) << "the base file holds blocks of controls that show no text";
    EXPECT_EQ(base, gui::baseCaptionLines(windows.main.get()));

    // Every text the windows show on a control belongs to a control the files can name.
    for (QWidget* window : gui::programWindows(windows.main.get()))
        for (QObject* o : window->findChildren<QObject*>()) {
            const auto* label = qobject_cast<QLabel*>(o);
            const auto* button = qobject_cast<QAbstractButton*>(o);
            const bool radioItem = qobject_cast<QGroupBox*>(o->parent()) != nullptr;
            const bool showsText = (label && !label->text().isEmpty()) ||
                                   (button && !button->text().isEmpty() && !radioItem);
            EXPECT_TRUE(!showsText || !o->objectName().isEmpty())
                << "unnamed: " << (label ? label->text() : button->text()).toStdString();
        }

    // Each language: two lines per block, the whole message list, one line per radio item.
    const QStringList radioItems[] = {gui::radioItems(test::findControl<QGroupBox>(
                                          windows.main.get(), gui::Control::SuperzahlChoice)),
                                      gui::radioItems(test::findControl<QGroupBox>(
                                          windows.main.get(), gui::Control::ExtraGamesChoice)),
                                      gui::radioItems(test::findControl<QGroupBox>(
                                          windows.main.get(), gui::Control::PrintSpiel77Choice))};
    for (const Language& l : languages()) {
        const std::string code = l.code.toStdString();
        if (l.code != QLatin1String("de")) {
            EXPECT_EQ(shippedLines("bezeich.txt." + l.code).size(), 2 * blocks) << code;
        }
        EXPECT_EQ(shippedLines("meldungen.txt." + l.code).size(), MessageList::kDefaultCount)
            << code;
        for (int file = 1; file <= 3; ++file)
            EXPECT_EQ(shippedLines(QStringLiteral("Radio%1.txt.").arg(file) + l.code).size(),
                      radioItems[file - 1].size())
                << code << " Radio" << file;
    }
    EXPECT_EQ(shippedLines("meldungen.txt.de"), MessageList::defaults());
}

// Every shipped language puts its lines onto exactly the controls of their blocks.
TEST(Languages, EachShippedLanguageReachesEveryControl)
{
    gui::Windows windows = gui::createWindows();
    gui::MainWindow* main = windows.main.get();
    const QStringList base = shippedLines("bezeich.txt");
    for (const Language& l : languages()) {
        if (l.code == QLatin1String("de"))
            continue;
        MessageList messages;
        ASSERT_TRUE(gui::loadLanguage(main, {kShippedLand, l.code}, messages));
        const QStringList translation = shippedLines("bezeich.txt." + l.code);
        int k = 0;
        for (const gui::LanguageComponent& c : gui::languageComponents(main)) {
            while (k < base.size() / 5 && (base[5 * k] != c.window || base[5 * k + 1] != c.name))
                ++k;
            if (k == base.size() / 5)
                break;
            const std::string what = l.code.toStdString() + " " + c.name.toStdString();
            if (c.kind != gui::ComponentKind::Edit && c.kind != gui::ComponentKind::Panel) {
                EXPECT_EQ(gui::captionOf(c), translation.value(2 * k)) << what;
            }
            EXPECT_EQ(gui::hintOf(c), translation.value(2 * k + 1)) << what;
        }
        EXPECT_EQ(messages.count(), MessageList::kDefaultCount);
        EXPECT_EQ(messages.text(Msg::Stop), shippedLines("meldungen.txt." + l.code).value(16));
        EXPECT_EQ(
            gui::radioItems(test::findControl<QGroupBox>(main, gui::Control::PrintSuper6Choice)),
            shippedLines("Radio3.txt." + l.code));
    }
}

TEST(Languages, MenuSwitchesTextsChecksItsItemAndKeepsTheNumber)
{
    test::StartedWindow win([](const QTemporaryDir& dir) { copyLand(dir); });
    const Language& polish = *languageByIndex(8);
    action(win, polish.menuItem)->trigger();
    const QStringList pl = shippedLines("bezeich.txt.pl");
    EXPECT_EQ(win.state().language, 8);
    EXPECT_EQ(checkedLanguages(win), QStringList{"Polnisch1"});
    EXPECT_NE(tabText(win, gui::Control::SheetTab), "Lottotipp");
    EXPECT_EQ(win.state().messages.line(0), shippedLines("meldungen.txt.pl").value(0));
    // What the program writes itself follows at once: the chart shown gets its new titles.
    EXPECT_TRUE(test::chartView(*win.w)
                    ->categoryAxis()
                    ->titleText()
                    .replace(QChar(QChar::Nbsp), ' ')
                    .startsWith(win.state().messages.line(0)));

    action(win, "Deutsch1")->trigger();
    EXPECT_EQ(win.state().language, 0);
    EXPECT_EQ(checkedLanguages(win), QStringList{"Deutsch1"});
    EXPECT_EQ(tabText(win, gui::Control::SheetTab), "Lottotipp");
    EXPECT_EQ(win.control<QAbstractButton>(gui::Control::StartGeneration)->text(),
              "&Tipps berechnen");
    EXPECT_EQ(win.state().messages.line(0), "Zahlenverteilung");
    EXPECT_EQ(gui::radioItems(win.control<QGroupBox>(gui::Control::ExtraGamesChoice)),
              shippedLines("Radio2.txt.de"));

    // The help menu opens the manual in the program folder.
    action(win, "Dokumentationanzeigen1")->trigger();
    ASSERT_FALSE(win.openedUrls.isEmpty());
    EXPECT_EQ(win.openedUrls.last(), QUrl::fromLocalFile(win.dir.filePath("Vendrilo.pdf")));
}

TEST(Languages, EnglishWithOnlyTheBaseFileShowsTheGermanTexts)
{
    test::StartedWindow win([](const QTemporaryDir& dir) {
        copyLand(dir, [](const QString& name) { return name == "bezeich.txt"; });
    });
    win.control<QAbstractButton>(gui::Control::StartGeneration)->setText("Calculate");
    win.control<QTabWidget>(gui::Control::MainTabs)->setTabText(0, "Tip");
    action(win, "Englisch1")->trigger();
    EXPECT_EQ(win.control<QAbstractButton>(gui::Control::StartGeneration)->text(),
              "&Tipps berechnen");
    EXPECT_EQ(tabText(win, gui::Control::SheetTab), "Lottotipp");
    EXPECT_EQ(win.state().language, 1);
    EXPECT_EQ(checkedLanguages(win), QStringList{"Englisch1"});
    EXPECT_EQ(win.state().messages.line(0), "Zahlenverteilung");
}

TEST(Languages, WithoutTheBaseFileOnlyTheMenuAndTheNumberChange)
{
    test::StartedWindow win([](const QTemporaryDir& dir) {
        copyLand(dir, [](const QString& name) { return name.startsWith("meldungen"); });
    });
    action(win, "Polnisch1")->trigger();
    EXPECT_EQ(win.state().language, 8);
    EXPECT_EQ(checkedLanguages(win), QStringList{"Polnisch1"});
    EXPECT_EQ(tabText(win, gui::Control::SheetTab), "Lottotipp");
    EXPECT_EQ(win.state().messages.line(0), "Zahlenverteilung");
}

TEST(Languages, ElevenUnrelatedBlocksHideTheNextControl)
{
    test::StartedWindow win([](const QTemporaryDir& dir) {
        QStringList lines{"Form1", "Aktualisieren1", "&Eins", "", "0"};
        lines << unrelatedBlocks(11) << "Form1"
              << "Berechnen1"
              << "&Zwei"
              << ""
              << "0";
        writeLand(dir, "bezeich.txt", lines);
    });
    action(win, "Englisch1")->trigger();
    EXPECT_EQ(action(win, "Aktualisieren1")->text(), "&Eins");
    EXPECT_EQ(action(win, "Berechnen1")->text(), "&Berechnen");
}

TEST(Languages, AShortTranslationEmptiesTheRestAndTheTicketLabelFollowsTheMessages)
{
    test::StartedWindow win([](const QTemporaryDir& dir) {
        writeLand(dir, "bezeich.txt",
                  {"Form1", "Aktualisieren1", "&Aktualisieren", "Neue Ziehungen", "0", //
                   "Form1", "Berechnen1", "&Berechnen", "Tipps berechnen", "0"});
        writeLand(dir, "bezeich.txt.xx", {"&Refresh", "New draws"});
        writeLand(dir, "Radio3.txt.xx", {"Oui", "Non"});
        QStringList messages = MessageList::defaults().mid(0, 13);
        messages[12] = "Billet ";
        writeLand(dir, "meldungen.txt.xx", messages);
    });
    const QString ticket = win.dir.filePath("ticket.qkt");
    ASSERT_TRUE(saveTipFile(ticket, win.state().sheet, "123456"));
    win.session().openSheetFile(ticket);
    auto* superzahl = win.control<QGroupBox>(gui::Control::SuperzahlChoice);
    const QStringList superzahlItems = gui::radioItems(superzahl);
    gui::checkRadio(superzahl, 1);

    MessageList messages = win.state().messages;
    ASSERT_TRUE(gui::loadLanguage(win.w.get(), {win.dir.filePath("land"), "xx"}, messages));
    win.session().setLanguageTexts(win.state().language, messages);
    win.session().showTextsAgain();
    EXPECT_EQ(action(win, "Aktualisieren1")->text(), "&Refresh");
    EXPECT_EQ(action(win, "Aktualisieren1")->toolTip(), "New draws");
    EXPECT_EQ(action(win, "Berechnen1")->text(), "");
    EXPECT_NE(action(win, "Berechnen1")->toolTip(), "Tipps berechnen");
    EXPECT_EQ(gui::radioItems(win.control<QGroupBox>(gui::Control::PrintSpiel77Choice)),
              (QStringList{"Oui", "Non"}));
    EXPECT_EQ(gui::radioItems(win.control<QGroupBox>(gui::Control::PrintSuper6Choice)),
              (QStringList{"Oui", "Non"}));
    EXPECT_EQ(gui::radioItems(superzahl), superzahlItems); // no Radio1 file: as it was
    EXPECT_EQ(win.state().messages.count(), 13);
    EXPECT_EQ(win.child<QLabel>("Losnummer")->text(), "Billet : 123456");

    // New items keep the checked one, and a click still reaches the program state.
    writeLand(win.dir, "Radio1.txt.xx", {"Z losu", "Własna"});
    gui::loadLanguage(win.w.get(), {win.dir.filePath("land"), "xx"}, messages);
    EXPECT_EQ(gui::checkedRadioIndex(superzahl), 1);
    gui::checkRadio(superzahl, 0);
    EXPECT_EQ(win.state().carried.superzahlOption, 0);
}

TEST(Languages, TheStoredLanguageComesBackAtStart)
{
    QTemporaryDir settingsDir;
    const QString settings = settingsDir.filePath("Pelvano.conf");
    QSettings(settings, QSettings::IniFormat).setValue("Sprache", 5);
    test::StartedWindow win([](const QTemporaryDir& dir) { copyLand(dir); }, settings);
    EXPECT_EQ(win.state().language, 5);
    EXPECT_EQ(checkedLanguages(win), QStringList{"Russisch1"});
    EXPECT_EQ(win.state().messages.line(0), shippedLines("meldungen.txt.ru").value(0));
    EXPECT_TRUE(test::chartView(*win.w)
                    ->categoryAxis()
                    ->titleText()
                    .replace(QChar(QChar::Nbsp), ' ')
                    .startsWith(win.state().messages.line(0)));
}

// What the main window's own controls show, by their path of names: texts, values, checks,
// hints, and whether hidden. The odds are left out: a thread works them out.
QMap<QString, QString> shownControls(gui::MainWindow* w)
{
    QMap<QString, QString> shown;
    for (QWidget* c : w->findChildren<QWidget*>()) {
        QString path;
        for (QObject* o = c; o && o != w; o = o->parent())
            path.prepend('/' + o->objectName());
        if (c->window() != w || c->objectName().isEmpty() || path.contains("ChancenBox"))
            continue;
        QString value = c->isHidden() ? QStringLiteral("hidden ") : QString();
        if (auto* label = qobject_cast<QLabel*>(c))
            value += label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(c))
            value += button->text() + (button->isChecked() ? "*" : "");
        else if (auto* edit = qobject_cast<QLineEdit*>(c))
            value += edit->text();
        else if (auto* spin = qobject_cast<QAbstractSpinBox*>(c))
            value += spin->text();
        else if (auto* group = qobject_cast<QGroupBox*>(c))
            value += group->title();
        shown[path] = value + " | " + c->toolTip();
    }
    auto* tabs = w->findChild<QTabWidget*>(gui::controlName(gui::Control::MainTabs));
    for (int i = 0; i < tabs->count(); ++i)
        shown["tab " + QString::number(i)] =
            tabs->widget(i)->objectName() + ' ' + tabs->tabText(i) + " | " + tabs->tabToolTip(i);
    return shown;
}

// The program's own start makes the tabs after the sheet right after the first paint. They
// must come out as those made with the window: in the stored language, with the stored
// settings, the add-ons hidden, and their hints bound to the status bar.
TEST(Languages, PagesMadeAfterTheFirstPaintShowWhatPagesMadeWithTheWindowShow)
{
    QTemporaryDir settingsDir;
    const QString settings = settingsDir.filePath("Pelvano.conf");
    QSettings(settings, QSettings::IniFormat).setValue("Sprache", 8);
    const auto land = [](const QTemporaryDir& dir) { copyLand(dir); };
    {
        test::StartedWindow first(land, settings);
        first.w->show();
        first.option<QSpinBox>(Option::RunBudgetThousands)->setValue(120);
        first.option<QCheckBox>(Option::NeighboursOfLastDraw)->setChecked(true);
        first.session().setInternetText(&InternetOptions::proxyHost, "127.0.0.2");
        first.control<QDateEdit>(gui::Control::StatisticsStart)->setDate(QDate(2001, 2, 3));
        first.w->close();
    }
    test::StartedWindow made(land, settings);
    test::StartedWindow later(land, settings, {}, true);
    ASSERT_EQ(later.state().language, 8);
    const QMap<QString, QString> expected = shownControls(made.w.get());
    const QMap<QString, QString> shown = shownControls(later.w.get());
    EXPECT_EQ(shown.keys(), expected.keys());
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(shown.value(it.key()), it.value()) << it.key().toStdString();
    EXPECT_EQ(later.option<QSpinBox>(Option::RunBudgetThousands)->value(), 120);

    int hints = 0;
    for (const QString& name : gui::statusBarHintControls()) {
        QWidget* controls[] = {made.child<QWidget>(name), later.child<QWidget>(name)};
        if (!controls[0] || !controls[1])
            continue;
        QString texts[2];
        for (int i : {0, 1}) {
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(controls[i], &enter);
            texts[i] = (i == 0 ? made : later).w->statusText(1);
        }
        EXPECT_EQ(texts[1], texts[0]) << name.toStdString();
        hints += !texts[1].isEmpty();
    }
    EXPECT_GT(hints, 40);
}

TEST(Languages, HoveringABoundControlPutsItsHintIntoTheStatusBar)
{
    test::StartedWindow win;
    auto hover = [&](QWidget* w) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(w, &enter);
    };
    int bound = 0;
    QString last;
    for (const QString& name : gui::statusBarHintControls()) {
        QWidget* w = win.w->findChild<QWidget*>(name);
        if (!w) // an option's field goes by the name of its arrows
            for (auto* spin : win.w->findChildren<QSpinBox*>())
                if (spin->property("editName").toString() == name)
                    w = spin;
        if (!w)
            continue;
        ++bound;
        last = name;
        w->setToolTip("hint of " + name);
        hover(w);
        EXPECT_EQ(win.w->statusText(1), "hint of " + name);
    }
    EXPECT_GE(bound, 60);
    // Another control leaves the text as it is; the hint read is the current one.
    hover(win.child<QWidget>(
        test::chartButtonName(gui::ChartPlace::Diagram, charts::ChartKind::Pairs)));
    EXPECT_EQ(win.w->statusText(1), "hint of " + last);
    auto* search = win.control<QWidget>(gui::Control::SearchTipsInDatabase);
    search->setToolTip("neu");
    hover(search);
    EXPECT_EQ(win.w->statusText(1), "neu");
}

namespace {

// Controls of the page shown now that are narrower than their text needs.
QStringList clippedControls(QWidget* window)
{
    QStringList clipped;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window ||
            w->objectName().startsWith(QLatin1String("qt_"))) // parts of a composite control
            continue;
        const auto* label = qobject_cast<QLabel*>(w);
        const bool needsWidth = (label && !label->wordWrap()) ||
                                qobject_cast<QAbstractButton*>(w) || qobject_cast<QGroupBox*>(w);
        const bool wraps = label && label->wordWrap();
        const bool fits = (!needsWidth || w->width() >= w->sizeHint().width()) &&
                          (!wraps || label->height() >= label->heightForWidth(label->width())) &&
                          w->width() >= w->minimumSizeHint().width() &&
                          w->height() >= w->minimumSizeHint().height();
        if (!fits)
            clipped << QStringLiteral("%1 (%2 < %3)")
                               .arg(w->objectName().isEmpty() ? w->metaObject()->className()
                                                              : w->objectName())
                               .arg(w->width())
                               .arg(w->sizeHint().width()) +
                           QStringLiteral(" h%1<%2")
                               .arg(w->height())
                               .arg(w->minimumSizeHint().height());
    }
    return clipped;
}

} // namespace

TEST(Languages, EveryLanguageFitsTheWindowAtItsDefaultSize)
{
    test::StartedWindow win([](const QTemporaryDir& dir) { copyLand(dir); });
    win.w->show();
    auto* tabs = win.control<QTabWidget>(gui::Control::MainTabs);
    auto* options = win.control<QTabWidget>(gui::Control::OptionPages);
    for (const Language& l : languages()) {
        action(win, l.menuItem)->trigger();
        const std::string code = l.code.toStdString();
        EXPECT_LE(win.w->menuBar()->sizeHint().width(), win.w->width()) << code;
        EXPECT_EQ(win.w->size(), QSize(800, 600)) << code;
        for (int t = 0; t < tabs->count(); ++t) {
            tabs->setCurrentIndex(t);
            for (int o = 0; o < (t == 1 ? options->count() : 1); ++o) {
                options->setCurrentIndex(o);
                QApplication::processEvents();
                EXPECT_EQ(clippedControls(win.w.get()), QStringList())
                    << code << " tab " << t << "." << o;
            }
            EXPECT_LE(tabs->tabBar()->sizeHint().width(), tabs->width()) << code;
        }
        EXPECT_LE(options->tabBar()->sizeHint().width(), options->width()) << code;
        // At the smallest size every menu is still on the bar, none behind its overflow arrow.
        win.w->resize(win.w->minimumSize());
        QApplication::processEvents();
        EXPECT_LE(win.w->menuBar()->sizeHint().width(), win.w->menuBar()->width()) << code;
        win.w->resize(800, 600);
        QApplication::processEvents();
    }
}
