#include "clock/systemclock.h"
#include "desktop/clockcheck.h"
#include "desktop/notifier.h"
#include "files/oxlfiles.h"
#include "forms/frmmain.h"
#include "forms/globals.h"
#include "forms/reminderkeeper.h"

#include <QApplication>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
    Q_PROPERTY(bool NTPSynchronized READ NTPSynchronized)

public:
    bool NTPSynchronized() const { return false; }
};

class TstDesktop : public QObject
{
    Q_OBJECT

    QProcess mDaemon;
    QTemporaryDir mDir;
    Notifications mNotifications;
    TimeDate mTimeDate;

    QDBusConnection Bus(const QString& name) { return QDBusConnection::connectToBus(mAddress, name); }
    QString mAddress;

    static QWidget* Shown(const char* name)
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String(name) && w->isVisible())
                return w;
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        mDaemon.start(QStringLiteral("dbus-daemon"), {"--session", "--print-address", "--nofork"});
        QVERIFY(mDaemon.waitForReadyRead(10000));
        mAddress = QString::fromUtf8(mDaemon.readLine()).trimmed();
        QDBusConnection services = Bus(QStringLiteral("services"));
        QVERIFY(services.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &mNotifications,
                                        QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
        QVERIFY(services.registerObject(QStringLiteral("/org/freedesktop/timedate1"), &mTimeDate,
                                        QDBusConnection::ExportAllProperties));
        QVERIFY(services.registerService(QStringLiteral("org.freedesktop.Notifications")));
        QVERIFY(services.registerService(QStringLiteral("org.freedesktop.timedate1")));

        SetProgramFolder(mDir.path());
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), mDir.filePath(QStringLiteral("Kelvara.mdb"))));
        QFile calibration(mDir.filePath(QStringLiteral("OXLTIMES.DAT")));
        QVERIFY(calibration.open(QIODevice::WriteOnly));
        // Day 15 begins 2 game hours, 400 real seconds, after 12:00:00.
        calibration.write("12:00:00\r\n12/06/2026\r\n22:00:00\r\n03/14/0005\r\n");
        SystemClock::SetSource([] { return QDateTime(QDate(2026, 12, 6), QTime(12, 0)); });
    }

    void cleanupTestCase()
    {
        mDaemon.kill();
        mDaemon.waitForFinished();
    }

    void notificationsAndClockWarning()
    {
        QDBusConnection client = Bus(QStringLiteral("client"));
        {
            frmMain w;
            w.Form_Load();
            w.UseDesktop(new Notifier(client, QStringLiteral("kelvara-utility")), new ClockCheck(client));
            w.tmrMain_Timer();
            QTRY_COMPARE(mNotifications.calls.size(), 1);
            const QVariantList call = mNotifications.calls[0];
            QCOMPARE(call[2], QStringLiteral("kelvara-utility"));
            QCOMPARE(call[3], QStringLiteral("Good moon: day 15"));
            QCOMPARE(call[4], QStringLiteral("Day 15 begins in 6 minutes 40 seconds, TODAY AT 12:06 PM"));
            QVERIFY(call[5].toStringList().contains(QLatin1String(ReminderKeeper::GoodMoonAction)));
            QCOMPARE(call[6].toMap().value(QStringLiteral("sound-name")), QStringLiteral("alarm-clock-elapsed"));

            emit mNotifications.ActionInvoked(1, QStringLiteral("default"));
            QTRY_VERIFY(Shown("frmNextGoodMoon"));
            QTRY_VERIFY(w.findChild<QLabel*>(QStringLiteral("lblClockWarning")));
            QVERIFY(!w.findChild<QLabel*>(QStringLiteral("lblClockWarning"))->isHidden());
            w.close();
        }
        // A restart remembers the start it announced: the next call is the Test below.
        {
            frmMain w;
            w.Form_Load();
            w.UseDesktop(new Notifier(client, QString()), nullptr);
            w.tmrMain_Timer();
            w.Reminders()->Test(gCalibration, SystemClock::Now(), {3, 0, true, QStringLiteral("Probe"), {}});
            QTRY_COMPARE(mNotifications.calls.size(), 2);
            QCOMPARE(mNotifications.calls[1][3], QStringLiteral("Probe: day 3"));
            w.close();
        }
        // Without the services: no warning, and the notification in the program's own window.
        QDBusConnection services = Bus(QStringLiteral("services"));
        QVERIFY(services.unregisterService(QStringLiteral("org.freedesktop.Notifications")));
        QVERIFY(services.unregisterService(QStringLiteral("org.freedesktop.timedate1")));
        frmMain w;
        w.Form_Load();
        w.UseDesktop(new Notifier(client, QString()), new ClockCheck(client));
        w.Reminders()->Test(gCalibration, SystemClock::Now(), {3, 0, true, QStringLiteral("Probe"), {}});
        QTRY_VERIFY(Shown("frmNotice"));
        Shown("frmNotice")->close();
        // No bus at all: the same.
        w.UseDesktop(new Notifier(QDBusConnection(QStringLiteral("closed")), QString()), nullptr);
        w.Reminders()->Test(gCalibration, SystemClock::Now(), {3, 0, true, QStringLiteral("Probe"), {}});
        QTRY_VERIFY(Shown("frmNotice"));
        // Both calls went out before this round trip, so their answers are in.
        QVERIFY(!client.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.timedate1")).value());
        QCoreApplication::processEvents();
        QVERIFY(!w.findChild<QLabel*>(QStringLiteral("lblClockWarning")));
        w.close();
    }
};

QTEST_MAIN(TstDesktop)
#include "tst_desktop.moc"
