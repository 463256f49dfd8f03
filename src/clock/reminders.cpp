// SPDX-License-Identifier: GPL-3.0-or-later
#include "reminders.h"

#include "daystart.h"
#include "forecast.h"

#include <QCoreApplication>

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

} // namespace

ReminderAlert AlertAt(size_t index, const Reminder& reminder, int64_t start, const QDateTime& now)
{
    const int64_t wait = start - now.toSecsSinceEpoch();
    const QString moment = LocalMomentText(start, now);
    const QString inWords = WaitInWords(std::abs(wait));
    ReminderAlert alert;
    alert.Index = index;
    alert.Start = start;
    //: A reminder's title when the player gave it no label: %1 is the game day of the month (1 to 28).
    alert.Summary = reminder.Label.isEmpty() ? QCoreApplication::translate("Reminders", "Day %1").arg(reminder.Day)
                                             //: A reminder's title: %1 is the player's label, %2 the game day (1-28).
                                             : QCoreApplication::translate("Reminders", "%1: day %2")
                                                   .arg(ShownLabel(reminder.Label), QString::number(reminder.Day));
    if (inWords.isEmpty()) {
        //: A reminder's text: %1 is the game day (1-28), %2 the real day and clock time, in capitals, as TODAY AT
        //: 1:19 PM.
        alert.Body = QCoreApplication::translate("Reminders", "Day %1 begins now, %2").arg(reminder.Day).arg(moment);
    } else if (wait > 0) {
        //: A reminder's text: %1 is the game day (1-28), %2 the wait in words (as 6 hours 5 minutes, see the units),
        //: %3 the real day and clock time, in capitals, as TOMORROW AT 1:19 PM.
        const QString text = QCoreApplication::translate("Reminders", "Day %1 begins in %2, %3");
        alert.Body = text.arg(reminder.Day).arg(inWords, moment);
    } else {
        //: A reminder's text: %1 is the game day (1-28), %2 how long ago it began in words (as 4 minutes, see the
        //: units), %3 the real day and clock time, in capitals, as YESTERDAY AT 11:58 PM.
        const QString text = QCoreApplication::translate("Reminders", "Day %1 began %2 ago, %3");
        alert.Body = text.arg(reminder.Day).arg(inWords, moment);
    }
    return alert;
}

QString ShownLabel(const QString& label)
{
    return QString(label).replace(QChar(0), QChar(QChar::ReplacementCharacter));
}

QString WaitInWords(int64_t seconds)
{
    const int64_t rest = std::clamp<int64_t>(seconds, 0, RealSecondsPerGameMonth);
    const int days = static_cast<int>(rest / SecondsPerDay);
    const int hours = static_cast<int>(rest % SecondsPerDay / SecondsPerHour);
    const int minutes = static_cast<int>(rest % SecondsPerHour / SecondsPerMinute);
    const int left = static_cast<int>(rest % SecondsPerMinute);
    QStringList units;
    // The units of a wait in a reminder's text, as "1 day 2 hours 5 minutes"; the ones of
    // value zero are left out.
    if (days > 0)
        //: A unit of a wait in a reminder's text, after "in" (begins in 1 day) or before "ago" (began 1 day ago): the
        //: number and the unit only, in the case those take. The program puts the units in a row with one blank.
        units << QCoreApplication::translate("Reminders", "%n day(s)", nullptr, days);
    if (hours > 0)
        //: A unit of a wait in a reminder's text, after "in" (begins in 2 hours) or before "ago" (began 2 hours ago):
        //: the number and the unit only, in the case those take.
        units << QCoreApplication::translate("Reminders", "%n hour(s)", nullptr, hours);
    if (minutes > 0)
        //: A unit of a wait in a reminder's text, after "in" (begins in 5 minutes) or before "ago" (began 5 minutes
        //: ago): the number and the unit only, in the case those take.
        units << QCoreApplication::translate("Reminders", "%n minute(s)", nullptr, minutes);
    if (left > 0)
        //: A unit of a wait in a reminder's text, after "in" (begins in 40 seconds) or before "ago" (began 1 second
        //: ago): the number and the unit only, in the case those take.
        units << QCoreApplication::translate("Reminders", "%n second(s)", nullptr, left);
    return units.join(QLatin1Char(' '));
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
            check.Alerts.push_back(AlertAt(i, reminder, begun, now));
        int64_t next = start - lead;
        if (nowSeconds >= next) {
            if (!announced(start))
                check.Alerts.push_back(AlertAt(i, reminder, start, now));
            // This start is done with; the next one a game month later, still ahead of this one.
            static_assert(RealSecondsPerGameMonth > int64_t{MaxReminderMinutes} * SecondsPerMinute);
            next = start + RealSecondsPerGameMonth - lead;
        }
        check.NextCheck = std::min(check.NextCheck, next);
    }
    return check;
}

ReminderAlert ReminderAlertNow(const ClockCalibration& calibration, const QDateTime& now, const Reminder& reminder)
{
    return AlertAt(0, reminder, StartFrom(calibration, now, reminder.Day).Instant, now);
}
