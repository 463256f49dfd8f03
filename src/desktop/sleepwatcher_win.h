// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sleepwatcher.h"

// The machine waking from sleep, from the power broadcasts the program's system window
// hears (PBT_APMRESUMEAUTOMATIC and PBT_APMRESUMESUSPEND): a waking by the user may give
// Resumed twice, which costs no more than a timer looked at again. Listens from now on.
class WindowsSleepWatcher : public SleepWatcher
{
    Q_OBJECT

public:
    explicit WindowsSleepWatcher(QObject* parent = nullptr);
};
