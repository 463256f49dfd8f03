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

// The tests of the calibration dialog: "hh:mm:ss" with hours 0 to 24, minutes and
// seconds 0 to 59 and ":" at positions 3 and 6; "MM/DD/YYYY" with month 1 to 12, day
// 1 to 31 and "/" at positions 3 and 6 (the year is not tested). Each two-character
// window is read as a number, non-numbers counting as 0.
bool IsValidTimeText(const QString& text);
bool IsValidDateText(const QString& text);
