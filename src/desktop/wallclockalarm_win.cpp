// SPDX-License-Identifier: GPL-3.0-or-later
#include "wallclockalarm_win.h"

#include "systemwindow_win.h"

#include <QDateTime>

#include <algorithm>

namespace {

// The instant in milliseconds since the epoch: instants this far from now are past or
// beyond any wait alike.
qint64 InMilliseconds(int64_t instant)
{
    return std::clamp<int64_t>(instant, -(int64_t(1) << 40), int64_t(1) << 40) * 1000;
}

} // namespace

WindowsWallClockAlarm::WindowsWallClockAlarm(QObject* parent)
    : WallClockAlarm(parent)
{
    mTimer.setSingleShot(true);
    // A coarse timer may fire up to a twentieth of its wait early or late.
    mTimer.setTimerType(Qt::PreciseTimer);
    connect(&mTimer, &QTimer::timeout, this, &WindowsWallClockAlarm::OnTimeout);
    SystemWindow* system = SystemWindow::Get();
    connect(system, &SystemWindow::ClockSet, this, &WindowsWallClockAlarm::OnClockSet);
    connect(system, &SystemWindow::Resumed, this, [this] {
        if (mArmed)
            Schedule();
    });
}

bool WindowsWallClockAlarm::Arm(int64_t instant)
{
    mArmed = true;
    mInstant = instant;
    Schedule();
    return true;
}

void WindowsWallClockAlarm::Disarm()
{
    mArmed = false;
    mTimer.stop();
}

void WindowsWallClockAlarm::Schedule()
{
    const qint64 wait = InMilliseconds(mInstant) - QDateTime::currentMSecsSinceEpoch();
    mTimer.start(static_cast<int>(std::clamp<qint64>(wait, 0, MaxWait)));
}

void WindowsWallClockAlarm::OnTimeout()
{
    if (!mArmed)
        return;
    if (QDateTime::currentMSecsSinceEpoch() < InMilliseconds(mInstant))
        return Schedule();
    Disarm();
    emit Due();
}

void WindowsWallClockAlarm::OnClockSet()
{
    if (!mArmed)
        return;
    Schedule();
    emit ClockChanged();
}
