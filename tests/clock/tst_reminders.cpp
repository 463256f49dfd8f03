#include "clock/reminders.h"

#include <QTest>

// Runs with TZ=Europe/Berlin. The real moment is 12:00:00; each row sets the game
// clock of that moment. 18 game seconds are one real second: 3 game hours are 10
// real minutes, a game month is 134,400 real seconds.
class TstReminders : public QObject
{
    Q_OBJECT

private slots:
    void firingRules_data()
    {
        QTest::addColumn<QString>("oxlTime");
        QTest::addColumn<QString>("oxlDate");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<qint64>("announced"); // seconds from now; 0: never announced
        QTest::addColumn<QString>("body");     // empty: nothing is announced
        QTest::addColumn<qint64>("nextCheck"); // seconds from now
        auto row = [](const char* name, const char* time, const char* date, int day, int minutes, qint64 announced,
                      const char* body, qint64 next) {
            QTest::newRow(name) << QString::fromLatin1(time) << QString::fromLatin1(date) << day << minutes << announced
                                << QString::fromLatin1(body) << next;
        };
        row("due now", "21:00:00", "03/14/0005", 15, 10, 0, "Day 15 begins in 10 minutes, TODAY AT 12:10 PM", 134400);
        row("due in a second", "20:59:42", "03/14/0005", 15, 10, 0, "", 1);
        row("due earlier, day not begun", "22:00:00", "03/14/0005", 15, 10, 0,
            "Day 15 begins in 6 minutes 40 seconds, TODAY AT 12:06 PM", 134200);
        row("day begun a second ago", "00:00:18", "03/15/0005", 15, 10, 0, "", 134399 - 600);
        row("already announced", "22:00:00", "03/14/0005", 15, 10, 400, "", 134200);
        // Announced 400 s before the start, then the system clock went back an hour.
        row("clock set back", "04:00:00", "03/14/0005", 15, 90, 4000, "", 4000 + 134400 - 5400);
        // The start announced under the old calibration was 5 minutes earlier.
        row("new calibration", "22:00:00", "03/14/0005", 15, 10, 100,
            "Day 15 begins in 6 minutes 40 seconds, TODAY AT 12:06 PM", 134200);
        row("calibration typed again", "22:00:00", "03/14/0005", 15, 10, 370, "", 134200);
        row("lead 0, a second before", "23:59:42", "03/14/0005", 15, 0, 0, "", 1);
        row("lead 0, at the start", "00:00:00", "03/15/0005", 15, 0, 0, "Day 15 begins now, TODAY AT 12:00 PM", 134400);
        // 18 game days are one real day.
        row("lead 1440", "00:00:00", "02/25/0005", 15, 1440, 0, "Day 15 begins in 1 day, TOMORROW AT 12:00 PM", 134400);
        row("day 28 to day 1", "23:00:00", "03/28/0005", 1, 10, 0,
            "Day 1 begins in 3 minutes 20 seconds, TODAY AT 12:03 PM", 200 + 134400 - 600);
    }

    void firingRules()
    {
        QFETCH(QString, oxlTime);
        QFETCH(QString, oxlDate);
        QFETCH(int, day);
        QFETCH(int, minutes);
        QFETCH(qint64, announced);
        QFETCH(QString, body);
        QFETCH(qint64, nextCheck);
        const QDateTime now(QDate(2026, 12, 6), QTime(12, 0));
        const auto calibration = ClockCalibration::FromTexts(QStringLiteral("12:00:00"), QStringLiteral("12/06/2026"),
                                                             oxlTime, oxlDate);
        Reminder reminder{day, minutes, true, QStringLiteral("Dawn"), std::nullopt};
        if (announced != 0)
            reminder.Announced = now.toSecsSinceEpoch() + announced;
        const Reminder off{day, minutes, false, QStringLiteral("Off"), std::nullopt};

        const ReminderCheck check = CheckReminders(calibration, now, {off, reminder});
        QCOMPARE(check.NextCheck - now.toSecsSinceEpoch(), nextCheck);
        QCOMPARE(check.Alerts.size(), body.isEmpty() ? 0u : 1u);
        if (body.isEmpty())
            return;
        const ReminderAlert& alert = check.Alerts.front();
        QCOMPARE(alert.Index, 1u);
        QCOMPARE(alert.Body, body);
        QCOMPARE(alert.Summary, QStringLiteral("Dawn: day %1").arg(day));
    }
};

QTEST_GUILESS_MAIN(TstReminders)
#include "tst_reminders.moc"
