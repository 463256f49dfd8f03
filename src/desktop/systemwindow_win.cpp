// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemwindow_win.h"

#include <QCoreApplication>
#include <QPointer>

#include <cwchar>
#include <windows.h>

namespace {

constexpr wchar_t ClassName[] = L"KelvaraUtilitySystemWindow";

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Null while the window is being made and after its owner let it go.
    auto* owner = reinterpret_cast<SystemWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!owner)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND)
            emit owner->Resumed();
        return TRUE;
    case WM_TIMECHANGE:
        emit owner->ClockSet();
        return 0;
    case WM_SETTINGCHANGE: {
        const auto* area = reinterpret_cast<const wchar_t*>(lParam);
        if (area && std::wcscmp(area, L"ImmersiveColorSet") == 0)
            emit owner->ColoursMayHaveChanged();
        return 0;
    }
    case WM_QUERYENDSESSION:
        // The program never holds the session up: it saves when the session ends.
        return TRUE;
    case WM_ENDSESSION:
        // wParam is false when another program cancelled the end.
        if (wParam)
            emit owner->SessionEnding();
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// The registration for sleep and wake is looked up when it is made: Wine's user32 has none,
// and a missing import would keep the program from starting at all.
template <typename Function>
Function FromUser32(const char* name)
{
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const FARPROC found = user32 ? GetProcAddress(user32, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

} // namespace

SystemWindow* SystemWindow::Get()
{
    static QPointer<SystemWindow> one;
    if (!one)
        one = new SystemWindow(QCoreApplication::instance());
    return one;
}

SystemWindow::SystemWindow(QObject* parent)
    : QObject(parent)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = ClassName;
    // A class left registered by an earlier window of this process is just as good.
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return;
    // Top-level (no parent) and never shown: no taskbar button, nothing on the screen. The
    // title is what Windows names the program by while the session is ending.
    const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, ClassName, L"Kelvara Utility", WS_OVERLAPPED, 0, 0, 0, 0,
                                        nullptr, nullptr, instance, nullptr);
    if (!window)
        return;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    mWindow = window;
    // Where the machine uses modern standby, only a window registered for it hears of waking.
    if (const auto subscribe = FromUser32<HPOWERNOTIFY(WINAPI*)(HANDLE, DWORD)>("RegisterSuspendResumeNotification"))
        mPowerNotify = subscribe(window, DEVICE_NOTIFY_WINDOW_HANDLE);
}

SystemWindow::~SystemWindow()
{
    const auto unsubscribe = FromUser32<BOOL(WINAPI*)(HPOWERNOTIFY)>("UnregisterSuspendResumeNotification");
    if (mPowerNotify && unsubscribe)
        unsubscribe(static_cast<HPOWERNOTIFY>(mPowerNotify));
    if (const auto window = static_cast<HWND>(mWindow)) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
}
