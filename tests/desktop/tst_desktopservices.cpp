// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/colourscheme_dbus.h"
#include "desktop/notifier_dbus.h"
#include "desktop/statusnotifieritem_dbus.h"
#include "desktop/traywatcher_dbus.h"

#include "common/standins.h"

#include <QtDBus>
#include <QtTest>

using namespace Qt::StringLiterals;

using Scheme = ColourScheme::Scheme;

class TstDesktopServices : public QObject
{
    Q_OBJECT

    PrivateBus mBus;
    Portal mPortal;
    TrayHostWatcher mTray;
    Notifications mNotifications;
    const QString PortalName = u"org.freedesktop.portal.Desktop"_s;
    const QString TrayName = u"org.kde.StatusNotifierWatcher"_s;
    const QString NotificationsName = u"org.freedesktop.Notifications"_s;

private slots:
    void initTestCase()
    {
        QVERIFY(mBus.Start({{u"/org/freedesktop/portal/desktop"_s, &mPortal},
                            {u"/StatusNotifierWatcher"_s, &mTray},
                            {u"/org/freedesktop/Notifications"_s, &mNotifications}}));
    }
    void cleanup()
    {
        for (const QString& name : {PortalName, NotificationsName, TrayName})
            mBus.services.unregisterService(name);
    }

    void colourScheme_data()
    {
        QTest::addColumn<int>("portal"); // 0: no bus, 1: no portal on the bus, else the portal's kind
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<Scheme>("scheme");
        QTest::newRow("ReadOne") << 2 << QVariant(1u) << Scheme::Dark;
        QTest::newRow("Read only, nested") << 3 << QVariant(2u) << Scheme::Light;
        QTest::newRow("Read only, plain") << 4 << QVariant(1u) << Scheme::Dark;
        QTest::newRow("out of range") << 2 << QVariant(3u) << Scheme::NoPreference;
        QTest::newRow("a text") << 2 << QVariant(u"2"_s) << Scheme::NoPreference;
        QTest::newRow("no answer") << 2 << QVariant() << Scheme::NoPreference;
        QTest::newRow("no portal") << 1 << QVariant(1u) << Scheme::NoPreference;
        QTest::newRow("no bus") << 0 << QVariant(1u) << Scheme::NoPreference;
    }
    void colourScheme()
    {
        QFETCH(int, portal);
        QFETCH(QVariant, value);
        QFETCH(Scheme, scheme);
        mPortal.kind = portal;
        mPortal.value = value;
        QVERIFY(portal < 2 || mBus.services.registerService(PortalName));
        DBusColourScheme colours(portal > 0 ? mBus.client : QDBusConnection(u"none"_s), 500);
        QList<Scheme> seen;
        connect(&colours, &ColourScheme::Changed, this, [&seen](Scheme s) { seen << s; });
        colours.Start();
        QTRY_COMPARE(seen, QList<Scheme>{scheme});
        if (portal < 2 || !value.isValid())
            return;
        const QString group = u"org.freedesktop.appearance"_s, key = u"color-scheme"_s;
        emit mPortal.SettingChanged(group, u"contrast"_s, QDBusVariant(0u)); // another setting
        emit mPortal.SettingChanged(group, key, QDBusVariant(uint(scheme))); // no change
        emit mPortal.SettingChanged(group, key, QDBusVariant(scheme == Scheme::Light ? 1u : 2u));
        emit mPortal.SettingChanged(group, key, QDBusVariant(u"dark"_s));
        const Scheme other = scheme == Scheme::Light ? Scheme::Dark : Scheme::Light;
        QTRY_COMPARE(seen, (QList<Scheme>{scheme, other, Scheme::NoPreference}));
    }

    // A slow service is waited for, up to the answer timeout; then the program shows the texts itself. An answer,
    // also one after that, keeps its id: choosing the service's copy works until it closes.
    void notifier_data()
    {
        QTest::addColumn<int>("delay");   // of the service's answer, ms; -2: an error
        QTest::addColumn<int>("timeout"); // the notifier's answer timeout; 0: its own
        QTest::addColumn<bool>("shown");  // whether the program shows the texts itself
        QTest::newRow("at once") << 0 << 0 << false;
        QTest::newRow("after 6 s") << 6000 << 0 << false;
        QTest::newRow("after the timeout") << 1500 << 500 << true;
        QTest::newRow("an error") << -2 << 0 << true;
    }
    void notifier()
    {
        QFETCH(int, delay);
        QFETCH(int, timeout);
        QFETCH(bool, shown);
        mNotifications.delay = delay;
        mNotifications.answeredLate = 0;
        QVERIFY(mBus.services.registerService(NotificationsName));
        DBusNotifier notifier(mBus.client, u"icon"_s, timeout ? timeout : DBusNotifier::AnswerTimeout);
        QSignalSpy unavailable(&notifier, &Notifier::Unavailable), activated(&notifier, &Notifier::Activated);
        notifier.Notify(u"Good moon: day 15"_s, u"Day 15 begins"_s, u"moon"_s, u"Open"_s);
        QTest::qWait(std::max(delay, timeout) + 300);
        QTRY_COMPARE(mNotifications.answeredLate, int(delay > 0)); // slow under valgrind
        const auto id = uint(mNotifications.calls.size());
        QCOMPARE(unavailable.size(), int(shown));
        emit mNotifications.ActionInvoked(id, u"default"_s);
        emit mNotifications.NotificationClosed(id, 2);
        emit mNotifications.ActionInvoked(id, u"moon"_s);
        QTRY_COMPARE(activated.size(), int(delay >= 0)); // slow on a loaded machine
        QTest::qWait(100);                               // and none after the notification closed
        QCOMPARE(activated.size(), int(delay >= 0));
    }

    // Kept running for days, the program keeps the ids to act on of 64 notifications at most: the 65th forgets them.
    void notifierForgets()
    {
        mNotifications.delay = 0;
        QVERIFY(mBus.services.registerService(NotificationsName));
        DBusNotifier notifier(mBus.client, u"icon"_s, DBusNotifier::AnswerTimeout);
        QSignalSpy activated(&notifier, &Notifier::Activated);
        const auto first = uint(mNotifications.calls.size() + 1);
        for (int n = 0; n <= 64; ++n)
            notifier.Notify(u"Good moon"_s, u"Day 15 begins"_s, u"moon"_s, u"Open"_s);
        QTRY_COMPARE(uint(mNotifications.calls.size()), first + 64);
        QTest::qWait(300); // the answers
        for (const uint id : {first, first + 63, first + 64})
            emit mNotifications.ActionInvoked(id, u"default"_s);
        QTRY_COMPARE(activated.size(), 1);
        QTest::qWait(100);
        QCOMPARE(activated.size(), 1);
    }

    void trayWatcher()
    {
        DBusTrayWatcher tray(mBus.client);
        QList<bool> seen;
        connect(&tray, &TrayWatcher::Available, this, [&seen](bool available) { seen << available; });
        tray.Start();
        QTRY_COMPARE(seen, QList<bool>{false}); // none at start
        QVERIFY(mBus.services.registerService(TrayName));
        QTest::qWait(300); // a watcher without a host: still no tray
        QCOMPARE(seen, QList<bool>{false});
        mTray.host = true;
        emit mTray.StatusNotifierHostRegistered();
        QTRY_COMPARE(seen, (QList<bool>{false, true}));
        QVERIFY(mBus.services.unregisterService(TrayName));
        QTRY_COMPARE(seen, (QList<bool>{false, true, false}));
        QVERIFY(mBus.services.registerService(TrayName)); // back, with its host
        QTRY_COMPARE(seen, (QList<bool>{false, true, false, true}));
    }

    // A tray that comes after the start gets the program's own item: it registers (again with a new tray),
    // answers its properties and its menu, and a click or a menu entry reaches the program, a greyed entry not.
    void statusNotifierItem()
    {
        DBusStatusNotifierItem item(mBus.client, {2, 1, {0xff102030u, 0x80ffffffu}});
        item.SetToolTip(u"Kelvara Utility\nKelvara Time 3:00 PM"_s);
        item.SetMenu({{u"&Show"_s}, {{}, true, true}, {u"E&xit_now"_s, false}});
        QSignalSpy activated(&item, &StatusNotifierItem::Activated), chosen(&item, &StatusNotifierItem::MenuChosen);
        connect(&item, &StatusNotifierItem::MenuAboutToShow, this, [&item] { item.SetMenu({{u"Hide"_s}}); });
        QVERIFY(mBus.services.registerService(TrayName));
        QTRY_COMPARE(mTray.items.size(), 1);
        const auto call = [&](const char* path, const char* interface, const char* method, const QVariantList& in) {
            QDBusMessage message = QDBusMessage::createMethodCall(mTray.items[0], QLatin1String(path),
                                                                  QLatin1String(interface), QLatin1String(method));
            message.setArguments(in);
            QDBusPendingCall pending = mBus.services.asyncCall(message); // the item answers from this thread
            Q_UNUSED(QTest::qWaitFor([&] { return pending.isFinished(); }));
            return pending.reply().arguments();
        };
        const auto get = [&](const char* name) {
            const QVariantList reply = call("/StatusNotifierItem", "org.freedesktop.DBus.Properties", "Get",
                                            {u"org.kde.StatusNotifierItem"_s, QLatin1String(name)});
            return reply.value(0).value<QDBusVariant>().variant();
        };
        QCOMPARE((QStringList{get("Id").toString(), get("Title").toString(), get("Status").toString(),
                              get("Category").toString(), get("Menu").value<QDBusObjectPath>().path()}),
                 (QStringList{"kelvara-utility", "Kelvara Utility", "Active", "ApplicationStatus", "/MenuBar"}));
        QString icon, title, text;
        int width = 0, height = 0;
        QByteArray pixels;
        const QDBusArgument tip = get("ToolTip").value<QDBusArgument>(),
                            images = get("IconPixmap").value<QDBusArgument>();
        tip.beginStructure();
        tip >> icon;
        tip.beginArray();
        tip.endArray();
        tip >> title >> text;
        tip.endStructure();
        images.beginArray();
        images.beginStructure();
        images >> width >> height >> pixels;
        images.endStructure();
        images.endArray();
        QCOMPARE((QVariantList{title, text, width, height, pixels}),
                 (QVariantList{u"Kelvara Utility"_s, u"Kelvara Time 3:00 PM"_s, 2, 1,
                               QByteArray("\xff\x10\x20\x30\x80\xff\xff\xff", 8)}));
        call("/StatusNotifierItem", "org.kde.StatusNotifierItem", "Activate", {10, 20});
        QTRY_COMPARE(activated.size(), 1);

        const auto menu = [&](const char* method, const QVariantList& in) {
            return call("/MenuBar", "com.canonical.dbusmenu", method, in);
        };
        const auto entries = [&](int id = 0, int depth = -1) { // the root's by default; `id` read anew below
            const QDBusArgument layout = menu("GetLayout", {id, depth, QStringList()}).value(1).value<QDBusArgument>();
            QVariantMap properties;
            QList<QDBusVariant> children;
            QStringList shown;
            layout.beginStructure();
            layout >> id >> properties >> children;
            layout.endStructure();
            for (const QDBusVariant& child : children) {
                const QDBusArgument entry = child.variant().value<QDBusArgument>();
                entry.beginStructure();
                entry >> id >> properties;
                entry.endStructure();
                shown << QString::number(id) + u' '
                        + properties.value(u"label"_s, properties.value(u"type"_s)).toString()
                        + (properties.value(u"enabled"_s, true).toBool() ? u""_s : u" (greyed)"_s);
            }
            return shown;
        };
        QCOMPARE(entries(), (QStringList{"1 _Show", "2 separator", "3 E_xit__now (greyed)"}));
        QVERIFY(entries(1).isEmpty() && entries(0, 0).isEmpty()); // an entry has none; the root alone is asked for
        QCOMPARE(menu("GetLayout", {-100000, 0, QStringList()}).size(), 2); // no entry: answered, nothing read
        menu("Event", {3, u"clicked"_s, QVariant::fromValue(QDBusVariant(0)), 0u});
        menu("Event", {1, u"clicked"_s, QVariant::fromValue(QDBusVariant(0)), 0u});
        QTRY_COMPARE(chosen, QList<QVariantList>{{0}});
        QCOMPARE(menu("AboutToShow", {0}).value(0), QVariant(true)); // the program changed the menu
        QCOMPARE(entries(), QStringList{"1 Hide"});
        QVERIFY(mBus.services.unregisterService(TrayName)); // the panel restarts
        QVERIFY(mBus.services.registerService(TrayName));
        QTRY_COMPARE(mTray.items, QStringList(2, mTray.items[0]));
    }
};

QTEST_GUILESS_MAIN(TstDesktopServices)
#include "tst_desktopservices.moc"
