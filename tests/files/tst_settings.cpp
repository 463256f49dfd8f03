#include "common/errorof.h"
#include "common/faultkit.h"
#include "files/oxlfiles.h"
#include "files/settings.h"

#include <QDir>
#include <QFile>
#include <QRect>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TstSettings : public QObject
{
    Q_OBJECT

    // "day/minutes/on|off/label", "@start" when one was announced; "x" for an entry that is not used;
    // then where the compact clock is, then the preferences that are not the defaults.
    static QString Describe(const ProgramSettings& s)
    {
        QStringList parts;
        for (const Reminder& r : s.Reminders)
            parts << QStringLiteral("%1/%2/%3/%4").arg(r.Day).arg(r.Minutes).arg(r.Enabled ? "on" : "off", r.Label)
                    + (r.Announced ? QStringLiteral("@%1").arg(*r.Announced) : QString());
        for (const UnusableReminder& u : s.Unusable)
            parts.insert(qMin<qsizetype>(qsizetype(u.Place), parts.size()), u"x"_qs);
        const CompactClockSettings& c = s.CompactClock;
        return parts.join(u" | "_qs) + (c.Visible ? u" ; shown"_qs : QString())
            + (c.Place ? QStringLiteral(" at %1,%2").arg(c.Place->x()).arg(c.Place->y()) : QString())
            + (s.KeepInTray ? u" ; kept in the tray"_qs : QString())
            + QStringList{"", " ; light", " ; dark"}[int(s.Colours)] + (s.Language.isEmpty() ? "" : " ; " + s.Language);
    }

private slots:
    // Each file is read, written back and read again: what is used and what is not (kept as it was) reads back
    // the same, other groups and keys stay, and a file that could not be read whole is kept beside it.
    void reading()
    {
        const QByteArray other = "[CompactClock]\nvisible=true\nx=-20\ny=300\nopacity=0.5\n[Window]\nsize=3\n"
                                 "[Tray]\nkeepRunning=true\n[Preferences]\ncolours=Dark\nsound=off\nlanguage=pt_br\n";
        QByteArray thousands = "[Reminders]\nsize=5000\n";
        for (int i = 1; i <= 5000; ++i)
            thousands += QByteArray::number(i) + "\\day=1\n" + QByteArray::number(i) + "\\minutes=2\n";
        const std::tuple<QByteArray, QString, QStringList> cases[] = {
            {other
                 + "[Reminders]\nsize=5\n1\\day=3\n1\\minutes=0\n1\\enabled=false\n1\\label=Dawn\n"
                   "1\\announced=1765000000\n2\\day=40\n2\\minutes=5\n3\\day=4\n3\\minutes=%2\n3\\note=mine\n4\\day=5\n"
                   "4\\minutes=1441\n5\\day=28\n5\\minutes=1440\n5\\label=Late, 100%\n",
             "3/0/off/Dawn@1765000000 | x | x | x | 28/1440/on/Late, 100% ; shown at -20,300 ; kept in the tray ; dark "
             "; pt_BR",
             {"entry 2: day \"40\" is not from 1 to 28", "entry 3: minutes \"%2\" is not from 0 to 1440",
              "entry 4: minutes \"1441\" is not from 0 to 1440"}},
            {thousands,
             (QStringList(MaxReminders, u"1/2/on/"_qs) + QStringList(4900, u"x"_qs)).join(u" | "_qs),
             {"entries 101 to 5000: more than 100 reminders"}},
            // Instants of the years 1 to 9999 only; a place on no screen is no place.
            {"[CompactClock]\nx=40000\ny=5\n[Reminders]\nsize=4\n1\\day=1\n1\\minutes=1\n"
             "1\\announced=-9223372036854775808\n2\\day=2\n2\\minutes=2\n2\\announced=253402300800\n3\\day=3\n"
             "3\\minutes=3\n3\\announced=-62135596800\n4\\day=4\n4\\minutes=4\n4\\announced=253402300799\n",
             "1/1/on/ | 2/2/on/ | 3/3/on/@-62135596800 | 4/4/on/@253402300799",
             {}},
            {"[Reminders]\nsize=many\n2\\day=2\n2\\minutes=3\n[Tray]\nkeepRunning=yes\n[Preferences]\ncolours="
             "blue\nlanguage=it\n",
             "2/3/on/",
             {"[Tray] keepRunning \"yes\" is neither true nor false",
              "[Preferences] colours \"blue\" is not desktop, light or dark",
              "[Preferences] language \"it\" is not one of en, de, fr, es, pt_BR, ru, pl",
              "the number of reminders \"many\" is not a number"}},
            {"[Preferences]\ncolours= light \n", "15/10/on/Good moon ; light", {}},
            // Such a file used to be taken for a failed save (found by fuzz_settings).
            {other + "[broken\n[Reminders]\nsize=1\n1\\day=3\n1\\minutes=3\n",
             "3/3/on/ ; shown at -20,300 ; kept in the tray ; dark ; pt_BR",
             {"the file could not be read whole"}},
            // Keys QSettings takes for others ("1\\\\day" for "1\\day", "size/" for "size", found by fuzz_settings)
            // are a file not read whole; a list read as variants (an element "@String(...)") is a list of texts.
            {"[Reminders]\nsize=2\nsize/=1\n1\\day=40\n2\\day=2\n2\\minutes=@String(@x), y\n",
             "x | x",
             {"the file could not be read whole", "entry 1: day \"40\" is not from 1 to 28",
              "entry 2: minutes \"@x, y\" is not from 0 to 1440"}},
            {"[Reminders]\n1\\minutes=3\n1\\\\\\\\minutes=4\n",
             "x",
             {"the file could not be read whole", "entry 1: day missing is not from 1 to 28"}},
            // A byte that is no UTF-8 (a label in Windows-1252) was dropped; half a UTF-16 pair made every save fail.
            {"\xef\xbb\xbf[Tray]\nkeepRunning=true\n", "15/10/on/Good moon ; kept in the tray", {}},
            {"[Mine]\nk=Caf\xe9\n", "15/10/on/Good moon", {"the file could not be read whole"}},
            {"[Mine]\nk=\\xd800\n", "15/10/on/Good moon", {"the file could not be read whole"}},
            {"<folder>", "15/10/on/Good moon", {"the file could not be read: it is a folder"}},
            {"<fifo>", "15/10/on/Good moon", {"the file could not be read: it is not a regular file"}}};
        for (const auto& [file, description, ignored] : cases) {
            QTemporaryDir dir;
            SetProgramFolder(dir.path());
            const QString path = dir.filePath(QLatin1String(SettingsFileName));
            QFile out(path);
            QVERIFY(file == "<folder>"     ? QDir().mkdir(path)
                        : file == "<fifo>" ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                                           : out.open(QIODevice::WriteOnly) && out.write(file) > 0);
            out.close();
            const SettingsReading read = ReadSettings();
            QCOMPARE(Describe(read.Settings), description);
            QCOMPARE(read.Ignored, ignored);

            const auto write = [&] {
                WriteSettings(read.Settings,
                              SettingsGroup::Reminders | SettingsGroup::CompactClock | SettingsGroup::Preferences);
            };
            if (file.startsWith('<')) {
                QCOMPARE(ErrorOf(write).section(u": "_qs, -1), ignored.front().section(u": "_qs, -1));
                QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
                continue;
            }
            write();
            const SettingsReading again = ReadSettings();
            QVERIFY(again.Settings == read.Settings);
            QCOMPARE(again.Ignored, read.Ignored.filter(QRegularExpression(u"^entr"_qs)));
            const QSettings back(path, QSettings::IniFormat);
            QCOMPARE(back.value(u"Window/size"_qs).toString() + back.value(u"CompactClock/opacity"_qs).toString()
                         + back.value(u"Preferences/sound"_qs).toString(),
                     QString(file.contains("[Window]") ? "30.5off" : ""));
            // A file damaged later is kept beside the first one (it used to take its place).
            const bool damaged = ignored.contains(u"the file could not be read whole"_qs);
            if (damaged && out.open(QIODevice::WriteOnly) && out.write("[later\n") && out.flush())
                write();
            QFile first(path + u".damaged"_qs), later(path + u".damaged.2"_qs);
            QCOMPARE(first.open(QIODevice::ReadOnly) ? first.readAll() : QByteArray(), damaged ? file : QByteArray());
            QCOMPARE(later.open(QIODevice::ReadOnly) ? later.readAll() : "", damaged ? "[later\n" : "");
        }
        SetProgramFolder(QString());
    }

    // However short the disk cuts a write, the save fails and leaves the file (one not read whole) as it was, or the
    // file reads back whole ("r=" cut from a rectangle used to pass for it).
    void cutShort()
    {
        QTemporaryDir dir;
        SetProgramFolder(dir.path());
        QFile out(dir.filePath(QLatin1String(SettingsFileName)));
        const QByteArray file = "[broken\n[zz]\nq=" + QByteArray(200, 'q') + "\nr=@Rect(1 2 3 4)\n";
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) > 0);
        out.close();
        for (rlim_t limit = 1;; ++limit) {
            const faultkit::FullDisk full(limit);
            if (ErrorOf([] { WriteSettings({}, SettingsGroup::Preferences); }) == u"no error"_qs)
                break;
            QVERIFY(out.open(QIODevice::ReadOnly) && out.readAll() == file);
            out.close();
        }
        QCOMPARE(QSettings(out.fileName(), QSettings::IniFormat).value(u"zz/r"_qs), QVariant(QRect(1, 2, 3, 4)));
        SetProgramFolder(QString());
    }
};

QTEST_GUILESS_MAIN(TstSettings)
#include "tst_settings.moc"
