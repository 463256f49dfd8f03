// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// What starting at login asks of the system it runs on; one file per platform (autostart_xdg.cpp:
// a desktop entry in the XDG autostart folder; autostart_win.cpp: a value of the Run key). The platform's file gives
// AutostartPath, AutostartProgram, ReadAutostart and RemoveAutostart of autostart.h, and this.

// Writes the entry at `path` (AutostartPath()) for `program`, which is not empty, as WriteAutostart says.
void WriteAutostartEntry(const QString& path, const QString& program, bool hidden);

// What both share: the errors.
namespace Autostart {

// The sentences name the file (%1) and the reason (%2).
inline constexpr char CannotRead[] = QT_TRANSLATE_NOOP("Files", "Cannot read \"%1\": %2");
inline constexpr char CannotWrite[] = QT_TRANSLATE_NOOP("Files", "Cannot write \"%1\": %2");
inline constexpr char CannotRemove[] = QT_TRANSLATE_NOOP("Files", "Cannot remove \"%1\": %2");

// Throws KelvaraError: `sentence` (one of the above) naming `path` and `reason`.
[[noreturn]] void Fail(const char* sentence, const QString& path, const QString& reason);

} // namespace Autostart
