// SPDX-License-Identifier: GPL-3.0-or-later
#include "sleepwatcher_dbus.h"

DBusSleepWatcher::DBusSleepWatcher(const QDBusConnection& bus, QObject* parent)
    : SleepWatcher(parent)
{
    if (!bus.isConnected())
        return;
    QDBusConnection(bus).connect(QString(), QStringLiteral("/org/freedesktop/login1"),
                                 QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                                 this, SLOT(OnPrepareForSleep(bool)));
}

void DBusSleepWatcher::OnPrepareForSleep(bool sleeping)
{
    if (!sleeping)
        emit Resumed();
}
