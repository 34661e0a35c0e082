// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/regularfile.h"

#include "core/io/atomicfile.h"
#include "core/texts/textlist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vendrilo {

namespace {

Error notRegular(const QString& path)
{
    return {fillIn(text(Text::FileNotRegular), {QDir::toNativeSeparators(path)}),
            ErrorKind::Unreadable};
}

QString sizeText(qint64 bytes)
{
    if (bytes >= (qint64(1) << 20))
        return QStringLiteral("%1 MB").arg(bytes >> 20);
    return QStringLiteral("%1 KB").arg((bytes + 1023) >> 10);
}

} // namespace

Error fileTooLarge(const QString& path, qint64 size, qint64 maxBytes)
{
    return {fillIn(text(Text::FileTooLargeHere),
                   {QDir::toNativeSeparators(path), sizeText(size), sizeText(maxBytes)}),
            ErrorKind::Damaged};
}

bool isRegularFile(const QString& path)
{
    return QFileInfo(path).isFile();
}

Status openRegularFile(QFile& file, const QString& path)
{
    errno = 0;
#ifdef Q_OS_UNIX
    // Opened without waiting: a FIFO would otherwise block right here, before any check.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        file.setFileName(path);
        return Error{QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path),
                                                  QString::fromLocal8Bit(std::strerror(errno))),
                     errno == ENOENT ? ErrorKind::NotFound : ErrorKind::Unreadable};
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return notRegular(path);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fileError(file, path, ErrorKind::Unreadable);
    }
    return {};
#else
    if (QFileInfo::exists(path) && !QFileInfo(path).isFile())
        return notRegular(path);
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return fileError(file, path, ErrorKind::Unreadable);
    return {};
#endif
}

Result<QByteArray> readRegularFile(const QString& path, qint64 maxBytes)
{
    QFile file;
    if (const Status opened = openRegularFile(file, path); !opened)
        return opened.failure();
    if (file.size() > maxBytes)
        return fileTooLarge(path, file.size(), maxBytes);
    // A file that grows while it is read is still read no further than the bound.
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fileError(file, path, ErrorKind::Unreadable);
    if (bytes.size() > maxBytes)
        return fileTooLarge(path, bytes.size(), maxBytes);
    return bytes;
}

} // namespace vendrilo
