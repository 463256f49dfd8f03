// SPDX-License-Identifier: GPL-3.0-or-later
#include "forecast.h"

#include "core/textnum.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// A unit of a wait in the player's language, when its value is above zero, and the blanks
// that follow it.
void AppendUnit(QString& text, int64_t value, const QString& unit, const char* blanks)
{
    if (value <= 0)
        return;
    text += unit;
    text += QLatin1String(blanks);
}

} // namespace

QString DayAtText(int64_t dayOffset, const QString& clock)
{
    // A clock time in the hour of one has texts of its own, as Spanish "A LA 1:19 PM" beside
    // "A LAS 2:19 PM".
    const bool one = clock.section(QLatin1Char(':'), 0, 0).toInt() == 1;
    switch (dayOffset) {
    case -1: {
        //: The real day and clock time at which a game day began. %1 is the 12-hour clock time, as 8:35 PM: it
        //: stays as it is (AM and PM too).
        const QString text = QCoreApplication::translate("Forecast", "YESTERDAY AT %1");
        //: The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish
        //: AYER A LA 1:19 PM).
        const QString atOne = QCoreApplication::translate("Forecast", "YESTERDAY AT %1", "one o'clock");
        return (one ? atOne : text).arg(clock);
    }
    case 0: {
        //: The real day and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it
        //: stays as it is (AM and PM too).
        const QString text = QCoreApplication::translate("Forecast", "TODAY AT %1");
        //: The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish
        //: HOY A LA 1:19 PM).
        const QString atOne = QCoreApplication::translate("Forecast", "TODAY AT %1", "one o'clock");
        return (one ? atOne : text).arg(clock);
    }
    case 1: {
        //: The real day and clock time at which a game day begins. %1 is the 12-hour clock time, as 8:35 PM: it
        //: stays as it is (AM and PM too).
        const QString text = QCoreApplication::translate("Forecast", "TOMORROW AT %1");
        //: The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish
        //: MAÑANA A LA 1:19 PM).
        const QString atOne = QCoreApplication::translate("Forecast", "TOMORROW AT %1", "one o'clock");
        return (one ? atOne : text).arg(clock);
    }
    case 2: {
        //: The real day (the day after tomorrow) and clock time at which a game day begins. %1 is the 12-hour
        //: clock time, as 8:35 PM: it stays as it is (AM and PM too).
        const QString text = QCoreApplication::translate("Forecast", "TWO DAYS FROM NOW AT %1");
        //: The same for a clock time in the hour of one, as 1:19 PM; in most languages the same text (Spanish
        //: PASADO MAÑANA A LA 1:19 PM).
        const QString atOne = QCoreApplication::translate("Forecast", "TWO DAYS FROM NOW AT %1", "one o'clock");
        return (one ? atOne : text).arg(clock);
    }
    default:
        // Further days do not occur; they are not named.
        return clock;
    }
}

int32_t GameSecondsUntilDay(const ClockCalibration& record, int16_t day)
{
    const double hours = PieceValue(record.OXLTime, 1, 2);
    const double minutes = PieceValue(record.OXLTime, 4, 2);
    const double seconds = PieceValue(record.OXLTime, 7, 2);
    const double dayOfMonth = PieceValue(record.OXLDate, 4, 2);

    // Both moments as game seconds since the start of day 1 of the current month.
    // Counting this way lets fields beyond their ranges carry on as the clock would.
    const double now = (dayOfMonth - 1) * SecondsPerDay + hours * SecondsPerHour + minutes * SecondsPerMinute + seconds;
    const double target = (static_cast<double>(day) - 1) * SecondsPerDay;

    // The next time the target comes: later than now, at most one month away.
    constexpr double month = GameSecondsPerMonth;
    double left = std::fmod(target - now, month);
    if (left <= 0)
        left += month;
    // Pieces such as ".5" read as fractions: whole game seconds, ties to even.
    return ToInt32(left);
}

QString ForecastWaitText(int32_t realSeconds)
{
    int64_t rest = realSeconds;
    const int64_t days = rest / SecondsPerDay;
    rest -= days * SecondsPerDay;
    const int64_t hours = rest / SecondsPerHour;
    rest -= hours * SecondsPerHour;
    const int64_t minutes = rest / SecondsPerMinute;
    rest -= minutes * SecondsPerMinute;

    // Every unit but the seconds is followed by two blanks. A wait is never longer than a
    // game month, so there is never more than one day.
    QString text;
    //: A unit of the real time to wait for a game day, in capitals as the game's clock writes it: the number and the
    //: unit only. The program puts the units in a row, with two blanks between them.
    AppendUnit(text, days, QCoreApplication::translate("Forecast", "%n DAY", nullptr, int(days)), "  ");
    //: A unit of the real time to wait for a game day, in capitals as the game's clock writes it: the number and the
    //: unit only. The program puts the units in a row, with two blanks between them.
    AppendUnit(text, hours, QCoreApplication::translate("Forecast", "%n HOUR(S)", nullptr, int(hours)), "  ");
    //: A unit of the real time to wait for a game day, in capitals as the game's clock writes it: the number and the
    //: unit only. The program puts the units in a row, with two blanks between them.
    AppendUnit(text, minutes, QCoreApplication::translate("Forecast", "%n MINUTE(S)", nullptr, int(minutes)), "  ");
    //: A unit of the real time to wait for a game day, in capitals as the game's clock writes it: the number and the
    //: unit only. The program puts the units in a row, with two blanks between them.
    AppendUnit(text, rest, QCoreApplication::translate("Forecast", "%n SECOND(S)", nullptr, int(rest)), "");
    return text;
}

QString ForecastMomentText(const QString& realTime, int32_t realSeconds)
{
    // The real time of day in whole seconds; an hour of 24 is midnight of the next day.
    const int64_t start = ToInt64Clamped(PieceValue(realTime, 1, 2) * SecondsPerHour
                                         + PieceValue(realTime, 4, 2) * SecondsPerMinute + PieceValue(realTime, 7, 2));
    const int64_t moment = start + realSeconds;
    const int64_t dayOffset = FloorDiv(moment, SecondsPerDay);
    const int64_t clock = moment - dayOffset * SecondsPerDay;
    const int64_t hour = clock / SecondsPerHour;
    const int64_t minute = clock / SecondsPerMinute % 60;

    const int64_t dialHour = hour == 0 ? 12 : (hour > 12 ? hour - 12 : hour);
    const QString clockText = QString::number(dialHour) + QLatin1Char(':')
        + QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0'))
        + (hour < 12 ? QStringLiteral(" AM") : QStringLiteral(" PM"));
    // Only a real time far outside the day gives another offset; the day is not named then.
    return dayOffset >= 0 ? DayAtText(dayOffset, clockText) : clockText;
}

GameDayForecast ForecastGameDay(const ClockCalibration& record, int16_t day)
{
    // Whole real seconds; the up to 17 game seconds of a part second are dropped.
    const int32_t realSeconds = GameSecondsUntilDay(record, day) / GameClockRate;
    return {ForecastWaitText(realSeconds), ForecastMomentText(record.RealTime, realSeconds)};
}
