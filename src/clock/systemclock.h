// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include <functional>

// The one place where the program reads the system clock. Tests replace the
// source so that every reading is a moment they chose.
namespace SystemClock {

// The current moment, to the whole second.
QDateTime Now();

// Replaces the clock source; an empty function restores the system clock.
void SetSource(std::function<QDateTime()> source);

// Seconds since the computer started, counting the time it slept (CLOCK_BOOTTIME), which
// setting the system clock does not move: for how long something has lasted. While a
// test's source is set, the seconds of its moments.
int64_t SinceBoot();

} // namespace SystemClock
