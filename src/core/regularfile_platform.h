// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class QFile;

// What the regular-file checks ask of the system they run on; one file per platform.

// What a name leads to, links followed.
enum class FileKind { Regular, Folder, Other };

// Why a file of `kind` cannot be read or replaced; nothing for a regular file (the shared texts).
std::optional<QString> KindReason(FileKind kind);

// NotRegularFile() of regularfile.h asks the system, and is defined with these.

// Opens `path`, which was a regular file when asked, for reading without waiting (a FIFO put in
// its place meanwhile would wait for a writer, a device may do anything), and only when what it
// opened is still a regular file; says why not otherwise.
std::optional<QString> OpenWithoutWaiting(QFile& file, const QString& path);
