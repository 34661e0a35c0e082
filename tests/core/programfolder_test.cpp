// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/programfolder.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vendrilo;

TEST(ProgramFolder, BesideAWritableProgramElseTheUsersOwnFilledOnce)
{
    QTemporaryDir dir;
    // A copy unpacked where the user may write keeps its files beside it.
    EXPECT_EQ(chooseProgramFolder(dir.path(), dir.filePath("user"), dir.filePath("share")),
              dir.path() + '/');
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("user")));

    // Installed: the user's folder, filled from the installed data without overwriting.
    QDir().mkpath(dir.filePath("share/land"));
    test::writeBytes(dir.filePath("share/land/bezeich.txt"), "installed");
    test::writeBytes(dir.filePath("share/yippee.wav"), "installed sound");
    QDir().mkpath(dir.filePath("user"));
    test::writeBytes(dir.filePath("user/yippee.wav"), "the user's own sound");
    const QString folder = chooseProgramFolder(QStringLiteral("/usr/bin"), dir.filePath("user"),
                                               dir.filePath("share"));
    EXPECT_EQ(folder, dir.filePath("user") + '/');
    EXPECT_EQ(test::readBytes(dir.filePath("user/land/bezeich.txt")), "installed");
    EXPECT_EQ(test::readBytes(dir.filePath("user/yippee.wav")), "the user's own sound");
    // A second start changes nothing the user has changed since.
    test::writeBytes(dir.filePath("user/land/bezeich.txt"), "edited");
    chooseProgramFolder(QStringLiteral("/usr/bin"), dir.filePath("user"), dir.filePath("share"));
    EXPECT_EQ(test::readBytes(dir.filePath("user/land/bezeich.txt")), "edited");
    // A folder that cannot be written (here: one that does not exist) is no program folder.
    EXPECT_EQ(chooseProgramFolder(dir.filePath("missing/bin"), dir.filePath("user2"),
                                  dir.filePath("share")),
              dir.filePath("user2") + '/');
}
