// SPDX-License-Identifier: GPL-3.0-or-later
#include "wallclockalarm_linux.h"

#include <cerrno>
#include <sys/timerfd.h>
#include <unistd.h>

LinuxWallClockAlarm::LinuxWallClockAlarm(QObject* parent)
    : WallClockAlarm(parent)
    , mFd(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC))
{
    if (mFd < 0)
        return;
    mNotifier = new QSocketNotifier(mFd, QSocketNotifier::Read, this);
    connect(mNotifier, &QSocketNotifier::activated, this, &LinuxWallClockAlarm::OnReadable);
}

LinuxWallClockAlarm::~LinuxWallClockAlarm()
{
    if (mFd >= 0) {
        delete mNotifier;
        close(mFd);
    }
}

bool LinuxWallClockAlarm::Arm(int64_t instant)
{
    return Set(instant, true);
}

void LinuxWallClockAlarm::Disarm()
{
    Set(0, false);
}

bool LinuxWallClockAlarm::Set(int64_t instant, bool armed)
{
    mArmed = false;
    if (mFd < 0)
        return false;
    itimerspec value{};
    if (armed) {
        // A zero time would disarm the timer: the epoch and before are the first
        // nanosecond after it, which is just as past.
        value.it_value.tv_sec = static_cast<time_t>(instant > 0 ? instant : 0);
        value.it_value.tv_nsec = instant > 0 ? 0 : 1;
    }
    // Disarming without TFD_TIMER_CANCEL_ON_SET also stops the report of clock changes.
    const int flags = armed ? TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET : 0;
    if (timerfd_settime(mFd, flags, &value, nullptr) != 0)
        return false;
    mArmed = armed;
    mInstant = instant;
    return armed;
}

void LinuxWallClockAlarm::OnReadable()
{
    uint64_t expirations = 0;
    const ssize_t got = read(mFd, &expirations, sizeof expirations);
    if (got < 0 && errno == ECANCELED) {
        if (mArmed) {
            Arm(mInstant);
            emit ClockChanged();
        }
        return;
    }
    // Anything else (nothing to read after a re-arm) is no news.
    if (got != sizeof expirations || !mArmed)
        return;
    Disarm();
    emit Due();
}
