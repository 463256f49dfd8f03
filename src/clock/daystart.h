// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forecast.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <vector>

// When game days begin in real time, to the second.

// One start of a game day.
struct DayStart
{
    // The first whole real second (seconds since the epoch) at which the game clock
    // reaches 00:00:00 of the day.
    int64_t Instant = 0;
    // The game date that begins then, "MM/DD/YYYY".
    QString GameDate;

    bool operator==(const DayStart&) const = default;
};

// The next `count` starts of game day `day` (1 to 28) after the moment `now`, with
// the game clock derived from the calibration as the main window derives it. The
// first is the first whole real second after `now` at which the game clock reaches
// 00:00:00 of that day; each further one is one game month later.
std::vector<DayStart> NextDayStarts(const ClockCalibration& calibration, const QDateTime& now, int day, int count);

// The real clock time of an instant in local time, on the 12-hour dial: "8:35 PM".
QString LocalClockText(int64_t instant);

// The real day and clock time of an instant, as seen from the moment `now`, both in
// local time: "TODAY AT 8:35 PM", "TOMORROW AT ...", "TWO DAYS FROM NOW AT ...", or
// "YESTERDAY AT ..." for an instant past; the day is named from the local dates.
QString LocalMomentText(int64_t instant, const QDateTime& now);

// A wait in real seconds, short enough for a table cell or a small clock: "09:05:31",
// "15 d 09:05:31" when it is a day or more; to the minute "9 h 05 min", "15 d 9 h 05 min"
// (a part minute dropped).
QString ShortWaitText(int64_t seconds, bool withSeconds = true);
