#include "files/oxlfiles.h"
#include "files/settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TstSettings : public QObject
{
    Q_OBJECT

private slots:
    // Each file is read, written back and read again; another group stays. Reminders are described as
    // "day/minutes/on|off/label", and "@start" when one was announced.
    void reading()
    {
        const QByteArray other = "[CompactClock]\nvisible=true\n";
        QByteArray thousands = "[Reminders]\nsize=5000\n";
        for (int i = 1; i <= 5000; ++i)
            thousands += QByteArray::number(i) + "\\day=1\n" + QByteArray::number(i) + "\\minutes=2\n";
        const std::tuple<QByteArray, QString, QStringList> cases[] = {
            {other
                 + "[Reminders]\nsize=5\n1\\day=3\n1\\minutes=0\n1\\enabled=false\n1\\label=Dawn\n"
                   "1\\announced=1765000000\n2\\day=40\n2\\minutes=5\n3\\day=4\n3\\minutes=-5\n4\\day=5\n"
                   "4\\minutes=1441\n5\\day=28\n5\\minutes=1440\n5\\label=Late, 100%\n",
             "3/0/off/Dawn@1765000000 | 28/1440/on/Late, 100%",
             {"entry 2: day \"40\" is not from 1 to 28", "entry 3: minutes \"-5\" is not from 0 to 1440",
              "entry 4: minutes \"1441\" is not from 0 to 1440"}},
            {thousands,
             QStringList(MaxReminders, u"1/2/on/"_qs).join(u" | "_qs),
             {"entries 101 to 5000: more than 100 reminders"}},
            // Such a file used to be taken for a failed save (found by fuzz_settings).
            {other + "[broken\n[Reminders]\nsize=1\n1\\day=3\n1\\minutes=3\n",
             "3/3/on/",
             {"the file could not be read whole"}},
            {"<folder>", "15/10/on/Good moon", {"the file could not be read whole"}}};
        for (const auto& [file, reminders, ignored] : cases) {
            QTemporaryDir dir;
            SetProgramFolder(dir.path());
            const QString path = dir.filePath(QLatin1String(SettingsFileName));
            QFile out(path);
            QVERIFY(file == "<folder>" ? QDir().mkdir(path) : out.open(QIODevice::WriteOnly) && out.write(file) > 0);
            out.close();
            const SettingsReading read = ReadSettings();
            QStringList parts;
            for (const Reminder& r : read.Settings.Reminders)
                parts << QStringLiteral("%1/%2/%3/%4").arg(r.Day).arg(r.Minutes).arg(r.Enabled ? "on" : "off", r.Label)
                        + (r.Announced ? QStringLiteral("@%1").arg(*r.Announced) : QString());
            QCOMPARE(parts.join(u" | "_qs), reminders);
            QCOMPARE(read.Ignored, ignored);

            if (file != "<folder>") {
                WriteSettings(read.Settings);
                QVERIFY(ReadSettings().Settings == read.Settings && ReadSettings().Ignored.isEmpty());
                QCOMPARE(QSettings(path, QSettings::IniFormat).contains(u"CompactClock/visible"_qs),
                         file.contains("CompactClock"));
            }
            SetProgramFolder(QString());
        }
    }
};

QTEST_GUILESS_MAIN(TstSettings)
#include "tst_settings.moc"
