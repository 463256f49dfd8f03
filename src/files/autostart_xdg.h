// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Starting at login the freedesktop way (autostart.h): what it needs beyond the shared interface.
//
// The entry's Exec line names the program by its absolute path, quoted and escaped as
// desktop entries ask, so that any path (spaces, quotes, backslashes, dollars, back
// quotes, percent signs) comes back the same from ReadAutostart and from the desktop.
// Only this one file is ever written or removed.

// The running program (whose path is `exe`, the system's bytes) as the entry names it: its
// path, or, where that is no UTF-8 text or holds other control characters than line ends and
// tabs (a desktop entry is UTF-8 text), a link to it in the player's data folder
// (~/.local/share/kelvara-utility/kelvara-utility), made or renewed when `make` (a file or
// folder in its place stays; throws KelvaraError naming the link when it cannot be made).
// Empty when the program's own path is not known.
QString AutostartProgram(const QByteArray& exe, bool make);
