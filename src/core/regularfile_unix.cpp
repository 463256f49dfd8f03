// SPDX-License-Identifier: GPL-3.0-or-later
#include "regularfile.h"
#include "regularfile_platform.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

std::optional<QString> KindReason(mode_t mode)
{
    return KindReason(S_ISREG(mode) ? FileKind::Regular : S_ISDIR(mode) ? FileKind::Folder : FileKind::Other);
}

} // namespace

std::optional<QString> NotRegularFile(const QString& path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        // A loop of links names nothing, and a save would put a file in the link's place.
        if (errno == ELOOP)
            return SystemReason(errno);
        return std::nullopt; // nothing there (or nothing that can be looked at): the caller's open tells
    }
    return KindReason(info.st_mode);
}

std::optional<QString> OpenWithoutWaiting(QFile& file, const QString& path)
{
    // Without waiting: opening a FIFO for reading waits for a writer, a device may do anything.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return SystemReason(errno);
    struct stat info = {};
    std::optional<QString> reason;
    if (::fstat(fd, &info) != 0)
        reason = SystemReason(errno);
    else if (!(reason = KindReason(info.st_mode)) && ::fcntl(fd, F_SETFL, 0) != 0)
        reason = SystemReason(errno);
    if (!reason && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        reason = file.errorString();
    if (reason) {
        ::close(fd);
        return reason;
    }
    return std::nullopt;
}

std::optional<FileId> RegularFileId(const QString& path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode))
        return FileId(info.st_dev, info.st_ino);
    return std::nullopt;
}

QString OpenedFileName(const QFile& file, const QString& path)
{
    const QString opened = QStringLiteral("/proc/self/fd/%1").arg(file.handle());
    return QFileInfo::exists(opened) ? opened : path;
}

QByteArray LibraryFileName(const QString& name)
{
    return QFile::encodeName(name);
}
