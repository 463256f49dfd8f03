// SPDX-License-Identifier: GPL-3.0-or-later
#include "clockcheck_dbus.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

DBusClockCheck::DBusClockCheck(const QDBusConnection& bus, QObject* parent)
    : ClockCheck(parent)
    , mBus(bus)
{
    mTimer.setInterval(Interval);
    mTimer.setTimerType(Qt::VeryCoarseTimer);
    connect(&mTimer, &QTimer::timeout, this, &DBusClockCheck::Ask);
}

void DBusClockCheck::Start()
{
    Ask();
    mTimer.start();
}

void DBusClockCheck::Ask()
{
    // Without a bus there is no service to ask (and a call would never finish).
    if (!mBus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << QStringLiteral("org.freedesktop.timedate1") << QStringLiteral("NTPSynchronized");
    auto* watcher = new QDBusPendingCallWatcher(mBus.asyncCall(call, AnswerTimeout), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *watcher;
        if (reply.isError())
            return;
        const QVariant value = reply.value().variant();
        if (value.typeId() == QMetaType::Bool)
            emit Answered(value.toBool());
    });
}
