#include "clock/forecast.h"
#include "clock/gameclock.h"
#include "common/gamemodel.h"

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

int64_t GameSeconds(const ClockCalibration& r)
{
    return gamemodel::Seconds(r.OXLTime, r.OXLDate);
}

// The real seconds a wait text names.
int64_t WaitSeconds(const QString& text)
{
    static const QRegularExpression unit(QStringLiteral("(\\d+) ([DHMS])"));
    int64_t total = 0;
    for (auto it = unit.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        const int64_t seconds[] = {86400, 3600, 60, 1};
        total += match.captured(1).toLongLong() * seconds[QStringLiteral("DHMS").indexOf(match.captured(2))];
    }
    return total;
}

} // namespace

class TstForecast : public QObject
{
    Q_OBJECT

private slots:
    // The exact texts: units in the singular, a unit of zero left out, the 12-hour clock. Real seconds carry
    // the shown minute, hour and day on; a real hour of 24 (the calibration dialog lets it through) is the
    // next midnight. The real date is not used.
    void forecast()
    {
        struct Case
        {
            const char *realTime, *oxlTime, *oxlDate;
            int day;
            const char *wait, *moment;
        };
        const Case cases[] = {
            {"14:30:00", "10:20:30", "03/10/0005", 15, "6 HOURS  5 MINUTES  31 SECONDS", "TODAY AT 8:35 PM"},
            {"23:50:10", "00:00:00", "03/15/0005", 15, "1 DAY  13 HOURS  20 MINUTES  ", "TWO DAYS FROM NOW AT 1:10 PM"},
            {"10:00:00", "10:00:00", "05/28/0002", 1, "46 MINUTES  40 SECONDS", "TODAY AT 10:46 AM"},
            {"09:05:40", "23:59:42", "05/14/0002", 15, "1 SECOND", "TODAY AT 9:05 AM"}, // 18 game seconds left
            {"00:07:00", "23:59:43", "05/14/0002", 15, "", "TODAY AT 12:07 AM"},        // 17 left
            {"09:05:40", "23:41:42", "05/14/0002", 15, "1 MINUTE  1 SECOND", "TODAY AT 9:06 AM"},
            {"23:30:00", "06:00:00", "05/14/0002", 15, "1 HOUR  ", "TOMORROW AT 12:30 AM"},
            {"23:59:30", "23:50:00", "05/14/0002", 15, "33 SECONDS", "TOMORROW AT 12:00 AM"},
            {"24:00:00", "12:00:00", "03/14/0005", 15, "40 MINUTES  ", "TOMORROW AT 12:40 AM"}};
        for (const Case& c : cases) {
            ClockCalibration record = Record(c.realTime, c.oxlTime, c.oxlDate);
            const GameDayForecast result = ForecastGameDay(record, static_cast<int16_t>(c.day));
            QCOMPARE(result.WaitText, QLatin1String(c.wait));
            QCOMPARE(result.MomentText, QLatin1String(c.moment));
            record.RealDate = u"ab/cd/efgh"_qs;
            QCOMPARE(ForecastGameDay(record, static_cast<int16_t>(c.day)), result);
        }
    }

    // Fields out of their ranges (the calibration dialog lets an hour of 24 or a day of 31 through) and fields
    // that name no game moment at all: the engine still answers, with a wait between nothing and one game
    // month. Where the next tick brings the fields back, the forecast is already the ticked one.
    void oddFields()
    {
        struct Case
        {
            ClockCalibration record;
            int16_t day;
            int gameSecondsLeft;
            bool ticks;
        };
        const Case cases[] = {
            {Record("10:00:00", "24:00:00", "03/05/0005"), 15, 9 * 86400, true},
            {Record("10:00:00", "24:00:00", "03/14/0005"), 15, 28 * 86400, true}, // hour 24 of the day before
            {Record("10:00:00", "24:00:00", "03/31/0005"), 4, 28 * 86400, true},
            {Record("", "", ""), 15, 15 * 86400, false}, // 00:00:00 on day 0, the day before day 1
            {Record("10:00:00", "00:00:00", "01/99/0001"), 15, 28 * 86400, false},
            {Record("10:00:00", "23:59:.5", "01/14/0001"), 15, 60, false}}; // the fraction rounds to even
        static const QRegularExpression clock(QStringLiteral("(^|AT )([1-9]|1[0-2]):[0-5][0-9] [AP]M$"));
        for (const Case& c : cases) {
            QCOMPARE(GameSecondsUntilDay(c.record, c.day), c.gameSecondsLeft);
            const GameDayForecast result = ForecastGameDay(c.record, c.day);
            QCOMPARE(WaitSeconds(result.WaitText), c.gameSecondsLeft / GameClockRate);
            QVERIFY2(clock.match(result.MomentText).hasMatch(), qPrintable(result.MomentText));
            if (c.ticks) { // a tick with no real time passed
                ClockCalibration ticked = ComputeGameTime(c.record, QDateTime(QDate(2026, 6, 15), QTime(10, 0, 0)));
                ticked.RealTime = c.record.RealTime;
                QCOMPARE(ForecastGameDay(ticked, c.day), result);
            }
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
            const int64_t monthStart = ((1 + int64_t(random.bounded(9000))) * 12 + random.bounded(12)) * 28 * 86400;
            const int64_t start = monthStart
                + (i % 4 == 0 ? (day - 1) * 86400 + random.bounded(-60, 61) // near the target
                              : random.bounded(28 * 86400));
            const ClockCalibration record = ClockCalibration::FromTexts(now.toString(QStringLiteral("HH:mm:ss")),
                                                                        now.toString(QStringLiteral("MM/dd/yyyy")),
                                                                        gamemodel::Time(start), gamemodel::Date(start));

            // The target: the next start of the day, a full month on when it is now.
            int64_t target = start / (28 * 86400) * (28 * 86400) + (day - 1) * 86400;
            if (target <= start)
                target += 28 * 86400;

            const GameDayForecast result = ForecastGameDay(record, static_cast<int16_t>(day));
            const QString what = QStringLiteral("%1 %2, day %3 at %4")
                                     .arg(record.OXLTime, record.OXLDate, QString::number(day), record.RealTime);
            QCOMPARE(GameSecondsUntilDay(record, static_cast<int16_t>(day)), target - start);
            const int64_t game = GameSeconds(ComputeGameTime(record, now.addSecs(WaitSeconds(result.WaitText))));
            QVERIFY2(game <= target && game > target - 18, qPrintable(what));

            // The announced minute: the target lies within it, give or take the dropped part second.
            const auto match = momentForm.match(result.MomentText);
            QVERIFY2(match.hasMatch(), qPrintable(what + QStringLiteral(": ") + result.MomentText));
            const int dayOffset = QStringList{"TODAY", "TOMORROW", "TWO DAYS FROM NOW"}.indexOf(match.captured(1));
            const int hour = match.captured(2).toInt() % 12 + (match.captured(4) == QLatin1String("PM") ? 12 : 0);
            const QDateTime announced(now.date().addDays(dayOffset), QTime(hour, match.captured(3).toInt()));
            QVERIFY2(GameSeconds(ComputeGameTime(record, announced)) <= target, qPrintable(what));
            QVERIFY2(GameSeconds(ComputeGameTime(record, announced.addSecs(61))) > target, qPrintable(what));
        }
    }
};

QTEST_GUILESS_MAIN(TstForecast)
#include "tst_forecast.moc"
