#include "common/filebytes.h"
#include "files/oxlfiles.h"

#include <QtTest>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

// The file of save number n: its game time and month count the saves.
QByteArray SaveBytes(int n)
{
    return QStringLiteral("12:00:00\r\n12/06/2026\r\n%1\r\n%2/01/0001\r\n")
        .arg(QTime(0, 0).addSecs(n % 86400).toString(QStringLiteral("HH:mm:ss")))
        .arg(n / 86400 % 12 + 1, 2, 10, QLatin1Char('0'))
        .toLatin1();
}

// The saving side: saves calibrations first, first + 1, ... until it is killed.
int SaveForever(const QString& folder, int first)
{
    SetProgramFolder(folder);
    for (int n = first;; ++n) {
        const QStringList lines = QString::fromLatin1(SaveBytes(n)).split(u"\r\n"_s);
        WriteCalibrationFile(ClockCalibration::FromTexts(lines[0], lines[1], lines[2], lines[3]));
    }
}

} // namespace

// The program killed outright (SIGKILL) in the middle of saving, again and again: the
// calibration file afterwards always holds one whole save, the last one that finished
// or the one before, never a mix and never less.
class TstSaveKill : public QObject
{
    Q_OBJECT

private slots:
    void killedWhileSaving()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("OXLTIMES.DAT"));
        QVERIFY(PutFile(file, SaveBytes(0)));
        QRandomGenerator random(20261206);
        int last = 0;
        for (int round = 0; round < 60; ++round) {
            QProcess saver;
            saver.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--save-forever"), dir.path(), QString::number(last + 1)});
            // Killed some time after its first save, however slowly it starts (a loaded machine, the sanitizers).
            QVERIFY(saver.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(FileBytes(file) != SaveBytes(last), 20000);
            QTest::qSleep(static_cast<int>(random.bounded(20, 120)));
            QVERIFY(saver.state() == QProcess::Running);
            ::kill(static_cast<pid_t>(saver.processId()), SIGKILL);
            QVERIFY(saver.waitForFinished(10000) && saver.exitStatus() == QProcess::CrashExit);
            const QByteArray bytes = FileBytes(file);
            // The save it holds is one of those made since the last round, whole.
            const QTime time = QTime::fromString(QString::fromLatin1(bytes.mid(22, 8)), QStringLiteral("HH:mm:ss"));
            const int n = time.msecsSinceStartOfDay() / 1000 + (bytes.mid(32, 2).toInt() - 1) * 86400;
            QVERIFY2(n >= last && SaveBytes(n) == bytes,
                     qPrintable(QStringLiteral("round %1: %2").arg(round).arg(bytes.toHex())));
            last = n;
        }
        // The saver got far enough to be killed in the middle of its work many times.
        QVERIFY2(last > 200, qPrintable(QString::number(last)));
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
