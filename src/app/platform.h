// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <array>

class frmMain;

// What the program's start and end ask of the system it runs on.
namespace Platform {

// First thing in main(), before any file is opened: standard input, output and error
// made safe to use. `closed` tells which of them the caller had closed; false where the
// program cannot run safely (it then ends with status 1).
bool PrepareConsole(std::array<bool, 3>& closed);

// The program's arguments as text, its own name first. `notText` is set to the first argument
// (after the name) that is no text in the system's encoding, if there is one.
QStringList Arguments(int argc, char* argv[], const char*& notText);

// The ways the system asks the running program to end, besides closing its windows, run
// the closing sequence of `window`.
void InstallEndHandlers(frmMain& window);

// From its making until its end (around the event loop), a connection to the display that
// breaks and ends the program at once still gets the files' part of the closing save of
// `window`.
class DisplayLossSave
{
public:
    explicit DisplayLossSave(frmMain& window);
    ~DisplayLossSave();
    DisplayLossSave(const DisplayLossSave&) = delete;
    DisplayLossSave& operator=(const DisplayLossSave&) = delete;
};

} // namespace Platform
