#include "reminders.h"

#include "daystart.h"
#include "forecast.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A day begun is told late only while the coming start of the same day is not due yet.
static_assert(int64_t{MaxReminderMinutes} * SecondsPerMinute < RealSecondsPerGameMonth - RealSecondsPerGameDay);

// Starts this close to each other are one start seen through two calibrations.
constexpr int64_t SameStartSeconds = 60;

// The first start of the day at or after `now`: a day whose first second is `now`
// itself is beginning, not begun.
DayStart StartFrom(const ClockCalibration& calibration, const QDateTime& now, int day)
{
    return NextDayStarts(calibration, now.addSecs(-1), day, 1).front();
}

ReminderAlert MakeAlert(size_t index, const Reminder& reminder, int64_t start, const QDateTime& now)
{
    const int64_t wait = start - now.toSecsSinceEpoch();
    const QString moment = LocalMomentText(start, now);
    const QString inWords = WaitInWords(std::abs(wait));
    ReminderAlert alert;
    alert.Index = index;
    alert.Start = start;
    alert.Summary = reminder.Label.isEmpty()
        ? QStringLiteral("Day %1").arg(reminder.Day)
        : QStringLiteral("%1: day %2").arg(reminder.Label, QString::number(reminder.Day));
    if (inWords.isEmpty())
        alert.Body = QStringLiteral("Day %1 begins now, %2").arg(reminder.Day).arg(moment);
    else if (wait > 0)
        alert.Body = QStringLiteral("Day %1 begins in %2, %3").arg(reminder.Day).arg(inWords, moment);
    else
        alert.Body = QStringLiteral("Day %1 began %2 ago, %3").arg(reminder.Day).arg(inWords, moment);
    return alert;
}

} // namespace

QString WaitInWords(int64_t seconds)
{
    // The forecast's wait text, as a sentence writes it: "6 HOURS  5 MINUTES  " -> "6 hours 5 minutes".
    return ForecastWaitText(static_cast<int32_t>(std::clamp<int64_t>(seconds, 0, RealSecondsPerGameMonth)))
        .toLower()
        .simplified();
}

ReminderCheck CheckReminders(const ClockCalibration& calibration, const QDateTime& now,
                             const std::vector<Reminder>& reminders, const std::vector<int64_t>& armedSince)
{
    ReminderCheck check;
    const int64_t nowSeconds = now.toSecsSinceEpoch();
    for (size_t i = 0; i < reminders.size(); ++i) {
        const Reminder& reminder = reminders[i];
        if (!reminder.Enabled || reminder.Day < 1 || reminder.Day > DaysPerGameMonth)
            continue;
        const int64_t lead = int64_t{std::clamp(reminder.Minutes, 0, MaxReminderMinutes)} * SecondsPerMinute;
        const int64_t start = StartFrom(calibration, now, reminder.Day).Instant;
        auto announced = [&reminder](int64_t instant) {
            // Compared without a subtraction: an announced start of any value cannot overflow.
            return reminder.Announced && *reminder.Announced > instant - SameStartSeconds
                && *reminder.Announced < instant + SameStartSeconds;
        };
        // The day begun before `now`, while it lasts: told late when the reminder was
        // armed when it began and has not told it yet.
        const int64_t begun = start - RealSecondsPerGameMonth;
        const int64_t armed = i < armedSince.size() ? armedSince[i] : nowSeconds;
        if (nowSeconds < begun + RealSecondsPerGameDay && armed <= begun && !announced(begun))
            check.Alerts.push_back(MakeAlert(i, reminder, begun, now));
        int64_t next = start - lead;
        if (nowSeconds >= next) {
            if (!announced(start))
                check.Alerts.push_back(MakeAlert(i, reminder, start, now));
            // This start is done with; the next one a game month later.
            next = std::max(start + 1, start + RealSecondsPerGameMonth - lead);
        }
        check.NextCheck = std::min(check.NextCheck, next);
    }
    return check;
}

ReminderAlert ReminderAlertNow(const ClockCalibration& calibration, const QDateTime& now, const Reminder& reminder)
{
    return MakeAlert(0, reminder, StartFrom(calibration, now, reminder.Day).Instant, now);
}
