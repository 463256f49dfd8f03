// SPDX-License-Identifier: GPL-3.0-or-later
#include "traynotifier.h"

#include "trayicon.h"

TrayNotifier::TrayNotifier(TrayIcon* tray, QObject* parent)
    : Notifier(parent)
    , mTray(tray)
{
    connect(tray, &TrayIcon::MessageClicked, this, [this] {
        if (!mAction.isEmpty())
            emit Activated(mAction);
    });
}

void TrayNotifier::Notify(const QString& summary, const QString& body, const QString& actionKey, const QString&)
{
    // From the event loop, as a desktop's answer comes: the tray the icon is in is then known too.
    QMetaObject::invokeMethod(
        this,
        [this, summary, body, actionKey] {
            if (mTray && mTray->ShowMessage(summary, body)) {
                mAction = actionKey;
                emit Delivered(summary, body);
            } else {
                emit Unavailable(summary, body, actionKey);
            }
        },
        Qt::QueuedConnection);
}
