// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/programfolder.h"

#include "core/draws/game.h"
#include "core/texts/textlist.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace vendrilo {

namespace {

// A folder the program may keep its files in: one it can write a file into, and not a system
// folder (root can write /usr/bin, but the program's files do not belong there).
bool isSystemFolder(const QString& folder)
{
    const QString absolute = QFileInfo(folder).absoluteFilePath();
    return absolute.startsWith(QLatin1String("/usr/")) || absolute == QLatin1String("/usr");
}

// The user took the write permission away: that counts even for the administrator, whom the
// system would let write anyway.
bool writePermitted(const QString& folder)
{
    const QFileInfo info(folder);
    return (info.permissions() &
            (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther)) != 0;
}

bool usableAsProgramFolder(const QString& folder)
{
    if (isSystemFolder(folder) || !writePermitted(folder))
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("probe-XXXXXX")));
    return probe.open();
}

// Copies every file of `from` that `to` does not have yet, keeping the folder structure; the
// names of those that could not be copied (a full disk, no permission).
QStringList copyMissing(const QString& from, const QString& to)
{
    QStringList failed;
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = QDir(from).relativeFilePath(source);
        const QString target = QDir(to).filePath(relative);
        if (QFileInfo::exists(target))
            continue;
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(source, target))
            failed << relative;
    }
    return failed;
}

// The draw files of a program folder that can no longer be written, copied into the user's
// folder where that has none yet. The word for the user when the old folder held any.
QString takeAlongDrawFiles(const QString& from, const QString& to)
{
    QStringList found, copied;
    for (const Game game : {Game::Lotto, Game::Plus}) {
        const QString name = QString::fromLatin1(gameInfo(game).drawFileName);
        const QString source = QDir(from).filePath(name);
        if (!QFileInfo(source).isFile())
            continue;
        found << name;
        const QString target = QDir(to).filePath(name);
        if (!QFileInfo::exists(target) && QFile::copy(source, target))
            copied << name;
    }
    if (found.isEmpty())
        return {};
    QString notice = fillIn(text(Text::ProgramFolderReadOnly),
                            {QDir::toNativeSeparators(from), QDir::toNativeSeparators(to)});
    if (!copied.isEmpty())
        notice += fillIn(text(Text::ProgramFolderDrawsTaken), {copied.join(QStringLiteral(", "))});
    return notice;
}

QString withSeparator(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

QString chooseProgramFolder(const QString& executableFolder, const QString& userDataFolder,
                            const QString& installedDataFolder, QString* notice)
{
    if (usableAsProgramFolder(executableFolder))
        return withSeparator(executableFolder);
    QStringList missing;
    if (!QDir().mkpath(userDataFolder))
        missing << QDir::toNativeSeparators(userDataFolder);
    else if (QFileInfo(installedDataFolder).isDir())
        missing = copyMissing(installedDataFolder, userDataFolder);
    QStringList notices;
    if (!isSystemFolder(executableFolder) && QFileInfo(executableFolder).isDir())
        notices << takeAlongDrawFiles(executableFolder, userDataFolder);
    if (!missing.isEmpty())
        notices << fillIn(
            text(Text::ProgramFolderIncomplete),
            {QDir::toNativeSeparators(userDataFolder), missing.join(QStringLiteral(", "))});
    notices.removeAll(QString());
    if (notice && !notices.isEmpty())
        *notice = notices.join(QLatin1Char(' '));
    return withSeparator(userDataFolder);
}

QString programFolderOfThisProgram(QString* notice)
{
    const QString executable = QCoreApplication::applicationDirPath();
    // The same folder for the window and the command line, whatever each is called.
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/Vendrilo");
    return chooseProgramFolder(
        executable, user, QDir(executable).filePath(QStringLiteral("../share/vendrilo")), notice);
}

} // namespace vendrilo
