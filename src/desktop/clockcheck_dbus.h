// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clockcheck.h"

#include <QDBusConnection>
#include <QTimer>

// Asks systemd's time service (org.freedesktop.timedate1 on the system bus) whether
// the system clock is synchronised, at once and then every hour. Asynchronous: an
// answer comes as Answered; a service that is missing or does not answer in time
// gives no signal at all.
class DBusClockCheck : public ClockCheck
{
    Q_OBJECT

public:
    // The bus is the system bus, or in tests a private one.
    explicit DBusClockCheck(const QDBusConnection& bus, QObject* parent = nullptr);

    static constexpr int AnswerTimeout = 5000;
    static constexpr int Interval = 3600 * 1000;

    // Asks now and starts asking every hour.
    void Start() override;
    void Ask() override;

private:
    QDBusConnection mBus;
    QTimer mTimer;
};
