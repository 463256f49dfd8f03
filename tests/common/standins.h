// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QtDBus>
#include <QtTest>

using namespace Qt::StringLiterals;

// Stand-ins for the desktop's services on a private bus (list this header among a test's
// sources, for moc).

// Starts a private session bus and gives its address.
inline QString StartPrivateBus(QProcess& daemon)
{
    daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--print-address", "--nofork"});
    return daemon.waitForReadyRead(10000) ? QString::fromUtf8(daemon.readLine()).trimmed() : QString();
}

// A private session bus: the stand-ins answer on `services`, the program's side talks on `client`.
struct PrivateBus
{
    QProcess daemon;
    QString address;
    QDBusConnection services{QString()};
    QDBusConnection client{QString()};

    // Starts the bus and puts each stand-in at its path; false when the bus or a stand-in is missing.
    bool Start(std::initializer_list<std::pair<QString, QObject*>> standIns)
    {
        address = StartPrivateBus(daemon);
        services = QDBusConnection::connectToBus(address, u"services"_s);
        client = QDBusConnection::connectToBus(address, u"client"_s);
        bool started = !address.isEmpty();
        for (const auto& [path, object] : standIns)
            started = started && services.registerObject(path, object, QDBusConnection::ExportAllContents);
        return started;
    }
};

// The desktop portal's settings: the colour scheme.
class Portal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    int kind = 2;   // 2: with ReadOne; 3: Read only, nested; 4: Read only, plain
    QVariant value; // invalid: never answers

public slots:
    QDBusVariant ReadOne(const QString& group, const QString& key) { return Answer(group, key, kind == 2 ? 1 : 0); }
    QDBusVariant Read(const QString& group, const QString& key) { return Answer(group, key, kind == 4 ? 1 : 2); }

signals:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    QDBusVariant Answer(const QString& group, const QString& key, int levels) // 0: no such method
    {
        if (levels == 0)
            sendErrorReply(QDBusError::UnknownMethod, u"no such method"_s);
        else if (group != u"org.freedesktop.appearance" || key != u"color-scheme")
            sendErrorReply(u"org.freedesktop.portal.Error.NotFound"_s, u"no such setting"_s);
        else if (!value.isValid())
            setDelayedReply(true);
        return levels == 2 ? QDBusVariant(QVariant::fromValue(QDBusVariant(value))) : QDBusVariant(value);
    }
};

// The notification service: it records each Notify and answers with the count so far as the id, at once, after
// `delay` milliseconds, never (-1), or with an error (-2).
class Notifications : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QList<QVariantList> calls;
    int delay = 0;
    int answeredLate = 0;

public slots:
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int timeout)
    {
        calls << QVariantList{app, replaces, icon, summary, body, actions, hints, timeout};
        if (delay == -2)
            sendErrorReply(QDBusError::Failed, u"refused"_s);
        else if (delay != 0)
            setDelayedReply(true);
        if (delay > 0)
            QTimer::singleShot(delay, this,
                               [this, reply = message().createReply(uint(calls.size())), bus = connection()] {
                                   answeredLate += bus.send(reply);
                               });
        return uint(calls.size());
    }

signals:
    void ActionInvoked(uint id, const QString& key);
    void NotificationClosed(uint id, uint reason);
};

// The StatusNotifier watcher of a tray.
class TrayHostWatcher : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered MEMBER host)

public:
    bool host = false;
    QStringList items; // the names of the items registered

public slots:
    void RegisterStatusNotifierItem(const QString& service) { items << service; }

signals:
    void StatusNotifierHostRegistered();
};
