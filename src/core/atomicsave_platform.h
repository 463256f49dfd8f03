#pragma once

#include <QString>

#include <optional>

class QFileDevice;

// What the atomic save asks of the system it runs on; one file per platform.

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
