// The program's own files, and its entry for starting at login.
#include "common/errorof.h"
#include "common/faultkit.h"
#include "common/filebytes.h"
#include "files/autostart.h"
#include "files/oxlfiles.h"

#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TstOxlFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    QString mConfig;
    int mRun = 0;

    QString File(const char* name) const { return mDir.filePath(QLatin1String(name)); }

private slots:
    void initTestCase() { SetProgramFolder(mDir.path()); }

    // A home of the test's own, and a fresh configuration folder for each test.
    void init()
    {
        mConfig = mDir.filePath(QString::number(++mRun));
        qputenv("HOME", QFile::encodeName(mDir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(mConfig));
    }

    // Files beside a build's executable; beside an installed one only for a player, never in /usr/bin for root.
    void filesBeside()
    {
        const QString bin = mDir.filePath(u"usr/bin"_s);
        QVERIFY(QDir().mkpath(bin) && KeepsFilesBeside(bin));
        QVERIFY(QDir().mkpath(mDir.filePath(u"usr/share/kelvara-utility"_s)));
        QVERIFY(PutFile(File("usr/share/kelvara-utility/Kelvara.mdb"), "db"));
        QCOMPARE(KeepsFilesBeside(bin), ::geteuid() != 0);
        QVERIFY(QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner));
        QCOMPARE(KeepsFilesBeside(bin), false);
    }

    // The folder of the chosen file is written quoted where it must be, and reads back as it was; a path
    // without a separator leaves the old file alone. Only the first item of the first line is read.
    void folderFile()
    {
        const QByteArray old("/old/\r\n");
        const std::pair<QString, QByteArray> cases[] = {{"/games/chars/hero.oxl", "/games/chars/\r\n"},
                                                        {"hero.oxl", old},
                                                        {"/x.oxl", "/\r\n"}, // the root folder
                                                        {QString::fromUtf8("/Größe/x.oxl"), "/Gr\xf6\xdf\x65/\r\n"},
                                                        {"/a,b, c/x.oxl", "\"/a,b, c/\"\r\n"},
                                                        {"/a\rb/x.oxl", "\"/a\rb/\"\r\n"}};
        for (const auto& [path, written] : cases) {
            QVERIFY(PutFile(File("OXLDIR.DAT"), old));
            SaveCharacterFolder(path);
            QCOMPARE(FileBytes(File("OXLDIR.DAT")), written);
            QCOMPARE(ReadCharacterFolder(), written == old ? u"/old/"_s : path.left(path.lastIndexOf(u'/') + 1));
        }
        QVERIFY(PutFile(File("OXLDIR.DAT"), "  /My Games , old/Characters/\r\n/b/\r\n")); // blanks around the first go
        QCOMPARE(ReadCharacterFolder(), u"/My Games"_s);
    }

    // Always 44 bytes, replacing the old file whole, with no temporary file left beside it; it reads back, each
    // item fitted to its field's width.
    void calibrationFile()
    {
        const std::pair<QStringList, QByteArray> cases[] = {
            {{"13:05:09", "02/29/2028", "09:41:27", "12/28/9999"},
             "13:05:09\r\n02/29/2028\r\n09:41:27\r\n12/28/9999\r\n"},
            {{"12:34:", "12/25/", "1:0 and more", ""}, "12:34:  \r\n12/25/    \r\n1:0 and \r\n          \r\n"},
            {{QString::fromUtf8("12:€:Ā"), "07/04/2026", "09:41:27", "03/17/0012"},
             "12:\x80:?  \r\n07/04/2026\r\n09:41:27\r\n03/17/0012\r\n"}};
        for (const auto& [fields, bytes] : cases) {
            QVERIFY(PutFile(File("OXLTIMES.DAT"), "an older, longer calibration file that is replaced whole\r\n"));
            WriteCalibrationFile(ClockCalibration{fields[0], fields[1], fields[2], fields[3], {}});
            QCOMPARE(FileBytes(File("OXLTIMES.DAT")), bytes);
            QCOMPARE(QDir(mDir.path()).entryList(QDir::Files), (QStringList{"OXLDIR.DAT", "OXLTIMES.DAT"}));
            const ClockCalibration back = ReadCalibrationFile(QDateTime::currentDateTime());
            QCOMPARE((QStringList{back.RealTime, back.RealDate, back.OXLTime, back.OXLDate}),
                     QString::fromLatin1(bytes).replace(QChar(0x80), QChar(0x20ac)).split(u"\r\n"_s).first(4));
        }
        // Saved in the hour repeated when summer time ends (01:00 to 02:00 UTC) or just before, the game clock reads
        // back as it was, to the second.
        for (const int second : {-1, 0, 1800, 3599}) {
            const QDateTime at = QDateTime(QDate(2026, 10, 25), QTime(1, 0), QTimeZone::utc()).addSecs(second);
            const auto saved = ComputeGameTime({"00:00:00", "01/01/2026", "00:00:00", "01/01/0001", {}}, at);
            WriteCalibrationFile(saved);
            QCOMPARE(ComputeGameTime(ReadCalibrationFile(at), at), saved);
        }
        QVERIFY(PutFile(File("OXLTIMES.DAT"), "12:30:00\r\n1")); // 11 bytes are a calibration; fewer are none
        QCOMPARE(ReadCalibrationFile(QDateTime(QDate(2026, 1, 1), QTime(9, 0))).RealTime, u"12:30:00"_s);
    }

    // A FIFO (a read would wait for ever) or a device (a read may never end) in a file's place is neither read nor
    // replaced: each call says why and leaves it as it was.
    void notRegular()
    {
        const std::function<void()> calls[] = {[] { ReadCalibrationFile(QDateTime()); },
                                               [] { PeekCalibrationFile(QDateTime()); }, [] { ReadCharacterFolder(); },
                                               [] { WriteCalibrationFile({}); },
                                               [] { SaveCharacterFolder(u"/a/b.oxl"_s); }};
        for (const mode_t kind : {S_IFIFO, S_IFCHR}) {
            for (const char* name : {"OXLTIMES.DAT", "OXLDIR.DAT"}) {
                const QByteArray path = QFile::encodeName(File(name));
                // A node like the system's zero device, in the test's own folder (only root may make one).
                if ((::unlink(path.constData()), ::mknod(path.constData(), kind | 0600, makedev(1, 5))) != 0)
                    QSKIP("making a device node needs root");
            }
            for (const auto& call : calls)
                QVERIFY2(ErrorOf(call).endsWith(u": it is not a regular file"_s), qPrintable(ErrorOf(call)));
            for (const char* name : {"OXLTIMES.DAT", "OXLDIR.DAT"})
                QVERIFY(QFileInfo::exists(File(name)) && !QFileInfo(File(name)).isFile());
        }
        QVERIFY(QFile::remove(File("OXLDIR.DAT")) && QFile::remove(File("OXLTIMES.DAT")));
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
        QTest::newRow("no UTF-8") << u"/opt/a\xff/k"_s << false << u"{data}/kelvara-utility"_s;
        QTest::newRow("control character") << u"/opt/a\x01/k"_s << false << u"{data}/kelvara-utility"_s;
    }
    void roundTrip()
    {
        QFETCH(QString, program);
        QFETCH(bool, hidden);
        QFETCH(QString, exec);
        const bool linked = exec.startsWith(u"{data}"_s);
        exec.replace(u"{data}"_s, mDir.filePath(u".local/share/"_s + QCoreApplication::applicationName()));
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

QTEST_GUILESS_MAIN(TstOxlFiles)
#include "tst_oxlfiles.moc"
