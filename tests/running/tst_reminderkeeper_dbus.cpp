// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/systemclock.h"
#include "common/standins.h"
#include "desktop/notifier_dbus.h"
#include "running/reminderkeeper.h"
#include "running/remindermoment.h"

#include <QDBusConnection>
#include <QtTest>

using namespace Qt::StringLiterals;

// The reminders told through the desktop's notification service, played on a private bus.
class TstReminderKeeperDBus : public QObject, ReminderMoment
{
    Q_OBJECT

private slots:
    // A notification the desktop did not take is shown by the program with the wait as it is then.
    void waitTold()
    {
        QDir(mFile).removeRecursively(); // the default reminder: day 15, 10 min
        QDateTime now = mNow;
        SystemClock::SetSource([&now] { return now; });
        ReminderKeeper keeper;
        keeper.Load();
        keeper.SetNotifier(
            new DBusNotifier(QDBusConnection(u"none"_s), QString(), DBusNotifier::AnswerTimeout, &keeper));
        QSignalSpy notices(&keeper, &ReminderKeeper::Notice);
        keeper.Tick(mClock, now.toSecsSinceEpoch());
        now = now.addSecs(20);
        QVERIFY(notices.wait(1000));
        SystemClock::SetSource({});
        QVERIFY2(notices[0][1].toString().startsWith(u"Day 15 begins in 1 minute 20 seconds"_s),
                 qPrintable(notices[0][1].toString()));
    }

    // A start counts as announced once the notification service answered for it: one it never answered before the
    // program ended is sent again by the next start of the program.
    void toldOnceAnswered_data()
    {
        QTest::addColumn<int>("delay"); // of the service's answer: 0 at once, -1 never
        QTest::addColumn<int>("sent");  // notifications in the two runs
        QTest::newRow("answered") << 0 << 1;
        QTest::newRow("never answered") << -1 << 2;
    }
    void toldOnceAnswered()
    {
        QFETCH(int, delay);
        QFETCH(int, sent);
        QProcess daemon;
        const QString address = StartPrivateBus(daemon);
        QVERIFY(!address.isEmpty());
        QDBusConnection services = QDBusConnection::connectToBus(address, address); // a bus of its own each row
        Notifications service;
        service.delay = delay;
        QVERIFY(
            services.registerObject(u"/org/freedesktop/Notifications"_s, &service, QDBusConnection::ExportAllContents)
            && services.registerService(u"org.freedesktop.Notifications"_s));
        QFile::remove(mFile);
        for (int run = 1; run <= 2; ++run) {
            ReminderKeeper keeper;
            keeper.Load();
            keeper.SetNotifier(new DBusNotifier(QDBusConnection::connectToBus(address, address + u'c'), QString(),
                                                DBusNotifier::AnswerTimeout, &keeper));
            keeper.Tick(mClock, mNow.toSecsSinceEpoch());
            QTest::qWait(300);
        }
        QCOMPARE(service.calls.size(), sent);
        daemon.kill();
        daemon.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TstReminderKeeperDBus)
#include "tst_reminderkeeper_dbus.moc"
