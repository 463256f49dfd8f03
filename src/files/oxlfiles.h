// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock/gameclock.h"

#include <QString>

// The program folder and the two small files that carry state between runs:
// OXLTIMES.DAT (the calibration) and OXLDIR.DAT (the folder of the last character file).
// Every failure to create, read or write them throws KelvaraError naming the file.

// The folder every data file lives in, always ending in "/". It is the folder of
// the executable; when the program is installed where the player cannot write,
// it is the player's data folder instead.
QString ProgramFolder();

// How the program folder is chosen: the executable's folder when the player can
// write there; else the player's data folder (created when missing), which gets a
// copy of the installed game database when it has none.
QString ChooseProgramFolder(const QString& exeFolder, bool exeFolderWritable, const QString& dataFolder);

// The player's home folder: $HOME, or where that is unset or empty (a start under env -i), the one the password
// database names, which HOME is then set to for the rest of the program (Qt would take the root folder).
QString HomeFolder();

// The player's data folder, where an installed copy keeps its files: ~/.local/share/kelvara-utility in
// HomeFolder(), or under $XDG_DATA_HOME; on Windows, Kelvara Utility in the local application data folder.
QString DataFolder();

// Whether the files live beside the executable: where the player may write (on Windows, where a file can be made, and
// the installer left no kelvara-utility.installed there), except for an
// installed copy (its sample database in ../share/kelvara-utility) run by root, whose files go
// to root's data folder rather than into /usr/bin.
bool KeepsFilesBeside(const QString& exeFolder);

// The folder ProgramFolder() names, found without creating the data folder or copying
// the game database into it (the command line writes nothing).
QString LocateProgramFolder();

// The game database the command line reads: Kelvara.mdb in LocateProgramFolder(); where that
// folder has none yet (an installed copy whose window has not yet copied it into the data
// folder), the installed one.
QString LocateGameDatabase();

// Points the program folder somewhere else (tests); an empty text goes back to the
// folder worked out from the executable.
void SetProgramFolder(const QString& folder);

// The folder remembered in OXLDIR.DAT (created empty when missing), or the program
// folder when none is remembered.
QString ReadCharacterFolder();

// Remembers the folder of a chosen file in OXLDIR.DAT.
void SaveCharacterFolder(const QString& path);

// The calibration saved in OXLTIMES.DAT (created empty when missing). A file of
// fewer than 11 bytes gives the default calibration: the moment `now` paired with
// game 00:00:01 on 01/01/0001.
ClockCalibration ReadCalibrationFile(const QDateTime& now);
ClockCalibration ReadCalibrationFile();
// The same, read from LocateProgramFolder(), except that a missing file is not created:
// it gives the default calibration.
ClockCalibration PeekCalibrationFile(const QDateTime& now);

// Writes the calibration to OXLTIMES.DAT: four CR LF lines, 44 bytes. The file is
// replaced in one step, so a failed write leaves the saved calibration as it was.
// A calibration of a reading taken within this run reads back as the same game clock,
// even one taken in the second pass of the hour repeated when summer time ends.
void WriteCalibrationFile(const ClockCalibration& calibration);

// The file names.
inline constexpr char CalibrationFileName[] = "OXLTIMES.DAT";
inline constexpr char FolderFileName[] = "OXLDIR.DAT";
// The program's own settings (reminders, window places), an INI file read and
// written line by line (src/files/settings).
inline constexpr char SettingsFileName[] = "kelvara-utility.ini";
