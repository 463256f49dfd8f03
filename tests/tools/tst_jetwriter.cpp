// SPDX-License-Identifier: GPL-3.0-or-later
// The Jet writer: its files read back by mdbtools' mdb-export cell by cell (random tables of every type from a fixed
// seed, long memos on chains of LVAL pages, indirect usage maps); kelvara-mkdb's refusal of bad CSV.
#include "common/faultkit.h"
#include "common/filebytes.h"
#include "jet/csv.h"
#include "jet/jetwriter.h"

#include <QtTest>

#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

using jet::ColumnType;
using jet::Value;

Q_DECLARE_METATYPE(std::vector<jet::Table>)

namespace {

// A cell of the type: an edge value, Null (never in a Boolean) or a random value. Texts mix one-byte, two-byte and
// byte-zero characters, quotes, commas and line breaks; one memo in eight needs a chain of LVAL pages. Doubles
// have at most 16 significant digits, as mdb-export prints.
Value RandomValue(QRandomGenerator& random, ColumnType type)
{
    static const QString alphabet = u"abcXYZ 019,;\"'\n€äöüß中文\u0100Ωж"_s;
    auto text = [&](int length) {
        QString t;
        for (int n = random.bounded(length + 1); n > 0; --n)
            t += alphabet[random.bounded(alphabet.size())];
        return t;
    };
    const bool edge = random.bounded(4) == 0, high = random.bounded(2) == 0;
    if (random.bounded(4) == 0 && type != ColumnType::Boolean)
        return Value();
    switch (type) {
    case ColumnType::Boolean:
        return high;
    case ColumnType::Byte:
        return qint64(edge ? 255 * high : random.bounded(256));
    case ColumnType::Integer:
        return qint64(edge ? (high ? 32767 : -32768) : random.bounded(-32768, 32768));
    case ColumnType::Long:
        return edge ? qint64(high ? 2147483647 : -2147483647 - 1) : qint64(random.generate()) - 2147483648LL;
    case ColumnType::Currency:
        if (edge)
            return high ? u"922337203685477.5807"_s : u"-922337203685477.5808"_s;
        return high ? Value(random.bounded(-4000000, 4000000) / 4.0)
                    : Value(QString::number(random.bounded(-999999, 999999)) + u".0001"_s);
    case ColumnType::Double:
        if (edge)
            return std::array{5e-324, 1e308, -2.5e-300, 0.0}[random.bounded(4)];
        return QString::number((random.generateDouble() - 0.5) * std::pow(10.0, random.bounded(-20, 20)), 'g', 16)
            .toDouble();
    case ColumnType::Text:
        return edge ? (high ? QString() : QString(255, QChar(0x4E2D))) : text(255);
    case ColumnType::Memo:
        return edge ? QString() : text(random.bounded(8) == 0 ? 6000 : 200);
    }
    return Value();
}

// A table whose columns take the eight types in turn.
jet::Table RandomTable(QRandomGenerator& random, const QString& name, int columns, int rows)
{
    static const ColumnType kTypes[] = {ColumnType::Long,    ColumnType::Text,    ColumnType::Double,
                                        ColumnType::Boolean, ColumnType::Integer, ColumnType::Memo,
                                        ColumnType::Byte,    ColumnType::Currency};
    jet::Table t{name, {}, {}};
    for (int c = 0; c < columns; ++c)
        t.columns.append({QStringLiteral("C%1").arg(c + 1), kTypes[c % 8]});
    for (int r = 0; r < rows; ++r) {
        t.rows.emplace_back();
        for (const jet::Column& c : t.columns)
            t.rows.back().push_back(RandomValue(random, c.type));
    }
    return t;
}

// A source cell as mdb-export prints it: "<null>" (the empty text too), a text after a quote mark, or a number
// (17 significant digits), currency amount (four decimals) or Boolean (1 or 0).
QString Expected(ColumnType type, const Value& value)
{
    if (std::holds_alternative<std::monostate>(value) || value == Value(QString()))
        return u"<null>"_s;
    const double number = std::holds_alternative<qint64>(value) ? double(std::get<qint64>(value))
        : std::holds_alternative<double>(value)                 ? std::get<double>(value)
                                                                : 0;
    switch (type) {
    case ColumnType::Boolean:
        return std::get<bool>(value) ? u"1"_s : u"0"_s;
    case ColumnType::Text:
    case ColumnType::Memo:
        return u'"' + std::get<QString>(value);
    case ColumnType::Currency: {
        // A decimal text in units of 1/10000, worked out here apart from the writer's own reading.
        const QString* text = std::get_if<QString>(&value);
        const qint64 whole = text ? text->section(u'.', 0, 0).toLongLong() : 0;
        const qint64 part = text ? text->section(u'.', 1).leftJustified(4, u'0').toLongLong() : 0;
        const qint64 units = text ? whole * 10000 + (text->startsWith(u'-') ? -part : part)
                                  : std::llround(number * 10000);
        const quint64 magnitude = units < 0 ? 0 - quint64(units) : quint64(units);
        return QStringLiteral("%1%2.%3")
            .arg(units < 0 ? u"-"_s : QString())
            .arg(magnitude / 10000)
            .arg(magnitude % 10000, 4, 10, QChar(u'0'));
    }
    default:
        return QString::number(number, 'g', 17);
    }
}

// Nine text columns: 26 bytes around the values, 7 × 255 two-byte characters, compressed texts of 2 + 255 and
// 2 + `last` bytes; with `last` 205 the row's 4060 bytes are the most a data page takes.
jet::Table LargestRow(int last)
{
    jet::Table t{u"tblLargestRow"_s, {}, {{}}};
    for (int c = 0; c < 9; ++c) {
        t.columns.append({QStringLiteral("T%1").arg(c + 1), ColumnType::Text});
        t.rows[0].push_back(c < 7 ? QString(255, QChar(0x100)) : QString(c == 7 ? 255 : last, u'a'));
    }
    return t;
}

QString Read(const jet::csv::Cell& cell, ColumnType type)
{
    if (cell.quoted || cell.text.isEmpty())
        return cell.quoted ? u'"' + cell.text : u"<null>"_s;
    bool number = false;
    const double d = cell.text.toDouble(&number);
    return type == ColumnType::Double && number ? QString::number(d, 'g', 17) : cell.text;
}

} // namespace

class TestJetWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    // With `limited`, under a file size limit of 8 KiB, the signal the limit sends left as the system has it.
    static int Run(const QStringList& args, QString* errors = nullptr, bool limited = false)
    {
        QProcess process;
        if (limited)
            faultkit::LimitFileSize(process, 8192);
        process.start(QStringLiteral(KELVARA_MKDB), args);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        if (errors)
            *errors = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

private slots:
    void mdbtoolsReadsTheSource_data()
    {
        QTest::addColumn<std::vector<jet::Table>>("tables");
        QTest::addColumn<bool>("indirect");
        QRandomGenerator random(20261207);
        QTest::newRow("every type, an empty table")
            << std::vector{RandomTable(random, u"tblEmpty"_s, 2, 0), RandomTable(random, u"tblEveryType"_s, 8, 400)}
            << false;
        QTest::newRow("LVAL chains, indirect usage maps")
            << std::vector{RandomTable(random, u"tblDiary"_s, 6, 1500)} << true;
        QTest::newRow("a definition over several pages")
            << std::vector{RandomTable(random, u"tblWide"_s, 200, 0)} << false;
        QTest::newRow("the largest row") << std::vector{LargestRow(205)} << false;
    }

    void mdbtoolsReadsTheSource()
    {
        QFETCH(std::vector<jet::Table>, tables);
        QFETCH(bool, indirect);
        const QString path = dir_.filePath(u"t.mdb"_s);
        jet::WriteDatabase(path, tables, {indirect});
        for (const jet::Table& t : tables) {
            QProcess process;
            process.start(u"env"_s, {u"LC_ALL=C.UTF-8"_s, u"mdb-export"_s, path, t.name});
            QVERIFY(process.waitForFinished(120000) && process.exitCode() == 0);
            const auto records = jet::csv::Parse(QString::fromUtf8(process.readAllStandardOutput()), u"export"_s);
            QCOMPARE(records.size(), t.rows.size() + 1);
            for (std::size_t r = 0; r < records.size(); ++r) { // the header, then the rows
                QStringList got, expected;
                for (qsizetype c = 0; c < t.columns.size(); ++c)
                    expected << (r ? Expected(t.columns[c].type, t.rows[r - 1][std::size_t(c)]) : t.columns[c].name);
                for (std::size_t c = 0; c < records[r].cells.size(); ++c)
                    got << (r ? Read(records[r].cells[c], t.columns.value(qsizetype(c)).type)
                              : records[r].cells[c].text);
                QCOMPARE(got, expected);
            }
        }
        // Each data page tells its free space: the gap between its row offsets and its lowest row.
        const QByteArray file = FileBytes(path);
        for (qsizetype at = 0; at + 4096 <= file.size(); at += 4096) {
            const auto* page = reinterpret_cast<const uchar*>(file.constData() + at);
            const int rows = qFromLittleEndian<quint16>(page + 12);
            if (page[0] == 0x01 && rows > 0)
                QCOMPARE(qFromLittleEndian<quint16>(page + 2),
                         (qFromLittleEndian<quint16>(page + 12 + 2 * rows) & 0x1fff) - 14 - 2 * rows);
        }
    }

    // Names the file cannot hold and a row a byte too large for a data page are refused before anything is written.
    void badTables()
    {
        const jet::Column a{u"A"_s, ColumnType::Long};
        for (const jet::Table& table :
             {jet::Table{u"tblA"_s, {{QString(), ColumnType::Long}}, {}},
              jet::Table{u"tblA"_s, {{QString(65, u'x'), ColumnType::Long}}, {}},
              jet::Table{u"tblA"_s, {a, {u"a"_s, ColumnType::Text}}, {}}, jet::Table{u"tbl\tA"_s, {a}, {}},
              jet::Table{u"MSysA"_s, {a}, {}}, LargestRow(206)})
            QVERIFY_THROWS_EXCEPTION(jet::Error, jet::BuildDatabase({table}));
        jet::BuildDatabase({{u"tblA"_s, {{u"A"_s, ColumnType::Currency}}, {{qint64(922337203685477)}}}}); // the most
    }

    void commandRefusesBadInput_data()
    {
        QTest::addColumn<QByteArray>("bad");
        QTest::addColumn<QString>("message");
        auto row = [](const char* name, const QByteArray& bad, const char* message) {
            QTest::newRow(name) << bad << QString::fromUtf8(message);
        };
        row("unknown type", "Id:long,When:date\n", "bad.csv:1: column 2 (When): unknown type \"date\"");
        row("not a number", "Id:long,Value:double\n1,2\n2,abc\n",
            "bad.csv:3: column 2 (Value): \"abc\" is not a number");
        row("line counted after a quoted line break", "A:text,B:long\n\"x\ny\",1\nz,1.5\n",
            "bad.csv:4: column 2 (B): \"1.5\" is not a whole number");
        row("a cell missing", "A:long,B:long\n1,2\n\n3,4\n",
            "bad.csv:3: column 2 (B): missing; 1 cell, the header has 2");
        row("a cell too many", "A:long\n1,2\n", "bad.csv:2: column 2: past the last column; 2 cells, the header has 1");
        row("a file size limit", "Id:long\n1\n", "File too large"); // the database needs more than 8 KiB
        row("a byte past 255", "A:byte\n255\n256\n", "column 1 (A): 256 is out of range for byte (0 .. 255)");
        row("an amount without digits", "A:currency\n1.5\n-\n",
            "bad.csv:3: column 1 (A): \"-\" is not an amount with at most four decimals");
    }

    void commandRefusesBadInput()
    {
        QFETCH(QByteArray, bad);
        QFETCH(QString, message);
        const QString good = dir_.filePath(u"good.csv"_s), badFile = dir_.filePath(u"bad.csv"_s);
        QVERIFY(PutFile(good, "Id:long,B:long\n1,2\n\n\r\n") && PutFile(badFile, bad));
        const QStringList args{dir_.filePath(u"out.mdb"_s), u"tblA="_s + good, u"tblB="_s + badFile};
        QFile::remove(args[0]);
        const bool limited = QByteArray(QTest::currentDataTag()) == "a file size limit";
        QString errors;
        QCOMPARE(Run(args, &errors, limited), 1);
        QVERIFY2(errors.contains(message), qPrintable(errors));
        QVERIFY(!QFile::exists(args[0]));
        QVERIFY(PutFile(args[0], "previous"));
        QCOMPARE(Run(args, nullptr, limited), 1);
        QCOMPARE(FileBytes(args[0]), QByteArray("previous"));
    }
};

QTEST_GUILESS_MAIN(TestJetWriter)
#include "tst_jetwriter.moc"
