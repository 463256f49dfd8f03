// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/errorof.h"
#include "common/faultkit.h"
#include "common/filebytes.h"
#include "common/testfolder.h"
#include "files/inifile.h"
#include "files/settings.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstSettings : public QObject
{
    Q_OBJECT

    // "day/minutes/on|off/label", "@start" when one was announced; "x" for an entry that is not used; then where the
    // compact clock is, the preferences that are not the defaults, the Find Items window's size and " #stat" per
    // column, then " ; whose\\stat=value" per stat of the player's.
    static QString Describe(const ProgramSettings& s)
    {
        QStringList parts;
        for (const Reminder& r : s.Reminders)
            parts << QStringLiteral("%1/%2/%3/%4").arg(r.Day).arg(r.Minutes).arg(r.Enabled ? "on" : "off", r.Label)
                    + (r.Announced ? QStringLiteral("@%1").arg(*r.Announced) : QString());
        for (const UnusableReminder& u : s.Unusable)
            parts.insert(qMin<qsizetype>(qsizetype(u.Place), parts.size()), u"x"_s);
        const CompactClockSettings& c = s.CompactClock;
        QString text = parts.join(u" | "_s) + (c.Visible ? u" ; shown"_s : QString())
            + (c.Place ? QStringLiteral(" at %1,%2").arg(c.Place->x()).arg(c.Place->y()) : QString())
            + (s.KeepInTray ? u" ; kept in the tray"_s : QString())
            + QStringList{"", " ; light", " ; dark"}[int(s.Colours)] + (s.Language.isEmpty() ? "" : " ; " + s.Language);
        const auto size = s.FindItems.Size;
        text += size ? QStringLiteral(" ; %1x%2").arg(size->width()).arg(size->height()) : QString();
        for (const int32_t stat : s.FindItems.StatColumns)
            text += u" #"_s + QString::number(stat);
        const auto add = [&text](const QString& whose, const StatValues& values) {
            for (const auto& [stat, value] : values)
                text += QStringLiteral(" ; %1\\%2=%3").arg(whose).arg(stat).arg(value);
        };
        add(u"default"_s, s.MyStats);
        for (const auto& [character, values] : s.CharacterStats)
            add(u"character"_s + QString::number(character), values);
        return text;
    }

    // A file of a comment, an entry that is used, one that is not, keys and values the program does not own.
    static constexpr char Owned[] =
        "; Kelvara reminders\n[Reminders]\nsize=2\n1\\day=15\n1\\minutes=10\n1\\enabled=true\n"
        "1\\label=\"Good moon\"\nodd key=a,b,c\n2\\day=40\n2\\label=\"quoted\"\n"
        "2\\note=@String(z)\n\n[Mine]\nodd key=a,b,c\nq=\"quoted\"\ns=@String(z)\n[Tray]\n"
        "keepRunning=true\n[MyStats]\n; mine\ndefault\\12=40\ncharacter3\\012=1\ncharacter5\\1=40 ; mine\n"
        "character5\\2=0\ncharacter5\\3=+7\ndefault\\4=x\n";

private slots:
    // Each file is read (what is used, and what is not) and written back; a file that is not UTF-8 is kept beside
    // it. That a save reads back the same is fuzz_settings' check, on any file.
    void reading()
    {
        const QByteArray other = "[CompactClock]\nvisible=true\nx=-20\ny=300\nopacity=0.5\n[Window]\nsize=3\n"
                                 "[Tray]\nkeepRunning=true\n[Preferences]\ncolours=Dark\nsound=off\nlanguage=pt_br\n";
        QByteArray thousands = "[Reminders]\nsize=5000\n";
        for (int i = 1; i <= 5000; ++i)
            thousands += QByteArray::number(i) + "\\day=1\n" + QByteArray::number(i) + "\\minutes=2\n";
        const QString letters(99, u'a');
        const std::tuple<QByteArray, QString, QStringList> cases[] = {
            {other
                 + "[Reminders]\nsize=5\n1\\day=3\n1\\minutes=0\n1\\enabled=false\n1\\label=Dawn\n"
                   "1\\announced=1765000000\n2\\day=40\n2\\minutes=5\n3\\day=4\n3\\minutes=%2\n3\\note=mine\n4\\day=5\n"
                   "4\\minutes=1441\n5\\day=28\n5\\minutes=1440\n5\\label=Late, 100%\n[FindItems]\nwidth=32767\n"
                   "height=1\ncolumns=12, 5,x,7,12,2147483648,-2147483648\n[MyStats]\ndefault\\12=40\ndefault\\5=0\n"
                   "character-2147483648\\1=9223372036854775807\ncharacter3\\012=1\ncharacter3\\4=abc\n",
             "3/0/off/Dawn@1765000000 | x | x | x | 28/1440/on/Late, 100% ; shown at -20,300 ; kept in the tray ; dark "
             "; pt_BR ; 32767x1 #12 #5 #7 #-2147483648 ; default\\12=40 ; character-2147483648\\1=9223372036854775807",
             {"[MyStats] character3\\4 \"abc\" is not a whole number", "entry 2: day \"40\" is not from 1 to 28",
              "entry 3: minutes \"%2\" is not from 0 to 1440", "entry 4: minutes \"1441\" is not from 0 to 1440"}},
            {thousands,
             (QStringList(MaxReminders, u"1/2/on/"_s) + QStringList(4900, u"x"_s)).join(u" | "_s),
             {"entries 101 to 5000: more than 100 reminders"}},
            // Instants of the years 1 to 9999 only; a place on no screen is no place.
            {"[CompactClock]\nx=40000\ny=5\n[Reminders]\nsize=-1\n1\\day=1\n1\\minutes=1\n"
             "1\\announced=-9223372036854775808\n2\\day=2\n2\\minutes=2\n2\\announced=253402300800\n3\\day=3\n"
             "3\\minutes=3\n3\\announced=-62135596800\n4\\day=4\n4\\minutes=4\n4\\announced=253402300799\n",
             "1/1/on/ | 2/2/on/ | 3/3/on/@-62135596800 | 4/4/on/@253402300799",
             {"the number of reminders \"-1\" is not from 0 to 2147483647"}},
            {"[Reminders]\nsize=many\n2\\day=2\n2\\minutes=3\n[Tray]\nkeepRunning=yes\n[Preferences]\ncolours="
             "blue\nlanguage=it\n[FindItems]\nwidth=0\nheight=5\n[MyStats]\ndefault\\1=9223372036854775808\n",
             "2/3/on/",
             {"[Tray] keepRunning \"yes\" is neither true nor false",
              "[Preferences] colours \"blue\" is not desktop, light or dark",
              "[Preferences] language \"it\" is not one of en, de, fr, es, pt_BR, ru, pl",
              "[MyStats] default\\1 \"9223372036854775808\" is not a whole number",
              "the number of reminders \"many\" is not a number"}},
            // A group name ends at the first "]"; a byte order mark is known before the line is decoded.
            {"\xef\xbb\xbf[Preferences] ; [mine]\ncolours= light \n", "15/10/on/Good moon ; light", {}},
            {"\xef\xbb\xbf[Reminders] ; caf\xe9\nsize=1\n1\\day=3\n1\\minutes=10\n", "3/10/on/", {}},
            // A quote left open used to take the rest of the file; a semicolon cut the value.
            {"[Reminders]\nsize=2\n1\\day=15\n1\\label=\"Good moon\n1\\minutes=10\n2\\day=3\n2\\minutes=5\n"
             "2\\label=Rise; then fight\n[Tray]\nkeepRunning=true\n",
             "15/10/on/Good moon | 3/5/on/Rise; then fight ; kept in the tray",
             {}},
            // A label cut inside an emoji was never saved again; Windows-1252 is read as such.
            {"[Reminders]\n1\\day=1\n1\\minutes=1\n1\\label=" + letters.toUtf8()
                 + "\xf0\x9f\x98\x80\n2\\day=2\n"
                   "2\\minutes=2\n2\\label=Caf\xe9\n",
             "1/1/on/" + letters + " | 2/2/on/Caf\u00e9",
             {}},
            {"<folder>", "15/10/on/Good moon", {"the file could not be read: it is a folder"}},
            {"<fifo>", "15/10/on/Good moon", {"the file could not be read: it is not a regular file"}},
            {"<unreadable>", "15/10/on/Good moon", {"the file could not be read: Permission denied"}}};
        for (const auto& [file, description, ignored] : cases) {
            const TestFolder dir;
            const QString path = dir.filePath(QLatin1String(SettingsFileName));
            if (file == "<fifo>" && faultkit::NoFifo)
                QSKIP(faultkit::NoFifo); // and the unreadable file, which Wine's access control lists do not stop
            QVERIFY(file == "<folder>"     ? QDir().mkdir(path)
                        : file == "<fifo>" ? faultkit::MakeFifo(path)
                                           : PutFile(path, file));
            std::optional<faultkit::ReadOnlyFolder> unreadable;
            if (file == "<unreadable>" && QFile::setPermissions(path, {}))
                unreadable.emplace(dir.path());
            const SettingsReading read = ReadSettings();
            QCOMPARE(Describe(read.Settings), description);
            QCOMPARE(read.Ignored, ignored);

            const auto write = [&] { WriteSettings(read.Settings, SettingsGroups(0x1f)); }; // all the groups
            if (file.startsWith('<')) {
                QCOMPARE(ErrorOf(write).section(u": "_s, -1), ignored.front().section(u": "_s, -1));
                QVERIFY(QFileInfo(path).exists() && QFileInfo(path).isFile() == (file == "<unreadable>"));
                continue;
            }
            write(), write(); // the program's own file is no damaged one
            // A file that is not UTF-8, and one made so later, is kept beside the first one.
            const bool damaged = file.contains('\xe9');
            if (damaged && PutFile(path, "[later\xe9\n"))
                write();
            QCOMPARE(FileBytes(path + u".damaged"_s), damaged ? file : QByteArray());
            QCOMPARE(FileBytes(path + u".damaged.2"_s), damaged ? "[later\xe9\n" : "");
        }
    }

    // A save changes only the lines of the keys it sets: comments, blank lines, keys and values the program does not
    // own, their order and line ends stay byte for byte, and so do the values of an entry that is not used, wherever
    // it moves. A group the file lacks comes at its end.
    void keptByteForByte_data()
    {
        QTest::addColumn<QByteArray>("end");
        QTest::addColumn<bool>("removeFirst");
        QTest::addColumn<QByteArray>("expected");
        for (const char* end : {"\n", "\r"})
            QTest::addRow("unchanged, %s", end[0] == '\r' ? "CR" : "LF")
                << QByteArray(end) << false
                << QByteArray(Owned) + "\n[Preferences]\ncolours=desktop\nlanguage=\n\n[CompactClock]\nvisible=false\n";
        QTest::newRow("first removed, CR LF")
            << QByteArray("\r\n") << true
            << QByteArray("; Kelvara reminders\n[Reminders]\nsize=1\n1\\day=40\n1\\label=\"quoted\"\n"
                          "1\\note=@String(z)\nodd key=a,b,c\n\n[Mine]\nodd key=a,b,c\nq=\"quoted\"\ns=@String(z)\n"
                          "[Tray]\nkeepRunning=true\n[MyStats]\n; mine\ncharacter3\\012=1\ncharacter5\\1=40 ; mine\n"
                          "character5\\2=0\ncharacter5\\3=+7\ndefault\\4=x\ncharacter-7\\3=99\n");
    }

    void keptByteForByte()
    {
        QFETCH(QByteArray, end);
        QFETCH(bool, removeFirst);
        QFETCH(QByteArray, expected);
        const TestFolder dir;
        const QString path = dir.filePath(QLatin1String(SettingsFileName));
        QVERIFY(PutFile(path, QByteArray(Owned).replace("\n", end)));
        ProgramSettings settings = ReadSettings().Settings;
        if (removeFirst) {
            settings.Reminders.clear();
            settings.Unusable.at(0).Place = 0;
            settings.MyStats[12] = 0; // cleared, and one given
            settings.CharacterStats[-7][3] = 99;
        }
        WriteSettings(settings, removeFirst ? SettingsGroup::Reminders | SettingsGroup::MyStats : SettingsGroups(0x1f));
        QCOMPARE(FileBytes(path), expected.replace("\n", end));
    }

    // A save merges what another writer changed in [Reminders] since the program read it (a reminder there, Moon, day
    // 15, 10 minutes) with what the program changed: the first reminder announced at 500, or removed.
    void handEditsMerged_data()
    {
        QTest::addColumn<QByteArray>("theirs"); // the file's entries then
        QTest::addColumn<QString>("here");      // the label given here, "-" for removed, none for announced at 500
        QTest::addColumn<QString>("merged");
        const QByteArray moon = "1\\day=15\n1\\minutes=10\n1\\label=Moon\n",
                         full = "1\\day=15\n1\\minutes=10\n1\\label=Full\n";
        QTest::newRow("renamed there") << full << QString() << u"15/10/on/Full@500"_s;
        QTest::newRow("added there") << moon + "2\\day=3\n2\\minutes=5\n"
                                     << QString() << u"15/10/on/Moon@500 | 3/5/on/"_s;
        QTest::newRow("removed there") << QByteArray("size=0\n") << QString() << QString();
        QTest::newRow("announced later there") << moon + "1\\announced=700\n" << QString() << u"15/10/on/Moon@700"_s;
        QTest::newRow("announced sooner there") << moon + "1\\announced=300\n" << QString() << u"15/10/on/Moon@500"_s;
        QTest::newRow("removed here") << moon << u"-"_s << QString();
        QTest::newRow("removed here, renamed there") << full << u"-"_s << u"15/10/on/Full"_s;
        QTest::newRow("renamed here and there") << full + "2\\day=3\n2\\minutes=5\n"
                                                << u"Mine"_s << u"15/10/on/Full | 3/5/on/"_s;
        QTest::newRow("no last line end there") << full.chopped(1) << QString() << u"15/10/on/Full@500"_s;
        QTest::newRow("another group there") << moon + "[Tray]\nkeepRunning=true\n"
                                             << QString() << u"15/10/on/Moon@500 ; kept in the tray"_s;
    }
    void handEditsMerged()
    {
        QFETCH(QByteArray, theirs);
        QFETCH(QString, here);
        QFETCH(QString, merged);
        const TestFolder dir;
        const QString path = dir.filePath(QLatin1String(SettingsFileName));
        QVERIFY(PutFile(path, "[Reminders]\n1\\day=15\n1\\minutes=10\n1\\label=Moon\n"));
        const ProgramSettings base = ReadSettings().Settings;
        ProgramSettings mine = base;
        here.isEmpty()     ? void(mine.Reminders[0].Announced = 500)
            : here == u"-" ? mine.Reminders.clear()
                           : void(mine.Reminders[0].Label = here);
        QVERIFY(PutFile(path, "[Reminders]\n" + theirs));
        const ProgramSettings written = WriteSettings(mine, SettingsGroup::Reminders, &base),
                              read = ReadSettings().Settings;
        QCOMPARE(Describe(read), merged);
        QVERIFY(written.Reminders == read.Reminders
                && written.Unusable == read.Unusable); // what the program goes on with
    }

    // Keys and values as a player may type them: the escapes QSettings reads (hexadecimal digits in either case,
    // octal ones), "%XX" and "%UXXXX" in keys; blanks around a value are dropped, those inside quotes kept.
    void handTyped_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("hexadecimal") << QByteArray("k=\\x4A\\x4a\\x00411\\x") << u"k"_s << u"JJA1\\x"_s;
        QTest::newRow("octal") << QByteArray("k=\\101\\7\\0\\8") << u"k"_s << u"A\a"_s + QChar(0) + u"\\8"_s;
        QTest::newRow("blanks") << QByteArray("k= \" a \"  b  ") << u"k"_s << u" a   b"_s;
        QTest::newRow("escaped key") << QByteArray("%41B%U00E9%c3%U0100=1") << u"AB\u00e9\u00c3\u0100"_s << u"1"_s;
    }
    void handTyped()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const IniFile ini("[G]\n" + line + "\n");
        QCOMPARE(ini.Keys(u"G"_s), QStringList{key});
        QCOMPARE(ini.Value(u"G"_s, key), std::optional(value));
        IniFile written; // written again, it reads back the same
        written.SetValue(u"G"_s, key, value);
        QCOMPARE(IniFile(written.Bytes()).Value(u"G"_s, key), std::optional(value));
    }

    // Labels read as the program wrote them through QSettings before, and are written so that QSettings reads them
    // the same.
    void sameAsQSettings()
    {
        const TestFolder dir;
        const QString path = dir.filePath(QLatin1String(SettingsFileName));
        const QStringList texts = QStringList{QStringLiteral("nu") + QChar(0) + u"l"_s}
            + u"Caf\u00e9 \u043f\u0440\u0438 \U0001F600|a,b;c=d|say \"hi\" \\ \t\n|@home| lead, trail |\u00017f"_s
                  .split(u'|');
        for (const QString& text : texts) {
            QFile::remove(path);
            {
                QSettings before(path, QSettings::IniFormat);
                for (const auto& [key, value] : {std::pair{"day", QVariant(1)}, {"minutes", 1}, {"label", text}})
                    before.setValue(u"Reminders/1/"_s + QLatin1String(key), value);
            }
            ProgramSettings settings = ReadSettings().Settings;
            QCOMPARE(settings.Reminders.at(0).Label, text);
            settings.Reminders[0].Label = text + text;
            WriteSettings(settings, SettingsGroup::Reminders);
            QCOMPARE(QSettings(path, QSettings::IniFormat).value(u"Reminders/1/label"_s).toString(), text + text);
        }
    }

    // However short the disk cuts a write, the save fails with the system's reason and leaves the file as it was
    // (one that is not UTF-8 is kept aside first), or it goes through whole.
    void cutShort()
    {
        const TestFolder dir;
        const QString path = dir.filePath(QLatin1String(SettingsFileName));
        const QByteArray file = "[zz]\nq=Caf\xe9" + QByteArray(200, 'q') + "\n";
        QVERIFY(PutFile(path, file));
        if (faultkit::NoFullDisk)
            QSKIP(faultkit::NoFullDisk);
        for (qint64 limit = 1;; ++limit) {
            QString error;
            {
                const faultkit::FullDisk full(limit);
                error = ErrorOf([] { WriteSettings({}, SettingsGroup::Preferences); });
            }
            if (error == u"no error"_s)
                break;
            QVERIFY2(error.endsWith(u": File too large"_s), qPrintable(error));
            QCOMPARE(FileBytes(path), file);
        }
        QVERIFY(FileBytes(path).startsWith("[zz]\nq=Caf\xc3\xa9qq"));
    }
};

QTEST_GUILESS_MAIN(TstSettings)
#include "tst_settings.moc"
