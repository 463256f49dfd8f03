#include "clock/gameclock.h"
#include "clock/systemclock.h"
#include "common/filebytes.h"
#include "common/testfolder.h"
#include "desktop/notifier.h"
#include "running/reminderkeeper.h"

#include <QDBusConnection>
#include <QtTest>

using namespace Qt::StringLiterals;

// The reminders kept while the program runs, without a window: what they tell the player.
class TstReminderKeeper : public QObject
{
    Q_OBJECT

    TestFolder mDir;

private slots:
    // The notice at start lists ten unusable entries at most, then how many more, under a heading that says what it
    // tells of.
    void ignoredListed_data()
    {
        QTest::addColumn<QByteArray>("file"); // none: a folder in its place
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("body");
        QByteArray bad = "[Reminders]\n";
        for (int i = 1; i <= 12; ++i)
            bad += QByteArray::number(i) + "\\day=0\n";
        QTest::newRow("entries") << bad << u"Some reminders were ignored"_s
                                 << u"entry 9: day \"0\" is not from 1 to 28\nentry 10: day \"0\" is not from 1 to 28\n"
                                    "and 2 more\n"_s;
        QTest::newRow("size") << QByteArray("[Reminders]\nsize=-1\n1\\day=3\n") << u"Some settings were ignored"_s
                              << u"reminders \"-1\" is not from 0 to 2147483647"_s;
        QTest::newRow("unread") << QByteArray() << u"The settings could not be read"_s
                                << u"could not be used:\nthe file could not be read: it is a folder"_s;
    }
    void ignoredListed()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, heading);
        QFETCH(QString, body);
        const QString name = mDir.filePath(u"kelvara-utility.ini"_s);
        QFile::remove(name);
        QDir(name).removeRecursively();
        QVERIFY(file.isEmpty() ? QDir().mkdir(name) : PutFile(name, file));
        ReminderKeeper keeper;
        QSignalSpy notices(&keeper, &ReminderKeeper::Notice);
        keeper.Load();
        QVERIFY(notices.wait(1000));
        QCOMPARE(notices[0][0].toString(), heading);
        QVERIFY2(notices[0][1].toString().contains(body), qPrintable(notices[0][1].toString()));
    }

    // A notification the desktop did not take is shown by the program with the wait as it is then.
    void waitTold()
    {
        QDir(mDir.filePath(u"kelvara-utility.ini"_s)).removeRecursively(); // the default reminder: day 15, 10 min
        QDateTime now(QDate(2026, 6, 15), QTime(14, 30, 0));
        SystemClock::SetSource([&now] { return now; });
        ReminderKeeper keeper;
        keeper.Load();
        keeper.SetNotifier(new Notifier(QDBusConnection(u"none"_s), QString(), Notifier::AnswerTimeout, &keeper));
        QSignalSpy notices(&keeper, &ReminderKeeper::Notice);
        keeper.Tick(
            ComputeGameTime(ClockCalibration::FromTexts(u"14:30:00"_s, u"06/15/2026"_s, u"23:30:00"_s, u"03/14/0005"_s),
                            now),
            now.toSecsSinceEpoch());
        now = now.addSecs(20);
        QVERIFY(notices.wait(1000));
        SystemClock::SetSource({});
        QVERIFY2(notices[0][1].toString().startsWith(u"Day 15 begins in 1 minute 20 seconds"_s),
                 qPrintable(notices[0][1].toString()));
    }
};

QTEST_GUILESS_MAIN(TstReminderKeeper)
#include "tst_reminderkeeper.moc"
