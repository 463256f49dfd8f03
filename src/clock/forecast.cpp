#include "forecast.h"

#include "core/textnum.h"

#include <cmath>

namespace {

// Appends "<value><word>" when the value is above zero.
void AppendUnit(QString& text, int64_t value, const char* one, const char* many)
{
    if (value <= 0)
        return;
    text += QString::number(value);
    text += QLatin1String(value == 1 ? one : many);
}

} // namespace

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

    QString text;
    // A wait is never longer than a game month, so there is never more than one day.
    AppendUnit(text, days, " DAY  ", " DAY  ");
    AppendUnit(text, hours, " HOUR  ", " HOURS  ");
    AppendUnit(text, minutes, " MINUTE  ", " MINUTES  ");
    AppendUnit(text, rest, " SECOND", " SECONDS");
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

    QString text;
    switch (dayOffset) {
    case 0:
        text = QStringLiteral("TODAY AT ");
        break;
    case 1:
        text = QStringLiteral("TOMORROW AT ");
        break;
    case 2:
        text = QStringLiteral("TWO DAYS FROM NOW AT ");
        break;
    default:
        // Only a real time far outside the day can get here; the day is not named.
        break;
    }
    const int64_t dialHour = hour == 0 ? 12 : (hour > 12 ? hour - 12 : hour);
    text += QString::number(dialHour) + QLatin1Char(':');
    text += QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0'));
    text += hour < 12 ? QStringLiteral(" AM") : QStringLiteral(" PM");
    return text;
}

GameDayForecast ForecastGameDay(const ClockCalibration& record, int16_t day)
{
    // Whole real seconds; the up to 17 game seconds of a part second are dropped.
    const int32_t realSeconds = GameSecondsUntilDay(record, day) / GameClockRate;
    return {ForecastWaitText(realSeconds), ForecastMomentText(record.RealTime, realSeconds)};
}
