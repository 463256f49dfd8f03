// SPDX-License-Identifier: GPL-3.0-or-later
#include "traywatcher_win.h"

#include <utility>

void WindowsTrayWatcher::Start()
{
    if (!std::exchange(mKnown, true))
        emit Available(true);
}

StatusNotifierItem* WindowsTrayWatcher::MakeItem(const TrayIconImage&, QObject*)
{
    return nullptr;
}
