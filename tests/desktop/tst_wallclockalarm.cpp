#include "desktop/wallclockalarm.h"

#include <QtTest>

class TstWallClockAlarm : public QObject
{
    Q_OBJECT

private slots:
    void firesOnceAtItsInstant()
    {
        WallClockAlarm past, epoch, replaced, disarmed;
        QSignalSpy pastDue(&past, &WallClockAlarm::Due), epochDue(&epoch, &WallClockAlarm::Due),
            disarmedDue(&disarmed, &WallClockAlarm::Due);
        qint64 firedAt = 0;
        connect(&replaced, &WallClockAlarm::Due, this, [&firedAt] { firedAt = QDateTime::currentMSecsSinceEpoch(); });
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        QVERIFY(past.Arm(now - 3600) && epoch.Arm(0) && replaced.Arm(now - 1) && disarmed.Arm(now + 1));
        QVERIFY(replaced.Arm(now + 2));
        disarmed.Disarm();
        QTRY_COMPARE_WITH_TIMEOUT(pastDue.count() + epochDue.count(), 2, 1000); // at once
        QVERIFY(!past.IsArmed() && replaced.IsArmed() && !disarmed.IsArmed());
        QTRY_VERIFY_WITH_TIMEOUT(firedAt != 0, 5000);
        QVERIFY2(firedAt >= (now + 2) * 1000, "fired before its instant");
        QCOMPARE((QList<qsizetype>{pastDue.count(), disarmedDue.count()}), (QList<qsizetype>{1, 0})); // once; never
    }
};

QTEST_GUILESS_MAIN(TstWallClockAlarm)
#include "tst_wallclockalarm.moc"
