#include "atomicsave.h"

#include "atomicsave_platform.h"
#include "regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

} // namespace

std::optional<QString> SaveFileAtomically(const QString& path, const QByteArray& data)
{
    // Only a regular file is replaced (a link to one stays, and the file it names is
    // replaced): a FIFO or a device would turn into a regular file.
    if (SystemStream(path))
        //: Why a file is not saved: its name is one of the system's devices or streams, such as /dev/stdout.
        return QCoreApplication::translate("Files", "it is a device or stream of the system, not a file");
    if (const auto reason = NotRegularFile(path))
        return reason;
    // The file a link leads to is the one replaced, and the link stays. A file the player
    // may not write stays as it is.
    const QByteArray target = Target(path);
    if (const int writable = ::open(target.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC); writable >= 0)
        ::close(writable);
    else if (errno != ENOENT)
        return QString::fromLocal8Bit(std::strerror(errno));
    // The new contents under a name of the program's own beside the file, so that what a
    // save cut short by a kill leaves is known for what it is at the next start.
    QTemporaryFile file(QFile::decodeName(target) + QLatin1String(UnfinishedSaveMark) + QStringLiteral("XXXXXX"));
    if (!file.open())
        return file.errorString();
    errno = 0;
    const qint64 written = file.write(data);
    int cause = errno;
    const bool flushed = file.flush();
    cause = cause != 0 ? cause : errno;
    if (written != data.size() || !flushed || file.error() != QFileDevice::NoError) {
        // A write cut short (a full disk, a file size limit) may leave no error on the
        // file, or one without a reason: the system's reason tells it.
        //: Why a file could not be saved, after "Cannot write "<file>": ": %1 and %2 are numbers of bytes.
        const QString shortWrite = QCoreApplication::translate("Files", "only %1 of %2 bytes were written");
        const QString reason = cause != 0          ? QString::fromLocal8Bit(std::strerror(cause))
            : file.error() != QFileDevice::NoError ? file.errorString()
                                                   : shortWrite.arg(qMax<qint64>(written, 0)).arg(data.size());
        return reason;
    }
    // What protects the file (owner, permissions, access control list, extended attributes)
    // goes with it, or the file stays as it was. A hard link to the file keeps the old contents.
    if (const auto reason = KeepProtection(QFile::decodeName(target), file))
        return reason;
    if (::fsync(file.handle()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    // Asked again: something may have taken the file's place while the data went out.
    if (const auto reason = NotRegularFile(path))
        return reason;
    if (::rename(QFile::encodeName(file.fileName()).constData(), target.constData()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    file.setAutoRemove(false);
    return std::nullopt;
}

std::optional<QString> CreateEmptyFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return file.errorString();
    GiveToFolderOwner(path, file);
    return std::nullopt;
}

void RemoveUnfinishedSaves(const QString& folder, std::initializer_list<const char*> files)
{
    for (const char* name : files) {
        // Beside the file the save replaced, which a link may have put in another folder.
        const QFileInfo saved(QFile::decodeName(Target(QDir(folder).filePath(QLatin1String(name)))));
        const QRegularExpression temporary(
            u'^' + QRegularExpression::escape(saved.fileName() + QLatin1String(UnfinishedSaveMark))
            + QStringLiteral("[A-Za-z0-9]{6}$"));
        for (const QFileInfo& info : saved.dir().entryInfoList(QDir::Files | QDir::Hidden))
            if (temporary.match(info.fileName()).hasMatch() && info.isFile() && !info.isSymLink())
                QFile::remove(info.filePath());
    }
}
