// SPDX-License-Identifier: GPL-3.0-or-later
#include "sleepwatcher_win.h"

#include "systemwindow_win.h"

WindowsSleepWatcher::WindowsSleepWatcher(QObject* parent)
    : SleepWatcher(parent)
{
    connect(SystemWindow::Get(), &SystemWindow::Resumed, this, &SleepWatcher::Resumed);
}
