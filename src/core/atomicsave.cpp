#include "atomicsave.h"

#include "regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

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
    QSaveFile file(path);
    // Unbuffered: a buffered write only fails when the buffer is flushed while
    // committing, and QSaveFile then overlooks the error and puts the cut-short file
    // in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    errno = 0;
    const qint64 written = file.write(data);
    const int cause = errno;
    if (written != data.size() || file.error() != QFileDevice::NoError) {
        // A write cut short (a full disk, a file size limit) leaves no error on the
        // file: the system's reason tells it.
        QString reason = file.errorString();
        if (file.error() == QFileDevice::NoError) {
            //: Why a file could not be saved, after "Cannot write "<file>": ": %1 and %2 are numbers of bytes.
            const QString shortWrite = QCoreApplication::translate("Files", "only %1 of %2 bytes were written");
            reason = cause != 0 ? QString::fromLocal8Bit(std::strerror(cause))
                                : shortWrite.arg(qMax<qint64>(written, 0)).arg(data.size());
        }
        file.cancelWriting();
        return reason;
    }
    // Asked again: something may have taken the file's place while the data went out.
    if (const auto reason = NotRegularFile(path)) {
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

void RemoveUnfinishedSaves(const QString& folder, std::initializer_list<const char*> files)
{
    // The temporary name a save takes when the system gives it no nameless file.
    static const QRegularExpression temporary(QStringLiteral("^(.+)\\.[A-Za-z]{6}$"));
    const QDir dir(folder);
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = temporary.match(info.fileName());
        const auto named = [&match](const char* file) { return match.captured(1) == QLatin1String(file); };
        if (match.hasMatch() && std::any_of(files.begin(), files.end(), named) && info.isFile() && !info.isSymLink())
            QFile::remove(info.filePath());
    }
}
