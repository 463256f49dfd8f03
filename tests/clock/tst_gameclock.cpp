#include "clock/gameclock.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

// Runs with TZ=Europe/Berlin (see the test registration): daylight saving starts on
// 03/29/2026 at 02:00 and ends on 10/25/2026 at 03:00.

namespace {

QDateTime Local(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

ClockCalibration Cal(const char* realTime, const char* realDate, const char* oxlTime, const char* oxlDate)
{
    return ClockCalibration::FromTexts(QLatin1String(realTime), QLatin1String(realDate), QLatin1String(oxlTime),
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

QString GameText(int64_t seconds, bool date)
{
    const int64_t s = seconds % 60, m = seconds / 60 % 60, h = seconds / 3600 % 24;
    const int64_t days = seconds / 86400;
    const int64_t day = days % 28 + 1, month = days / 28 % 12 + 1, year = days / 336;
    if (date)
        return QString::asprintf("%02lld/%02lld/%04lld", static_cast<long long>(month), static_cast<long long>(day),
                                 static_cast<long long>(year));
    return QString::asprintf("%02lld:%02lld:%02lld", static_cast<long long>(h), static_cast<long long>(m),
                             static_cast<long long>(s));
}

} // namespace

class TstGameClock : public QObject
{
    Q_OBJECT

private slots:
    void compute_data()
    {
        QTest::addColumn<ClockCalibration>("calibration");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("oxlTime");
        QTest::addColumn<QString>("oxlDate");

        QTest::newRow("worked example") << Cal("23:00:00", "11/30/2026", "23:59:59", "12/28/0007")
                                        << Local(2026, 12, 25, 10, 30, 15) << "15:04:29"
                                        << "04/21/0009";
        QTest::newRow("one second tick") << Cal("17:04:59", "12/06/2026", "10:15:42", "06/14/0003")
                                         << Local(2026, 12, 6, 17, 5, 0) << "10:16:00"
                                         << "06/14/0003";
        QTest::newRow("no time passed") << Cal("17:04:59", "12/06/2026", "10:15:42", "06/14/0003")
                                        << Local(2026, 12, 6, 17, 4, 59) << "10:15:42"
                                        << "06/14/0003";
        QTest::newRow("day 28 stays") << Cal("12:00:00", "12/06/2026", "00:00:00", "01/28/0001")
                                      << Local(2026, 12, 6, 12, 0, 1) << "00:00:18"
                                      << "01/28/0001";
        QTest::newRow("day 28 plus a day")
            << Cal("12:00:00", "12/06/2026", "00:00:00", "01/28/0001") << Local(2026, 12, 6, 13, 20, 0) << "00:00:00"
            << "02/01/0001";
        QTest::newRow("80 minutes are a day")
            << Cal("12:00:00", "12/06/2026", "07:08:09", "05/10/0004") << Local(2026, 12, 6, 13, 20, 0) << "07:08:09"
            << "05/11/0004";
        QTest::newRow("month 12 plus a month")
            << Cal("00:00:00", "12/01/2026", "00:00:00", "12/01/0001") << Local(2026, 12, 2, 13, 20, 0) << "00:00:00"
            << "01/01/0002";
        QTest::newRow("year 10000 keeps 0000")
            << Cal("12:00:00", "12/06/2026", "23:59:59", "12/28/9999") << Local(2026, 12, 6, 12, 0, 1) << "00:00:17"
            << "01/01/0000";
        QTest::newRow("real leap day") << Cal("12:00:00", "02/28/2028", "00:00:00", "01/01/0001")
                                       << Local(2028, 3, 1, 12, 0, 0) << "00:00:00"
                                       << "02/09/0001";
        QTest::newRow("game day 30 carries")
            << Cal("12:00:00", "12/06/2026", "10:00:00", "01/30/0005") << Local(2026, 12, 6, 12, 0, 0) << "10:00:00"
            << "02/02/0005";
        QTest::newRow("game hour 24 carries")
            << Cal("12:00:00", "12/06/2026", "24:00:00", "01/05/0005") << Local(2026, 12, 6, 12, 0, 0) << "00:00:00"
            << "01/06/0005";
        QTest::newRow("blank game fields")
            << Cal("12:00:00", "12/06/2026", "", "") << Local(2026, 12, 6, 12, 0, 0) << "00:00:00"
            << "00/00/0000";
        // The clock set back: the game runs back by 18 times the time, with borrows.
        QTest::newRow("one second back") << Cal("17:05:00", "12/06/2026", "10:16:00", "06/14/0003")
                                         << Local(2026, 12, 6, 17, 4, 59) << "10:15:42"
                                         << "06/14/0003";
        QTest::newRow("back over a year")
            << Cal("12:00:01", "12/06/2026", "00:00:00", "01/01/0002") << Local(2026, 12, 6, 12, 0, 0) << "23:59:42"
            << "12/28/0001";
        QTest::newRow("back to before year 1")
            << Cal("12:00:01", "12/06/2026", "00:00:00", "01/01/0000") << Local(2026, 12, 6, 12, 0, 0) << "23:59:42"
            << "12/28/0000";
        // A real moment that is not a calendar date rolls over as a calendar would.
        QTest::newRow("February 31 is March 3")
            << Cal("00:00:00", "02/31/2026", "01:02:03", "04/05/0006") << Local(2026, 3, 3, 0, 0, 1) << "01:02:21"
            << "04/05/0006";
        QTest::newRow("hour 24 is next midnight")
            << Cal("24:00:00", "12/06/2026", "01:02:03", "04/05/0006") << Local(2026, 12, 7, 0, 0, 1) << "01:02:21"
            << "04/05/0006";
        // A real date that names no moment counts no elapsed time.
        QTest::newRow("month 13") << Cal("12:00:00", "13/01/2026", "01:02:03", "04/05/0006")
                                  << Local(2026, 12, 6, 12, 0, 0) << "01:02:03"
                                  << "04/05/0006";
        QTest::newRow("day 0") << Cal("12:00:00", "12/00/2026", "01:02:03", "04/05/0006")
                               << Local(2026, 12, 6, 12, 0, 0) << "01:02:03"
                               << "04/05/0006";
        QTest::newRow("year 0") << Cal("12:00:00", "12/06/0000", "01:02:03", "04/05/0006")
                                << Local(2026, 12, 6, 12, 0, 0) << "01:02:03"
                                << "04/05/0006";
        QTest::newRow("letters") << Cal("ab:cd:ef", "ab/cd/efgh", "01:02:03", "04/05/0006")
                                 << Local(2026, 12, 6, 12, 0, 0) << "01:02:03"
                                 << "04/05/0006";
        // Daylight saving: the time that really passed counts, one hour of the local
        // clock more or less does not.
        QTest::newRow("spring forward") << Cal("01:59:59", "03/29/2026", "10:00:00", "03/03/0003")
                                        << Local(2026, 3, 29, 3, 0, 0) << "10:00:18"
                                        << "03/03/0003";
        // 01:30 summer time to 03:30 winter time are three real hours: 54 game hours.
        QTest::newRow("fall back") << Cal("01:30:00", "10/25/2026", "10:00:00", "03/03/0003")
                                   << Local(2026, 10, 25, 3, 30, 0) << "16:00:00"
                                   << "03/05/0003";
    }

    void compute()
    {
        QFETCH(ClockCalibration, calibration);
        QFETCH(QDateTime, now);
        QFETCH(QString, oxlTime);
        QFETCH(QString, oxlDate);
        const ClockCalibration before = calibration;
        const ClockCalibration result = ComputeGameTime(calibration, now);
        QCOMPARE(result.OXLTime, oxlTime);
        QCOMPARE(result.OXLDate, oxlDate);
        QCOMPARE(result.RealTime, now.toString(QStringLiteral("HH:mm:ss")));
        QCOMPARE(result.RealDate, now.toString(QStringLiteral("MM/dd/yyyy")));
        QCOMPARE(calibration, before);
    }

    // Within a run each tick counts from the instant of the previous one, so the
    // hour the local clock jumps at a daylight-saving switch adds no game time.
    void ticksAcrossDaylightSaving_data()
    {
        QTest::addColumn<qint64>("beforeSwitch");
        QTest::newRow("spring forward") << Local(2026, 3, 29, 1, 59, 59).toSecsSinceEpoch();
        // 02:59:59 summer time, one second before the clock is set back to 02:00:00.
        QTest::newRow("fall back") << Local(2026, 10, 25, 0, 59, 59).toSecsSinceEpoch() + 2 * 3600;
    }

    void ticksAcrossDaylightSaving()
    {
        QFETCH(qint64, beforeSwitch);
        ClockCalibration cal = Cal("12:00:00", "01/01/2026", "10:00:00", "03/03/0003");
        cal = ComputeGameTime(cal, QDateTime::fromSecsSinceEpoch(beforeSwitch));
        const QString start = cal.OXLTime;
        for (int second = 1; second <= 3; ++second) {
            cal = ComputeGameTime(cal, QDateTime::fromSecsSinceEpoch(beforeSwitch + second));
        }
        QCOMPARE(GameSeconds(cal.OXLTime, cal.OXLDate) - GameSeconds(start, cal.OXLDate), 3 * 18);
    }

    // A system clock set by hand counts in full, forward and back.
    void clockSetByHand()
    {
        ClockCalibration cal = ComputeGameTime(Cal("12:00:00", "12/06/2026", "00:00:00", "01/01/0010"),
                                               Local(2026, 12, 6, 12, 0, 0));
        cal = ComputeGameTime(cal, Local(2026, 12, 7, 12, 0, 0)); // a day forward: 18 game days
        QCOMPARE(cal.OXLDate, QStringLiteral("01/19/0010"));
        cal = ComputeGameTime(cal, Local(2026, 12, 7, 11, 0, 0)); // an hour back: 18 game hours back
        QCOMPARE(cal.OXLTime, QStringLiteral("06:00:00"));
        QCOMPARE(cal.OXLDate, QStringLiteral("01/18/0010"));
        cal = ComputeGameTime(cal, Local(2026, 12, 7, 11, 0, 1)); // and on again as usual
        QCOMPARE(cal.OXLTime, QStringLiteral("06:00:18"));
    }

    // The instant of a previous tick that lies absurdly far from now (no clock gets
    // there) still gives a well-formed game moment: the elapsed time is held within
    // a range whose 18-fold game seconds cannot overflow. (Found by fuzzing.)
    void farInstant_data()
    {
        QTest::addColumn<qint64>("instant");
        QTest::newRow("lowest") << std::numeric_limits<qint64>::min();
        QTest::newRow("highest") << std::numeric_limits<qint64>::max();
        QTest::newRow("just past the 18-fold range") << std::numeric_limits<qint64>::max() / 18 + 1;
    }

    void farInstant()
    {
        QFETCH(qint64, instant);
        ClockCalibration cal = Cal("12:00:00", "12/06/2026", "10:00:00", "03/03/0003");
        cal.Instant = instant;
        const ClockCalibration result = ComputeGameTime(cal, Local(2026, 12, 6, 12, 0, 0));
        QCOMPARE(result.OXLTime.size(), 8);
        QCOMPARE(result.OXLDate.size(), 10);
        const QRegularExpression shape(QStringLiteral("^\\d\\d/\\d\\d/\\d{4}$"));
        QVERIFY2(shape.match(result.OXLDate).hasMatch(), qPrintable(result.OXLDate));
        QVERIFY(result.OXLDate.mid(0, 2).toInt() >= 1 && result.OXLDate.mid(0, 2).toInt() <= 12);
        QVERIFY(result.OXLDate.mid(3, 2).toInt() >= 1 && result.OXLDate.mid(3, 2).toInt() <= 28);
        // Past the year 9999 either way, the year shows as 0000.
        QCOMPARE(result.OXLDate.mid(6), QStringLiteral("0000"));
    }

    // Game seconds beyond 32 bits: a calibration saved years ago.
    void longAbsence()
    {
        const ClockCalibration cal = Cal("08:00:00", "01/01/2000", "00:00:00", "01/01/0001");
        const QDateTime now = Local(2026, 12, 6, 8, 0, 0);
        const int64_t elapsed = now.toSecsSinceEpoch() - Local(2000, 1, 1, 8, 0, 0).toSecsSinceEpoch();
        QVERIFY(elapsed * 18 > std::numeric_limits<int32_t>::max());
        const ClockCalibration result = ComputeGameTime(cal, now);
        const int64_t expected = GameSeconds(QStringLiteral("00:00:00"), QStringLiteral("01/01/0001")) + elapsed * 18;
        QCOMPARE(result.OXLTime, GameText(expected, false));
        QCOMPARE(result.OXLDate, GameText(expected, true));
    }

    // Forward and backward against the independent calendar, on random moments.
    void randomAgainstReference()
    {
        QRandomGenerator random(20261206);
        const QDateTime base = Local(2026, 6, 1, 12, 0, 0);
        for (int i = 0; i < 5000; ++i) {
            const int64_t start = static_cast<int64_t>(random.bounded(100 * 336)) * 86400 + 2 * 336 * 86400
                + random.bounded(86400);
            const int64_t elapsed = static_cast<int64_t>(random.bounded(2 * 2000000)) - 2000000;
            ClockCalibration cal;
            cal.RealTime = base.toString(QStringLiteral("HH:mm:ss"));
            cal.RealDate = base.toString(QStringLiteral("MM/dd/yyyy"));
            cal.OXLTime = GameText(start, false);
            cal.OXLDate = GameText(start, true);
            const ClockCalibration result = ComputeGameTime(cal, base.addSecs(elapsed));
            const int64_t expected = start + elapsed * 18;
            QCOMPARE(result.OXLTime, GameText(expected, false));
            QCOMPARE(result.OXLDate, GameText(expected, true));
        }
    }

    void currentTexts()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QDateTime moment = Local(2026, 1, 5, 7, 5, 9);
        QCOMPARE(CurrentTimeText(moment), QStringLiteral("07:05:09"));
        QCOMPARE(CurrentDateText(moment), QStringLiteral("01/05/2026"));
        QCOMPARE(CurrentTimeText(Local(2026, 12, 6, 17, 5, 9)), QStringLiteral("17:05:09"));
    }

    void placeRealMoment_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QDateTime>("expected");
        QTest::newRow("plain") << "12/06/2026"
                               << "17:05:09" << Local(2026, 12, 6, 17, 5, 9);
        QTest::newRow("day past month end") << "02/31/2026"
                                            << "00:00:00" << Local(2026, 3, 3, 0, 0, 0);
        QTest::newRow("hour 24") << "12/31/2026"
                                 << "24:00:00" << Local(2027, 1, 1, 0, 0, 0);
        QTest::newRow("day 31 of June") << "06/31/2026"
                                        << "10:00:00" << Local(2026, 7, 1, 10, 0, 0);
        QTest::newRow("month 0") << "00/10/2026"
                                 << "10:00:00" << QDateTime();
        QTest::newRow("month 13") << "13/10/2026"
                                  << "10:00:00" << QDateTime();
        QTest::newRow("day 0") << "01/00/2026"
                               << "10:00:00" << QDateTime();
        QTest::newRow("year 0") << "01/01/0000"
                                << "10:00:00" << QDateTime();
        QTest::newRow("blank") << "          "
                               << "        " << QDateTime();
    }

    void placeRealMoment()
    {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QDateTime, expected);
        const auto placed = PlaceRealMoment(date, time);
        QCOMPARE(placed.has_value(), expected.isValid());
        if (placed)
            QCOMPARE(*placed, expected.toSecsSinceEpoch());
    }

    void format12Hour_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("shown");
        QTest::newRow("midnight") << "00:00:00"
                                  << "12:00 AM";
        QTest::newRow("half past midnight") << "00:30:00"
                                            << "12:30 AM";
        QTest::newRow("one") << "01:00:00"
                             << "1:00 AM";
        QTest::newRow("nine") << "09:07:00"
                              << "9:07 AM";
        QTest::newRow("ten") << "10:00:00"
                             << "10:00 AM";
        QTest::newRow("eleven") << "11:59:59"
                                << "11:59 AM";
        QTest::newRow("noon") << "12:00:00"
                              << "12:00 PM";
        QTest::newRow("seconds dropped") << "12:59:59"
                                         << "12:59 PM";
        QTest::newRow("thirteen") << "13:05:00"
                                  << "1:05 PM";
        QTest::newRow("twenty-one") << "21:00:00"
                                    << "9:00 PM";
        QTest::newRow("twenty-two") << "22:10:00"
                                    << "10:10 PM";
        QTest::newRow("last minute") << "23:59:59"
                                     << "11:59 PM";
        QTest::newRow("leading blank") << " 9:07:00"
                                       << "9:07 AM";
        QTest::newRow("letters") << "ab:cd:ef"
                                 << "ab:cd AM";
    }

    void format12Hour()
    {
        QFETCH(QString, time);
        QFETCH(QString, shown);
        QCOMPARE(FormatTime12Hour(time), shown);
    }
};

QTEST_GUILESS_MAIN(TstGameClock)
#include "tst_gameclock.moc"
