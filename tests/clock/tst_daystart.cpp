#include "clock/daystart.h"
#include "common/gamemodel.h"

#include <QtTest>

// Runs with TZ=Europe/Berlin: the random moments cross both daylight-saving switches.
class TstDayStart : public QObject
{
    Q_OBJECT

private slots:
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
            for (size_t k = 0; k < starts.size(); ++k) {
                const QDateTime instant = QDateTime::fromSecsSinceEpoch(starts[k].Instant);
                const ClockCalibration at = ComputeGameTime(calibration, instant),
                                       before = ComputeGameTime(calibration, instant.addSecs(-1));
                QVERIFY2(at.OXLDate.mid(3, 2).toInt() == day && starts[k].GameDate == at.OXLDate
                             && at.OXLTime <= QLatin1String("00:00:17") && before.OXLDate != at.OXLDate,
                         qPrintable(before.OXLDate + u' ' + at.OXLTime + u' ' + at.OXLDate));
                if (k > 0)
                    QCOMPARE(starts[k].Instant - starts[k - 1].Instant, int64_t{RealSecondsPerGameMonth});
            }
            const int64_t wait = starts[0].Instant - now.toSecsSinceEpoch();
            QVERIFY(wait > 0 && wait <= RealSecondsPerGameMonth);
        }
    }
};

QTEST_GUILESS_MAIN(TstDayStart)
#include "tst_daystart.moc"
