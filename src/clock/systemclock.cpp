#include "systemclock.h"

#include <time.h>

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
    timespec boot = {};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    return int64_t{boot.tv_sec};
}

void SystemClock::SetSource(std::function<QDateTime()> source)
{
    Source() = std::move(source);
}
