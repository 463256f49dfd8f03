// Files from the Jet writer, read back by two independent readers: mdbtools (mdb-tables, mdb-schema,
// mdb-export) and the mdb-reader npm package (jsreader/dump.mjs). Both must return the source, cell by cell.
#include "jet/csv.h"
#include "jet/jetformat.h"
#include "jet/jetwriter.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using jet::ColumnType;
using jet::Value;

namespace {

struct Fixture
{
    std::vector<jet::Table> tables;
    jet::BuildOptions options;
};

// One column of every type; a row of Nulls, rows of edge values. Doubles have at most 16 significant digits,
// since mdb-export prints that many.
Fixture NullsAndEdges()
{
    jet::Table t{u"tblEveryType"_qs,
                 {{u"Flag"_qs, ColumnType::Boolean},
                  {u"Small"_qs, ColumnType::Byte},
                  {u"Medium"_qs, ColumnType::Integer},
                  {u"Large"_qs, ColumnType::Long},
                  {u"Money"_qs, ColumnType::Currency},
                  {u"Real"_qs, ColumnType::Double},
                  {u"Label"_qs, ColumnType::Text},
                  {u"Notes"_qs, ColumnType::Memo}},
                 {}};
    const Value null;
    t.rows = {{false, null, null, null, null, null, null, null},
              {true, qint64(0), qint64(-32768), qint64(-2147483647 - 1), u"-922337203685477.5808"_qs, 5e-324, QString(),
               QString()},
              {true, qint64(255), qint64(32767), qint64(2147483647), u"922337203685477.5807"_qs, 1e308,
               u"x"_qs.repeated(255), u"short memo, kept in the row"_qs},
              {false, qint64(7), qint64(-1), qint64(-1), qint64(12), 0.1, u"a"_qs,
               u"Three hundred characters. "_qs.repeated(12).left(300)},
              // 12,000 bytes: a chain of LVAL pages.
              {true, qint64(1), qint64(0), qint64(0), 2.5, -123456789.125, u"ab"_qs, u"長い文章"_qs.repeated(1500)},
              {false, qint64(2), qint64(1), qint64(1), u"-0.0001"_qs, -2.5e-300, QString(QChar(0x4E2D)).repeated(255),
               u"plain "_qs.repeated(2000)}};
    return {{t}, {}};
}

Fixture Empty()
{
    return {{{u"tblEmpty"_qs, {{u"ID"_qs, ColumnType::Long}, {u"Name"_qs, ColumnType::Text}}, {}},
             {u"tblOne"_qs, {{u"ID"_qs, ColumnType::Long}}, {{qint64(1)}}}},
            {}};
}

Fixture HundredThousandRows() // large enough for indirect usage maps of its own
{
    jet::Table t{u"tblLarge"_qs,
                 {{u"ID"_qs, ColumnType::Long},
                  {u"Group"_qs, ColumnType::Integer},
                  {u"Weight"_qs, ColumnType::Double},
                  {u"Code"_qs, ColumnType::Text}},
                 {}};
    for (int i = 0; i < 100000; ++i)
        t.rows.push_back({qint64(i + 1), qint64(i % 1000 - 500), (i - 50000) * 0.125,
                          i % 97 == 0 ? Value() : Value(QStringLiteral("C%1").arg(i * 7919 % 100000))});
    return {{t}, {}};
}

// Memos on LVAL pages between the data pages of the same table; every table, the empty one too, with an
// indirect usage map.
Fixture MemosAndIndirectMaps()
{
    Fixture f = Empty();
    jet::Table t{u"tblDiary"_qs, {{u"Day"_qs, ColumnType::Long}, {u"Entry"_qs, ColumnType::Memo}}, {}};
    for (int i = 0; i < 2000; ++i)
        t.rows.push_back({qint64(i), QStringLiteral("Day %1: ").arg(i) + u"rain "_qs.repeated(60)});
    f.tables.push_back(t);
    f.options.indirectUsageMaps = true;
    return f;
}

// 60 columns with long names: the table definition spans two pages.
Fixture SixtyColumns()
{
    static const ColumnType kTypes[] = {ColumnType::Long,    ColumnType::Text,    ColumnType::Double,
                                        ColumnType::Boolean, ColumnType::Integer, ColumnType::Memo,
                                        ColumnType::Byte,    ColumnType::Currency};
    jet::Table t{u"tblWide"_qs, {}, {}};
    for (int c = 0; c < 60; ++c)
        t.columns.append({QStringLiteral("Column %1 of the wide table, named at length").arg(c + 1, 2, 10, QChar(u'0')),
                          kTypes[c % 8]});
    for (int r = 0; r < 40; ++r) {
        std::vector<Value> row;
        for (int c = 0; c < 60; ++c) {
            const qint64 n = r * 61 + c;
            const QString text = QStringLiteral("r%1c%2").arg(r).arg(c);
            const Value values[] = {n * 1000003 - 2000000000,
                                    text,
                                    n / 64.0,
                                    n % 3 == 0,
                                    n % 600 - 300,
                                    u"memo "_qs + text,
                                    n % 256,
                                    QStringLiteral("%1.%2").arg(n).arg(n % 10000, 4, 10, QChar(u'0'))};
            row.push_back(c % 8 != 3 && (r + c) % 9 == 0 ? Value() : values[c % 8]); // Nulls but in Booleans
        }
        t.rows.push_back(std::move(row));
    }
    return {{t}, {}};
}

Fixture NonAscii()
{
    jet::Table t{
        u"Gegenstände"_qs,
        {{u"Nummer"_qs, ColumnType::Long},
         {u"Größe"_qs, ColumnType::Text},
         {u"名前"_qs, ColumnType::Text},
         {u"Beschreibung"_qs, ColumnType::Memo}},
        {{qint64(1), u"Übergröße"_qs, u"大きい剣"_qs, u"Schwert aus Eisen – «scharf»"_qs},
         {qint64(2), u"a, \"quoted\" text"_qs, u"mixed 日本 text äöü"_qs, u"two\nlines"_qs},
         {qint64(3), u"\u0100 byte-zero characters \u0100\u0100"_qs, u"Ελληνικά"_qs, u"Ünïcödé "_qs.repeated(200)}}};
    jet::Table second{u"Материалы"_qs, {{u"Имя"_qs, ColumnType::Text}}, {{u"Железо"_qs}, {u"Мифрил"_qs}}};
    return {{t, second}, {}};
}

// A cell as both readers are compared on it: "<null>", a text after a quote mark, or a plain number
// (17 significant digits), currency amount (four decimals) or Boolean (1 or 0).
QString Expected(ColumnType type, const Value& value, bool json)
{
    // mdb-export writes the empty text as the empty, unquoted cell it writes for Null.
    if (std::holds_alternative<std::monostate>(value) || (!json && value == Value(QString())))
        return u"<null>"_qs;
    const double number = std::holds_alternative<qint64>(value) ? double(std::get<qint64>(value))
        : std::holds_alternative<double>(value)                 ? std::get<double>(value)
                                                                : 0;
    switch (type) {
    case ColumnType::Boolean:
        return std::get<bool>(value) ? u"1"_qs : u"0"_qs;
    case ColumnType::Text:
    case ColumnType::Memo:
        return u'"' + std::get<QString>(value);
    case ColumnType::Currency: {
        qint64 units = 0;
        if (const QString* text = std::get_if<QString>(&value))
            units = *jet::format::ParseCurrency(*text);
        else
            units = std::llround(number * 10000);
        const quint64 magnitude = units < 0 ? 0 - quint64(units) : quint64(units);
        return QStringLiteral("%1%2%3.%4")
            .arg(json ? u"\""_qs : QString(), units < 0 ? u"-"_qs : QString())
            .arg(magnitude / 10000)
            .arg(magnitude % 10000, 4, 10, QChar(u'0'));
    }
    default:
        return QString::number(number, 'g', 17);
    }
}

// mdb-export: texts quoted, numbers plain (doubles with 16 significant digits).
QString Read(const jet::csv::Cell& cell, ColumnType type)
{
    if (cell.quoted || cell.text.isEmpty())
        return cell.quoted ? u'"' + cell.text : u"<null>"_qs;
    bool number = false;
    const double d = cell.text.toDouble(&number);
    return type == ColumnType::Double && number ? QString::number(d, 'g', 17) : cell.text;
}

QString Read(const QJsonValue& cell)
{
    switch (cell.type()) {
    case QJsonValue::Null:
        return u"<null>"_qs;
    case QJsonValue::Bool:
        return cell.toBool() ? u"1"_qs : u"0"_qs;
    case QJsonValue::Double:
        return QString::number(cell.toDouble(), 'g', 17);
    case QJsonValue::String:
        return u'"' + cell.toString();
    default:
        return u"<other>"_qs;
    }
}

// How each reader names a column type, in the order of ColumnType: mdb-schema, and mdb-reader's column "type".
const char* const kSchemaTypes[] = {"Boolean",  "Byte",   "Integer",    "Long Integer",
                                    "Currency", "Double", "Text (255)", "Memo/Hyperlink (255)"};
const char* const kReaderTypes[] = {"boolean", "byte", "integer", "long", "currency", "double", "text", "memo"};

QByteArray Run(const QString& program, const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LC_ALL"_qs, u"C.UTF-8"_qs);
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning("%s %s failed: %s", qPrintable(program), qPrintable(args.join(u' ')),
                 process.readAllStandardError().constData());
        return {};
    }
    return process.readAllStandardOutput();
}

// Every difference found; the first ten go into the failure message.
QStringList gDiffs;

// A table's columns as "name type", with the names a reader gives the types.
QStringList Columns(const jet::Table& t, const char* const* typeNames)
{
    QStringList columns;
    for (const jet::Column& c : t.columns)
        columns << c.name + u' ' + QLatin1String(typeNames[int(c.type)]);
    return columns;
}

// Compares what a reader returned with the source, row by row, cells in the form Expected gives.
void CompareRows(const QString& what, const jet::Table& t, const QList<QStringList>& read, bool json)
{
    if (read.size() != qsizetype(t.rows.size()))
        gDiffs << QStringLiteral("%1: %2 rows").arg(what).arg(read.size());
    for (qsizetype r = 0; r < std::min(read.size(), qsizetype(t.rows.size())); ++r) {
        QStringList expected;
        for (qsizetype c = 0; c < t.columns.size(); ++c)
            expected << Expected(t.columns[c].type, t.rows[std::size_t(r)][std::size_t(c)], json);
        if (read[r] != expected)
            gDiffs << QStringLiteral("%1 row %2: %3").arg(what).arg(r + 1).arg(read[r].join(u'|').left(200));
    }
}

void CompareMdbtools(const QString& path, const std::vector<jet::Table>& tables)
{
    QStringList names;
    for (const jet::Table& t : tables)
        names << t.name;
    if (QString::fromUtf8(Run(u"mdb-tables"_qs, {u"-1"_qs, path})).split(u'\n', Qt::SkipEmptyParts) != names)
        gDiffs << u"mdb-tables lists other tables"_qs;

    // mdb-schema: "CREATE TABLE [name]" then one "[column]  Type," line per column.
    const QString schema = QString::fromUtf8(Run(u"mdb-schema"_qs, {path}));
    static const QRegularExpression kColumnLine(u"^\\s+\\[(.+)\\]\\s+(.+?)(?: NOT NULL)?,?\\s*$"_qs);
    for (const jet::Table& t : tables) {
        const qsizetype at = schema.indexOf(QStringLiteral("CREATE TABLE [%1]").arg(t.name));
        QStringList columns;
        for (const QString& line : schema.mid(at, schema.indexOf(u");"_qs, at) - at).split(u'\n')) {
            if (const QRegularExpressionMatch m = kColumnLine.match(line); at >= 0 && m.hasMatch())
                columns << m.captured(1) + u' ' + m.captured(2);
        }
        if (columns != Columns(t, kSchemaTypes))
            gDiffs << QStringLiteral("mdb-schema %1: %2").arg(t.name, columns.join(u','));

        const auto records = jet::csv::Parse(QString::fromUtf8(Run(u"mdb-export"_qs, {path, t.name})),
                                             u"mdb-export"_qs);
        QList<QStringList> rows;
        for (std::size_t r = 1; r < records.size(); ++r) {
            rows.append(QStringList());
            for (std::size_t c = 0; c < records[r].cells.size(); ++c)
                rows.last() << Read(records[r].cells[c], t.columns.value(qsizetype(c)).type);
        }
        CompareRows(u"mdb-export "_qs + t.name, t, rows, false);
    }
}

void CompareMdbReader(const QString& path, const std::vector<jet::Table>& tables)
{
    const QByteArray json = Run(u"node"_qs, {QStringLiteral(KELVARA_JSREADER_DIR "/dump.mjs"), path});
    const QJsonArray read = QJsonDocument::fromJson(json).object().value(u"tables").toArray();
    if (read.size() != qsizetype(tables.size()))
        return void(gDiffs << QStringLiteral("mdb-reader: %1 tables").arg(read.size()));
    for (std::size_t i = 0; i < tables.size(); ++i) {
        const jet::Table& t = tables[i];
        const QJsonObject table = read[qsizetype(i)].toObject();
        QStringList columns;
        for (const QJsonValue& column : table.value(u"columns").toArray())
            columns << column[u"name"].toString() + u' ' + column[u"type"].toString();
        if (table.value(u"name").toString() != t.name || columns != Columns(t, kReaderTypes)
            || table.value(u"rowCount").toInteger() != qint64(t.rows.size()))
            gDiffs << QStringLiteral("mdb-reader %1: %2, %3 rows")
                          .arg(t.name, columns.join(u','), QString::number(table.value(u"rowCount").toInteger()));
        QList<QStringList> rows;
        for (const QJsonValue& row : table.value(u"rows").toArray()) {
            rows.append(QStringList());
            for (const QJsonValue& cell : row.toArray())
                rows.last() << Read(cell);
        }
        CompareRows(u"mdb-reader "_qs + t.name, t, rows, true);
    }
}

} // namespace

using FixtureMaker = Fixture (*)();
Q_DECLARE_METATYPE(FixtureMaker)

class TestJetReaders : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        for (const char* tool : {"mdb-tables", "mdb-schema", "mdb-export", "node"})
            QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(), tool);
        QVERIFY2(QDir(QStringLiteral(KELVARA_JSREADER_DIR "/node_modules/mdb-reader")).exists(),
                 "mdb-reader is missing: run `npm ci` in tests/tools/jsreader (bash setup.sh test does)");
    }

    void bothReadersReturnTheSource_data()
    {
        QTest::addColumn<FixtureMaker>("make");
        QTest::newRow("empty table") << &Empty;
        QTest::newRow("Nulls and edge values of every type") << &NullsAndEdges;
        QTest::newRow("100,000 rows") << &HundredThousandRows;
        QTest::newRow("memos on LVAL pages, indirect usage maps") << &MemosAndIndirectMaps;
        QTest::newRow("60 columns") << &SixtyColumns;
        QTest::newRow("non-ASCII names and values") << &NonAscii;
    }

    void bothReadersReturnTheSource()
    {
        QFETCH(FixtureMaker, make);
        const Fixture fixture = make();
        const QString path = dir_.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_')
                                           + u".mdb"_qs);
        jet::WriteDatabase(path, fixture.tables, fixture.options);
        gDiffs.clear();
        CompareMdbtools(path, fixture.tables);
        CompareMdbReader(path, fixture.tables);
        QVERIFY2(gDiffs.isEmpty(),
                 qPrintable(QString::number(gDiffs.size()) + u" differences:\n"_qs + gDiffs.mid(0, 10).join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestJetReaders)
#include "tst_jetreaders.moc"
