// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gameclock.h"

#include <QString>

#include <cstdint>

// When does a chosen day of the game month next begin, in real time?

// The two answers of a forecast.
struct GameDayForecast
{
    // The real time still to wait: "6 HOURS  5 MINUTES  31 SECONDS". Units of 0 are
    // left out; empty when less than one real second is left.
    QString WaitText;
    // The real day and clock time when the game day begins, to the minute:
    // "TODAY AT 8:35 PM", "TOMORROW AT ...", "TWO DAYS FROM NOW AT ...".
    QString MomentText;

    bool operator==(const GameDayForecast&) const = default;
};

// Game seconds from the record's game moment (OXLTime, and the day of OXLDate) to
// the next 00:00:00 of game day `day`. When the game clock stands exactly on that
// moment, the next one is a full game month away. Fields out of their ranges count
// as the game clock carries them: an hour of 24 is midnight of the next day, day 31
// is day 3 of the next month. The answer always lies between 0 and one game month.
int32_t GameSecondsUntilDay(const ClockCalibration& record, int16_t day);

// A real day and clock time, as seen from today: "TODAY AT 8:35 PM" for the day offset 0,
// "TOMORROW AT", "TWO DAYS FROM NOW AT" for 1 and 2, "YESTERDAY AT" for -1, in the
// player's language; the clock time alone for any other offset.
QString DayAtText(int64_t dayOffset, const QString& clock);

// The wait text for a number of real seconds.
QString ForecastWaitText(int32_t realSeconds);

// The moment text: the real time of day `realTime` ("hh:mm:ss") plus a number of
// real seconds, on the 12-hour dial, with the day it falls on.
QString ForecastMomentText(const QString& realTime, int32_t realSeconds);

// The forecast for game day `day` (1 to 28) from the record's real time and game
// moment. The record's RealDate is not used. Reads nothing else and keeps nothing.
GameDayForecast ForecastGameDay(const ClockCalibration& record, int16_t day);
