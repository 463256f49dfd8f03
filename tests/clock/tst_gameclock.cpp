#include "common/gamemodel.h"

#include <QtTest>

#include <array>

using namespace Qt::StringLiterals;

// Runs with TZ=Europe/Berlin: daylight saving starts on 03/29/2026 at 02:00 and ends on 10/25/2026 at 03:00.
class TstGameClock : public QObject
{
    Q_OBJECT

private slots:
    // The real fields come out as "hh:mm:ss" and "MM/DD/YYYY" whatever the regional settings.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

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
        const char* rows[][2] = {{"02:30:00 10/25/2026", "00:30:00"}, {"02:00:00 10/25/2026", "00:00:00"},
                                 {"02:59:59 10/25/2026", "00:59:59"}, {"03:00:00 10/25/2026", "02:00:00"},
                                 {"01:59:59 10/25/2026", "23:59:59"}, {"02:30:00 03/29/2026", "01:30:00"},
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
};

QTEST_GUILESS_MAIN(TstGameClock)
#include "tst_gameclock.moc"
