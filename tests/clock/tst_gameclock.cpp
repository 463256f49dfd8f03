#include "clock/gameclock.h"
#include "common/gamemodel.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <array>

// Runs with TZ=Europe/Berlin (see the test registration): daylight saving starts on
// 03/29/2026 at 02:00 and ends on 10/25/2026 at 03:00.

namespace {

QDateTime Local(const char* text)
{
    return QDateTime::fromString(QLatin1String(text), Qt::ISODate);
}

} // namespace

class TstGameClock : public QObject
{
    Q_OBJECT

private slots:
    // The real fields come out as "hh:mm:ss" and "MM/DD/YYYY" whatever the regional settings.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void compute_data()
    {
        QTest::addColumn<ClockCalibration>("calibration");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("oxlTime");
        QTest::addColumn<QString>("oxlDate");
        auto row = [](const char* name, const char* realTime, const char* realDate, const char* oxlTime,
                      const char* oxlDate, const char* now, const char* time, const char* date) {
            QTest::newRow(name) << ClockCalibration::FromTexts(QLatin1String(realTime), QLatin1String(realDate),
                                                               QLatin1String(oxlTime), QLatin1String(oxlDate))
                                << Local(now) << QString::fromLatin1(time) << QString::fromLatin1(date);
        };
        row("worked example", "23:00:00", "11/30/2026", "23:59:59", "12/28/0007", "2026-12-25T10:30:15", "15:04:29",
            "04/21/0009");
        row("year 10000 keeps 0000", "12:00:00", "12/06/2026", "23:59:59", "12/28/9999", "2026-12-06T12:00:01",
            "00:00:17", "01/01/0000");
        row("real leap day", "12:00:00", "02/28/2028", "00:00:00", "01/01/0001", "2028-03-01T12:00:00", "00:00:00",
            "02/09/0001");
        // Fields typed out of range come back in with a carry; blank ones read as zero.
        row("game day 30 carries", "12:00:00", "12/06/2026", "10:00:00", "01/30/0005", "2026-12-06T12:00:00",
            "10:00:00", "02/02/0005");
        row("game hour 24 carries", "12:00:00", "12/06/2026", "24:00:00", "01/05/0005", "2026-12-06T12:00:00",
            "00:00:00", "01/06/0005");
        row("blank game fields", "12:00:00", "12/06/2026", "", "", "2026-12-06T12:00:00", "00:00:00", "00/00/0000");
        // The clock set back: the game runs back by 18 times the time, with borrows.
        row("one second back", "17:05:00", "12/06/2026", "10:16:00", "06/14/0003", "2026-12-06T17:04:59", "10:15:42",
            "06/14/0003");
        row("back to before year 1", "12:00:01", "12/06/2026", "00:00:00", "01/01/0000", "2026-12-06T12:00:00",
            "23:59:42", "12/28/0000");
        // A real date that names no moment counts no elapsed time.
        row("month 13", "12:00:00", "13/01/2026", "01:02:03", "04/05/0006", "2026-12-06T12:00:00", "01:02:03",
            "04/05/0006");
        // Daylight saving: the time that really passed counts, one hour of the local clock more or less does not.
        row("spring forward", "01:59:59", "03/29/2026", "10:00:00", "03/03/0003", "2026-03-29T03:00:00", "10:00:18",
            "03/03/0003");
        // 01:30 summer time to 03:30 winter time are three real hours: 54 game hours.
        row("fall back", "01:30:00", "10/25/2026", "10:00:00", "03/03/0003", "2026-10-25T03:30:00", "16:00:00",
            "03/05/0003");
    }

    void compute()
    {
        QFETCH(ClockCalibration, calibration);
        QFETCH(QDateTime, now);
        QFETCH(QString, oxlTime);
        QFETCH(QString, oxlDate);
        const ClockCalibration before = calibration;
        const ClockCalibration result = ComputeGameTime(calibration, now);
        QCOMPARE((QStringList{result.OXLTime, result.OXLDate}), (QStringList{oxlTime, oxlDate}));
        QCOMPARE(result.RealTime, now.toString(QStringLiteral("HH:mm:ss")));
        QCOMPARE(result.RealDate, now.toString(QStringLiteral("MM/dd/yyyy")));
        QCOMPARE(result.Instant, std::optional<int64_t>(now.toSecsSinceEpoch()));
        QCOMPARE(calibration, before);
    }

    // Chains of ticks, forward and back, by seconds or by years (game seconds beyond 32 bits), across the
    // daylight-saving switches and the year 9999, against the independent calendar. Within a run each tick
    // counts from the instant of the previous one, so the hour the local clock jumps adds no game time.
    void randomAgainstModel()
    {
        QRandomGenerator random(20261206);
        const int64_t switches[] = {Local("2026-03-29T01:59:59").toSecsSinceEpoch() + 1,
                                    Local("2026-10-25T01:59:59").toSecsSinceEpoch() + 3601};
        for (int i = 0; i < 5000; ++i) {
            const QDateTime base = i % 4 == 0
                ? QDateTime::fromSecsSinceEpoch(switches[i / 4 % 2] + random.bounded(-1200, 1200))
                : Local("2026-01-01T00:00:00").addSecs(random.bounded(365 * 86400));
            const int64_t start = (int64_t(i % 8 == 1 ? random.bounded(9980, 10000) : random.bounded(10000)) * 336
                                   + random.bounded(336))
                    * 86400
                + random.bounded(86400);
            ClockCalibration cal = ClockCalibration::FromTexts(base.toString(QStringLiteral("HH:mm:ss")),
                                                               base.toString(QStringLiteral("MM/dd/yyyy")),
                                                               gamemodel::Time(start), gamemodel::Date(start));
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
                QCOMPARE(cal.OXLTime, gamemodel::Time(expected));
                QCOMPARE(cal.OXLDate, gamemodel::Date(expected));
                if (expected / 86400 / 336 > 9999)
                    break; // the shown year is no longer the year
            }
        }
    }

    // The instant of a previous tick that lies absurdly far from now (no clock gets there) still gives a
    // well-formed game moment: the elapsed time is held within a range whose 18-fold game seconds cannot
    // overflow. (Found by fuzzing.)
    void farInstant()
    {
        static const QRegularExpression shape(
            QStringLiteral("^([01]\\d|2[0-3]):[0-5]\\d:[0-5]\\d (0[1-9]|1[0-2])/(0[1-9]|1\\d|2[0-8])/0000$"));
        constexpr qint64 highest = std::numeric_limits<qint64>::max();
        for (const qint64 instant :
             {std::numeric_limits<qint64>::min(), highest, highest / 18 + 1, -highest / 18 - 1}) {
            ClockCalibration cal = ClockCalibration::FromTexts(u"12:00:00"_qs, u"12/06/2026"_qs, u"10:00:00"_qs,
                                                               u"03/03/0003"_qs);
            cal.Instant = instant;
            const ClockCalibration result = ComputeGameTime(cal, Local("2026-12-06T12:00:00"));
            QVERIFY2(shape.match(result.OXLTime + u' ' + result.OXLDate).hasMatch(), qPrintable(result.OXLDate));
        }
    }

    // Days past the end of the month and hours of 24 roll over; a month not 1 to 12, a day or year below 1
    // name no moment.
    void placeRealMoment()
    {
        const std::tuple<const char*, const char*, const char*> cases[] = {
            {"12/06/2026", "17:05:09", "2026-12-06T17:05:09"},
            {"02/31/2026", "00:00:00", "2026-03-03T00:00:00"},
            {"12/31/2026", "24:00:00", "2027-01-01T00:00:00"},
            {"00/10/2026", "10:00:00", ""},
            {"13/10/2026", "10:00:00", ""},
            {"01/00/2026", "10:00:00", ""},
            {"01/01/0000", "10:00:00", ""},
            {"ab/cd/efgh", "        ", ""}};
        for (const auto& [date, time, expected] : cases) {
            const auto placed = PlaceRealMoment(QLatin1String(date), QLatin1String(time));
            QCOMPARE(placed.value_or(-1), *expected ? Local(expected).toSecsSinceEpoch() : -1);
        }
    }

    void format12Hour()
    {
        const std::pair<const char*, const char*> cases[] = {
            {"00:30:00", "12:30 AM"}, {"01:00:00", "1:00 AM"},  {"10:00:00", "10:00 AM"},
            {"11:59:59", "11:59 AM"}, {"12:59:59", "12:59 PM"}, {"13:05:00", "1:05 PM"},
            {"22:10:00", "10:10 PM"}, {" 9:07:00", "9:07 AM"},  {"ab:cd:ef", "ab:cd AM"}};
        for (const auto& [time, shown] : cases)
            QCOMPARE(FormatTime12Hour(QLatin1String(time)), QLatin1String(shown));
    }
};

QTEST_GUILESS_MAIN(TstGameClock)
#include "tst_gameclock.moc"
