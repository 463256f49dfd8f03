// SPDX-License-Identifier: GPL-3.0-or-later
#include "regularfile.h"
#include "regularfile_platform.h"
#include "systemreason_win.h"

#include <QFile>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

// What the file open as `file` is. A regular file is on a disk (not a console, a pipe or another device), no folder,
// and no link: a reparse point that names another place (a symbolic link, a junction, IsReparseTagNameSurrogate) is
// refused, one that only stores the file otherwise (a OneDrive file kept online, a deduplicated one) is a file.
FileKind KindOf(HANDLE file)
{
    if (::GetFileType(file) != FILE_TYPE_DISK)
        return FileKind::Other;
    FILE_ATTRIBUTE_TAG_INFO info = {};
    if (!::GetFileInformationByHandleEx(file, FileAttributeTagInfo, &info, sizeof info))
        return FileKind::Other;
    if ((info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && IsReparseTagNameSurrogate(info.ReparseTag))
        return FileKind::Other;
    return info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY ? FileKind::Folder : FileKind::Regular;
}

// Opens what `path` names itself (a link, not where it leads) with `access`, sharing it with every other program (the
// game may replace the file meanwhile); INVALID_HANDLE_VALUE and the error in GetLastError() when it cannot.
HANDLE OpenItself(const QString& path, DWORD access)
{
    return ::CreateFileW(LongName(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

} // namespace

std::optional<QString> NotRegularFile(const QString& path)
{
    const HANDLE file = OpenItself(path, FILE_READ_ATTRIBUTES);
    if (file == INVALID_HANDLE_VALUE) {
        // A loop of links names nothing, and a save would put a file in the link's place.
        if (const DWORD error = ::GetLastError(); error == ERROR_CANT_RESOLVE_FILENAME)
            return SystemReason(error);
        return std::nullopt; // nothing there (or nothing that can be looked at): the caller's open tells
    }
    const FileKind kind = KindOf(file);
    ::CloseHandle(file);
    return KindReason(kind);
}

// Opening a file on Windows never waits for a writer; a pipe or a device in the file's place is refused all the same.
std::optional<QString> OpenWithoutWaiting(QFile& file, const QString& path)
{
    const HANDLE handle = OpenItself(path, GENERIC_READ);
    if (handle == INVALID_HANDLE_VALUE)
        return SystemReason(::GetLastError());
    std::optional<QString> reason = KindReason(KindOf(handle));
    // The handle goes to a C runtime descriptor, which QFile closes with it.
    const int fd = reason ? -1 : ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (!reason && fd < 0)
        reason = SystemReason(ERROR_TOO_MANY_OPEN_FILES);
    if (!reason && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        reason = file.errorString();
        ::_close(fd);
        return reason;
    }
    if (reason && fd < 0)
        ::CloseHandle(handle);
    return reason;
}

// The volume's serial number and the file's index on it, which stay with the file whatever its name.
std::optional<FileId> RegularFileId(const QString& path)
{
    const HANDLE file = OpenItself(path, FILE_READ_ATTRIBUTES);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info = {};
    std::optional<FileId> id;
    if (KindOf(file) == FileKind::Regular && ::GetFileInformationByHandle(file, &info))
        id = FileId(info.dwVolumeSerialNumber, (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow);
    ::CloseHandle(file);
    return id;
}

// The name Windows has for the open file now, which follows it when it is renamed: GetFinalPathNameByHandleW, as Qt
// writes names (C:/..., //server/share/...); `path` when Windows cannot tell.
QString OpenedFileName(const QFile& file, const QString& path)
{
    const HANDLE handle = reinterpret_cast<HANDLE>(::_get_osfhandle(file.handle()));
    if (handle == INVALID_HANDLE_VALUE)
        return path;
    std::wstring name(MAX_PATH, L'\0');
    for (int tries = 0; tries < 4; ++tries) {
        const DWORD size = ::GetFinalPathNameByHandleW(handle, name.data(), DWORD(name.size()),
                                                       FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (size == 0)
            return path;
        if (size < name.size())
            return QtName(QString::fromWCharArray(name.data(), int(size)));
        name.resize(size); // grown meanwhile, or longer than MAX_PATH: asked again with room for it
    }
    return path;
}

QByteArray LibraryFileName(const QString& name)
{
    return name.toUtf8();
}
