#include "clock/systemclock.h"
#include "common/faultkit.h"
#include "core/kelvaraerror.h"
#include "files/oxlfiles.h"
#include "forms/dialogs.h"
#include "forms/frmmain.h"
#include "forms/globals.h"
#include "forms/guard.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The save at close when the disk does not let it happen: the player is told that
// the calibration could not be saved, and what was saved before stays whole.
class TstSaveFaults : public QObject
{
    Q_OBJECT

    QTemporaryDir* mDir = nullptr;
    QDateTime mNow;
    QStringList mMessages;
    const QByteArray mOld = "00:29:59\r\n12/06/2026\r\n12:05:41\r\n03/17/0012\r\n";

    QString Path(const char* name) const { return mDir->filePath(QLatin1String(name)); }

private slots:
    void init()
    {
        mDir = new QTemporaryDir;
        QVERIFY(mDir->isValid());
        SetProgramFolder(mDir->path());
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), Path("Kelvara.mdb")));
        QFile file(Path("OXLTIMES.DAT"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(mOld);
        file.close();
        mNow = QDateTime(QDate(2026, 12, 6), QTime(0, 29, 59));
        SystemClock::SetSource([this] { return mNow; });
        mMessages.clear();
        Dialogs::SetMessageHook([this](const QString& text) { mMessages.append(text); });
        ErrorBoundary::ResetForTesting();
        ErrorBoundary::SetCloser({});
    }

    void cleanup()
    {
        SystemClock::SetSource({});
        Dialogs::SetMessageHook({});
        ErrorBoundary::ResetForTesting();
        SetProgramFolder(QString());
        delete mDir;
    }

    void closingWhenTheSaveFails_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("cause"); // part of the reason the player reads
        QTest::newRow("program folder read-only") << "read-only"
                                                  << "Permission denied";
        QTest::newRow("disk full") << "full"
                                   << "too large";
        QTest::newRow("folder in place of the file") << "folder"
                                                     << "it is a folder";
    }

    void closingWhenTheSaveFails()
    {
        QFETCH(QString, fault);
        QFETCH(QString, cause);
        frmMain w;
        w.Form_Load();
        w.show();
        mNow = mNow.addSecs(200);
        w.tmrMain_Timer();
        QCOMPARE(gCalibration.OXLTime, QStringLiteral("13:05:41"));

        std::unique_ptr<faultkit::ReadOnlyFolder> readOnly;
        std::unique_ptr<faultkit::FullDisk> full;
        if (fault == QLatin1String("read-only")) {
            readOnly = std::make_unique<faultkit::ReadOnlyFolder>(mDir->path());
            QVERIFY2(readOnly->Holds(), "the folder still takes new files");
        } else if (fault == QLatin1String("full")) {
            full = std::make_unique<faultkit::FullDisk>(20); // 20 of the 44 bytes fit
        } else {
            QVERIFY(QFile::remove(Path("OXLTIMES.DAT")));
            QVERIFY(QDir(mDir->path()).mkdir(QStringLiteral("OXLTIMES.DAT")));
        }

        w.close(); // the close box: closing is never refused
        readOnly.reset();
        full.reset();

        QVERIFY(!w.isVisible());
        QCOMPARE(mMessages.size(), 1);
        QVERIFY2(mMessages[0].startsWith(QStringLiteral("The calibration could not be saved.")),
                 qPrintable(mMessages[0]));
        QVERIFY2(mMessages[0].contains(QStringLiteral("OXLTIMES.DAT")), qPrintable(mMessages[0]));
        QVERIFY2(mMessages[0].contains(cause, Qt::CaseInsensitive), qPrintable(mMessages[0]));
        QVERIFY(ErrorBoundary::Ending());

        if (fault == QLatin1String("folder")) {
            QVERIFY(QFileInfo(Path("OXLTIMES.DAT")).isDir());
        } else {
            QFile file(Path("OXLTIMES.DAT"));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), mOld);
        }
        // No half-written file is left beside it.
        QCOMPARE(QDir(mDir->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 (QStringList{"Kelvara.mdb", "OXLDIR.DAT", "OXLTIMES.DAT"}));
    }

    // The same disk, free again: the next save goes through.
    void saveAfterTheDiskHasRoomAgain()
    {
        ClockCalibration cal = ReadCalibrationFile(mNow);
        cal = ComputeGameTime(cal, mNow.addSecs(200));
        {
            faultkit::FullDisk full(20);
            QVERIFY_THROWS_EXCEPTION(KelvaraError, WriteCalibrationFile(cal));
        }
        WriteCalibrationFile(cal);
        QFile file(Path("OXLTIMES.DAT"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("00:33:19\r\n12/06/2026\r\n13:05:41\r\n03/17/0012\r\n"));
    }
};

QTEST_MAIN(TstSaveFaults)
#include "tst_savefaults.moc"
