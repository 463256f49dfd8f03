// SPDX-License-Identifier: GPL-3.0-or-later
// kelvara-utility.com, the program's console twin on Windows. The program is a windowed program, which Command Prompt
// does not wait for: its answer would come after the next prompt, and %ERRORLEVEL% would not hold its status. Command
// Prompt and PowerShell run a .com before an .exe of the same name, and wait for a console program: the twin starts
// kelvara-utility.exe beside it with the same command line and standard handles, waits for it and ends with its
// status. When the program opens its window instead, it tells the twin (an event named in KELVARA_CONSOLE_TWIN), which
// then ends at once with status 0 and gives the console back to the player.

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>

int wmain()
{
    std::wstring program(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, program.data(), DWORD(program.size()));
        if (length == 0)
            return 1;
        if (length < program.size()) {
            program.resize(length);
            break;
        }
        program.resize(program.size() * 2);
    }
    const std::size_t dot = program.find_last_of(L".\\");
    if (dot == std::wstring::npos || program[dot] != L'.')
        return 1;
    program.replace(dot, std::wstring::npos, L".exe");

    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const HANDLE window = CreateEventW(&inherited, TRUE, FALSE, nullptr);
    if (!window)
        return 1;
    SetEnvironmentVariableW(L"KELVARA_CONSOLE_TWIN", std::to_wstring(reinterpret_cast<std::uintptr_t>(window)).c_str());
    // Ctrl+C reaches the program too, which ends in its own way: the twin waits for that. A handler, not the
    // ignoring of Ctrl+C, which the program would inherit.
    SetConsoleCtrlHandler([](DWORD) -> BOOL { return TRUE; }, TRUE);

    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    start.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    start.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    std::wstring command = GetCommandLineW();
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start,
                        &process)) {
        std::fwprintf(stderr, L"kelvara-utility: cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
        return 1;
    }
    CloseHandle(process.hThread);
    const HANDLE ends[2] = {process.hProcess, window};
    if (WaitForMultipleObjects(2, ends, FALSE, INFINITE) == WAIT_OBJECT_0 + 1)
        return 0;
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    return int(status);
}
