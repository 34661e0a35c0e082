// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawfile.h"
#include "core/texts/textlist.h"
#include "gui/httpmodule.h"
#include "guitestsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace vendrilo;
using test::draw;

namespace {

using test::DrawServer;

std::vector<DrawRecord> week()
{
    std::vector<DrawRecord> draws;
    for (int d = 2; d <= 8; ++d)
        draws.push_back(
            draw(QStringLiteral("%1.12.2026").arg(d, 2, 10, QLatin1Char('0')).toLatin1(),
                 {1, 2, 3, 4, 5, 6 + d}));
    return draws;
}

struct OnlineWindow : test::StartedWindow {
    OnlineWindow()
        : StartedWindow([](const QTemporaryDir& dir) {
              test::writeDrawFile(dir, {draw("28.11.2026", {7, 8, 9, 10, 11, 12}),
                                        draw("01.12.2026", {13, 14, 15, 16, 17, 18})});
          })
    {
    }
    void useServer(const QString& url)
    {
        auto* edit = child<QLineEdit>("ServerEdit");
        edit->setText(url);
        Q_EMIT edit->editingFinished();
    }
    std::size_t stored() { return drawfile::read(dir.filePath("ZahlenPL.dat"))->size(); }
};

} // namespace

TEST(OnlineWindow, WithoutAServerNothingIsAskedAndTheUserIsTold)
{
    OnlineWindow win;
    EXPECT_EQ(win.w->statusText(0), "Kein Update-Server eingestellt");
    win.control<QAbstractButton>(gui::Control::UpdateDatabase)->click();
    ASSERT_EQ(win.prompts->messages.size(), 1);
    EXPECT_TRUE(win.prompts->messages.first().contains("Update-Server"));
    // Only web addresses are taken.
    win.useServer("file:///etc");
    EXPECT_TRUE(win.state().internet.server.isEmpty());
    EXPECT_EQ(win.child<QLineEdit>("ServerEdit")->text(), "");
}

TEST(OnlineWindow, AnUpdateStoppedWithTheStopButtonKeepsTheDaysStored)
{
    QTemporaryDir serverDir;
    const QString served = test::writeDrawFile(serverDir, week());
    DrawServer server({"--draws", served, "--delay", "150"});
    ASSERT_FALSE(server.url.isEmpty()) << server.process.readAllStandardError().toStdString();
    OnlineWindow win;
    win.useServer(server.url);
    auto* stop = win.control<QToolButton>(gui::Control::StopUpdate);
    auto* update = win.control<QAbstractButton>(gui::Control::UpdateDraws);
    bool stopShown = false, updateDisabled = false;
    // Stop once the first days are in: the day being fetched is still stored.
    QTimer::singleShot(400, win.w.get(), [&] {
        stopShown = !stop->isHidden();
        updateDisabled = !update->isEnabled();
        stop->click();
    });
    win.control<QAbstractButton>(gui::Control::UpdateDatabase)->click();
    EXPECT_TRUE(stopShown);
    EXPECT_TRUE(updateDisabled);
    EXPECT_TRUE(stop->isHidden());
    EXPECT_TRUE(update->isEnabled());
    const std::size_t stored = win.stored();
    EXPECT_GE(stored, 3u) << "at least one day stored";
    EXPECT_LT(stored, 9u) << "the stop came before the last day";
    // The newest stored draw is shown and the status bar tells the last answer.
    const DrawRecord newest = drawfile::read(win.dir.filePath("ZahlenPL.dat"))->back();
    EXPECT_EQ(win.state().shown.date, newest.date);
    EXPECT_TRUE(win.w->statusText(0).startsWith("Lotto: Received"))
        << win.w->statusText(0).toStdString();

    // A second update goes on from there to today.
    win.control<QAbstractButton>(gui::Control::UpdateDraws)->click();
    EXPECT_EQ(win.stored(), 9u);
    EXPECT_TRUE(win.w->statusText(1).contains("accuracy"));
}

TEST(OnlineWindow, TheCartOpensTheFilledAddress)
{
    QTemporaryDir serverDir;
    DrawServer server({"--draws", test::writeDrawFile(serverDir, week()), "--portal-template",
                       "https://portal.example/?a=[KASTEN1]&n=[ANZAHL]"});
    ASSERT_FALSE(server.url.isEmpty());
    OnlineWindow win;
    win.useServer(server.url);
    for (int p = 1; p <= 6; ++p)
        win.w->sheetField(2, p)->setText(QString::number(p * 7));
    win.child<QAbstractButton>("Warenkorb")->click();
    ASSERT_EQ(win.openedUrls.size(), 1) << win.prompts->messages.join('\n').toStdString();
    EXPECT_EQ(win.openedUrls.first().toString(), "https://portal.example/?a=,,,,,&n=2");
    EXPECT_EQ(win.w->statusText(1), "Überprüfen Sie den Tipp im Warenkorb!!!");
}

// The window brings both games: Lotto into the shown history, Lotto Plus into its own file,
// and the status bar ends with what each came to.
TEST(OnlineWindow, AnUpdateBringsLottoAndLottoPlus)
{
    QTemporaryDir serverDir;
    std::vector<DrawRecord> plusWeek;
    for (const DrawRecord& d : week()) {
        DrawRecord plus = d;
        plus.numbers = {40, 41, 42, 43, 44, std::uint8_t(d.numbers[5] % 40 + 1)};
        plusWeek.push_back(plus);
    }
    DrawServer server({"--draws", test::writeDrawFile(serverDir, week()), "--plus-draws",
                       test::writeDrawFile(serverDir, plusWeek, "plus.dat")});
    ASSERT_FALSE(server.url.isEmpty());
    test::StartedWindow win([&](const QTemporaryDir& dir) {
        test::writeDrawFile(dir, {draw("01.12.2026", {13, 14, 15, 16, 17, 18})});
        test::writeDrawFile(dir, {plusWeek.front()}, "ZahlenPLPlus.dat");
    });
    auto* edit = win.child<QLineEdit>("ServerEdit");
    edit->setText(server.url);
    Q_EMIT edit->editingFinished();
    win.control<QAbstractButton>(gui::Control::UpdateDatabase)->click();
    EXPECT_EQ(drawfile::read(win.dir.filePath("ZahlenPL.dat"))->size(), 8u);
    EXPECT_EQ(*drawfile::read(win.dir.filePath("ZahlenPLPlus.dat")), plusWeek);
    const QString status = win.w->statusText(0);
    EXPECT_TRUE(status.startsWith("Lotto: ") && status.contains(" – Lotto Plus: "))
        << status.toStdString();
    EXPECT_TRUE(win.prompts->messages.isEmpty()) << win.prompts->messages.join('\n').toStdString();
}

// The window's requests go through the network module. Its messages are in the language the
// window shows, and a module that cannot be loaded is said so, on every request.
TEST(OnlineWindow, TheNetworkModuleSpeaksTheWindowsLanguageAndIsMissedAloud)
{
    const TextList english = TextList::fromFileLines(
        QString::fromUtf8(test::readBytes(QStringLiteral(VENDRILO_DATA "/land/texte.txt.en")))
            .split(QLatin1Char('\n')),
        QLocale(QLocale::English));
    struct Case {
        const TextList* texts;
        QStringList folders;
        Text expected;
        ErrorKind kind;
    };
    const TextList german;
    const Case cases[] = {
        {&german, {}, Text::NetNoWebAddress, ErrorKind::BadInput},
        {&english, {}, Text::NetNoWebAddress, ErrorKind::BadInput},
        {&german, {QStringLiteral("/nonexistent")}, Text::NetModuleMissing, ErrorKind::NotFound},
        {&english, {QStringLiteral("/nonexistent")}, Text::NetModuleMissing, ErrorKind::NotFound},
    };
    for (const Case& c : cases) {
        useTexts(*c.texts);
        gui::ModuleHttpClient client(c.folders);
        for (int attempt = 0; attempt < 2; ++attempt) {
            const auto answer = client.get(QStringLiteral("ftp://example.org/x"), HttpProxy{});
            ASSERT_FALSE(answer);
            EXPECT_EQ(answer.errorKind(), c.kind);
            const QString pattern = c.texts->text(c.expected);
            EXPECT_TRUE(answer.error().startsWith(pattern.left(pattern.indexOf("%1"))))
                << answer.error().toStdString();
        }
    }
    useTexts(TextList());
}
