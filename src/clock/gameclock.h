// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamecalendar.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

// The calibration pair: a real moment and the game moment that belonged to it,
// as fixed-width texts. The fields always hold exactly their width in characters.
struct ClockCalibration
{
    QString RealTime; // 8 characters, "hh:mm:ss", 24-hour
    QString RealDate; // 10 characters, "MM/DD/YYYY"
    QString OXLTime;  // 8 characters, game time "hh:mm:ss"
    QString OXLDate;  // 10 characters, game date "MM/DD/YYYY"

    // Within a run, the exact instant (seconds since the epoch) of the reading that
    // produced RealTime/RealDate. It lets the next tick count the time that really
    // passed, whatever the local clock did in between (daylight saving). It is never
    // saved; a calibration read from the file or typed in has none.
    std::optional<int64_t> Instant;

    // A calibration from four texts, each fitted to its field's width.
    static ClockCalibration FromTexts(const QString& realTime, const QString& realDate, const QString& oxlTime,
                                      const QString& oxlDate);

    bool operator==(const ClockCalibration&) const = default;
};

// The moment as "hh:mm:ss" and "MM/DD/YYYY", whatever the regional settings.
QString CurrentTimeText(const QDateTime& now);
QString CurrentDateText(const QDateTime& now);
// The same for the system clock.
QString CurrentTimeText();
QString CurrentDateText();

// The real moment a calibration's RealDate and RealTime name, placed in the
// system's time zone, in seconds since the epoch. Days past the end of the month
// and hours of 24 roll over as a calendar would. A reading the clocks show twice (the
// hour repeated when summer time ends) is the first of the two, in summer time; one
// they skip (the hour summer time begins) is placed as the clocks read after the
// switch, 02:30 as 03:30. A date whose month is not 1 to 12, whose day is below 1 or
// whose year is below 1 names no moment.
std::optional<int64_t> PlaceRealMoment(const QString& realDate, const QString& realTime);

// Brings the calibration forward to the moment `now`: the result holds `now` in its
// real fields and the game moment that belongs to it.
ClockCalibration ComputeGameTime(const ClockCalibration& calibration, const QDateTime& now);
// The same for the system clock.
ClockCalibration ComputeGameTime(const ClockCalibration& calibration);

// "hh:mm:ss" on the 12-hour clock without seconds: "9:07 AM", "11:59 PM".
QString FormatTime12Hour(const QString& time);
