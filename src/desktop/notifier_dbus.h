// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notifier.h"

#include <QDBusConnection>
#include <QHash>
#include <QString>

// Desktop notifications through the freedesktop notification service
// (org.freedesktop.Notifications) on a session bus. Every call is asynchronous: the
// program never waits for the service. Where there is no service (an error answer, no
// owner of the name, no bus) or it has not answered within the answer timeout,
// Unavailable hands the texts back so the caller can show them itself. A slow service
// is still a service: its answer, however late, is kept, so that choosing its
// notification works.
class DBusNotifier : public Notifier
{
    Q_OBJECT

public:
    // The bus is the session bus, or in tests a private one. `appIcon` is an icon name
    // or a file:// address.
    DBusNotifier(const QDBusConnection& bus, const QString& appIcon, int answerTimeout = AnswerTimeout,
                 QObject* parent = nullptr);

    // Milliseconds to wait for the service's answer before the texts go to Unavailable: as
    // long as D-Bus itself waits for an answer.
    static constexpr int AnswerTimeout = 25000;
    // How long an answer that comes after that is still taken.
    static constexpr int LateAnswerLimit = 300000;

    // Delivered means that the service answered the notification with its number.
    void Notify(const QString& summary, const QString& body, const QString& actionKey,
                const QString& actionLabel) override;

private slots:
    void OnActionInvoked(uint id, const QString& key);
    void OnClosed(uint id, uint reason);

private:
    QDBusConnection mBus;
    QString mIcon;
    int mAnswerTimeout;
    bool mListening = false;
    // The action of each notification still on the screen.
    QHash<uint, QString> mActions;
};
