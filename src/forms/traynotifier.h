// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/notifier.h"

#include <QPointer>
#include <QString>

class TrayIcon;

// Notifications as the messages of the program's tray icon, where the desktop shows its
// notifications that way (Windows' balloons and toasts). A message has no buttons: a click
// on it is its action, and Activated tells the action of the latest message shown. Where
// no icon is in a tray, or the tray shows no messages, Unavailable hands the texts back so
// that the caller shows them itself. Like every notifier it answers from the event loop,
// never inside Notify.
class TrayNotifier : public Notifier
{
    Q_OBJECT

public:
    // The messages of `tray`; once the icon object is gone, every text goes to Unavailable.
    explicit TrayNotifier(TrayIcon* tray, QObject* parent = nullptr);

    // `actionLabel` is not shown: a message has no buttons.
    void Notify(const QString& summary, const QString& body, const QString& actionKey,
                const QString& actionLabel) override;

private:
    QPointer<TrayIcon> mTray;
    // The action of the latest message shown.
    QString mAction;
};
