// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>

#include <string>

#include <windows.h>

// The system's own sentence for a Windows error code, in the language of the user's Windows ("Access is denied",
// without its full stop); the code itself when the system has no sentence for it.
inline QString SystemReason(DWORD error)
{
    wchar_t* text = nullptr;
    const DWORD size = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString reason = size > 0 ? QString::fromWCharArray(text, int(size)).trimmed() : QString();
    ::LocalFree(text);
    // Without the full stop, as the C library's reasons are: a message goes on after it ("...: Access is denied").
    if (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    return reason.isEmpty() ? QStringLiteral("Windows error %1").arg(error) : reason;
}

// The name Windows' wide functions take for `path` (a name as Qt writes it, absolute or not): absolute, with
// backslashes and the \\?\ prefix (\\?\UNC\ for a share), so that a name longer than 260 characters works.
inline std::wstring LongName(const QString& path)
{
    QString name = path;
    if (name.startsWith(QLatin1String("\\\\?\\")) || name.startsWith(QLatin1String("\\\\.\\")))
        return name.toStdWString();
    // Qt's absolute form, without "." and ".." (the prefix turns off Windows' own cleaning of the name).
    name = QDir::toNativeSeparators(
        QDir::cleanPath(QDir::isAbsolutePath(name) ? name : QDir::current().absoluteFilePath(name)));
    if (name.startsWith(QLatin1String("\\\\")))
        return (QLatin1String("\\\\?\\UNC\\") + name.mid(2)).toStdWString();
    return (QLatin1String("\\\\?\\") + name).toStdWString();
}

// A name Windows gives back (GetFinalPathNameByHandleW) as Qt writes names: without the \\?\ prefix, with slashes.
inline QString QtName(const QString& name)
{
    if (name.startsWith(QLatin1String("\\\\?\\UNC\\")))
        return QDir::fromNativeSeparators(QLatin1String("\\\\") + name.mid(8));
    if (name.startsWith(QLatin1String("\\\\?\\")))
        return QDir::fromNativeSeparators(name.mid(4));
    return QDir::fromNativeSeparators(name);
}
