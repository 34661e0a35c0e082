// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/programfolder.h"
#include "core/texts/textlist.h"
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

// What the first start cannot set up is said, never skipped in silence: a shipped file that
// cannot be copied, or a user folder that cannot be made (here a file stands in the way, which
// stops even the administrator).
TEST(ProgramFolder, WhatCannotBeSetUpIsNamedInTheNotice)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("share/land"));
    test::writeBytes(dir.filePath("share/land/bezeich.txt"), "installed");
    test::writeBytes(dir.filePath("share/yippee.wav"), "installed sound");
    QDir().mkpath(dir.filePath("user"));
    test::writeBytes(dir.filePath("user/land"), "a file where the folder belongs");
    test::writeBytes(dir.filePath("blocker"), "a file");
    const struct {
        QString user;
        QString missing; // named in the notice
    } cases[] = {
        {dir.filePath("user"), QStringLiteral("land/bezeich.txt")},
        {dir.filePath("blocker/user"), QDir::toNativeSeparators(dir.filePath("blocker/user"))},
    };
    for (const auto& c : cases) {
        QString notice;
        chooseProgramFolder(QStringLiteral("/usr/bin"), c.user, dir.filePath("share"), &notice);
        EXPECT_EQ(notice, fillIn(text(Text::ProgramFolderIncomplete),
                                 {QDir::toNativeSeparators(c.user), c.missing}));
    }
    // What could be copied was.
    EXPECT_EQ(test::readBytes(dir.filePath("user/yippee.wav")), "installed sound");
    QString none;
    chooseProgramFolder(QStringLiteral("/usr/bin"), dir.filePath("fresh"), dir.filePath("share"),
                        &none);
    EXPECT_EQ(none, QString());
}
