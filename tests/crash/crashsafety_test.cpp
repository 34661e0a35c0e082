// SPDX-License-Identifier: GPL-3.0-or-later
// Every file the program writes for the user survives a kill at any moment: a writer process is
// killed at random moments while it replaces the file again and again with one of two contents,
// and afterwards the file must be one of the two, whole.
#include "core/io/atomicfile.h"
#include "core/io/iniguard.h"
#include "testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <iostream>

namespace {

constexpr int kKillsPerOperation = 15;

QByteArray writeOnce(const QString& operation, const QString& path, const char* which)
{
    QProcess writer;
    writer.start(QStringLiteral(VENDRILO_CRASH_WRITER), {operation, path, "once", which});
    EXPECT_TRUE(writer.waitForFinished(30000));
    EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
    return vendrilo::test::readBytes(path);
}

} // namespace

TEST(CrashSafety, AKilledWriterLeavesTheOldOrTheNewFileWhole)
{
    QRandomGenerator random(20261208);
    int kills = 0;
    for (const QString operation :
         {"drawfile", "append", "tipfile", "weights", "settings", "printout", "backtest", "rtf"}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("file");
        const QByteArray second = writeOnce(operation, path, "B");
        const QByteArray first = writeOnce(operation, path, "A");
        ASSERT_NE(first, second) << operation.toStdString();
        for (int round = 0; round < kKillsPerOperation; ++round) {
            QProcess writer;
            writer.start(QStringLiteral(VENDRILO_CRASH_WRITER), {operation, path, "loop"});
            ASSERT_TRUE(writer.waitForStarted());
            QThread::usleep(random.bounded(1000, 15000));
            writer.kill();
            writer.waitForFinished();
            if (writer.exitStatus() == QProcess::CrashExit)
                ++kills;
            const QByteArray now = vendrilo::test::readBytes(path);
            EXPECT_TRUE(now == first || now == second)
                << operation.toStdString() << ": " << now.size() << " bytes, neither content";
        }
        // The next start removes what the kills left beside the file: for the settings their
        // lock and save temporary, for the others the atomic writer's temporary.
        if (operation == QLatin1String("settings")) {
            // The next start comes seconds after the kill: a lock the writer had no time to fill,
            // and the helper locks Qt makes while it removes a stale one, are as old as a
            // restart makes them.
            for (const QString& name : QDir(dir.path()).entryList({"file.lock*"}, QDir::Files)) {
                QFile lockFile(dir.filePath(name));
                if (lockFile.open(QIODevice::ReadWrite))
                    lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-5),
                                         QFileDevice::FileModificationTime);
            }
            vendrilo::removeStaleSettingsTemporaries(path);
        } else
            vendrilo::removeStaleTemporariesOf({path});
        EXPECT_EQ(
            QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList{"file"})
            << operation.toStdString();
    }
    EXPECT_GE(kills, 100);
}

// A draw file kept elsewhere and linked into the program folder: the link stays a link, the
// file behind it is old or new, and the temporaries beside it go at the next start.
TEST(CrashSafety, AKilledWriterLeavesALinkedFileWholeAndALink)
{
    QRandomGenerator random(20261209);
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("elsewhere"));
    const QString target = dir.filePath("elsewhere/ZahlenPL.dat");
    const QString link = dir.filePath("ZahlenPL.dat");
    const QByteArray second = writeOnce("drawfile", target, "B");
    const QByteArray first = writeOnce("drawfile", target, "A");
    ASSERT_TRUE(QFile::link(target, link));
    int left = 0;
    for (int round = 0; round < kKillsPerOperation; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(VENDRILO_CRASH_WRITER), {"drawfile", link, "loop"});
        ASSERT_TRUE(writer.waitForStarted());
        // Late enough for the writer to be writing: it starts, reads the history, then writes.
        QThread::usleep(random.bounded(20000, 150000));
        writer.kill();
        writer.waitForFinished();
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        const QByteArray now = vendrilo::test::readBytes(link);
        EXPECT_TRUE(now == first || now == second) << now.size() << " bytes, neither content";
        left += QDir(dir.filePath("elsewhere")).entryList(QDir::Files).size() - 1;
        vendrilo::removeStaleTemporariesOf({link});
        EXPECT_EQ(QDir(dir.filePath("elsewhere")).entryList(QDir::Files),
                  QStringList{"ZahlenPL.dat"});
    }
    std::cout << "temporaries left by the kills: " << left << "\n";
}
