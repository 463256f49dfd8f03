// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock/gameclock.h"

// An independent reading of the game calendar (28 days a month, 12 months a year): a game moment as a count of
// game seconds since 00:00:00 on day 1 of month 1 of year 0, and back. A year past 9999 shows as 0000.
namespace gamemodel {

inline int64_t Seconds(const QString& time, const QString& date)
{
    auto n = [](const QString& text, int at, int length) { return int64_t(text.mid(at, length).toInt()); };
    return (((n(date, 6, 4) * 12 + n(date, 0, 2) - 1) * 28 + n(date, 3, 2) - 1) * 24 + n(time, 0, 2)) * 3600
        + n(time, 3, 2) * 60 + n(time, 6, 2);
}

inline QString Time(int64_t seconds)
{
    return QString::asprintf("%02d:%02d:%02d", int(seconds / 3600 % 24), int(seconds / 60 % 60), int(seconds % 60));
}

inline QString Date(int64_t seconds)
{
    const int64_t days = seconds / 86400, year = days / 336;
    return QString::asprintf("%02d/%02d/%04d", int(days / 28 % 12 + 1), int(days % 28 + 1),
                             int(year > 9999 ? 0 : year));
}

// A calibration that sets the game moment `game` at the local moment `real`.
inline ClockCalibration At(const QDateTime& real, int64_t game)
{
    return ClockCalibration::FromTexts(real.toString(QStringLiteral("HH:mm:ss")),
                                       real.toString(QStringLiteral("MM/dd/yyyy")), Time(game), Date(game));
}

} // namespace gamemodel
