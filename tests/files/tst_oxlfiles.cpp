#include "core/kelvaraerror.h"
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

    QString Path(const char* name) const { return mDir->filePath(QLatin1String(name)); }

    void Put(const char* name, const QByteArray& bytes)
    {
        QFile file(Path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray Get(const char* name) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private slots:
    void init()
    {
        mDir = new QTemporaryDir;
        QVERIFY(mDir->isValid());
        SetProgramFolder(mDir->path());
    }

    void cleanup()
    {
        SetProgramFolder(QString());
        delete mDir;
    }

    void programFolderEndsInSlash()
    {
        QCOMPARE(ProgramFolder(), mDir->path() + QLatin1Char('/'));
        SetProgramFolder(mDir->path() + QLatin1Char('/'));
        QCOMPARE(ProgramFolder(), mDir->path() + QLatin1Char('/'));
    }

    void installedProgramUsesDataFolder()
    {
        // An installed layout: bin/ beside share/kelvara-utility/Kelvara.mdb.
        QDir root(mDir->path());
        QVERIFY(root.mkpath(QStringLiteral("usr/bin")) && root.mkpath(QStringLiteral("usr/share/kelvara-utility")));
        QFile db(root.filePath(QStringLiteral("usr/share/kelvara-utility/Kelvara.mdb")));
        QVERIFY(db.open(QIODevice::WriteOnly));
        db.write("sample");
        db.close();
        const QString bin = root.filePath(QStringLiteral("usr/bin"));
        const QString data = root.filePath(QStringLiteral("home/.local/share/kelvara-utility"));

        QCOMPARE(ChooseProgramFolder(bin, true, data), bin + QLatin1Char('/'));
        QVERIFY(!QFileInfo::exists(data));

        QCOMPARE(ChooseProgramFolder(bin, false, data), data + QLatin1Char('/'));
        QFile copy(data + QStringLiteral("/Kelvara.mdb"));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), QByteArray("sample"));
        copy.close();

        // A database the player already has is kept.
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.write("mine");
        copy.close();
        ChooseProgramFolder(bin, false, data);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), QByteArray("mine"));
    }

    void readFolderWhenMissing()
    {
        QVERIFY(!QFile::exists(Path("OXLDIR.DAT")));
        QCOMPARE(ReadCharacterFolder(), ProgramFolder());
        QVERIFY(QFile::exists(Path("OXLDIR.DAT")));
        QCOMPARE(Get("OXLDIR.DAT"), QByteArray());
    }

    void readFolder_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("expected"); // empty: the program folder
        QTest::newRow("plain") << QByteArray("/games/chars/\r\n") << "/games/chars/";
        QTest::newRow("blanks around") << QByteArray("   /games/chars/   \r\n") << "/games/chars/";
        QTest::newRow("only CR LF") << QByteArray("\r\n") << "";
        QTest::newRow("only blanks") << QByteArray("     ") << "";
        QTest::newRow("comma cuts") << QByteArray("/My Games, old/Characters/\r\n") << "/My Games";
        QTest::newRow("quoted keeps comma") << QByteArray("\"/My Games, old/\" tail\r\n") << "/My Games, old/";
        QTest::newRow("no line end") << QByteArray("/games/") << "/games/";
        QTest::newRow("second line ignored") << QByteArray("/a/\r\n/b/\r\n") << "/a/";
        QTest::newRow("Windows-1252") << QByteArray("/Spiele/Gr\xf6\xdf"
                                                    "e/\r\n")
                                      << QString::fromUtf8("/Spiele/Größe/");
    }

    void readFolder()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, expected);
        Put("OXLDIR.DAT", contents);
        QCOMPARE(ReadCharacterFolder(), expected.isEmpty() ? ProgramFolder() : expected);
        QCOMPARE(Get("OXLDIR.DAT"), contents);
    }

    void saveFolder_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("written"); // "<missing>": the file is not touched
        QTest::newRow("file in folder") << "/games/chars/hero.oxl" << QByteArray("/games/chars/\r\n");
        QTest::newRow("folder given") << "/games/chars/" << QByteArray("/games/chars/\r\n");
        QTest::newRow("root file") << "/ab" << QByteArray("/\r\n");
        QTest::newRow("two characters") << "/a" << QByteArray("<missing>");
        QTest::newRow("no separator") << "hero.oxl" << QByteArray("<missing>");
        QTest::newRow("Windows-1252") << QString::fromUtf8("/Spiele/Größe/x.oxl")
                                      << QByteArray("/Spiele/Gr\xf6\xdf"
                                                    "e/\r\n");
        QTest::newRow("comma quoted") << "/My Games, old/x.oxl" << QByteArray("\"/My Games, old/\"\r\n");
        QTest::newRow("line end quoted") << "/two\nlines/x.oxl" << QByteArray("\"/two\nlines/\"\r\n");
        QTest::newRow("quote not at start") << "/say \"hi\"/x.oxl" << QByteArray("/say \"hi\"/\r\n");
    }

    void saveFolder()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, written);
        SaveCharacterFolder(path);
        QCOMPARE(Get("OXLDIR.DAT"), written);
    }

    // A folder reads back exactly as it was saved, commas and line ends included.
    void saveFolderReadsBack_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << "/games/chars/";
        QTest::newRow("comma") << "/My Games, old/Characters/";
        QTest::newRow("two commas") << "/a,b,c/";
        QTest::newRow("line end") << "/two\r\nlines/";
        QTest::newRow("blank inside") << "/my chars/";
        QTest::newRow("quote inside") << "/say \"hi\"/";
    }

    void saveFolderReadsBack()
    {
        QFETCH(QString, folder);
        SaveCharacterFolder(folder + QStringLiteral("hero.oxl"));
        QCOMPARE(ReadCharacterFolder(), folder);
    }

    void saveFolderLeavesOldFileForShortPath()
    {
        Put("OXLDIR.DAT", "/old/\r\n");
        SaveCharacterFolder(QStringLiteral("x:"));
        SaveCharacterFolder(QStringLiteral("nofolder"));
        QCOMPARE(Get("OXLDIR.DAT"), QByteArray("/old/\r\n"));
        SaveCharacterFolder(QStringLiteral("/new/hero.oxl"));
        QCOMPARE(ReadCharacterFolder(), QStringLiteral("/new/"));
    }

    void defaultCalibration_data()
    {
        QTest::addColumn<int>("size"); // -1: no file
        QTest::newRow("no file") << -1;
        QTest::newRow("empty") << 0;
        QTest::newRow("ten bytes") << 10;
    }

    void defaultCalibration()
    {
        QFETCH(int, size);
        const QByteArray contents = QByteArray("12:00:00\r\n12/06/2026").left(qMax(size, 0));
        if (size >= 0)
            Put("OXLTIMES.DAT", contents);
        const ClockCalibration cal = ReadCalibrationFile(mNow);
        QCOMPARE(cal.RealTime, QStringLiteral("17:05:09"));
        QCOMPARE(cal.RealDate, QStringLiteral("12/06/2026"));
        QCOMPARE(cal.OXLTime, QStringLiteral("00:00:01"));
        QCOMPARE(cal.OXLDate, QStringLiteral("01/01/0001"));
        QCOMPARE(Get("OXLTIMES.DAT"), contents); // created empty, or left as it was
    }

    void readCalibration_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("as written") << QByteArray("13:05:09\r\n07/04/2026\r\n09:41:27\r\n03/17/0012\r\n")
                                    << QStringList{"13:05:09", "07/04/2026", "09:41:27", "03/17/0012"};
        QTest::newRow("long item cut") << QByteArray("12:00:00.5\r\n07/04/2026\r\n09:41:27\r\n03/17/0012\r\n")
                                       << QStringList{"12:00:00", "07/04/2026", "09:41:27", "03/17/0012"};
        QTest::newRow("short item padded") << QByteArray("1:00\r\n7/4/2026\r\n09:41:27\r\n03/17/0012\r\n")
                                           << QStringList{"1:00    ", "7/4/2026  ", "09:41:27", "03/17/0012"};
        QTest::newRow("trailing blanks kept") << QByteArray("12:34:  \r\n12/25/    \r\n09:41:27\r\n03/17/0012\r\n")
                                              << QStringList{"12:34:  ", "12/25/    ", "09:41:27", "03/17/0012"};
        QTest::newRow("leading blanks skipped") << QByteArray("  12:34:56\r\n07/04/2026\r\n09:41:27\r\n03/17/0012\r\n")
                                                << QStringList{"12:34:56", "07/04/2026", "09:41:27", "03/17/0012"};
        QTest::newRow("comma splits a line") << QByteArray("12:00,00\r\n07/04/2026\r\n09:41:27\r\n03/17/0012\r\n")
                                             << QStringList{"12:00   ", "00        ", "07/04/20", "09:41:27  "};
        QTest::newRow("quoted") << QByteArray("\"12:00:00\"\r\n\"07/04/2026\"\r\n09:41:27\r\n03/17/0012\r\n")
                                << QStringList{"12:00:00", "07/04/2026", "09:41:27", "03/17/0012"};
        QTest::newRow("LF only") << QByteArray("13:05:09\n07/04/2026\n09:41:27\n03/17/0012\n")
                                 << QStringList{"13:05:09", "07/04/2026", "09:41:27", "03/17/0012"};
        QTest::newRow("two items only") << QByteArray("13:05:09\r\n07/04/2026\r\n")
                                        << QStringList{"13:05:09", "07/04/2026", "        ", "          "};
        QTest::newRow("one long line") << QByteArray("0123456789abcdef")
                                       << QStringList{"01234567", "          ", "        ", "          "};
    }

    void readCalibration()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, fields);
        Put("OXLTIMES.DAT", contents);
        const ClockCalibration cal = ReadCalibrationFile(mNow);
        QCOMPARE((QStringList{cal.RealTime, cal.RealDate, cal.OXLTime, cal.OXLDate}), fields);
        QVERIFY(!cal.Instant.has_value());
    }

    void writeCalibration_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("usual") << QStringList{"13:05:09", "07/04/2026", "09:41:27", "03/17/0012"}
                               << QByteArray("13:05:09\r\n07/04/2026\r\n09:41:27\r\n03/17/0012\r\n");
        QTest::newRow("short fields padded") << QStringList{"12:34:", "12/25/", "1:0", ""}
                                             << QByteArray("12:34:  \r\n12/25/    \r\n1:0     \r\n          \r\n");
        QTest::newRow("not Windows-1252")
            << QStringList{QString::fromUtf8("12:€:ж"), "07/04/2026", "09:41:27", "03/17/0012"}
            << QByteArray("12:\x80:?  \r\n07/04/2026\r\n09:41:27\r\n03/17/0012\r\n");
    }

    void writeCalibration()
    {
        QFETCH(QStringList, fields);
        QFETCH(QByteArray, bytes);
        Put("OXLTIMES.DAT", "an older, longer calibration file that is replaced whole\r\n");
        const ClockCalibration cal = ClockCalibration::FromTexts(fields[0], fields[1], fields[2], fields[3]);
        WriteCalibrationFile(cal);
        QCOMPARE(Get("OXLTIMES.DAT"), bytes);
        QCOMPARE(bytes.size(), 44);
        // No temporary file is left beside it.
        QCOMPARE(QDir(mDir->path()).entryList(QDir::Files), QStringList{"OXLTIMES.DAT"});
    }

    void roundTrip()
    {
        ClockCalibration cal = ClockCalibration::FromTexts(QStringLiteral("23:59:59"), QStringLiteral("02/29/2028"),
                                                           QStringLiteral("00:00:01"), QStringLiteral("12/28/9999"));
        WriteCalibrationFile(cal);
        QCOMPARE(ReadCalibrationFile(mNow), cal);
    }

    // A folder where a file should be is reported with the file's path.
    void folderInPlaceOfFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("calibration") << "OXLTIMES.DAT";
        QTest::newRow("folder file") << "OXLDIR.DAT";
    }

    void folderInPlaceOfFile()
    {
        QFETCH(QString, name);
        QVERIFY(QDir(mDir->path()).mkdir(name));
        auto expectError = [&](const std::function<void()>& call) {
            try {
                call();
                QFAIL("no error");
            } catch (const KelvaraError& e) {
                QVERIFY2(e.message().contains(name), qPrintable(e.message()));
            }
        };
        if (name == QLatin1String("OXLTIMES.DAT")) {
            expectError([&] { ReadCalibrationFile(mNow); });
            expectError([&] { WriteCalibrationFile(ReadCalibrationFile(mNow)); });
        } else {
            expectError([&] { ReadCharacterFolder(); });
            expectError([&] { SaveCharacterFolder(QStringLiteral("/games/x.oxl")); });
        }
        QVERIFY(QFileInfo(Path(qPrintable(name))).isDir());
    }

    void missingProgramFolder()
    {
        SetProgramFolder(mDir->filePath(QStringLiteral("gone")));
        QVERIFY_THROWS_EXCEPTION(KelvaraError, ReadCalibrationFile(mNow));
        QVERIFY_THROWS_EXCEPTION(KelvaraError, WriteCalibrationFile(ClockCalibration()));
    }
};

QTEST_GUILESS_MAIN(TstOxlFiles)
#include "tst_oxlfiles.moc"
