#include "faultkit.h"

#include <QDir>

#include <cstring>
#include <vector>

#include <windows.h>

namespace faultkit {

const char* const NoFifo = "Windows makes no FIFO in a folder";
const char* const NoFullDisk = "Windows has no limit on the size of a process's files";
const char* const NoReplaceOpen = "Windows renames nothing over a file open without sharing its deletion, and Wine "
                                  "nothing over an open file at all";

ReadOnlyFolder::ReadOnlyFolder(const QString& folder)
    : mFolder(folder)
{
}

bool ReadOnlyFolder::Holds() const
{
    return false;
}

FullDisk::FullDisk(qint64 /*bytes*/) { }

bool MakeFifo(const QString& /*path*/)
{
    return false;
}

std::error_code RenameOver(const QString& from, const QString& to)
{
    // FILE_RENAME_INFO as FileRenameInfoEx takes it: flags where ReplaceIfExists was.
    constexpr DWORD replaceIfExists = 0x1, posixSemantics = 0x2;
    constexpr auto renameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);
    const std::wstring source = QDir::toNativeSeparators(from).toStdWString();
    const std::wstring target = QDir::toNativeSeparators(QDir::cleanPath(QDir().absoluteFilePath(to))).toStdWString();
    const HANDLE file = CreateFileW(source.c_str(), DELETE | SYNCHRONIZE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
                                    nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t));
        auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
        const DWORD flags = replaceIfExists | posixSemantics;
        std::memcpy(&info->ReplaceIfExists, &flags, sizeof flags);
        info->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
        std::memcpy(info->FileName, target.c_str(), info->FileNameLength);
        const bool renamed = SetFileInformationByHandle(file, renameInfoEx, info, static_cast<DWORD>(buffer.size()))
            != 0;
        CloseHandle(file);
        if (renamed)
            return {};
    }
    if (MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0)
        return {};
    return {static_cast<int>(GetLastError()), std::system_category()};
}

} // namespace faultkit
