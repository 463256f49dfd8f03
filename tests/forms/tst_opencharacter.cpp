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

#include <memory>

namespace {

// A character file laid out by hand: number, name and description at their offsets,
// every other byte zero.
QByteArray Record(const char* numberHex, const QByteArray& name, const QByteArray& description)
{
    QByteArray b(536, '\0');
    b.replace(0, 4, QByteArray::fromHex(numberHex));
    b.replace(12, name.size(), name);
    b.replace(216, description.size(), description);
    return b;
}

const QString Filter = QStringLiteral("Kelvara Character Files (*.oxl)");

} // namespace

class TstOpenCharacter : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> mDir;
    std::unique_ptr<frmMain> mWindow;
    QStringList mShownFolders;  // the folder each dialog started in
    QStringList mShownFilters;
    QString mAnswer;            // what the player picks; empty: cancel
    QStringList mMessages;

    QString Program() const { return mDir->filePath(QStringLiteral("program")); }
    QString Chars() const { return mDir->filePath(QStringLiteral("chars")); }
    QString FolderFile() const { return Program() + QStringLiteral("/OXLDIR.DAT"); }

    QString PutCharacter(const QString& folder, const char* name, const QByteArray& bytes)
    {
        QDir().mkpath(folder);
        const QString path = folder + QLatin1Char('/') + QLatin1String(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    static QByteArray Contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QString Label(const char* name) const
    {
        const auto* label = mWindow->findChild<QLabel*>(QLatin1String(name));
        return label ? label->text() : QStringLiteral("<no label>");
    }

    QStringList Labels() const { return {Label("lblCharacterNumber"), Label("lblName"), Label("lblDescription")}; }

    // Chooses "Open Character File" from the menu, the dialog answered with `answer`.
    void Open(const QString& answer)
    {
        mAnswer = answer;
        auto* entry = mWindow->findChild<QAction*>(QStringLiteral("mnuOpenCharacterFile"));
        QVERIFY(entry);
        entry->trigger();
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
        QVERIFY(mDir->isValid());
        QVERIFY(QDir().mkpath(Program()));
        SetProgramFolder(Program());
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), Program() + QStringLiteral("/Kelvara.mdb")));
        gCharacter = CharacterRecord();
        mShownFolders.clear();
        mShownFilters.clear();
        mMessages.clear();
        ErrorBoundary::ResetForTesting();
        Dialogs::SetOpenFileHook([this](const QString& folder, const QString& filter) {
            mShownFolders << folder;
            mShownFilters << filter;
            return mAnswer;
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
    }

    void labelsAreBlankAtStart() { QCOMPARE(Labels(), (QStringList{"", "", ""})); }

    void chooseShowsCharacter_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("labels");
        const QByteArray hero("Hero");
        const QByteArray brave("A brave hero.");
        QTest::newRow("12345") << Record("39300000", hero, brave) << QStringList{"12345", "Hero", "A brave hero."};
        QTest::newRow("minus one") << Record("ffffffff", hero, brave) << QStringList{"-1", "Hero", "A brave hero."};
        QTest::newRow("zero") << Record("00000000", hero, brave) << QStringList{"0", "Hero", "A brave hero."};
        QTest::newRow("largest") << Record("ffffff7f", hero, brave) << QStringList{"2147483647", "Hero", "A brave hero."};
        QTest::newRow("smallest") << Record("00000080", hero, brave) << QStringList{"-2147483648", "Hero", "A brave hero."};
        QTest::newRow("blanks kept") << Record("01000000", "Hero" + QByteArray(36, ' '), QByteArray(160, ' '))
                                     << QStringList{"1", "Hero" + QString(36, QLatin1Char(' ')), QString(160, QLatin1Char(' '))};
        QTest::newRow("full width") << Record("02000000", QByteArray(40, 'N'), QByteArray(160, 'd'))
                                    << QStringList{"2", QString(40, QLatin1Char('N')), QString(160, QLatin1Char('d'))};
        QTest::newRow("up to first zero") << Record("03000000", QByteArray("Hero\0Ghost", 10), QByteArray("Kind\0old text", 13))
                                          << QStringList{"3", "Hero", "Kind"};
        QTest::newRow("control characters") << Record("04000000", "Bad\x07\x1b[2JName", "Tab\there")
                                            << QStringList{"4", "Bad  [2JName", "Tab here"};
        QTest::newRow("line ends") << Record("05000000", "One\r\nTwo", "Line one\r\nLine two")
                                   << QStringList{"5", "One  Two", "Line one\nLine two"};
        QTest::newRow("Windows-1252") << Record("06000000", "Zo\xeb M\xfcller", "Costs 5 \x80 \x96 cheap")
                                      << QStringList{"6", QString::fromUtf8("Zoë Müller"), QString::fromUtf8("Costs 5 € – cheap")};
        QTest::newRow("markup as text") << Record("07000000", "<b>Hero</b>", "&amp;")
                                        << QStringList{"7", "<b>Hero</b>", "&amp;"};
        QTest::newRow("two bytes only") << QByteArray::fromHex("3930") << QStringList{"12345", "", ""};
        QTest::newRow("empty file") << QByteArray() << QStringList{"0", "", ""};
        QTest::newRow("600 bytes") << Record("39300000", hero, brave) + QByteArray(64, 'x')
                                   << QStringList{"12345", "Hero", "A brave hero."};
    }

    void chooseShowsCharacter()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, labels);
        const QString path = PutCharacter(Chars(), "hero.oxl", bytes);
        Open(path);
        QCOMPARE(mMessages, QStringList());
        QCOMPARE(mShownFolders, QStringList{Program() + QLatin1Char('/')}); // first use: the program folder
        QCOMPARE(mShownFilters, QStringList{Filter});
        QCOMPARE(Labels(), labels);
        QCOMPARE(gCharacter, CharacterRecord::FromBytes(bytes));
        QCOMPARE(Contents(FolderFile()), QFile::encodeName(Chars()) + "/\r\n");
        QCOMPARE(gCharacterFolder, Chars() + QLatin1Char('/'));
        QCOMPARE(Contents(path), bytes); // the file is left as it was
        QVERIFY(!ErrorBoundary::Ending());
    }

    void nextDialogStartsInRememberedFolder()
    {
        const QString hero = PutCharacter(Chars(), "hero.oxl", Record("01000000", "Hero", ""));
        const QString other = PutCharacter(mDir->filePath(QStringLiteral("more chars, old")), "mage.oxl", Record("02000000", "Mage", ""));
        Open(hero);
        Open(QString());
        Open(other);
        Open(QString());
        QCOMPARE(mShownFolders, (QStringList{Program() + QLatin1Char('/'), Chars() + QLatin1Char('/'), Chars() + QLatin1Char('/'),
                                             mDir->filePath(QStringLiteral("more chars, old/"))}));
        QCOMPARE(Label("lblName"), QStringLiteral("Mage"));

        // After a restart the dialog starts in the same folder.
        mWindow.reset();
        StartWindow();
        QCOMPARE(Labels(), (QStringList{"", "", ""}));
        Open(QString());
        QCOMPARE(mShownFolders.last(), mDir->filePath(QStringLiteral("more chars, old/")));
        QCOMPARE(mMessages, QStringList());
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<bool>("chosenBefore");
        QTest::newRow("first use") << false;
        QTest::newRow("after a choice") << true;
    }

    void cancelChangesNothing()
    {
        QFETCH(bool, chosenBefore);
        if (chosenBefore)
            Open(PutCharacter(Chars(), "hero.oxl", Record("39300000", "Hero", "A brave hero.")));
        const QDateTime old = QDateTime::currentDateTime().addDays(-2);
        {
            QFile file(FolderFile());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        const QStringList labels = Labels();
        const CharacterRecord character = gCharacter;
        const QString folder = gCharacterFolder;
        const QByteArray folderFile = Contents(FolderFile());

        Open(QString());
        QCOMPARE(mShownFolders.size(), chosenBefore ? 2 : 1);
        QCOMPARE(Labels(), labels);
        QCOMPARE(gCharacter, character);
        QCOMPARE(gCharacterFolder, folder);
        QCOMPARE(Contents(FolderFile()), folderFile);
        QCOMPARE(QFileInfo(FolderFile()).lastModified(), old);
        QCOMPARE(mMessages, QStringList());
        QVERIFY(!ErrorBoundary::Ending());
    }

    // A file that cannot be read is reported with its path and the cause; the
    // character shown before, the remembered folder and the program carry on.
    void unreadableFileReported_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("cause");
        QTest::newRow("missing") << "missing" << "there is no such file";
        QTest::newRow("folder") << "folder" << "it is a folder";
        QTest::newRow("named pipe") << "named pipe" << "it is not a plain file";
    }

    void unreadableFileReported()
    {
        QFETCH(QString, what);
        QFETCH(QString, cause);
        Open(PutCharacter(Chars(), "hero.oxl", Record("39300000", "Hero", "A brave hero.")));
        const QStringList labels = Labels();
        const CharacterRecord character = gCharacter;
        const QByteArray folderFile = Contents(FolderFile());

        const QString other = mDir->filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(other));
        QString path = other + QStringLiteral("/bad.oxl");
        if (what == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else if (what == QLatin1String("named pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);

        Open(path);
        QCOMPARE(mMessages, QStringList{QStringLiteral("Cannot read the character file \"%1\": %2").arg(path, cause)});
        QVERIFY(!ErrorBoundary::Ending());
        QCOMPARE(Labels(), labels);
        QCOMPARE(gCharacter, character);
        QCOMPARE(gCharacterFolder, Chars() + QLatin1Char('/'));
        QCOMPARE(Contents(FolderFile()), folderFile);
        if (what == QLatin1String("missing"))
            QVERIFY(!QFileInfo::exists(path)); // not created

        // The program goes on: the next file opens as usual.
        Open(PutCharacter(other, "mage.oxl", Record("02000000", "Mage", "")));
        QCOMPARE(Labels(), (QStringList{"2", "Mage", ""}));
        QCOMPARE(gCharacterFolder, other + QLatin1Char('/'));
        QCOMPARE(mMessages.size(), 1);
    }

    // When the folder file cannot be written the character is still shown; the
    // player is told, and the dialog keeps starting where it did.
    void folderFileUnwritable()
    {
        QVERIFY(QFile::remove(FolderFile()));
        QVERIFY(QDir().mkdir(FolderFile()));
        const QString before = gCharacterFolder;
        Open(PutCharacter(Chars(), "hero.oxl", Record("39300000", "Hero", "A brave hero.")));
        QCOMPARE(Labels(), (QStringList{"12345", "Hero", "A brave hero."}));
        QCOMPARE(mMessages.size(), 1);
        QVERIFY2(mMessages[0].startsWith(QStringLiteral("The folder of the character file could not be remembered.\n")),
                 qPrintable(mMessages[0]));
        QVERIFY2(mMessages[0].contains(FolderFile()), qPrintable(mMessages[0]));
        QCOMPARE(gCharacterFolder, before);
        QVERIFY(!ErrorBoundary::Ending());
    }
};

QTEST_MAIN(TstOpenCharacter)
#include "tst_opencharacter.moc"
