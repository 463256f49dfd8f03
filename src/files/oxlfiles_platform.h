// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// What finding the program's folders asks of the system it runs on; one file per platform.

// The executable's folder, as a name the program can open it by.
QString ExeFolder();

// The user's home folder as the user database has it, for when HOME is not set; empty when it has none.
QByteArray UserHome();

// Whether the program runs as root, who may write an installed copy's folder.
bool RunsAsRoot();

// Whether the player's files may be kept in the executable's folder `exeFolder`: the player may write there (and,
// on Windows, the installer marked no installed copy there).
bool MayKeepFilesIn(const QString& exeFolder);

// The folder of the player's own where an installed copy keeps its files (DataFolder() of oxlfiles.h).
QString SystemDataFolder();

// Where an installed copy's sample game database is, relative to the executable's folder: a new data folder gets a
// copy of it.
extern const char InstalledDatabase[];
