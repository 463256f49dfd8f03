// SPDX-License-Identifier: GPL-3.0-or-later
#include "nextday.h"

#include "core/textnum.h"
#include "forecast.h"

#include <QCoreApplication>

std::optional<QString> NextDayMessage(const QString& answer, const ClockCalibration& calibration)
{
    // The number at the start of the answer, to the nearest whole day, ties to even.
    // A number too large for a day count at all gets the same answer as 29 or -1.
    const double day = RoundHalfEven(NumberValue(answer));
    if (!(day >= 0 && day <= 28))
        return QCoreApplication::translate("NextDay", "You need to enter a day between 1 and 28.");
    const int16_t n = ToInt16(day);
    if (n == 0)
        return std::nullopt;

    const GameDayForecast forecast = ForecastGameDay(calibration, n);
    //: The first line of the answer: %1 is the day of the game month. The wait and the real day
    //: and time follow on the next two lines. The blank at the end is part of the design.
    return QCoreApplication::translate("NextDay", "Day %1 of the month will be in ").arg(n) + QStringLiteral("\r\n")
        + forecast.WaitText + QStringLiteral("\r\n") + forecast.MomentText;
}
