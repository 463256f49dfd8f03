#include "common/errorof.h"
#include "common/faultkit.h"
#include "common/filebytes.h"
#include "files/autostart.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstAutostart : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    QString mConfig;
    int mRun = 0;

private slots:
    void init()
    {
        mConfig = mDir.filePath(QString::number(++mRun));
        qputenv("HOME", QFile::encodeName(mDir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(mConfig));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<QString>("exec"); // as the desktop reads it
        QTest::newRow("plain") << u"/usr/bin/kelvara-utility"_s << false << u"/usr/bin/kelvara-utility"_s;
        QTest::newRow("spaces") << u"/opt/My Games/kelvara utility"_s << true
                                << u"\"/opt/My Games/kelvara utility\" --hidden"_s;
        QTest::newRow("quotes") << u"/opt/it's \"x\"/k"_s << false << u"\"/opt/it's \\\\\"x\\\\\"/k\""_s;
        QTest::newRow("percent") << u"/opt/100%/k"_s << true << u"/opt/100%%/k --hidden"_s;
        QTest::newRow("percent, space") << u"/opt/50% off/k"_s << false << u"\"/opt/50%% off/k\""_s;
        QTest::newRow("dollar") << u"/opt/$HOME/k"_s << true << u"\"/opt/\\\\$HOME/k\" --hidden"_s;
        QTest::newRow("backslash") << u"/opt/a\\b/k"_s << false << u"\"/opt/a\\\\\\\\b/k\""_s;
        QTest::newRow("back quotes") << u"/opt/`x`/k"_s << false << u"\"/opt/\\\\`x\\\\`/k\""_s;
        QTest::newRow("line end") << u"/opt/a\nb/k"_s << true << u"\"/opt/a\\nb/k\" --hidden"_s;
        // Where the path is no UTF-8, a link to the program in the data folder.
        QTest::newRow("no UTF-8") << u"/opt/a\xff/k"_s << false
                                  << u"{home}/.local/share/tst_autostart/kelvara-utility"_s;
        QTest::newRow("control character")
            << u"/opt/a\x01/k"_s << false << u"{home}/.local/share/tst_autostart/kelvara-utility"_s;
    }
    void roundTrip()
    {
        QFETCH(QString, program);
        QFETCH(bool, hidden);
        QFETCH(QString, exec);
        const bool linked = exec.startsWith(u"{home}"_s);
        exec.replace(u"{home}"_s, mDir.path());
        // The path as the system's bytes: \xff stands for that byte.
        const QByteArray exe = QFile::encodeName(program).replace("\xc3\xbf", "\xff");
        QCOMPARE(AutostartProgram(exe, false), linked ? exec : program);
        program = AutostartProgram(exe, true);
        char target[64] = {};
        QCOMPARE(::readlink(QFile::encodeName(program).constData(), target, sizeof target - 1) > 0, linked);
        QVERIFY(!linked || exe == target);
        if (linked) { // a file of the player's in the link's place stays, and the reason is told
            QVERIFY(QFile::remove(program) && PutFile(program, "mine"));
            QVERIFY(ErrorOf([&] { AutostartProgram(exe, true); }).endsWith(u"File exists"_s));
            QVERIFY(FileBytes(program) == "mine" && QFile::remove(program) && AutostartProgram(exe, true) == program);
        }
        WriteAutostart(program, hidden);
        const QString path = mConfig + u"/autostart/kelvara-utility.desktop"_s;
        QCOMPARE(AutostartPath(), path);
        QVERIFY(FileBytes(path).split('\n').contains("Exec=" + exec.toUtf8()));
        const AutostartEntry entry{program, hidden ? QStringList{HiddenOption} : QStringList()};
        QVERIFY(ReadAutostart() == entry);
        QCOMPARE(QProcess::execute(u"desktop-file-validate"_s, {path}), 0);
    }

    void configHomeAndRemoval()
    {
        const QString path = mDir.filePath(u".config/autostart/kelvara-utility.desktop"_s);
        for (const char* value : {"", "config"}) { // unset or relative: ~/.config
            qputenv("XDG_CONFIG_HOME", value);
            QCOMPARE(AutostartPath(), path);
            WriteAutostart(u"/bin/k"_s, false);
            QVERIFY(QFile::exists(path) && QFile(path + u"~"_s).open(QIODevice::WriteOnly));
            RemoveAutostart();
            QVERIFY(!QFile::exists(path) && QFile::exists(path + u"~"_s)); // that file alone
        }
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(AutostartPath(), path);
        // A link in the entry's place (to a menu launcher) is replaced; the launcher stays as it was.
        QFile launcher(mDir.filePath(u"launcher.desktop"_s));
        QVERIFY(PutFile(launcher.fileName(), "[Desktop Entry]\n"));
        QVERIFY(launcher.link(path));
        WriteAutostart(u"/bin/k"_s, true);
        QVERIFY(!QFileInfo(path).isSymLink() && ReadAutostart() == AutostartEntry({u"/bin/k"_s, {HiddenOption}}));
        QCOMPARE(launcher.size(), 16);
        // Switched off in the desktop's settings: no entry the desktop starts.
        for (const char* off :
             {"Hidden=true", "Hidden=1", "X-GNOME-Autostart-enabled=false", "X-GNOME-Autostart-enabled=0"}) {
            QVERIFY(PutFile(path, FileBytes(path) + off));
            QVERIFY(!ReadAutostart());
            WriteAutostart(u"/bin/k"_s, false);
        }
    }

    void failures_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only configuration folder") << 0 << u"Permission denied"_s;
        QTest::newRow("read-only autostart folder") << 1 << u"Permission denied"_s;
        QTest::newRow("a file in the folder's place") << 2 << u"Not a directory"_s;
        QTest::newRow("a folder in the file's place") << 3 << QString();
        QTest::newRow("no program") << 4 << u"the program's own path is not known"_s;
    }
    void failures()
    {
        QFETCH(int, kind);
        QFETCH(QString, reason);
        const QString path = AutostartPath();
        const QString autostart = QFileInfo(path).path();
        QVERIFY(QDir().mkpath(kind == 3 ? path : kind == 1 ? autostart : mConfig));
        QVERIFY(kind != 2 || QFile(autostart).open(QIODevice::WriteOnly));
        std::optional<faultkit::ReadOnlyFolder> readOnly;
        if (kind < 2)
            QVERIFY(readOnly.emplace(kind == 0 ? mConfig : autostart).Holds());
        const QString prefix = u"Cannot write \"%1\": "_s.arg(path);
        const QString error = ErrorOf([kind] { WriteAutostart(kind == 4 ? QString() : u"/bin/k"_s, true); });
        QVERIFY2(error.startsWith(prefix) && error.size() > prefix.size() && error.contains(reason), qPrintable(error));
        QVERIFY(!ReadAutostart());
        RemoveAutostart(); // nothing to remove; a folder in its place stays
        QCOMPARE(QFileInfo(path).isDir(), kind == 3);
    }
};

QTEST_GUILESS_MAIN(TstAutostart)
#include "tst_autostart.moc"
