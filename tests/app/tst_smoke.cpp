// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/filebytes.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The real program, as a player runs it: from a folder of its own, with a saved calibration, ticking for a while.
class TstSmoke : public QObject
{
    Q_OBJECT

    static QString Run(const QStringList& args)
    {
        QProcess p;
        p.start(QStringLiteral("xdotool"), args);
        if (!p.waitForFinished(15000))
            p.kill();
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed().section(QLatin1Char('\n'), 0, 0);
    }

    QTemporaryDir mDir;
    QProcess mProgram;
    QDateTime mStart;
    QString mWindow;

    QString DataFile() const { return mDir.filePath(QStringLiteral("OXLTIMES.DAT")); }

    // Copies the program into a folder of its own (with the game database, unless the row is "no database"),
    // calibrated 100 real seconds ago at game 00:00:00 on 01/01/0001, and starts it with `args`, through
    // `launcher` when one is given.
    void Start(const QStringList& args = {}, const QStringList& launcher = {})
    {
        const QString exe = mDir.filePath(QStringLiteral("kelvara-utility")), copy = mDir.filePath(u"Kelvara.mdb"_s);
        for (const QString& file : {exe, copy, DataFile()})
            QDir(file).removeRecursively(), QFile::remove(file); // a folder: left by a row whose save failed
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_EXE), exe));
        if (QByteArray(QTest::currentDataTag()) != "no database")
            QVERIFY(QFile::copy(QFileInfo(QStringLiteral(KELVARA_EXE)).dir().filePath(u"Kelvara.mdb"_s), copy));
        mStart = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() - 100);
        QVERIFY(PutFile(DataFile(),
                        mStart.toString(u"HH:mm:ss\r\nMM/dd/yyyy\r\n"_s).toLatin1() + "00:00:00\r\n01/01/0001\r\n"));
        mProgram.setWorkingDirectory(QDir::tempPath()); // the program folder is the executable's, not this
        // Started hidden, without a tray (the bare X server has none, and no session bus is named) the window
        // shows minimised.
        const bool hidden = args.contains(u"--hidden"_s);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"})
            hidden ? environment.remove(QLatin1String(name)) : void();
        mProgram.setProcessEnvironment(environment);
        mProgram.start(launcher.value(0, exe), launcher.mid(1) + (launcher.isEmpty() ? args : QStringList{exe} + args));
        mWindow = Run({"search", "--sync", "--name", "^Kelvara Utility"});
        QVERIFY2(!mWindow.isEmpty(), "the main window did not appear");
        QProcess hints; // as the window system is asked to show it: minimised when started hidden
        hints.start(u"xprop"_s, {u"-id"_s, mWindow, u"WM_HINTS"_s});
        QVERIFY(hints.waitForFinished() && hints.readAllStandardOutput().contains("Iconic") == hidden);
        QTest::qWait(1600); // a few ticks
    }

    // The program ends with `status`: with 0 after saving the game moment that 18 times the real time since the
    // calibration gives, with 1 after the player read the message `box`, the clock saved before kept if it can be.
    void CheckEnd(int status = 0, const QString& box = {})
    {
        if (!box.isEmpty())
            Run({"windowfocus", "--sync", box, "key", "Return"});
        QVERIFY2(mProgram.waitForFinished(10000), "the program did not end");
        QCOMPARE(mProgram.exitStatus(), QProcess::NormalExit);
        QCOMPARE(mProgram.exitCode(), status);
        if (QFileInfo(DataFile()).isDir()) // the save failed
            return;
        const QList<QByteArray> lines = FileBytes(DataFile()).split('\n');
        QCOMPARE(lines.size(), 5);
        auto field = [&](int i) { return QString::fromLatin1(lines[i]).chopped(1); };
        const QDateTime closed = QDateTime::fromString(field(1) + u' ' + field(0), u"MM/dd/yyyy HH:mm:ss"_s);
        const int64_t elapsed = mStart.secsTo(closed);
        QVERIFY2(box.isEmpty() ? elapsed >= 101 && elapsed < 160 : elapsed == 0, qPrintable(QString::number(elapsed)));
        if (!box.isEmpty())
            return;
        QCOMPARE(field(3), u"01/01/0001"_s); // within the first game hour of 01/01/0001
        QCOMPARE(QTime::fromString(field(2), u"HH:mm:ss"_s).msecsSinceStartOfDay() / 1000, 18 * elapsed);
    }

private slots:
    // However the player ends it (Ctrl+Q, kill, Ctrl+C or a closed terminal, the X server ending, also while a
    // modal window is open), the program saves the clock; a save that fails is reported and ends the program with
    // status 1. It speaks the language the settings name from the start. Without its game database it says so and
    // ends with 1; started with Qt's window options alone, it opens its windows.
    void endsAndSaves_data()
    {
        QTest::addColumn<QString>("how"); // the row's name up to its comma
        for (const char* tag : {"Ctrl+Q", "Ctrl+Q, started hidden", "SIGTERM", "SIGTERM, in German", "SIGHUP",
                                "SIGTERM, calibration dialog open", "X server ends", "SIGINT, save fails",
                                "Ctrl+Q, save fails", "no database"})
            QTest::newRow(tag) << QString::fromLatin1(tag).section(u',', 0, 0);
    }

    void endsAndSaves()
    {
        QFETCH(QString, how);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        const bool german = tag.contains(u"German"), saveFails = tag.endsWith(u"fails");
        QVERIFY(PutFile(mDir.filePath(u"kelvara-utility.ini"_s),
                        german ? "[Preferences]\nlanguage=de\n[CompactClock]\nvisible=true\n" : ""));
        QProcess server; // the X server that ends is the row's own
        const QByteArray display = qgetenv("DISPLAY");
        const auto restore = qScopeGuard([&display] { qputenv("DISPLAY", display); });
        if (how.startsWith(u'X')) {
            server.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-nolisten"_s, u"tcp"_s});
            QVERIFY(server.waitForReadyRead(10000));
            qputenv("DISPLAY", ':' + server.readAllStandardOutput().trimmed());
        }
        Start(tag.contains(u"hidden") ? QStringList{u"--hidden"_s}
                                      : QStringList{u"-platform"_s, u"xcb"_s, u"--style=fusion"_s});
        if (how == u"no database")
            return CheckEnd(1, mWindow);
        QCOMPARE(Run({"search", "--name", "^Kelvara-Kompaktuhr$"}).isEmpty(), !german);
        if (tag.contains(u"dialog")) {
            Run({"windowfocus", "--sync", mWindow, "key", "alt+t", "d"});
            QVERIFY2(!Run({"search", "--sync", "--name", "^Set Date and Time$"}).isEmpty(), "no modal window");
        }
        if (saveFails)
            QVERIFY(QFile::remove(DataFile()) && QDir(mDir.path()).mkdir(u"OXLTIMES.DAT"_s));
        if (how == u"Ctrl+Q")
            Run({"windowfocus", "--sync", mWindow, "key", "ctrl+q"});
        else if (how.startsWith(u"SIG"))
            QProcess::execute(u"kill"_s, {u'-' + how.mid(3), QString::number(mProgram.processId())});
        server.kill(), server.waitForFinished();
        // Qt ends the program with 1 when the X server is gone; a failed save is reported in a message box.
        CheckEnd(saveFails || how.startsWith(u'X') ? 1 : 0,
                 saveFails ? Run({"search", "--sync", "--name", "^Kelvara Utility$"}) : QString());
    }

    // One copy a program folder, whatever the environment of each start: a second start brings the running
    // copy's window forward and ends with 0, one that meets a copy not answering ends with 1, and one killed
    // leaves no claim. The first starts hidden without XDG_RUNTIME_DIR (as root, seeing another user's folder
    // where the claim once lived, /tmp/kelvara-utility-UID), the others with nothing but the display and a
    // runtime folder. A folder that cannot be locked is said to be so, and the program runs. Only the claim's
    // holder removes what a save cut short by a kill left.
    void oneCopy()
    {
        QTemporaryDir runtime, foreign;
        const QString old = u"/tmp/kelvara-utility-%1"_s.arg(::getuid());
        // A mount namespace of its own is had only where the root folder is a mount point (not in a chroot).
        const bool isolated = ::geteuid() == 0 && QProcess::execute(u"unshare"_s, {u"-m"_s, u"true"_s}) == 0
            && QDir().mkpath(old) && ::chmod(qPrintable(foreign.path()), 0777) == 0;
        const QString mount = u"mount --bind '%1' '%2' && exec \"$0\" \"$@\""_s.arg(foreign.path(), old);
        QFile saving(mDir.filePath(u"kelvara-utility.ini.unfinished-AbC12d"_s));
        QVERIFY(PutFile(saving.fileName(), {}));
        Start({u"--hidden"_s}, isolated ? QStringList{u"unshare"_s, u"-m"_s, u"sh"_s, u"-c"_s, mount} : QStringList());
        QVERIFY(!saving.exists() && saving.open(QIODevice::WriteOnly)); // now a save under way
        QProcess second;
        QProcessEnvironment bare;
        for (const char* name : {"DISPLAY", "XAUTHORITY"})
            bare.insert(QLatin1String(name), qEnvironmentVariable(name));
        bare.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
        second.setProcessEnvironment(bare);
        second.start(mDir.filePath(u"kelvara-utility"_s));
        QVERIFY2(second.waitForFinished(10000) && second.exitCode() == 0, "a second copy runs");
        QCOMPARE(Run({"getwindowfocus"}), mWindow);
        // A running copy that does not answer: the start says so and ends with 1.
        QProcess::execute(u"kill"_s, {u"-STOP"_s, QString::number(mProgram.processId())});
        second.start(second.program());
        Run({"windowfocus", "--sync", Run({"search", "--sync", "--name", "^Kelvara Utility$"}), "key", "Return"});
        QVERIFY2(second.waitForFinished(10000) && second.exitCode() == 1, "the start did not end with 1");
        mProgram.kill();
        QVERIFY(mProgram.waitForFinished(10000));
        // Nothing to lock in the folder: the start says so (in the window Start finds first), and runs.
        const QString lock = mDir.filePath(u"kelvara-utility.lock"_s);
        QVERIFY(QFile::remove(lock) && QDir().mkdir(lock));
        Start();
        QVERIFY(mProgram.readAllStandardError().contains("cannot lock \"" + lock.toUtf8()));
        Run({"windowfocus", "--sync", mWindow, "key", "Return"});
        Run({"windowfocus", "--sync", Run({"search", "--sync", "--name", "^Kelvara Utility "}), "key", "ctrl+q"});
        CheckEnd();
        QVERIFY2(saving.exists(), "a start without the claim removed a save under way");
    }
};

QTEST_GUILESS_MAIN(TstSmoke)
#include "tst_smoke.moc"
