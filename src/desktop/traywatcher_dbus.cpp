// SPDX-License-Identifier: GPL-3.0-or-later
#include "traywatcher_dbus.h"

#include "statusnotifieritem_dbus.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>

namespace {
const QString Service = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString Path = QStringLiteral("/StatusNotifierWatcher");
const QString Interface = QStringLiteral("org.kde.StatusNotifierWatcher");
} // namespace

DBusTrayWatcher::DBusTrayWatcher(const QDBusConnection& bus, QObject* parent)
    : TrayWatcher(parent)
    , mBus(bus)
{
    // A new owner (also one that replaced another) is asked about its hosts.
    connect(&mServiceWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                ++mGeneration;
                if (newOwner.isEmpty())
                    Take(false);
                else
                    Ask(true);
            });
}

void DBusTrayWatcher::Start()
{
    if (!mBus.isConnected()) {
        // A call on a closed connection would never answer.
        const auto noTray = [this] { Take(false); };
        QMetaObject::invokeMethod(this, noTray, Qt::QueuedConnection);
        return;
    }
    // Watching first, asking second: a service that comes in between is still seen.
    mServiceWatcher.setConnection(mBus);
    mServiceWatcher.setWatchMode(QDBusServiceWatcher::WatchForOwnerChange);
    mServiceWatcher.addWatchedService(Service);
    // Any sender: naming the service would make the bus look its owner up first.
    mBus.connect(QString(), Path, Interface, QStringLiteral("StatusNotifierHostRegistered"), this,
                 SLOT(OnHostRegistered()));
    mBus.connect(QString(), Path, Interface, QStringLiteral("StatusNotifierHostUnregistered"), this,
                 SLOT(OnHostUnregistered()));
    Ask(false);
}

void DBusTrayWatcher::Ask(bool hostQuestion)
{
    QDBusMessage call;
    if (hostQuestion) {
        call = QDBusMessage::createMethodCall(Service, Path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                              QStringLiteral("Get"));
        call << Interface << QStringLiteral("IsStatusNotifierHostRegistered");
    } else {
        call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                              QStringLiteral("/org/freedesktop/DBus"),
                                              QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
        call << Service;
    }
    auto* watcher = new QDBusPendingCallWatcher(mBus.asyncCall(call, AnswerTimeout), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, hostQuestion, asked = mGeneration] {
        watcher->deleteLater();
        if (asked != mGeneration)
            return;
        const QDBusMessage reply = watcher->reply();
        QVariant value = reply.arguments().value(0);
        if (hostQuestion)
            value = value.value<QDBusVariant>().variant();
        const bool yes = reply.type() == QDBusMessage::ReplyMessage && value.typeId() == QMetaType::Bool
            && value.toBool();
        if (yes && !hostQuestion)
            Ask(true);
        else
            Take(yes);
    });
}

void DBusTrayWatcher::OnHostRegistered()
{
    ++mGeneration;
    Take(true);
}

void DBusTrayWatcher::OnHostUnregistered()
{
    // Another host may still be there.
    ++mGeneration;
    Ask(true);
}

void DBusTrayWatcher::Take(bool available)
{
    if (mKnown && available == mAvailable)
        return;
    mKnown = true;
    mAvailable = available;
    emit Available(available);
}

StatusNotifierItem* DBusTrayWatcher::MakeItem(const TrayIconImage& icon, QObject* parent)
{
    return new DBusStatusNotifierItem(mBus, icon, parent);
}
