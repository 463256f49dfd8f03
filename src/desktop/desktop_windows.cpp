// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop.h"

#include "colourscheme_win.h"
#include "sleepwatcher_win.h"
#include "traywatcher_win.h"
#include "wallclockalarm_win.h"

// Windows' own services, heard through the program's system window. Notifications are
// the messages of the program's tray icon, which the windows make. There is no clock
// check: whether the Windows Time service keeps the clock synchronised is told only to
// administrators (its service status) or by running w32tm, which is no question the
// program could ask without waiting or starting another program.
DesktopServices OpenDesktop()
{
    DesktopServices services;
    services.notifyThroughTray = true;
    services.sleep = new WindowsSleepWatcher;
    services.tray = new WindowsTrayWatcher;
    services.colours = new WindowsColourScheme;
    return services;
}

// A QTimer to the due time, started anew when the clock is set and on waking.
WallClockAlarm* WallClockAlarm::Make(QObject* parent)
{
    return new WindowsWallClockAlarm(parent);
}
