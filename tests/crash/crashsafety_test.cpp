// SPDX-License-Identifier: GPL-3.0-or-later
// Every file the program writes for the user survives a kill at any moment: a writer process is
// killed at random moments while it replaces the file again and again with one of two contents,
// and afterwards the file must be one of the two, whole.
#include "testsupport.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

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
    }
    EXPECT_GE(kills, 100);
}
