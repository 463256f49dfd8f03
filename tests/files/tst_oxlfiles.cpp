#include "common/errorof.h"
#include "common/filebytes.h"
#include "files/oxlfiles.h"

#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TstOxlFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;

    QString File(const char* name) const { return mDir.filePath(QLatin1String(name)); }

private slots:
    void initTestCase() { SetProgramFolder(mDir.path()); }

    // Files beside a build's executable; beside an installed one only for a player, never in /usr/bin for root.
    void filesBeside()
    {
        const QString bin = mDir.filePath(u"usr/bin"_s);
        QVERIFY(QDir().mkpath(bin) && KeepsFilesBeside(bin));
        QVERIFY(QDir().mkpath(mDir.filePath(u"usr/share/kelvara-utility"_s)));
        QVERIFY(PutFile(File("usr/share/kelvara-utility/Kelvara.mdb"), "db"));
        QCOMPARE(KeepsFilesBeside(bin), ::geteuid() != 0);
        QVERIFY(QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner));
        QCOMPARE(KeepsFilesBeside(bin), false);
    }

    // The folder of the chosen file is written quoted where it must be, and reads back as it was; a path
    // without a separator leaves the old file alone. Only the first item of the first line is read.
    void folderFile()
    {
        const QByteArray old("/old/\r\n");
        const std::pair<QString, QByteArray> cases[] = {{"/games/chars/hero.oxl", "/games/chars/\r\n"},
                                                        {"hero.oxl", old},
                                                        {"/x.oxl", "/\r\n"}, // the root folder
                                                        {QString::fromUtf8("/Größe/x.oxl"), "/Gr\xf6\xdf\x65/\r\n"},
                                                        {"/a,b, c/x.oxl", "\"/a,b, c/\"\r\n"},
                                                        {"/a\rb/x.oxl", "\"/a\rb/\"\r\n"}};
        for (const auto& [path, written] : cases) {
            QVERIFY(PutFile(File("OXLDIR.DAT"), old));
            SaveCharacterFolder(path);
            QCOMPARE(FileBytes(File("OXLDIR.DAT")), written);
            QCOMPARE(ReadCharacterFolder(), written == old ? u"/old/"_s : path.left(path.lastIndexOf(u'/') + 1));
        }
        QVERIFY(PutFile(File("OXLDIR.DAT"), "  /My Games , old/Characters/\r\n/b/\r\n")); // blanks around the first go
        QCOMPARE(ReadCharacterFolder(), u"/My Games"_s);
    }

    // Always 44 bytes, replacing the old file whole, with no temporary file left beside it; it reads back, each
    // item fitted to its field's width.
    void calibrationFile()
    {
        const std::pair<QStringList, QByteArray> cases[] = {
            {{"13:05:09", "02/29/2028", "09:41:27", "12/28/9999"},
             "13:05:09\r\n02/29/2028\r\n09:41:27\r\n12/28/9999\r\n"},
            {{"12:34:", "12/25/", "1:0 and more", ""}, "12:34:  \r\n12/25/    \r\n1:0 and \r\n          \r\n"},
            {{QString::fromUtf8("12:€:Ā"), "07/04/2026", "09:41:27", "03/17/0012"},
             "12:\x80:?  \r\n07/04/2026\r\n09:41:27\r\n03/17/0012\r\n"}};
        for (const auto& [fields, bytes] : cases) {
            QVERIFY(PutFile(File("OXLTIMES.DAT"), "an older, longer calibration file that is replaced whole\r\n"));
            WriteCalibrationFile(ClockCalibration{fields[0], fields[1], fields[2], fields[3], {}});
            QCOMPARE(FileBytes(File("OXLTIMES.DAT")), bytes);
            QCOMPARE(QDir(mDir.path()).entryList(QDir::Files), (QStringList{"OXLDIR.DAT", "OXLTIMES.DAT"}));
            const ClockCalibration back = ReadCalibrationFile(QDateTime::currentDateTime());
            QCOMPARE((QStringList{back.RealTime, back.RealDate, back.OXLTime, back.OXLDate}),
                     QString::fromLatin1(bytes).replace(QChar(0x80), QChar(0x20ac)).split(u"\r\n"_s).first(4));
        }
        // Saved in the hour repeated when summer time ends (01:00 to 02:00 UTC) or just before, the game clock reads
        // back as it was, to the second.
        for (const int second : {-1, 0, 1800, 3599}) {
            const QDateTime at = QDateTime(QDate(2026, 10, 25), QTime(1, 0), QTimeZone::utc()).addSecs(second);
            const auto saved = ComputeGameTime({"00:00:00", "01/01/2026", "00:00:00", "01/01/0001", {}}, at);
            WriteCalibrationFile(saved);
            QCOMPARE(ComputeGameTime(ReadCalibrationFile(at), at), saved);
        }
        QVERIFY(PutFile(File("OXLTIMES.DAT"), "12:30:00\r\n1")); // 11 bytes are a calibration; fewer are none
        QCOMPARE(ReadCalibrationFile(QDateTime(QDate(2026, 1, 1), QTime(9, 0))).RealTime, u"12:30:00"_s);
    }

    // A FIFO (a read would wait for ever) or a device (a read may never end) in a file's place is neither read nor
    // replaced: each call says why and leaves it as it was.
    void notRegular()
    {
        const std::function<void()> calls[] = {[] { ReadCalibrationFile(QDateTime()); },
                                               [] { PeekCalibrationFile(QDateTime()); }, [] { ReadCharacterFolder(); },
                                               [] { WriteCalibrationFile({}); },
                                               [] { SaveCharacterFolder(u"/a/b.oxl"_s); }};
        for (const mode_t kind : {S_IFIFO, S_IFCHR}) {
            for (const char* name : {"OXLTIMES.DAT", "OXLDIR.DAT"}) {
                const QByteArray path = QFile::encodeName(File(name));
                // A node like the system's zero device, in the test's own folder (only root may make one).
                if ((::unlink(path.constData()), ::mknod(path.constData(), kind | 0600, makedev(1, 5))) != 0)
                    QSKIP("making a device node needs root");
            }
            for (const auto& call : calls)
                QVERIFY2(ErrorOf(call).endsWith(u": it is not a regular file"_s), qPrintable(ErrorOf(call)));
            for (const char* name : {"OXLTIMES.DAT", "OXLDIR.DAT"})
                QVERIFY(QFileInfo::exists(File(name)) && !QFileInfo(File(name)).isFile());
        }
        QVERIFY(QFile::remove(File("OXLDIR.DAT")) && QFile::remove(File("OXLTIMES.DAT")));
    }
};

QTEST_GUILESS_MAIN(TstOxlFiles)
#include "tst_oxlfiles.moc"
