// SPDX-License-Identifier: GPL-3.0-or-later
#include "daystart.h"

#include <QCoreApplication>

std::vector<DayStart> NextDayStarts(const ClockCalibration& calibration, const QDateTime& now, int day, int count)
{
    std::vector<DayStart> starts;
    if (count <= 0)
        return starts;
    const QDateTime moment = QDateTime::fromSecsSinceEpoch(now.toSecsSinceEpoch());
    const ClockCalibration record = ComputeGameTime(calibration, moment);
    // The game clock gains 18 game seconds each real second: the day has begun at the
    // first real second whose game moment is at or past its midnight.
    const int64_t gameSeconds = GameSecondsUntilDay(record, static_cast<int16_t>(day));
    const int64_t first = moment.toSecsSinceEpoch() + (gameSeconds + GameClockRate - 1) / GameClockRate;
    starts.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int64_t instant = first + int64_t{i} * RealSecondsPerGameMonth;
        starts.push_back({instant, ComputeGameTime(record, QDateTime::fromSecsSinceEpoch(instant)).OXLDate});
    }
    return starts;
}

QString LocalClockText(int64_t instant)
{
    return QDateTime::fromSecsSinceEpoch(instant).toString(QStringLiteral("h:mm AP"));
}

QString LocalMomentText(int64_t instant, const QDateTime& now)
{
    const QDate today = now.toLocalTime().date();
    // Further days do not occur (a reminder looks at most a game month ahead); they are not named.
    return DayAtText(today.daysTo(QDateTime::fromSecsSinceEpoch(instant).date()), LocalClockText(instant));
}

QString ShortWaitText(int64_t seconds, bool withSeconds)
{
    const int64_t days = seconds / SecondsPerDay;
    const int64_t rest = seconds % SecondsPerDay;
    const int64_t hours = rest / SecondsPerHour, minutes = rest / SecondsPerMinute % 60;
    const QString clock = withSeconds
        ? QStringLiteral("%1:%2:%3")
              .arg(hours, 2, 10, QLatin1Char('0'))
              .arg(minutes, 2, 10, QLatin1Char('0'))
              .arg(rest % SecondsPerMinute, 2, 10, QLatin1Char('0'))
        //: A short wait to the minute: %1 hours, %2 minutes (two digits), as 9 h 05 min.
        : QCoreApplication::translate("ShortWait", "%1 h %2 min").arg(hours).arg(minutes, 2, 10, QLatin1Char('0'));
    //: A short wait of a day or more: %1 days, then %2, the rest of the wait (as 13:43:22 or 9 h 05 min).
    return days > 0 ? QCoreApplication::translate("ShortWait", "%1 d %2").arg(days).arg(clock) : clock;
}
