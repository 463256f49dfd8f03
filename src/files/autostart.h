// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Starting the program at login, as the Preferences box turns it on and off: an entry the
// desktop reads at login, which names the program by its absolute path and the options it
// gets. On Linux it is the freedesktop way (autostart_xdg.h): a desktop entry named
// kelvara-utility.desktop in the autostart folder of the user's configuration folder
// ($XDG_CONFIG_HOME/autostart, or ~/.config/autostart when XDG_CONFIG_HOME is unset,
// empty or not an absolute path). On Windows it is the value "Kelvara Utility" of the user's
// Run key (HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run), the quoted
// program and its options (autostart_win.cpp).

struct AutostartEntry
{
    QString Program;
    QStringList Options;

    bool operator==(const AutostartEntry&) const = default;
};

// The option that starts the program hidden (in the tray or minimised).
inline const QString HiddenOption = QStringLiteral("--hidden");

// Where the entry is, as its errors name it: the desktop entry's full path.
QString AutostartPath();

// The program that runs as the entry names it (autostart_xdg.h tells how), made ready to be
// named when `make`; throws KelvaraError when it cannot be. Empty when the program's own path is not known.
QString AutostartProgram(bool make);

// Writes the entry for `program` (an absolute path; the caller gives AutostartProgram()),
// with HiddenOption when `hidden`, replacing the file at once and whole; an empty program
// is refused, and no entry written.
// Makes the folder when needed. A link in the entry's place is replaced, not followed. Throws KelvaraError naming the
// file and the reason when the folder cannot be made or the file cannot be written.
void WriteAutostart(const QString& program, bool hidden);

// The program and options the entry's Exec line names, or nothing when there is no
// entry (no file, or a folder in its place) or the desktop does not start it (Hidden=true
// or X-GNOME-Autostart-enabled=false, as the desktop's own settings write, or 1 and 0,
// which GLib reads as the same). An entry without an Exec line gives an
// empty program. Throws KelvaraError when the file is there but cannot be read.
std::optional<AutostartEntry> ReadAutostart();

// Removes the entry. No entry, or a folder in its place (left alone), is not an error;
// a file that cannot be removed throws KelvaraError naming it and the reason.
void RemoveAutostart();
