#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Starting the program at login, the freedesktop way: a desktop entry named
// kelvara-utility.desktop in the autostart folder of the user's configuration folder
// ($XDG_CONFIG_HOME/autostart, or ~/.config/autostart when XDG_CONFIG_HOME is unset,
// empty or not an absolute path).
//
// The entry's Exec line names the program by its absolute path, quoted and escaped as
// desktop entries ask, so that any path (spaces, quotes, backslashes, dollars, back
// quotes, percent signs) comes back the same from ReadAutostart and from the desktop.
// Only this one file is ever written or removed.

struct AutostartEntry
{
    QString Program;
    QStringList Options;

    bool operator==(const AutostartEntry&) const = default;
};

// The option that starts the program hidden (in the tray or minimised).
inline const QString HiddenOption = QStringLiteral("--hidden");

// The entry's full path.
QString AutostartPath();

// The running program (whose path is `exe`, the system's bytes) as the entry names it: its
// path, or, where that is no UTF-8 text or holds other control characters than line ends and
// tabs (a desktop entry is UTF-8 text), a link to it in the player's data folder
// (~/.local/share/kelvara-utility/kelvara-utility), made or renewed when `make` (a file or
// folder in its place stays; throws KelvaraError naming the link when it cannot be made).
// Empty when the program's own path is not known.
QString AutostartProgram(const QByteArray& exe, bool make);
// The same for the program that runs.
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
