// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "traywatcher.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>

// Whether the desktop has a tray that shows StatusNotifierItem icons: the service
// org.kde.StatusNotifierWatcher is on the session bus and its property
// IsStatusNotifierHostRegistered (object /StatusNotifierWatcher, interface
// org.kde.StatusNotifierWatcher) is true.
//
// Start() asks once, asynchronously; after that the service's arrival and departure
// and its StatusNotifierHostRegistered and StatusNotifierHostUnregistered signals are
// followed, so a tray that appears or goes away later is noticed. Available(bool) comes
// when the answer is first known and on every change after that, never twice in a row
// with the same value. No bus, no service, an error or no answer within the timeout:
// no tray. Nothing ever blocks.
class DBusTrayWatcher : public TrayWatcher
{
    Q_OBJECT

public:
    static constexpr int AnswerTimeout = 3000;

    // The bus is the session bus, or in tests a private one.
    explicit DBusTrayWatcher(const QDBusConnection& bus, QObject* parent = nullptr);

    void Start() override;

    bool IsAvailable() const override { return mAvailable; }
    bool IsKnown() const override { return mKnown; }
    // The bus it watches.
    const QDBusConnection& Bus() const { return mBus; }

    // A DBusStatusNotifierItem on the same bus.
    StatusNotifierItem* MakeItem(const TrayIconImage& icon, QObject* parent) override;

private slots:
    void OnHostRegistered();
    void OnHostUnregistered();

private:
    // Asks whether the service has an owner, or (`hostQuestion`) whether a host is registered.
    void Ask(bool hostQuestion);
    void Take(bool available);

    QDBusConnection mBus;
    QDBusServiceWatcher mServiceWatcher;
    bool mKnown = false;
    bool mAvailable = false;
    // Answers to questions asked before the latest news are out of date.
    quint64 mGeneration = 0;
};
