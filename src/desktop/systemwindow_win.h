// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// What Windows broadcasts to the top-level windows of every program, as signals: a hidden
// top-level window of the desktop layer's own (a message-only window would get none of
// these broadcasts), made on the main thread and living as long as the application object.
// The signals come on the main thread, from inside the window's procedure.
class SystemWindow : public QObject
{
    Q_OBJECT

public:
    // The program's one system window, made at the first call, owned by the application object.
    static SystemWindow* Get();
    ~SystemWindow() override;
    SystemWindow(const SystemWindow&) = delete;
    SystemWindow& operator=(const SystemWindow&) = delete;

signals:
    // The machine woke from sleep (PBT_APMRESUMEAUTOMATIC, and PBT_APMRESUMESUSPEND after it
    // when a user woke it: one waking may give two).
    void Resumed();
    // The system clock was set (WM_TIMECHANGE).
    void ClockSet();
    // The light or dark choice of the apps may have changed (WM_SETTINGCHANGE "ImmersiveColorSet").
    void ColoursMayHaveChanged();
    // The session ends (WM_ENDSESSION): Windows may end the process as soon as the handlers
    // return, so whatever has to be saved is saved by them, directly, before they return.
    void SessionEnding();

private:
    explicit SystemWindow(QObject* parent);

    // The window's HWND.
    void* mWindow = nullptr;
    // The HPOWERNOTIFY of the registration for sleep and wake.
    void* mPowerNotify = nullptr;
};
