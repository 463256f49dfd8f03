// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameclock.h"

#include "core/textnum.h"
#include "systemclock.h"

#include <QDate>
#include <QTime>
#include <QTimeZone>

#include <algorithm>

namespace {

// A two-digit (or four-digit) piece of a fixed-width date or time text.
int64_t Piece(const QString& text, int first, int count)
{
    return ToInt64Clamped(PieceValue(text, first, count));
}

QString TwoDigits(int64_t value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Real seconds from one instant to another, held within a range that 18-fold game
// seconds and their carries cannot overflow (some 30 million years either way; no
// clock gets there, but an instant of any value must not wrap around).
int64_t ElapsedSeconds(int64_t from, int64_t to)
{
    constexpr int64_t limit = 1'000'000'000'000'000;
    int64_t elapsed = 0;
    if (__builtin_sub_overflow(to, from, &elapsed))
        return to > from ? limit : -limit;
    return std::clamp(elapsed, -limit, limit);
}

} // namespace

ClockCalibration ClockCalibration::FromTexts(const QString& realTime, const QString& realDate, const QString& oxlTime,
                                             const QString& oxlDate)
{
    ClockCalibration c;
    // Each field holds its width: a longer text is cut, a shorter one filled with blanks.
    c.RealTime = realTime.leftJustified(8, QLatin1Char(' '), true);
    c.RealDate = realDate.leftJustified(10, QLatin1Char(' '), true);
    c.OXLTime = oxlTime.leftJustified(8, QLatin1Char(' '), true);
    c.OXLDate = oxlDate.leftJustified(10, QLatin1Char(' '), true);
    return c;
}

QString CurrentTimeText(const QDateTime& now)
{
    return now.toLocalTime().time().toString(u"hh:mm:ss");
}

QString CurrentDateText(const QDateTime& now)
{
    return now.toLocalTime().date().toString(u"MM/dd/yyyy");
}

QString CurrentTimeText()
{
    return CurrentTimeText(SystemClock::Now());
}

QString CurrentDateText()
{
    return CurrentDateText(SystemClock::Now());
}

std::optional<int64_t> PlaceRealMoment(const QString& realDate, const QString& realTime)
{
    const int64_t month = Piece(realDate, 1, 2);
    const int64_t day = Piece(realDate, 4, 2);
    const int64_t year = Piece(realDate, 7, 4);
    if (month < 1 || month > 12 || day < 1 || year < 1)
        return std::nullopt;

    const int64_t secondOfDay = Piece(realTime, 1, 2) * SecondsPerHour + Piece(realTime, 4, 2) * SecondsPerMinute
        + Piece(realTime, 7, 2);
    const int64_t extraDays = FloorDiv(secondOfDay, SecondsPerDay);
    const int64_t timeOfDay = secondOfDay - extraDays * SecondsPerDay;

    const QDate date = QDate(static_cast<int>(year), static_cast<int>(month), 1).addDays(day - 1 + extraDays);
    // The clock reading as if local time were UTC; the instant lies one offset from UTC away.
    const QDateTime reading(date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(timeOfDay * 1000)),
                            QTimeZone::utc());
    if (!reading.isValid())
        return std::nullopt;
    const int64_t clock = reading.toSecsSinceEpoch();
    // The offsets in force a day before and a day after: a reading is placed with the one that
    // names it. Within the hour a switch to winter time repeats, both do: the first pass, in
    // summer time, is taken, as the player who typed it most likely meant. Within the hour a
    // switch to summer time skips, neither does: the reading is placed as the clocks read after
    // the switch (02:30 as 03:30), with the offset before it.
    auto offsetAt = [](int64_t instant) { return int64_t{QDateTime::fromSecsSinceEpoch(instant).offsetFromUtc()}; };
    const int64_t before = offsetAt(clock - SecondsPerDay), after = offsetAt(clock + SecondsPerDay);
    for (const int64_t offset : {std::max(before, after), std::min(before, after)}) {
        if (offsetAt(clock - offset) == offset)
            return clock - offset;
    }
    return clock - before;
}

ClockCalibration ComputeGameTime(const ClockCalibration& calibration, const QDateTime& now)
{
    const QDateTime reading = QDateTime::fromSecsSinceEpoch(now.toSecsSinceEpoch());
    const int64_t nowSeconds = reading.toSecsSinceEpoch();

    // Elapsed real seconds: from the instant of the previous tick when this run
    // has one, else from the calibration's real moment in local time.
    int64_t elapsed = 0;
    if (calibration.Instant) {
        elapsed = ElapsedSeconds(*calibration.Instant, nowSeconds);
    } else if (const auto placed = PlaceRealMoment(calibration.RealDate, calibration.RealTime)) {
        elapsed = ElapsedSeconds(*placed, nowSeconds);
    }

    // Game seconds, split into calendar units; for a clock that must run back the
    // units are negative and the carries below become borrows.
    const int64_t game = elapsed * GameClockRate;
    const int64_t sign = game < 0 ? -1 : 1;
    int64_t rest = game < 0 ? -game : game;
    const int64_t years = rest / GameSecondsPerYear;
    rest %= GameSecondsPerYear;
    const int64_t months = rest / GameSecondsPerMonth;
    rest %= GameSecondsPerMonth;
    const int64_t days = rest / SecondsPerDay;
    rest %= SecondsPerDay;
    const int64_t hours = rest / SecondsPerHour;
    rest %= SecondsPerHour;
    const int64_t minutes = rest / SecondsPerMinute;
    const int64_t seconds = rest % SecondsPerMinute;

    const bool backwards = game < 0;
    int64_t carry = 0;
    // Adds one unit with the carry of the previous one. A field above its range carries
    // as often as it needs, as a calendar would (day 99 is day 15 three months on); a
    // field below its range, going back or read negative from the file, borrows as often
    // as it needs. Going forward a field of 0 (a blank one) stays 0.
    auto add = [&](int64_t start, int64_t amount, int64_t low, int64_t high) {
        const int64_t range = high - low + 1;
        int64_t value = start + amount + carry;
        carry = 0;
        if (value > high) {
            carry = (value - low) / range;
            value -= carry * range;
        } else if (value < (backwards ? low : 0)) {
            const int64_t borrow = (low - value + range - 1) / range;
            value += borrow * range;
            carry = -borrow;
        }
        return value;
    };

    const QString& oxlTime = calibration.OXLTime;
    const QString& oxlDate = calibration.OXLDate;
    const int64_t second = add(Piece(oxlTime, 7, 2), sign * seconds, 0, 59);
    const int64_t minute = add(Piece(oxlTime, 4, 2), sign * minutes, 0, 59);
    const int64_t hour = add(Piece(oxlTime, 1, 2), sign * hours, 0, 23);
    const int64_t day = add(Piece(oxlDate, 4, 2), sign * days, 1, DaysPerGameMonth);
    const int64_t month = add(Piece(oxlDate, 1, 2), sign * months, 1, 12);
    const int64_t year = Piece(oxlDate, 7, 4) + sign * years + carry;

    ClockCalibration result;
    result.RealTime = CurrentTimeText(reading);
    result.RealDate = CurrentDateText(reading);
    result.OXLTime = TwoDigits(hour) + QLatin1Char(':') + TwoDigits(minute) + QLatin1Char(':') + TwoDigits(second);
    // A year that does not fit four digits is not written: its positions keep "0000".
    const int64_t shownYear = (year >= 0 && year <= 9999) ? year : 0;
    result.OXLDate = TwoDigits(month) + QLatin1Char('/') + TwoDigits(day) + QLatin1Char('/')
        + QStringLiteral("%1").arg(shownYear, 4, 10, QLatin1Char('0'));
    result.Instant = nowSeconds;
    return result;
}

ClockCalibration ComputeGameTime(const ClockCalibration& calibration)
{
    return ComputeGameTime(calibration, SystemClock::Now());
}

QString FormatTime12Hour(const QString& time)
{
    QString text = time.left(5);
    bool pm = false;
    const double hour = NumberValue(QStringView(time).left(2));
    if (hour == 12)
        pm = true;
    if (hour > 12) {
        pm = true;
        text = QString::number(hour - 12, 'g', 15) + text.mid(2);
    }
    if (text.startsWith(QLatin1String("00"))) {
        pm = false;
        text = QStringLiteral("12") + text.mid(2);
    }
    if (text.startsWith(QLatin1Char('0')))
        text.remove(0, 1);
    while (text.startsWith(QLatin1Char(' ')))
        text.remove(0, 1);
    return text + (pm ? QStringLiteral(" PM") : QStringLiteral(" AM"));
}
