// Character files: the reader of the 536-byte record, and the Open Character File command.
#include "common/errorof.h"
#include "files/character.h"
#include "files/oxlfiles.h"
#include "forms/dialogs.h"
#include "forms/frmmain.h"
#include "forms/globals.h"
#include "forms/guard.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// A whole record with a distinct value in every field, laid out by hand.
QByteArray CraftedRecord()
{
    QByteArray b(536, '\0');
    auto put = [&b](int at, const QByteArray& bytes) { b.replace(at, bytes.size(), bytes); };
    put(0, QByteArray::fromHex("39300080")); // low byte first, the sign bit set
    put(4, QByteArray::fromHex("0102030405060708"));
    put(12, "Hero" + QByteArray(36, ' '));
    put(52, QByteArray::fromHex("a1a2a3a4"));
    put(56, "Extra" + QByteArray(150, ' ') + "-end-");
    put(216, "Zo\xeb, \x80\x8a\x9f\x99\x81" + QByteArray(146, ' ') + "last"); // Windows-1252, an unassigned byte
    put(376, QByteArray::fromHex("b0b1b2b3c0c1c2c3d0d1d2d3e0e1e2e3"));
    for (int k = 0; k < 12; ++k) {
        put(392 + 12 * k, QByteArray("Entry") + QByteArray::number(k).rightJustified(2, '0') + '!');
        put(400 + 12 * k, QByteArray::fromHex("00f001ff"));
        b[400 + 12 * k] = char(k);
    }
    return b;
}

// A record with only the number, name and description set.
QByteArray Record(const char* numberHex, const QByteArray& name, const QByteArray& description)
{
    QByteArray b(536, '\0');
    b.replace(0, 4, QByteArray::fromHex(numberHex));
    b.replace(12, name.size(), name);
    b.replace(216, description.size(), description);
    return b;
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TstCharacter : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> mDir;
    std::unique_ptr<frmMain> mWindow;
    QStringList mShownFolders; // the folder each dialog started in
    QString mAnswer;           // what the player picks; empty: cancel
    QStringList mMessages;

    QString Path(const QString& name) const { return mDir->filePath(name); }
    QString Program() const { return Path(QStringLiteral("program")); }
    QString Chars() const { return Path(QStringLiteral("chars")); }
    QString FolderFile() const { return Program() + QStringLiteral("/OXLDIR.DAT"); }

    QString Put(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Sets a file's time two days back; returns it.
    static QDateTime MakeOld(const QString& path)
    {
        const QDateTime old = QDateTime::currentDateTime().addDays(-2);
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite) || !file.setFileTime(old, QFileDevice::FileModificationTime))
            qFatal("cannot set the time of %s", qPrintable(path));
        return old;
    }

    QStringList Labels() const
    {
        QStringList texts;
        for (const char* name : {"lblCharacterNumber", "lblName", "lblDescription"})
            texts << mWindow->findChild<QLabel*>(QLatin1String(name))->text();
        return texts;
    }

    // Chooses "Open Character File" from the menu, the dialog answered with `answer`.
    void Open(const QString& answer)
    {
        mAnswer = answer;
        mWindow->findChild<QAction*>(QStringLiteral("mnuOpenCharacterFile"))->trigger();
    }

    void StartWindow()
    {
        gCharacterFolder.clear();
        mWindow = std::make_unique<frmMain>();
        mWindow->Form_Load();
    }

private slots:
    void init()
    {
        mDir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(Program()));
        SetProgramFolder(Program());
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), Program() + QStringLiteral("/Kelvara.mdb")));
        gCharacter = CharacterRecord();
        mShownFolders.clear();
        mMessages.clear();
        ErrorBoundary::ResetForTesting();
        // A dialog with any other filter picks a file that is not there.
        Dialogs::SetOpenFileHook([this](const QString& folder, const QString& filter) {
            mShownFolders << folder;
            return filter == QStringLiteral("Kelvara Character Files (*.oxl)") ? mAnswer
                                                                               : QStringLiteral("wrong filter");
        });
        Dialogs::SetMessageHook([this](const QString& text) { mMessages << text; });
        StartWindow();
    }

    void cleanup()
    {
        mWindow.reset();
        Dialogs::SetOpenFileHook(nullptr);
        Dialogs::SetMessageHook(nullptr);
        SetProgramFolder(QString());
        mDir.reset();
        QVERIFY(!ErrorBoundary::Ending());
    }

    // Every field at its place; the file is opened for reading only and left as it was, its time too.
    void everyField()
    {
        const QString path = Put(Path(QStringLiteral("hero.oxl")), CraftedRecord());
        const QDateTime old = MakeOld(path);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        const CharacterRecord r = ReadCharacterFile(path);
        QCOMPARE(QFileInfo(path).lastModified(), old);
        QCOMPARE(r.CharacterNumber, -2147471303);
        QCOMPARE(r.Data1, QByteArray::fromHex("0102030405060708"));
        QCOMPARE(r.Name, QStringLiteral("Hero") + QString(36, QLatin1Char(' ')));
        QCOMPARE(r.Data2, QByteArray::fromHex("a1a2a3a4"));
        QCOMPARE(r.ExtraText, QStringLiteral("Extra") + QString(150, QLatin1Char(' ')) + QStringLiteral("-end-"));
        QCOMPARE(r.Description, QString::fromUtf8("Zoë, €ŠŸ™\u0081") + QString(146, u' ') + QStringLiteral("last"));
        QCOMPARE(r.Data3[0] + r.Data3[1] + r.Data3[2] + r.Data3[3],
                 QByteArray::fromHex("b0b1b2b3c0c1c2c3d0d1d2d3e0e1e2e3"));
        QCOMPARE(r.Entries[0].EntryText + r.Entries[11].EntryText, QStringLiteral("Entry00!Entry11!"));
        QCOMPARE(r.Entries[0].EntryValue + r.Entries[11].EntryValue, QByteArray::fromHex("00f001ff0bf001ff"));
        // Bytes past the record are not read: 600 bytes give the same record.
        QCOMPARE(ReadCharacterFile(Put(Path(QStringLiteral("long.oxl")), CraftedRecord() + QByteArray(64, '\xee'))), r);
    }

    // A short file reads as if zero bytes filled it up to the full record; it is left as it was.
    void shortFile_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {0, 12, 300, 534})
            QTest::addRow("%d bytes", size) << size;
    }

    void shortFile()
    {
        QFETCH(int, size);
        const QByteArray data = CraftedRecord().left(size);
        const QString path = Put(Path(QStringLiteral("short.oxl")), data);
        const CharacterRecord r = ReadCharacterFile(path);
        QCOMPARE(r, CharacterRecord::FromBytes(data + QByteArray(536 - size, '\0')));
        QCOMPARE(r.Entries[11].EntryValue, size == 534 ? QByteArray::fromHex("0bf00000") : QByteArray(4, '\0'));
        if (size == 0)
            QCOMPARE(r, CharacterRecord());
        QCOMPARE(Contents(path), data);
    }

    // Every file that cannot be read is an error that names the path and the cause; nothing is created.
    void unreadable_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("cause");
        QTest::newRow("missing") << "missing"
                                 << "there is no such file";
        QTest::newRow("folder") << "folder"
                                << "it is a folder";
        QTest::newRow("named pipe") << "named pipe"
                                    << "it is not a plain file";
        QTest::newRow("no right to read") << "no right to read"
                                          << "ermission";
        QTest::newRow("read error") << "read error"
                                    << "Input/output error"; // opens, then fails to read
    }

    void unreadable()
    {
        QFETCH(QString, what);
        QFETCH(QString, cause);
        QString path = Path(QStringLiteral("hero.oxl"));
        if (what == QLatin1String("read error"))
            path = QStringLiteral("/proc/self/mem");
        else if (what == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
        else if (what == QLatin1String("named pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (what == QLatin1String("no right to read")) {
            QVERIFY(QFile::setPermissions(Put(path, CraftedRecord()), QFile::Permissions()));
            if (QFile probe(path); probe.open(QIODevice::ReadOnly))
                QSKIP("this user may read any file, so a file without read permission cannot be made");
        }
        const QString message = ErrorOf([&] { ReadCharacterFile(path); });
        QVERIFY2(message.startsWith(QStringLiteral("Cannot read the character file \"%1\": ").arg(path)),
                 qPrintable(message));
        QVERIFY2(message.contains(cause), qPrintable(message));
        QVERIFY(what != QLatin1String("missing") || !QFileInfo::exists(path));
    }

    void textForDisplay_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<QString>("shown");
        const QChar nul(u'\0');
        QTest::newRow("ends at first zero")
            << QStringLiteral("Hero") + nul + QStringLiteral("Ghost") << false << "Hero";
        QTest::newRow("tab, bell, escape") << QStringLiteral("a\tb\u0007c\u001b[31m") << false << "a b c [31m";
        QTest::newRow("delete and C1") << QStringLiteral("a\u007fb\u0081c\u009dd") << false << "a b c d";
        QTest::newRow("line ends in lines")
            << QStringLiteral("a\r\nb\rc\nd\r\n\r\ne\tf") << true << "a\nb\nc\nd\n\ne f";
        QTest::newRow("letters, blanks, markup kept")
            << QString::fromUtf8("Zoë € <b>Ÿ</b>  ") << false << QString::fromUtf8("Zoë € <b>Ÿ</b>  ");
    }

    void textForDisplay()
    {
        QFETCH(QString, field);
        QFETCH(bool, multiLine);
        QFETCH(QString, shown);
        QCOMPARE(TextForDisplay(field, multiLine), shown);
    }

    // The command: the dialog starts in the program folder at first, the labels show the character, and
    // the folder of the file is remembered in OXLDIR.DAT.
    void chooseShowsCharacter_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("12345") << Record("39300000", "Hero", "A brave hero.")
                               << QStringList{"12345", "Hero", "A brave hero."};
        QTest::newRow("full width, blanks kept")
            << Record("ffffffff", "Hero" + QByteArray(36, ' '), QByteArray(160, 'd'))
            << QStringList{"-1", "Hero" + QString(36, QLatin1Char(' ')), QString(160, QLatin1Char('d'))};
        QTest::newRow("control characters, line ends")
            << Record("04000000", "Bad\x07\x1b[2J\r\nName", "Line one\r\nLine\ttwo")
            << QStringList{"4", "Bad  [2J  Name", "Line one\nLine two"};
        QTest::newRow("empty file") << QByteArray() << QStringList{"0", "", ""};
    }

    void chooseShowsCharacter()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, labels);
        Open(Put(Chars() + QStringLiteral("/hero.oxl"), bytes));
        QCOMPARE(mMessages, QStringList());
        QCOMPARE(mShownFolders, QStringList{Program() + QLatin1Char('/')});
        QCOMPARE(Labels(), labels);
        QCOMPARE(Contents(FolderFile()), QFile::encodeName(Chars()) + "/\r\n");
        QCOMPARE(gCharacterFolder, Chars() + QLatin1Char('/'));
    }

    // Cancel changes nothing: not the labels, the character, the remembered folder or its file. The next
    // dialog starts in the folder of the last file chosen, in this run and after a restart.
    void cancelAndTheRememberedFolder()
    {
        const QString other = Path(QStringLiteral("more chars, old/"));
        Open(Put(Chars() + QStringLiteral("/hero.oxl"), Record("01000000", "Hero", "")));
        Open(Put(other + QStringLiteral("mage.oxl"), Record("02000000", "Mage", "Wise")));
        const QDateTime old = MakeOld(FolderFile());
        const CharacterRecord character = gCharacter;
        Open(QString());
        QCOMPARE(mShownFolders, (QStringList{Program() + QLatin1Char('/'), Chars() + QLatin1Char('/'), other}));
        QCOMPARE(Labels(), (QStringList{"2", "Mage", "Wise"}));
        QCOMPARE(gCharacter, character);
        QCOMPARE(gCharacterFolder, other);
        QCOMPARE(QFileInfo(FolderFile()).lastModified(), old);

        mWindow.reset();
        StartWindow();
        QCOMPARE(Labels(), (QStringList{"", "", ""}));
        Open(QString());
        QCOMPARE(mShownFolders.last(), other);
        QCOMPARE(mMessages, QStringList());
    }

    // A file that cannot be read is reported with its path and the cause; the character shown before,
    // the remembered folder and the program carry on, and the next file opens as usual.
    void unreadableFileReported()
    {
        Open(Put(Chars() + QStringLiteral("/hero.oxl"), Record("39300000", "Hero", "A brave hero.")));
        const QByteArray folderFile = Contents(FolderFile());
        const QString other = Path(QStringLiteral("elsewhere/"));
        QVERIFY(QDir().mkpath(other + QStringLiteral("bad.oxl")));
        Open(other + QStringLiteral("bad.oxl"));
        QCOMPARE(mMessages, QStringList{"Cannot read the character file \"" + other + "bad.oxl\": it is a folder"});
        QCOMPARE(Labels(), (QStringList{"12345", "Hero", "A brave hero."}));
        QCOMPARE(gCharacterFolder, Chars() + QLatin1Char('/'));
        QCOMPARE(Contents(FolderFile()), folderFile);
        Open(Put(other + QStringLiteral("mage.oxl"), Record("02000000", "Mage", "")));
        QCOMPARE(Labels(), (QStringList{"2", "Mage", ""}));
        QCOMPARE(gCharacterFolder, other);
        QCOMPARE(mMessages.size(), 1);
    }

    // When the folder file cannot be written the character is still shown; the player is told, and the
    // dialog keeps starting where it did.
    void folderFileUnwritable()
    {
        QVERIFY(QFile::remove(FolderFile()) && QDir().mkdir(FolderFile()));
        Open(Put(Chars() + QStringLiteral("/hero.oxl"), Record("39300000", "Hero", "A brave hero.")));
        QCOMPARE(Labels(), (QStringList{"12345", "Hero", "A brave hero."}));
        QCOMPARE(mMessages.size(), 1);
        QVERIFY2(mMessages[0].startsWith(QStringLiteral("The folder of the character file could not be remembered.\n"))
                     && mMessages[0].contains(FolderFile()),
                 qPrintable(mMessages[0]));
        QCOMPARE(gCharacterFolder, Program() + QLatin1Char('/'));
    }
};

QTEST_MAIN(TstCharacter)
#include "tst_character.moc"
