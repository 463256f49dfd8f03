#include "clock/forecast.h"
#include "common/gamemodel.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// Runs with TZ=Europe/Berlin; the random moments lie in summer time, away from the daylight-saving switches.
class TstForecast : public QObject
{
    Q_OBJECT

private slots:
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

    // For random moments the engine counts the game seconds to the next start of the day, and the real wait and
    // moment that follow from them.
    void randomAgainstGameClock()
    {
        QRandomGenerator random(15150015);
        for (int i = 0; i < 20000; ++i) {
            const QDateTime now(QDate(2026, 4, 1).addDays(random.bounded(180)),
                                QTime(random.bounded(24), random.bounded(60), random.bounded(60)));
            const int day = 1 + random.bounded(28);
            const int64_t monthStart = ((1 + int64_t(random.bounded(9000))) * 12 + random.bounded(12)) * 28 * 86400;
            const int64_t start = monthStart
                + (i % 4 == 0 ? (day - 1) * 86400 + random.bounded(-60, 61) // near the target
                              : random.bounded(28 * 86400));
            const ClockCalibration record = gamemodel::At(now, start);
            // The target: the next start of the day, a full month on when it is now.
            int64_t target = start / (28 * 86400) * (28 * 86400) + (day - 1) * 86400;
            if (target <= start)
                target += 28 * 86400;

            QCOMPARE(GameSecondsUntilDay(record, int16_t(day)), target - start);
            // The wait drops the part second: 17 game seconds left are no wait. The moment is on the 12-hour clock.
            const QDateTime then = now.addSecs((target - start) / GameClockRate);
            const char* days[] = {"TODAY AT ", "TOMORROW AT ", "TWO DAYS FROM NOW AT "};
            const QString moment = QLatin1String(days[now.date().daysTo(then.date())]) + then.toString(u"h:mm AP"_s);
            QCOMPARE(ForecastGameDay(record, int16_t(day)),
                     (GameDayForecast{ForecastWaitText(int32_t(now.secsTo(then))), moment}));
        }
    }
};

QTEST_GUILESS_MAIN(TstForecast)
#include "tst_forecast.moc"
