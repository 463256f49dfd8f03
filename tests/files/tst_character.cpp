#include "common/errorof.h"
#include "common/filebytes.h"
#include "files/character.h"
#include "files/oxlfiles.h"
#include "forms/dialogs.h"
#include "forms/frmdatetime.h"
#include "forms/frmmain.h"
#include "running/globals.h"

#include <QtTest>
#include <QtWidgets>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

// The character file, its dialog and its labels; the calibration dialog.
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

    void dialog_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("expected"); // the texts stored, or the field the message names
        QTest::newRow("stored as typed, fitted")
            << QStringList{"12:30:", "12/25/", "24:00:00", "01/30/0005"} << "12:30:  |12/25/    |24:00:00|01/30/0005";
        QTest::newRow("all empty") << QStringList(4) << "real time";
        QTest::newRow("first failing only") << QStringList{"16:45:00", "13/01/2026", "25:00:00", "0"} << "real date";
        QTest::newRow("game time") << QStringList{"16:45:00", "07/04/2026", "9:45:00", "0"} << "Kelvara time";
        QTest::newRow("game date") << QStringList{"16:45:00", "07/04/2026", "09:41:27", "7-4"} << "Kelvara date";
        const QStringList overlong{"16:45:0099", "07/04/202699", "09:41:2799", "03/17/001299"}; // past the widths
        QTest::newRow("cancel") << overlong << "";
        QTest::newRow("close box") << overlong << "";
        QTest::newRow("Enter") << overlong << ""; // Escape: tst_accessibility
    }

    void dialog()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, expected);
        const QByteArray how = QTest::currentDataTag();
        gCalibration = ClockCalibration::FromTexts(u"10:00:00"_s, u"12/06/2026"_s, u"01:02:03"_s, u"04/05/0006"_s);
        const ClockCalibration before = gCalibration;
        QStringList messages;
        Dialogs::SetMessageHook([&](const QString& text) { messages << text; });
        frmDateTime dialog;
        dialog.show();
        QStringList held;
        QLineEdit* box = nullptr;
        for (const char* name : {"txtRealTime", "txtRealDate", "txtOXLTime", "txtOXLDate"}) {
            box = dialog.findChild<QLineEdit*>(QLatin1String(name));
            QTest::keyClicks(box, typed[held.size()]);
            held << box->text();
        }
        if (how == "cancel")
            QTest::mouseClick(dialog.findChild<QPushButton*>(u"cmdCancel"_s), Qt::LeftButton);
        else if (how == "close box")
            dialog.close();
        else if (how == "Enter")
            QTest::keyClick(box, Qt::Key_Return);
        else
            QTest::mouseClick(dialog.findChild<QPushButton*>(u"cmdSetDateandTime"_s), Qt::LeftButton);
        const bool accepted = expected.contains(u'|');
        const QString message = u"The %1 is not in the correct format.  Please fix it and try again."_s.arg(expected);
        QCOMPARE(messages, accepted || expected.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(dialog.isVisible(), !accepted && how != "cancel" && how != "close box");
        const ClockCalibration& c = gCalibration;
        if (accepted)
            QCOMPARE(QStringList({c.RealTime, c.RealDate, c.OXLTime, c.OXLDate}).join(u'|'), expected);
        else
            QCOMPARE(c, before);
        QVERIFY(!accepted || !c.Instant.has_value());
        if (expected.isEmpty())
            QCOMPARE(held, (QStringList{"16:45:00", "07/04/2026", "09:41:27", "03/17/0012"}));
    }
};

QTEST_MAIN(TstCharacter)
#include "tst_character.moc"
