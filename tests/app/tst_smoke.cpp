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

private slots:
    void ticksAndSavesOnCtrlQ()
    {
        QTemporaryDir dir;
        const QString exe = dir.filePath(QStringLiteral("kelvara-utility"));
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_EXE), exe));
        const QString database = QFileInfo(QStringLiteral(KELVARA_EXE)).dir().filePath(QStringLiteral("Kelvara.mdb"));
        if (QFileInfo::exists(database))
            QVERIFY(QFile::copy(database, dir.filePath(QStringLiteral("Kelvara.mdb"))));

        // Calibrated 100 real seconds ago at game 00:00:00 on 01/01/0001.
        const QDateTime start = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() - 100);
        QFile file(dir.filePath(QStringLiteral("OXLTIMES.DAT")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(start.toString(QStringLiteral("HH:mm:ss\r\nMM/dd/yyyy\r\n")).toLatin1() + "00:00:00\r\n01/01/0001\r\n");
        file.close();

        QProcess program;
        program.setWorkingDirectory(QDir::tempPath()); // the program folder is the executable's, not this
        program.start(exe, {});
        QVERIFY(program.waitForStarted());
        const QString window = Run({"search", "--sync", "--name", "^Kelvara Utility"});
        QVERIFY2(!window.isEmpty(), "the main window did not appear");
        QTest::qWait(1600); // a few ticks
        Run({"windowfocus", "--sync", window.section(QLatin1Char('\n'), 0, 0), "key", "ctrl+q"});
        QVERIFY2(program.waitForFinished(10000), "the program did not end on Ctrl+Q");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QCOMPARE(saved.size(), 44);
        const QList<QByteArray> lines = saved.split('\n');
        auto field = [&](int i) { return QString::fromLatin1(lines[i]).chopped(1); };
        const QDateTime closed = QDateTime::fromString(field(1) + QLatin1Char(' ') + field(0),
                                                       QStringLiteral("MM/dd/yyyy HH:mm:ss"));
        QVERIFY(closed.isValid());
        const int64_t elapsed = start.secsTo(closed);
        QVERIFY2(elapsed >= 101 && elapsed < 160, qPrintable(QString::number(elapsed)));
        QCOMPARE(GameSeconds(field(2), field(3)) - GameSeconds(QStringLiteral("00:00:00"), QStringLiteral("01/01/0001")),
                 18 * elapsed);
    }
};

QTEST_GUILESS_MAIN(TstSmoke)
#include "tst_smoke.moc"
