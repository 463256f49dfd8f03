#include "clock/forecast.h"
#include "common/gamemodel.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

// Runs with TZ=Europe/Berlin; the random moments lie in summer time, away from the daylight-saving switches.
class TstForecast : public QObject
{
    Q_OBJECT

private slots:
    // The exact texts: units in the singular, a unit of zero left out. A real hour of 24 (the calibration
    // dialog lets it through) is the next midnight; the real date is not used.
    void forecast()
    {
        const std::array<const char*, 6> cases[] = {
            {"23:50:10", "00:00:00", "03/15/0005", "1 DAY  13 HOURS  20 MINUTES  ", "TWO DAYS FROM NOW AT 1:10 PM"},
            {"09:05:40", "23:59:42", "05/14/0002", "1 SECOND", "TODAY AT 9:05 AM"}, // 18 game seconds left
            {"00:07:00", "23:59:43", "05/14/0002", "", "TODAY AT 12:07 AM"},        // 17 left
            {"23:30:00", "06:00:00", "05/14/0002", "1 HOUR  ", "TOMORROW AT 12:30 AM"},
            {"24:00:00", "12:00:00", "03/14/0005", "40 MINUTES  ", "TOMORROW AT 12:40 AM"}};
        for (const auto& c : cases) {
            const GameDayForecast result = ForecastGameDay(
                ClockCalibration::FromTexts(QLatin1String(c[0]), u"ab/cd/efgh"_qs, QLatin1String(c[1]),
                                            QLatin1String(c[2])),
                15);
            QCOMPARE(result.WaitText + u'|' + result.MomentText, QLatin1String(c[3]) + u'|' + QLatin1String(c[4]));
        }
    }

    // For random moments the texts announce a real moment that, carried back through the game clock, lands on
    // 00:00:00 of the requested game day.
    void randomAgainstGameClock()
    {
        QRandomGenerator random(15150015);
        static const QRegularExpression momentForm(
            QStringLiteral("^(TODAY|TOMORROW|TWO DAYS FROM NOW) AT ([1-9]|1[0-2]):([0-5][0-9]) (AM|PM)$"));
        static const QRegularExpression unit(QStringLiteral("(\\d+) ([DHMS])"));
        auto game = [](const ClockCalibration& c) { return gamemodel::Seconds(c.OXLTime, c.OXLDate); };
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

            const GameDayForecast result = ForecastGameDay(record, static_cast<int16_t>(day));
            const QString what = QStringLiteral("%1 %2, day %3 at %4: %5 %6")
                                     .arg(record.OXLTime, record.OXLDate, QString::number(day), record.RealTime,
                                          result.WaitText, result.MomentText);
            QCOMPARE(GameSecondsUntilDay(record, static_cast<int16_t>(day)), target - start);
            int64_t wait = 0;
            for (auto it = unit.globalMatch(result.WaitText); it.hasNext();) {
                const auto match = it.next();
                const int64_t seconds[] = {86400, 3600, 60, 1};
                wait += match.captured(1).toLongLong() * seconds[QStringLiteral("DHMS").indexOf(match.captured(2))];
            }
            const int64_t reached = game(ComputeGameTime(record, now.addSecs(wait)));
            QVERIFY2(reached <= target && reached > target - 18, qPrintable(what));

            // The announced minute: the target lies within it, give or take the dropped part second.
            const auto match = momentForm.match(result.MomentText);
            QVERIFY2(match.hasMatch(), qPrintable(what));
            const int dayOffset = QStringList{"TODAY", "TOMORROW", "TWO DAYS FROM NOW"}.indexOf(match.captured(1));
            const int hour = match.captured(2).toInt() % 12 + (match.captured(4) == QLatin1String("PM") ? 12 : 0);
            const QDateTime announced(now.date().addDays(dayOffset), QTime(hour, match.captured(3).toInt()));
            QVERIFY2(game(ComputeGameTime(record, announced)) <= target, qPrintable(what));
            QVERIFY2(game(ComputeGameTime(record, announced.addSecs(61))) > target, qPrintable(what));
        }
    }
};

QTEST_GUILESS_MAIN(TstForecast)
#include "tst_forecast.moc"
