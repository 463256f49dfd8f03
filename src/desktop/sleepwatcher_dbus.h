// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sleepwatcher.h"

#include <QDBusConnection>

// The machine waking from sleep, from logind's PrepareForSleep(false) signal (object
// /org/freedesktop/login1, interface org.freedesktop.login1.Manager) on the system
// bus. The signal is taken from any sender, so that listening never waits for the bus
// to look logind up; a stray signal costs no more than a timer looked at again. Without
// a bus or without logind nothing is ever emitted, and nothing waits.
class DBusSleepWatcher : public SleepWatcher
{
    Q_OBJECT

public:
    // The bus is the system bus, or in tests a private one. Listens from now on.
    explicit DBusSleepWatcher(const QDBusConnection& bus, QObject* parent = nullptr);

private slots:
    void OnPrepareForSleep(bool sleeping);
};
