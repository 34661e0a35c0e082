// SPDX-License-Identifier: GPL-3.0-or-later
// One screen, one language: after a switch nothing the program writes itself stays in the
// language before.
#include "core/texts/languagefiles.h"
#include "core/texts/messagelist.h"
#include "core/texts/textlist.h"
#include "gui/languages.h"
#include "guitestsupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>
#include <QTcpServer>
#include <gtest/gtest.h>

using namespace vendrilo;

namespace {

const QString kShippedLand = QStringLiteral(VENDRILO_DATA "/land");

void copyLand(const QTemporaryDir& dir)
{
    QDir().mkpath(dir.filePath("land"));
    for (const QString& name : QDir(kShippedLand).entryList(QDir::Files))
        QFile::copy(kShippedLand + '/' + name, dir.filePath("land/" + name));
}

TextList shippedTexts(const QString& code)
{
    return TextList::fromFileLines(*readLanguageFile(kShippedLand + "/texte.txt." + code),
                                   QLocale());
}

void hover(QWidget* w)
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w, &enter);
}

void switchTo(test::StartedWindow& win, const char* menuItem)
{
    win.w->findChild<QAction*>(menuItem)->trigger();
}

// Every text the program's windows show now: captions, titles, hints, status texts.
QStringList textsOnScreen(test::StartedWindow& win)
{
    QStringList texts{win.w->statusText(0), win.w->statusText(1)};
    for (QWidget* window : gui::programWindows(win.w.get())) {
        texts << window->windowTitle();
        for (QObject* o : window->findChildren<QObject*>()) {
            if (auto* w = qobject_cast<QWidget*>(o))
                texts << w->toolTip();
            if (auto* l = qobject_cast<QLabel*>(o))
                texts << l->text();
            else if (auto* b = qobject_cast<QAbstractButton*>(o))
                texts << b->text();
            else if (auto* g = qobject_cast<QGroupBox*>(o))
                texts << g->title();
            else if (auto* e = qobject_cast<QLineEdit*>(o))
                texts << e->placeholderText();
            else if (auto* a = qobject_cast<QAction*>(o))
                texts << a->text() << a->toolTip();
            else if (auto* m = qobject_cast<QMenu*>(o))
                texts << m->title();
            else if (auto* s = qobject_cast<QStatusBar*>(o))
                texts << s->currentMessage();
            else if (auto* t = qobject_cast<QTabWidget*>(o))
                for (int i = 0; i < t->count(); ++i)
                    texts << t->tabText(i) << t->tabToolTip(i);
        }
    }
    return texts;
}

// The German words of the program's texts that the English files word otherwise: each fixed
// text's parts between its placeholders and each line of the message list, where they are long
// enough to mean something.
QStringList germanOnlyParts()
{
    const TextList english = shippedTexts("en");
    QList<std::pair<QString, QString>> texts;
    for (int i = 0; i < kTextCount; ++i)
        texts.append({TextList::german(static_cast<Text>(i)), english.text(static_cast<Text>(i))});
    const QStringList englishMessages = *readLanguageFile(kShippedLand + "/meldungen.txt.en");
    for (int n = 0; n < MessageList::kDefaultCount; ++n)
        texts.append({MessageList::defaults().at(n), englishMessages.value(n)});
    QStringList parts;
    for (const auto& [german, translated] : texts)
        for (const QString& part : german.split(QRegularExpression("%\\d")))
            if (part.trimmed().size() >= 5 && !translated.contains(part))
                parts << part;
    return parts;
}

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort(); // closed again when the probe goes
}

} // namespace

TEST(LanguageSwitch, EnglishLeavesNoGermanTextOfTheProgramOnScreen)
{
    test::StartedWindow win([](const QTemporaryDir& dir) { copyLand(dir); });
    // Every window and text the program writes once: both dialogs, a hint, the status bar.
    win.session().enterDrawByHand();
    win.w->editRowInForm(3);
    win.session().setOption(Option::ShowWeightingList, 1); // a run shows its pool first
    win.session().startOrStopGeneration();
    auto* start = win.control<QWidget>(gui::Control::StartGeneration);
    hover(start);
    ASSERT_EQ(win.w->statusText(0), "Kein Update-Server eingestellt");
    const QStringList parts = germanOnlyParts();
    ASSERT_GT(parts.size(), 100);

    switchTo(win, "Englisch1");
    EXPECT_EQ(win.w->statusText(0), shippedTexts("en").text(Text::NoUpdateServerStatus));
    EXPECT_EQ(win.w->statusText(1), start->toolTip()); // the hint of the same control
    EXPECT_NE(start->toolTip(), "");
    for (const QString& shown : textsOnScreen(win))
        for (const QString& part : parts)
            EXPECT_FALSE(shown.contains(part))
                << '"' << shown.toStdString() << "\" holds \"" << part.toStdString() << '"';

    // Weekdays and months in English too, whatever the system's locale says.
    const QLocale english(QLocale::English);
    const double shown = win.state().shown.date;
    EXPECT_TRUE(
        win.control<QLabel>(gui::Control::DatabaseDrawLine)
            ->text()
            .startsWith(english.dayName(dateFromDay(shown).dayOfWeek(), QLocale::ShortFormat) +
                        ' '));
    const auto pickers = win.w->findChildren<QDateEdit*>();
    EXPECT_EQ(pickers.size(), 5); // two on the pages, the Konto period, the entry dialog
    for (QDateEdit* picker : pickers)
        EXPECT_EQ(picker->calendarWidget()->locale().language(), QLocale::English)
            << picker->objectName().toStdString();
}

TEST(LanguageSwitch, StatusTextsFollowEachSwitchWithTheirValues)
{
    test::StartedWindow win([](const QTemporaryDir& dir) { copyLand(dir); });
    const TextList polish = shippedTexts("pl");
    const TextList english = shippedTexts("en");
    switchTo(win, "Polnisch1");
    EXPECT_EQ(win.w->statusText(0), polish.text(Text::NoUpdateServerStatus));
    auto* server = win.child<QLineEdit>("ServerEdit");
    server->setText("file:///etc");
    Q_EMIT server->editingFinished();
    EXPECT_EQ(win.w->statusText(1), polish.text(Text::OnlyWebAddresses));
    server->setText(QStringLiteral("http://127.0.0.1:%1").arg(closedPort()));
    Q_EMIT server->editingFinished();
    win.control<QAbstractButton>(gui::Control::UpdateDraws)->click();
    // Both games stop at the day after the newest draw, each for the system's reason.
    const QString noAnswer = win.w->statusText(0);
    const QString lottoPart = noAnswer.section(QStringLiteral(" – Lotto Plus: "), 0, 0);
    const QString prefix = "Lotto: " + polish.text(Text::UpdateNoAnswer).section("%1", 0, 0);
    const QString suffix =
        fillIn(polish.text(Text::UpdateAskedAgain).section("%1", 1), {{}, "21.08.2026"});
    ASSERT_TRUE(lottoPart.startsWith(prefix) && lottoPart.endsWith(suffix))
        << noAnswer.toStdString();
    const QString reason = lottoPart.mid(prefix.size()).chopped(suffix.size());
    EXPECT_FALSE(reason.isEmpty());
    const auto bothIn = [&](const TextList& texts) {
        const QString game =
            fillIn(texts.text(Text::UpdateAskedAgain),
                   {fillIn(texts.text(Text::UpdateNoAnswer), {reason}), "21.08.2026"});
        return fillIn(texts.text(Text::UpdateBothGames), {game, game});
    };
    EXPECT_EQ(noAnswer, bothIn(polish));

    switchTo(win, "Englisch1");
    EXPECT_EQ(win.w->statusText(0), bothIn(english));
    EXPECT_EQ(win.w->statusText(1), english.text(Text::OnlyWebAddresses));
    switchTo(win, "Deutsch1");
    const QString german = "Keine Antwort vom Update-Server: " + reason +
                           "; 21.08.2026 wird beim nächsten Update wieder abgefragt";
    EXPECT_EQ(win.w->statusText(0), "Lotto: " + german + " – Lotto Plus: " + german);
    EXPECT_EQ(win.w->statusText(1), "Nur http:// oder https:// Adressen");
}

TEST(LanguageSwitch, TheImportSummaryAndItsReasonsSpeakTheLanguage)
{
    test::StartedWindow win([](const QTemporaryDir& dir) { copyLand(dir); });
    switchTo(win, "Englisch1");
    const QString results = win.dir.filePath("results.txt");
    test::writeBytes(results, "7395,22.08.2026,1,2,3,4,5,6\n7396,26.08.2026,1,2,3,4,5\n"
                              "7397,29.08.2026,1,2,3,4,5,50\nsome words\n");
    win.session().importDrawFile(results);
    ASSERT_FALSE(win.prompts->messages.isEmpty());
    EXPECT_EQ(win.prompts->messages.last(),
              "1 draws taken over, 0 already present, 3 lines refused.\n\nRefused lines:\n"
              "2: 5 numbers instead of six\n3: \"50\" is not a number from 1 to 49\n"
              "4: not a draw line (number, DD.MM.YYYY, six numbers)");
}
