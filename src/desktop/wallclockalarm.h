#pragma once

#include <QObject>
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
class WallClockAlarm : public QObject
{
    Q_OBJECT

public:
    explicit WallClockAlarm(QObject* parent = nullptr);
    ~WallClockAlarm() override;
    WallClockAlarm(const WallClockAlarm&) = delete;
    WallClockAlarm& operator=(const WallClockAlarm&) = delete;

    // Replaces any instant armed before. False when the system gives no timer; the
    // caller then has to look at the clock itself.
    bool Arm(int64_t instant);
    void Disarm();
    bool IsArmed() const { return mArmed; }

signals:
    void Due();
    void ClockChanged();

private:
    void OnReadable();
    bool Set(int64_t instant, bool armed);

    int mFd = -1;
    QSocketNotifier* mNotifier = nullptr;
    bool mArmed = false;
    int64_t mInstant = 0;
};
