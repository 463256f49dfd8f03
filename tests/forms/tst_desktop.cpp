// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/systemclock.h"
#include "common/filebytes.h"
#include "common/standins.h"
#include "common/testfolder.h"
#include "desktop/clockcheck_dbus.h"
#include "desktop/notifier_dbus.h"
#include "desktop/sleepwatcher_dbus.h"
#include "desktop/traywatcher_dbus.h"
#include "desktop/wallclockalarm.h"
#include "forms/formkit.h"
#include "forms/frmmain.h"
#include "forms/trayicon.h"
#include "running/globals.h"
#include "running/reminderkeeper.h"
#include "running/ticker.h"

#include <QtDBus>
#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// The clock service on a private bus.
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

    PrivateBus mBus;
    QDBusConnection& mServices = mBus.services;
    QDBusConnection& mClient = mBus.client;
    TestFolder mDir;
    Notifications mNotifications;
    TimeDate mTimeDate;
    TrayHostWatcher mTray;
    QDateTime mNow{QDate(2026, 12, 6), QTime(12, 0)};

    static QWidget* Shown(const char* name)
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible())
                return w;
        return nullptr;
    }

    static QLabel* Warning(frmMain& w) { return w.findChild<QLabel*>(u"lblClockWarning"_s); }

private slots:
    void initTestCase()
    {
        QVERIFY(mBus.Start({{u"/org/freedesktop/Notifications"_s, &mNotifications},
                            {u"/org/freedesktop/timedate1"_s, &mTimeDate},
                            {u"/StatusNotifierWatcher"_s, &mTray}}));
        mTray.host = true;
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), mDir.filePath(u"Kelvara.mdb"_s)));
    }

    // A click on the tray icon, or Show/Hide in its menu, hides the main window while the player uses it (the click
    // itself may just have taken the focus), and otherwise brings it to the front. Started hidden without a tray, the
    // window shows minimised, and nothing ticks; a tray that comes takes it in, unless the player brought it back.
    void trayClick_data()
    {
        QTest::addColumn<bool>("hides");
        QTest::newRow("in use") << true;
        QTest::newRow("the click took the focus") << true;
        QTest::newRow("behind another window") << false;
        QTest::newRow("minimised") << false;
        QTest::newRow("hidden") << false;
        QTest::newRow("started hidden, a tray late") << false;
        QTest::newRow("brought back, a tray late") << true;
    }

    void trayClick()
    {
        QFETCH(bool, hides);
        const QByteArray state = QTest::currentDataTag();
        const QString tray = u"org.kde.StatusNotifierWatcher"_s;
        QVERIFY(state.endsWith("late") || mServices.registerService(tray));
        auto w = std::make_unique<frmMain>();
        w->Form_Load();
        w->Tray()->ShowWindowAtStart(state.endsWith("late"));
        w->Tray()->Start(new DBusTrayWatcher(mClient));
        auto* ticker = w->findChild<Ticker*>();
        if (state.endsWith("late")) { // Wayland forgets at once that the window was minimised: it still waits
            QTRY_VERIFY(w->Tray()->IsKnown() && w->isVisible() && CountsAsMinimised(w.get()) && ticker->Waiting());
            if (state.startsWith("brought"))
                w->showNormal();
            // As an X11 window manager may map it: shown normal for a moment.
            for (const Qt::WindowState mapped : {Qt::WindowNoState, Qt::WindowMinimized}) {
                if (!state.startsWith("started") || !PlatformPlacesWindows())
                    break;
                w->windowHandle()->setWindowState(mapped);
                QTRY_COMPARE(w->isMinimized(), mapped == Qt::WindowMinimized);
            }
            QVERIFY(mServices.registerService(tray));
        }
        if (!PlatformPlacesWindows()) // the compositor decides which window is active
            QSKIP("Wayland");
        QTRY_VERIFY(w->Tray()->IsShown());
        QCOMPARE(w->isVisible(), !state.startsWith("started"));
        w->activateWindow();
        QVERIFY(state.startsWith("started") || QTest::qWaitForWindowActive(w.get()));
        QWidget other;
        if (state.endsWith("focus") || state.startsWith("behind")) {
            other.show();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            if (state.startsWith("behind"))
                QTest::qWait(int(TrayIcon::ActiveGrace) + 100);
        }
        if (state == "minimised")
            w->showMinimized();
        if (state == "hidden")
            w->HideToTray();
        auto* icon = w->findChild<QSystemTrayIcon*>(u"trayIcon"_s);
        QCOMPARE(icon->icon().actualSize(QSize(64, 64)), QSize(64, 64)); // drawn for twice the tray's size too
        emit icon->contextMenu()->aboutToShow();
        QCOMPARE(icon->contextMenu()->actions()[0]->text(), hides ? u"Hide"_s : u"Show"_s);
        if (state.endsWith("focus") || state == "minimised")
            icon->contextMenu()->actions()[0]->trigger();
        else
            emit icon->activated(QSystemTrayIcon::Trigger);
        QVERIFY(hides ? !w->isVisible() : w->isVisible() && !w->isMinimized());
        QTRY_VERIFY(hides || w->windowHandle()->isActive());
        QTRY_COMPARE(ticker->Waiting(), !w->isVisible() && !other.isVisible()); // shown anew, it ticks
    }

    void cleanup() { mServices.unregisterService(u"org.kde.StatusNotifierWatcher"_s); }

    void notificationsAndClockWarning()
    {
        QVERIFY(mServices.registerService(u"org.freedesktop.Notifications"_s));
        QVERIFY(mServices.registerService(u"org.freedesktop.timedate1"_s));

        // Day 15 begins 2 game hours, 400 real seconds, after 12:00:00.
        QVERIFY(PutFile(mDir.filePath(u"OXLTIMES.DAT"_s), "12:00:00\r\n12/06/2026\r\n22:00:00\r\n03/14/0005\r\n"));
        SystemClock::SetSource([this] { return mNow; });

        auto w = std::make_unique<frmMain>();
        w->Form_Load();
        // As at a real start: the services come once the window shows, after the first tick was queued; the
        // reminder due at that tick still goes to the desktop.
        QTimer::singleShot(0, w.get(), [&] {
            w->UseDesktop(new DBusNotifier(mClient, u"kelvara-utility"_s), new DBusClockCheck(mClient));
        });
        QTRY_COMPARE(mNotifications.calls.size(), 1);
        QVERIFY(!Shown("frmNotice"));
        const QVariantList call = mNotifications.calls[0];
        QCOMPARE(call[3], u"Good moon: day 15"_s);
        QCOMPARE(call[4], u"Day 15 begins in 6 minutes 40 seconds, TODAY AT 12:06 PM"_s);
        QVERIFY(call[5].toStringList().contains(QLatin1String(ReminderKeeper::GoodMoonAction)));
        QCOMPARE(call[6].toMap(),
                 (QVariantMap{{u"sound-name"_s, u"alarm-clock-elapsed"_s},
                              {u"desktop-entry"_s, u"io.github.kelvarautility.KelvaraUtility"_s}}));
        emit mNotifications.ActionInvoked(1, u"default"_s);
        QTRY_VERIFY(Shown("frmNextGoodMoon"));
        w->showMinimized(); // the other action brings a minimised main window back
        emit w->Reminders()->Activated(QLatin1String(ReminderKeeper::MainWindowAction));
        QVERIFY(w->isVisible() && !w->isMinimized());
        QTRY_VERIFY(Warning(*w) && Warning(*w)->isVisible());
        w = std::make_unique<frmMain>(); // a restart: the announced start is not repeated
        w->Form_Load();
        w->UseDesktop(new DBusNotifier(mClient, QString()), nullptr, new DBusSleepWatcher(mClient));
        w->tmrMain_Timer();
        w->Reminders()->Test(gCalibration, SystemClock::Now(), {3, 0, true, u"Probe"_s, {}});
        QTRY_COMPARE(mNotifications.calls.size(), 2);
        QCOMPARE(mNotifications.calls[1][3], u"Probe: day 3"_s);
        w->Reminders()->Hold(true); // the Reminders window open across the next start: it comes when it closes
        mNow = mNow.addSecs(134400 + 420);
        w->tmrMain_Timer();
        w->Reminders()->Hold(false);
        w->tmrMain_Timer();
        QTRY_COMPARE(mNotifications.calls.size(), 3);
        QCOMPARE(mNotifications.calls[2][4], u"Day 15 began 20 seconds ago, TODAY AT 1:26 AM"_s);

        // Nothing shown: no 500 ms tick. The next reminder comes at its moment, 10 minutes before day 15
        // begins, from the alarm; on waking from sleep and when the clock was set, at once.
        Ticker* ticker = w->findChild<Ticker*>();
        auto* alarm = ticker->findChild<WallClockAlarm*>();
        QVERIFY(ticker->Waiting() && !ticker->findChild<QTimer*>(u"tmrMain"_s)->isActive());
        QDateTime due = mNow.addSecs(RealSecondsPerGameMonth - 20 - 600);
        const qint64 offset = due.toSecsSinceEpoch() - 2 - QDateTime::currentSecsSinceEpoch(); // 2 s before it
        SystemClock::SetSource([offset] { return QDateTime::currentDateTime().addSecs(offset); });
        emit alarm->ClockChanged();
        QTRY_COMPARE(ticker->NextWake(), due.toSecsSinceEpoch());
        QTRY_COMPARE_WITH_TIMEOUT(mNotifications.calls.size(), 4, 5000);
        QCOMPARE(mNotifications.calls[3][4], u"Day 15 begins in 10 minutes, TODAY AT 2:46 PM"_s);
        for (int wake = 0; wake < 2; ++wake) { // asleep, or the clock set, across the next one
            due = due.addSecs(RealSecondsPerGameMonth);
            mNow = due.addSecs(5);
            SystemClock::SetSource([this] { return mNow; });
            if (wake == 0)
                mServices.send(QDBusMessage::createSignal(u"/org/freedesktop/login1"_s,
                                                          u"org.freedesktop.login1.Manager"_s, u"PrepareForSleep"_s)
                               << false);
            else
                emit alarm->ClockChanged();
            QTRY_COMPARE(mNotifications.calls.size(), 5 + wake);
            QVERIFY(mNotifications.calls.last()[4].toString().startsWith(u"Day 15 begins in 9 minutes 55 seconds"_s));
        }
        // With a tray icon, a tick at each game hour: the tooltip stays true until then.
        QCOMPARE(w->Reminders()->NextReminderText(mNow), u"Next reminder at 6:36 AM, 12/14/2026"_s);
        QCOMPARE(Ticker::TrayTip(ClockCalibration::FromTexts({}, {}, u"00:59:59"_s, u"03/14/0005"_s), u"-"_s),
                 u"Kelvara Utility\nKelvara Time 12:00 AM to 12:59 AM, 03/14/0005\n-"_s);
        gCalibration.OXLTime = u"05:30:05"_s; // 1795 game seconds, 99.7 real ones, before the hour
        ticker->SetTrayTip(true);
        QTRY_VERIFY(ticker->NextWake() < mNow.toSecsSinceEpoch() + 200);
        const auto tip = [](int64_t at) {
            return Ticker::TrayTip(ComputeGameTime(gCalibration, QDateTime::fromSecsSinceEpoch(at)), {});
        };
        QCOMPARE(tip(ticker->NextWake() - 1), tip(*gCalibration.Instant));
        QVERIFY(tip(ticker->NextWake()) != tip(*gCalibration.Instant));
        QVERIFY(mServices.unregisterService(u"org.freedesktop.Notifications"_s)); // without the services
        QVERIFY(mServices.unregisterService(u"org.freedesktop.timedate1"_s));
        w->UseDesktop(new DBusNotifier(mClient, QString()), new DBusClockCheck(mClient));
        w->Reminders()->Test(gCalibration, SystemClock::Now(), {3, 0, true, u"Probe"_s, {}});
        QTRY_VERIFY(Shown("frmNotice"));
        Shown("frmNotice")->close();
        w->UseDesktop(new DBusNotifier(QDBusConnection(u"closed"_s), QString()), nullptr); // no bus at all
        w->Reminders()->Test(gCalibration, SystemClock::Now(), {3, 0, true, u"Probe"_s, {}});
        QTRY_VERIFY(Shown("frmNotice"));
        QVERIFY(!mClient.interface()->isServiceRegistered(u"org.freedesktop.timedate1"_s).value()); // answers in
        QCoreApplication::processEvents();
        QVERIFY(!Warning(*w));
    }
};

QTEST_MAIN(TstDesktop)
#include "tst_desktop.moc"
