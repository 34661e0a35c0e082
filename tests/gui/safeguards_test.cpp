// SPDX-License-Identifier: GPL-3.0-or-later
// What the window must never do to the user: lose stored values, run what was cancelled, empty
// the sheet for options no row can meet, leave a display behind the state, or stay silent.
#include "core/draws/drawfile.h"
#include "core/tipfiles/tipfile.h"
#include "charts/chartview.h"
#include "gui/dialogs.h"
#include "gui/guiprompts.h"
#include "gui/weightinglistdialog.h"
#include "guitestsupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace vendrilo;

namespace {

QVariantMap storedValues(const QString& path)
{
    const QSettings store(path, QSettings::IniFormat);
    QVariantMap values;
    for (const QString& key : store.allKeys())
        values[key] = store.value(key);
    return values;
}

QStringList sheetRows(test::StartedWindow& win)
{
    QStringList rows;
    for (int r = 1; r <= 12; ++r)
        rows << win.state().sheet.rowString(r);
    return rows;
}

void setOption(test::StartedWindow& win, Option option, int value)
{
    win.session().setOption(option, value);
}

} // namespace

// One unreadable value outside the groups stops the restore; closing must not write defaults
// over everything the restore never read.
TEST(Safeguards, AnUnreadableValueLeavesEveryOtherStoredValueAsItWas)
{
    // Stored value names, as the settings file has them.
    for (const char* broken : {"NeuerSchein", "RadioGroup1", "RadioGroup2"}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("Pelvano.conf");
        {
            // What a user had stored before: a language, options, a sheet, a ticket number,
            // fees, a proxy, a server and a statistics start.
            test::StartedWindow first({}, path);
            first.w->show();
            const QString ticket = dir.filePath("ticket.qkt");
            ASSERT_TRUE(saveTipFile(ticket, first.state().sheet, "4711"));
            first.session().openSheetFile(ticket);
            first.option<QSpinBox>(Option::RunBudgetThousands)->setValue(120);
            first.option<QCheckBox>(Option::NeighboursOfLastDraw)->setChecked(true);
            first.w->sheetField(2, 3)->setText("17");
            first.session().setInternetText(&InternetOptions::proxyHost, "127.0.0.2");
            first.session().setServer("http://127.0.0.1:9");
            first.control<QDateEdit>(gui::Control::StatisticsStart)->setDate(QDate(2001, 2, 3));
            first.session().setLanguageTexts(8, first.state().messages);
            first.w->close();
        }
        {
            QSettings store(path, QSettings::IniFormat);
            store.setValue(broken, "abc");
        }
        const QVariantMap before = storedValues(path);
        {
            test::StartedWindow win({}, path);
            EXPECT_EQ(win.option<QSpinBox>(Option::RunBudgetThousands)->value(), 50) << broken;
            ASSERT_EQ(win.prompts->messages.size(), 1) << broken;
            EXPECT_TRUE(win.prompts->messages.first().contains(broken));
            EXPECT_TRUE(win.prompts->messages.first().contains("erhalten"));
            // Start-up went on: a draw is shown and the sheet is scored.
            EXPECT_GT(win.state().shown.date, 0);
            win.w->show();
            win.option<QSpinBox>(Option::RowCount)
                ->setValue(9); // one value set now: that one is new
            win.w->close();
        }
        const QVariantMap after = storedValues(path);
        for (auto it = before.begin(); it != before.end(); ++it) {
            if (it.key() == broken || it.key() == optionSpec(Option::RowCount).settingsName)
                continue;
            EXPECT_EQ(after.value(it.key()), it.value())
                << broken << ": " << it.key().toStdString();
        }
        EXPECT_EQ(after.value(optionSpec(Option::RowCount).settingsName).toString(), "9");
        bool readable = false;
        after.value(broken).toString().toInt(&readable);
        EXPECT_TRUE(readable) << broken << ": the damaged value is written sound";
    }
}

// The program's start shows the window's frame before it is filled; closed during the start-up's
// first message (the store had to be made safe), it too keeps what the restore never read.
TEST(Safeguards, ClosedDuringTheStartUpsFirstMessageTheWindowKeepsTheStore)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    {
        QSettings stored(path, QSettings::IniFormat);
        stored.setValue(optionSpec(Option::RunBudgetThousands).settingsName, 120);
        stored.setValue(sheetFieldName(2, 3), "17");
        stored.setValue("NeuerSchein", "abc");
    }
    const QVariantMap before = storedValues(path);
    test::writeBytes(path, test::readBytes(path) + "\n[Fremd]\nWert=@Variant(\\0\\0\\0\\x7f)\n");

    test::ScriptedPrompts* prompts = nullptr;
    gui::MainWindow window(test::programStart(dir, &prompts));
    bool closed = false; // by the user, while the first message waits
    prompts->onMessage = [&] { closed = closed || window.close(); };
    window.show();
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(prompts->messages.size(), 2) << prompts->messages.join('\n').toStdString();
    const QVariantMap after = storedValues(path);
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (it.key() != "NeuerSchein")
            EXPECT_EQ(after.value(it.key()), it.value())
                << it.key().toStdString() << ": " << after.value(it.key()).toString().toStdString();
    }
    EXPECT_FALSE(after.contains("Fremd/Wert"));
}

// A run loosens the forced pair at half its budget; closing then must keep the user's choice.
TEST(Safeguards, ClosingDuringARunStoresTheOptionsAsTheUserSetThem)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Pelvano.conf");
    {
        test::StartedWindow win({}, path);
        win.w->show();
        // Only 1,2,3,4,5,6 has the cross sum 21, and it is a run of three: no row is possible,
        // so the run goes on to its budget (1,000 passes) and loosens on the way.
        setOption(win, Option::CrossSumMinimum, 21);
        setOption(win, Option::CrossSumMaximum, 21);
        setOption(win, Option::NoRunOfThree, 1);
        setOption(win, Option::ForcePair, 1);
        setOption(win, Option::RunBudgetThousands, 1);
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (!win.state().options.checked(Option::ForcePair))
                win.w->close();
        });
        closer.start(0);
        win.session().startOrStopGeneration();
        closer.stop();
        QApplication::processEvents();
        EXPECT_FALSE(win.w->isVisible()) << "the window closed once the run had stopped";
        EXPECT_TRUE(win.state().options.checked(Option::ForcePair));
    }
    EXPECT_EQ(storedValues(path).value(optionSpec(Option::ForcePair).settingsName).toString(), "1");
}

TEST(Safeguards, TheEntryDialogStartsFromTheDrawOnScreenAndThePanelFollowsEveryChange)
{
    test::StartedWindow win;
    win.control<QDateEdit>(gui::Control::ChosenDate)->setDate(QDate(1994, 11, 19));
    win.session().goToChosenDate();
    for (int i = 0; i < 5; ++i)
        win.control<QToolButton>(gui::Control::PreviousDraw)->click();
    const double shownDay = win.state().shown.date;
    ASSERT_LT(shownDay, kPickerMinDate);
    const std::size_t count = drawfile::read(win.state().drawPath())->size();
    DrawRecord offered;
    win.onDialog = [&](QDialog& d) {
        auto& entry = static_cast<gui::DrawEntryDialog&>(d);
        offered = entry.enteredRecord();
        // One number changed, the date left alone: the draw on screen is corrected.
        entry.findChild<QSpinBox*>(gui::drawEntryNumberName(1))
            ->setValue(offered.numbers[0] == 1 ? 2 : 1);
        return int(QDialog::Accepted);
    };
    win.control<QPushButton>(gui::Control::EnterDraw)->click();
    EXPECT_EQ(offered.date, shownDay);
    const auto records = *drawfile::read(win.state().drawPath());
    EXPECT_EQ(records.size(), count) << "corrected, not added";
    // The panel shows what the sheet is scored against.
    const QString line = win.control<QLabel>(gui::Control::SheetDrawLine)->text();
    EXPECT_TRUE(line.contains(formatDate(win.state().shown.date).mid(0, 6))) << line.toStdString();
    EXPECT_EQ(win.control<QLabel>(gui::Control::DatabaseDrawLine)->text(),
              win.state().shown.drawLine);

    // Deleting the shown draw: the panel moves on with the state.
    win.prompts->yesNoAnswers = {true};
    const QString deletedLine = win.state().shown.drawLine;
    win.control<QPushButton>(gui::Control::DeleteDraw)->click();
    EXPECT_NE(win.control<QLabel>(gui::Control::SheetDrawLine)->text(), deletedLine);
    EXPECT_EQ(win.control<QLabel>(gui::Control::SheetDrawLine)->text(), win.state().shown.drawLine);
}

TEST(Safeguards, ACancelledQuestionRunsNothing)
{
    test::StartedWindow win;
    win.w->sheetField(1, 1)->setText("3");
    const QStringList rowsBefore = sheetRows(win);
    const std::uint32_t seed = win.state().random.seed();
    win.prompts->inputAnswers = {std::nullopt};
    win.control<QToolButton>(gui::Control::SetLuckyNumber)->click(); // lucky number
    EXPECT_EQ(win.state().random.seed(), seed);

    const double shown = win.state().shown.date;
    win.prompts->inputAnswers = {std::nullopt};
    win.control<QToolButton>(gui::Control::SearchTipsInDatabase)
        ->click(); // search the history for the tips
    EXPECT_EQ(win.state().shown.date, shown);

    for (const gui::Control analysis : {gui::Control::BackTest, gui::Control::SimilarityAnalysis}) {
        win.prompts->inputAnswers = {std::nullopt};
        win.control<QAbstractButton>(analysis)->click();
    }
    EXPECT_EQ(win.state().random.seed(), seed);
    EXPECT_TRUE(win.openedUrls.isEmpty()) << "no report written or opened";
    EXPECT_EQ(sheetRows(win), rowsBefore);
    EXPECT_TRUE(win.prompts->messages.isEmpty()) << win.prompts->messages.join('\n').toStdString();
}

TEST(Safeguards, ImpossibleOptionsAreRefusedBeforeTheSheetIsTouched)
{
    const struct {
        std::vector<std::pair<Option, int>> options;
        const char* named;
    } cases[] = {
        {{{Option::CrossSumMinimum, 260}, {Option::CrossSumMaximum, 250}}, "Quersummen"},
        {{{Option::EvenMinimumCheck, 1},
          {Option::EvenMinimum, 4},
          {Option::OddMinimumCheck, 1},
          {Option::OddMinimum, 3}},
         "ungeraden"},
        {{{Option::EvenMinimumCheck, 1},
          {Option::EvenMinimum, 5},
          {Option::PrimeMinimumCheck, 1},
          {Option::PrimeMinimum, 3}},
         "Primzahlen"},
    };
    for (const auto& c : cases) {
        test::StartedWindow win;
        for (int p = 1; p <= 6; ++p)
            win.w->sheetField(4, p)->setText(QString::number(p * 7));
        win.session().leaveField();
        const QStringList before = sheetRows(win);
        for (const auto& [option, value] : c.options)
            setOption(win, option, value);
        win.session().startOrStopGeneration();
        EXPECT_EQ(sheetRows(win), before) << c.named;
        ASSERT_EQ(win.prompts->messages.size(), 1) << c.named;
        EXPECT_TRUE(win.prompts->messages.first().contains(c.named))
            << win.prompts->messages.first().toStdString();
    }
}

TEST(Safeguards, AStoppedRunSaysItWasStopped)
{
    test::StartedWindow win;
    win.w->show();
    setOption(win, Option::CrossSumMinimum, 21);
    setOption(win, Option::CrossSumMaximum, 21);
    setOption(win, Option::NoRunOfThree, 1);
    QTimer::singleShot(0, [&] { win.session().startOrStopGeneration(); });
    win.session().startOrStopGeneration();
    EXPECT_TRUE(win.w->statusText(1).contains("gestoppt")) << win.w->statusText(1).toStdString();
}

TEST(Safeguards, EveryChangeOfTheSheetCanBeTakenBack)
{
    test::StartedWindow win;
    win.w->show();
    auto& session = win.session();
    // Each step as the user saw it: the rows and whether row 2 was locked.
    using Step = std::pair<QString, bool>;
    auto now = [&] { return Step{sheetRows(win).join('|'), win.state().sheet.locked(2)}; };
    std::vector<Step> steps{now()};
    win.prompts->inputAnswers = {"4711"};
    session.chooseLuckyNumber();
    session.startOrStopGeneration(); // a run
    steps.push_back(now());
    session.toggleRowLock(2); // a lock
    steps.push_back(now());
    session.setField(5, 1, "1"); // a field
    session.leaveField();
    steps.push_back(now());
    win.prompts->yesNoAnswers = {true};
    session.clearSheetAfterAsking(); // clearing (row 2 is locked and stays)
    steps.push_back(now());
    session.writeRow(7, {"1", "9", "17", "25", "33", "41"}); // the single-tip form
    steps.push_back(now());
    for (int i = 0; i < 8; ++i) { // more steps than any one action needs
        session.setField(12, 1, QString::number(i + 1));
        session.leaveField();
        steps.push_back(now());
    }
    ASSERT_GE(steps.size(), 11u);
    // Back through every step, newest first, locks included.
    for (std::size_t i = steps.size() - 1; i-- > 0;) {
        ASSERT_TRUE(session.canUndoSheetChange()) << i;
        win.w->findChild<QAction*>("Rueckgaengig1")->trigger();
        EXPECT_EQ(now(), steps[i]) << i;
    }
    EXPECT_FALSE(session.canUndoSheetChange());
}

TEST(Safeguards, WithoutAViewerTheUserIsToldWhereTheFileIs)
{
    test::StartedWindow win;
    win.viewerFound = false;
    win.w->findChild<QAction*>("TippDrucken1")->trigger();
    ASSERT_EQ(win.prompts->messages.size(), 1);
    EXPECT_TRUE(win.prompts->messages.first().contains(
        QDir::toNativeSeparators(win.dir.filePath("Tipp.txt"))))
        << win.prompts->messages.first().toStdString();
    win.w->findChild<QAction*>("Dokumentationanzeigen1")->trigger();
    ASSERT_EQ(win.prompts->messages.size(), 2);
    EXPECT_TRUE(win.prompts->messages.last().contains("Vendrilo.pdf"));
    // A web address goes to the clipboard instead.
    const QUrl page(QStringLiteral("https://www.quirlend.de/vendrilo/"));
    EXPECT_FALSE(win.session().openAddress(page));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), page.toString());
    EXPECT_TRUE(win.prompts->messages.last().contains(page.toString()));
}

TEST(Safeguards, DisplaysFollowTheStateAtOnce)
{
    test::StartedWindow win;
    const DrawNumbers drawn = win.state().shown.numbers;
    // The single-tip form's row is scored the moment it is written.
    win.session().writeRow(3, {QString::number(drawn[1]), QString::number(drawn[2]),
                               QString::number(drawn[3]), "", "", ""});
    win.session().writeRow(3, {QString::number(drawn[1]), QString::number(drawn[2]),
                               QString::number(drawn[3]), QString::number(drawn[4]),
                               QString::number(drawn[5]), QString::number(drawn[6])});
    EXPECT_TRUE(win.state().sheet.row(3).hitsLabel.startsWith("6"))
        << win.state().sheet.row(3).hitsLabel.toStdString();

    // The entry dialog's note goes as soon as the numbers are right again.
    gui::DrawEntryDialog dialog;
    dialog.showRecord(test::draw("01.08.2026", {1, 2, 3, 4, 5, 6}));
    dialog.findChild<QSpinBox*>(gui::drawEntryNumberName(2))->setValue(1);
    dialog.accept();
    EXPECT_FALSE(dialog.problem().isEmpty());
    const auto* note = dialog.findChildren<QLabel*>().last();
    EXPECT_FALSE(note->text().isEmpty());
    dialog.findChild<QSpinBox*>(gui::drawEntryNumberName(2))->setValue(7);
    EXPECT_TRUE(note->text().isEmpty());
}

TEST(Safeguards, TheWeightingListSaysWhatItsButtonsDoOnceEdited)
{
    test::StartedWindow win;
    gui::WeightingListDialog* list = win.w->weightingList();
    ASSERT_TRUE(list);
    NumberPool pool;
    for (int n = 1; n <= 10; ++n)
        pool.append(static_cast<std::uint8_t>(n));
    list->showPool(pool);
    EXPECT_TRUE(list->editedNote().isEmpty());
    list->box(20)->click();
    EXPECT_TRUE(list->editedNote().contains("OK")) << list->editedNote().toStdString();
}

TEST(Safeguards, NoControlIsASilentNoOp)
{
    test::StartedWindow win;
    // A threshold that is no number is said so.
    win.prompts->inputAnswers = {"abc"};
    win.control<QToolButton>(gui::Control::SearchTipsInDatabase)->click();
    ASSERT_EQ(win.prompts->messages.size(), 1);
    EXPECT_EQ(win.prompts->messages.first(), "'abc' ist kein gültiger Integerwert");
    // "Ab&geben" hands the sheet over as the cart button does (here: no server is set).
    win.w->findChild<QAction*>("Abgeben1")->trigger();
    ASSERT_EQ(win.prompts->messages.size(), 2);
    EXPECT_TRUE(win.prompts->messages.last().contains("Update-Server"));
}

TEST(Safeguards, QuestionsDefaultToNoAndPeriodsStayWithinTheHistory)
{
    const auto box = gui::GuiPrompts::makeQuestionBox(nullptr, "Ziehung löschen?", "?");
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));

    test::StartedWindow win;
    for (const gui::Control picker : {gui::Control::ChosenDate, gui::Control::StatisticsStart})
        EXPECT_EQ(win.control<QDateEdit>(picker)->maximumDate(), QDate(2026, 12, 8))
            << gui::controlName(picker).toStdString();
    // Both draw-day boxes off: the chart says that no draw is counted.
    EXPECT_TRUE(test::chartView(*win.w)->emptyPeriodNote().isEmpty());
    setOption(win, Option::WeekendDraws, 0);
    setOption(win, Option::OtherDayDraws, 0);
    win.session().redrawLastChart();
    EXPECT_EQ(test::chartView(*win.w)->emptyPeriodNote(), "Keine Ziehungen im gewählten Zeitraum");
}

TEST(Safeguards, TheKeysAUserTriesAreInTheMenusAndTheWindowStaysLegible)
{
    test::StartedWindow win;
    const struct {
        const char* item;
        QKeySequence key;
    } keys[] = {{"Rueckgaengig1", QKeySequence::Undo},
                {"TippsLaden1", QKeySequence::Open},
                {"TippsSpeichern1", QKeySequence::Save},
                {"TippDrucken1", QKeySequence::Print},
                {"VorherigeZiehung1", QKeySequence(Qt::ALT | Qt::Key_Left)},
                {"NaechsteZiehung1", QKeySequence(Qt::ALT | Qt::Key_Right)},
                {"Dokumentationanzeigen1", QKeySequence::HelpContents}};
    for (const auto& k : keys) {
        auto* action = win.w->findChild<QAction*>(k.item);
        ASSERT_TRUE(action) << k.item;
        EXPECT_TRUE(action->shortcuts().contains(k.key)) << k.item;
    }
    const double shown = win.state().shown.date;
    win.w->findChild<QAction*>("VorherigeZiehung1")->trigger();
    EXPECT_LT(win.state().shown.date, shown);
    win.w->findChild<QAction*>("NaechsteZiehung1")->trigger();
    EXPECT_EQ(win.state().shown.date, shown);

    win.w->show();
    win.w->resize(640, 480);
    EXPECT_GE(win.w->width(), 700);
    EXPECT_GE(win.w->height(), 520);
}
