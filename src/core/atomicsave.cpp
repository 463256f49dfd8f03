#include "atomicsave.h"

#include "regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// Whether `path`, or a link on the way to what it names, is one of the system's
// pseudo-files: a device under /dev, or a process's descriptor under /proc/PID/fd
// (/dev/stdout among them). Such a name stands for a stream, often one the shell
// redirected to a file of its own: the save must not follow it and replace that file.
bool SystemStream(const QString& path)
{
    static const QRegularExpression pseudo(QStringLiteral("^/(dev(/|$)|proc/[^/]+/(task/[^/]+/)?fd(/|$))"));
    QString name = QFileInfo(path).absoluteFilePath();
    for (int links = 0; links < 40 && !name.isEmpty(); ++links) {
        const QFileInfo info(name);
        // Also through a folder that is a link (a folder linked to /dev).
        const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
        if (pseudo.match(QDir::cleanPath(name)).hasMatch()
            || (!folder.isEmpty() && pseudo.match(folder + QLatin1Char('/') + info.fileName()).hasMatch()))
            return true;
        if (!info.isSymLink())
            return false;
        name = info.symLinkTarget();
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
