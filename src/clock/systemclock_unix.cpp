// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemclock_platform.h"

#include <time.h>

// CLOCK_BOOTTIME counts on through a suspend, as CLOCK_MONOTONIC does not.
int64_t SecondsSinceBoot()
{
    timespec boot = {};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    return int64_t{boot.tv_sec};
}
