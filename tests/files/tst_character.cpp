#include "common/errorof.h"
#include "common/filebytes.h"
#include "files/character.h"
#include "files/oxlfiles.h"
#include "forms/dialogs.h"
#include "forms/frmmain.h"
#include "running/globals.h"

#include <QtTest>
#include <QtWidgets>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TstCharacter : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;

    QString Put(const QString& name, const QByteArray& bytes)
    {
        const QString path = mDir.filePath(name);
        if (!QDir().mkpath(QFileInfo(path).path()) || !PutFile(path, bytes))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    // Every field at its place in a record whose bytes all differ from their neighbours, the number with its
    // sign bit set, the description in Windows-1252; the file is opened for reading only. Bytes past the
    // record are not read; a short file reads as if zero bytes filled it up.
    void everyField()
    {
        QByteArray b(536, '\0');
        for (int i = 0; i < b.size(); ++i)
            b[i] = char(0x21 + i * 7 % 0x5e);
        b.replace(0, 4, QByteArray::fromHex("39300080")).replace(216, 10, "Zo\xeb, \x80\x8a\x9f\x99\x81");
        const QString path = Put(u"hero.oxl"_s, b + QByteArray(64, '\xee'));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        const CharacterRecord r = ReadCharacterFile(path);
        auto text = [&](int at, int size) { return QString::fromLatin1(b.mid(at, size)); };
        QCOMPARE(r.CharacterNumber, -2147471303);
        QCOMPARE(r.Data1 + r.Data2, b.mid(4, 8) + b.mid(52, 4));
        QCOMPARE(r.Name + r.ExtraText, text(12, 40) + text(56, 160));
        QCOMPARE(r.Description, QString::fromUtf8("Zoë, €ŠŸ™\u0081") + text(226, 150));
        for (int k = 0; k < 4; ++k)
            QCOMPARE(r.Data3[k], b.mid(376 + 4 * k, 4));
        for (int k = 0; k < 12; ++k)
            QCOMPARE(r.Entries[k], (CharacterEntry{text(392 + 12 * k, 8), b.mid(400 + 12 * k, 4)}));
        const CharacterRecord shortOne = ReadCharacterFile(Put(u"short.oxl"_s, b.left(534)));
        QCOMPARE(shortOne, CharacterRecord::FromBytes(b.left(534) + QByteArray(2, 0)));
        QCOMPARE(shortOne.Entries[11].EntryValue, b.mid(532, 2) + QByteArray(2, 0));
    }

    // Every file that cannot be read is an error that names the path and the cause; nothing is created.
    void unreadable()
    {
        const QString folder = mDir.filePath(u"folder"_s), pipe = mDir.filePath(u"pipe"_s),
                      missing = mDir.filePath(u"missing"_s);
        QVERIFY(QDir().mkdir(folder) && ::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        const std::pair<QString, const char*> cases[] = {{missing, "there is no such file"},
                                                         {folder, "it is a folder"},
                                                         {pipe, "it is not a regular file"},
                                                         {u"/proc/self/mem"_s, "Input/output error"}};
        for (const auto& [path, cause] : cases)
            QCOMPARE(ErrorOf([&] { ReadCharacterFile(path); }),
                     QStringLiteral("Cannot read the character file \"%1\": %2").arg(path, cause));
        QVERIFY(!QFileInfo::exists(missing));
    }

    // The dialog starts in the program folder at first, then in the folder of the last file chosen, in this run
    // and after a restart; the labels show the character. Cancel changes nothing.
    void openAndCancel()
    {
        const QString program = mDir.filePath(u"program/"_s), chars = mDir.filePath(u"chars, old/"_s);
        QVERIFY(QDir().mkpath(program) && QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), program + u"Kelvara.mdb"_s));
        SetProgramFolder(program);
        QStringList shownFolders, messages;
        QString answer; // what the player picks; empty: cancel
        // A dialog with any other filter picks a file that is not there.
        Dialogs::SetOpenFileHook([&](const QString& folder, const QString& filter) {
            shownFolders << folder;
            return filter == u"Kelvara Character Files (*.oxl)"_s ? answer : u"wrong filter"_s;
        });
        Dialogs::SetMessageHook([&](const QString& text) { messages << text; });
        auto window = std::make_unique<frmMain>();
        window->Form_Load();
        auto open = [&](const QString& file) {
            answer = file;
            window->findChild<QAction*>(u"mnuOpenCharacterFile"_s)->trigger();
        };
        auto labels = [&] {
            QStringList texts;
            for (const char* name : {"lblCharacterNumber", "lblName", "lblDescription"})
                texts << window->findChild<QLabel*>(QLatin1String(name))->text();
            return texts;
        };
        // A short record: the rest reads as zero bytes.
        const QByteArray record = QByteArray(4, '\xff').leftJustified(12, '\0')
            + QByteArray("Mage\x07\r\nX").leftJustified(204, '\0') + "Line one\r\nLine\ttwo";
        open(Put(u"chars, old/mage.oxl"_s, record));
        const QStringList shown{"-1", "Mage   X", "Line one\nLine two"};
        QCOMPARE(labels(), shown);
        const CharacterRecord character = gCharacter;
        open(QString());
        QCOMPARE(labels(), shown);
        QCOMPARE(gCharacter, character);

        gCharacterFolder.clear();
        window = std::make_unique<frmMain>();
        window->Form_Load();
        QCOMPARE(labels(), (QStringList{"", "", ""}));
        open(Put(u"chars, old/empty.oxl"_s, QByteArray()));
        QCOMPARE(shownFolders, (QStringList{program, chars, chars}));
        QCOMPARE(labels(), (QStringList{"0", "", ""}));
        QCOMPARE(messages, QStringList());
        window.reset();
        Dialogs::SetOpenFileHook(nullptr);
        Dialogs::SetMessageHook(nullptr);
        SetProgramFolder(QString());
    }
};

QTEST_MAIN(TstCharacter)
#include "tst_character.moc"
