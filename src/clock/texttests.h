// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The tests of the calibration dialog: "hh:mm:ss" with hours 0 to 24, minutes and
// seconds 0 to 59 and ":" at positions 3 and 6; "MM/DD/YYYY" with month 1 to 12, day
// 1 to 31 and "/" at positions 3 and 6 (the year is not tested). Each two-character
// window is read as a number, non-numbers counting as 0.
bool IsValidTimeText(const QString& text);
bool IsValidDateText(const QString& text);
