// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/settingsstore.h"
#include "testsupport.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <random>

using namespace vendrilo;
using test::day;

namespace {

// The store as another program sees it: the INI file read back with a plain QSettings.
struct Store {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Pelvano.conf"));

    void write(const std::map<QString, QVariant>& values)
    {
        QSettings raw(path, QSettings::IniFormat);
        for (const auto& [name, value] : values)
            raw.setValue(name, value);
    }
    QVariant raw(const QString& name) const
    {
        return QSettings(path, QSettings::IniFormat).value(name);
    }
    RestoreOutcome restore(ProgramState& s, WindowSize& w) const
    {
        return restoreSettings(*openSettings(path), s, w);
    }
};

QByteArray dateBytes(double day)
{
    QByteArray b(8, '\0');
    qToLittleEndian<double>(day, b.data());
    return b;
}

} // namespace

TEST(Settings, EveryValueIsSavedUnderItsNameAndTypeAndComesBack)
{
    Store store;
    ProgramState a;
    WindowSize size{700, 500, true};
    for (const OptionSpec& o : optionTable())
        a.options.set(o.id,
                      o.kind == OptionSpec::Kind::Check ? 1 - o.defaultValue : o.defaultValue - 1);
    a.options.set(Option::WeekendDraws, 1); // both draw-day boxes off would come back on
    a.sheet.setRow(1, {1, 2, 3, 4, 5, 6});
    a.sheet.setRow(12, {44, 45, 46, 47, 48, 49});
    a.ticketNumber = QStringLiteral("0815");
    a.internet = {"http://127.0.0.1:8080", "proxy", "3128", "0,75", "1,50", true};
    a.language = 3;
    a.carried.country = 2;
    a.carried.printPositions[22] = QStringLiteral("17");
    a.carried.backTestBoxes[0] = true;
    a.options.set(Option::RecomputeOnlyAfterThree, 1);
    a.statisticsStart.setDate(day("03.03.2003"));
    a.game = Game::Plus;
    a.withPlus = true;
    ASSERT_TRUE(saveSettings(*openSettings(store.path), a, size));

    // Raw: bools as 0/1, the date as eight little-endian bytes, the misspelt names.
    EXPECT_EQ(store.raw("Chekcbox3").toString(), "0");
    EXPECT_EQ(store.raw("Chekcbox1").toString(), "1");
    EXPECT_EQ(store.raw("Chekcbox31").toString(), "1");
    EXPECT_EQ(store.raw("Chekcbox32").toString(), "1");
    EXPECT_FALSE(store.raw("Chekcbox21").isValid()) << "the link flag is stored as Browser";
    EXPECT_EQ(store.raw("Browser").toString(), "1");
    EXPECT_EQ(store.raw("UpDown7").toString(), "49");
    EXPECT_EQ(store.raw("Edit1").toString(), "1");
    EXPECT_EQ(store.raw("Edit79").toString(), "49");
    EXPECT_EQ(store.raw("Losnummer").toString(), "0815");
    EXPECT_EQ(store.raw("ZWEIPREIS").toString(), "0,75");
    EXPECT_EQ(store.raw("Server").toString(), "http://127.0.0.1:8080");
    EXPECT_EQ(store.raw("Edit23F8").toString(), "17");
    EXPECT_EQ(store.raw("height").toString(), "500");
    EXPECT_EQ(store.raw("DateTimePicker2").toByteArray(), dateBytes(day("03.03.2003")));
    EXPECT_EQ(store.raw("Spiel").toString(), "plus");
    EXPECT_EQ(store.raw("MitPlus").toString(), "1");

    ProgramState b;
    WindowSize back;
    const RestoreOutcome r = store.restore(b, back);
    EXPECT_FALSE(r.aborted);
    EXPECT_TRUE(r.skippedGroups.isEmpty());
    for (const OptionSpec& o : optionTable())
        EXPECT_EQ(b.options.value(o.id), a.options.value(o.id)) << o.name.toStdString();
    EXPECT_EQ(b.sheet, a.sheet);
    EXPECT_EQ(b.ticketNumber, a.ticketNumber);
    EXPECT_EQ(b.internet.server, a.internet.server);
    EXPECT_EQ(b.internet.proxyPort, "3128");
    EXPECT_TRUE(b.internet.linkPage);
    EXPECT_EQ(b.language, 3);
    EXPECT_EQ(b.carried.printPositions, a.carried.printPositions);
    EXPECT_EQ(b.carried.backTestBoxes, a.carried.backTestBoxes);
    EXPECT_EQ(b.statisticsStart.date(), day("03.03.2003"));
    EXPECT_EQ(b.game, Game::Plus);
    EXPECT_TRUE(b.withPlus);
    EXPECT_EQ(back.width, 700);
    EXPECT_EQ(back.height, 500);
}

TEST(Settings, TheRulesOfTheRestore)
{
    Store store;
    store.write({{"Chekcbox16", 0},
                 {"Chekcbox17", 0},
                 {"Browser", "C:\\Programme\\Browser.exe"},
                 {"UpDown7", 250},
                 {"UpDown12", 99999},
                 {"DateTimePicker2", "gestern"},
                 {"Spiel", "keno"},
                 {"MitPlus", "ja"}});
    ProgramState s;
    s.game = Game::Plus;
    s.internet.linkPage = true;
    WindowSize w;
    EXPECT_FALSE(store.restore(s, w).aborted);
    EXPECT_TRUE(s.options.checked(Option::WeekendDraws)) << "both off become both on";
    EXPECT_TRUE(s.options.checked(Option::OtherDayDraws));
    EXPECT_FALSE(s.internet.linkPage) << "a browser path from an older version";
    EXPECT_EQ(s.options.value(Option::RunBudgetThousands), 250);
    EXPECT_EQ(s.options.value(Option::FrequentNumbersPercent), 75) << "clamped like the control";
    EXPECT_EQ(s.statisticsStart.date(), kPickerMinDate) << "an unreadable date: the earliest";
    EXPECT_EQ(s.game, Game::Lotto) << "a game of another name";
    EXPECT_FALSE(s.withPlus);

    // The statistics start: yesterday goes back to 19.11.1994, three weeks ago stays.
    const double today = day("08.12.2026");
    for (const auto& [start, expected] :
         {std::pair{today - 1, kPickerMinDate}, std::pair{today - 21, today - 21}}) {
        store.write({{"DateTimePicker2", dateBytes(start)},
                     {"ProxyHostEdit", ""},
                     {"ProxyPortEdit", "8080"}});
        ProgramState t;
        ASSERT_FALSE(store.restore(t, w).aborted);
        settleRestoredSettings(t, today);
        EXPECT_EQ(t.statisticsStart.date(), expected);
        EXPECT_EQ(t.internet.proxyPort, "80") << "no proxy host: port 80";
    }
}

TEST(Settings, AnUnreadableValueSkipsItsGroupOrEndsTheRestore)
{
    Store store;
    // Group B: the language is fine, an up-down is no number; the sheet fields after it in the
    // group are skipped, the groups after it are read.
    store.write({{"Sprache", 2},
                 {"UpDown3", "drei"},
                 {"UpDown4", 1},
                 {"Edit1", "7"},
                 {"ZWEIPREIS", "0,60"}});
    ProgramState s;
    WindowSize w;
    const RestoreOutcome skipped = store.restore(s, w);
    EXPECT_FALSE(skipped.aborted);
    EXPECT_EQ(skipped.skippedGroups, QStringList{"B"});
    EXPECT_EQ(s.language, 2);
    EXPECT_EQ(s.options.value(Option::MaxFromLastDraw), 0) << "after the failure: default";
    EXPECT_EQ(s.sheet.field(1, 1), "");
    EXPECT_EQ(s.internet.rowPrice, "0,60");

    // Outside a group ("RadioGroup1"): the restore ends there and says so.
    store.write({{"RadioGroup1", "eins"}});
    ProgramState t;
    const RestoreOutcome ended = store.restore(t, w);
    EXPECT_TRUE(ended.aborted);
    EXPECT_TRUE(ended.message.contains("RadioGroup1"));
    EXPECT_EQ(t.internet.rowPrice, "3,00") << "nothing after it was read";
}

TEST(Settings, AMaximisedWindowKeepsTheStoredSize)
{
    Store store;
    ProgramState s;
    ASSERT_TRUE(saveSettings(*openSettings(store.path), s, {640, 480, true}));
    ASSERT_TRUE(saveSettings(*openSettings(store.path), s, {1920, 1080, false}));
    EXPECT_EQ(store.raw("width").toString(), "640");
    EXPECT_EQ(store.raw("height").toString(), "480");
}

TEST(Settings, GarbageAndRandomBytesStartWithTheDefaultsAndSaveCleanly)
{
    std::mt19937 random(7);
    for (const bool randomBytes : {false, true}) {
        Store store;
        if (randomBytes) {
            QByteArray bytes;
            for (int i = 0; i < 20000; ++i)
                bytes.append(static_cast<char>(random() & 0xFF));
            test::writeBytes(store.path, bytes);
        } else {
            std::map<QString, QVariant> garbage;
            for (const StoredSetting& s : storedSettings())
                if (!s.name.isEmpty())
                    garbage[s.name] = QStringList{"x", "y"}; // a list where one value belongs
            store.write(garbage);
        }
        ProgramState s;
        WindowSize w;
        const RestoreOutcome r = store.restore(s, w);
        ProgramState defaults;
        if (!r.aborted)
            settleRestoredSettings(s, day("08.12.2026"));
        EXPECT_EQ(s.options, defaults.options) << randomBytes;
        EXPECT_EQ(s.sheet, defaults.sheet) << randomBytes;
        ASSERT_TRUE(saveSettings(*openSettings(store.path), s, w)) << randomBytes;
        ProgramState again;
        WindowSize w2;
        const RestoreOutcome clean = store.restore(again, w2);
        EXPECT_FALSE(clean.aborted) << randomBytes;
        EXPECT_TRUE(clean.skippedGroups.isEmpty()) << randomBytes;
    }
}
