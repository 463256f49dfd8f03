// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicsave_platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The attribute that holds a file's access control list (and the other system.* ones,
// such as an NFS file's list) is refused as "its access control list"; the others by name.
QString AttributeReason(const QByteArray& name, int error)
{
    if (name.startsWith("system."))
        //: Why a file is not saved: the saved copy would lose who else may read or write it. %1 is the system's reason.
        return QCoreApplication::translate("Files", "its access control list cannot be kept: %1")
            .arg(SystemReason(error));
    //: Why a file is not saved. %1 is an extended attribute's name ("user.origin"), %2 the system's reason.
    return QCoreApplication::translate("Files", "its extended attribute \"%1\" cannot be kept: %2")
        .arg(QString::fromUtf8(name), SystemReason(error));
}

// Labels that only the system gives (an SELinux context, a trusted.* attribute without the
// right to set it): a new file has the ones the system gives it there.
bool SystemLabel(const QByteArray& name, int error)
{
    return (name.startsWith("security.") || name.startsWith("trusted."))
        && (error == EPERM || error == EACCES || error == ENOTSUP);
}

// Asks for something of unknown size until it fits: `ask(buffer, size)` as listxattr and
// getxattr answer. Nothing, and the system's `error`, on failure; a file system without
// extended attributes has none.
std::optional<QByteArray> Sized(const std::function<ssize_t(char*, size_t)>& ask, int& error)
{
    for (int tries = 0; tries < 8; ++tries) {
        ssize_t size = ask(nullptr, 0);
        QByteArray buffer(std::max<ssize_t>(size, 0), '\0');
        if (size > 0)
            size = ask(buffer.data(), buffer.size());
        error = size < 0 ? errno : 0;
        if (size >= 0)
            return buffer.left(size);
        if (error == ENOTSUP)
            return QByteArray();
        if (error != ERANGE) // ERANGE: grown meanwhile, asked again
            return std::nullopt;
    }
    return std::nullopt;
}

std::vector<QByteArray> Names(const QByteArray& list)
{
    std::vector<QByteArray> names;
    for (const QByteArray& name : list.split('\0'))
        if (!name.isEmpty())
            names.push_back(name);
    return names;
}

// Gives the file open as `to` exactly the extended attributes of `from`, the access control list among them.
std::optional<QString> CopyAttributes(const QByteArray& from, int to)
{
    int error = 0;
    const auto listed = Sized([&](char* buffer, size_t size) { return ::listxattr(from.constData(), buffer, size); },
                              error);
    if (!listed)
        return AttributeReason("system.posix_acl_access", error);
    const auto had = Sized([&](char* buffer, size_t size) { return ::flistxattr(to, buffer, size); }, error);
    if (!had)
        return AttributeReason("system.posix_acl_access", error);
    const std::vector<QByteArray> names = Names(*listed);
    // What the new file got from its folder alone (a default access control list) goes.
    for (const QByteArray& name : Names(*had))
        if (std::find(names.begin(), names.end(), name) == names.end() && ::fremovexattr(to, name.constData()) != 0
            && errno != ENODATA && !SystemLabel(name, errno))
            return AttributeReason(name, errno);
    for (const QByteArray& name : names) {
        const auto value = Sized(
            [&](char* buffer, size_t size) { return ::getxattr(from.constData(), name.constData(), buffer, size); },
            error);
        if (!value && error == ENODATA)
            continue; // removed meanwhile
        if (!value)
            return AttributeReason(name, error);
        if (::fsetxattr(to, name.constData(), value->constData(), value->size(), 0) != 0 && !SystemLabel(name, errno))
            return AttributeReason(name, errno);
    }
    return std::nullopt;
}

QByteArray FolderOf(const QByteArray& name)
{
    const qsizetype slash = name.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : name.left(slash);
}

// Gives the replacement of a file not there yet, open as `to`, what open(`name`, O_CREAT, 0666) would give it (it
// was made 0600): where the folder has a default access control list, that list with its owner, mask and other
// entries cut to read and write (the umask does not count then); else 0666 less the umask. Made by root in a folder
// of another user's, the file is that user's.
std::optional<QString> ProtectNewFile(const QByteArray& name, QFileDevice& file)
{
    const QByteArray folder = FolderOf(name);
    const int to = file.handle();
    GiveToFolderOwner(QFile::decodeName(name), file);
    int error = 0;
    const auto inherited = Sized(
        [&](char* buffer, size_t size) {
            return ::getxattr(folder.constData(), "system.posix_acl_default", buffer, size);
        },
        error);
    if (!inherited && error != ENODATA)
        return AttributeReason("system.posix_acl_default", error);
    mode_t mode = ::umask(0);
    ::umask(mode);
    mode = 0666 & ~mode;
    if (inherited && !inherited->isEmpty()) {
        // The list whole, then its mode bits (owner, mask, other) cut as a mode of 0666 cuts them.
        struct stat now = {};
        if (::fsetxattr(to, "system.posix_acl_access", inherited->constData(), size_t(inherited->size()), 0) != 0)
            return AttributeReason("system.posix_acl_access", errno);
        if (::fstat(to, &now) != 0)
            return SystemReason(errno);
        mode = now.st_mode & 0666;
    }
    return ::fchmod(to, mode) == 0 ? std::nullopt : std::optional(SystemReason(errno));
}

// Follows one link: `name` becomes what the link it names leads to, joined to the link's
// folder when relative. False, and `name` as it was, when it names no link that can be read.
bool FollowLink(QByteArray& name)
{
    struct stat info = {};
    char target[PATH_MAX];
    if (::lstat(name.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
        return false;
    const ssize_t size = ::readlink(name.constData(), target, sizeof target);
    if (size <= 0 || size_t(size) == sizeof target)
        return false;
    const QByteArray next(target, size);
    name = next.startsWith('/') ? next : name.left(name.lastIndexOf('/') + 1) + next;
    return true;
}

} // namespace

// Whether `path`, or a link on the way to what it names, is a process's descriptor under
// /proc/PID/fd (/dev/stdout and /dev/fd/1 lead there). Such a name stands for a stream,
// often one the shell redirected to a file of its own: the save must not follow it and
// replace that file. What the name leads to decides the rest: a device is no regular file,
// and a regular file is a file wherever it is (/dev/shm is a folder of files).
bool SystemStream(const QString& path)
{
    static const QRegularExpression descriptor(QStringLiteral("^/proc/[^/]+/(task/[^/]+/)?fd/[^/]+$"));
    QByteArray name = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    for (int links = 0; links < 40; ++links) {
        // The link itself, in its folder as the system resolves it.
        const qsizetype slash = name.lastIndexOf('/');
        char folder[PATH_MAX];
        if (::realpath(slash > 0 ? name.left(slash).constData() : "/", folder) != nullptr
            && descriptor.match(QFile::decodeName(QByteArray(folder) + name.mid(slash))).hasMatch())
            return true;
        if (!FollowLink(name))
            return false;
    }
    return false;
}

// What a save of `path` replaces: the file its links lead to, reached as the system
// reaches it (a link's ".." after a linked folder leads up from where that folder leads,
// not up from the link), in the folder the system reaches. The name as it stands when a
// link cannot be read.
QByteArray Target(const QString& path)
{
    QByteArray name = QFile::encodeName(path);
    if (!name.startsWith('/')) {
        char here[PATH_MAX];
        if (::getcwd(here, sizeof here) != nullptr)
            name = QByteArray(here) + '/' + name;
    }
    int links = 0;
    while (links < 40 && FollowLink(name))
        ++links;
    // The folder a link led to as the system reaches it, where Qt can name it.
    const qsizetype slash = name.lastIndexOf('/');
    char folder[PATH_MAX];
    if (links > 0 && ::realpath(slash > 0 ? name.left(slash).constData() : "/", folder) != nullptr) {
        const QByteArray resolved = QByteArray(folder).chopped(QByteArray(folder) == "/" ? 1 : 0) + name.mid(slash);
        if (QFile::encodeName(QFile::decodeName(resolved)) == resolved)
            name = resolved;
    }
    return name;
}

QString TargetName(const QByteArray& target)
{
    return QFile::decodeName(target);
}

std::optional<QString> NotWritable(const QByteArray& target)
{
    if (const int writable = ::open(target.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC); writable >= 0)
        ::close(writable);
    else if (errno != ENOENT)
        return QString::fromLocal8Bit(std::strerror(errno));
    return std::nullopt;
}

std::optional<QString> WriteThrough(QFileDevice& file)
{
    if (::fsync(file.handle()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return std::nullopt;
}

std::optional<QString> PutInPlace(QFileDevice& file, const QByteArray& target)
{
    if (::rename(QFile::encodeName(file.fileName()).constData(), target.constData()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return std::nullopt;
}

void GiveToFolderOwner(const QString& path, QFileDevice& file)
{
    struct stat folder = {};
    if (::geteuid() == 0 && ::stat(FolderOf(QFile::encodeName(path)).constData(), &folder) == 0 && folder.st_uid != 0) {
        [[maybe_unused]] const int given = ::fchown(file.handle(), folder.st_uid, folder.st_gid);
    }
}

std::optional<QString> CreateFolders(const QString& path)
{
    // Walked one folder at a time through descriptors, so that a name swapped for a link meanwhile (in a folder just
    // given to its user) leads nowhere else: a folder made here is opened without following a link, and only it is
    // given away.
    const QByteArray name = QFile::encodeName(path);
    int folder = ::open(name.startsWith('/') ? "/" : ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (const QByteArray& part : name.split('/')) {
        if (folder < 0)
            break;
        if (part.isEmpty() || part == ".")
            continue;
        // As root in a folder of another user's, no link of theirs is followed: it might lead anywhere.
        struct stat parent = {};
        const bool theirs = ::geteuid() == 0 && ::fstat(folder, &parent) == 0 && parent.st_uid != 0;
        const bool made = ::mkdirat(folder, part.constData(), 0777) == 0;
        const int next = made || errno == EEXIST
            ? ::openat(folder, part.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (made || theirs ? O_NOFOLLOW : 0))
            : -1;
        if (next >= 0 && made && theirs) {
            [[maybe_unused]] const int given = ::fchown(next, parent.st_uid, parent.st_gid);
        }
        const int cause = errno;
        ::close(folder);
        folder = next;
        errno = cause;
    }
    if (folder < 0)
        return SystemReason(errno);
    ::close(folder);
    return std::nullopt;
}

std::optional<QString> KeepProtection(const QString& original, QFileDevice& replacement)
{
    const QByteArray from = QFile::encodeName(original);
    const int to = replacement.handle();
    struct stat before = {};
    struct stat now = {};
    if (::stat(from.constData(), &before) != 0) {
        if (errno != ENOENT)
            return SystemReason(errno);
        return ProtectNewFile(from, replacement);
    }
    // Owner and group first: giving them clears the set-ID bits, which the mode below gives back.
    if (::fstat(to, &now) != 0)
        return SystemReason(errno);
    if ((now.st_uid != before.st_uid || now.st_gid != before.st_gid) && ::fchown(to, before.st_uid, before.st_gid) != 0)
        //: Why a file is not saved: it belongs to another user or group, which a saved copy would not. %1 is the
        //: system's reason.
        return QCoreApplication::translate("Files", "its owner and group cannot be kept: %1").arg(SystemReason(errno));
    if (const auto reason = CopyAttributes(from, to))
        return reason;
    // The mode bits last and exactly; with an access control list they are its owner, mask and other entries.
    if (::fchmod(to, before.st_mode & 07777) != 0)
        return SystemReason(errno);
    return std::nullopt;
}
