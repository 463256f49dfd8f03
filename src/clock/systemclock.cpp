// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemclock.h"
#include "systemclock_platform.h"

namespace {
std::function<QDateTime()>& Source()
{
    static std::function<QDateTime()> source;
    return source;
}
} // namespace

QDateTime SystemClock::Now()
{
    const QDateTime now = Source() ? Source()() : QDateTime::currentDateTime();
    // Whole seconds only, in local time: the game clock multiplies whole seconds exactly.
    return QDateTime::fromSecsSinceEpoch(now.toSecsSinceEpoch());
}

int64_t SystemClock::SinceBoot()
{
    if (Source())
        return Source()().toSecsSinceEpoch();
    return SecondsSinceBoot();
}

void SystemClock::SetSource(std::function<QDateTime()> source)
{
    Source() = std::move(source);
}
