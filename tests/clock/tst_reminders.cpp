// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/reminders.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Runs with TZ=Europe/Berlin. Each row sets the real moment (noon: 12:00:00 on 12/06/2026) and the game clock of
// that moment. 18 game seconds are one real second: 3 game hours are 10 real minutes, a game day 4,800 real seconds,
// a game month 134,400.
class TstReminders : public QObject
{
    Q_OBJECT

private slots:
    void firingRules()
    {
        struct Case
        {
            const char *now, *time, *date;
            int day, minutes;
            qint64 announced, running; // seconds from now (0: never announced); seconds the reminder has been armed
            const char* body;          // empty: nothing is announced
            qint64 nextCheck;          // seconds from now
        };
        const char* noon = "12/06/2026 12:00:00";
        const Case cases[] = {
            {noon, "21:00:00", "03/14/0005", 15, 10, 0, 0, "Day 15 begins in 10 minutes, TODAY AT 12:10 PM", 134400},
            {noon, "22:00:00", "03/14/0005", 15, 10, 0, 0, "Day 15 begins in 6 minutes 40 seconds, TODAY AT 12:06 PM",
             134200},                                                     // started late, before the day began
            {noon, "22:00:00", "03/14/0005", 15, 10, 400, 0, "", 134200}, // already announced
            // Announced 400 s before the start, then the system clock went back an hour.
            {noon, "04:00:00", "03/14/0005", 15, 90, 4000, 600, "", 4000 + 134400 - 5400},
            // The start announced under the old calibration was 5 minutes earlier.
            {noon, "22:00:00", "03/14/0005", 15, 10, 100, 0, "Day 15 begins in 6 minutes 40 seconds, TODAY AT 12:06 PM",
             134200},
            {noon, "23:59:42", "03/14/0005", 15, 0, 0, 0, "", 1},
            {noon, "00:00:00", "03/15/0005", 15, 0, 0, 0, "Day 15 begins now, TODAY AT 12:00 PM", 134400},
            // A start that fell due while the reminder was armed is told late while its day lasts; one it was
            // armed after (the program started, the reminder switched on) is not. A stall across the one second of a
            // 0-minute reminder.
            {noon, "00:00:18", "03/15/0005", 15, 0, 0, 1, "Day 15 began 1 second ago, TODAY AT 11:59 AM", 134399},
            {noon, "00:00:18", "03/15/0005", 15, 10, 0, 0, "", 134399 - 600},
            {"12/07/2026 00:02:00", "01:12:00", "03/07/0005", 7, 10, 0, 3600,
             "Day 7 began 4 minutes ago, YESTERDAY AT 11:58 PM", 134400 - 240 - 600},
            {noon, "01:12:00", "03/15/0005", 15, 10, -240, 3600, "", 134400 - 240 - 600}, // told before it began
            {noon, "23:59:42", "03/15/0005", 15, 10, 0, 86400,
             "Day 15 began 1 hour 19 minutes 59 seconds ago, TODAY AT 10:40 AM", 134400 - 4799 - 600},
            {noon, "00:00:00", "03/16/0005", 15, 10, 0, 86400, "", 134400 - 4800 - 600}, // the day is over
            // Across the daylight-saving switches: 01:55 CET + 10 minutes is 03:05 CEST; 18 game days are one real
            // day, and the day from 1 PM CEST has 25 hours.
            {"03/28/2027 01:55:00", "21:00:00", "03/14/0005", 15, 10, 0, 0,
             "Day 15 begins in 10 minutes, TODAY AT 3:05 AM", 134400},
            {"10/30/2027 13:00:00", "00:00:00", "02/25/0005", 15, 1440, 0, 0,
             "Day 15 begins in 1 day, TOMORROW AT 12:00 PM", 134400}};
        for (const Case& c : cases) {
            const QDateTime now = QDateTime::fromString(QLatin1String(c.now), u"MM/dd/yyyy HH:mm:ss"_s);
            const auto calibration = ClockCalibration::FromTexts(QLatin1String(c.now + 11), QLatin1String(c.now),
                                                                 QLatin1String(c.time), QLatin1String(c.date));
            const auto announced = c.announced ? std::optional(now.toSecsSinceEpoch() + c.announced) : std::nullopt;
            // A NUL in the label, which a notification's title cannot hold, shows as U+FFFD.
            const Reminder reminder{c.day, c.minutes, true, u"Dawn %1"_s + QChar(0), announced};
            const Reminder off{c.day, c.minutes, false, u"Off"_s, std::nullopt};
            const ReminderCheck check = CheckReminders(calibration, now, {off, reminder},
                                                       {0, now.toSecsSinceEpoch() - c.running});
            QCOMPARE(check.NextCheck - now.toSecsSinceEpoch(), c.nextCheck);
            QCOMPARE(check.Alerts.size(), *c.body ? 1u : 0u);
            if (*c.body) // the one switched off is never announced
                QCOMPARE(check.Alerts.front().Summary + u' ' + check.Alerts.front().Body,
                         u"Dawn %1\uFFFD: day "_s + QString::number(c.day) + u' ' + QLatin1String(c.body));
        }
        // A start announced at the ends of the number range is no start near today's.
        const auto calibration = ClockCalibration::FromTexts(u"12:00:00"_s, u"12/06/2026"_s, u"21:00:00"_s,
                                                             u"03/14/0005"_s);
        const QDateTime noonTime(QDate(2026, 12, 6), QTime(12, 0));
        for (const int64_t far : {std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max()})
            QCOMPARE(CheckReminders(calibration, noonTime, {{15, 10, true, {}, far}}, {0}).Alerts.size(), 1u);
    }
};

QTEST_GUILESS_MAIN(TstReminders)
#include "tst_reminders.moc"
