// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wallclockalarm.h"

#include <QTimer>

#include <cstdint>

// An alarm on the wall clock: Due() comes once when the system clock reaches the armed
// instant, seconds since the epoch. An instant already past gives Due() at once (from the
// event loop, never inside Arm).
//
// Windows has no timer on the wall clock for a program's event loop, so a QTimer runs to the
// due time, as far as the clock said when it was started, at most MaxWait at a time, and the
// clock is read again when it fires. The program's system window tells when the clock was
// set (WM_TIMECHANGE): the timer is started anew for the same instant, then ClockChanged()
// comes (so it fires at once if the new time is past it). Waking from sleep starts it anew
// too, so a machine asleep at the due time gets Due() when it wakes. After Due(), or after
// Disarm(), nothing more comes until the next Arm(), and no timer runs.
class WindowsWallClockAlarm : public WallClockAlarm
{
    Q_OBJECT

public:
    explicit WindowsWallClockAlarm(QObject* parent = nullptr);

    // The longest wait before the clock is read again: a clock that moves without a
    // broadcast (slewed by the time service) is caught up with by then.
    static constexpr int MaxWait = 10 * 60 * 1000;

    bool Arm(int64_t instant) override;
    void Disarm() override;
    bool IsArmed() const override { return mArmed; }

private:
    // Starts the timer to the armed instant by the clock now.
    void Schedule();
    void OnTimeout();
    void OnClockSet();

    QTimer mTimer;
    bool mArmed = false;
    int64_t mInstant = 0;
};
