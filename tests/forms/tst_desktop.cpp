#include "clock/systemclock.h"
#include "common/standins.h"
#include "desktop/clockcheck.h"
#include "desktop/notifier.h"
#include "files/oxlfiles.h"
#include "forms/frmmain.h"
#include "forms/globals.h"
#include "forms/reminderkeeper.h"

#include <QtDBus>
#include <QtTest>
#include <QtWidgets>

// Stand-ins for the desktop's services on a private bus: they record what they receive.
class Notifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QList<QVariantList> calls;

public slots:
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int timeout)
    {
        calls << QVariantList{app, replaces, icon, summary, body, actions, hints, timeout};
        return uint(calls.size());
    }

signals:
    void ActionInvoked(uint id, const QString& key);
};

class TimeDate : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.timedate1")
    Q_PROPERTY(bool NTPSynchronized MEMBER mSynchronized)
    bool mSynchronized = false;
};

class TstDesktop : public QObject
{
    Q_OBJECT

    QProcess mDaemon;
    QTemporaryDir mDir;
    Notifications mNotifications;
    TimeDate mTimeDate;
    QDateTime mNow{QDate(2026, 12, 6), QTime(12, 0)};

    static QWidget* Shown(const char* name)
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible())
                return w;
        return nullptr;
    }

    static QLabel* Warning(frmMain& w) { return w.findChild<QLabel*>(u"lblClockWarning"_qs); }

private slots:
    void notificationsAndClockWarning()
    {
        const QString address = StartPrivateBus(mDaemon);
        QVERIFY(!address.isEmpty());
        QDBusConnection services = QDBusConnection::connectToBus(address, u"services"_qs);
        QVERIFY(services.registerObject(u"/org/freedesktop/Notifications"_qs, &mNotifications,
                                        QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
        QVERIFY(services.registerObject(u"/org/freedesktop/timedate1"_qs, &mTimeDate,
                                        QDBusConnection::ExportAllProperties));
        QVERIFY(services.registerService(u"org.freedesktop.Notifications"_qs));
        QVERIFY(services.registerService(u"org.freedesktop.timedate1"_qs));

        SetProgramFolder(mDir.path());
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), mDir.filePath(u"Kelvara.mdb"_qs)));
        QFile calibration(mDir.filePath(u"OXLTIMES.DAT"_qs));
        // Day 15 begins 2 game hours, 400 real seconds, after 12:00:00.
        QVERIFY(calibration.open(QIODevice::WriteOnly)
                && calibration.write("12:00:00\r\n12/06/2026\r\n22:00:00\r\n03/14/0005\r\n") == 44);
        calibration.close();
        SystemClock::SetSource([this] { return mNow; });

        QDBusConnection client = QDBusConnection::connectToBus(address, u"client"_qs);
        auto w = std::make_unique<frmMain>();
        w->Form_Load();
        // As at a real start: the services come once the window shows, after the first tick was queued; the
        // reminder due at that tick still goes to the desktop.
        QTimer::singleShot(0, w.get(),
                           [&] { w->UseDesktop(new Notifier(client, u"kelvara-utility"_qs), new ClockCheck(client)); });
        QTRY_COMPARE(mNotifications.calls.size(), 1);
        QVERIFY(!Shown("frmNotice"));
        const QVariantList call = mNotifications.calls[0];
        QCOMPARE(call[3], u"Good moon: day 15"_qs);
        QCOMPARE(call[4], u"Day 15 begins in 6 minutes 40 seconds, TODAY AT 12:06 PM"_qs);
        QVERIFY(call[5].toStringList().contains(QLatin1String(ReminderKeeper::GoodMoonAction)));
        QCOMPARE(call[6].toMap().value(u"sound-name"_qs), u"alarm-clock-elapsed"_qs);
        emit mNotifications.ActionInvoked(1, u"default"_qs);
        QTRY_VERIFY(Shown("frmNextGoodMoon"));
        QTRY_VERIFY(Warning(*w) && !Warning(*w)->isHidden());
        w = std::make_unique<frmMain>(); // a restart: the announced start is not repeated
        w->Form_Load();
        w->UseDesktop(new Notifier(client, QString()), nullptr);
        w->tmrMain_Timer();
        w->Reminders()->Test(gCalibration, SystemClock::Now(), {3, 0, true, u"Probe"_qs, {}});
        QTRY_COMPARE(mNotifications.calls.size(), 2);
        QCOMPARE(mNotifications.calls[1][3], u"Probe: day 3"_qs);
        w->Reminders()->Hold(true); // the Reminders window open across the next start: it comes when it closes
        mNow = mNow.addSecs(134400 + 420);
        w->tmrMain_Timer();
        w->Reminders()->Hold(false);
        w->tmrMain_Timer();
        QTRY_COMPARE(mNotifications.calls.size(), 3);
        QCOMPARE(mNotifications.calls[2][4], u"Day 15 began 20 seconds ago, TODAY AT 1:26 AM"_qs);
        QVERIFY(services.unregisterService(u"org.freedesktop.Notifications"_qs)); // without the services
        QVERIFY(services.unregisterService(u"org.freedesktop.timedate1"_qs));
        w->UseDesktop(new Notifier(client, QString()), new ClockCheck(client));
        w->Reminders()->Test(gCalibration, SystemClock::Now(), {3, 0, true, u"Probe"_qs, {}});
        QTRY_VERIFY(Shown("frmNotice"));
        Shown("frmNotice")->close();
        w->UseDesktop(new Notifier(QDBusConnection(u"closed"_qs), QString()), nullptr); // no bus at all
        w->Reminders()->Test(gCalibration, SystemClock::Now(), {3, 0, true, u"Probe"_qs, {}});
        QTRY_VERIFY(Shown("frmNotice"));
        QVERIFY(!client.interface()->isServiceRegistered(u"org.freedesktop.timedate1"_qs).value()); // answers in
        QCoreApplication::processEvents();
        QVERIFY(!Warning(*w));
    }
};

QTEST_MAIN(TstDesktop)
#include "tst_desktop.moc"
