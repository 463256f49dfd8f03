#include "clock/gameclock.h"
#include "files/oxlfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

// The calibration of save number n: its game time counts the saves.
ClockCalibration Numbered(int n)
{
    const QString time = QStringLiteral("%1:%2:%3")
                             .arg(n / 3600 % 24, 2, 10, QLatin1Char('0'))
                             .arg(n / 60 % 60, 2, 10, QLatin1Char('0'))
                             .arg(n % 60, 2, 10, QLatin1Char('0'));
    return ClockCalibration::FromTexts(QStringLiteral("12:00:00"), QStringLiteral("12/06/2026"), time,
                                       QStringLiteral("%1/01/0001").arg(n / 86400 % 12 + 1, 2, 10, QLatin1Char('0')));
}

// The number of the save a file holds, or -1 when it is no whole save.
int SaveNumber(const QByteArray& bytes)
{
    if (bytes.size() != 44)
        return -1;
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() != 5 || !lines[4].isEmpty())
        return -1;
    const QByteArray time = lines[2].chopped(1);
    const int n = time.mid(0, 2).toInt() * 3600 + time.mid(3, 2).toInt() * 60 + time.mid(6, 2).toInt()
        + (lines[3].left(2).toInt() - 1) * 86400;
    return bytes == QByteArray("12:00:00\r\n12/06/2026\r\n") + lines[2] + '\n' + lines[3] + "\n" ? n : -1;
}

// The saving side: saves calibrations first, first + 1, ... until it is killed.
int SaveForever(const QString& folder, int first)
{
    SetProgramFolder(folder);
    for (int n = first;; ++n)
        WriteCalibrationFile(Numbered(n));
}

} // namespace

// The program killed outright (SIGKILL) in the middle of saving, again and again:
// the calibration file afterwards always holds one whole save, the last one that
// finished or the one before, never a mix and never less.
class TstSaveKill : public QObject
{
    Q_OBJECT

private slots:
    void killedWhileSaving()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        SetProgramFolder(dir.path());
        WriteCalibrationFile(Numbered(0));
        const QString path = dir.filePath(QStringLiteral("OXLTIMES.DAT"));

        QRandomGenerator random(20261206);
        int last = 0;
        int killedWhileRunning = 0;
        for (int round = 0; round < 60; ++round) {
            QProcess saver;
            saver.setProgram(QCoreApplication::applicationFilePath());
            saver.setArguments({QStringLiteral("--save-forever"), dir.path(), QString::number(last + 1)});
            saver.start();
            QVERIFY(saver.waitForStarted());
            QTest::qSleep(static_cast<int>(random.bounded(20, 120)));
            if (saver.state() == QProcess::Running)
                ++killedWhileRunning;
            ::kill(static_cast<pid_t>(saver.processId()), SIGKILL);
            QVERIFY(saver.waitForFinished(10000));
            QCOMPARE(saver.exitStatus(), QProcess::CrashExit);

            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            const int n = SaveNumber(bytes);
            QVERIFY2(n >= last,
                     qPrintable(QStringLiteral("round %1: %2").arg(round).arg(QString::fromLatin1(bytes.toHex()))));
            last = n;
        }
        QCOMPARE(killedWhileRunning, 60);
        // The saver got far enough to be killed in the middle of its work many times.
        QVERIFY2(last > 200, qPrintable(QString::number(last)));
        SetProgramFolder(QString());
    }
};

int main(int argc, char* argv[])
{
    if (argc == 4 && QByteArray(argv[1]) == "--save-forever")
        return SaveForever(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    QCoreApplication app(argc, argv);
    TstSaveKill test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_savekill.moc"
