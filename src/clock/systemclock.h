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

} // namespace SystemClock
