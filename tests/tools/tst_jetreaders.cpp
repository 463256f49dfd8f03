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
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cmath>

using jet::ColumnType;
using jet::Value;

namespace {

struct Fixture
{
    std::vector<jet::Table> tables;
    jet::BuildOptions options;
};

// A cell of the type: an edge value, Null (never in a Boolean) or a random value. Texts of at most `most`
// characters mix one-byte, two-byte and byte-zero characters, quotes, commas and line breaks; one memo in eight
// is long enough for a chain of LVAL pages. Doubles have at most 16 significant digits, since mdb-export
// prints that many.
Value RandomValue(QRandomGenerator& random, ColumnType type, int most)
{
    static const QString alphabet = u"abcXYZ 019,;\"'\n€äöüß中文\u0100Ωж"_qs;
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
            return high ? u"922337203685477.5807"_qs : u"-922337203685477.5808"_qs;
        return high ? Value(random.bounded(-4000000, 4000000) / 4.0)
                    : Value(QString::number(random.bounded(-999999, 999999)) + u".0001"_qs);
    case ColumnType::Double:
        if (edge)
            return std::array{5e-324, 1e308, -2.5e-300, 0.0}[random.bounded(4)];
        return QString::number((random.generateDouble() - 0.5) * std::pow(10.0, random.bounded(-20, 20)), 'g', 16)
            .toDouble();
    case ColumnType::Text:
        return edge ? (high ? QString() : QString(most, QChar(0x4E2D))) : text(most);
    case ColumnType::Memo:
        return edge ? QString() : text(random.bounded(8) == 0 ? 6000 : 200);
    }
    return Value();
}

// A table whose columns take the eight types in turn, named after `column` (with %1 for the number).
jet::Table RandomTable(QRandomGenerator& random, const QString& name, int columns, int rows,
                       const QString& column = u"C%1"_qs, int most = 255)
{
    static const ColumnType kTypes[] = {ColumnType::Long,    ColumnType::Text,    ColumnType::Double,
                                        ColumnType::Boolean, ColumnType::Integer, ColumnType::Memo,
                                        ColumnType::Byte,    ColumnType::Currency};
    jet::Table t{name, {}, {}};
    for (int c = 0; c < columns; ++c)
        t.columns.append({column.arg(c + 1), kTypes[c % 8]});
    for (int r = 0; r < rows; ++r) {
        t.rows.emplace_back();
        for (const jet::Column& c : t.columns)
            t.rows.back().push_back(RandomValue(random, c.type, most));
    }
    return t;
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

Q_DECLARE_METATYPE(Fixture)

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
        QTest::addColumn<Fixture>("fixture");
        QRandomGenerator random(20261207);
        QTest::newRow("empty table") << Fixture{
            {RandomTable(random, u"tblEmpty"_qs, 2, 0), RandomTable(random, u"tblOne"_qs, 8, 1)}, {}};
        QTest::newRow("every type, edge and random values")
            << Fixture{{RandomTable(random, u"tblEveryType"_qs, 8, 400)}, {}};
        // Large enough for indirect usage maps of its own.
        jet::Table large{
            u"tblLarge"_qs,
            {{u"ID"_qs, ColumnType::Long}, {u"Weight"_qs, ColumnType::Double}, {u"Code"_qs, ColumnType::Text}},
            {}};
        for (int i = 0; i < 100000; ++i)
            large.rows.push_back({qint64(i + 1), (i - 50000) * 0.125,
                                  i % 97 == 0 ? Value() : Value(QStringLiteral("C%1").arg(i * 7919 % 100000))});
        QTest::newRow("100,000 rows") << Fixture{{large}, {}};
        // Memos on LVAL pages between the data pages of the same table; every table, the empty one too, with an
        // indirect usage map.
        QTest::newRow("memos on LVAL pages, indirect usage maps") << Fixture{
            {RandomTable(random, u"tblEmpty"_qs, 1, 0), RandomTable(random, u"tblDiary"_qs, 6, 1500)}, {true}};
        // 60 columns with long names: the table definition spans two pages.
        QTest::newRow("60 columns") << Fixture{
            {RandomTable(random, u"tblWide"_qs, 60, 40, u"Column %1 of the wide table, named at length"_qs, 20)}, {}};
        QTest::newRow("non-ASCII names") << Fixture{{RandomTable(random, u"Gegenstände"_qs, 8, 20, u"Größe %1"_qs),
                                                     RandomTable(random, u"Материалы"_qs, 2, 3, u"名前 %1"_qs)},
                                                    {}};
    }

    void bothReadersReturnTheSource()
    {
        QFETCH(Fixture, fixture);
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
