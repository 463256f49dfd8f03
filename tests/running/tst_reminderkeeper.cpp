#include "files/oxlfiles.h"
#include "running/reminderkeeper.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The reminders kept while the program runs, without a window: what they tell the player.
class TstReminderKeeper : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;

private slots:
    void initTestCase() { SetProgramFolder(mDir.path()); }

    // The notice at start lists ten unusable entries at most, then how many more.
    void ignoredListed()
    {
        QFile ini(mDir.filePath(u"kelvara-utility.ini"_qs));
        QByteArray bad = "[Reminders]\n";
        for (int i = 1; i <= 12; ++i)
            bad += QByteArray::number(i) + "\\day=0\n";
        QVERIFY(ini.open(QIODevice::WriteOnly) && ini.write(bad) > 0);
        ini.close();
        ReminderKeeper keeper;
        QSignalSpy notices(&keeper, &ReminderKeeper::Notice);
        keeper.Load();
        QVERIFY(notices.wait(1000));
        const QString body = notices[0][1].toString();
        QCOMPARE(body.count(u'\n'), 12);
        QVERIFY(body.contains(u"entry 10: day \"0\" is not from 1 to 28\nand 2 more\n"_qs));
    }
};

QTEST_GUILESS_MAIN(TstReminderKeeper)
#include "tst_reminderkeeper.moc"
