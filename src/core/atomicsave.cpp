#include "atomicsave.h"

#include "regularfile.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

std::optional<QString> SaveFileAtomically(const QString& path, const QByteArray& data)
{
    // Only a regular file is replaced (a link to one stays, and the file it names is
    // replaced): a FIFO or a device would turn into a regular file.
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
