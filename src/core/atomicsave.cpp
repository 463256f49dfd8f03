// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicsave.h"

#include "atomicsave_platform.h"
#include "regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>

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
    if (const auto reason = NotWritable(target))
        return reason;
    // The new contents under a name of the program's own beside the file, so that what a
    // save cut short by a kill leaves is known for what it is at the next start.
    QTemporaryFile file(TargetName(target) + QLatin1String(UnfinishedSaveMark) + QStringLiteral("XXXXXX"));
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
    if (const auto reason = KeepProtection(TargetName(target), file))
        return reason;
    if (const auto reason = WriteThrough(file))
        return reason;
    // Asked again: something may have taken the file's place while the data went out.
    if (const auto reason = NotRegularFile(path))
        return reason;
    if (const auto reason = PutInPlace(file, target))
        return reason;
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
        const QFileInfo saved(TargetName(Target(QDir(folder).filePath(QLatin1String(name)))));
        const QRegularExpression temporary(
            u'^' + QRegularExpression::escape(saved.fileName() + QLatin1String(UnfinishedSaveMark))
            + QStringLiteral("[A-Za-z0-9]{6}$"));
        for (const QFileInfo& info : saved.dir().entryInfoList(QDir::Files | QDir::Hidden))
            if (temporary.match(info.fileName()).hasMatch() && info.isFile() && !info.isSymLink())
                QFile::remove(info.filePath());
    }
}
