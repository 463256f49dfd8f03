// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <array>
#include <cstdio>

class frmMain;

// What the program's start and end ask of the system it runs on.
namespace Platform {

// First thing in main(), before any file is opened: standard input, output and error
// made safe to use. `closed` tells which of them the caller had closed; false where the
// program cannot run safely (it then ends with status 1).
bool PrepareConsole(std::array<bool, 3>& closed);

// The stream the command line writes its answer (1) or its errors (2) to: standard output or error, or where the
// system's C library could not reopen those on the console found at start, a stream of the program's own there.
std::FILE* Stream(int which);

// The program's arguments as text, its own name first. `notText` is set to the first argument
// (after the name) that is no text in the system's encoding, if there is one.
QStringList Arguments(int argc, char* argv[], const char*& notText);

// The window is about to open: the program leaves the console it was started from where the system's windows have
// nothing to do with one (Windows); elsewhere it stays in its terminal's session.
void LeaveConsole();

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

// While it lives, what the command line writes to a console is read there as UTF-8, whatever code page the console
// has, and reaches it whole; the console gets its own code page back afterwards (Windows: its console reads the bytes
// in its code page). Terminals elsewhere take the bytes as they are. Made before anything is written.
class ConsoleUtf8
{
public:
    ConsoleUtf8();
    ~ConsoleUtf8();
    ConsoleUtf8(const ConsoleUtf8&) = delete;
    ConsoleUtf8& operator=(const ConsoleUtf8&) = delete;

private:
    unsigned mCodePage = 0; // the console's own, to be given back; 0: none changed
};

} // namespace Platform
