#include "clock/kelvaraerror.h"
#include "files/character.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <algorithm>
#include <climits>

namespace {

// A device that hands out its bytes `chunk` at a time, then either ends or fails.
class ScriptedDevice : public QIODevice
{
public:
    ScriptedDevice(QByteArray data, qint64 chunk, bool failAtEnd)
        : mData(std::move(data))
        , mChunk(chunk)
        , mFailAtEnd(failAtEnd)
    {
    }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (mPos >= mData.size()) {
            if (!mFailAtEnd)
                return 0;
            setErrorString(QStringLiteral("the disk was removed"));
            return -1;
        }
        const qint64 n = std::min({maxSize, mChunk, qint64(mData.size() - mPos)});
        std::copy_n(mData.constData() + mPos, n, data);
        mPos += n;
        return n;
    }

    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray mData;
    qint64 mChunk;
    bool mFailAtEnd;
    qsizetype mPos = 0;
};

QByteArray Blanks(int n)
{
    return QByteArray(n, ' ');
}

// A whole record with a distinct value in every field, laid out by hand.
QByteArray CraftedRecord()
{
    QByteArray b(536, '\0');
    auto put = [&b](int at, const QByteArray& bytes) { b.replace(at, bytes.size(), bytes); };
    put(0, QByteArray::fromHex("39300000"));
    put(4, QByteArray::fromHex("0102030405060708"));
    put(12, "Hero" + Blanks(36));
    put(52, QByteArray::fromHex("a1a2a3a4"));
    put(56, "Extra" + Blanks(150) + "-end-");
    put(216, "A brave hero from the north." + Blanks(128) + "last");
    put(376, QByteArray::fromHex("b0b1b2b3c0c1c2c3d0d1d2d3e0e1e2e3"));
    for (int k = 0; k < 12; ++k) {
        put(392 + 12 * k, QByteArray("Entry") + QByteArray::number(k).rightJustified(2, '0') + '!');
        const char value[4] = {char(k), char(0xf0), char(k + 1), char(0xff)};
        put(400 + 12 * k, QByteArray(value, 4));
    }
    return b;
}

} // namespace

class TstCharacter : public QObject
{
    Q_OBJECT

    QTemporaryDir* mDir = nullptr;

    QString Path(const char* name) const { return mDir->filePath(QLatin1String(name)); }

    QString Put(const char* name, const QByteArray& bytes)
    {
        QFile file(Path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", name);
        return Path(name);
    }

    // The message of the error that `call` throws; empty when it throws none.
    static QString ErrorOf(const std::function<void()>& call)
    {
        try {
            call();
        } catch (const KelvaraError& e) {
            return e.message();
        }
        return {};
    }

private slots:
    void init()
    {
        mDir = new QTemporaryDir;
        QVERIFY(mDir->isValid());
    }

    void cleanup() { delete mDir; }

    void characterNumber_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("number");
        QTest::newRow("12345") << QByteArray::fromHex("39300000") << 12345;
        QTest::newRow("minus one") << QByteArray::fromHex("ffffffff") << -1;
        QTest::newRow("zero") << QByteArray::fromHex("00000000") << 0;
        QTest::newRow("largest") << QByteArray::fromHex("ffffff7f") << INT_MAX;
        QTest::newRow("smallest") << QByteArray::fromHex("00000080") << INT_MIN;
        QTest::newRow("low byte first") << QByteArray::fromHex("01020304") << 0x04030201;
    }

    void characterNumber()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, number);
        QByteArray file = CraftedRecord();
        file.replace(0, 4, bytes);
        QCOMPARE(ReadCharacterFile(Put("n.oxl", file)).CharacterNumber, number);
    }

    void everyField()
    {
        const CharacterRecord r = ReadCharacterFile(Put("hero.oxl", CraftedRecord()));
        QCOMPARE(r.CharacterNumber, 12345);
        QCOMPARE(r.Data1, QByteArray::fromHex("0102030405060708"));
        QCOMPARE(r.Name, QStringLiteral("Hero") + QString(36, QLatin1Char(' ')));
        QCOMPARE(r.Data2, QByteArray::fromHex("a1a2a3a4"));
        QCOMPARE(r.ExtraText, QStringLiteral("Extra") + QString(150, QLatin1Char(' ')) + QStringLiteral("-end-"));
        QCOMPARE(r.Description,
                 QStringLiteral("A brave hero from the north.") + QString(128, QLatin1Char(' ')) + QStringLiteral("last"));
        QCOMPARE(r.Data3[0], QByteArray::fromHex("b0b1b2b3"));
        QCOMPARE(r.Data3[1], QByteArray::fromHex("c0c1c2c3"));
        QCOMPARE(r.Data3[2], QByteArray::fromHex("d0d1d2d3"));
        QCOMPARE(r.Data3[3], QByteArray::fromHex("e0e1e2e3"));
        QCOMPARE(r.Entries[0].EntryText, QStringLiteral("Entry00!"));
        QCOMPARE(r.Entries[0].EntryValue, QByteArray::fromHex("00f001ff"));
        QCOMPARE(r.Entries[5].EntryText, QStringLiteral("Entry05!"));
        QCOMPARE(r.Entries[11].EntryText, QStringLiteral("Entry11!"));
        QCOMPARE(r.Entries[11].EntryValue, QByteArray::fromHex("0bf00cff")); // the file's last four bytes
    }

    void bytesPastTheRecordIgnored()
    {
        const QByteArray record = CraftedRecord();
        const QByteArray longer = record + QByteArray(64, '\xee');
        QCOMPARE(longer.size(), 600);
        const CharacterRecord r = ReadCharacterFile(Put("long.oxl", longer));
        QCOMPARE(r, ReadCharacterFile(Put("exact.oxl", record)));
        QCOMPARE(r.Entries[11].EntryValue, QByteArray::fromHex("0bf00cff"));
    }

    // A short file reads as if zero bytes filled it up to the full record.
    void shortFile_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {0, 1, 3, 4, 11, 12, 20, 52, 216, 300, 392, 535})
            QTest::addRow("%d bytes", size) << size;
    }

    void shortFile()
    {
        QFETCH(int, size);
        const QByteArray data = CraftedRecord().left(size);
        const CharacterRecord r = ReadCharacterFile(Put("short.oxl", data));
        QCOMPARE(r, ReadCharacterFile(Put("padded.oxl", data + QByteArray(536 - size, '\0'))));
        if (size <= 12)
            QCOMPARE(r.Name, QString(40, QChar(u'\0')));
        if (size <= 392)
            QCOMPARE(r.Entries[11].EntryText, QString(8, QChar(u'\0')));
        if (size <= 532)
            QCOMPARE(r.Entries[11].EntryValue, QByteArray(4, '\0'));
        else
            QCOMPARE(r.Entries[11].EntryValue, QByteArray::fromHex("0bf00cff").left(size - 532) + QByteArray(536 - size, '\0'));
    }

    void emptyFileIsTheZeroRecord()
    {
        const CharacterRecord r = ReadCharacterFile(Put("empty.oxl", QByteArray()));
        QCOMPARE(r.CharacterNumber, 0);
        QCOMPARE(r.Name, QString(40, QChar(u'\0')));
        QCOMPARE(r.Description, QString(160, QChar(u'\0')));
        QCOMPARE(r.Data1, QByteArray(8, '\0'));
        QCOMPARE(r, CharacterRecord());
        QCOMPARE(r, CharacterRecord::FromBytes(QByteArray(536, '\0')));
    }

    void nameText_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // filled up to 40 with zero bytes
        QTest::addColumn<QString>("name");
        const QString zeros = QString(36, QChar(u'\0'));
        QTest::newRow("blanks kept") << QByteArray("Hero" + Blanks(36)) << QStringLiteral("Hero") + QString(36, QLatin1Char(' '));
        QTest::newRow("zero bytes kept") << QByteArray("Hero") << QStringLiteral("Hero") + zeros;
        QTest::newRow("Latin-1 letters") << QByteArray("Zo\xeb M\xfcller") << QString::fromUtf8("Zoë Müller") + QString(30, QChar(u'\0'));
        QTest::newRow("Windows-1252 signs") << QByteArray("\x80\x8a\x9f\x99") << QString::fromUtf8("€ŠŸ™") + zeros;
        QTest::newRow("unassigned byte") << QByteArray("a\x81z") << QStringLiteral("a\u0081z") + QString(37, QChar(u'\0'));
        QTest::newRow("40 characters") << QByteArray(40, 'W') << QString(40, QLatin1Char('W'));
    }

    void nameText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QByteArray file = CraftedRecord();
        file.replace(12, 40, bytes.leftJustified(40, '\0'));
        const CharacterRecord r = ReadCharacterFile(Put("name.oxl", file));
        QCOMPARE(r.Name, name);
        QCOMPARE(r.Name.size(), 40);
        QCOMPARE(r.Data2, QByteArray::fromHex("a1a2a3a4")); // the next field is where it was
    }

    void readingLeavesTheFileAlone()
    {
        const QString path = Put("hero.oxl", CraftedRecord());
        const QDateTime old = QDateTime::currentDateTime().addDays(-3);
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QCOMPARE(ReadCharacterFile(path).CharacterNumber, 12345);
        const QFileInfo info(path);
        QCOMPARE(info.lastModified(), old);
        QCOMPARE(info.size(), 536);
        QCOMPARE(info.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther), QFile::Permissions());
    }

    // Every file that cannot be read is an error that names the path and the cause.
    void unreadable_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("cause");
        QTest::newRow("missing") << "missing" << "there is no such file";
        QTest::newRow("empty path") << "empty path" << "there is no such file";
        QTest::newRow("broken link") << "broken link" << "there is no such file";
        QTest::newRow("folder") << "folder" << "it is a folder";
        QTest::newRow("folder named .oxl") << "folder named .oxl" << "it is a folder";
        QTest::newRow("named pipe") << "named pipe" << "it is not a plain file";
    }

    void unreadable()
    {
        QFETCH(QString, what);
        QFETCH(QString, cause);
        QString path = Path("hero.oxl");
        if (what == QLatin1String("empty path"))
            path.clear();
        else if (what == QLatin1String("broken link"))
            QVERIFY(QFile::link(Path("gone.oxl"), path));
        else if (what == QLatin1String("folder"))
            path = mDir->path();
        else if (what == QLatin1String("folder named .oxl"))
            QVERIFY(QDir(mDir->path()).mkdir(QStringLiteral("hero.oxl")));
        else if (what == QLatin1String("named pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);

        const QString message = ErrorOf([&] { ReadCharacterFile(path); });
        QCOMPARE(message, QStringLiteral("Cannot read the character file \"%1\": %2").arg(path, cause));
        // Nothing was created in the reader's attempt.
        if (what == QLatin1String("missing") || what == QLatin1String("broken link")) {
            QVERIFY(!QFileInfo::exists(Path("hero.oxl")));
            QVERIFY(!QFileInfo::exists(Path("gone.oxl")));
        }
    }

    void noRightToRead()
    {
        const QString path = Put("locked.oxl", CraftedRecord());
        QVERIFY(QFile::setPermissions(path, QFile::Permissions()));
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("this user may read any file, so a file without read permission cannot be made");
        const QString message = ErrorOf([&] { ReadCharacterFile(path); });
        QVERIFY2(message.startsWith(QStringLiteral("Cannot read the character file \"%1\": ").arg(path)), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("ermission")), qPrintable(message));
    }

    // A device that fails part way, or at once, is an error naming the path and its cause.
    void failingDevice_data()
    {
        QTest::addColumn<int>("goodBytes");
        QTest::newRow("at once") << 0;
        QTest::newRow("after the name") << 52;
        QTest::newRow("one byte short") << 535;
    }

    void failingDevice()
    {
        QFETCH(int, goodBytes);
        ScriptedDevice device(CraftedRecord().left(goodBytes), 7, true);
        QVERIFY(device.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        const QString message = ErrorOf([&] { ReadCharacterFile(device, QStringLiteral("/media/stick/hero.oxl")); });
        QCOMPARE(message, QStringLiteral("Cannot read the character file \"/media/stick/hero.oxl\": the disk was removed"));
    }

    void deviceInSmallPieces_data()
    {
        QTest::addColumn<int>("chunk");
        QTest::newRow("one byte") << 1;
        QTest::newRow("seven bytes") << 7;
        QTest::newRow("whole") << 4096;
    }

    void deviceInSmallPieces()
    {
        QFETCH(int, chunk);
        const QByteArray record = CraftedRecord();
        ScriptedDevice device(record + "tail that is not read", chunk, false);
        QVERIFY(device.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        const CharacterRecord r = ReadCharacterFile(device, QStringLiteral("hero.oxl"));
        QCOMPARE(r, CharacterRecord::FromBytes(record));
        QCOMPARE(r.Entries[11].EntryValue, QByteArray::fromHex("0bf00cff"));
        QCOMPARE(device.readAll(), QByteArray("tail that is not read")); // no byte past the record was taken
    }

    void closedDevice()
    {
        ScriptedDevice device(CraftedRecord(), 536, false);
        QCOMPARE(ErrorOf([&] { ReadCharacterFile(device, QStringLiteral("hero.oxl")); }),
                 QStringLiteral("Cannot read the character file \"hero.oxl\": it is not open for reading"));
    }

    void textForDisplay_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<QString>("shown");
        const QChar nul(u'\0');
        QTest::newRow("all zero") << QString(40, nul) << false << "";
        QTest::newRow("ends at first zero") << QStringLiteral("Hero") + nul + QStringLiteral("Ghost") << false << "Hero";
        QTest::newRow("zero first") << nul + QStringLiteral("Ghost") << false << "";
        QTest::newRow("blanks kept") << QStringLiteral("Hero    ") << false << "Hero    ";
        QTest::newRow("tab and bell") << QStringLiteral("a\tb\u0007c") << false << "a b c";
        QTest::newRow("escape sequence") << QStringLiteral("\u001b[31mred") << false << " [31mred";
        QTest::newRow("delete and C1") << QStringLiteral("a\u007fb\u0081c\u009dd") << false << "a b c d";
        QTest::newRow("line end on one line") << QStringLiteral("a\r\nb") << false << "a  b";
        QTest::newRow("CR LF starts a line") << QStringLiteral("a\r\nb") << true << "a\nb";
        QTest::newRow("lone CR") << QStringLiteral("a\rb") << true << "a\nb";
        QTest::newRow("lone LF") << QStringLiteral("a\nb") << true << "a\nb";
        QTest::newRow("two line ends") << QStringLiteral("a\r\n\r\nb") << true << "a\n\nb";
        QTest::newRow("tab in lines") << QStringLiteral("a\tb") << true << "a b";
        QTest::newRow("letters kept") << QString::fromUtf8("Zoë € Ÿ") << false << QString::fromUtf8("Zoë € Ÿ");
        QTest::newRow("markup kept as text") << QStringLiteral("<b>Hero</b>") << false << "<b>Hero</b>";
        QTest::newRow("empty") << QString() << true << "";
    }

    void textForDisplay()
    {
        QFETCH(QString, field);
        QFETCH(bool, multiLine);
        QFETCH(QString, shown);
        QCOMPARE(TextForDisplay(field, multiLine), shown);
    }
};

QTEST_GUILESS_MAIN(TstCharacter)
#include "tst_character.moc"
