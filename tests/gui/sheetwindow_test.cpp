// SPDX-License-Identifier: GPL-3.0-or-later
#include "guitestsupport.h"
#include "testsupport.h"

#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace vendrilo;
using vendrilo::test::draw;

namespace {

struct Window : test::StartedWindow {
    Window()
        : StartedWindow([](const QTemporaryDir& dir) {
              // One draw: 3 14 22 30 41 48, bonus 49.
              test::writeDrawFile(dir, {draw("11.01.1997", {3, 14, 22, 30, 41, 48}, 49)});
              // With the hit sound in place, rows of three hits and more start it (or, without
              // a sound device, quietly do nothing).
              QFile::copy(QStringLiteral(VENDRILO_DATA "/yippee.wav"), dir.filePath("yippee.wav"));
          })
    {
    }
    QLineEdit* field(int r, int p) { return w->sheetField(r, p); }
    void type(int r, int p, const QString& text)
    {
        field(r, p)->clear();
        QTest::keyClicks(field(r, p), text);
    }
    void leave(int r, int p)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field(r, p), &out);
    }
    void fillRow(int r, std::initializer_list<const char*> numbers)
    {
        int p = 1;
        for (const char* n : numbers)
            type(r, p++, QString::fromLatin1(n));
    }
    QColor base(int r, int p) { return field(r, p)->palette().color(QPalette::Base); }
};

} // namespace

TEST(TipSheetWindow, TypingIsNormalisedAtOnce)
{
    Window win;
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {{"007", "7"}, {"0", ""}, {"50", ""}, {"-3", ""}, {"x", ""}, {"49", "49"}};
    for (const auto& c : cases) {
        win.type(1, 1, QString::fromLatin1(c.typed));
        EXPECT_EQ(win.field(1, 1)->text(), QString::fromLatin1(c.kept)) << c.typed;
    }
    // Text the program writes passes the same normalisation.
    win.field(2, 3)->setText("0");
    EXPECT_EQ(win.field(2, 3)->text(), "");
    win.field(2, 3)->setText("08");
    EXPECT_EQ(win.field(2, 3)->text(), "8");
}

TEST(TipSheetWindow, LeavingAFieldSortsScoresAndColoursTheRow)
{
    Window win;
    win.fillRow(1, {"49", "3", "22", "14", "41", "30"});
    win.leave(1, 6);
    QStringList row;
    for (int p = 1; p <= 6; ++p)
        row << win.field(1, p)->text();
    EXPECT_EQ(row.join(','), "3,14,22,30,41,49");
    auto* hits = win.child<QLabel>(kSheetRows[0].hitsLabel);
    EXPECT_EQ(hits->text(), "5 + B");
    EXPECT_EQ(hits->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
    EXPECT_EQ(win.child<QLabel>(kSheetRows[0].crossSumLabel)->text(), "159");
    for (int p = 1; p <= 5; ++p)
        EXPECT_EQ(win.base(1, p), QColor(0, 0xFF, 0)) << p;
    EXPECT_EQ(win.base(1, 6), QColor(0xFF, 0xFF, 0));
    // Five hits start the hit sound: its player comes from the sound module, on the sound file.
    QObject* player = nullptr;
    for (QObject* o : win.w->findChildren<QObject*>(QString(), Qt::FindDirectChildrenOnly))
        if (QByteArray(o->metaObject()->className()) == "QSoundEffect")
            player = o;
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player->property("source").toUrl(),
              QUrl::fromLocalFile(win.dir.filePath("yippee.wav")));

    // A row with an empty field keeps its order and shows no result.
    win.fillRow(2, {"40", "1", "2", "", "5", "6"});
    win.leave(2, 6);
    EXPECT_EQ(win.field(2, 1)->text(), "40");
    EXPECT_EQ(win.child<QLabel>(kSheetRows[1].hitsLabel)->text(), "");
    EXPECT_EQ(win.child<QLabel>(kSheetRows[1].crossSumLabel)->text(), "");
}

TEST(TipSheetWindow, RowLabelTogglesTheLockAndClearingSparesLockedRows)
{
    Window win;
    win.fillRow(1, {"1", "2", "3", "4", "5", "6"});
    win.fillRow(2, {"7", "8", "9", "10", "11", "12"});
    win.leave(2, 6);
    auto* label = win.child<QLabel>(kSheetRows[0].rowLabel);
    const QColor unlocked = label->palette().color(QPalette::WindowText);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
    EXPECT_TRUE(win.w->state().sheet.locked(1));

    win.prompts->yesNoAnswers = {true};
    win.control<QToolButton>(gui::Control::ClearSheet)->click();
    EXPECT_EQ(win.prompts->asked.last(),
              "Alle Tipps löschen? | Sollen alle Tipps gelöscht werden??");
    EXPECT_EQ(win.field(1, 6)->text(), "6") << "the locked row stays";
    EXPECT_EQ(win.child<QLabel>(kSheetRows[0].crossSumLabel)->text(), "21");
    EXPECT_EQ(win.field(2, 1)->text(), "");
    EXPECT_EQ(win.child<QLabel>(kSheetRows[1].crossSumLabel)->text(), "");

    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), unlocked);
    EXPECT_FALSE(win.w->state().sheet.locked(1));
}

TEST(TipSheetWindow, AnsweringNoToTheClearQuestionChangesNothing)
{
    Window win;
    win.fillRow(3, {"5", "6", "7", "8", "9", "10"});
    win.leave(3, 6);
    win.prompts->yesNoAnswers = {false};
    win.control<QToolButton>(gui::Control::ClearSheet)->click();
    EXPECT_EQ(win.prompts->asked.size(), 1);
    EXPECT_EQ(win.field(3, 1)->text(), "5");
    EXPECT_EQ(win.child<QLabel>(kSheetRows[2].crossSumLabel)->text(), "45");
}

// At the smallest size the window allows and at its first size, with every line of the sheet
// page shown (rows calculated, the money line, the chances), no text on any page is squeezed
// below its own height.
TEST(TipSheetWindow, EveryTextOfEveryPageKeepsItsHeightAtTheSmallestWindow)
{
    test::StartedWindow win;
    auto& w = win.w;
    w->show();
    win.session().startOrStopGeneration();
    QApplication::processEvents();
    // The first size holds the whole sheet page: the window need not grow for it.
    EXPECT_LE(w->minimumSize().height(), 600);
    auto* tabs = win.control<QTabWidget>(gui::Control::MainTabs);
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        for (const QSize size : {w->minimumSize(), QSize(800, 600)}) {
            w->resize(size);
            QApplication::processEvents();
            int checked = 0;
            for (QWidget* text : w->centralWidget()->findChildren<QWidget*>()) {
                if (!text->isVisible() ||
                    !(qobject_cast<QLabel*>(text) || text->inherits("QCheckBox")))
                    continue;
                ++checked;
                EXPECT_GE(text->height(), text->minimumSizeHint().height())
                    << tabs->tabText(tab).toStdString() << " " << size.width() << "x"
                    << size.height() << " " << text->objectName().toStdString() << " \""
                    << text->property("text").toString().toStdString() << "\"";
            }
            EXPECT_GT(checked, 0) << tabs->tabText(tab).toStdString();
        }
    }
}
