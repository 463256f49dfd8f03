#include "desktop/colourscheme.h"
#include "desktop/traywatcher.h"

#include "common/standins.h"

#include <QtDBus>
#include <QtTest>

using Scheme = ColourScheme::Scheme;

class TstDesktopServices : public QObject
{
    Q_OBJECT

    QProcess mDaemon;
    QDBusConnection mServices{QString()};
    QDBusConnection mClient{QString()};
    Portal mPortal;
    TrayHostWatcher mTray;
    const QString PortalName = u"org.freedesktop.portal.Desktop"_qs;
    const QString TrayName = u"org.kde.StatusNotifierWatcher"_qs;

private slots:
    void initTestCase()
    {
        const QString address = StartPrivateBus(mDaemon);
        QVERIFY(!address.isEmpty());
        mServices = QDBusConnection::connectToBus(address, u"services"_qs);
        mClient = QDBusConnection::connectToBus(address, u"client"_qs);
        QVERIFY(mServices.registerObject(u"/org/freedesktop/portal/desktop"_qs, &mPortal,
                                         QDBusConnection::ExportAllContents));
        QVERIFY(mServices.registerObject(u"/StatusNotifierWatcher"_qs, &mTray, QDBusConnection::ExportAllContents));
    }
    void cleanup() { mServices.unregisterService(PortalName); }

    void colourScheme_data()
    {
        QTest::addColumn<int>("portal"); // 0: no bus, 1: no portal on the bus, else the portal's kind
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<Scheme>("scheme");
        QTest::newRow("ReadOne") << 2 << QVariant(1u) << Scheme::Dark;
        QTest::newRow("Read only, nested") << 3 << QVariant(2u) << Scheme::Light;
        QTest::newRow("Read only, plain") << 4 << QVariant(1u) << Scheme::Dark;
        QTest::newRow("out of range") << 2 << QVariant(3u) << Scheme::NoPreference;
        QTest::newRow("a text") << 2 << QVariant(u"2"_qs) << Scheme::NoPreference;
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
        QVERIFY(portal < 2 || mServices.registerService(PortalName));
        ColourScheme colours(portal > 0 ? mClient : QDBusConnection(u"none"_qs), 500);
        QList<Scheme> seen;
        connect(&colours, &ColourScheme::Changed, this, [&seen](Scheme s) { seen << s; });
        colours.Start();
        QTRY_COMPARE(seen, QList<Scheme>{scheme});
        if (portal < 2 || !value.isValid())
            return;
        const QString group = u"org.freedesktop.appearance"_qs, key = u"color-scheme"_qs;
        emit mPortal.SettingChanged(group, u"contrast"_qs, QDBusVariant(0u)); // another setting
        emit mPortal.SettingChanged(group, key, QDBusVariant(uint(scheme)));  // no change
        emit mPortal.SettingChanged(group, key, QDBusVariant(scheme == Scheme::Light ? 1u : 2u));
        emit mPortal.SettingChanged(group, key, QDBusVariant(u"dark"_qs));
        const Scheme other = scheme == Scheme::Light ? Scheme::Dark : Scheme::Light;
        QTRY_COMPARE(seen, (QList<Scheme>{scheme, other, Scheme::NoPreference}));
    }

    void trayWatcher()
    {
        TrayWatcher tray(mClient);
        QList<bool> seen;
        connect(&tray, &TrayWatcher::Available, this, [&seen](bool available) { seen << available; });
        tray.Start();
        QTRY_COMPARE(seen, QList<bool>{false}); // none at start
        QVERIFY(mServices.registerService(TrayName));
        QTest::qWait(300); // a watcher without a host: still no tray
        QCOMPARE(seen, QList<bool>{false});
        mTray.host = true;
        emit mTray.StatusNotifierHostRegistered();
        QTRY_COMPARE(seen, (QList<bool>{false, true}));
        QVERIFY(mServices.unregisterService(TrayName));
        QTRY_COMPARE(seen, (QList<bool>{false, true, false}));
        QVERIFY(mServices.registerService(TrayName)); // back, with its host
        QTRY_COMPARE(seen, (QList<bool>{false, true, false, true}));
        TrayWatcher later(mClient); // started while the tray is there
        later.Start();
        QTRY_VERIFY(later.IsAvailable());
    }
};

QTEST_GUILESS_MAIN(TstDesktopServices)
#include "tst_desktopservices.moc"
