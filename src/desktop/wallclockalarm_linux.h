// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wallclockalarm.h"

#include <QSocketNotifier>

#include <cstdint>

// An alarm on the wall clock (Linux timerfd on CLOCK_REALTIME, absolute): Due() comes
// once when the system clock reaches the armed instant, seconds since the epoch. A
// machine asleep at that moment gets Due() when it wakes; an instant already past gives
// Due() at once (from the event loop, never inside Arm).
//
// While armed, setting the system clock gives ClockChanged(), after the alarm was
// armed again for the same instant (so it fires at once if the new time is past it).
// The kernel may report waking from sleep the same way, as the wall clock moved against
// the machine's running time. After Due(), or after Disarm(), nothing more comes until
// the next Arm(). The alarm waits on its descriptor in the event loop: no polling, and
// no wake-up at all while nothing is armed.
class LinuxWallClockAlarm : public WallClockAlarm
{
    Q_OBJECT

public:
    explicit LinuxWallClockAlarm(QObject* parent = nullptr);
    ~LinuxWallClockAlarm() override;
    LinuxWallClockAlarm(const LinuxWallClockAlarm&) = delete;
    LinuxWallClockAlarm& operator=(const LinuxWallClockAlarm&) = delete;

    bool Arm(int64_t instant) override;
    void Disarm() override;
    bool IsArmed() const override { return mArmed; }

private:
    void OnReadable();
    bool Set(int64_t instant, bool armed);

    int mFd = -1;
    QSocketNotifier* mNotifier = nullptr;
    bool mArmed = false;
    int64_t mInstant = 0;
};
