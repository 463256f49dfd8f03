// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gameclock.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

// Reminders: a desktop notification some real minutes before a day of the game
// month begins. Pure rules on a calibration and a moment; showing the notification
// and keeping the reminders in the settings file are the callers' work.

struct Reminder
{
    int Day = 15;     // the day of the game month, 1 to 28
    int Minutes = 10; // real minutes of warning before the day begins, 0 to 1440
    bool Enabled = true;
    QString Label = QStringLiteral("Good moon");
    // The start of the day (seconds since the epoch) this reminder announced last. It
    // keeps a start from being announced twice, across restarts and clock changes.
    std::optional<int64_t> Announced;

    bool operator==(const Reminder&) const = default;
};

inline constexpr int MaxReminderMinutes = 1440;

// One notification to show now.
struct ReminderAlert
{
    size_t Index = 0;  // which reminder
    int64_t Start = 0; // the start of the day it announces (seconds since the epoch)
    QString Summary;   // "Good moon: day 15"
    QString Body;      // "Day 15 begins in 10 minutes, TODAY AT 12:05 PM", "Day 15 began 4 minutes ago, ..."
};

struct ReminderCheck
{
    std::vector<ReminderAlert> Alerts;
    // No reminder falls due before this moment (seconds since the epoch) unless the
    // calibration or the reminders change, so a caller may skip checking until then.
    int64_t NextCheck = std::numeric_limits<int64_t>::max();
};

// Which reminders are due at `now` with the game clock of `calibration`; reminder i has
// been armed (switched on, with its day, in the running program) since the moment
// `armedSince[i]` (seconds since the epoch; one without a moment counts as armed now).
// A reminder is due from its lead before the start of its day (the first whole real
// second at which the game clock reaches 00:00:00 of that day) up to and including
// that second. A start that fell due while its reminder was armed (armed at or before
// the start) but was not announced then (a stall, a suspend, a held check) is announced
// late, as begun, for as long as its game day lasts (80 real minutes); a reminder armed
// (a program started, a reminder switched on or added) after a day began says nothing
// of that day.
// A start announced already is not announced again. A start less than a real minute
// from the one announced last counts as the same start, so a calibration typed in
// again by hand does not repeat a notification.
ReminderCheck CheckReminders(const ClockCalibration& calibration, const QDateTime& now,
                             const std::vector<Reminder>& reminders, const std::vector<int64_t>& armedSince);

// The notification of reminder `index` for the start of its day at `start`, its wait
// as seen from `now`.
ReminderAlert AlertAt(size_t index, const Reminder& reminder, int64_t start, const QDateTime& now);

// The notification of the next start of the reminder's day as seen from `now`, due
// or not ("Test" in the Reminders window).
ReminderAlert ReminderAlertNow(const ClockCalibration& calibration, const QDateTime& now, const Reminder& reminder);

// A label as the program shows it: a NUL (which the settings file can hold as "\0", and which a
// desktop notification's title cannot) as U+FFFD, the replacement character, in the notification,
// the program's own notice and the Reminders window alike; the label itself keeps it.
QString ShownLabel(const QString& label);

// A wait of real seconds in words, as a reminder's text writes it after "in" or before
// "ago": "1 day 2 hours 5 minutes". Empty when less than a second is left.
QString WaitInWords(int64_t seconds);
