#include "common/errorof.h"
#include "files/oxlfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstOxlFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir* mDir = nullptr;
    const QDateTime mNow = QDateTime(QDate(2026, 12, 6), QTime(17, 5, 9));

    QString Path(const QString& name) const { return mDir->filePath(name); }

    void Put(const QString& name, const QByteArray& bytes)
    {
        QFile file(Path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    QByteArray Get(const QString& name) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private slots:
    void init()
    {
        mDir = new QTemporaryDir;
        QVERIFY(mDir->isValid());
        SetProgramFolder(mDir->path() + u'/');
        QCOMPARE(ProgramFolder(), mDir->path() + u'/'); // one slash at the end, given or not
    }

    void cleanup()
    {
        SetProgramFolder(QString());
        delete mDir;
    }

    // An installed program keeps the player's database in the data folder, copied there once from share/.
    void installedProgramUsesDataFolder()
    {
        const QString bin = Path(u"usr/bin"_qs), data = Path(u"home/.local/share/kelvara-utility"_qs);
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(Path(u"usr/share/kelvara-utility"_qs)));
        Put(u"usr/share/kelvara-utility/Kelvara.mdb"_qs, "sample");
        QCOMPARE(ChooseProgramFolder(bin, true, data), bin + u'/');
        QVERIFY(!QFileInfo::exists(data));
        QCOMPARE(ChooseProgramFolder(bin, false, data), data + u'/');
        QCOMPARE(Get(u"home/.local/share/kelvara-utility/Kelvara.mdb"_qs), QByteArray("sample"));
        Put(u"home/.local/share/kelvara-utility/Kelvara.mdb"_qs, "mine"); // the player's own is kept
        ChooseProgramFolder(bin, false, data);
        QCOMPARE(Get(u"home/.local/share/kelvara-utility/Kelvara.mdb"_qs), QByteArray("mine"));
    }

    // OXLDIR.DAT: the first item of the first line; none is the program folder. A missing file is created
    // empty, a present one left as it was.
    void readFolder()
    {
        const std::pair<QByteArray, QString> cases[] = {{"<missing>", ""},
                                                        {"   /games/chars/   \r\n", "/games/chars/"},
                                                        {"     ", ""},
                                                        {"/My Games, old/Characters/\r\n", "/My Games"},
                                                        {"\"/My Games, old/\" tail\r\n", "/My Games, old/"},
                                                        {"/a/\r\n/b/\r\n", "/a/"},
                                                        {"/Gr\xf6\xdf"
                                                         "e/",
                                                         QString::fromUtf8("/Größe/")}};
        for (const auto& [contents, expected] : cases) {
            QFile::remove(Path(u"OXLDIR.DAT"_qs));
            if (contents != "<missing>")
                Put(u"OXLDIR.DAT"_qs, contents);
            QCOMPARE(ReadCharacterFolder(), expected.isEmpty() ? ProgramFolder() : expected);
            QCOMPARE(Get(u"OXLDIR.DAT"_qs), contents == "<missing>" ? QByteArray() : contents);
        }
    }

    // The folder of the chosen file is written quoted where it must be, and reads back as it was; a path of
    // fewer than three characters or without a separator leaves the old file alone.
    void saveFolder()
    {
        const QByteArray old("/old/\r\n");
        const std::pair<QString, QByteArray> cases[] = {{"/games/chars/hero.oxl", "/games/chars/\r\n"},
                                                        {"/ab", "/\r\n"},
                                                        {"/a", old},
                                                        {"hero.oxl", old},
                                                        {QString::fromUtf8("/Größe/x.oxl"),
                                                         "/Gr\xf6\xdf"
                                                         "e/\r\n"},
                                                        {"/a,b, c/x.oxl", "\"/a,b, c/\"\r\n"},
                                                        {"/two\nlines/x.oxl", "\"/two\nlines/\"\r\n"},
                                                        {"/a\rb/x.oxl", "\"/a\rb/\"\r\n"},
                                                        {"/say \"hi\"/x.oxl", "/say \"hi\"/\r\n"}};
        for (const auto& [path, written] : cases) {
            Put(u"OXLDIR.DAT"_qs, old);
            SaveCharacterFolder(path);
            QCOMPARE(Get(u"OXLDIR.DAT"_qs), written);
            QCOMPARE(ReadCharacterFolder(), written == old ? u"/old/"_qs : path.left(path.lastIndexOf(u'/') + 1));
        }
    }

    // A missing, empty or short calibration file gives the default: now, and the first second of the game.
    void defaultCalibration()
    {
        for (int size : {-1, 0, 10}) {
            const QByteArray contents = QByteArray("12:00:00\r\n12/06/2026").left(qMax(size, 0));
            if (size >= 0)
                Put(u"OXLTIMES.DAT"_qs, contents);
            QCOMPARE(ReadCalibrationFile(mNow),
                     ClockCalibration::FromTexts(u"17:05:09"_qs, u"12/06/2026"_qs, u"00:00:01"_qs, u"01/01/0001"_qs));
            QCOMPARE(Get(u"OXLTIMES.DAT"_qs), contents); // created empty, or left as it was
        }
    }

    // Each item fitted to its field's width; a comma splits a line.
    void readCalibration()
    {
        const std::pair<QByteArray, QStringList> cases[] = {
            {"12:00:00.5\n07/04/2026\n09:41:27\n03/17/0012\n", {"12:00:00", "07/04/2026", "09:41:27", "03/17/0012"}},
            {"1:00\r\n12/25/    \r\n  09:41:27\r\n\"03/17/0012\"\r\n",
             {"1:00    ", "12/25/    ", "09:41:27", "03/17/0012"}},
            {"12:00,00\r\n07/04/2026\r\n09:41:27\r\n03/17/0012\r\n",
             {"12:00   ", "00        ", "07/04/20", "09:41:27  "}},
            {"13:05:09\r\n07/04/2026\r\n", {"13:05:09", "07/04/2026", "        ", "          "}},
            {"0123456789abcdef", {"01234567", "          ", "        ", "          "}}};
        for (const auto& [contents, fields] : cases) {
            Put(u"OXLTIMES.DAT"_qs, contents);
            const ClockCalibration cal = ReadCalibrationFile(mNow);
            QCOMPARE((QStringList{cal.RealTime, cal.RealDate, cal.OXLTime, cal.OXLDate}), fields);
            QVERIFY(!cal.Instant.has_value());
        }
    }

    // Always 44 bytes, replacing the old file whole, with no temporary file left beside it; it reads back.
    void writeCalibration()
    {
        const std::pair<QStringList, QByteArray> cases[] = {
            {{"13:05:09", "02/29/2028", "09:41:27", "12/28/9999"},
             "13:05:09\r\n02/29/2028\r\n09:41:27\r\n12/28/9999\r\n"},
            {{"12:34:", "12/25/", "1:0", ""}, "12:34:  \r\n12/25/    \r\n1:0     \r\n          \r\n"},
            {{QString::fromUtf8("12:€:ж"), "07/04/2026", "09:41:27", "03/17/0012"},
             "12:\x80:?  \r\n07/04/2026\r\n09:41:27\r\n03/17/0012\r\n"}};
        for (const auto& [fields, bytes] : cases) {
            Put(u"OXLTIMES.DAT"_qs, "an older, longer calibration file that is replaced whole\r\n");
            const ClockCalibration cal = ClockCalibration::FromTexts(fields[0], fields[1], fields[2], fields[3]);
            WriteCalibrationFile(cal);
            QCOMPARE(Get(u"OXLTIMES.DAT"_qs), bytes);
            QCOMPARE(QDir(mDir->path()).entryList(QDir::Files), QStringList{"OXLTIMES.DAT"});
            if (fields[2] == u"09:41:27"_qs && fields[1] == u"02/29/2028"_qs)
                QCOMPARE(ReadCalibrationFile(mNow), cal);
        }
    }

    // A folder where a file should be, or no program folder at all, is reported with the file's path.
    void unusableFiles()
    {
        QVERIFY(QDir(mDir->path()).mkdir(u"OXLTIMES.DAT"_qs) && QDir(mDir->path()).mkdir(u"OXLDIR.DAT"_qs));
        const QStringList messages{
            ErrorOf([&] { ReadCalibrationFile(mNow); }), ErrorOf([&] { WriteCalibrationFile(ClockCalibration()); }),
            ErrorOf([&] { ReadCharacterFolder(); }), ErrorOf([&] { SaveCharacterFolder(u"/games/x.oxl"_qs); })};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(messages[i].contains(Path(i < 2 ? u"OXLTIMES.DAT"_qs : u"OXLDIR.DAT"_qs)),
                     qPrintable(messages[i]));
        QVERIFY(QFileInfo(Path(u"OXLTIMES.DAT"_qs)).isDir() && QFileInfo(Path(u"OXLDIR.DAT"_qs)).isDir());
        SetProgramFolder(Path(u"gone"_qs));
        QVERIFY(ErrorOf([&] { ReadCalibrationFile(mNow); }).contains(u"gone/OXLTIMES.DAT"_qs));
        QVERIFY(ErrorOf([&] { WriteCalibrationFile(ClockCalibration()); }).contains(u"gone/OXLTIMES.DAT"_qs));
    }
};

QTEST_GUILESS_MAIN(TstOxlFiles)
#include "tst_oxlfiles.moc"
