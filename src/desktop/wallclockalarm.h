// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <cstdint>

// An alarm on the wall clock: Due() comes once when the system clock reaches the armed
// instant, seconds since the epoch. A machine asleep at that moment gets Due() when it
// wakes; an instant already past gives Due() at once (from the event loop, never inside
// Arm).
//
// While armed, setting the system clock gives ClockChanged(), after the alarm was armed
// again for the same instant (so it fires at once if the new time is past it). After
// Due(), or after Disarm(), nothing more comes until the next Arm().
class WallClockAlarm : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The system's alarm, owned by `parent`.
    static WallClockAlarm* Make(QObject* parent);

    // Replaces any instant armed before. False when the system gives no timer; the
    // caller then has to look at the clock itself.
    virtual bool Arm(int64_t instant) = 0;
    virtual void Disarm() = 0;
    virtual bool IsArmed() const = 0;

signals:
    void Due();
    void ClockChanged();
};
