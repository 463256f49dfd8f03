// SPDX-License-Identifier: GPL-3.0-or-later
#include "ticker.h"

#include "clock/systemclock.h"
#include "desktop/sleepwatcher.h"
#include "desktop/wallclockalarm.h"
#include "globals.h"
#include "reminderkeeper.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// The first moment of the latest tick's next game hour: the game clock gains 18 game
// seconds a real second, and it moves on whole real seconds.
int64_t NextGameHour(int64_t now)
{
    if (!gCalibration.Instant)
        return now;
    const QString& time = gCalibration.OXLTime;
    const int64_t into = std::clamp<int64_t>(time.mid(3, 2).toInt() * SecondsPerMinute + time.mid(6, 2).toInt(), 0,
                                             SecondsPerHour - 1);
    return *gCalibration.Instant + (SecondsPerHour - into + GameClockRate - 1) / GameClockRate;
}

} // namespace

Ticker::Ticker(std::function<void()> tick, std::function<bool()> windowShown, ReminderKeeper* reminders,
               QObject* parent)
    : QObject(parent)
    , mTick(std::move(tick))
    , mWindowShown(std::move(windowShown))
    , mReminders(reminders)
    , mTimer(new QTimer(this))
    , mAlarm(WallClockAlarm::Make(this))
{
    setObjectName(QStringLiteral("ticker"));
    mTimer->setObjectName(QStringLiteral("tmrMain"));
    mTimer->setInterval(Interval);
    connect(mTimer, &QTimer::timeout, this, &Ticker::Run);
    connect(mAlarm, &WallClockAlarm::Due, this, &Ticker::Run);
    connect(mAlarm, &WallClockAlarm::ClockChanged, this, &Ticker::Recheck);
    connect(mReminders, &ReminderKeeper::NextCheckChanged, this, &Ticker::QueuePlan);
    // Every window of the program shown, hidden, minimised, activated or exposed passes here.
    QCoreApplication::instance()->installEventFilter(this);
}

void Ticker::Start()
{
    mRunning = true;
    // The first tick comes as soon as the event loop runs, right after the window shows,
    // rather than half a second later: the clocks are not left blank at start.
    TickNow();
    QueuePlan();
}

bool Ticker::Stop()
{
    mRunning = false;
    mTimer->stop();
    mAlarm->Disarm();
    mNextWake = Never;
    return std::exchange(mWaiting, false);
}

void Ticker::SetTrayTip(bool shown)
{
    mTrayTip = shown;
    QueuePlan();
}

QString Ticker::TrayTip(const ClockCalibration& calibration, const QString& nextReminder)
{
    // The game hour rather than its minute: a tick every 200 real seconds instead of every 3 1/3.
    const QString hour = calibration.OXLTime.left(3);
    return tr("Kelvara Utility\nKelvara Time %1 to %2, %3\n%4")
        .arg(FormatTime12Hour(hour + QStringLiteral("00:00")), FormatTime12Hour(hour + QStringLiteral("59:00")),
             calibration.OXLDate, nextReminder);
}

void Ticker::Follow(SleepWatcher* sleep)
{
    sleep->setParent(this);
    connect(sleep, &SleepWatcher::Resumed, this, &Ticker::Recheck);
}

bool Ticker::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
    case QEvent::WindowActivate:
        // Of a widget: the windows' own among them (the plan waits for the event loop, so
        // that those of a window's controls cost no more).
        if (watched->isWidgetType())
            QueuePlan();
        break;
    case QEvent::Expose:
        if (watched->isWindowType())
            QueuePlan();
        break;
    default:
        break;
    }
    return false;
}

void Ticker::Run()
{
    if (!mRunning)
        return;
    mTick();
    if (mWaiting)
        Plan(true);
}

void Ticker::Plan(bool afterTick)
{
    if (!mRunning)
        return;
    if (mWindowShown()) {
        mNextWake = Never;
        mAlarm->Disarm();
        // Back on the screen: the clocks catch up at once, then every 500 ms.
        if (std::exchange(mWaiting, false))
            TickNow();
        if (!mTimer->isActive())
            mTimer->start();
        return;
    }
    mWaiting = true;
    mTimer->stop();
    // The system's clock is read before the program's, so that the alarm comes early rather
    // than late when the two readings straddle a second.
    const int64_t system = QDateTime::currentSecsSinceEpoch();
    const int64_t now = SystemClock::Now().toSecsSinceEpoch();
    mNextWake = mReminders->NextCheck();
    if (mTrayTip)
        mNextWake = std::min(mNextWake, NextGameHour(now));
    if (mNextWake == Never) {
        mAlarm->Disarm();
        return;
    }
    // Due already: at once, except right after a tick, which cannot have left anything due;
    // then a second later, so that clocks that disagree cannot make the ticks run on.
    const int64_t at = std::max(mNextWake, afterTick ? now + 1 : now);
    // The alarm waits on the system's clock for the moment the program's clock reaches
    // `at`: the same moment, as the program reads the system's clock (tests set another).
    if (!mAlarm->Arm(system + (at - now)))
        mTimer->start(); // no alarm to be had: the 500 ms tick looks at the clock itself
}

void Ticker::QueuePlan()
{
    if (!std::exchange(mPlanQueued, true))
        QMetaObject::invokeMethod(
            this,
            [this] {
                mPlanQueued = false;
                Plan(false);
            },
            Qt::QueuedConnection);
}

void Ticker::TickNow()
{
    if (!std::exchange(mTickQueued, true))
        QMetaObject::invokeMethod(
            this,
            [this] {
                mTickQueued = false;
                Run();
            },
            Qt::QueuedConnection);
}

void Ticker::Recheck()
{
    // Woken from sleep, or the clock was set: what fell due meanwhile is announced now.
    mReminders->Recount();
    TickNow();
}
