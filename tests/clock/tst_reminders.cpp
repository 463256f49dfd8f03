#include "clock/reminders.h"

#include <QTest>

// Runs with TZ=Europe/Berlin. The real moment is 12:00:00; each row sets the game clock of that moment. 18 game
// seconds are one real second: 3 game hours are 10 real minutes, a game month is 134,400 real seconds.
class TstReminders : public QObject
{
    Q_OBJECT

private slots:
    void firingRules()
    {
        struct Case
        {
            const char *time, *date;
            int day, minutes;
            qint64 announced; // seconds from now; 0: never announced
            const char* body; // empty: nothing is announced
            qint64 nextCheck; // seconds from now
        };
        const Case cases[] = {
            {"21:00:00", "03/14/0005", 15, 10, 0, "Day 15 begins in 10 minutes, TODAY AT 12:10 PM", 134400},
            {"22:00:00", "03/14/0005", 15, 10, 0, "Day 15 begins in 6 minutes 40 seconds, TODAY AT 12:06 PM", 134200},
            {"00:00:18", "03/15/0005", 15, 10, 0, "", 134399 - 600}, // the day begun a second ago
            {"22:00:00", "03/14/0005", 15, 10, 400, "", 134200},     // already announced
            // Announced 400 s before the start, then the system clock went back an hour.
            {"04:00:00", "03/14/0005", 15, 90, 4000, "", 4000 + 134400 - 5400},
            // The start announced under the old calibration was 5 minutes earlier.
            {"22:00:00", "03/14/0005", 15, 10, 100, "Day 15 begins in 6 minutes 40 seconds, TODAY AT 12:06 PM", 134200},
            {"23:59:42", "03/14/0005", 15, 0, 0, "", 1},
            {"00:00:00", "03/15/0005", 15, 0, 0, "Day 15 begins now, TODAY AT 12:00 PM", 134400},
            // 18 game days are one real day.
            {"00:00:00", "02/25/0005", 15, 1440, 0, "Day 15 begins in 1 day, TOMORROW AT 12:00 PM", 134400},
            {"23:00:00", "03/28/0005", 1, 10, 0, "Day 1 begins in 3 minutes 20 seconds, TODAY AT 12:03 PM",
             200 + 134400 - 600}};
        const QDateTime now(QDate(2026, 12, 6), QTime(12, 0));
        for (const Case& c : cases) {
            const auto calibration = ClockCalibration::FromTexts(u"12:00:00"_qs, u"12/06/2026"_qs,
                                                                 QLatin1String(c.time), QLatin1String(c.date));
            const auto announced = c.announced ? std::optional(now.toSecsSinceEpoch() + c.announced) : std::nullopt;
            const Reminder reminder{c.day, c.minutes, true, u"Dawn"_qs, announced};
            const Reminder off{c.day, c.minutes, false, u"Off"_qs, std::nullopt};
            const ReminderCheck check = CheckReminders(calibration, now, {off, reminder});
            QCOMPARE(check.NextCheck - now.toSecsSinceEpoch(), c.nextCheck);
            QCOMPARE(check.Alerts.size(), *c.body ? 1u : 0u);
            if (*c.body) // the one switched off is never announced
                QCOMPARE(check.Alerts.front().Summary + u' ' + check.Alerts.front().Body,
                         QStringLiteral("Dawn: day %1 ").arg(c.day) + QLatin1String(c.body));
        }
        // A start announced at the ends of the number range is no start near today's.
        const auto calibration = ClockCalibration::FromTexts(u"12:00:00"_qs, u"12/06/2026"_qs, u"21:00:00"_qs,
                                                             u"03/14/0005"_qs);
        for (const int64_t far : {std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max()})
            QCOMPARE(CheckReminders(calibration, now, {{15, 10, true, {}, far}}).Alerts.size(), 1u);
    }
};

QTEST_GUILESS_MAIN(TstReminders)
#include "tst_reminders.moc"
