// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The game calendar and its rate, in one place: 60 seconds a minute, 60 minutes an
// hour, 24 hours a day, 28 days a month, 12 months a year, no leap years; the game
// clock runs 18 game seconds to one real second.

// Game seconds to one real second.
constexpr int GameClockRate = 18;

constexpr int64_t SecondsPerMinute = 60;
constexpr int64_t SecondsPerHour = 60 * SecondsPerMinute;
// A day of 24 hours: a game day, and the real day of a clock that counts one.
constexpr int64_t SecondsPerDay = 24 * SecondsPerHour;
constexpr int64_t DaysPerGameMonth = 28;
// The day of the game month on which the good moon falls.
constexpr int GoodMoonDay = 15;
constexpr int64_t GameSecondsPerMonth = DaysPerGameMonth * SecondsPerDay;
constexpr int64_t GameSecondsPerYear = 12 * GameSecondsPerMonth;

// Real seconds in one game day (80 minutes) and in one game month (37 hours 20 minutes).
constexpr int32_t RealSecondsPerGameDay = SecondsPerDay / GameClockRate;
constexpr int32_t RealSecondsPerGameMonth = GameSecondsPerMonth / GameClockRate;

// a / b rounded down (toward minus infinity), for b other than 0.
constexpr int64_t FloorDiv(int64_t a, int64_t b)
{
    const int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}
