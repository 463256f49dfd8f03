// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/daystart.h"
#include "clock/forecast.h"
#include "clock/nextday.h"
#include "clock/texttests.h"
#include "common/gamemodel.h"
#include "core/kelvaraerror.h"
#include "core/textnum.h"
#include "desktop/wallclockalarm.h"

#include <QtTest>

#include <array>
#include <limits>

using namespace Qt::StringLiterals;

// The game clock, the alarm at an instant of the wall clock, when a game day comes, and what the player types: the
// calibration dialog's texts, the answer to Next Specified Day, the number reading with its whole-number conversions.
// Runs with TZ=Europe/Berlin: daylight saving starts on 03/29/2026 at 02:00 and ends on 10/25/2026 at 03:00. The
// forecast's random moments lie in summer time, away from the switches; those of the day starts cross both.
class TstGameClock : public QObject
{
    Q_OBJECT

private slots:
    // Regional settings with a decimal comma change neither how numbers are read nor the clock's texts: the real
    // fields come out as "hh:mm:ss" and "MM/DD/YYYY".
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        std::setlocale(LC_ALL, "de_DE.UTF-8");
    }

    // What the random check cannot reach: fields typed out of range come back in with a carry, blank ones read
    // as zero; a real date that names no moment counts no elapsed time.
    void carries()
    {
        const std::array<const char*, 4> cases[] = {{"12/00/2026", "10:00:00", "01/30/0005", "10:00:00 02/02/0005"},
                                                    {"12/06/2026", "24:00:00", "01/05/0005", "00:00:00 01/06/0005"},
                                                    {"13/06/2026", "", "", "00:00:00 00/00/0000"},
                                                    // A game date off the calendar carries at once: 99 days, 99 months.
                                                    {"12/06/2026", "00:00:00", "99/99/0001", "00:00:00 06/15/0009"}};
        for (const auto& c : cases) {
            const ClockCalibration result = ComputeGameTime(
                ClockCalibration::FromTexts(u"12:00:00"_s, QLatin1String(c[0]), QLatin1String(c[1]),
                                            QLatin1String(c[2])),
                QDateTime(QDate(2026, 12, 6), QTime(12, 0)));
            QCOMPARE(result.OXLTime + u' ' + result.OXLDate, QLatin1String(c[3]));
        }
    }

    // Readings the clocks show twice or skip are placed one way, whatever moment the system was last asked
    // about (the C library's guess follows it): the repeated hour in summer time, the skipped one as after the
    // switch.
    void switchHours_data()
    {
        QTest::addColumn<QString>("reading"); // "hh:mm:ss MM/DD/YYYY", local time
        QTest::addColumn<QString>("utc");
        const char* rows[][2] = {{"02:00:00 10/25/2026", "00:00:00"}, {"02:59:59 10/25/2026", "00:59:59"},
                                 {"03:00:00 10/25/2026", "02:00:00"}, {"01:59:59 10/25/2026", "23:59:59"},
                                 {"02:00:00 03/29/2026", "01:00:00"}, {"03:00:00 03/29/2026", "01:00:00"},
                                 {"01:59:59 03/29/2026", "00:59:59"}};
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
    }
    void switchHours()
    {
        QFETCH(QString, reading);
        QFETCH(QString, utc);
        for (const QDateTime& asked :
             {QDateTime(QDate(2026, 7, 1), QTime(12, 0)), QDateTime(QDate(2026, 12, 1), QTime(12, 0))}) {
            QVERIFY(asked.toSecsSinceEpoch() > 0);
            const auto placed = PlaceRealMoment(reading.mid(9), reading.left(8));
            QVERIFY(placed);
            QCOMPARE(QDateTime::fromSecsSinceEpoch(*placed, QTimeZone::utc()).toString(u"HH:mm:ss"_s), utc);
        }
    }

    // Chains of ticks, forward and back, by seconds or by years (game seconds beyond 32 bits), across the
    // daylight-saving switches and the year 9999, against the independent calendar. Within a run each tick
    // counts from the instant of the previous one, so the hour the local clock jumps adds no game time.
    void randomAgainstModel()
    {
        QRandomGenerator random(20261206);
        const int64_t switches[] = {QDateTime(QDate(2026, 3, 29), QTime(3, 0)).toSecsSinceEpoch(),
                                    QDateTime(QDate(2026, 10, 25), QTime(1, 59, 59)).toSecsSinceEpoch() + 3601};
        for (int i = 0; i < 5000; ++i) {
            const QDateTime base = i % 4 == 0
                ? QDateTime::fromSecsSinceEpoch(switches[i / 4 % 2] + random.bounded(-1200, 1200))
                : QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addSecs(random.bounded(365 * 86400));
            const int64_t start = (int64_t(i % 8 == 1 ? random.bounded(9980, 10000) : random.bounded(10000)) * 336
                                   + random.bounded(336))
                    * 86400
                + random.bounded(86400);
            ClockCalibration cal = gamemodel::At(base, start);
            // Near a switch, and on the day whose texts from 02:00 to 03:00 name two instants, a tick within the run.
            if (i % 4 == 0 || base.date() == QDate(2026, 10, 25))
                cal.Instant = base.toSecsSinceEpoch();
            QDateTime now = base;
            for (int tick = 0; tick < 3; ++tick) {
                const qint64 span = std::array<qint64, 3>{900, 2000000, 200000000}[random.bounded(3)];
                now = now.addSecs(random.bounded(-span, span + 1));
                cal = ComputeGameTime(cal, now);
                const int64_t expected = start + (now.toSecsSinceEpoch() - base.toSecsSinceEpoch()) * GameClockRate;
                if (expected < 0)
                    break;
                QCOMPARE(cal.RealTime + u' ' + cal.RealDate, now.toString(QStringLiteral("HH:mm:ss MM/dd/yyyy")));
                QCOMPARE(cal.Instant, std::optional<int64_t>(now.toSecsSinceEpoch()));
                QCOMPARE(cal.OXLTime + u' ' + cal.OXLDate,
                         gamemodel::Time(expected) + u' ' + gamemodel::Date(expected));
                if (expected / 86400 / 336 > 9999)
                    break; // the shown year is no longer the year
            }
        }
    }

    // The exact texts: units in the singular, a unit of zero left out. A real hour of 24 (the calibration
    // dialog lets it through) is the next midnight; the real date is not used.
    void forecast()
    {
        const std::array<const char*, 5> cases[] = {
            {"23:50:10", "00:00:00", "03/15/0005", "1 DAY  13 HOURS  20 MINUTES  ", "TWO DAYS FROM NOW AT 1:10 PM"},
            {"09:05:40", "23:59:42", "05/14/0002", "1 SECOND", "TODAY AT 9:05 AM"}, // 18 game seconds left
            {"00:07:00", "23:59:43", "05/14/0002", "", "TODAY AT 12:07 AM"},        // 17 left
            {"23:30:00", "06:00:00", "05/14/0002", "1 HOUR  ", "TOMORROW AT 12:30 AM"},
            {"24:00:00", "12:00:00", "03/14/0005", "40 MINUTES  ", "TOMORROW AT 12:40 AM"}};
        for (const auto& c : cases) {
            const GameDayForecast result = ForecastGameDay(
                ClockCalibration::FromTexts(QLatin1String(c[0]), u"ab/cd/efgh"_s, QLatin1String(c[1]),
                                            QLatin1String(c[2])),
                15);
            QCOMPARE(result.WaitText + u'|' + result.MomentText, QLatin1String(c[3]) + u'|' + QLatin1String(c[4]));
        }
    }

    // Hour 24 and day 31 pass, letters count as 0, the year is not tested.
    void texts()
    {
        for (const char* time : {"16:45:00", "24:00:00", "23:59:59", "ab:cd:ef", "12:30:"})
            QVERIFY2(IsValidTimeText(QLatin1String(time)), time);
        for (const char* time : {"25:00:00", "12:60:00", "12:00:60", "9:45:00", "-1:00:00", "", "12:30"})
            QVERIFY2(!IsValidTimeText(QLatin1String(time)), time);
        for (const char* date : {"07/04/2026", "12/10/2026", "02/31/2026", "12/25/abcd"})
            QVERIFY2(IsValidDateText(QLatin1String(date)), date);
        for (const char* date : {"00/10/2026", "13/01/2026", "01/32/0005", "01/00/0005", "1/2/2026", "07/04-2026", ""})
            QVERIFY2(!IsValidDateText(QLatin1String(date)), date);
    }

    // The answer is read as a number and rounded to a day (ties to even); 0, Cancel and no number end the
    // command without a word.
    void nextDay()
    {
        const auto message = [](int day, const char* wait, const char* moment) {
            return QStringLiteral("Day %1 of the month will be in \r\n%2\r\n%3")
                .arg(QString::number(day), QLatin1String(wait), QLatin1String(moment));
        };
        const ClockCalibration calibration = ClockCalibration::FromTexts(u"14:30:00"_s, u"06/15/2026"_s, u"10:20:30"_s,
                                                                         u"03/10/0005"_s);
        for (const QString& answer : {u""_s, u"0"_s, u"abc"_s, u"-0.5"_s})
            QVERIFY2(!NextDayMessage(answer, calibration), qPrintable(answer));
        for (const QString& answer : {u"29"_s, u"-1"_s, u"28.6"_s, QString(400, u'9')})
            QCOMPARE(NextDayMessage(answer, calibration), u"You need to enter a day between 1 and 28."_s);
        const std::pair<QString, QString> cases[] = {
            {"1", message(1, "1 DAY  45 MINUTES  31 SECONDS", "TOMORROW AT 3:15 PM")},
            {"28", message(28, "23 HOURS  25 MINUTES  31 SECONDS", "TOMORROW AT 1:55 PM")},
            {"  +15 days", message(15, "6 HOURS  5 MINUTES  31 SECONDS", "TODAY AT 8:35 PM")},
            {"14.5", message(14, "4 HOURS  45 MINUTES  31 SECONDS", "TODAY AT 7:15 PM")},
            {"15.5", message(16, "7 HOURS  25 MINUTES  31 SECONDS", "TODAY AT 9:55 PM")}};
        for (const auto& [answer, expected] : cases)
            QCOMPARE(NextDayMessage(answer, calibration), expected);
    }

    // Each start is the first second whose game clock shows day D, at most 17 game seconds into it. A third of the
    // game clocks stand in the last seconds of a game month, a third of the moments in the last minutes of a real
    // month.
    void startsOfDays()
    {
        QRandomGenerator random(12);
        const int64_t from = QDateTime(QDate(2026, 1, 1), QTime(0, 0)).toSecsSinceEpoch();
        for (int i = 0; i < 300; ++i) {
            const QDateTime set = QDateTime::fromSecsSinceEpoch(from + random.bounded(2 * 365 * 86400));
            const bool gameMonthEnd = i % 3 == 0;
            const int64_t month = 12 + random.bounded(9998 * 12);
            const int64_t game = (month * 28 + (gameMonthEnd ? 27 : random.bounded(28))) * 86400
                + (gameMonthEnd ? 86399 - random.bounded(20) : random.bounded(86400));
            const ClockCalibration calibration = gamemodel::At(set, game);
            QDateTime now = set.addSecs(gameMonthEnd ? 0 : random.bounded(400 * 86400));
            if (i % 3 == 1)
                now = QDateTime(now.date().addDays(now.date().daysInMonth() - now.date().day()), QTime(23, 59, 59))
                          .addSecs(-random.bounded(300));
            const int day = 1 + random.bounded(28), count = 1 + random.bounded(4);
            const std::vector<DayStart> starts = NextDayStarts(calibration, now, day, count);
            QCOMPARE(int(starts.size()), count);
            for (const DayStart& start : starts) {
                const QDateTime instant = QDateTime::fromSecsSinceEpoch(start.Instant);
                const ClockCalibration at = ComputeGameTime(calibration, instant),
                                       before = ComputeGameTime(calibration, instant.addSecs(-1));
                QVERIFY2(at.OXLDate.mid(3, 2).toInt() == day && start.GameDate == at.OXLDate
                             && at.OXLTime <= QLatin1String("00:00:17") && before.OXLDate != at.OXLDate,
                         qPrintable(before.OXLDate + u' ' + at.OXLTime + u' ' + at.OXLDate));
            }
        }
    }

    // The number at the start of a text (inner blanks ignored; a second point, a comma, an exponent or letters end
    // it; a lone or doubled sign is 0), or of the piece at positions first..first+count-1 (partly past the end too).
    void numberValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("first"); // 0: the whole text
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("expected");
        const std::tuple<const char*, int, int, double> rows[] = {
            {"15", 0, 0, 15},    {"15 days", 0, 0, 15}, {"1 5", 0, 0, 15}, {"1.2.3", 0, 0, 1.2},
            {"  -3x", 0, 0, -3}, {"abc", 0, 0, 0},      {"", 0, 0, 0},     {"-", 0, 0, 0},
            {"--5", 0, 0, 0},    {"1,5", 0, 0, 1},      {"1e5", 0, 0, 1},  {"12/25/2026", 7, 4, 2026},
            {"12:30", 7, 2, 0},  {"12:30:5", 7, 2, 5}};
        for (const auto& [text, first, count, expected] : rows)
            QTest::addRow("\"%s\" from %d", text, first) << QString::fromLatin1(text) << first << count << expected;
    }

    void numberValue()
    {
        QFETCH(QString, text);
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(double, expected);
        QCOMPARE(first == 0 ? NumberValue(text) : PieceValue(text, first, count), expected);
    }

    // -1: Overflow.
    void wholeNumbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("to16");
        QTest::addColumn<qint64>("to32");
        QTest::newRow("2.5 to even") << 2.5 << 2 << qint64(2);
        QTest::newRow("3.5 to even") << 3.5 << 4 << qint64(4);
        QTest::newRow("-0.5") << -0.5 << 0 << qint64(0);
        QTest::newRow("16-bit top") << 32767.4 << 32767 << qint64(32767);
        QTest::newRow("16-bit bottom") << -32768.5 << -32768 << qint64(-32768);
        QTest::newRow("32767.5 rounds up") << 32767.5 << -1 << qint64(32768);
        QTest::newRow("32-bit top + 0.5 stays (even)") << 2147483646.5 << -1 << qint64(2147483646);
        QTest::newRow("past 32-bit top") << 2147483647.5 << -1 << qint64(-1);
        QTest::newRow("32-bit bottom") << -2147483648.0 << -1 << qint64(-2147483648LL);
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << -1 << qint64(-1);
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << -1 << qint64(-1);
    }

    void wholeNumbers()
    {
        QFETCH(double, value);
        QFETCH(int, to16);
        QFETCH(qint64, to32);
        auto convert = [](auto f) -> qint64 {
            try {
                return f();
            } catch (const KelvaraError& e) {
                return e.message() == QStringLiteral("Overflow") ? -1 : throw;
            }
        };
        QCOMPARE(convert([&] { return qint64(ToInt16(value)); }), qint64(to16));
        QCOMPARE(convert([&] { return qint64(ToInt32(value)); }), to32);
    }

    // The system's alarm: Linux's timerfd, Windows' QTimer.
    void firesOnceAtItsInstant()
    {
        WallClockAlarm &past = *WallClockAlarm::Make(this), &epoch = *WallClockAlarm::Make(this),
                       &replaced = *WallClockAlarm::Make(this), &disarmed = *WallClockAlarm::Make(this);
        QSignalSpy pastDue(&past, &WallClockAlarm::Due), epochDue(&epoch, &WallClockAlarm::Due),
            disarmedDue(&disarmed, &WallClockAlarm::Due);
        qint64 firedAt = 0;
        connect(&replaced, &WallClockAlarm::Due, this, [&firedAt] { firedAt = QDateTime::currentMSecsSinceEpoch(); });
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        QVERIFY(past.Arm(now - 3600) && epoch.Arm(0) && replaced.Arm(now - 1) && disarmed.Arm(now + 1));
        QVERIFY(replaced.Arm(now + 2));
        disarmed.Disarm();
        QTRY_COMPARE_WITH_TIMEOUT(pastDue.count() + epochDue.count(), 2, 1000); // at once
        QVERIFY(!past.IsArmed() && replaced.IsArmed() && !disarmed.IsArmed());
        QTRY_VERIFY_WITH_TIMEOUT(firedAt != 0, 5000);
        QVERIFY2(firedAt >= (now + 2) * 1000, "fired before its instant");
        QCOMPARE((QList<qsizetype>{pastDue.count(), disarmedDue.count()}), (QList<qsizetype>{1, 0})); // once; never
    }
};

QTEST_GUILESS_MAIN(TstGameClock)
#include "tst_gameclock.moc"
