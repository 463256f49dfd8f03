#include "clock/forecast.h"
#include "clock/gameclock.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

// Runs with TZ=Europe/Berlin; the random moments below lie in summer time, away
// from the two daylight-saving switches.

namespace {

ClockCalibration Record(const char* realTime, const char* oxlTime, const char* oxlDate)
{
    return ClockCalibration::FromTexts(QLatin1String(realTime), QStringLiteral("06/15/2026"), QLatin1String(oxlTime),
                                       QLatin1String(oxlDate));
}

// An independent reading of the game calendar: a game moment as a count of game
// seconds since 00:00:00 on day 1 of month 1 of year 0.
int64_t GameSeconds(const QString& time, const QString& date)
{
    const int64_t h = time.mid(0, 2).toInt(), m = time.mid(3, 2).toInt(), s = time.mid(6, 2).toInt();
    const int64_t month = date.mid(0, 2).toInt(), day = date.mid(3, 2).toInt(), year = date.mid(6, 4).toInt();
    return (((year * 12 + (month - 1)) * 28 + (day - 1)) * 24 + h) * 3600 + m * 60 + s;
}

QString GameTime(int64_t seconds)
{
    return QString::asprintf("%02d:%02d:%02d", static_cast<int>(seconds / 3600 % 24),
                             static_cast<int>(seconds / 60 % 60),
                             static_cast<int>(seconds % 60));
}

QString GameDate(int64_t seconds)
{
    const int64_t days = seconds / 86400;
    return QString::asprintf("%02d/%02d/%04d", static_cast<int>(days / 28 % 12 + 1), static_cast<int>(days % 28 + 1),
                             static_cast<int>(days / 336));
}

// The real seconds a wait text names.
int64_t WaitSeconds(const QString& text)
{
    static const QRegularExpression unit(QStringLiteral("(\\d+) (DAY|HOURS?|MINUTES?|SECONDS?)"));
    int64_t total = 0;
    for (auto it = unit.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        const int64_t value = match.captured(1).toLongLong();
        const QChar kind = match.captured(2).at(0);
        const int64_t unitSeconds = kind == QLatin1Char('D') ? 86400
            : kind == QLatin1Char('H')                       ? 3600
            : kind == QLatin1Char('M')                       ? 60
                                                             : 1;
        total += value * unitSeconds;
    }
    return total;
}

} // namespace

class TstForecast : public QObject
{
    Q_OBJECT

private slots:
    void forecast_data()
    {
        QTest::addColumn<ClockCalibration>("record");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("wait");
        QTest::addColumn<QString>("moment");
        auto row = [](const char* name, const char* realTime, const char* oxlTime, const char* oxlDate, int day,
                      const char* wait, const char* moment) {
            QTest::newRow(name) << Record(realTime, oxlTime, oxlDate) << day << QString::fromLatin1(wait)
                                << QString::fromLatin1(moment);
        };
        row("worked example 1", "14:30:00", "10:20:30", "03/10/0005", 15, "6 HOURS  5 MINUTES  31 SECONDS",
            "TODAY AT 8:35 PM");
        row("worked example 2", "23:50:10", "00:00:00", "03/15/0005", 15, "1 DAY  13 HOURS  20 MINUTES  ",
            "TWO DAYS FROM NOW AT 1:10 PM");
        row("worked example 3", "12:34:56", "17:45:12", "07/20/0003", 20, "1 DAY  12 HOURS  20 MINUTES  49 SECONDS",
            "TWO DAYS FROM NOW AT 12:55 AM");
        // Day 28, asking for day 1: 14 game hours are 46 min 40 s.
        row("past the target day", "10:00:00", "10:00:00", "05/28/0002", 1, "46 MINUTES  40 SECONDS",
            "TODAY AT 10:46 AM");
        row("one game second left", "09:05:40", "23:59:59", "05/14/0002", 15, "", "TODAY AT 9:05 AM");
        row("18 game seconds left", "09:05:40", "23:59:42", "05/14/0002", 15, "1 SECOND", "TODAY AT 9:05 AM");
        row("17 game seconds left", "09:05:40", "23:59:43", "05/14/0002", 15, "", "TODAY AT 9:05 AM");
        row("exactly one hour", "09:05:40", "06:00:00", "05/14/0002", 15, "1 HOUR  ", "TODAY AT 10:05 AM");
        row("one minute one second", "09:05:40", "23:41:42", "05/14/0002", 15, "1 MINUTE  1 SECOND",
            "TODAY AT 9:06 AM");
        row("just after midnight", "00:07:00", "23:59:59", "05/14/0002", 15, "", "TODAY AT 12:07 AM");
        row("just after noon", "12:07:30", "23:59:59", "05/14/0002", 15, "", "TODAY AT 12:07 PM");
        row("afternoon", "13:05:00", "23:59:59", "05/14/0002", 15, "", "TODAY AT 1:05 PM");
        row("last minute of the day", "23:59:59", "23:59:59", "05/14/0002", 15, "", "TODAY AT 11:59 PM");
        row("over midnight once", "23:30:00", "06:00:00", "05/14/0002", 15, "1 HOUR  ", "TOMORROW AT 12:30 AM");
        // 18 game days 18 hours are one real day and one hour.
        row("a day and over midnight", "23:30:00", "06:00:00", "05/01/0002", 20, "1 DAY  1 HOUR  ",
            "TWO DAYS FROM NOW AT 12:30 AM");
        row("a day, same evening", "20:00:00", "06:00:00", "05/01/0002", 20, "1 DAY  1 HOUR  ", "TOMORROW AT 9:00 PM");
        // Real seconds carry the shown minute, hour and day on.
        row("seconds carry to midnight", "23:59:30", "23:50:00", "05/14/0002", 15, "33 SECONDS",
            "TOMORROW AT 12:00 AM");
        row("seconds carry the minute", "08:15:59", "23:59:42", "05/14/0002", 15, "1 SECOND", "TODAY AT 8:16 AM");
        // A real hour of 24 (the calibration dialog lets it through) is the next midnight.
        row("real hour 24", "24:00:00", "12:00:00", "03/14/0005", 15, "40 MINUTES  ", "TOMORROW AT 12:40 AM");
        row("day 1 from day 1", "08:00:00", "00:00:00", "01/01/0001", 1, "1 DAY  13 HOURS  20 MINUTES  ",
            "TOMORROW AT 9:20 PM");
        row("day 28 from day 1", "08:00:00", "00:00:00", "01/01/0001", 28, "1 DAY  12 HOURS  ", "TOMORROW AT 8:00 PM");
    }

    void forecast()
    {
        QFETCH(ClockCalibration, record);
        QFETCH(int, day);
        QFETCH(QString, wait);
        QFETCH(QString, moment);
        const ClockCalibration before = record;
        const GameDayForecast result = ForecastGameDay(record, static_cast<int16_t>(day));
        QCOMPARE(result.WaitText, wait);
        QCOMPARE(result.MomentText, moment);
        QCOMPARE(record, before);
    }

    void waitText_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << 0 << "";
        QTest::newRow("two seconds") << 2 << "2 SECONDS";
        QTest::newRow("one minute") << 60 << "1 MINUTE  ";
        QTest::newRow("59 minutes 59 seconds") << 3599 << "59 MINUTES  59 SECONDS";
        QTest::newRow("one hour one second") << 3601 << "1 HOUR  1 SECOND";
        QTest::newRow("two of each") << 7322 << "2 HOURS  2 MINUTES  2 SECONDS";
        QTest::newRow("one day") << 86400 << "1 DAY  ";
        QTest::newRow("one day one second") << 86401 << "1 DAY  1 SECOND";
        QTest::newRow("a game month") << RealSecondsPerGameMonth << "1 DAY  13 HOURS  20 MINUTES  ";
    }

    void waitText()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(ForecastWaitText(seconds), text);
    }

    void realDateIsNotUsed()
    {
        ClockCalibration record = Record("14:30:00", "10:20:30", "03/10/0005");
        const GameDayForecast expected = ForecastGameDay(record, 15);
        record.RealDate = QStringLiteral("ab/cd/efgh");
        QCOMPARE(ForecastGameDay(record, 15), expected);
    }

    // Fields the calibration dialog lets through and the next tick brings back: the
    // forecast is already the one of the record the tick will make of them.
    void fieldsBeyondRange_data()
    {
        QTest::addColumn<ClockCalibration>("record");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("gameSecondsLeft");

        QTest::newRow("hour 24") << Record("10:00:00", "24:00:00", "03/05/0005") << 15 << 9 * 86400;
        QTest::newRow("hour 24 and a half") << Record("10:00:00", "24:30:00", "03/05/0005") << 15 << 9 * 86400 - 1800;
        QTest::newRow("hour 24 of the day before") << Record("10:00:00", "24:00:00", "03/14/0005") << 15 << 2419200;
        QTest::newRow("hour 24 on day 28") << Record("10:00:00", "24:00:00", "03/28/0005") << 1 << 2419200;
        QTest::newRow("hour 24 on day 28, day 2") << Record("10:00:00", "24:00:00", "03/28/0005") << 2 << 86400;
        QTest::newRow("day 29") << Record("10:00:00", "12:00:00", "03/29/0005") << 1 << 2419200 - 43200;
        QTest::newRow("day 30") << Record("10:00:00", "12:00:00", "03/30/0005") << 1 << 2419200 - 86400 - 43200;
        QTest::newRow("day 31, day 2") << Record("10:00:00", "12:00:00", "03/31/0005") << 2 << 2419200 - 86400 - 43200;
        QTest::newRow("day 31, day 3") << Record("10:00:00", "12:00:00", "03/31/0005") << 3 << 2419200 - 43200;
        QTest::newRow("day 31, day 4") << Record("10:00:00", "12:00:00", "03/31/0005") << 4 << 43200;
        QTest::newRow("day 31, day 15") << Record("10:00:00", "00:00:00", "03/31/0005") << 15 << 12 * 86400;
        QTest::newRow("day 31 at midnight, day 3") << Record("10:00:00", "00:00:00", "03/31/0005") << 3 << 2419200;
        QTest::newRow("day 31, hour 24") << Record("10:00:00", "24:00:00", "03/31/0005") << 4 << 2419200;
        QTest::newRow("day 31, hour 24, day 5") << Record("10:00:00", "24:00:00", "03/31/0005") << 5 << 86400;
    }

    void fieldsBeyondRange()
    {
        QFETCH(ClockCalibration, record);
        QFETCH(int, day);
        QFETCH(int, gameSecondsLeft);
        QCOMPARE(GameSecondsUntilDay(record, static_cast<int16_t>(day)), gameSecondsLeft);

        // The tick that brings the fields back (no real time passed) does not change the answer.
        const QDateTime moment = QDateTime(QDate(2026, 6, 15), QTime(10, 0, 0));
        ClockCalibration ticked = ComputeGameTime(record, moment);
        ticked.RealTime = record.RealTime;
        const auto n = static_cast<int16_t>(day);
        QCOMPARE(ForecastGameDay(record, n), ForecastGameDay(ticked, n));
    }

    // Fields that name no game moment at all: the engine still answers, with a
    // wait between nothing and one game month, and a moment text of the usual form.
    void unreadableFields_data()
    {
        QTest::addColumn<ClockCalibration>("record");
        QTest::addColumn<int>("gameSecondsLeft");
        // Blank fields read as 00:00:00 on day 0, the day before day 1.
        QTest::newRow("blank") << Record("", "", "") << 15 * 86400;
        QTest::newRow("letters") << Record("ab:cd:ef", "ab:cd:ef", "ab/cd/efgh") << 15 * 86400;
        QTest::newRow("day 99") << Record("10:00:00", "00:00:00", "01/99/0001") << 28 * 86400;
        QTest::newRow("day 00") << Record("10:00:00", "00:00:00", "01/00/0001") << 15 * 86400;
        QTest::newRow("day -5") << Record("10:00:00", "00:00:00", "01/-5/0001") << 20 * 86400;
        QTest::newRow("minutes 99") << Record("10:00:00", "00:99:00", "01/14/0001") << 86400 - 99 * 60;
        QTest::newRow("seconds -9") << Record("10:00:00", "00:00:-9", "01/15/0001") << 9;
        QTest::newRow("hour 99") << Record("10:00:00", "99:00:00", "01/01/0001") << 14 * 86400 - 99 * 3600;
        QTest::newRow("fraction rounds to even") << Record("10:00:00", "23:59:.5", "01/14/0001") << 60;
        QTest::newRow("real time 99:99:99") << Record("99:99:99", "00:00:00", "01/14/0001") << 86400;
        QTest::newRow("real time -9:00:00") << Record("-9:00:00", "00:00:00", "01/14/0001") << 86400;
    }

    void unreadableFields()
    {
        QFETCH(ClockCalibration, record);
        QFETCH(int, gameSecondsLeft);
        QCOMPARE(GameSecondsUntilDay(record, 15), gameSecondsLeft);
        const GameDayForecast result = ForecastGameDay(record, 15);
        QCOMPARE(WaitSeconds(result.WaitText), gameSecondsLeft / GameClockRate);
        static const QRegularExpression clock(QStringLiteral("(^|AT )([1-9]|1[0-2]):[0-5][0-9] [AP]M$"));
        QVERIFY2(clock.match(result.MomentText).hasMatch(), qPrintable(result.MomentText));
    }

    // Every day number the caller could pass: never negative, never over a month.
    void anyDayNumber()
    {
        const ClockCalibration record = Record("10:00:00", "12:34:56", "03/31/0005");
        for (int day = -32768; day <= 32767; day += 7) {
            const int32_t left = GameSecondsUntilDay(record, static_cast<int16_t>(day));
            QVERIFY2(left > 0 && left <= 28 * 86400, qPrintable(QString::number(day)));
        }
    }

    // For random moments the texts announce a real moment that, carried back through
    // the game clock, lands on 00:00:00 of the requested game day.
    void randomAgainstGameClock()
    {
        QRandomGenerator random(15150015);
        static const QRegularExpression momentForm(
            QStringLiteral("^(TODAY|TOMORROW|TWO DAYS FROM NOW) AT ([1-9]|1[0-2]):([0-5][0-9]) (AM|PM)$"));
        for (int i = 0; i < 20000; ++i) {
            const QDateTime now(QDate(2026, 4, 1).addDays(random.bounded(180)),
                                QTime(random.bounded(24), random.bounded(60), random.bounded(60)));
            const int day = 1 + random.bounded(28);
            const int64_t year = 1 + random.bounded(9000), month = 1 + random.bounded(12);
            const int64_t monthStart = (year * 12 + month - 1) * 28 * 86400;
            int64_t start = monthStart + random.bounded(28 * 86400);
            if (i % 4 == 0) // close to the target, on either side
                start = monthStart + (day - 1) * 86400 + random.bounded(-60, 61);
            ClockCalibration record;
            record.RealTime = now.toString(QStringLiteral("HH:mm:ss"));
            record.RealDate = now.toString(QStringLiteral("MM/dd/yyyy"));
            record.OXLTime = GameTime(start);
            record.OXLDate = GameDate(start);

            // The target: the next start of the day, a full month on when it is now.
            const int64_t startMonth = start / (28 * 86400) * (28 * 86400);
            int64_t target = startMonth + (day - 1) * 86400;
            if (target <= start)
                target += 28 * 86400;

            const GameDayForecast result = ForecastGameDay(record, static_cast<int16_t>(day));
            const QString what = record.OXLTime + QLatin1Char(' ') + record.OXLDate + QStringLiteral(" day ")
                + QString::number(day) + QStringLiteral(" at ") + record.RealTime;
            const int64_t wait = WaitSeconds(result.WaitText);
            QVERIFY2(wait * 18 <= target - start && target - start < wait * 18 + 18, qPrintable(what));

            const ClockCalibration arrived = ComputeGameTime(record, now.addSecs(wait));
            const int64_t game = GameSeconds(arrived.OXLTime, arrived.OXLDate);
            QVERIFY2(game <= target && game > target - 18, qPrintable(what));

            // The announced minute: the target lies within it, give or take the dropped part second.
            const auto match = momentForm.match(result.MomentText);
            QVERIFY2(match.hasMatch(), qPrintable(what + QStringLiteral(": ") + result.MomentText));
            const int dayOffset = match.captured(1) == QLatin1String("TODAY") ? 0
                : match.captured(1) == QLatin1String("TOMORROW") ? 1
                                                                  : 2;
            const int hour = match.captured(2).toInt() % 12 + (match.captured(4) == QLatin1String("PM") ? 12 : 0);
            const QDateTime announced(now.date().addDays(dayOffset), QTime(hour, match.captured(3).toInt()));
            const int64_t atMinute = GameSeconds(ComputeGameTime(record, announced).OXLTime,
                                                 ComputeGameTime(record, announced).OXLDate);
            const ClockCalibration afterMinute = ComputeGameTime(record, announced.addSecs(61));
            QVERIFY2(atMinute <= target, qPrintable(what));
            QVERIFY2(GameSeconds(afterMinute.OXLTime, afterMinute.OXLDate) > target, qPrintable(what));
        }
    }
};

QTEST_GUILESS_MAIN(TstForecast)
#include "tst_forecast.moc"
