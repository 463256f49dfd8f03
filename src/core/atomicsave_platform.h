// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QFileDevice;

// What the atomic save asks of the system it runs on; one file per platform.

// Whether `path`, or a link on the way to what it names, stands for a stream of the system
// rather than a file (a process's descriptor, such as /dev/stdout), which a save must not
// follow and replace.
bool SystemStream(const QString& path);

// What a save of `path` replaces, in the system's own form of its name: the file its links
// lead to, as the system reaches it; the name as it stands when a link cannot be read.
QByteArray Target(const QString& path);

// The name `target` (Target()) as Qt names files: the system's bytes decoded as QFile decodes them on Linux, the
// UTF-16 it carries on Windows, whose file names are UTF-16 text.
QString TargetName(const QByteArray& target);

// The reason when the file at `target` (Target()) is there but the player may not write it.
std::optional<QString> NotWritable(const QByteArray& target);

// Puts what was written to `file` on the disk, so that it is there before it takes the file's place.
std::optional<QString> WriteThrough(QFileDevice& file);

// Puts `file`, the new contents written beside it, in the place of the file at `target` in one step.
std::optional<QString> PutInPlace(QFileDevice& file, const QByteArray& target);

// Gives `replacement`, the new contents not yet in the file's place, everything that
// protects the file at `original`: its owner and group, its permissions exactly, its
// access control list and its other extended attributes (those the system lets the
// program set; a label only the system may give is left as the system gives it). A new
// file gets what any file the system makes there with open() gets: the umask's mode, or the
// folder's default access control list; one root makes in a folder of another user's is that
// user's and their group's. The reason when something that protects the file cannot be kept:
// the save is then refused rather than made with wider access.
std::optional<QString> KeepProtection(const QString& original, QFileDevice& replacement);

// Gives the file just made at `path`, open as `file`, to its folder's owner and group where root made it in a folder
// of another user's (su in a player's folder), so that the player's own copy can replace it later; where root may
// not give it away (a share that maps root to nobody), it stays root's.
void GiveToFolderOwner(const QString& path, QFileDevice& file);
