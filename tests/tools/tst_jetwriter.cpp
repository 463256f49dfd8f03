// The Jet writer on its own: text and currency encodings, what it refuses, the page structure it promises
// (header, no empty data page), and what libmdb sees in the header and in a row.
#include "jet/jetformat.h"
#include "jet/jetwriter.h"

#include <QTemporaryDir>
#include <QTest>

#include <glib.h>  // before mdbtools.h, which includes it inside extern "C"
#include <mdbtools.h>

#include <cfloat>
#include <memory>

using jet::ColumnType;
using jet::Value;

Q_DECLARE_METATYPE(std::vector<jet::Table>)
Q_DECLARE_METATYPE(std::optional<qint64>)

namespace {

// How readers expand stored text (mdbtools' decompress_unicode): FF FE starts one-byte characters, a zero
// byte switches between one- and two-byte characters.
QString DecodeText(const QByteArray& stored)
{
    QString text;
    if (stored.size() >= 2 && quint8(stored[0]) == 0xFF && quint8(stored[1]) == 0xFE) {
        bool oneByte = true;
        for (qsizetype i = 2; i < stored.size();) {
            if (stored[i] == '\0') {
                oneByte = !oneByte;
                ++i;
            } else if (oneByte) {
                text += QChar(char16_t(quint8(stored[i++])));
            } else {
                text += QChar(char16_t(quint8(stored[i]) | quint8(stored[i + 1]) << 8));
                i += 2;
            }
        }
        return text;
    }
    for (qsizetype i = 0; i + 1 < stored.size(); i += 2)
        text += QChar(char16_t(quint8(stored[i]) | quint8(stored[i + 1]) << 8));
    return text;
}

quint32 U16(const QByteArray& b, qsizetype at)
{
    return quint8(b[at]) | quint32(quint8(b[at + 1])) << 8;
}

quint32 U32(const QByteArray& b, qsizetype at)
{
    return U16(b, at) | U16(b, at + 2) << 16;
}

jet::Table OneColumn(ColumnType type, std::vector<std::vector<Value>> rows, const QString& name = QStringLiteral("T"))
{
    return jet::Table{name, {{QStringLiteral("C"), type}}, std::move(rows)};
}

} // namespace

class TestJetWriter : public QObject {
    Q_OBJECT

private slots:
    void textEncoding_data();
    void textEncoding();
    void currencyParsing_data();
    void currencyParsing();
    void refusesBadTables_data();
    void refusesBadTables();
    void pageStructure();
    void writeLeavesOldFileOnError();
    void libmdbSeesNullsAndExactDoubles();
};

void TestJetWriter::textEncoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("allowCompression");
    QTest::addColumn<QByteArray>("stored");  // empty: the plain UCS-2 form is expected

    QTest::newRow("empty") << QString() << true << QByteArray();
    QTest::newRow("one character stays plain") << QStringLiteral("a") << true << QByteArray();
    QTest::newRow("ASCII") << QStringLiteral("abc") << true << QByteArray("\xFF\xFE" "abc");
    QTest::newRow("umlauts are one byte") << QStringLiteral("Größe") << true << QByteArray("\xFF\xFE" "Gr\xF6\xDF" "e");
    QTest::newRow("CJK only stays plain") << QStringLiteral("大剣") << true << QByteArray();
    QTest::newRow("switch to two bytes")
        << QStringLiteral("abcd大") << true << QByteArray("\xFF\xFE" "abcd\x00\x27\x59", 9);
    QTest::newRow("switch back for a run")
        << QStringLiteral("大abcdef") << true << QByteArray("\xFF\xFE\x00\x27\x59\x00" "abcdef", 12);
    QTest::newRow("no gain, stays plain") << QStringLiteral("abc大") << true << QByteArray();
    QTest::newRow("character with zero low byte") << QStringLiteral("abc\u0100def") << true << QByteArray();
    QTest::newRow("compression not allowed") << QStringLiteral("abcdef") << false << QByteArray();
}

void TestJetWriter::textEncoding()
{
    QFETCH(QString, text);
    QFETCH(bool, allowCompression);
    QFETCH(QByteArray, stored);
    const QByteArray encoded = jet::format::EncodeText(text, allowCompression);
    if (stored.isEmpty())
        QCOMPARE(encoded.size(), 2 * text.size());
    else
        QCOMPARE(encoded, stored);
    QCOMPARE(DecodeText(encoded), text);
}

void TestJetWriter::currencyParsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<qint64>>("units");
    using Units = std::optional<qint64>;
    QTest::newRow("whole") << QStringLiteral("12") << Units(120000);
    QTest::newRow("fraction") << QStringLiteral("1.5") << Units(15000);
    QTest::newRow("smallest negative step") << QStringLiteral("-0.0001") << Units(-1);
    QTest::newRow("plus sign, bare point") << QStringLiteral("+3.") << Units(30000);
    QTest::newRow("no whole part") << QStringLiteral(".25") << Units(2500);
    QTest::newRow("largest") << QStringLiteral("922337203685477.5807") << Units(std::numeric_limits<qint64>::max());
    QTest::newRow("smallest") << QStringLiteral("-922337203685477.5808") << Units(std::numeric_limits<qint64>::min());
    QTest::newRow("one past the largest") << QStringLiteral("922337203685477.5808") << Units();
    QTest::newRow("five decimals") << QStringLiteral("1.23456") << Units();
    QTest::newRow("empty") << QString() << Units();
    QTest::newRow("sign only") << QStringLiteral("-") << Units();
    QTest::newRow("point only") << QStringLiteral(".") << Units();
    QTest::newRow("exponent") << QStringLiteral("1e3") << Units();
    QTest::newRow("comma") << QStringLiteral("1,5") << Units();
    QTest::newRow("blank") << QStringLiteral(" 1") << Units();
}

void TestJetWriter::currencyParsing()
{
    QFETCH(QString, text);
    QFETCH(std::optional<qint64>, units);
    QCOMPARE(jet::format::ParseCurrency(text), units);
}

void TestJetWriter::refusesBadTables_data()
{
    QTest::addColumn<std::vector<jet::Table>>("tables");
    QTest::addColumn<QString>("message");
    const QString cjk255(255, QChar(0x5927));

    QTest::newRow("two tables of one name")
        << std::vector{OneColumn(ColumnType::Long, {}, QStringLiteral("tblA")),
                       OneColumn(ColumnType::Long, {}, QStringLiteral("TBLA"))}
        << QStringLiteral("two tables are named \"TBLA\"");
    QTest::newRow("empty table name") << std::vector{OneColumn(ColumnType::Long, {}, QString())}
                                      << QStringLiteral("a table has an empty name");
    QTest::newRow("system prefix") << std::vector{OneColumn(ColumnType::Long, {}, QStringLiteral("MSysThings"))}
                                   << QStringLiteral("reserved for system tables");
    QTest::newRow("no columns") << std::vector{jet::Table{QStringLiteral("T"), {}, {}}}
                                << QStringLiteral("table T has no columns");
    jet::Table wide{QStringLiteral("T"), {}, {}};
    for (int i = 0; i < 256; ++i)
        wide.columns.append({QStringLiteral("C%1").arg(i), ColumnType::Byte});
    QTest::newRow("256 columns") << std::vector{wide} << QStringLiteral("256 columns, at most 255");
    QTest::newRow("two columns of one name")
        << std::vector{jet::Table{QStringLiteral("T"), {{QStringLiteral("Id"), ColumnType::Long},
                                                        {QStringLiteral("ID"), ColumnType::Text}}, {}}}
        << QStringLiteral("table T has two columns named \"ID\"");
    QTest::newRow("long too large") << std::vector{OneColumn(ColumnType::Long, {{qint64(1)}, {qint64(2147483648)}})}
                                    << QStringLiteral("table T, row 2, column C: 2147483648 is out of range for long");
    QTest::newRow("negative byte") << std::vector{OneColumn(ColumnType::Byte, {{qint64(-1)}})}
                                   << QStringLiteral("row 1, column C: -1 is out of range for byte");
    QTest::newRow("int too large") << std::vector{OneColumn(ColumnType::Integer, {{qint64(40000)}})}
                                   << QStringLiteral("40000 is out of range for int");
    QTest::newRow("text of 256") << std::vector{OneColumn(ColumnType::Text, {{QString(256, u'x')}})}
                                 << QStringLiteral("text of 256 characters is longer than 255");
    QTest::newRow("Null Boolean") << std::vector{OneColumn(ColumnType::Boolean, {{true}, {Value()}})}
                                  << QStringLiteral("row 2, column C: a Boolean column cannot hold Null");
    QTest::newRow("text in a long column") << std::vector{OneColumn(ColumnType::Long, {{QStringLiteral("7")}})}
                                           << QStringLiteral("a long column takes whole numbers");
    QTest::newRow("number in a text column") << std::vector{OneColumn(ColumnType::Text, {{qint64(7)}})}
                                             << QStringLiteral("a text column takes text");
    QTest::newRow("five currency decimals") << std::vector{OneColumn(ColumnType::Currency, {{QStringLiteral("1.23456")}})}
                                            << QStringLiteral("\"1.23456\" is not a currency amount");
    QTest::newRow("ragged row")
        << std::vector{jet::Table{QStringLiteral("T"), {{QStringLiteral("A"), ColumnType::Long},
                                                        {QStringLiteral("B"), ColumnType::Long},
                                                        {QStringLiteral("C"), ColumnType::Long}},
                                  {{qint64(1), qint64(2), qint64(3)}, {qint64(1), qint64(2)}}}}
        << QStringLiteral("table T, row 2: 2 values for 3 columns");
    jet::Table heavy{QStringLiteral("T"), {}, {{}}};
    for (int i = 0; i < 8; ++i) {
        heavy.columns.append({QStringLiteral("C%1").arg(i), ColumnType::Text});
        heavy.rows[0].emplace_back(cjk255);
    }
    // 2 (column count) + 8 × 510 + 20 (end, eight offsets, count) + 1 (null mask)
    QTest::newRow("row too large") << std::vector{heavy} << QStringLiteral("the row needs 4103 bytes, at most 4060 fit");
}

void TestJetWriter::refusesBadTables()
{
    QFETCH(std::vector<jet::Table>, tables);
    QFETCH(QString, message);
    try {
        jet::BuildDatabase(tables);
        QFAIL("no error");
    } catch (const jet::Error& e) {
        const QString what = QString::fromStdString(e.what());
        QVERIFY2(what.contains(message), qPrintable(what));
    }
}

void TestJetWriter::pageStructure()
{
    std::vector<jet::Table> tables{OneColumn(ColumnType::Long, {}, QStringLiteral("tblEmpty"))};
    jet::Table big{QStringLiteral("tblBig"),
                   {{QStringLiteral("Id"), ColumnType::Long}, {QStringLiteral("Note"), ColumnType::Memo}}, {}};
    for (int i = 0; i < 1500; ++i)
        big.rows.push_back({qint64(i), i % 3 ? Value() : Value(QString(200 + i % 50, u'n'))});
    tables.push_back(big);
    QByteArray file = jet::BuildDatabase(tables);

    QCOMPARE(file.size() % jet::format::kPageSize, 0);
    QCOMPARE(file.mid(4, 16), QByteArray("Standard Jet DB", 16));
    QCOMPARE(quint8(file[2 * jet::format::kPageSize]), 2);  // the catalog's definition
    {
        // libmdb decrypts the header: Jet 4, code page 1252, general sort order, no database key.
        const std::unique_ptr<MdbHandle, decltype(&mdb_close)> mdb(
            mdb_open_buffer(file.data(), std::size_t(file.size()), MDB_NOFLAGS), &mdb_close);
        QVERIFY(mdb);
        QCOMPARE(mdb->f->jet_version, guint32(MDB_VER_JET4));
        QCOMPARE(mdb->f->code_page, 1252);
        QCOMPARE(mdb->f->lang_id, 0x0409);
        QCOMPARE(mdb->f->db_key, 0u);
    }

    // Every data page of a table has rows and an owner that is a table definition; its free space adds up.
    int dataPages = 0, lvalPages = 0;
    for (qsizetype at = jet::format::kPageSize; at < file.size(); at += jet::format::kPageSize) {
        if (file[at] != 0x01)
            continue;
        const QByteArray page = file.mid(at, jet::format::kPageSize);
        const quint32 rows = U16(page, 12);
        QVERIFY(rows >= 1 && rows <= 255);
        const quint32 lowest = U16(page, 14 + 2 * (rows - 1));
        QCOMPARE(U16(page, 2), lowest - 14 - 2 * rows);
        if (page.mid(4, 4) == "LVAL") {
            ++lvalPages;
        } else if (const quint32 owner = U32(page, 4); owner != 0) {
            ++dataPages;
            QCOMPARE(quint8(file[owner * jet::format::kPageSize]), 2);
        }
    }
    QVERIFY(dataPages > 2);
    QVERIFY(lvalPages > 1);
}

void TestJetWriter::writeLeavesOldFileOnError()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("game.mdb"));
    jet::WriteDatabase(path, {OneColumn(ColumnType::Long, {{qint64(1)}})});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QVERIFY_THROWS_EXCEPTION(jet::Error, jet::WriteDatabase(path, {OneColumn(ColumnType::Byte, {{qint64(256)}})}));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QVERIFY_THROWS_EXCEPTION(jet::Error, jet::WriteDatabase(dir.filePath(QStringLiteral("no/such/dir/x.mdb")), {}));
}

// The program reads with libmdb: the null mask tells Null from the empty text, and doubles come back bit
// for bit, including those that need 17 digits.
void TestJetWriter::libmdbSeesNullsAndExactDoubles()
{
    const std::vector<double> doubles{0.1 + 0.2, DBL_MAX, -DBL_MIN, 5e-324, -1.0 / 3};
    jet::Table t{QStringLiteral("T"),
                 {{QStringLiteral("Real"), ColumnType::Double}, {QStringLiteral("Name"), ColumnType::Text}}, {}};
    for (const double d : doubles)
        t.rows.push_back({d, QString()});
    t.rows.push_back({Value(), Value()});
    QByteArray file = jet::BuildDatabase({t});

    const std::unique_ptr<MdbHandle, decltype(&mdb_close)> mdb(
        mdb_open_buffer(file.data(), std::size_t(file.size()), MDB_NOFLAGS), &mdb_close);
    QVERIFY(mdb);
    QVERIFY(mdb_read_catalog(mdb.get(), MDB_TABLE));
    MdbCatalogEntry* entry = mdb_get_catalogentry_by_name(mdb.get(), "T");
    QVERIFY(entry);
    const std::unique_ptr<MdbTableDef, decltype(&mdb_free_tabledef)> table(mdb_read_table(entry), &mdb_free_tabledef);
    QVERIFY(table);
    QVERIFY(mdb_read_columns(table.get()));
    mdb_rewind_table(table.get());
    std::size_t row = 0;
    MdbField fields[2];
    while (mdb_fetch_row(table.get())) {
        int start = 0;
        size_t length = 0;
        QCOMPARE(mdb_find_row(mdb.get(), int(table->cur_row) - 1, &start, &length), 0);
        QCOMPARE(mdb_crack_row(table.get(), start, length, fields), 2);
        const bool nullRow = row == doubles.size();
        QCOMPARE(bool(fields[0].is_null), nullRow);
        QCOMPARE(bool(fields[1].is_null), nullRow);
        if (!nullRow) {
            const auto* real = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, 0));
            QCOMPARE(mdb_get_double(mdb->pg_buf, real->cur_value_start), doubles[row]);
            QCOMPARE(fields[1].siz, 0);
        }
        ++row;
    }
    QCOMPARE(row, t.rows.size());
}

QTEST_GUILESS_MAIN(TestJetWriter)
#include "tst_jetwriter.moc"
