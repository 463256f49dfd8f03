#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The built program's command line, run without a display from a program folder of its
// own, at a pinned moment: 12:00:00 on 12/08/2026 (TZ=Europe/Berlin).
class TstCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;

private slots:
    void initTestCase()
    {
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_EXE), mDir.filePath(QStringLiteral("kelvara-utility"))));
    }

    void answers_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QByteArray>("calibration"); // "none": no file; "folder": a folder in its place
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out"); // ends in "...": the start of the output
        QTest::addColumn<QByteArray>("err"); // a part of the message
        // An hour ago the game clock stood at 00:00:00 on 03/14/0004: now it is 18 game hours later.
        const QByteArray hourAgo = "11:00:00\r\n12/08/2026\r\n00:00:00\r\n03/14/0004\r\n";
        auto row = [&](const char* name, const char* args, int status, const char* out, const char* err = "",
                       const QByteArray& calibration = {}) {
            QTest::newRow(name) << QString::fromLatin1(args) << (calibration.isNull() ? hourAgo : calibration) << status
                                << QByteArray(out) << QByteArray(err);
        };
        row("now", "--now", 0, "18:00:00 03/14/0004\n");
        row("now, json", "--now --json", 0,
            "{\"gameDate\":\"03/14/0004\",\"gameTime\":\"18:00:00\",\"realTime\":\"2026-12-08T12:00:00+01:00\"}\n");
        // 6 game hours to day 15 are 20 real minutes; a game month is 37 h 20 min.
        row("next", "--next 15", 0, "2026-12-08T12:20:00+01:00\t03/15/0004\n");
        row("next, three", "--next 15 --count 3", 0,
            "2026-12-08T12:20:00+01:00\t03/15/0004\n2026-12-10T01:40:00+01:00\t04/15/0004\n"
            "2026-12-11T15:00:00+01:00\t05/15/0004\n");
        // 14 game days 6 hours: 19 real hours, into the next game month.
        row("next, json", "--next=1 --json", 0,
            "[{\"gameDate\":\"04/01/0004\",\"start\":\"2026-12-09T07:00:00+01:00\",\"waitSeconds\":68400}]\n");
        row("no calibration file", "--now", 0, "00:00:01 01/01/0001\n", "", "none");
        row("short calibration file", "--next 1", 0, "2026-12-10T01:20:00+01:00\t02/01/0001\n", "", "0123456789");
        row("calibration unreadable", "--now", 1, "", "it is a folder", "folder");
        row("ics", "--next 7 --count 2 --ics {dir}/a.ics --remind 5", 0, "");
        row("help", "--help", 0, "Usage: ...");
        row("version", "--version", 0, "kelvara-utility 0.1...");
        for (const char* day : {"0", "29", "abc", "1.5"})
            row(qPrintable(QStringLiteral("day %1").arg(QLatin1String(day))),
                qPrintable(QStringLiteral("--next ") + QLatin1String(day)), 2, "", "DAY must be");
        for (const char* count : {"0", "1001", "x"})
            row(qPrintable(QStringLiteral("count %1").arg(QLatin1String(count))),
                qPrintable(QStringLiteral("--next 2 --count ") + QLatin1String(count)), 2, "", "N must be");
        row("unknown option", "--next 3 --frobnicate", 2, "", "Unknown option 'frobnicate'");
        row("unwritable file", "--next 3 --ics {dir}/missing/a.ics", 2, "", "Cannot write");
        row("now and next", "--now --next 3", 2, "", "either --now or --next");
        row("remind without ics", "--next 3 --remind 5", 2, "", "--remind goes with --ics");
        row("stray argument", "--now 15", 2, "", "Unexpected argument");
    }

    void answers()
    {
        QFETCH(QString, args);
        QFETCH(QByteArray, calibration);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        QDir dir(mDir.path());
        for (const QFileInfo& entry : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            if (entry.fileName() != QLatin1String("kelvara-utility"))
                QVERIFY(entry.isDir() ? QDir(entry.filePath()).removeRecursively() : QFile::remove(entry.filePath()));
        }
        const QString data = dir.filePath(QStringLiteral("OXLTIMES.DAT"));
        if (calibration == "folder") {
            QVERIFY(dir.mkdir(QStringLiteral("OXLTIMES.DAT")));
        } else if (calibration != "none") {
            QFile file(data);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(calibration) == calibration.size());
        }
        const QStringList before = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("KELVARA_TEST_NOW"),
                   QString::number(QDateTime(QDate(2026, 12, 8), QTime(12, 0)).toSecsSinceEpoch()));
        program.setProcessEnvironment(env);
        program.start(dir.filePath(QStringLiteral("kelvara-utility")),
                      args.replace(QStringLiteral("{dir}"), mDir.path()).split(QLatin1Char(' ')));
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        const QByteArray printed = program.readAllStandardOutput();
        const QByteArray message = program.readAllStandardError();
        QCOMPARE(program.exitCode(), status);
        QCOMPARE(out.endsWith("...") ? printed.left(out.size() - 3) : printed,
                 out.endsWith("...") ? out.chopped(3) : out);
        QVERIFY2(message.contains(err) && message.isEmpty() == err.isEmpty(), message.constData());
        // Nothing is written but the calendar file asked for.
        QStringList after = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        if (status == 0 && args.contains(QLatin1String("--ics")))
            QVERIFY(after.removeOne(QStringLiteral("a.ics")));
        QCOMPARE(after, before);
        if (calibration != "folder" && calibration != "none")
            QCOMPARE(QFileInfo(data).size(), calibration.size());
    }
};

QTEST_GUILESS_MAIN(TstCommandLine)
#include "tst_commandline.moc"
