#pragma once

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QString>

// Desktop notifications through the freedesktop notification service
// (org.freedesktop.Notifications) on a session bus. Every call is asynchronous: the
// program never waits for the service. Where no service answers, Unavailable hands
// the texts back so the caller can show them itself.
class Notifier : public QObject
{
    Q_OBJECT

public:
    // The bus is the session bus, or in tests a private one. `appIcon` is an icon name
    // or a file:// address.
    Notifier(const QDBusConnection& bus, const QString& appIcon, QObject* parent = nullptr);

    // Milliseconds to wait for the service's answer before counting it absent.
    static constexpr int AnswerTimeout = 5000;

    // Shows a notification with the alarm sound and one action, labelled
    // `actionLabel`; choosing it (or the notification itself) emits Activated(actionKey).
    void Notify(const QString& summary, const QString& body, const QString& actionKey, const QString& actionLabel);

signals:
    void Unavailable(const QString& summary, const QString& body, const QString& actionKey);
    void Activated(const QString& actionKey);

private slots:
    void OnActionInvoked(uint id, const QString& key);
    void OnClosed(uint id, uint reason);

private:
    QDBusConnection mBus;
    QString mIcon;
    bool mListening = false;
    // The action of each notification still on the screen.
    QHash<uint, QString> mActions;
};
