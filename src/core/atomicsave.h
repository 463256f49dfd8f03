// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <initializer_list>
#include <optional>

// The one way the project replaces a file: the new contents go to a temporary file in
// the same folder, which takes the file's place only when every byte went out. A save
// that fails leaves the old file as it was. Anything but a regular file in its place
// (a folder, a FIFO, a device) is refused and left as it was, as are a loop of links and
// a process's descriptors under /proc/PID/fd (/dev/stdout, which may lead to a file the
// shell redirected); a regular file under /dev (/dev/shm) is a file like any other. A link
// to a regular file stays a link, and that file is replaced. Returns the reason when it fails.
std::optional<QString> SaveFileAtomically(const QString& path, const QByteArray& data);

// Makes an empty file at `path`, where nothing may stand yet, as any new file is made there (the umask, the folder's
// default access control list); one root makes in a folder of another user's is that user's, as a saved one is.
// Returns the reason when it cannot be made.
std::optional<QString> CreateEmptyFile(const QString& path);

// Makes the folder at `path` and those missing above it, as `mkdir -p` does; each one root makes in a folder of
// another user's is that user's, as a new file is (root starting the program with a player's HOME). Returns the
// reason when one cannot be made.
std::optional<QString> CreateFolders(const QString& path);

// What a save names the new contents beside the file until they take its place: the
// file's name, this and six letters or digits ("kelvara-utility.ini.unfinished-AbC12d").
inline constexpr char UnfinishedSaveMark[] = ".unfinished-";

// Removes what saves cut short (the program killed while saving) left in `folder`: the
// temporary files a save makes beside each of the files named, regular files only. Only
// for a folder in which nothing is being saved.
void RemoveUnfinishedSaves(const QString& folder, std::initializer_list<const char*> files);
