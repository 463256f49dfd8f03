// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop.h"

#include "clockcheck_dbus.h"
#include "colourscheme_dbus.h"
#include "notifier_dbus.h"
#include "sleepwatcher_dbus.h"
#include "traywatcher_dbus.h"
#include "wallclockalarm_linux.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace {

// A session bus the desktop runs; the program never starts one of its own.
bool SessionBusRunning()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")
        || (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus")));
}

// The icon of the notifications: the file beside the program in a build folder, else
// the icon the installation put into the icon theme.
QString NotificationIcon()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/kelvara-utility.png");
    return QFileInfo::exists(beside) ? QUrl::fromLocalFile(beside).toString() : QString::fromLatin1(ApplicationId);
}

} // namespace

// The freedesktop services over D-Bus: the session bus for the notifications, the tray and
// the colour scheme, the system bus for the clock check and sleep.
DesktopServices OpenDesktop()
{
    const bool sessionBus = SessionBusRunning();
    // Without a session bus: a closed connection, which every service takes as absent.
    const QDBusConnection bus = sessionBus ? QDBusConnection::sessionBus() : QDBusConnection(QStringLiteral("none"));
    const QDBusConnection system = QDBusConnection::systemBus();
    DesktopServices services;
    services.notifier = sessionBus ? new DBusNotifier(bus, NotificationIcon()) : nullptr;
    services.clockCheck = new DBusClockCheck(system);
    services.sleep = new DBusSleepWatcher(system);
    services.tray = new DBusTrayWatcher(bus);
    services.colours = new DBusColourScheme(bus);
    return services;
}

// Linux's timerfd.
WallClockAlarm* WallClockAlarm::Make(QObject* parent)
{
    return new LinuxWallClockAlarm(parent);
}
