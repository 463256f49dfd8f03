// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>
#include <utility>

class QFile;

// The program reads and replaces regular files only. A FIFO would block a reader for
// ever or lose what a save wrote to it, and a device can be endless or be replaced by
// a regular file; both are refused, as are folders.

// Why `path` is no file to read or replace: it exists and, links followed, is a folder
// ("it is a folder") or anything else but a regular file ("it is not a regular file").
// Nothing when it is a regular file, or when nothing is there.
std::optional<QString> NotRegularFile(const QString& path);

// Opens `path` for reading when it is a regular file, and says why not otherwise. The
// open never waits: something put in the file's place after a check is refused too.
std::optional<QString> OpenRegularFile(QFile& file, const QString& path);

// What tells one file from another wherever it is named: its device and its number there.
using FileId = std::pair<quint64, quint64>;

// The file at `path`, links followed, when it is a regular file; nothing otherwise.
std::optional<FileId> RegularFileId(const QString& path);

// A name under which the file open as `file`, opened from `path`, opens again as the same file
// whatever was put at `path` since: its descriptor's name where the system has one, else `path`.
QString OpenedFileName(const QFile& file, const QString& path);

// `name` as a C library's fopen() takes it: the system's bytes of the name on Linux; UTF-8 on Windows, where the
// libraries the program is built with open names as UTF-8 text (their fopen() turns them into Windows' UTF-16).
QByteArray LibraryFileName(const QString& name);
