// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clsstat.h"

#include <QString>

#include <cstdint>

// The lines of the item stats window: a stat name and a number in a fixed-pitch
// line of 16 characters.

inline constexpr int StatLineWidth = 16;

// The name from column 1 on (a longer name is cut to 16 characters), and the value
// with a sign character in front (a blank for zero and above, "-" below) written so
// that its last digit stands in column 15, over whatever the name had there. Column
// 16 keeps the name's 16th character or a blank. The value text is at most 11
// characters long (the smallest 32-bit value), so it always fits.
QString StatLine(const QString& statName, int32_t value);

// The line for a stat ID, its name looked up in the stat table; an ID the table does
// not hold gives the value alone.
QString StatLine(const clsStat& stats, int32_t statID, int32_t value);
