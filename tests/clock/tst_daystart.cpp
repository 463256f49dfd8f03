#include "clock/daystart.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTimeZone>

// Runs with TZ=Europe/Berlin: the random moments cross both daylight-saving switches.
class TstDayStart : public QObject
{
    Q_OBJECT

private slots:
    void startsOfDays_data()
    {
        QTest::addColumn<ClockCalibration>("calibration");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("count");
        QRandomGenerator random(12);
        const int64_t from = QDateTime(QDate(2026, 1, 1), QTime(0, 0)).toSecsSinceEpoch();
        const QLatin1Char zero('0');
        for (int i = 0; i < 300; ++i) {
            const QDateTime set = QDateTime::fromSecsSinceEpoch(from + random.bounded(2 * 365 * 86400));
            // A third of the game clocks stand in the last seconds of a game month, a third of the
            // moments in the last minutes of a real month.
            const bool gameMonthEnd = i % 3 == 0;
            const int second = gameMonthEnd ? 86399 - random.bounded(20) : random.bounded(86400);
            const QString date = QStringLiteral("%1/%2/%3")
                                     .arg(1 + random.bounded(12), 2, 10, zero)
                                     .arg(gameMonthEnd ? 28 : 1 + random.bounded(28), 2, 10, zero)
                                     .arg(1 + random.bounded(9998), 4, 10, zero);
            QDateTime now = set.addSecs(gameMonthEnd ? 0 : random.bounded(400 * 86400));
            if (i % 3 == 1)
                now = QDateTime(now.date().addDays(now.date().daysInMonth() - now.date().day()), QTime(23, 59, 59))
                          .addSecs(-random.bounded(300));
            QTest::addRow("%d", i) << ClockCalibration::FromTexts(
                CurrentTimeText(set), CurrentDateText(set),
                QTime::fromMSecsSinceStartOfDay(second * 1000).toString(QStringLiteral("hh:mm:ss")), date)
                                   << now << 1 + random.bounded(28) << 1 + random.bounded(4);
        }
    }

    // Each start is the first second whose game clock shows day D, at most 17 game seconds
    // into it; the first agrees with the forecast of Next Specified Day.
    void startsOfDays()
    {
        QFETCH(ClockCalibration, calibration);
        QFETCH(QDateTime, now);
        QFETCH(int, day);
        QFETCH(int, count);
        const std::vector<DayStart> starts = NextDayStarts(calibration, now, day, count);
        QCOMPARE(int(starts.size()), count);
        for (size_t i = 0; i < starts.size(); ++i) {
            const DayStart& start = starts[i];
            auto clock = [&](int64_t instant) {
                return ComputeGameTime(calibration, QDateTime::fromSecsSinceEpoch(instant));
            };
            const ClockCalibration at = clock(start.Instant), before = clock(start.Instant - 1);
            QVERIFY2(at.OXLDate.mid(3, 2).toInt() == day && start.GameDate == at.OXLDate
                         && at.OXLTime <= QLatin1String("00:00:17") && before.OXLDate != at.OXLDate,
                     qPrintable(before.OXLDate + QLatin1Char(' ') + at.OXLTime + QLatin1Char(' ') + at.OXLDate));
            if (i > 0)
                QCOMPARE(start.Instant - starts[i - 1].Instant, int64_t{RealSecondsPerGameMonth});
        }
        const int64_t wait = starts[0].Instant - now.toSecsSinceEpoch();
        QVERIFY(wait > 0 && wait <= RealSecondsPerGameMonth);

        // The forecast counts the same real seconds (it drops a part second) and, on the
        // wall clock it counts on, names the same minute.
        const ClockCalibration current = ComputeGameTime(calibration, now);
        const GameDayForecast forecast = ForecastGameDay(current, static_cast<int16_t>(day));
        QVERIFY(forecast.WaitText == ForecastWaitText(int32_t(wait))
                || forecast.WaitText == ForecastWaitText(int32_t(wait - 1)));
        const QDateTime wall(now.toLocalTime().date(), now.toLocalTime().time(), QTimeZone::utc());
        const QDateTime startWall = wall.addSecs(wait - (forecast.WaitText != ForecastWaitText(int32_t(wait))));
        const char* days[] = {"TODAY AT ", "TOMORROW AT ", "TWO DAYS FROM NOW AT "};
        QCOMPARE(forecast.MomentText,
                 QLatin1String(days[wall.date().daysTo(startWall.date())])
                     + startWall.time().toString(QStringLiteral("h:mm AP")));
    }
};

QTEST_GUILESS_MAIN(TstDayStart)
#include "tst_daystart.moc"
