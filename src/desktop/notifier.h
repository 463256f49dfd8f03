// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// Desktop notifications, as the desktop the program runs on shows them. Every call is
// asynchronous: the program never waits for the desktop. Where the desktop shows none,
// Unavailable hands the texts back so the caller can show them itself.
class Notifier : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Shows a notification with the alarm sound and one action, labelled
    // `actionLabel`; choosing it (or the notification itself) emits Activated(actionKey).
    virtual void Notify(const QString& summary, const QString& body, const QString& actionKey,
                        const QString& actionLabel) = 0;

signals:
    void Unavailable(const QString& summary, const QString& body, const QString& actionKey);
    // The desktop took the notification to show.
    void Delivered(const QString& summary, const QString& body);
    void Activated(const QString& actionKey);
};
