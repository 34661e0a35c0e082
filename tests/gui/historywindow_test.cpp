// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawfile.h"
#include "gui/dialogs.h"
#include "guitestsupport.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace vendrilo;

namespace {

std::vector<DrawRecord> stored(test::StartedWindow& win)
{
    return *drawfile::read(win.state().drawPath());
}

void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton);
}

} // namespace

TEST(HistoryWindow, EntryRefusesATwiceNumberAndStoresTheDrawSorted)
{
    test::StartedWindow win;
    const std::size_t before = stored(win).size();
    win.onDialog = [&](QDialog& dialog) {
        auto& d = static_cast<gui::DrawEntryDialog&>(dialog);
        const QList<int> numbers{40, 2, 17, 9, 33, 40};
        for (int i = 0; i < 6; ++i)
            d.findChild<QSpinBox*>(gui::drawEntryNumberName(i + 1))->setValue(numbers[i]);
        d.findChild<QDateEdit*>(gui::controlName(gui::Control::DrawEntryDate))
            ->setDate(QDate(2026, 8, 22));
        auto* ok = d.findChild<QPushButton*>(gui::controlName(gui::Control::DrawEntryOk));
        click(ok); // 40 twice: refused, the dialog stays
        EXPECT_FALSE(d.problem().isEmpty());
        EXPECT_EQ(d.result(), 0);
        d.findChild<QSpinBox*>(gui::drawEntryNumberName(6))->setValue(21);
        click(ok);
        return d.result();
    };
    click(win.control<QPushButton>(gui::Control::EnterDraw));
    const auto records = stored(win);
    ASSERT_EQ(records.size(), before + 1);
    EXPECT_EQ(formatDate(records.back().date), "22.08.2026");
    EXPECT_EQ(records.back().numbers, (std::array<std::uint8_t, 6>{2, 9, 17, 21, 33, 40}));
    EXPECT_EQ(formatDate(win.state().shown.date), "22.08.2026"); // the new newest draw shown

    // Cancelled: nothing written.
    win.onDialog = [](QDialog&) { return int(QDialog::Rejected); };
    click(win.control<QPushButton>(gui::Control::EnterDraw));
    EXPECT_EQ(stored(win).size(), before + 1);
}

TEST(HistoryWindow, DeletionAsksAndImportAndPrintOutReport)
{
    test::StartedWindow win;
    const auto before = stored(win);
    win.prompts->yesNoAnswers = {false};
    click(win.control<QPushButton>(gui::Control::DeleteDraw));
    EXPECT_EQ(stored(win).size(), before.size()); // "No": nothing deleted
    ASSERT_FALSE(win.prompts->asked.isEmpty());
    EXPECT_TRUE(win.prompts->asked.last().contains("20.08.2026"))
        << win.prompts->asked.last().toStdString();
    win.prompts->yesNoAnswers = {true};
    click(win.control<QPushButton>(gui::Control::DeleteDraw));
    EXPECT_EQ(stored(win).size(), before.size() - 1);

    // The deleted draw comes back by import, the message counts it.
    const QString results = win.dir.filePath("results.txt");
    test::writeBytes(results, "7394,20.08.2026,06,12,19,21,23,26\n7395,31.02.2026,1,2,3,4,5,6\n");
    win.session().importDrawFile(results);
    EXPECT_EQ(stored(win), before);
    ASSERT_FALSE(win.prompts->messages.isEmpty());
    EXPECT_TRUE(win.prompts->messages.last().startsWith("1 Ziehungen übernommen, 0 schon "
                                                        "vorhanden, 1 Zeilen abgelehnt."));
    EXPECT_TRUE(win.prompts->messages.last().contains("2: 31.02.2026 ist kein Kalenderdatum"));
    EXPECT_EQ(win.state().shown.position, static_cast<int>(before.size()) - 1);

    // The print-out is written in the program folder and opened.
    win.session().setField(1, 1, "3");
    for (int p = 2; p <= 6; ++p)
        win.session().setField(1, p, QString::number(p * 7));
    click(win.control<QWidget>(gui::Control::PrintTicket));
    ASSERT_FALSE(win.openedUrls.isEmpty());
    EXPECT_EQ(win.openedUrls.last(), QUrl::fromLocalFile(win.dir.filePath("Tipp.txt")));
    const QByteArray text = test::readBytes(win.dir.filePath("Tipp.txt"));
    EXPECT_TRUE(text.contains("\r\n 1. Tipp:  3   14   21   28   35   42\r\n"))
        << text.toStdString();
}
