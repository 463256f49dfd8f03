// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemclock_platform.h"

#include <windows.h>

// The tick count counts on through sleep and hibernation (the unbiased interrupt time would not).
int64_t SecondsSinceBoot()
{
    return int64_t(::GetTickCount64() / 1000);
}
