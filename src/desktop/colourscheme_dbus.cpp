// SPDX-License-Identifier: GPL-3.0-or-later
#include "colourscheme_dbus.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

namespace {
const QString Service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString Path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString Interface = QStringLiteral("org.freedesktop.portal.Settings");
const QString Group = QStringLiteral("org.freedesktop.appearance");
const QString Key = QStringLiteral("color-scheme");

ColourScheme::Scheme SchemeOf(QVariant value)
{
    // Read answers a variant holding the setting's variant; ReadOne and the signal, the
    // setting's variant. A few levels are more than any portal sends.
    for (int level = 0; level < 4 && value.metaType() == QMetaType::fromType<QDBusVariant>(); ++level)
        value = value.value<QDBusVariant>().variant();
    if (value.typeId() != QMetaType::UInt || value.toUInt() > 2)
        return ColourScheme::Scheme::NoPreference;
    return static_cast<ColourScheme::Scheme>(value.toUInt());
}
} // namespace

DBusColourScheme::DBusColourScheme(const QDBusConnection& bus, int timeout, QObject* parent)
    : ColourScheme(parent)
    , mBus(bus)
    , mTimeout(timeout)
{
    mDeadline.setSingleShot(true);
    connect(&mDeadline, &QTimer::timeout, this, [this] { Take(Scheme::NoPreference); });
}

void DBusColourScheme::Start()
{
    if (!mBus.isConnected()) {
        // A call on a closed connection would never answer.
        const auto noAnswer = [this] { Take(Scheme::NoPreference); };
        QMetaObject::invokeMethod(this, noAnswer, Qt::QueuedConnection);
        return;
    }
    // The slot's argument types are looked up by name, which Qt knows only once the type
    // is registered: without this, the first connection of the process fails.
    qRegisterMetaType<QDBusVariant>();
    // Any sender: naming the service would make the bus look its owner up first.
    mBus.connect(QString(), Path, Interface, QStringLiteral("SettingChanged"), this,
                 SLOT(OnSettingChanged(QString, QString, QDBusVariant)));
    mDeadline.start(mTimeout);
    Ask(QStringLiteral("ReadOne"));
}

void DBusColourScheme::Ask(const QString& method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, method);
    call << Group << Key;
    auto* watcher = new QDBusPendingCallWatcher(mBus.asyncCall(call, mTimeout), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, method] {
        watcher->deleteLater();
        const QDBusMessage reply = watcher->reply();
        if (mHeardChange)
            return;
        // Portals before version 2 of the interface know only Read.
        if (reply.type() == QDBusMessage::ErrorMessage && method == QLatin1String("ReadOne")
            && reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod")) {
            Ask(QStringLiteral("Read"));
            return;
        }
        Take(reply.type() == QDBusMessage::ReplyMessage ? SchemeOf(reply.arguments().value(0)) : Scheme::NoPreference);
    });
}

void DBusColourScheme::OnSettingChanged(const QString& group, const QString& key, const QDBusVariant& value)
{
    if (group != Group || key != Key)
        return;
    mHeardChange = true;
    Take(SchemeOf(value.variant()));
}

void DBusColourScheme::Take(Scheme scheme)
{
    mDeadline.stop();
    if (mKnown && scheme == mScheme)
        return;
    mKnown = true;
    mScheme = scheme;
    emit Changed(scheme);
}
