// The Jet writer on its own (encodings, what it refuses, page structure), its CSV input, the kelvara-mkdb
// command built on them, and the sample game database the build writes with it.
#include "jet/jetformat.h"
#include "jet/jetwriter.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <glib.h> // before mdbtools.h, which includes it inside extern "C"
#include <mdbtools.h>

#include <memory>

using jet::ColumnType;
using jet::Value;

namespace {

quint32 U16(const QByteArray& b, qsizetype at)
{
    return quint8(b[at]) | quint32(quint8(b[at + 1])) << 8;
}

jet::Table OneColumn(ColumnType type, std::vector<std::vector<Value>> rows, const QString& name = u"T"_qs)
{
    return jet::Table{name, {{u"C"_qs, type}}, std::move(rows)};
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestJetWriter : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    QString Write(const QString& name, const QByteArray& content)
    {
        const QString path = dir_->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    static int RunCommand(const QStringList& args, QString* errors = nullptr)
    {
        QProcess process;
        process.start(QStringLiteral(KELVARA_MKDB), args);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        if (errors)
            *errors = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    // Texts are stored compressed, one byte a character, where that is shorter and safe; currency amounts
    // have at most four decimals and fit 64 bits; what only a table built in code can get wrong is refused
    // (CSV input is refused earlier, see the command).
    void encodings()
    {
        using jet::format::EncodeText;
        QCOMPARE(EncodeText(u"Größe"_qs), QByteArray::fromHex("fffe4772f6df65"));
        QCOMPARE(EncodeText(u"abcd大"_qs), QByteArray::fromHex("fffe61626364002759"));         // switch to two bytes
        QCOMPARE(EncodeText(u"大abcdef"_qs), QByteArray::fromHex("fffe00275900616263646566")); // and back for a run
        QCOMPARE(EncodeText(u"abc\u0100def"_qs),
                 QByteArray::fromHex("6100620063000001640065006600")); // a zero low byte
        const std::pair<const char*, std::optional<qint64>> amounts[] = {
            {"-0.0001", -1},
            {"+3.", 30000},
            {".25", 2500},
            {"922337203685477.5807", std::numeric_limits<qint64>::max()},
            {"922337203685477.5808", std::nullopt},
            {"1.23456", std::nullopt},
            {"1e3", std::nullopt}};
        for (const auto& [text, units] : amounts)
            QCOMPARE(jet::format::ParseCurrency(QString::fromLatin1(text)), units);
        const std::pair<jet::Table, const char*> bad[] = {
            {OneColumn(ColumnType::Long, {{qint64(1)}, {qint64(2147483648)}}),
             "table T, row 2, column C: 2147483648 is out of range for long"},
            {jet::Table{u"T"_qs,
                        {{u"A"_qs, ColumnType::Long}, {u"B"_qs, ColumnType::Long}},
                        {{qint64(1), qint64(2)}, {qint64(1)}}},
             "table T, row 2: 1 values for 2 columns"}};
        for (const auto& [table, message] : bad) {
            try {
                jet::BuildDatabase({table});
                QFAIL("no error");
            } catch (const jet::Error& e) {
                QVERIFY2(QString::fromStdString(e.what()).contains(QLatin1String(message)), e.what());
            }
        }
    }

    void pageStructure()
    {
        jet::Table big{u"tblBig"_qs, {{u"Id"_qs, ColumnType::Long}, {u"Note"_qs, ColumnType::Memo}}, {}};
        for (int i = 0; i < 1500; ++i)
            big.rows.push_back({qint64(i), i % 3 ? Value() : Value(QString(200 + i % 50, u'n'))});
        QByteArray file = jet::BuildDatabase({OneColumn(ColumnType::Long, {}, u"tblEmpty"_qs), big});
        const int kPage = jet::format::kPageSize;
        QCOMPARE(file.size() % kPage, 0);
        QCOMPARE(file.mid(4, 16), QByteArray("Standard Jet DB", 16));
        // libmdb decrypts the header: Jet 4, code page 1252, general sort order, no database key.
        const std::unique_ptr<MdbHandle, decltype(&mdb_close)> mdb(
            mdb_open_buffer(file.data(), std::size_t(file.size()), MDB_NOFLAGS), &mdb_close);
        QVERIFY(mdb && mdb->f->jet_version == MDB_VER_JET4 && mdb->f->code_page == 1252 && mdb->f->lang_id == 0x0409
                && mdb->f->db_key == 0);
        // Every data page has rows and an owner that is a table definition; its free space adds up.
        int dataPages = 0, lvalPages = 0;
        for (qsizetype at = kPage; at < file.size(); at += kPage) {
            if (file[at] != 0x01)
                continue;
            const QByteArray page = file.mid(at, kPage);
            const quint32 rows = U16(page, 12);
            QVERIFY(rows >= 1 && rows <= 255);
            QCOMPARE(U16(page, 2), U16(page, 14 + 2 * (rows - 1)) - 14 - 2 * rows);
            if (page.mid(4, 4) == "LVAL") {
                ++lvalPages;
            } else if (const quint32 owner = U16(page, 4) | U16(page, 6) << 16; owner != 0) {
                ++dataPages;
                QCOMPARE(quint8(file[owner * kPage]), 2);
            }
        }
        QVERIFY(dataPages > 2 && lvalPages > 1);
    }

    void writeLeavesOldFileOnError()
    {
        const QString path = dir_->filePath(u"game.mdb"_qs);
        jet::WriteDatabase(path, {OneColumn(ColumnType::Long, {{qint64(1)}})});
        const QByteArray before = Contents(path);
        QVERIFY_THROWS_EXCEPTION(jet::Error, jet::WriteDatabase(path, {OneColumn(ColumnType::Byte, {{qint64(256)}})}));
        QCOMPARE(Contents(path), before);
        QVERIFY_THROWS_EXCEPTION(jet::Error, jet::WriteDatabase(dir_->filePath(u"no/such/dir/x.mdb"_qs), {}));
    }

    // The command writes one table per CSV file. One file has every type and every form of cell: byte order
    // mark, CRLF and LF, commas, quotes and line breaks inside quotes, a lone CR as text, Null and the empty
    // text, no final line break.
    void commandWritesTheDatabase()
    {
        const QString all = Write(u"all.csv"_qs,
                                  "\xEF\xBB\xBFId:long,Small:BYTE,Mid:int,Real:double,Money:currency,Flag:bool,"
                                  "Name:text,Notes:memo\r\n"
                                  "1,255,-32768,2.5e-3,-12.34,Yes,\"\",\"multi\nline, \"\"quoted\"\"\"\n"
                                  "-2147483648,,,,,FALSE,,a\rb");
        const QString one = Write(u"one.csv"_qs, "C:long\n1\n");
        const QString out = dir_->filePath(u"Kelvara.mdb"_qs);
        QCOMPARE(RunCommand({out, u"tblAll="_qs + all, u"tblOne="_qs + one}), 0);
        const jet::Table expected{
            u"tblAll"_qs,
            {{u"Id"_qs, ColumnType::Long},
             {u"Small"_qs, ColumnType::Byte},
             {u"Mid"_qs, ColumnType::Integer},
             {u"Real"_qs, ColumnType::Double},
             {u"Money"_qs, ColumnType::Currency},
             {u"Flag"_qs, ColumnType::Boolean},
             {u"Name"_qs, ColumnType::Text},
             {u"Notes"_qs, ColumnType::Memo}},
            {{qint64(1), qint64(255), qint64(-32768), 2.5e-3, u"-12.34"_qs, true, QString(),
              u"multi\nline, \"quoted\""_qs},
             {qint64(-2147483648), Value(), Value(), Value(), Value(), false, Value(), u"a\rb"_qs}}};
        QCOMPARE(Contents(out),
                 jet::BuildDatabase({expected, OneColumn(ColumnType::Long, {{qint64(1)}}, u"tblOne"_qs)}));
    }

    // Bad input is refused with a message naming the file, line and column; nothing is written, and a file
    // that was there stays as it was.
    void commandRefusesBadInput_data()
    {
        QTest::addColumn<QStringList>("tableArgs"); // FILE stands for a good CSV file, BAD for bad.csv
        QTest::addColumn<QByteArray>("bad");
        QTest::addColumn<QString>("message");
        auto row = [](const char* name, const QByteArray& bad, const char* message,
                      const QStringList& args = {"tblA=FILE", "tblB=BAD"}) {
            QTest::newRow(name) << args << bad << QString::fromUtf8(message);
        };
        row("unknown type", "Id:long,When:date\n",
            "bad.csv:1: column 2 (When): unknown type \"date\" (known: long, int, byte, double, currency, bool, text, "
            "memo)");
        row("not a number", "Id:long,Value:double\n1,2\n2,abc\n",
            "bad.csv:3: column 2 (Value): \"abc\" is not a number");
        row("line counted after a quoted line break", "A:text,B:long\n\"x\ny\",1\nz,1.5\n",
            "bad.csv:4: column 2 (B): \"1.5\" is not a whole number");
        row("text of 256", "Id:long,Name:text\n1," + QByteArray(256, 'x') + "\n",
            "bad.csv:2: column 2 (Name): text of 256 characters is longer than 255");
        row("ragged row", "A:long,B:long\n1,2\n3\n", "bad.csv:3: 1 cells, the header has 2");
        row("no header", "", "bad.csv: no header line");
        row("not UTF-8", "Name:text\n\xC3(\n", "bad.csv: not UTF-8 text");
        row("quote never closed", "a:text\nx,\"open\n", "bad.csv:2: cell 2: the quote is never closed");
        row("quote inside a plain cell", "a:text\nb,c\"d\n",
            "bad.csv:2: cell 2: a quote inside a cell must be doubled");
        QByteArray wide, heavy = "C0:text,C1:text,C2:text,C3:text,C4:text,C5:text,C6:text,C7:text\n";
        for (int i = 0; i < 256; ++i)
            wide += "C" + QByteArray::number(i) + (i < 255 ? ":byte," : ":byte\n");
        for (int i = 0; i < 8; ++i)
            heavy += QString(255, QChar(0x5927)).toUtf8() + (i < 7 ? "," : "\n");
        row("256 columns", wide, "256 columns, at most 255");
        // 2 (column count) + 8 × 510 + 20 (end, eight offsets, count) + 1 (null mask)
        row("row too large", heavy, "the row needs 4103 bytes, at most 4060 fit");
        row("one table twice", "", "two tables are named \"TBLA\"", {"tblA=FILE", "TBLA=FILE"});
        row("missing file", "", "nowhere.csv: cannot read", {"tblA=nowhere.csv"});
        row("not TABLE=FILE", "", "\"tblA\" is not TABLE=FILE.csv", {"tblA"});
        row("no tables", "", "usage: kelvara-mkdb OUT.mdb", {});
    }

    void commandRefusesBadInput()
    {
        QFETCH(QStringList, tableArgs);
        QFETCH(QByteArray, bad);
        QFETCH(QString, message);
        const QString good = Write(u"good.csv"_qs, "Id:long\n1\n");
        Write(u"bad.csv"_qs, bad);
        const QString out = dir_->filePath(u"out.mdb"_qs);
        QStringList args{out};
        for (QString arg : tableArgs)
            args << arg.replace(u"FILE"_qs, good).replace(u"BAD"_qs, dir_->filePath(u"bad.csv"_qs));
        const int status = tableArgs.isEmpty() ? 2 : 1;
        QString errors;
        QCOMPARE(RunCommand(args, &errors), status);
        QVERIFY2(errors.contains(message), qPrintable(errors));
        QVERIFY(!QFile::exists(out));
        Write(u"out.mdb"_qs, "previous");
        QCOMPARE(RunCommand(args), status);
        QCOMPARE(Contents(out), QByteArray("previous"));
    }

    // The Kelvara.mdb the build writes holds exactly the CSV sources, and they make a game whose keys fit
    // together. (The program's own loaders read it in the item stats and rank chart tests.)
    void sampleDatabase()
    {
        QHash<QString, jet::Table> t;
        std::vector<jet::Table> all;
        for (const QString& name : QStringLiteral(KELVARA_SAMPLE_TABLES).split(u','))
            all.push_back(t[name] = jet::ReadCsvTable(name, QStringLiteral(KELVARA_SAMPLE_DIR "/%1.csv").arg(name)));
        QCOMPARE(all.size(), 6u);
        QVERIFY(Contents(QStringLiteral(KELVARA_SAMPLE_DB)) == jet::BuildDatabase(all));

        // The values of a column, Null as -1.
        auto keys = [&](const char* table, std::size_t column) {
            QSet<qint64> set;
            for (const auto& row : t[QLatin1String(table)].rows)
                set.insert(std::holds_alternative<qint64>(row[column]) ? std::get<qint64>(row[column]) : -1);
            return set;
        };
        for (const char* table : {"tblStat", "tblMaterial", "tblItem", "tblRank"}) // keys, each once
            QCOMPARE(keys(table, 0).size(), qsizetype(t[QLatin1String(table)].rows.size()));
        const QSet<qint64> stats = keys("tblStat", 0), items = keys("tblItem", 0);
        QVERIFY(stats.size() >= 20 && keys("tblMaterial", 0).size() >= 8 && items.size() >= 100);
        QCOMPARE(t[u"tblRank"_qs].rows.size(), 20u);
        QSet<qint64> materials = keys("tblItem", 1);
        QVERIFY(materials.remove(-1) && keys("tblMaterial", 0).contains(materials)); // some items have none
        for (const char* junction : {"tblItemMinStatJunction", "tblItemModStatJunction"}) {
            const QSet<qint64> owners = keys(junction, 0);
            QVERIFY(!owners.isEmpty() && owners.size() < items.size() && items.contains(owners));
            QVERIFY(stats.contains(keys(junction, 1)));
        }
        QCOMPARE(keys("tblItemModStatJunction", 2), (QSet<qint64>{0, 1, 2}));
    }
};

QTEST_GUILESS_MAIN(TestJetWriter)
#include "tst_jetwriter.moc"
