// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/faultkit.h"
#include "db/fixtures.h"

#include <QDir>
#include <QHash>
#include <QJsonDocument>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The built program's command line, run without a display from a program folder of its
// own, at the moment CTest pins (KELVARA_TEST_NOW): 12:00:00 on 12/08/2026 in Berlin. Its game database: stats 1
// Strength, 2 and 3 both Agility, 4 Agility (3); items 10 Iron Sword (requires Strength 20 and 30, mod 0 Strength 5 and
// 3, mod 1 Agility 4 and the other Agility 6), 11 Oak "Staff", long<LF>name (no values), 12 épée (requires stat 99 the
// stat table lacks, 5; mod 0 Agility (3) 1; mod 1 Strength 9).
class TstCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;

private slots:
    void answers_data()
    {
        // Each row's name is its arguments, then after " #" a note: "TZ=zone" runs it there, ">/dev/full" writes
        // the answer to a full device, "8 KiB" limits its files to 8 KiB with the signal the limit sends left as is,
        // "sh" runs the name as a bash script in the program folder, the program as $0.
        QTest::addColumn<QByteArray>("calibration"); // "none": no file; "folder": a folder in its place
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>(
            "out"); // ends in "...": the start of the output; starts so: a part; JSON read back
        QTest::addColumn<QByteArray>("err"); // a part of the message
        // An hour ago the game clock stood at 00:00:00 on 03/14/0004: now it is 18 game hours later.
        auto row = [](const QByteArray& args, int status, const QByteArray& out, const char* err = "",
                      const char* calibration = "11:00:00\r\n12/08/2026\r\n00:00:00\r\n03/14/0004\r\n") {
            QTest::newRow(args.constData()) << QByteArray(calibration) << status << out << QByteArray(err);
        };
        row("--now", 0, "18:00:00 03/14/0004\n");
        row("--now --json", 0,
            "{\"gameDate\":\"03/14/0004\",\"gameTime\":\"18:00:00\",\"realTime\":\"2026-12-08T12:00:00+01:00\"}\n");
        // 6 game hours to day 15 are 20 real minutes; a game month is 37 h 20 min.
        row("--next 15 --count 3", 0,
            "2026-12-08T12:20:00+01:00\t03/15/0004\n2026-12-10T01:40:00+01:00\t04/15/0004\n"
            "2026-12-11T15:00:00+01:00\t05/15/0004\n");
        // 14 game days 6 hours: 19 real hours, into the next game month.
        row("--next=1 --json", 0,
            "[{\"gameDate\":\"04/01/0004\",\"start\":\"2026-12-09T07:00:00+01:00\",\"waitSeconds\":68400}]\n");
        // The calibration's real moment is local time: elsewhere the same local times, with that place's offset.
        row("--next 15 #TZ=Europe/London", 0, "2026-12-08T12:20:00+00:00\t03/15/0004\n");
        row("--next 15 #TZ=America/St_Johns", 0, "2026-12-08T12:20:00-03:30\t03/15/0004\n");
        // Qt's own window options, with their values, anywhere.
        row("--next=15 -style=fusion --qwindowtitle T -reverse -display :9 --session=s", 0,
            "2026-12-08T12:20:00+01:00\t03/15/0004\n");
        row("--now --json #TZ=XXX-0:30:30", 0, // an offset of seconds: the time in UTC, exact
            "{\"gameDate\":\"03/14/0004\",\"gameTime\":\"09:09:00\",\"realTime\":\"2026-12-08T11:00:00+00:00\"}\n");
        // The program's own window option, anywhere, as -hidden too.
        row("-hidden --now --hidden", 0, "18:00:00 03/14/0004\n");
        // Mistyped or given a value: no window option, told as typed.
        row("---hidden", 2, "", "Unknown option '---hidden'.");
        row("--now --hidden=1", 2, "", "Unknown option '--hidden=1'.");
        row("-reverse=1", 2, "", "Unknown option '-reverse=1'.");
        // A game date off the calendar carries: day 99 of month 99 of 9999 is day 15 of month 6 of 10007 (0000).
        row("--next 15 #off the calendar", 0, "2026-12-10T00:20:00+01:00\t07/15/0000\n", "",
            "11:00:00\r\n12/08/2026\r\n00:00:00\r\n99/99/9999\r\n");
        // Standard output closed: no file the program opens takes its place; the answer is not written.
        row("\"$0\" --now >&- #sh", 1, "", "Cannot write the answer: Bad file descriptor");
        row("\"$0\" --next 7 --ics old$'\\xff'.ics #sh", 2, "", "\"old\\xFF.ics\" is not UTF-8 text");
        row("\"$0\" --next 7 --ics /dev/shm/k$$.ics && rm /dev/shm/k$$.ics #sh", 0, ""); // a file under /dev
        // A calibration file of a terabyte (of holes): only its start is read.
        row("truncate -s 1T OXLTIMES.DAT && \"$0\" --now; s=$?; truncate -s 44 OXLTIMES.DAT; exit $s #sh", 0,
            "18:00:00 03/14/0004\n");
        // A program folder whose name is no UTF-8: the files beside the program all the same.
        row("mkdir $'p\\xff' && cp \"$0\" OXLTIMES.DAT $'p\\xff' && HOME=$PWD/h $'p\\xff'/kelvara-utility --now; s=$?; "
            "rm -r p*; exit $s #sh",
            0, "18:00:00 03/14/0004\n");
        row("--next 15 --count 1000 #>/dev/full", 1, "", "No space left on device");
        row("--next 15 --count 1000 --ics {dir}/b.ics #8 KiB", 2, "", "File too large");
        row("--now #no file", 0, "00:00:01 01/01/0001\n", "", "none");
        row("--next 1 #short file", 0, "2026-12-10T01:20:00+01:00\t02/01/0001\n", "", "0123456789");
        row("--next 15 #two lines", 0, "2026-12-09T07:00:00+01:00\t00/15/0000\n", "", "11:00:00\r\n12/08/2026\r\n");
        row("--now #unreadable", 1, "", "it is a folder", "folder");
        row("--next 7 --ics -", 0, "BEGIN:VCALENDAR...");
        row("--next 7 --ics - #>/dev/full", 1, "", "No space left on device");
        // A stream of the system (which may lead to a file the shell redirected): refused.
        row("--next 3 --ics /dev/stdout", 2, "", "it is a device or stream of the system, not a file");
        row("--help", 0, "Usage: ...");
        row("--help #window", 0, "...--hidden  "); // the window's own option, and how a run ends
        row("--help #statuses", 0, "...\n  2  A bad argument");
        row("--help-all", 0, "...--platform <"); // Qt's window options besides
        row("--version", 0, "kelvara-utility 0.1...");
        for (const char* args : {"--next 0", "--next 29", "--next abc", "--next 1.5"})
            row(args, 2, "", "DAY must be a whole number from 1 to 28");
        for (const char* args : {"--next 2 --count 0", "--next 2 --count 1001", "--next 2 --count x"})
            row(args, 2, "", "N must be a whole number from 1 to 1000");
        row("--next 3 --frobnicate", 2, "", "Unknown option 'frobnicate'");
        row("--next 3 --ics {dir}/missing/a.ics", 2, "", "Cannot write");
        row("\"$0\" --next 3 --ics '' #sh", 2, "", "No file name given for --ics.");
        row("--next 3 --remind 5", 2, "", "--remind goes with --ics");
        row("--next 3 --ics {dir}/a.ics --ics {dir}/b.ics", 2, "", "--ics is given more than once.");
        row("--next 3 --next 3", 2, "", "--next is given more than once.");
        row("--now 15", 2, "", "Unexpected argument");
        // The items in the item table's order (by name): requirements, mod 0, mod 1, each by stat ID.
        const QByteArray head = "ItemID,Item,Material,Kind,Stat,Value\r\n", e = "12,\xc3\xa9p\xc3\xa9\x65,,",
                         epee = e + "requires,99,5\r\n" + e + "mod 0,Agility (3),1\r\n" + e + "mod 1,Strength,9\r\n";
        row("--items", 0,
            head
                + "10,Iron Sword,Iron,requires,Strength,30\r\n10,Iron Sword,Iron,mod 0,Strength,8\r\n"
                  "10,Iron Sword,Iron,mod 1,Agility,4\r\n10,Iron Sword,Iron,mod 1,Agility,6\r\n"
                  "11,\"Oak \"\"Staff\"\", long\nname\",,,,\r\n"
                + epee);
        row("--items --json", 0,
            "[{\"id\":10,\"name\":\"Iron Sword\",\"material\":\"Iron\",\"requires\":{\"Strength\":30},"
            "\"mods\":[{\"Strength\":8},{\"Agility\":4,\"Agility (3) (3)\":6}]},{\"id\":11,\"name\":\"Oak "
            "\\\"Staff\\\", long\\nname\",\"material\":\"\",\"requires\":{},\"mods\":[{},{}]},{\"id\":12,"
            "\"name\":\"\xc3\xa9p\xc3\xa9\x65\",\"material\":\"\",\"requires\":{\"99\":5},"
            "\"mods\":[{\"Agility (3)\":1},{\"Strength\":9}]}]");
        // Letter case folded, accents composed (typed apart here); Qt's -name is a window option.
        row("-name w --items --name=E\xcc\x81PE\xcc\x81", 0, head + epee);
        row("--items --name -reverse", 0, head); // a text, not Qt's option
        // A file name, whatever it looks like: a window option's name too.
        for (const QByteArray name : {"-style", "-display", "---hidden"})
            row("\"$0\" --next 7 --ics " + name + " --count 2 && grep -c BEGIN:VEVENT -- " + name + " && rm -- " + name
                    + " #sh",
                0, "2\n");
        // The window, started through a link with Qt's options given with "=", from a folder of any name (F), ends
        // on SIGTERM with status 0, the clock saved beside the program, not in the data folder.
        for (const QByteArray folder : {"p", "p$'\\xff'", "p$'\\n'l"})
            row(QByteArray("mkdir F && cp \"$0\" Kelvara.mdb F && ln -s F/kelvara-utility r && { HOME=$PWD/h ./r "
                           "-platform=offscreen --style=fusion 2>/dev/null & sleep 3; kill $! && wait $!; } && wc -c "
                           "<F/OXLTIMES.DAT"
                           " && test ! -e h; s=$?; rm -r F r; exit $s #sh")
                    .replace("F", folder),
                0, "44\n");
        row("mv Kelvara.mdb k && \"$0\" --items; s=$?; mv k Kelvara.mdb; exit $s #sh", 1, "", "Kelvara.mdb");
        for (const char* args : {"--items --now", "--next 3 --items", "--name=x"})
            row(args, 2, "", "Give either --now, --next DAY or --items.");
        row("--next 3 --name x", 2, "", "--name goes with --items");
        row("--items --count 2", 2, "", "--count and --ics go with --next DAY");
    }

    void answers()
    {
        QFETCH(QByteArray, calibration);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        QVERIFY(QDir(mDir.path()).removeRecursively() && QDir().mkpath(mDir.path()));
        const QString tag = QString::fromUtf8(QTest::currentDataTag()), note = tag.section(u" #"_s, 1);
        // On Windows: no bash and its tools, no /dev, no file size limit.
        const bool onLinux = QSysInfo::kernelType() == u"linux"_s;
        if (!onLinux && (note == u"sh"_s || tag.contains(u"/dev/"_s)))
            QSKIP("a Linux shell or device");
        if (faultkit::NoFullDisk && (note == u">/dev/full"_s || note == u"8 KiB"_s))
            QSKIP(faultkit::NoFullDisk);
        const QString exe = mDir.filePath(QFileInfo(QStringLiteral(KELVARA_EXE)).fileName());
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_EXE), exe));
        QFile file(mDir.filePath(u"OXLTIMES.DAT"_s));
        if (calibration != "none")
            QVERIFY(calibration == "folder" ? QDir(mDir.path()).mkdir(file.fileName())
                                            : file.open(QIODevice::WriteOnly) && file.write(calibration) > 0);
        file.close();
        using namespace fixtures;
        jet::WriteDatabase(
            mDir.filePath(u"Kelvara.mdb"_s),
            {Stats({{1, Txt("Strength")}, {2, Txt("Agility")}, {3, Txt("Agility")}, {4, Txt("Agility (3)")}}),
             Materials({{1, Txt("Iron")}}),
             Items({{10, 1, Txt("Sword")},
                    {11, Null, Txt("Oak \"Staff\", long\nname")},
                    {12, Null, Txt("\xc3\xa9p\xc3\xa9\x65")}}),
             MinStats({{10, 1, 20}, {10, 1, 30}, {12, 99, 5}}),
             Mods({{10, 1, 0, 5}, {10, 1, 0, 3}, {10, 2, 1, 4}, {10, 3, 1, 6}, {12, 1, 1, 9}, {12, 4, 0, 1}})});
        // The program folder's files with their sizes: what a run must leave as it was.
        auto files = [this](QStringList list = {}) {
            for (const QFileInfo& entry :
                 QDir(mDir.path()).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
                list << entry.fileName() + QLatin1Char(' ') + QString::number(entry.isDir() ? -1 : entry.size());
            return list;
        };
        const QStringList before = files();

        QProcess program;
        const QString args = tag.section(u" #"_s, 0, 0).replace(u"{dir}"_s, mDir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Windows' C runtime, through which Qt reads local time there, takes TZ only in the POSIX form, with the
        // summer time rules left out (no row needs them).
        const QHash<QString, QString> posix = {
            {u"Europe/Berlin"_s, u"CET-1"_s}, {u"Europe/London"_s, u"GMT0"_s}, {u"America/St_Johns"_s, u"NST3:30"_s}};
        const QString zone = note.startsWith(u"TZ="_s) ? note.mid(3) : u"Europe/Berlin"_s;
        env.insert(u"TZ"_s, onLinux ? zone : posix.value(zone, zone));
        program.setProcessEnvironment(env);
        if (note == u">/dev/full"_s)
            program.setStandardOutputFile(u"/dev/full"_s);
        if (note == u"8 KiB"_s)
            faultkit::LimitFileSize(program, 8192);
        program.setWorkingDirectory(mDir.path());
        if (note == u"sh"_s)
            program.start(u"bash"_s, {u"-c"_s, args, exe});
        else
            program.start(exe, args.split(QLatin1Char(' ')));
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QByteArray printed = program.readAllStandardOutput(), message = program.readAllStandardError();
        if (const QJsonDocument json = QJsonDocument::fromJson(out); !json.isNull())
            QCOMPARE(QJsonDocument::fromJson(printed), json);
        else
            QVERIFY2(out.startsWith("...")     ? printed.contains(out.mid(3))
                         : out.endsWith("...") ? printed.startsWith(out.chopped(3))
                                               : printed == out,
                     printed.constData());
        QVERIFY2(message.contains(err) && message.isEmpty() == err.isEmpty(), message.constData());
        QCOMPARE(files(), before); // nothing is written in the program folder
    }
};

QTEST_GUILESS_MAIN(TstCommandLine)
#include "tst_commandline.moc"
