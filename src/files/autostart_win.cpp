// SPDX-License-Identifier: GPL-3.0-or-later
#include "autostart.h"
#include "autostart_platform.h"
#include "core/kelvaraerror.h"
#include "core/systemreason_win.h"

#include <QCoreApplication>
#include <QDir>

#include <windows.h>

// Starting at login on Windows: the value "Kelvara Utility" under the current user's Run key, the program's quoted
// path and its options, as Windows runs it at login ("C:\Games\Kelvara Utility\kelvara-utility.exe" --hidden). Only
// the registry's functions are used (advapi32).

using namespace Autostart;

namespace {

const wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Where Task Manager's Startup page (and Settings' Startup apps) keeps a value of the Run key switched off: a binary
// value of the same name whose first byte is odd.
const wchar_t ApprovedKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
const wchar_t ValueName[] = L"Kelvara Utility";

// Opens `key` of the current user with `access`; nothing (and the reason in `error`) when it cannot.
HKEY OpenKey(const wchar_t* key, REGSAM access, LSTATUS& error)
{
    HKEY opened = nullptr;
    error = ::RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, access, &opened);
    return error == ERROR_SUCCESS ? opened : nullptr;
}

// The value's data and type, or nothing when there is none; throws naming the entry when it cannot be read.
std::optional<std::pair<QByteArray, DWORD>> ReadValue(const wchar_t* key)
{
    LSTATUS error = ERROR_SUCCESS;
    const HKEY opened = OpenKey(key, KEY_QUERY_VALUE, error);
    if (!opened && error == ERROR_FILE_NOT_FOUND)
        return std::nullopt;
    if (!opened)
        Fail(CannotRead, AutostartPath(), SystemReason(DWORD(error)));
    QByteArray data;
    DWORD type = REG_NONE;
    for (int tries = 0; tries < 4; ++tries) {
        DWORD size = DWORD(data.size());
        error = ::RegQueryValueExW(opened, ValueName, nullptr, &type,
                                   data.isEmpty() ? nullptr : reinterpret_cast<BYTE*>(data.data()), &size);
        if (error == ERROR_SUCCESS && (!data.isEmpty() || size == 0)) {
            data.truncate(size);
            break;
        }
        if (error != ERROR_SUCCESS && error != ERROR_MORE_DATA)
            break;
        data.resize(qsizetype(size) + 2); // grown meanwhile, or asked for its size: asked again with room for it
        error = ERROR_MORE_DATA;
    }
    ::RegCloseKey(opened);
    if (error == ERROR_FILE_NOT_FOUND)
        return std::nullopt;
    if (error != ERROR_SUCCESS)
        Fail(CannotRead, AutostartPath(), SystemReason(DWORD(error)));
    return std::pair(data, type);
}

// Whether Task Manager's Startup page has the entry switched off.
bool SwitchedOff()
{
    try {
        const auto approved = ReadValue(ApprovedKey);
        return approved && approved->second == REG_BINARY && !approved->first.isEmpty() && (approved->first[0] & 1);
    } catch (const KelvaraError&) {
        return false; // unreadable: Windows starts the entry as the Run key has it
    }
}

// The program and options of a command line as Windows reads the Run key's: a quoted program or one up to the first
// space, then options apart by spaces.
AutostartEntry FromCommand(const QString& command)
{
    AutostartEntry entry;
    QString rest = command.trimmed();
    if (rest.startsWith(QLatin1Char('"'))) {
        const qsizetype end = rest.indexOf(QLatin1Char('"'), 1);
        entry.Program = rest.mid(1, end < 0 ? -1 : end - 1);
        rest = end < 0 ? QString() : rest.mid(end + 1);
    } else {
        const qsizetype end = rest.indexOf(QLatin1Char(' '));
        entry.Program = rest.left(end);
        rest = end < 0 ? QString() : rest.mid(end + 1);
    }
    entry.Options = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return entry;
}

} // namespace

QString AutostartPath()
{
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Kelvara Utility");
}

// The executable itself, by its full path with backslashes; nothing needs making for Windows to name it.
QString AutostartProgram(bool /*make*/)
{
    const QString program = QCoreApplication::applicationFilePath();
    return program.isEmpty() ? QString() : QDir::toNativeSeparators(program);
}

void WriteAutostartEntry(const QString& path, const QString& program, bool hidden)
{
    QString command = QLatin1Char('"') + QDir::toNativeSeparators(program) + QLatin1Char('"');
    if (hidden)
        command += QLatin1Char(' ') + HiddenOption;
    LSTATUS error = ERROR_SUCCESS;
    const HKEY run = OpenKey(RunKey, KEY_SET_VALUE, error);
    if (!run)
        Fail(CannotWrite, path, SystemReason(DWORD(error)));
    const std::wstring text = command.toStdWString();
    error = ::RegSetValueExW(run, ValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             DWORD((text.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(run);
    if (error != ERROR_SUCCESS)
        Fail(CannotWrite, path, SystemReason(DWORD(error)));
    // Turned on here, it is on: a switch-off of Task Manager's from before goes (where there is none, nothing changes).
    if (const HKEY approved = OpenKey(ApprovedKey, KEY_SET_VALUE, error)) {
        ::RegDeleteValueW(approved, ValueName);
        ::RegCloseKey(approved);
    }
}

// The program and options the value names, or nothing when there is no value, it is switched off in Task Manager's
// Startup page, or it is no text (which Windows does not run).
std::optional<AutostartEntry> ReadAutostart()
{
    const auto value = ReadValue(RunKey);
    if (!value || (value->second != REG_SZ && value->second != REG_EXPAND_SZ) || SwitchedOff())
        return std::nullopt;
    const QByteArray& data = value->first;
    QString command(reinterpret_cast<const QChar*>(data.constData()), data.size() / qsizetype(sizeof(char16_t)));
    if (const qsizetype end = command.indexOf(QChar(u'\0')); end >= 0)
        command.truncate(end);
    // An expandable text (%ProgramFiles%\...) names what Windows would run with its variables filled in.
    if (value->second == REG_EXPAND_SZ) {
        const std::wstring unexpanded = command.toStdWString();
        std::wstring expanded(::ExpandEnvironmentStringsW(unexpanded.c_str(), nullptr, 0), L'\0');
        const DWORD size = ::ExpandEnvironmentStringsW(unexpanded.c_str(), expanded.data(), DWORD(expanded.size()));
        if (size > 0 && size <= expanded.size())
            command = QString::fromWCharArray(expanded.data(), int(size) - 1);
    }
    return FromCommand(command);
}

void RemoveAutostart()
{
    LSTATUS error = ERROR_SUCCESS;
    const HKEY run = OpenKey(RunKey, KEY_SET_VALUE, error);
    if (!run && error == ERROR_FILE_NOT_FOUND)
        return;
    if (!run)
        Fail(CannotRemove, AutostartPath(), SystemReason(DWORD(error)));
    error = ::RegDeleteValueW(run, ValueName);
    ::RegCloseKey(run);
    if (error != ERROR_SUCCESS && error != ERROR_FILE_NOT_FOUND)
        Fail(CannotRemove, AutostartPath(), SystemReason(DWORD(error)));
}
