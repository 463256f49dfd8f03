// Character files: the reader of the 536-byte record, and the Open Character File command.
#include "common/errorof.h"
#include "files/character.h"
#include "files/oxlfiles.h"
#include "forms/dialogs.h"
#include "forms/frmmain.h"
#include "forms/globals.h"
#include "forms/guard.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <string_view>

#include <sys/stat.h>

using namespace std::literals;

namespace {

// A whole record, every byte distinct from its neighbours; the number with its sign bit set, the description
// in Windows-1252 with an unassigned byte.
QByteArray CraftedRecord()
{
    QByteArray b(536, '\0');
    for (int i = 0; i < b.size(); ++i)
        b[i] = char(0x21 + i * 7 % 0x5e);
    b.replace(0, 4, QByteArray::fromHex("39300080"));
    return b.replace(216, 10, "Zo\xeb, \x80\x8a\x9f\x99\x81");
}

// A record with only the number, name and description set.
QByteArray Record(const char* numberHex, const QByteArray& name, const QByteArray& description)
{
    QByteArray b(536, '\0');
    return b.replace(0, 4, QByteArray::fromHex(numberHex))
        .replace(12, name.size(), name)
        .replace(216, description.size(), description);
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString Put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Sets a file's time two days back; returns it.
QDateTime MakeOld(const QString& path)
{
    const QDateTime old = QDateTime::currentDateTime().addDays(-2);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || !file.setFileTime(old, QFileDevice::FileModificationTime))
        qFatal("cannot set the time of %s", qPrintable(path));
    return old;
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
    QString Program() const { return Path(u"program/"_qs); }
    QString Chars() const { return Path(u"chars/"_qs); }
    QString FolderFile() const { return Program() + u"OXLDIR.DAT"_qs; }

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
        mWindow->findChild<QAction*>(u"mnuOpenCharacterFile"_qs)->trigger();
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
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), Program() + u"Kelvara.mdb"_qs));
        gCharacter = CharacterRecord();
        mShownFolders.clear();
        mMessages.clear();
        ErrorBoundary::ResetForTesting();
        // A dialog with any other filter picks a file that is not there.
        Dialogs::SetOpenFileHook([this](const QString& folder, const QString& filter) {
            mShownFolders << folder;
            return filter == u"Kelvara Character Files (*.oxl)"_qs ? mAnswer : u"wrong filter"_qs;
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

    // Every field at its place; the file is opened for reading only and left as it was, its time too. Bytes
    // past the record are not read; a short file reads as if zero bytes filled it up.
    void everyField()
    {
        const QByteArray b = CraftedRecord();
        const QString path = Put(Path(u"hero.oxl"_qs), b + QByteArray(64, '\xee'));
        const QDateTime old = MakeOld(path);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        const CharacterRecord r = ReadCharacterFile(path);
        QCOMPARE(QFileInfo(path).lastModified(), old);
        auto text = [&](int at, int size) { return QString::fromLatin1(b.mid(at, size)); };
        QCOMPARE(r.CharacterNumber, -2147471303);
        QCOMPARE(r.Data1 + r.Data2, b.mid(4, 8) + b.mid(52, 4));
        QCOMPARE(r.Name + r.ExtraText, text(12, 40) + text(56, 160));
        QCOMPARE(r.Description, QString::fromUtf8("Zoë, €ŠŸ™\u0081") + text(226, 150));
        for (int k = 0; k < 4; ++k)
            QCOMPARE(r.Data3[k], b.mid(376 + 4 * k, 4));
        for (int k = 0; k < 12; ++k)
            QCOMPARE(r.Entries[k], (CharacterEntry{text(392 + 12 * k, 8), b.mid(400 + 12 * k, 4)}));
        QCOMPARE(ReadCharacterFile(Put(Path(u"exact.oxl"_qs), b)), r);
        for (int size : {0, 300, 534}) {
            const QString shortFile = Put(Path(u"short.oxl"_qs), b.left(size));
            QCOMPARE(ReadCharacterFile(shortFile),
                     CharacterRecord::FromBytes(b.left(size) + QByteArray(536 - size, 0)));
            QCOMPARE(Contents(shortFile), b.left(size));
        }
        QCOMPARE(ReadCharacterFile(Path(u"short.oxl"_qs)).Entries[11].EntryValue, b.mid(532, 2) + QByteArray(2, 0));
        QCOMPARE(CharacterRecord::FromBytes({}), CharacterRecord());
    }

    // Every file that cannot be read is an error that names the path and the cause; nothing is created.
    void unreadable()
    {
        const std::pair<const char*, const char*> cases[] = {
            {"missing", "there is no such file"},
            {"folder", "it is a folder"},
            {"named pipe", "it is not a plain file"},
            {"read error", "Input/output error"}, // opens, then fails to read
            {"no right to read", "ermission"}};
        for (const auto& [what, cause] : cases) {
            const QString path = what == "read error"sv ? u"/proc/self/mem"_qs : Path(QLatin1String(what));
            if (what == "folder"sv)
                QVERIFY(QDir().mkdir(path));
            else if (what == "named pipe"sv)
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            else if (what == "no right to read"sv) {
                QVERIFY(QFile::setPermissions(Put(path, CraftedRecord()), QFile::Permissions()));
                if (QFile probe(path); probe.open(QIODevice::ReadOnly))
                    QSKIP("this user may read any file, so a file without read permission cannot be made");
            }
            const QString message = ErrorOf([&] { ReadCharacterFile(path); });
            QVERIFY2(message.startsWith(QStringLiteral("Cannot read the character file \"%1\": ").arg(path))
                         && message.contains(QLatin1String(cause)),
                     qPrintable(message));
            QVERIFY(what != "missing"sv || !QFileInfo::exists(path));
        }
    }

    // Control characters become blanks, the text ends at the first zero; line ends are kept in lines only.
    void textForDisplay()
    {
        QCOMPARE(TextForDisplay(u"Hero"_qs + QChar(u'\0') + u"Ghost"_qs), u"Hero"_qs);
        QCOMPARE(TextForDisplay(u"a\tb\u0007c\u001b[31\u007fd\u0081e\u009df"_qs), u"a b c [31 d e f"_qs);
        QCOMPARE(TextForDisplay(u"a\r\nb\rc\nd\r\n\r\ne\tf"_qs, true), u"a\nb\nc\nd\n\ne f"_qs);
        QCOMPARE(TextForDisplay(u"a\r\nb"_qs), u"a  b"_qs);
        QCOMPARE(TextForDisplay(u"Zoë € <b>Ÿ</b>  "_qs), u"Zoë € <b>Ÿ</b>  "_qs);
    }

    // The command: the dialog starts in the program folder at first, then in the folder of the last file
    // chosen, in this run and after a restart; the labels show the character. Cancel changes nothing: not the
    // labels, the character, the remembered folder or its file.
    void openAndCancel()
    {
        const QString other = Path(u"more chars, old/"_qs);
        Open(Put(Chars() + u"hero.oxl"_qs, Record("ffffffff", "Hero" + QByteArray(36, ' '), QByteArray(160, 'd'))));
        QCOMPARE(Labels(), (QStringList{"-1", "Hero" + QString(36, u' '), QString(160, u'd')}));
        QCOMPARE(Contents(FolderFile()), QFile::encodeName(Chars()) + "\r\n");
        Open(Put(other + u"mage.oxl"_qs, Record("02000000", "Mage\x07\r\nX", "Line one\r\nLine\ttwo")));
        const QDateTime old = MakeOld(FolderFile());
        const CharacterRecord character = gCharacter;
        Open(QString());
        QCOMPARE(mShownFolders, (QStringList{Program(), Chars(), other}));
        QCOMPARE(Labels(), (QStringList{"2", "Mage   X", "Line one\nLine two"}));
        QCOMPARE(gCharacter, character);
        QCOMPARE(gCharacterFolder, other);
        QCOMPARE(QFileInfo(FolderFile()).lastModified(), old);

        mWindow.reset();
        StartWindow();
        QCOMPARE(Labels(), (QStringList{"", "", ""}));
        Open(Put(other + u"empty.oxl"_qs, QByteArray()));
        QCOMPARE(mShownFolders.last(), other);
        QCOMPARE(Labels(), (QStringList{"0", "", ""}));
        QCOMPARE(mMessages, QStringList());
    }

    // A file that cannot be read is reported with its path and the cause; the character shown before, the
    // remembered folder and the program carry on. When the folder file cannot be written the character is
    // still shown; the player is told, and the dialog keeps starting where it did.
    void failuresReported()
    {
        Open(Put(Chars() + u"hero.oxl"_qs, Record("39300000", "Hero", "A brave hero.")));
        const QByteArray folderFile = Contents(FolderFile());
        const QString other = Path(u"elsewhere/"_qs);
        QVERIFY(QDir().mkpath(other + u"bad.oxl"_qs));
        Open(other + u"bad.oxl"_qs);
        QCOMPARE(mMessages, QStringList{"Cannot read the character file \"" + other + "bad.oxl\": it is a folder"});
        QCOMPARE(Labels(), (QStringList{"12345", "Hero", "A brave hero."}));
        QCOMPARE(gCharacterFolder, Chars());
        QCOMPARE(Contents(FolderFile()), folderFile);

        QVERIFY(QFile::remove(FolderFile()) && QDir().mkdir(FolderFile()));
        Open(Put(other + u"mage.oxl"_qs, Record("02000000", "Mage", "")));
        QCOMPARE(Labels(), (QStringList{"2", "Mage", ""}));
        QCOMPARE(mMessages.size(), 2);
        QVERIFY2(mMessages[1].startsWith(u"The folder of the character file could not be remembered.\n"_qs)
                     && mMessages[1].contains(FolderFile()),
                 qPrintable(mMessages[1]));
        QCOMPARE(gCharacterFolder, Chars());
    }
};

QTEST_MAIN(TstCharacter)
#include "tst_character.moc"
