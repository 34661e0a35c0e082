// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/atomicfile.h"
#include "core/texts/textlist.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vendrilo {

Error fileError(const QFileDevice& file, const QString& path, ErrorKind kind)
{
    QString reason = file.errorString();
    if ((reason.isEmpty() || reason == QLatin1String("Unknown error")) && errno != 0)
        reason = QString::fromLocal8Bit(std::strerror(errno));
    if (kind == ErrorKind::Unreadable && !QFileInfo::exists(path))
        kind = ErrorKind::NotFound;
    return {QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason), kind};
}

namespace {

const QString kTemporaryInfix = QStringLiteral(".vendrilo-");

Error systemError(const QString& path, int error)
{
    return {QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path),
                                         QString::fromLocal8Bit(std::strerror(error))),
            ErrorKind::Unwritable};
}

#ifdef Q_OS_UNIX

// A new file gets the mode the user's umask leaves; a replaced one keeps its own.
mode_t modeFor(const QByteArray& target)
{
    struct stat existing {};
    if (::stat(target.constData(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

// The bytes go to a temporary file beside the target, reach the disk, and the temporary file
// takes the target's place by a rename; then the folder's entry is made durable too.
Status writeOnUnix(const QString& path, const QByteArray& bytes)
{
    const QString resolved = linkTarget(path);
    if (const Status writable = checkWritable(resolved); !writable)
        return writable;
    const QByteArray target = QFile::encodeName(resolved);
    QByteArray temporary = target + QFile::encodeName(kTemporaryInfix) + "XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return systemError(path, errno);
    const auto fail = [&](int error) {
        ::unlink(temporary.constData());
        return systemError(path, error);
    };
    if (::fchmod(fd, modeFor(target)) != 0 || !writeAll(fd, bytes) || ::fdatasync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        return fail(error);
    }
    if (::close(fd) != 0)
        return fail(errno);
    if (::rename(temporary.constData(), target.constData()) != 0)
        return fail(errno);
    const QByteArray folder = QFile::encodeName(QFileInfo(resolved).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return systemError(path, errno);
    const bool synced = ::fsync(dir) == 0 || errno == EINVAL; // some file systems cannot
    const int error = errno;
    ::close(dir);
    return synced ? Status() : systemError(path, error);
}

#endif

} // namespace

QString linkTarget(const QString& path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    // A bound on the chain, as the system has one: a loop of links ends here.
    for (int depth = 0; depth < 40 && QFileInfo(current).isSymLink(); ++depth)
        current = QFileInfo(current).symLinkTarget();
    return current;
}

Status checkWritable(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat existing {};
    const QByteArray name = QFile::encodeName(path);
    if (::stat(name.constData(), &existing) != 0)
        return {}; // a new file: the folder decides
    // The mode bits count even for the administrator, whom the system would let write anyway.
    if ((existing.st_mode & 0222) != 0 && ::access(name.constData(), W_OK) == 0)
        return {};
#else
    const QFileInfo info(path);
    if (!info.exists() || info.isWritable())
        return {};
#endif
    return Error{fillIn(text(Text::FileWriteProtected), {QDir::toNativeSeparators(path)}),
                 ErrorKind::Unwritable};
}

Status writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    errno = 0;
#ifdef Q_OS_UNIX
    return writeOnUnix(path, bytes);
#else
    if (const Status writable = checkWritable(path); !writable)
        return writable;
    QSaveFile f(path);
    // Unbuffered, so that a short write shows in write()'s result here instead of being lost
    // in a late flush that commit() would not report.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fileError(f, path, ErrorKind::Unwritable);
    if (f.write(bytes) != bytes.size() || f.size() != bytes.size()) {
        Error error = fileError(f, path, ErrorKind::Unwritable);
        f.cancelWriting();
        return error;
    }
    if (!f.commit())
        return fileError(f, path, ErrorKind::Unwritable);
    return {};
#endif
}

Status writeTextLines(const QString& path, const QStringList& lines)
{
    QStringEncoder encode(QStringConverter::System);
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += encode.encode(line) + QByteArray("\r\n");
    return writeFileAtomically(path, bytes);
}

namespace {

// "NAME.vendrilo-XXXXXX", XXXXXX six letters or digits: what writeFileAtomically leaves when it is
// killed. Compared by hand, as a regular expression would be compiled at every start.
bool isLeftTemporary(const QString& name)
{
    const QLatin1StringView mark(".vendrilo-");
    constexpr qsizetype kSuffix = 6;
    const qsizetype at = name.size() - kSuffix - mark.size();
    if (at < 1 || QStringView(name).sliced(at, mark.size()) != mark)
        return false;
    const QStringView suffix = QStringView(name).last(kSuffix);
    return std::all_of(suffix.begin(), suffix.end(), [](QChar c) {
        return c.unicode() < 128 && std::isalnum(static_cast<unsigned char>(c.unicode()));
    });
}

} // namespace

int removeStaleTemporaryFiles(const QString& folder)
{
    int removed = 0;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        if (isLeftTemporary(name) && QFile::remove(dir.filePath(name)))
            ++removed;
    return removed;
}

int removeStaleTemporariesOf(const QStringList& paths)
{
    QStringList folders;
    for (const QString& path : paths)
        for (const QString& folder : {QFileInfo(path).absolutePath(),
                                      QFileInfo(linkTarget(path)).absolutePath()})
            if (!folders.contains(folder))
                folders << folder;
    int removed = 0;
    for (const QString& folder : folders)
        removed += removeStaleTemporaryFiles(folder);
    return removed;
}

} // namespace vendrilo
