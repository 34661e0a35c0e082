// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/atomicfile.h"
#include "core/io/iniguard.h"
#include "core/program/settingsstore.h"
#include "testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vendrilo;
using test::readBytes;
using test::writeBytes;

namespace {

// "@Variant(" holding the number 5 (type 2, int 5), a harmless value QSettings rebuilds from
// binary data, spelt in the ways the INI reader's escapes and quotes allow.
const char* const kSerialisedSpellings[] = {
    R"x(Key=@Variant(\0\0\0\x2\0\0\0\x5))x",
    R"x(Key=\x40Variant(\0\0\0\x2\0\0\0\x5))x",
    R"x(Key=\100Variant(\0\0\0\x2\0\0\0\x5))x",
    R"x(Key=\x10040Variant(\0\0\0\x2\0\0\0\x5))x",
    R"x(Key="@Variant(\0\0\0\x2\0\0\0\x5)")x",
    R"x(Key=@"Variant"(\0\0\0\x2\0\0\0\x5))x",
    R"x(Key=@\qVariant(\0\0\0\x2\0\0\0\x5))x",
    R"x(Key=x, @Variant(\0\0\0\x2\0\0\0\x5))x",
    "Key=@Variant(\\0\\0\\0\\x2\\\n\\0\\0\\0\\x5)",
    "Key=@\\\r\nVariant(\\0\\0\\0\\x2\\0\\0\\0\\x5)",
};

bool settingsRebuildBinaryValue(const QString& path)
{
    const QVariant v = QSettings(path, QSettings::IniFormat).value(QStringLiteral("Key"));
    if (v.typeId() == QMetaType::QVariantList)
        return v.toList().size() > 1 && v.toList().at(1).typeId() == QMetaType::Int;
    return v.typeId() == QMetaType::Int;
}

} // namespace

// Every spelling that makes QSettings rebuild a value from binary data is caught, and the
// file's other lines stay.
TEST(IniGuard, EverySpellingOfASerialisedValueIsFoundAndOnlyItsLineDropped)
{
    QTemporaryDir dir;
    int rebuilt = 0;
    for (const char* spelling : kSerialisedSpellings) {
        SCOPED_TRACE(spelling);
        const QByteArray text = QByteArray("[General]\nServer=http://example.org/\n") + spelling +
                                "\nSprache=3\n";
        const QString path = dir.filePath(QStringLiteral("probe%1.conf").arg(rebuilt++));
        writeBytes(path, text);
        const bool rebuildsBinary = settingsRebuildBinaryValue(path);
        EXPECT_TRUE(rebuildsBinary); // the spelling is one QSettings really reads
        EXPECT_TRUE(iniTextMayHoldSerialisedValue(text));
        QStringList dropped;
        const QByteArray cleaned = withoutSerialisedValues(text, &dropped);
        EXPECT_EQ(dropped, QStringList{QStringLiteral("Key")});
        EXPECT_FALSE(iniTextMayHoldSerialisedValue(cleaned));
        EXPECT_TRUE(cleaned.contains("Server=http://example.org/\n") && cleaned.contains("Sprache=3"));
        writeBytes(path, cleaned);
        EXPECT_FALSE(settingsRebuildBinaryValue(path));
    }
}

TEST(IniGuard, TheProgramsOwnSettingsAreLeftAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Pelvano.conf"));
    ProgramState state;
    state.internet.server = QStringLiteral("@Variant(typed by the user)"); // stored as "@@…"
    WindowSize size{800, 600, true};
    ASSERT_TRUE(saveSettings(*openSettings(path), state, size).ok());
    const QByteArray saved = readBytes(path);
    EXPECT_FALSE(iniTextMayHoldSerialisedValue(saved));
    QString notice;
    ProgramState back;
    (void)restoreSettings(*openSettings(path, &notice), back, size);
    EXPECT_TRUE(notice.isEmpty());
    EXPECT_EQ(back.internet.server, state.internet.server);
    EXPECT_EQ(readBytes(path), saved);
}

// A list that claims four thousand million entries made QSettings abort the program while it
// read the file. Now the line goes, the rest is read, and the file as it was is kept.
TEST(IniGuard, AForeignValueIsRemovedTheOldFileKeptAndTheUserTold)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Pelvano.conf"));
    const QByteArray found = readBytes(QStringLiteral(VENDRILO_FIXTURES) +
                                       QStringLiteral("/fuzz/settings/stringlist-of-four-billion.conf"));
    ASSERT_FALSE(found.isEmpty());
    const QByteArray original = found + "Sprache=2\n";
    writeBytes(path, original);
    writeBytes(path + QStringLiteral(".bak"), "an older copy");

    QString notice;
    ProgramState state;
    WindowSize size{800, 600, true};
    const RestoreOutcome outcome = restoreSettings(*openSettings(path, &notice), state, size);
    EXPECT_FALSE(outcome.aborted);
    EXPECT_EQ(state.language, 2);
    EXPECT_TRUE(notice.contains(QStringLiteral("(Server)"))) << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("Pelvano.conf.1.bak"))) << notice.toStdString();
    EXPECT_EQ(readBytes(path + QStringLiteral(".1.bak")), original);
    EXPECT_EQ(readBytes(path + QStringLiteral(".bak")), QByteArray("an older copy"));
    EXPECT_FALSE(readBytes(path).contains("Server"));

    notice = QStringLiteral("not touched");
    (void)openSettings(path, &notice);
    EXPECT_TRUE(notice.isEmpty()); // made safe once, for good
}

// The store of the window and of "vendrilo-cli --settings" is guarded in the place QSettings
// really reads it from.
TEST(IniGuard, TheUsersOwnStoreIsGuardedWhereQSettingsReadsIt)
{
    QTemporaryDir home;
    const QByteArray before = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    const QString path = QSettings(QStringLiteral("Quirlend"), QStringLiteral("Pelvano")).fileName();
    ASSERT_TRUE(path.startsWith(home.path()));
    QDir().mkpath(QFileInfo(path).path());
    writeBytes(path, "[General]\nServer=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n");
    QString notice;
    (void)openSettings({}, &notice);
    qputenv("XDG_CONFIG_HOME", before);
    EXPECT_TRUE(notice.contains(QStringLiteral("(Server)"))) << notice.toStdString();
}

// What a killed save leaves beside the settings: a lock that names a process that is gone or
// names none (killed before it was filled) goes at the next start together with the save's
// temporary; a lock held right now, or one being filled this very moment, stays with it.
TEST(IniGuard, StaleLocksAndTemporariesGoHeldOnesStay)
{
    enum class Lock { None, Unfilled, UnfilledJustNow, OfAGoneProcess, HeldHere };
    const struct {
        Lock lock;
        bool removed;
    } cases[] = {
        {Lock::None, true},           {Lock::Unfilled, true},  {Lock::UnfilledJustNow, false},
        {Lock::OfAGoneProcess, true}, {Lock::HeldHere, false},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("Pelvano.conf");
        const QString lockPath = path + ".lock";
        test::writeBytes(path, "[General]\n");
        test::writeBytes(path + ".Ab12Cd", "half a save");
        // The helper locks of a stale lock's removal, left by programs killed while they removed
        // it (the deeper one while it removed the helper above it).
        const QStringList helpers = {lockPath + ".rmlock", lockPath + ".rmlock.rmlock.rmlock"};
        for (const QString& helper : helpers) {
            test::writeBytes(helper, "");
            QFile f(helper);
            if (f.open(QIODevice::ReadWrite))
                f.setFileTime(QDateTime::currentDateTime().addSecs(-5),
                              QFileDevice::FileModificationTime);
        }
        QLockFile held(lockPath);
        switch (c.lock) {
        case Lock::None:
            break;
        case Lock::Unfilled:
        case Lock::UnfilledJustNow: {
            test::writeBytes(lockPath, "");
            QFile f(lockPath);
            if (c.lock == Lock::Unfilled && f.open(QIODevice::ReadWrite))
                f.setFileTime(QDateTime::currentDateTime().addSecs(-5),
                              QFileDevice::FileModificationTime);
            break;
        }
        case Lock::OfAGoneProcess:
            // A process number no system hands out, on this host.
            test::writeBytes(lockPath, "2147483646\nvendrilo\n" +
                                           QSysInfo::machineHostName().toUtf8() + "\n");
            break;
        case Lock::HeldHere:
            ASSERT_TRUE(held.tryLock(0));
            break;
        }
        const int removed = removeStaleSettingsTemporaries(path);
        EXPECT_EQ(removed > 0, c.removed) << static_cast<int>(c.lock);
        EXPECT_EQ(QFile::exists(path + ".Ab12Cd"), !c.removed) << static_cast<int>(c.lock);
        for (const QString& helper : helpers) // stale whatever the lock: nobody holds them
            EXPECT_FALSE(QFile::exists(helper)) << static_cast<int>(c.lock);
        EXPECT_EQ(QFile::exists(lockPath),
                  c.lock == Lock::UnfilledJustNow || c.lock == Lock::HeldHere)
            << static_cast<int>(c.lock);
        EXPECT_TRUE(QFile::exists(path));
    }
}

// What a start-up removes beside the draw file and the settings, over many names near and far
// from those of the writers' temporaries, against the patterns the temporaries are made by.
TEST(IniGuard, TheCleanUpsRemoveExactlyTheWritersTemporaries)
{
    const QRegularExpression atomicTemporary(R"(^.+\.vendrilo-[A-Za-z0-9]{6}$)");
    const QRegularExpression settingsTemporary(R"(^Pelvano\.conf\.([A-Za-z0-9]{6}|lock(\.rmlock)+)$)");
    const QStringList bases = {"ZahlenPL.dat", "x", "", "Pelvano.conf", "pelvano.CONF", "Pelvano"};
    const QStringList marks = {".vendrilo-", ".vendrilo", ".Vendrilo-", "vendrilo-", ".", ".lock",
                               ".lock.rmlock", ".lock.rmlock.rmlock", ".rmlock", ""};
    const QString letters = QStringLiteral("aZ09_-.äß ");
    QRandomGenerator random(20261209);
    for (int round = 0; round < 40; ++round) {
        QTemporaryDir dir;
        test::writeBytes(dir.filePath("Pelvano.conf"), "[General]\n");
        QSet<QString> names;
        for (int n = 0; n < 30; ++n) {
            QString name = bases[random.bounded(bases.size())] + marks[random.bounded(marks.size())];
            const int tail = random.bounded(3) == 0 ? random.bounded(9) : 6;
            for (int i = 0; i < tail; ++i)
                name += random.bounded(4) == 0 ? letters[random.bounded(letters.size())]
                                               : QChar(u"abcXYZ0189"[random.bounded(10)]);
            if (name.isEmpty() || name == "Pelvano.conf" || name.contains('/') ||
                name == "." || name == ".." || names.contains(name))
                continue;
            test::writeBytes(dir.filePath(name), "left");
            names.insert(name);
        }
        const auto survivors = [&dir] {
            const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
            return QSet<QString>(left.begin(), left.end());
        };
        QSet<QString> expected = names;
        expected.insert("Pelvano.conf");
        expected.removeIf([&](const QString& name) { return atomicTemporary.match(name).hasMatch(); });
        EXPECT_EQ(removeStaleTemporaryFiles(dir.path()), names.size() + 1 - expected.size());
        EXPECT_EQ(survivors(), expected) << round;
        const qsizetype before = expected.size();
        expected.removeIf(
            [&](const QString& name) { return settingsTemporary.match(name).hasMatch(); });
        EXPECT_EQ(removeStaleSettingsTemporaries(dir.filePath("Pelvano.conf")),
                  before - expected.size());
        EXPECT_EQ(survivors(), expected) << round;
    }
}
