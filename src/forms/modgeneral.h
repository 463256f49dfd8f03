// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

// The game's web site home page, opened by the Server Status button.
inline QString GameWebSiteAddress()
{
    return QStringLiteral("https://www.kelvara.com/");
}

// Asks the desktop to open the address in the player's browser. Does not wait
// and reports nothing; the result is 1 when the desktop took the request, else 0.
// The show-window value is kept for the callers' sake; the browser decides.
int32_t OpenWebPage(const QString& address, int32_t showWindow);
