// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform.h"

#include "desktop/systemwindow_win.h"
#include "forms/frmmain.h"
#include "forms/guard.h"
#include "running/reminderkeeper.h"

#include <QCoreApplication>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h> // after windows.h, whose types it uses

namespace {

// Whether `handle`, a standard handle the program was started with, can be used as it is:
// a file, a pipe or a character device (NUL, or a console).
bool Usable(HANDLE handle)
{
    if (!handle || handle == INVALID_HANDLE_VALUE)
        return false;
    SetLastError(NO_ERROR);
    return GetFileType(handle) != FILE_TYPE_UNKNOWN || GetLastError() == NO_ERROR;
}

// The closing sequence of the main window, on the main thread, once the program is asked to
// end: the closing save, then the settings saves asked for (the reminders announced) are
// waited for, as the process may be ended as soon as it returns.
void End(frmMain* window)
{
    ErrorBoundary::Run([window] { window->Form_Unload(); });
    window->Reminders()->WaitForSaves();
    // A closing save that failed has already asked for a non-zero status.
    if (!ErrorBoundary::Ending())
        QCoreApplication::exit(0);
}

// Streams of the program's own on the console it found, where the standard ones could not be reopened there.
std::array<std::FILE*, 3> gStreams{};

// A stream on the console the program is attached to; null where there is none.
std::FILE* OpenConsoleOutput()
{
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE)
        return nullptr;
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(console), 0);
    if (descriptor < 0) {
        CloseHandle(console);
        return nullptr;
    }
    std::FILE* stream = _fdopen(descriptor, "w");
    if (!stream)
        _close(descriptor);
    return stream;
}

} // namespace

namespace Platform {

std::FILE* Stream(int which)
{
    return gStreams[which] ? gStreams[which] : which == 1 ? stdout : stderr;
}

// The command line as Windows keeps it, in UTF-16: argv holds it in the ANSI code page, which
// cannot carry every letter of a file name.
QStringList Arguments(int argc, char* argv[], const char*& notText)
{
    notText = nullptr;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    QStringList arguments;
    if (!wide) {
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        return arguments;
    }
    for (int i = 0; i < count; ++i)
        arguments << QString::fromWCharArray(wide[i]);
    LocalFree(wide);
    return arguments;
}

bool PrepareConsole(std::array<bool, 3>& closed)
{
    // The program is a GUI program: Windows gives it no console. Started from a console, its
    // output and error go there, unless the caller redirected them to a file, a pipe or NUL,
    // where they stay; started from Explorer, there is no console to attach to and none is
    // opened. What has nowhere to go counts as closed: the answer of the command line is then
    // not written. Standard input is never read.
    constexpr DWORD Ids[3] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
    std::array<bool, 3> usable{};
    for (std::size_t i = 0; i < 3; ++i)
        usable[i] = Usable(GetStdHandle(Ids[i]));
    // The console it was started from: found where an output has nowhere to go, and also where the caller gave it
    // the console's own handles (a batch file, the console twin), so that the console's code page can be set. A
    // console the program already has (where the system gave it one) is that console.
    DWORD mode = 0;
    const bool given = GetConsoleMode(GetStdHandle(Ids[1]), &mode) || GetConsoleMode(GetStdHandle(Ids[2]), &mode);
    const bool attached = (!usable[1] || !usable[2] || given)
        && (AttachConsole(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED);
    for (std::size_t i = 1; i < 3 && attached; ++i) {
        if (usable[i])
            continue;
        std::FILE* stream = std::freopen("CONOUT$", "w", Stream(int(i)));
        if (!stream) // a C runtime that reopens no stream without a descriptor (Wine's): a stream of its own
            stream = gStreams[i] = OpenConsoleOutput();
        if (!stream)
            continue;
        usable[i] = true;
        // Those who write to the handle rather than through the C library find the console too.
        SetStdHandle(Ids[i], reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream))));
    }
    for (std::size_t i = 0; i < 3; ++i)
        closed[i] = !usable[i];
    // The answers are written byte for byte as on Linux: the CSV and iCalendar answers end their lines with CR LF, as
    // their formats say, which the C runtime's text mode would turn into CR CR LF. A console starts a new line at LF.
    for (std::size_t i = 1; i < 3; ++i)
        if (usable[i])
            _setmode(_fileno(Stream(int(i))), _O_BINARY);
    // No file the program opens can take the place of a missing standard handle, as a
    // descriptor could elsewhere: nothing stops the program from running.
    return true;
}

void LeaveConsole()
{
    // The console twin (kelvara-utility.com) waits for the answer of the command line, and is told here that a window
    // opens instead: it ends, and gives the console back to the player.
    const QString twin = qEnvironmentVariable("KELVARA_CONSOLE_TWIN");
    qunsetenv("KELVARA_CONSOLE_TWIN");
    bool isNumber = false;
    const quintptr event = twin.toULongLong(&isNumber);
    if (isNumber && event != 0) {
        SetEvent(reinterpret_cast<HANDLE>(event));
        CloseHandle(reinterpret_cast<HANDLE>(event));
    }
    // The window is no console program: what Qt would say goes to the debugger, not into the console, and Ctrl+C
    // typed there is the console's own.
    FreeConsole();
}

void InstallEndHandlers(frmMain& window)
{
    // The session ends (logging off, shutting down, an installer's restart): the closing
    // sequence runs inside the system window's WM_ENDSESSION, before it returns.
    QObject::connect(
        SystemWindow::Get(), &SystemWindow::SessionEnding, &window, [&window] { End(&window); }, Qt::DirectConnection);
}

// Windows has no display connection to lose: the windows belong to the session, and a session
// that ends tells the program first (WM_ENDSESSION, which the end handlers take).
DisplayLossSave::DisplayLossSave(frmMain&) { }

DisplayLossSave::~DisplayLossSave() = default;

ConsoleUtf8::ConsoleUtf8()
{
    // Only where the answer goes to a console: a file or a pipe takes the bytes as they are. A console stream is
    // written a byte at a time by the C library, and a console takes a letter cut in two as two wrong ones: buffered,
    // the answer reaches it whole (Print writes it at once, then flushes).
    bool console = false;
    for (const int which : {1, 2}) {
        DWORD mode = 0;
        if (!GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(Stream(which)))), &mode))
            continue;
        console = true;
        std::setvbuf(Stream(which), nullptr, _IOFBF, 1 << 20);
    }
    const UINT own = GetConsoleOutputCP();
    if (console && own != 0 && own != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        mCodePage = own;
}

ConsoleUtf8::~ConsoleUtf8()
{
    if (mCodePage != 0)
        SetConsoleOutputCP(mCodePage);
}

} // namespace Platform
