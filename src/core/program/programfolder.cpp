// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/programfolder.h"

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
bool usableAsProgramFolder(const QString& folder)
{
    const QString absolute = QFileInfo(folder).absoluteFilePath();
    if (absolute.startsWith(QLatin1String("/usr/")) || absolute == QLatin1String("/usr"))
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("probe-XXXXXX")));
    return probe.open();
}

// Copies every file of `from` that `to` does not have yet, keeping the folder structure.
void copyMissing(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
    }
}

QString withSeparator(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

QString chooseProgramFolder(const QString& executableFolder, const QString& userDataFolder,
                            const QString& installedDataFolder)
{
    if (usableAsProgramFolder(executableFolder))
        return withSeparator(executableFolder);
    QDir().mkpath(userDataFolder);
    if (QFileInfo(installedDataFolder).isDir())
        copyMissing(installedDataFolder, userDataFolder);
    return withSeparator(userDataFolder);
}

QString programFolderOfThisProgram()
{
    const QString executable = QCoreApplication::applicationDirPath();
    // The same folder for the window and the command line, whatever each is called.
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/Vendrilo");
    return chooseProgramFolder(executable, user,
                               QDir(executable).filePath(QStringLiteral("../share/vendrilo")));
}

} // namespace vendrilo
