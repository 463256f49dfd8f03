#include "common/filebytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The real program, as a player runs it: from a folder of its own, with a saved
// calibration, ticking for a while and closed with Ctrl+Q.
class TstSmoke : public QObject
{
    Q_OBJECT

    static QString Run(const QStringList& args, int timeoutMs = 15000)
    {
        QProcess p;
        p.start(QStringLiteral("xdotool"), args);
        if (!p.waitForFinished(timeoutMs))
            p.kill();
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    }

    QTemporaryDir mDir;
    QProcess mProgram;
    QDateTime mStart;
    QString mWindow;

    QString DataFile() const { return mDir.filePath(QStringLiteral("OXLTIMES.DAT")); }

    // Copies the program into a folder of its own, calibrated 100 real seconds ago at
    // game 00:00:00 on 01/01/0001, and starts it.
    void Start(bool hidden = false)
    {
        const QString exe = mDir.filePath(QStringLiteral("kelvara-utility"));
        QFile::remove(exe);
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_EXE), exe));
        const QString database = QFileInfo(QStringLiteral(KELVARA_EXE)).dir().filePath(QStringLiteral("Kelvara.mdb"));
        const QString copy = mDir.filePath(QStringLiteral("Kelvara.mdb"));
        if (QFileInfo::exists(database) && !QFileInfo::exists(copy))
            QVERIFY(QFile::copy(database, copy));

        QDir(DataFile()).removeRecursively(); // left by a row whose save failed
        mStart = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() - 100);
        QVERIFY(PutFile(DataFile(),
                        mStart.toString(QStringLiteral("HH:mm:ss\r\nMM/dd/yyyy\r\n")).toLatin1()
                            + "00:00:00\r\n01/01/0001\r\n"));

        mProgram.setWorkingDirectory(QDir::tempPath()); // the program folder is the executable's, not this
        // Started hidden, without a tray (the bare X server has none, and no session bus is named) the window
        // shows minimised.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"})
            hidden ? environment.remove(QLatin1String(name)) : void();
        mProgram.setProcessEnvironment(environment);
        mProgram.start(exe, hidden ? QStringList{QStringLiteral("--hidden")} : QStringList());
        QVERIFY(mProgram.waitForStarted());
        mWindow = Run({"search", "--sync", "--name", "^Kelvara Utility"}).section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(!mWindow.isEmpty(), "the main window did not appear");
        QProcess hints; // as the window system is asked to show it: minimised when started hidden
        hints.start(QStringLiteral("xprop"), {QStringLiteral("-id"), mWindow, QStringLiteral("WM_HINTS")});
        QVERIFY(hints.waitForFinished() && hints.readAllStandardOutput().contains("Iconic") == hidden);
        QTest::qWait(1600); // a few ticks
    }

    // The program ended by itself with status 0 and saved the game moment that
    // 18 times the real time since the calibration gives.
    void CheckSaved()
    {
        QVERIFY2(mProgram.waitForFinished(10000), "the program did not end");
        QCOMPARE(mProgram.exitStatus(), QProcess::NormalExit);
        QCOMPARE(mProgram.exitCode(), 0);

        const QByteArray saved = FileBytes(DataFile());
        QCOMPARE(saved.size(), 44);
        const QList<QByteArray> lines = saved.split('\n');
        auto field = [&](int i) { return QString::fromLatin1(lines[i]).chopped(1); };
        const QDateTime closed = QDateTime::fromString(field(1) + QLatin1Char(' ') + field(0),
                                                       QStringLiteral("MM/dd/yyyy HH:mm:ss"));
        QVERIFY(closed.isValid());
        const int64_t elapsed = mStart.secsTo(closed);
        QVERIFY2(elapsed >= 101 && elapsed < 160, qPrintable(QString::number(elapsed)));
        // Within the first game hour of 01/01/0001.
        QCOMPARE(field(3), QStringLiteral("01/01/0001"));
        QCOMPARE(QTime::fromString(field(2), QStringLiteral("HH:mm:ss")).msecsSinceStartOfDay() / 1000, 18 * elapsed);
    }

private slots:
    // Without its game database the program says so and ends, leaving the saved
    // clock as it was. Started with Qt's window options alone, it opens its windows.
    void endsWithoutDatabase()
    {
        QTemporaryDir dir;
        const QString exe = dir.filePath(QStringLiteral("kelvara-utility"));
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_EXE), exe));
        const QByteArray saved = "10:00:00\r\n12/06/2026\r\n01:02:03\r\n04/05/0006\r\n";
        QVERIFY(PutFile(dir.filePath(QStringLiteral("OXLTIMES.DAT")), saved));

        QProcess program;
        program.start(exe, {QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("--style=fusion")});
        QVERIFY(program.waitForStarted());
        const QString box = Run({"search", "--sync", "--name", "^Kelvara Utility$"}).section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(!box.isEmpty(), "no message box");
        QVERIFY(program.state() == QProcess::Running); // waiting for the player to read the message
        Run({"windowfocus", "--sync", box, "key", "Return"});
        QVERIFY2(program.waitForFinished(10000), "the program did not end");
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(FileBytes(dir.filePath(QStringLiteral("OXLTIMES.DAT"))), saved);
    }

    // However the player ends it (Ctrl+Q, kill, Ctrl+C in a terminal, also while a modal window is open), the
    // program saves the clock; a save that fails is reported and ends the program with a non-zero status. It
    // speaks the language the settings name from the start.
    void endsAndSaves_data()
    {
        QTest::addColumn<QString>("menuKey"); // Tools menu entry to open first, or empty
        QTest::addColumn<QString>("title");   // the modal window it opens
        QTest::addColumn<QString>("how");     // "ctrl+q", "TERM" or "INT"
        QTest::addColumn<bool>("saveFails");
        auto row = [](const char* name, const char* menuKey, const char* title, const char* how, bool saveFails) {
            QTest::newRow(name) << QString::fromLatin1(menuKey) << QString::fromLatin1(title)
                                << QString::fromLatin1(how) << saveFails;
        };
        row("Ctrl+Q", "", "", "ctrl+q", false);
        row("Ctrl+Q, started hidden", "", "", "ctrl+q", false);
        row("SIGTERM", "", "", "TERM", false);
        row("SIGTERM, in German", "", "", "TERM", false);
        row("SIGTERM, calibration dialog open", "d", "^Set Date and Time$", "TERM", false);
        row("SIGTERM, input box open", "s", "^Kelvara Utility$", "TERM", false);
        row("SIGTERM, save fails", "", "", "TERM", true);
        row("SIGINT, save fails", "", "", "INT", true);
        row("Ctrl+Q, save fails", "", "", "ctrl+q", true);
    }

    void endsAndSaves()
    {
        QFETCH(QString, menuKey);
        QFETCH(QString, title);
        QFETCH(QString, how);
        QFETCH(bool, saveFails);
        const bool german = QByteArray(QTest::currentDataTag()).contains("German"); // as the settings say
        QVERIFY(PutFile(mDir.filePath(QStringLiteral("kelvara-utility.ini")),
                        german ? "[Preferences]\nlanguage=de\n[CompactClock]\nvisible=true\n" : ""));
        Start(QByteArray(QTest::currentDataTag()).contains("hidden"));
        QCOMPARE(Run({"search", "--name", "^Kelvara-Kompaktuhr$"}).isEmpty(), !german);
        if (!menuKey.isEmpty()) {
            Run({"windowfocus", "--sync", mWindow, "key", "alt+t", menuKey});
            QVERIFY2(!Run({"search", "--sync", "--name", title}).isEmpty(), "the modal window did not open");
        }
        if (saveFails) {
            QVERIFY(QFile::remove(DataFile()));
            QVERIFY(QDir(mDir.path()).mkdir(QStringLiteral("OXLTIMES.DAT")));
        }
        if (how == QLatin1String("ctrl+q"))
            Run({"windowfocus", "--sync", mWindow, "key", "ctrl+q"});
        else
            QProcess::execute(QStringLiteral("kill"), {QLatin1Char('-') + how, QString::number(mProgram.processId())});
        if (!saveFails) {
            CheckSaved();
            return;
        }
        const QString box = Run({"search", "--sync", "--name", "^Kelvara Utility$"}).section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(!box.isEmpty(), "the failed save was not reported");
        Run({"windowfocus", "--sync", box, "key", "Return"});
        QVERIFY2(mProgram.waitForFinished(10000), "the program did not end");
        QCOMPARE(mProgram.exitStatus(), QProcess::NormalExit);
        QCOMPARE(mProgram.exitCode(), 1);
    }

    // One copy a program folder: a second start brings the running copy's window forward and ends with 0, one
    // that meets a copy not answering ends with 1, and one killed leaves no claim.
    void oneCopy()
    {
        Start(true);
        const QString exe = mDir.filePath(QStringLiteral("kelvara-utility"));
        // A save of the running copy under way stays; a later start of the only copy removes what it left.
        QFile saving(mDir.filePath(QStringLiteral("kelvara-utility.ini.unfinished-AbC12d")));
        QVERIFY(saving.open(QIODevice::WriteOnly));
        QProcess second;
        second.start(exe);
        QVERIFY2(second.waitForFinished(10000) && second.exitCode() == 0, "a second copy runs");
        QVERIFY2(saving.exists(), "a second copy removed a save under way");
        QCOMPARE(Run({"getwindowfocus"}), mWindow);
        // A running copy that does not answer: the start says so and ends with 1.
        QProcess::execute(QStringLiteral("kill"), {QStringLiteral("-STOP"), QString::number(mProgram.processId())});
        second.start(exe);
        const QString box = Run({"search", "--sync", "--name", "^Kelvara Utility$"}).section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(!box.isEmpty(), "the start did not say that the running copy does not answer");
        Run({"windowfocus", "--sync", box, "key", "Return"});
        QVERIFY2(second.waitForFinished(10000), "the start did not end");
        QCOMPARE(second.exitCode(), 1);
        mProgram.kill();
        QVERIFY(mProgram.waitForFinished(10000));
        Start();
        QVERIFY(!saving.exists());
        Run({"windowfocus", "--sync", mWindow, "key", "ctrl+q"});
        CheckSaved();
    }
};

QTEST_GUILESS_MAIN(TstSmoke)
#include "tst_smoke.moc"
