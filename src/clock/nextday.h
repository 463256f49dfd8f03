// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gameclock.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

// "Next Specified Day": the player types a day of the game month and is told when
// it next begins.

// The input box's prompt.
inline QString NextDayPrompt()
{
    //: The prompt of the input box of Tools > Next Specified Day.
    return QCoreApplication::translate("NextDay", "Enter day (1-28)");
}

// The message for the typed answer, from the calibration at hand, or nothing when
// the command ends without a word (Cancel, an empty answer, 0 or no number).
std::optional<QString> NextDayMessage(const QString& answer, const ClockCalibration& calibration);
