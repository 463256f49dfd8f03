// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <limits>

struct ClockCalibration;
class QTimer;
class ReminderKeeper;
class SleepWatcher;
class WallClockAlarm;

// When the main window's tick runs. While a window of the program shows (neither hidden
// nor minimised) it runs every 500 ms, as the clocks on screen need. While none shows,
// nothing is drawn and nothing needs it: the 500 ms timer stops, and the tick runs only
// when something is due: the moment from which a reminder can fall due, the next game
// hour while a tray icon shows the game hour in its tooltip, and at once when the
// machine wakes from sleep or the system clock is set. Those moments wait on an alarm of
// the wall clock, so that neither a suspend nor a clock set anew makes them late. The
// first tick after a window shows comes at once, and covers the time since the latest one.
class Ticker : public QObject
{
    Q_OBJECT

public:
    static constexpr int Interval = 500;
    static constexpr int64_t Never = std::numeric_limits<int64_t>::max();

    // `tick` is the main window's tick; `windowShown` tells whether a window of the program
    // is on the screen; `reminders` tells when they can next fall due.
    Ticker(std::function<void()> tick, std::function<bool()> windowShown, ReminderKeeper* reminders,
           QObject* parent = nullptr);

    // The first tick as soon as the event loop runs, then as the windows ask.
    void Start();
    // No tick from now on. True when it was waiting with no window shown: the latest
    // tick may then be long past.
    bool Stop();

    // No window shown: no 500 ms tick, only the due moments.
    bool Waiting() const { return mWaiting; }
    // While waiting, the moment (seconds since the epoch, on the program's clock) of the
    // next tick; Never when nothing is due.
    int64_t NextWake() const { return mNextWake; }

    // A tray icon shows TrayTip: while waiting, a tick at each game hour.
    void SetTrayTip(bool shown);
    // The tray icon's tooltip as of the calibration: the game hour and date, and the next
    // reminder. Between two ticks planned for it, the text stays true.
    static QString TrayTip(const ClockCalibration& calibration, const QString& nextReminder);
    // Checks at once whenever the machine wakes; the ticker keeps the watcher.
    void Follow(SleepWatcher* sleep);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Run();
    void Plan(bool afterTick);
    void QueuePlan();
    void TickNow();
    void Recheck();

    std::function<void()> mTick;
    std::function<bool()> mWindowShown;
    ReminderKeeper* mReminders;
    QTimer* mTimer;
    WallClockAlarm* mAlarm;
    bool mRunning = false;
    bool mWaiting = false;
    bool mTrayTip = false;
    bool mTickQueued = false;
    bool mPlanQueued = false;
    int64_t mNextWake = Never;
};
