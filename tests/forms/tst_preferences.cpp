// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/errorof.h"
#include "common/faultkit.h"
#include "common/filebytes.h"
#include "common/standins.h"
#include "common/testfolder.h"
#include "desktop/colourscheme_dbus.h"
#include "desktop/traywatcher_dbus.h"
#include "files/autostart.h"
#include "files/character.h"
#include "forms/appearance.h"
#include "forms/dialogs.h"
#include "forms/frmdatetime.h"
#include "forms/frmmain.h"
#include "forms/frmpreferences.h"
#include "forms/trayicon.h"
#include "running/globals.h"

#include <QtTest>
#include <QtWidgets>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

// The Preferences window, starting at login, the tray and the colours, with the desktop's tray and portal
// played on a private bus (the session bus of Qt's own tray code too); the character file, its dialog and its
// labels; the calibration dialog.
class TstPreferences : public QObject
{
    Q_OBJECT

    PrivateBus mBus;
    TestFolder mDir;
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

    QString Put(const QString& name, const QByteArray& bytes)
    {
        const QString path = mDir.filePath(name);
        if (!QDir().mkpath(QFileInfo(path).path()) || !PutFile(path, bytes))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    void SetScheme(uint scheme)
    {
        emit mPortal.SettingChanged(u"org.freedesktop.appearance"_s, u"color-scheme"_s, QDBusVariant(scheme));
        QTest::qWait(100);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(mBus.Start({{u"/StatusNotifierWatcher"_s, &mTray}, {u"/org/freedesktop/portal/desktop"_s, &mPortal}}));
        qputenv("DBUS_SESSION_BUS_ADDRESS", mBus.address.toUtf8());
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
        const auto untick = [](frmPreferences& p) { Child(p, "chkStartAtLogin")->click(); };
        QVERIFY(Step(w, shown, untick, false));
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
            w->Tray()->Start(new DBusTrayWatcher(mBus.client));
        QTRY_VERIFY(hidden.isMinimized() && hidden.isVisible() && plain.Tray()->IsKnown());
        frmPreferences p(hidden.Tray(), hidden.Colours(), &hidden);
        QVERIFY(Child(p, "chkKeepInTray")->isChecked() && !Child(p, "chkKeepInTray")->isEnabled());
        QCOMPARE(Child<QLabel>(p, "lblNoTray")->text(), u"This desktop shows no tray icons"_s);
        QVERIFY(!Child<QLabel>(p, "lblNoTray")->isHidden() && plain.close());

        mTray.host = true;
        QVERIFY(mBus.services.registerService(u"org.kde.StatusNotifierWatcher"_s));
        QTRY_VERIFY(Child(p, "chkKeepInTray")->isEnabled() && Child<QLabel>(p, "lblNoTray")->isHidden());
        QVERIFY(Child<QSystemTrayIcon>(hidden, "trayIcon")->isVisible());
        QVERIFY(!hidden.close() && !hidden.isVisible());
        withTray.Tray()->ShowWindowAtStart(true);
        withTray.Tray()->Start(new DBusTrayWatcher(mBus.client));
        QTRY_VERIFY(withTray.Tray()->IsShown());
        QVERIFY(!withTray.isVisible());
        QVERIFY(mBus.services.unregisterService(u"org.kde.StatusNotifierWatcher"_s));
        QTRY_VERIFY(withTray.isVisible() && hidden.isVisible() && !Child<QSystemTrayIcon>(hidden, "trayIcon"));
    }

    // The colours follow the portal; the Preferences window's light and dark stand whatever it says. The main
    // window's value boxes stay white with black text.
    void colours()
    {
        mPortal.value = 1u;
        QVERIFY(mBus.services.registerService(u"org.freedesktop.portal.Desktop"_s));
        frmMain w;
        w.Form_Load();
        w.Colours()->Follow(new DBusColourScheme(mBus.client));
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

    // Every field at its place in a record whose bytes all differ from their neighbours, the number with its
    // sign bit set, the description in Windows-1252; the file is opened for reading only. Bytes past the
    // record are not read; a short file reads as if zero bytes filled it up.
    void everyField()
    {
        QByteArray b(536, '\0');
        for (int i = 0; i < b.size(); ++i)
            b[i] = char(0x21 + i * 7 % 0x5e);
        b.replace(0, 4, QByteArray::fromHex("39300080")).replace(216, 10, "Zo\xeb, \x80\x8a\x9f\x99\x81");
        const QString path = Put(u"hero.oxl"_s, b + QByteArray(64, '\xee'));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        const CharacterRecord r = ReadCharacterFile(path);
        auto text = [&](int at, int size) { return QString::fromLatin1(b.mid(at, size)); };
        QCOMPARE(r.CharacterNumber, -2147471303);
        QCOMPARE(r.Data1 + r.Data2, b.mid(4, 8) + b.mid(52, 4));
        QCOMPARE(r.Name + r.ExtraText, text(12, 40) + text(56, 160));
        QCOMPARE(r.Description, QString::fromUtf8("Zoë, €ŠŸ™\u0081") + text(226, 150));
        for (int k = 0; k < 4; ++k)
            QCOMPARE(r.Data3[k], b.mid(376 + 4 * k, 4));
        for (int k = 0; k < 12; ++k)
            QCOMPARE(r.Entries[k], (CharacterEntry{text(392 + 12 * k, 8), b.mid(400 + 12 * k, 4)}));
        const CharacterRecord shortOne = ReadCharacterFile(Put(u"short.oxl"_s, b.left(534)));
        QCOMPARE(shortOne, CharacterRecord::FromBytes(b.left(534) + QByteArray(2, 0)));
        QCOMPARE(shortOne.Entries[11].EntryValue, b.mid(532, 2) + QByteArray(2, 0));
    }

    // Every file that cannot be read is an error that names the path and the cause; nothing is created.
    void unreadable()
    {
        const QString pipe = mDir.filePath(u"pipe"_s), missing = mDir.filePath(u"missing"_s);
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0); // a folder: tst_settings' reading
        const std::pair<QString, const char*> cases[] = {{missing, "there is no such file"},
                                                         {pipe, "it is not a regular file"},
                                                         {u"/proc/self/mem"_s, "Input/output error"}};
        for (const auto& [path, cause] : cases)
            QCOMPARE(ErrorOf([&] { ReadCharacterFile(path); }),
                     QStringLiteral("Cannot read the character file \"%1\": %2").arg(path, cause));
        QVERIFY(!QFileInfo::exists(missing));
    }

    // The dialog starts in the program folder at first, then in the folder of the last file chosen, in this run
    // and after a restart; the labels show the character. Cancel changes nothing.
    void openAndCancel()
    {
        const QString program = mDir.filePath(u"program/"_s), chars = mDir.filePath(u"chars, old/"_s);
        QVERIFY(QDir().mkpath(program) && QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), program + u"Kelvara.mdb"_s));
        SetProgramFolder(program);
        QStringList shownFolders;
        QString answer; // what the player picks; empty: cancel
        // A dialog with any other filter picks a file that is not there.
        Dialogs::SetOpenFileHook([&](const QString&, const QString& folder, const QString& filter) {
            shownFolders << folder;
            return filter == u"Kelvara Character Files (*.oxl)"_s ? answer : u"wrong filter"_s;
        });
        auto window = std::make_unique<frmMain>();
        window->Form_Load();
        auto open = [&](const QString& file) {
            answer = file;
            window->findChild<QAction*>(u"mnuOpenCharacterFile"_s)->trigger();
        };
        auto labels = [&] {
            QStringList texts;
            for (const char* name : {"lblCharacterNumber", "lblName", "lblDescription"})
                texts << window->findChild<QLabel*>(QLatin1String(name))->text();
            return texts;
        };
        // A short record: the rest reads as zero bytes.
        const QByteArray record = QByteArray(4, '\xff').leftJustified(12, '\0')
            + QByteArray("Mage\x07\r\nX").leftJustified(204, '\0') + "Line one\r\nLine\ttwo";
        open(Put(u"chars, old/mage.oxl"_s, record));
        const QStringList shown{"-1", "Mage   X", "Line one\nLine two"};
        QCOMPARE(labels(), shown);
        const CharacterRecord character = gCharacter;
        open(QString());
        QCOMPARE(labels(), shown);
        QCOMPARE(gCharacter, character);

        gCharacterFolder.clear();
        window = std::make_unique<frmMain>();
        window->Form_Load();
        QCOMPARE(labels(), (QStringList{"", "", ""}));
        open(Put(u"chars, old/empty.oxl"_s, QByteArray()));
        QCOMPARE(shownFolders, (QStringList{program, chars, chars}));
        QCOMPARE(labels(), (QStringList{"0", "", ""}));
        QCOMPARE(mMessages, QStringList());
        window.reset();
        Dialogs::SetOpenFileHook(nullptr);
        SetProgramFolder(QString());
    }

    void dialog_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("expected"); // the texts stored, or the field the message names
        QTest::newRow("stored as typed, fitted")
            << QStringList{"12:30:", "12/25/", "24:00:00", "01/30/0005"} << "12:30:  |12/25/    |24:00:00|01/30/0005";
        QTest::newRow("all empty") << QStringList(4) << "real time";
        QTest::newRow("first failing only") << QStringList{"16:45:00", "13/01/2026", "25:00:00", "0"} << "real date";
        QTest::newRow("game time") << QStringList{"16:45:00", "07/04/2026", "9:45:00", "0"} << "Kelvara time";
        QTest::newRow("game date") << QStringList{"16:45:00", "07/04/2026", "09:41:27", "7-4"} << "Kelvara date";
        const QStringList overlong{"16:45:0099", "07/04/202699", "09:41:2799", "03/17/001299"}; // past the widths
        QTest::newRow("cancel") << overlong << "";
        QTest::newRow("close box") << overlong << "";
        QTest::newRow("Enter") << overlong << ""; // Escape: tst_accessibility
    }

    void dialog()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, expected);
        const QByteArray how = QTest::currentDataTag();
        gCalibration = ClockCalibration::FromTexts(u"10:00:00"_s, u"12/06/2026"_s, u"01:02:03"_s, u"04/05/0006"_s);
        const ClockCalibration before = gCalibration;
        mMessages.clear();
        frmDateTime dialog;
        dialog.show();
        QStringList held;
        QLineEdit* box = nullptr;
        for (const char* name : {"txtRealTime", "txtRealDate", "txtOXLTime", "txtOXLDate"}) {
            box = dialog.findChild<QLineEdit*>(QLatin1String(name));
            QTest::keyClicks(box, typed[held.size()]);
            held << box->text();
        }
        if (how == "cancel")
            QTest::mouseClick(dialog.findChild<QPushButton*>(u"cmdCancel"_s), Qt::LeftButton);
        else if (how == "close box")
            dialog.close();
        else if (how == "Enter")
            QTest::keyClick(box, Qt::Key_Return);
        else
            QTest::mouseClick(dialog.findChild<QPushButton*>(u"cmdSetDateandTime"_s), Qt::LeftButton);
        const bool accepted = expected.contains(u'|');
        const QString message = u"The %1 is not in the correct format.  Please fix it and try again."_s.arg(expected);
        QCOMPARE(mMessages, accepted || expected.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(dialog.isVisible(), !accepted && how != "cancel" && how != "close box");
        const ClockCalibration& c = gCalibration;
        if (accepted)
            QCOMPARE(QStringList({c.RealTime, c.RealDate, c.OXLTime, c.OXLDate}).join(u'|'), expected);
        else
            QCOMPARE(c, before);
        QVERIFY(!accepted || !c.Instant.has_value());
        if (expected.isEmpty())
            QCOMPARE(held, (QStringList{"16:45:00", "07/04/2026", "09:41:27", "03/17/0012"}));
    }
};

QTEST_MAIN(TstPreferences)
#include "tst_preferences.moc"
