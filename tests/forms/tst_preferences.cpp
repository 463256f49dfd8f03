#include "common/faultkit.h"
#include "common/filebytes.h"
#include "common/standins.h"
#include "common/testfolder.h"
#include "files/autostart.h"
#include "forms/appearance.h"
#include "forms/dialogs.h"
#include "forms/frmmain.h"
#include "forms/frmpreferences.h"
#include "forms/trayicon.h"

#include <QtWidgets>

using namespace Qt::StringLiterals;

// The Preferences window, starting at login, the tray and the colours, with the desktop's tray and portal
// played on a private bus (the session bus of Qt's own tray code too).
class TstPreferences : public QObject
{
    Q_OBJECT

    QProcess mDaemon;
    TestFolder mDir;
    QDBusConnection mServices{QString()};
    QDBusConnection mClient{QString()};
    Portal mPortal;
    TrayHostWatcher mTray;
    QStringList mMessages;

    template <typename Widget = QCheckBox>
    static Widget* Child(QWidget& window, const char* name)
    {
        return window.findChild<Widget*>(QLatin1String(name));
    }
    static bool Dark() { return QApplication::palette().color(QPalette::Window).lightness() < 128; }

    // Opens the window, does what the player does there, confirms with OK (or Cancel): is the entry then `expected`?
    static bool Step(frmMain& w, const std::optional<AutostartEntry>& expected,
                     const std::function<void(frmPreferences&)>& change, bool ok = true)
    {
        frmPreferences window(w.Tray(), w.Colours(), &w);
        change(window);
        ok ? window.accept() : window.reject();
        return ReadAutostart() == expected;
    }

    void SetScheme(uint scheme)
    {
        emit mPortal.SettingChanged(u"org.freedesktop.appearance"_s, u"color-scheme"_s, QDBusVariant(scheme));
        QTest::qWait(100);
    }

private slots:
    void initTestCase()
    {
        const QString address = StartPrivateBus(mDaemon);
        QVERIFY(!address.isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
        mServices = QDBusConnection::connectToBus(address, u"services"_s);
        mClient = QDBusConnection::connectToBus(address, u"client"_s);
        QVERIFY(mServices.registerObject(u"/StatusNotifierWatcher"_s, &mTray, QDBusConnection::ExportAllContents));
        QVERIFY(mServices.registerObject(u"/org/freedesktop/portal/desktop"_s, &mPortal,
                                         QDBusConnection::ExportAllContents));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(mDir.filePath(u"config"_s)));
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), mDir.filePath(u"Kelvara.mdb"_s)));
        Dialogs::SetMessageHook([this](const QString& text) { mMessages << text; });
        QApplication::setStyle(u"Windows"_s); // the style the program starts with
    }

    // The tick writes the entry for the running program, hidden unless the player says otherwise; an entry of
    // another copy is named and rewritten; Cancel changes nothing; a folder that cannot be written is reported.
    void startAtLogin()
    {
        frmMain w;
        w.Form_Load();
        const AutostartEntry hidden{QCoreApplication::applicationFilePath(), {HiddenOption}};
        const AutostartEntry shown{hidden.Program, {}};
        QVERIFY(Step(w, hidden, [](frmPreferences& p) {
            QVERIFY(!Child(p, "chkStartAtLogin")->isChecked() && !Child(p, "chkStartHidden")->isEnabled());
            Child(p, "chkStartAtLogin")->click();
            QVERIFY(Child(p, "chkStartHidden")->isEnabled() && Child(p, "chkStartHidden")->isChecked());
        }));
        QVERIFY(Step(w, shown, [](frmPreferences& p) { Child(p, "chkStartHidden")->click(); }));
        QVERIFY(Step(
            w, shown, [](frmPreferences& p) { Child(p, "chkStartAtLogin")->click(); }, false));
        WriteAutostart(u"/opt/old copy/kelvara-utility"_s, true);
        QVERIFY(Step(w, hidden, [](frmPreferences& p) {
            QVERIFY(Child(p, "chkStartHidden")->isChecked());
            QVERIFY(Child<QLabel>(p, "lblAutostartElsewhere")->text().contains(u"/opt/old copy/"_s));
        }));
        // An entry without an Exec line names no program.
        QVERIFY(PutFile(AutostartPath(), "[Desktop Entry]\nType=Application\n"));
        QVERIFY(Step(w, hidden, [](frmPreferences& p) {
            QCOMPARE(Child<QLabel>(p, "lblAutostartElsewhere")->text().section(u'.', 0, 0),
                     u"Kelvara Utility's login entry names no program to start"_s);
            Child(p, "chkStartHidden")->click();
        }));
        QVERIFY(Step(w, std::nullopt, [](frmPreferences& p) {
            QVERIFY(Child<QLabel>(p, "lblAutostartElsewhere")->isHidden());
            Child(p, "chkStartAtLogin")->click();
        }));
        for (const bool there : {false, true}) { // the boxes go back to the entry as it is
            if (there)
                WriteAutostart(u"/opt/old copy/kelvara-utility"_s, true);
            faultkit::ReadOnlyFolder readOnly(QFileInfo(AutostartPath()).path());
            QVERIFY(readOnly.Holds());
            frmPreferences p(w.Tray(), w.Colours(), &w);
            Child(p, there ? "chkStartHidden" : "chkStartAtLogin")->click();
            p.accept();
            QCOMPARE(mMessages.takeLast().section(u'\n', 0, 0), u"Starting at login could not be changed."_s);
            QVERIFY(Child(p, "chkStartAtLogin")->isChecked() == there && Child(p, "chkStartHidden")->isChecked());
            QVERIFY(p.result() != QDialog::Accepted && ReadAutostart().has_value() == there);
        }
    }

    // Without a tray the choice is greyed with the reason and the close box ends the program, whatever the file
    // says; a tray that comes later gets the icon, and the close box hides into it. Started hidden: minimised
    // without a tray, only the icon with one; a tray that goes brings the window back.
    void trayComesLate()
    {
        QVERIFY(PutFile(mDir.filePath(u"kelvara-utility.ini"_s), "[Tray]\nkeepRunning=true\n"));
        frmMain plain, hidden, withTray;
        for (frmMain* w : {&plain, &hidden, &withTray})
            w->Form_Load();
        plain.Tray()->ShowWindowAtStart(false);
        hidden.Tray()->ShowWindowAtStart(true);
        for (frmMain* w : {&plain, &hidden})
            w->Tray()->Start(mClient);
        QTRY_VERIFY(hidden.isMinimized() && hidden.isVisible() && plain.Tray()->IsKnown());
        frmPreferences p(hidden.Tray(), hidden.Colours(), &hidden);
        QVERIFY(Child(p, "chkKeepInTray")->isChecked() && !Child(p, "chkKeepInTray")->isEnabled());
        QCOMPARE(Child<QLabel>(p, "lblNoTray")->text(), u"This desktop shows no tray icons"_s);
        QVERIFY(!Child<QLabel>(p, "lblNoTray")->isHidden() && plain.close());

        mTray.host = true;
        QVERIFY(mServices.registerService(u"org.kde.StatusNotifierWatcher"_s));
        QTRY_VERIFY(Child(p, "chkKeepInTray")->isEnabled() && Child<QLabel>(p, "lblNoTray")->isHidden());
        QVERIFY(Child<QSystemTrayIcon>(hidden, "trayIcon")->isVisible());
        QVERIFY(!hidden.close() && !hidden.isVisible());
        withTray.Tray()->ShowWindowAtStart(true);
        withTray.Tray()->Start(mClient);
        QTRY_VERIFY(withTray.Tray()->IsShown());
        QVERIFY(!withTray.isVisible());
        QVERIFY(mServices.unregisterService(u"org.kde.StatusNotifierWatcher"_s));
        QTRY_VERIFY(withTray.isVisible() && hidden.isVisible() && !Child<QSystemTrayIcon>(hidden, "trayIcon"));
    }

    // The colours follow the portal; the Preferences window's light and dark stand whatever it says. The main
    // window's value boxes stay white with black text.
    void colours()
    {
        mPortal.value = 1u;
        QVERIFY(mServices.registerService(u"org.freedesktop.portal.Desktop"_s));
        frmMain w;
        w.Form_Load();
        w.Colours()->Follow(new ColourScheme(mClient));
        QTRY_VERIFY(Dark());
        QCoreApplication::processEvents();
        const QPalette box = Child<QLabel>(w, "lblName")->palette();
        QVERIFY(box.color(QPalette::Window) == Qt::white && box.color(QPalette::WindowText) == Qt::black);
        SetScheme(2);
        QVERIFY(!Dark());
        // The portal says the opposite of the choice: light and dark stand, the desktop's follows it. The language
        // chosen is saved, and shown when the window opens again.
        const std::tuple<const char*, uint, bool, QString> choices[] = {{"optColoursDark", 2, true, u"ru"_s},
                                                                        {"optColoursLight", 1, false, u"pt_BR"_s},
                                                                        {"optColoursDesktop", 1, true, QString()}};
        QString shown, saved;
        for (const auto& [choice, scheme, dark, language] : choices) {
            QTimer::singleShot(0, this, [choice = choice, language = language, &shown] {
                auto* p = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                p->findChild<QRadioButton*>(QLatin1String(choice))->click();
                auto* languages = p->findChild<QComboBox*>(u"cboLanguage"_s);
                shown = languages->currentData().toString();
                languages->setCurrentIndex(languages->findData(language));
                p->accept();
            });
            w.findChild<QAction*>(u"mnuPreferences"_s)->trigger();
            QCOMPARE(shown, saved);
            QCOMPARE(saved = ReadSettings().Settings.Language, language);
            SetScheme(scheme);
            QCOMPARE(Dark(), dark);
            QCOMPARE(QApplication::style()->name(), dark ? u"fusion"_s : u"windows"_s);
        }
        QCOMPARE(ReadSettings().Settings.Colours, ColourChoice::Desktop);
        // The choice saved holds from the next start on.
        w.Colours()->SetChoice(ColourChoice::Light);
        QVERIFY(!Dark() && PutFile(mDir.filePath(u"kelvara-utility.ini"_s), "[Preferences]\ncolours=dark\n"));
        frmMain next;
        next.Form_Load();
        QVERIFY(Dark());
    }
};

QTEST_MAIN(TstPreferences)
#include "tst_preferences.moc"
