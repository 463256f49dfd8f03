// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statusnotifieritem.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QList>
#include <QString>

// The program's icon in a tray of StatusNotifier icons, served by the program itself on a
// session bus: the org.kde.StatusNotifierItem interface at /StatusNotifierItem, its menu as
// com.canonical.dbusmenu at /MenuBar, under the name org.kde.StatusNotifierItem-<pid>-<n>.
// It is registered with the tray's org.kde.StatusNotifierWatcher at once, and again each
// time a watcher comes (a panel started or restarted); it leaves the tray when it is
// deleted. Only one lives per bus at a time. What the tray asks for comes as signals once
// the tray's call is answered; nothing ever waits for the tray.
class DBusStatusNotifierItem : public StatusNotifierItem
{
    Q_OBJECT

public:
    DBusStatusNotifierItem(const QDBusConnection& bus, const TrayIconImage& icon, QObject* parent = nullptr);
    ~DBusStatusNotifierItem() override;

    void SetToolTip(const QString& text) override;
    void SetMenu(const QList<TrayMenuEntry>& entries) override;

private:
    friend class ItemAdaptor;
    friend class MenuAdaptor;
    void Register();

    QDBusConnection mBus;
    QString mService;
    QDBusServiceWatcher mWatcher;
    TrayIconImage mIcon;
    QString mToolTip;
    QList<TrayMenuEntry> mMenu;
    uint mRevision = 1;
    QObject* mMenuObject;
    class ItemAdaptor* mItemAdaptor;
    class MenuAdaptor* mMenuAdaptor;
};
