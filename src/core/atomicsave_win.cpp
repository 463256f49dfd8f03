// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicsave.h"
#include "atomicsave_platform.h"
#include "systemreason_win.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>

#include <io.h>
#include <windows.h>

namespace {

// The Windows handle of what `file` has open.
HANDLE HandleOf(QFileDevice& file)
{
    return reinterpret_cast<HANDLE>(::_get_osfhandle(file.handle()));
}

// The name a save of `target` keeps the replaced file under while ReplaceFileW puts the new one in its place: one of
// the program's own beside it, which RemoveUnfinishedSaves() clears should the program be killed meanwhile.
QString BackupName(const QString& target)
{
    static constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name = target + QLatin1String(UnfinishedSaveMark);
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))]);
    return name;
}

bool Exists(const std::wstring& name)
{
    return ::GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

// Windows' own devices, which a name reaches in any folder ("C:\Games\CON" is the console): CON, PRN, AUX, NUL,
// COM1 to COM9 and LPT1 to LPT9, with any extension, and CONIN$ and CONOUT$; and any name in the device namespace
// (\\.\pipe\..., \\.\COM10).
bool SystemStream(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    if (native.startsWith(QLatin1String("\\\\.\\")) || native.startsWith(QLatin1String("\\\\?\\GLOBALROOT\\")))
        return true;
    // Windows drops trailing dots and spaces, and what follows the first dot, before it looks for a device.
    QString base = QFileInfo(path).fileName();
    base = base.left(base.indexOf(QLatin1Char('.'))).trimmed().toUpper();
    static const QStringList devices = {
        QStringLiteral("CON"),  QStringLiteral("PRN"),  QStringLiteral("AUX"),    QStringLiteral("NUL"),
        QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"),   QStringLiteral("COM4"),
        QStringLiteral("COM5"), QStringLiteral("COM6"), QStringLiteral("COM7"),   QStringLiteral("COM8"),
        QStringLiteral("COM9"), QStringLiteral("LPT1"), QStringLiteral("LPT2"),   QStringLiteral("LPT3"),
        QStringLiteral("LPT4"), QStringLiteral("LPT5"), QStringLiteral("LPT6"),   QStringLiteral("LPT7"),
        QStringLiteral("LPT8"), QStringLiteral("LPT9"), QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    return devices.contains(base);
}

// The absolute name, as UTF-16 (Windows' file names are UTF-16 text, which no code page holds whole). No link is
// followed: on Windows a link or junction in the file's place is no regular file (NotRegularFile() refuses it), and
// links on the way to the file are followed by the system.
QByteArray Target(const QString& path)
{
    const QString name = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    return QByteArray(reinterpret_cast<const char*>(name.utf16()), name.size() * qsizetype(sizeof(char16_t)));
}

QString TargetName(const QByteArray& target)
{
    return QString(reinterpret_cast<const QChar*>(target.constData()), target.size() / qsizetype(sizeof(char16_t)));
}

// A read-only file (its read-only attribute set, as Explorer's Properties sets it) is the player's way to say it must
// not change: it is refused as one the player may not write, and so is one whose access control list does not let the
// player write it. The reasons are the system's own ("Access is denied.").
std::optional<QString> NotWritable(const QByteArray& target)
{
    const std::wstring name = LongName(TargetName(target));
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? std::nullopt
                                                                              : std::optional(SystemReason(error));
    }
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return SystemReason(ERROR_ACCESS_DENIED);
    // Opened for writing as the player, and closed again at once: what the file's access control list allows.
    const HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? std::nullopt : std::optional(SystemReason(error));
    }
    ::CloseHandle(file);
    return std::nullopt;
}

std::optional<QString> WriteThrough(QFileDevice& file)
{
    if (!::FlushFileBuffers(HandleOf(file)))
        return SystemReason(::GetLastError());
    return std::nullopt;
}

// ReplaceFileW where the file is there: the new file takes its name, and keeps what the old one had that protects and
// describes it (its security descriptor with its access control list and owner, its attributes, its alternate data
// streams, its creation time). Asked without REPLACEFILE_IGNORE_MERGE_ERRORS or REPLACEFILE_IGNORE_ACL_ERRORS: where
// these cannot be kept, the save is refused rather than made with other access, as on Linux. A new file is renamed into
// place with MoveFileExW, written through; it has the access the folder gives any new file. The file is closed first:
// Qt opens files without FILE_SHARE_DELETE, which both need. A QTemporaryFile closed stays open, to be opened again:
// renamed (to another name of the save's own), it is closed for good.
std::optional<QString> PutInPlace(QFileDevice& file, const QByteArray& target)
{
    const QString targetName = TargetName(target);
    const std::wstring replaced = LongName(targetName);
    auto* saved = qobject_cast<QFile*>(&file);
    if (!saved || !saved->rename(BackupName(targetName)))
        return saved ? saved->errorString() : SystemReason(ERROR_INVALID_HANDLE);
    const std::wstring replacement = LongName(saved->fileName());
    if (Exists(replaced)) {
        // The old file stays under a name of the save's own until the new one has its place, so that a failure half
        // way (ERROR_UNABLE_TO_MOVE_REPLACEMENT_2: the old file moved aside, the new one not in place) can put it back.
        const std::wstring backup = LongName(BackupName(targetName));
        if (::ReplaceFileW(replaced.c_str(), replacement.c_str(), backup.c_str(), 0, nullptr, nullptr)) {
            ::DeleteFileW(backup.c_str());
            return std::nullopt;
        }
        const DWORD error = ::GetLastError();
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
            ::MoveFileExW(backup.c_str(), replaced.c_str(), MOVEFILE_WRITE_THROUGH);
        // Removed meanwhile: the new file goes to its name as a new one does.
        if (error != ERROR_FILE_NOT_FOUND || Exists(replaced))
            return SystemReason(error);
    }
    if (!::MoveFileExW(replacement.c_str(), replaced.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return SystemReason(::GetLastError());
    return std::nullopt;
}

// Nothing to do before PutInPlace(): ReplaceFileW gives the new contents everything that protects the old file, and
// refuses when it cannot; a new file has what the folder's inheritable access control list gives any file made there.
std::optional<QString> KeepProtection(const QString& /*original*/, QFileDevice& /*replacement*/)
{
    return std::nullopt;
}

// Windows has no root who makes files in another user's folder as its owner: an administrator's file is made
// with the access the folder gives, and stays as it is.
void GiveToFolderOwner(const QString& /*path*/, QFileDevice& /*file*/) { }

std::optional<QString> CreateFolders(const QString& path)
{
    const QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const std::wstring name = LongName(folder);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    if (::CreateDirectoryW(name.c_str(), nullptr))
        return std::nullopt;
    DWORD error = ::GetLastError();
    const QString parent = QFileInfo(folder).path();
    if (error == ERROR_PATH_NOT_FOUND && parent != folder) {
        if (const auto reason = CreateFolders(parent))
            return reason;
        if (::CreateDirectoryW(name.c_str(), nullptr))
            return std::nullopt;
        error = ::GetLastError();
    }
    // Made meanwhile by another program is as good.
    const DWORD now = ::GetFileAttributesW(name.c_str());
    if (error == ERROR_ALREADY_EXISTS && now != INVALID_FILE_ATTRIBUTES && (now & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return SystemReason(error);
}
