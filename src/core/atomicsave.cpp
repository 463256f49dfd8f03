#include "atomicsave.h"

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
#include <sys/stat.h>
#include <unistd.h>

namespace {

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
        struct stat info = {};
        if (::lstat(name.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return false;
        char target[PATH_MAX];
        const ssize_t size = ::readlink(name.constData(), target, sizeof target);
        if (size <= 0 || size_t(size) == sizeof target)
            return false;
        const QByteArray next(target, size);
        name = next.startsWith('/') ? next : name.left(slash + 1) + next;
    }
    return false;
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
    // The file a link leads to is the one replaced, and the link stays.
    QString target = QFileInfo(path).absoluteFilePath();
    for (int links = 0; links < 40 && QFileInfo(target).isSymLink(); ++links)
        target = QFileInfo(target).symLinkTarget();
    // The new contents under a name of the program's own beside the file, so that what a
    // save cut short by a kill leaves is known for what it is at the next start.
    QTemporaryFile file(target + QLatin1String(UnfinishedSaveMark) + QStringLiteral("XXXXXX"));
    if (!file.open())
        return file.errorString();
    // The permissions the file had, or those a new file gets.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat before = {};
    const bool existed = ::stat(QFile::encodeName(target).constData(), &before) == 0;
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
    if (::fchmod(file.handle(), existed ? before.st_mode & 07777 : 0666 & ~mask) != 0 || ::fsync(file.handle()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    // Asked again: something may have taken the file's place while the data went out.
    if (const auto reason = NotRegularFile(path))
        return reason;
    if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    file.setAutoRemove(false);
    return std::nullopt;
}

void RemoveUnfinishedSaves(const QString& folder, std::initializer_list<const char*> files)
{
    static const QRegularExpression temporary(
        QStringLiteral("^(.+)%1[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(QLatin1String(UnfinishedSaveMark))));
    const QDir dir(folder);
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = temporary.match(info.fileName());
        const auto named = [&match](const char* file) { return match.captured(1) == QLatin1String(file); };
        if (match.hasMatch() && std::any_of(files.begin(), files.end(), named) && info.isFile() && !info.isSymLink())
            QFile::remove(info.filePath());
    }
}
