// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "traywatcher.h"

// The notification area of Windows' taskbar, where Qt's tray icon shows. It is always
// there (Qt's icon itself comes back when Explorer is restarted): Start() makes it known
// as available at once, and it never goes.
class WindowsTrayWatcher : public TrayWatcher
{
    Q_OBJECT

public:
    using TrayWatcher::TrayWatcher;

    void Start() override;

    bool IsAvailable() const override { return mKnown; }
    bool IsKnown() const override { return mKnown; }

    // Never asked for: the program's own item is only for a tray of StatusNotifier icons
    // that Qt's icon does not reach, and on Windows Qt's icon reaches the only tray there is.
    StatusNotifierItem* MakeItem(const TrayIconImage& icon, QObject* parent) override;

private:
    bool mKnown = false;
};
