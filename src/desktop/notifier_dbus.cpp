// SPDX-License-Identifier: GPL-3.0-or-later
#include "notifier_dbus.h"
#include "desktop.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>
#include <QVariantMap>

#include <algorithm>

namespace {
const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
// The service forgets nothing we must remember beyond this many notifications.
constexpr qsizetype MaxRemembered = 64;
} // namespace

DBusNotifier::DBusNotifier(const QDBusConnection& bus, const QString& appIcon, int answerTimeout, QObject* parent)
    : Notifier(parent)
    , mBus(bus)
    , mIcon(appIcon)
    , mAnswerTimeout(answerTimeout)
{
}

void DBusNotifier::Notify(const QString& summary, const QString& body, const QString& actionKey,
                          const QString& actionLabel)
{
    if (!mBus.isConnected()) {
        // No bus, no service; a call on a closed connection would never answer at all.
        QMetaObject::invokeMethod(
            this, [this, summary, body, actionKey] { emit Unavailable(summary, body, actionKey); },
            Qt::QueuedConnection);
        return;
    }
    if (!mListening) {
        // Any sender: naming the service would make the bus look its owner up first.
        mBus.connect(QString(), Path, Interface, QStringLiteral("ActionInvoked"), this,
                     SLOT(OnActionInvoked(uint, QString)));
        mBus.connect(QString(), Path, Interface, QStringLiteral("NotificationClosed"), this,
                     SLOT(OnClosed(uint, uint)));
        mListening = true;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Notify"));
    const QVariantMap hints = {
        {QStringLiteral("sound-name"), QStringLiteral("alarm-clock-elapsed")},
        {QStringLiteral("desktop-entry"), QString::fromLatin1(ApplicationId)},
    };
    // "default" is the notification itself; the other key is its button.
    const QStringList actions = {QStringLiteral("default"), actionLabel, actionKey, actionLabel};
    // The body may hold markup (the summary may not): a text is shown as it is written.
    QString text = body;
    text.replace(QLatin1Char('&'), QStringLiteral("&amp;"))
        .replace(QLatin1Char('<'), QStringLiteral("&lt;"))
        .replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    call << QStringLiteral("Kelvara Utility") << uint{0} << mIcon << summary << text << actions << hints << int{-1};
    auto* watcher = new QDBusPendingCallWatcher(mBus.asyncCall(call, std::max(mAnswerTimeout, LateAnswerLimit)), this);
    // Without an answer in time the texts are shown by the program, once; the call still
    // waits, for the service may show its copy late, and choosing that must work too.
    auto* wait = new QTimer(watcher);
    wait->setSingleShot(true);
    connect(wait, &QTimer::timeout, this,
            [this, summary, body, actionKey] { emit Unavailable(summary, body, actionKey); });
    wait->start(mAnswerTimeout);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, wait, summary, body, actionKey] {
        watcher->deleteLater();
        const bool waiting = wait->isActive();
        wait->stop();
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError()) {
            if (waiting)
                emit Unavailable(summary, body, actionKey);
            return;
        }
        if (mActions.size() >= MaxRemembered)
            mActions.clear();
        mActions.insert(reply.value(), actionKey);
        emit Delivered(summary, body);
    });
}

void DBusNotifier::OnActionInvoked(uint id, const QString& key)
{
    Q_UNUSED(key); // the notification and its one button do the same
    const auto it = mActions.constFind(id);
    if (it != mActions.constEnd())
        emit Activated(*it);
}

void DBusNotifier::OnClosed(uint id, uint reason)
{
    Q_UNUSED(reason);
    mActions.remove(id);
}
