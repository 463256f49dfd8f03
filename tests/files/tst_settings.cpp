#include "core/kelvaraerror.h"
#include "files/oxlfiles.h"
#include "files/settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "common/errorof.h"

namespace {
// "day/minutes/on|off/label", and "@start" when one was announced; reminders joined by " | ".
QString Describe(const std::vector<Reminder>& reminders)
{
    QStringList parts;
    for (const Reminder& r : reminders) {
        parts << QStringLiteral("%1/%2/%3/%4").arg(r.Day).arg(r.Minutes).arg(r.Enabled ? "on" : "off", r.Label)
                + (r.Announced ? QStringLiteral("@%1").arg(*r.Announced) : QString());
    }
    return parts.join(QStringLiteral(" | "));
}

// An array of `count` entries that each hold the keys `entry`.
QByteArray Entries(int count, const QByteArrayList& entry)
{
    QByteArray text = "[Reminders]\nsize=" + QByteArray::number(count) + "\n";
    for (int i = 1; i <= count; ++i) {
        for (const QByteArray& key : entry)
            text += QByteArray::number(i) + "\\" + key + "\n";
    }
    return text;
}
} // namespace

class TstSettings : public QObject
{
    Q_OBJECT

private slots:
    // Each file is read, written back and read again; another part's group stays.
    void reading_data()
    {
        QTest::addColumn<QByteArray>("file"); // "<none>": no file; "<folder>": a folder in its place
        QTest::addColumn<QString>("reminders");
        QTest::addColumn<QStringList>("ignored");
        const QString standard = QStringLiteral("15/10/on/Good moon");
        const QByteArray other = "[CompactClock]\nvisible=true\n";
        QTest::newRow("no file") << QByteArray("<none>") << standard << QStringList();
        QTest::newRow("no Reminders array") << other << standard << QStringList();
        QTest::newRow("two entries") << other
                + "[Reminders]\nsize=2\n1\\day=3\n1\\minutes=0\n1\\enabled=false\n"
                  "1\\label=Dawn\n1\\announced=1765000000\n2\\day=28\n2\\minutes=1440\n"
                  "2\\enabled=true\n2\\label=Late, 100%\n"
                                     << QStringLiteral("3/0/off/Dawn@1765000000 | 28/1440/on/Late, 100%")
                                     << QStringList();
        QTest::newRow("all removed") << other + "[Reminders]\nsize=0\n" << QString() << QStringList();
        QTest::newRow("out of range") << other
                + "[Reminders]\nsize=4\n1\\day=40\n1\\minutes=5\n2\\day=4\n"
                  "2\\minutes=-5\n3\\day=5\n3\\minutes=1441\n4\\day=28\n4\\minutes=1\n"
                                      << QStringLiteral("28/1/on/")
                                      << QStringList{"entry 1: day \"40\" is not from 1 to 28",
                                                     "entry 2: minutes \"-5\" is not from 0 to 1440",
                                                     "entry 3: minutes \"1441\" is not from 0 to 1440"};
        QTest::newRow("nonsense") << other
                + "[Reminders]\nsize=4\n1\\day=abc\n2\\day=2\n3\\day=3\n3\\minutes=3\n"
                  "3\\enabled=maybe\n4\\day=4\n4\\minutes=4\n4\\announced=soon\n"
                                  << QStringLiteral("4/4/on/")
                                  << QStringList{"entry 1: day \"abc\" is not from 1 to 28",
                                                 "entry 2: minutes missing is not from 0 to 1440",
                                                 "entry 3: enabled \"maybe\" is neither true nor false"};
        QTest::newRow("size not a number")
            << other + "[Reminders]\nsize=many\n1\\day=1\n1\\minutes=1\n"
            << standard << QStringList{"the number of reminders \"many\" is not a number"};
        QStringList hundred;
        for (int i = 0; i < MaxReminders; ++i)
            hundred << QStringLiteral("1/2/on/x");
        QTest::newRow("thousands") << Entries(5000, {"day=1", "minutes=2", "label=x"})
                                   << hundred.join(QStringLiteral(" | "))
                                   << QStringList{"entries 101 to 5000: more than 100 reminders"};
        // Such a file used to be taken for a failed save (found by fuzz_settings).
        QTest::newRow("a section not closed")
            << other + "[broken\n[Reminders]\nsize=1\n1\\day=3\n1\\minutes=3\n"
            << QStringLiteral("3/3/on/") << QStringList{"the file could not be read whole"};
        QTest::newRow("a folder in its place")
            << QByteArray("<folder>") << standard << QStringList{"the file could not be read whole"};
    }

    void reading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, reminders);
        QFETCH(QStringList, ignored);
        QTemporaryDir dir;
        SetProgramFolder(dir.path());
        const QString path = dir.filePath(QLatin1String(SettingsFileName));
        if (file == "<folder>") {
            QVERIFY(QDir().mkdir(path));
        } else if (file != "<none>") {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file);
        }
        const SettingsReading read = ReadSettings();
        QCOMPARE(Describe(read.Settings.Reminders), reminders);
        QCOMPARE(read.Ignored, ignored);

        const QString written = ErrorOf([&] { WriteSettings(read.Settings); });
        if (file == "<folder>") {
            QCOMPARE(written, QStringLiteral("Cannot write \"%1\": it is a folder").arg(path));
        } else {
            QCOMPARE(written, QStringLiteral("no error"));
            const SettingsReading again = ReadSettings();
            QVERIFY(again.Settings == read.Settings && again.Ignored.isEmpty());
            QCOMPARE(QSettings(path, QSettings::IniFormat).value(QStringLiteral("CompactClock/visible")).toString(),
                     file.contains("CompactClock") ? QStringLiteral("true") : QString());
        }
        SetProgramFolder(QString());
    }
};

QTEST_GUILESS_MAIN(TstSettings)
#include "tst_settings.moc"
