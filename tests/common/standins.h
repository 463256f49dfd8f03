#pragma once

#include <QProcess>
#include <QtDBus>
#include <QtTest>

// Stand-ins for the desktop's services on a private bus (list this header among a test's
// sources, for moc).

// Starts a private session bus and gives its address.
inline QString StartPrivateBus(QProcess& daemon)
{
    daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--print-address", "--nofork"});
    return daemon.waitForReadyRead(10000) ? QString::fromUtf8(daemon.readLine()).trimmed() : QString();
}

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
            sendErrorReply(QDBusError::UnknownMethod, u"no such method"_qs);
        else if (group != u"org.freedesktop.appearance" || key != u"color-scheme")
            sendErrorReply(u"org.freedesktop.portal.Error.NotFound"_qs, u"no such setting"_qs);
        else if (!value.isValid())
            setDelayedReply(true);
        return levels == 2 ? QDBusVariant(QVariant::fromValue(QDBusVariant(value))) : QDBusVariant(value);
    }
};

// The StatusNotifier watcher of a tray.
class TrayHostWatcher : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered MEMBER host)

public:
    bool host = false;

signals:
    void StatusNotifierHostRegistered();
};
