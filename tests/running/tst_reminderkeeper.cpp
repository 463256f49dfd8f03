// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/systemclock.h"
#include "common/faultkit.h"
#include "common/filebytes.h"
#include "running/reminderkeeper.h"
#include "running/remindermoment.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// The reminders kept while the program runs, without a window: what they tell the player, and their file. The
// desktop's notification service: tst_reminderkeeper_dbus.
class TstReminderKeeper : public QObject, ReminderMoment
{
    Q_OBJECT

private slots:
    void init() // no settings file, nor a folder in its place
    {
        QFile::remove(mFile);
        QDir(mFile).removeRecursively();
    }

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
        QVERIFY(file.isEmpty() ? QDir().mkdir(mFile) : PutFile(mFile, file));
        ReminderKeeper keeper;
        QSignalSpy notices(&keeper, &ReminderKeeper::Notice);
        keeper.Load();
        QVERIFY(notices.wait(1000));
        QCOMPARE(notices[0][0].toString(), heading);
        QVERIFY2(notices[0][1].toString().contains(body), qPrintable(notices[0][1].toString()));
    }

    // What another writer changed in the file while the program ran stays at the save of an announcement, and comes in.
    void handEditsKept()
    {
        QVERIFY(PutFile(mFile, "[Reminders]\n1\\day=15\n1\\minutes=10\n1\\label=Moon\n"));
        {
            ReminderKeeper keeper;
            keeper.Load();
            keeper.SetNotifier(nullptr);
            QVERIFY(PutFile(mFile, "[Reminders]\n1\\day=15\n1\\minutes=10\n1\\label=Full\n2\\day=3\n2\\minutes=5\n"));
            keeper.Tick(mClock, mNow.toSecsSinceEpoch()); // day 15 is told, and remembered
            QTRY_COMPARE(keeper.Settings().Reminders.size(), 2u);
            QCOMPARE(keeper.Settings().Reminders[0].Label, u"Full"_s);
        }
        QVERIFY(FileBytes(mFile).contains("1\\label=Full\n1\\enabled=true\n1\\announced="
                                          + QByteArray::number(mNow.toSecsSinceEpoch() + 100) + "\n2\\day=3"));
    }

    // A start announced while its save failed is kept by the next save.
    void announcedAfterFailedSave()
    {
        if (faultkit::NoFullDisk)
            QSKIP(faultkit::NoFullDisk);
        QVERIFY(PutFile(mFile, "[Reminders]\n1\\day=15\n1\\minutes=10\n"));
        ReminderKeeper keeper;
        keeper.Load();
        keeper.SetNotifier(nullptr);
        QSignalSpy notices(&keeper, &ReminderKeeper::Notice);
        {
            const faultkit::FullDisk full(8);
            keeper.Tick(mClock, mNow.toSecsSinceEpoch());
            QTRY_COMPARE(notices.size(), 2); // the reminder, then the failed save
        }
        QCOMPARE(keeper.Apply(keeper.Settings()), QString());
        QVERIFY(FileBytes(mFile).contains("1\\announced="));
    }
};

QTEST_GUILESS_MAIN(TstReminderKeeper)
#include "tst_reminderkeeper.moc"
