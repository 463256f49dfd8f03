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

    static int64_t GameSeconds(const QString& time, const QString& date)
    {
        const int64_t h = time.mid(0, 2).toInt(), m = time.mid(3, 2).toInt(), s = time.mid(6, 2).toInt();
        const int64_t month = date.mid(0, 2).toInt(), day = date.mid(3, 2).toInt(), year = date.mid(6, 4).toInt();
        return (((year * 12 + (month - 1)) * 28 + (day - 1)) * 24 + h) * 3600 + m * 60 + s;
    }

    QTemporaryDir mDir;
    QProcess mProgram;
    QDateTime mStart;
    QString mWindow;

    QString DataFile() const { return mDir.filePath(QStringLiteral("OXLTIMES.DAT")); }

    // Copies the program into a folder of its own, calibrated 100 real seconds ago at
    // game 00:00:00 on 01/01/0001, and starts it.
    void Start()
    {
        const QString exe = mDir.filePath(QStringLiteral("kelvara-utility"));
        QFile::remove(exe);
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_EXE), exe));
        const QString database = QFileInfo(QStringLiteral(KELVARA_EXE)).dir().filePath(QStringLiteral("Kelvara.mdb"));
        const QString copy = mDir.filePath(QStringLiteral("Kelvara.mdb"));
        if (QFileInfo::exists(database) && !QFileInfo::exists(copy))
            QVERIFY(QFile::copy(database, copy));

        mStart = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() - 100);
        QFile file(DataFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(mStart.toString(QStringLiteral("HH:mm:ss\r\nMM/dd/yyyy\r\n")).toLatin1()
                   + "00:00:00\r\n01/01/0001\r\n");
        file.close();

        mProgram.setWorkingDirectory(QDir::tempPath()); // the program folder is the executable's, not this
        mProgram.start(exe, {});
        QVERIFY(mProgram.waitForStarted());
        mWindow = Run({"search", "--sync", "--name", "^Kelvara Utility"}).section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(!mWindow.isEmpty(), "the main window did not appear");
        QTest::qWait(1600); // a few ticks
    }

    // The program ended by itself with status 0 and saved the game moment that
    // 18 times the real time since the calibration gives.
    void CheckSaved()
    {
        QVERIFY2(mProgram.waitForFinished(10000), "the program did not end");
        QCOMPARE(mProgram.exitStatus(), QProcess::NormalExit);
        QCOMPARE(mProgram.exitCode(), 0);

        QFile file(DataFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QCOMPARE(saved.size(), 44);
        const QList<QByteArray> lines = saved.split('\n');
        auto field = [&](int i) { return QString::fromLatin1(lines[i]).chopped(1); };
        const QDateTime closed = QDateTime::fromString(field(1) + QLatin1Char(' ') + field(0),
                                                       QStringLiteral("MM/dd/yyyy HH:mm:ss"));
        QVERIFY(closed.isValid());
        const int64_t elapsed = mStart.secsTo(closed);
        QVERIFY2(elapsed >= 101 && elapsed < 160, qPrintable(QString::number(elapsed)));
        QCOMPARE(GameSeconds(field(2), field(3))
                     - GameSeconds(QStringLiteral("00:00:00"), QStringLiteral("01/01/0001")),
                 18 * elapsed);
    }

private slots:
    // Without its game database the program says so and ends, leaving the saved
    // clock as it was.
    void endsWithoutDatabase()
    {
        QTemporaryDir dir;
        const QString exe = dir.filePath(QStringLiteral("kelvara-utility"));
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_EXE), exe));
        const QByteArray saved = "10:00:00\r\n12/06/2026\r\n01:02:03\r\n04/05/0006\r\n";
        QFile file(dir.filePath(QStringLiteral("OXLTIMES.DAT")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(saved);
        file.close();

        QProcess program;
        program.start(exe, {});
        QVERIFY(program.waitForStarted());
        const QString box = Run({"search", "--sync", "--name", "^Kelvara Utility$"}).section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(!box.isEmpty(), "no message box");
        QVERIFY(program.state() == QProcess::Running); // waiting for the player to read the message
        Run({"windowfocus", "--sync", box, "key", "Return"});
        QVERIFY2(program.waitForFinished(10000), "the program did not end");
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), saved);
    }

    void ticksAndSavesOnCtrlQ()
    {
        Start();
        Run({"windowfocus", "--sync", mWindow, "key", "ctrl+q"});
        CheckSaved();
    }

    void savesOnSigterm()
    {
        Start();
        mProgram.terminate();
        CheckSaved();
    }

    // Killed while a modal window is open: the clock is saved all the same.
    void savesOnSigtermWithDialogOpen_data()
    {
        QTest::addColumn<QString>("key");   // the entry's access key in the Tools menu
        QTest::addColumn<QString>("title"); // the modal window it opens
        QTest::newRow("calibration dialog") << "d"
                                            << "^Set Date and Time$";
        QTest::newRow("Next Specified Day input box") << "s"
                                                      << "^Kelvara Utility$";
    }

    void savesOnSigtermWithDialogOpen()
    {
        QFETCH(QString, key);
        QFETCH(QString, title);
        Start();
        Run({"windowfocus", "--sync", mWindow, "key", "alt+t", key});
        const QString dialog = Run({"search", "--sync", "--name", title});
        QVERIFY2(!dialog.isEmpty(), "the modal window did not open");
        mProgram.terminate();
        CheckSaved();
    }
};

QTEST_GUILESS_MAIN(TstSmoke)
#include "tst_smoke.moc"
