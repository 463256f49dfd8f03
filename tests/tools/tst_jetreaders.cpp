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
#include <cstdlib>

using jet::ColumnType;
using jet::Value;

namespace {

struct Fixture {
    std::vector<jet::Table> tables;
    jet::BuildOptions options;
};

QString Repeat(const QString& piece, int times)
{
    QString s;
    for (int i = 0; i < times; ++i)
        s += piece;
    return s;
}

// One column of every type; a row of Nulls, rows of edge values. Doubles have at most 16 significant digits,
// since mdb-export prints that many.
Fixture NullsAndEdges()
{
    jet::Table t{QStringLiteral("tblEveryType"),
                 {{QStringLiteral("Flag"), ColumnType::Boolean},
                  {QStringLiteral("Small"), ColumnType::Byte},
                  {QStringLiteral("Medium"), ColumnType::Integer},
                  {QStringLiteral("Large"), ColumnType::Long},
                  {QStringLiteral("Money"), ColumnType::Currency},
                  {QStringLiteral("Real"), ColumnType::Double},
                  {QStringLiteral("Label"), ColumnType::Text},
                  {QStringLiteral("Notes"), ColumnType::Memo}},
                 {}};
    const Value null;
    t.rows.push_back({false, null, null, null, null, null, null, null});
    t.rows.push_back({true, qint64(0), qint64(-32768), qint64(-2147483647 - 1), QStringLiteral("-922337203685477.5808"),
                      5e-324, QString(), QString()});
    t.rows.push_back({true, qint64(255), qint64(32767), qint64(2147483647), QStringLiteral("922337203685477.5807"),
                      1e308, Repeat(QStringLiteral("x"), 255), QStringLiteral("short memo, kept in the row")});
    t.rows.push_back({false, qint64(7), qint64(-1), qint64(-1), qint64(12), 0.1, QStringLiteral("a"),
                      Repeat(QStringLiteral("Three hundred characters. "), 12).left(300)});
    t.rows.push_back({true, qint64(1), qint64(0), qint64(0), 2.5, -123456789.125, QStringLiteral("ab"),
                      Repeat(QStringLiteral("長い文章"), 1500)});  // 12,000 bytes: a chain of LVAL pages
    t.rows.push_back({false, qint64(2), qint64(1), qint64(1), QStringLiteral("-0.0001"), -2.5e-300,
                      Repeat(QString(QChar(0x4E2D)), 255), Repeat(QStringLiteral("plain "), 2000)});
    return {{t}, {}};
}

Fixture Empty()
{
    jet::Table empty{QStringLiteral("tblEmpty"),
                     {{QStringLiteral("ID"), ColumnType::Long}, {QStringLiteral("Name"), ColumnType::Text}},
                     {}};
    jet::Table one{QStringLiteral("tblOne"), {{QStringLiteral("ID"), ColumnType::Long}}, {{qint64(1)}}};
    return {{empty, one}, {}};
}

jet::Table ManyRows(const QString& name, int count)
{
    jet::Table t{name,
                 {{QStringLiteral("ID"), ColumnType::Long},
                  {QStringLiteral("Group"), ColumnType::Integer},
                  {QStringLiteral("Weight"), ColumnType::Double},
                  {QStringLiteral("Code"), ColumnType::Text}},
                 {}};
    t.rows.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const Value code = i % 97 == 0 ? Value() : Value(QStringLiteral("C%1").arg(i * 7919 % 100000));
        t.rows.push_back({qint64(i + 1), qint64(i % 1000 - 500), (i - 50000) * 0.125, code});
    }
    return t;
}

Fixture HundredThousandRows()
{
    return {{ManyRows(QStringLiteral("tblLarge"), 100000)}, {}};
}

// Memo values on LVAL pages between the data pages of the same table.
Fixture MemoPerRow()
{
    jet::Table t{QStringLiteral("tblDiary"),
                 {{QStringLiteral("Day"), ColumnType::Long}, {QStringLiteral("Entry"), ColumnType::Memo}},
                 {}};
    for (int i = 0; i < 2000; ++i)
        t.rows.push_back({qint64(i), QStringLiteral("Day %1: ").arg(i) + Repeat(QStringLiteral("rain "), 60)});
    return {{t}, {}};
}

Fixture IndirectUsageMaps()
{
    Fixture f = Empty();
    f.tables.push_back(ManyRows(QStringLiteral("tblMedium"), 3000));
    f.options.indirectUsageMaps = true;
    return f;
}

// 60 columns with long names: the table definition spans two pages.
Fixture SixtyColumns()
{
    static const ColumnType kTypes[] = {ColumnType::Long, ColumnType::Text, ColumnType::Double, ColumnType::Boolean,
                                        ColumnType::Integer, ColumnType::Memo, ColumnType::Byte, ColumnType::Currency};
    jet::Table t{QStringLiteral("tblWide"), {}, {}};
    for (int c = 0; c < 60; ++c)
        t.columns.append({QStringLiteral("Column %1 of the wide table, named at length").arg(c + 1, 2, 10, QChar(u'0')),
                          kTypes[c % 8]});
    for (int r = 0; r < 40; ++r) {
        std::vector<Value> row;
        for (int c = 0; c < 60; ++c) {
            const int n = r * 61 + c;
            const ColumnType type = t.columns[c].type;
            if (type != ColumnType::Boolean && (r + c) % 9 == 0) {
                row.emplace_back();
                continue;
            }
            switch (type) {
            case ColumnType::Long: row.emplace_back(qint64(n) * 1000003 - 2000000000); break;
            case ColumnType::Text: row.emplace_back(QStringLiteral("r%1c%2").arg(r).arg(c)); break;
            case ColumnType::Double: row.emplace_back(n / 64.0); break;
            case ColumnType::Boolean: row.emplace_back(n % 3 == 0); break;
            case ColumnType::Integer: row.emplace_back(qint64(n % 600 - 300)); break;
            case ColumnType::Memo: row.emplace_back(QStringLiteral("memo %1").arg(n)); break;
            case ColumnType::Byte: row.emplace_back(qint64(n % 256)); break;
            case ColumnType::Currency: row.emplace_back(QStringLiteral("%1.%2").arg(n).arg(n % 10000, 4, 10, QChar(u'0'))); break;
            }
        }
        t.rows.push_back(std::move(row));
    }
    return {{t}, {}};
}

Fixture NonAscii()
{
    jet::Table t{QStringLiteral("Gegenstände"),
                 {{QStringLiteral("Nummer"), ColumnType::Long},
                  {QStringLiteral("Größe"), ColumnType::Text},
                  {QStringLiteral("名前"), ColumnType::Text},
                  {QStringLiteral("Beschreibung"), ColumnType::Memo}},
                 {}};
    t.rows.push_back({qint64(1), QStringLiteral("Übergröße"), QStringLiteral("大きい剣"),
                      QStringLiteral("Schwert aus Eisen – «scharf»")});
    t.rows.push_back({qint64(2), QStringLiteral("a, \"quoted\" text"), QStringLiteral("mixed 日本 text äöü"),
                      QStringLiteral("two\nlines")});
    t.rows.push_back({qint64(3), QStringLiteral("\u0100 byte-zero characters \u0100\u0100"),
                      QStringLiteral("Ελληνικά"), Repeat(QStringLiteral("Ünïcödé "), 200)});
    jet::Table second{QStringLiteral("Материалы"), {{QStringLiteral("Имя"), ColumnType::Text}},
                      {{QStringLiteral("Железо")}, {QStringLiteral("Мифрил")}}};
    return {{t, second}, {}};
}

QString CurrencyText(const Value& value)
{
    qint64 units = 0;
    if (const qint64* whole = std::get_if<qint64>(&value))
        units = *whole * 10000;
    else if (const double* d = std::get_if<double>(&value))
        units = std::llround(*d * 10000);
    else
        units = *jet::format::ParseCurrency(std::get<QString>(value));
    const quint64 magnitude = units < 0 ? 0 - quint64(units) : quint64(units);
    return QStringLiteral("%1%2.%3")
        .arg(units < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 10000)
        .arg(magnitude % 10000, 4, 10, QChar(u'0'));
}

QString Describe(const Value& value)
{
    if (std::holds_alternative<std::monostate>(value))
        return QStringLiteral("Null");
    if (const bool* b = std::get_if<bool>(&value))
        return *b ? QStringLiteral("true") : QStringLiteral("false");
    if (const qint64* n = std::get_if<qint64>(&value))
        return QString::number(*n);
    if (const double* d = std::get_if<double>(&value))
        return QString::number(*d, 'g', 17);
    return QLatin1Char('"') + std::get<QString>(value).left(60) + QLatin1Char('"');
}

double AsDouble(const Value& value)
{
    if (const qint64* n = std::get_if<qint64>(&value))
        return double(*n);
    return std::get<double>(value);
}

// mdb-export cell: Null and the empty text are both an empty unquoted cell; texts quoted; numbers plain
// (doubles with 16 significant digits, currency with four decimals, Booleans 1 and 0).
bool ExportCellMatches(const jet::csv::Cell& cell, ColumnType type, const Value& expected)
{
    if (std::holds_alternative<std::monostate>(expected))
        return cell.text.isEmpty() && !cell.quoted;
    switch (type) {
    case ColumnType::Boolean: return cell.text == (std::get<bool>(expected) ? u"1" : u"0");
    case ColumnType::Byte:
    case ColumnType::Integer:
    case ColumnType::Long: return !cell.quoted && cell.text == QString::number(std::get<qint64>(expected));
    case ColumnType::Currency: return !cell.quoted && cell.text == CurrencyText(expected);
    case ColumnType::Double: {
        const QByteArray text = cell.text.toLatin1();
        char* end = nullptr;
        const double read = std::strtod(text.constData(), &end);
        return !cell.quoted && !text.isEmpty() && *end == '\0' && read == AsDouble(expected);
    }
    case ColumnType::Text:
    case ColumnType::Memo: {
        const QString& text = std::get<QString>(expected);
        return text.isEmpty() ? cell.text.isEmpty() && !cell.quoted : cell.quoted && cell.text == text;
    }
    }
    return false;
}

bool JsonCellMatches(const QJsonValue& cell, ColumnType type, const Value& expected)
{
    if (std::holds_alternative<std::monostate>(expected))
        return cell.isNull();
    switch (type) {
    case ColumnType::Boolean: return cell.isBool() && cell.toBool() == std::get<bool>(expected);
    case ColumnType::Byte:
    case ColumnType::Integer:
    case ColumnType::Long: return cell.isDouble() && cell.toDouble() == double(std::get<qint64>(expected));
    case ColumnType::Currency: return cell.isString() && cell.toString() == CurrencyText(expected);
    case ColumnType::Double: return cell.isDouble() && cell.toDouble() == AsDouble(expected);
    case ColumnType::Text:
    case ColumnType::Memo: return cell.isString() && cell.toString() == std::get<QString>(expected);
    }
    return false;
}

// How each reader names a column type: mdb-schema, and mdb-reader's column "type".
struct ReaderTypeNames {
    QString schema;
    QString js;
};

ReaderTypeNames NamesOf(ColumnType type)
{
    switch (type) {
    case ColumnType::Boolean: return {u"Boolean"_qs, u"boolean"_qs};
    case ColumnType::Byte: return {u"Byte"_qs, u"byte"_qs};
    case ColumnType::Integer: return {u"Integer"_qs, u"integer"_qs};
    case ColumnType::Long: return {u"Long Integer"_qs, u"long"_qs};
    case ColumnType::Currency: return {u"Currency"_qs, u"currency"_qs};
    case ColumnType::Double: return {u"Double"_qs, u"double"_qs};
    case ColumnType::Text: return {u"Text (255)"_qs, u"text"_qs};
    case ColumnType::Memo: return {u"Memo/Hyperlink (255)"_qs, u"memo"_qs};
    }
    return {};
}

// Collects differences, keeping the first few for the failure message.
struct Differences {
    int count = 0;
    QStringList shown;

    void Add(const QString& what)
    {
        if (++count <= 10)
            shown << what;
    }
    QByteArray Report() const
    {
        return QStringLiteral("%1 differences:\n  %2").arg(count).arg(shown.join(QStringLiteral("\n  "))).toUtf8();
    }
};

} // namespace

class TestJetReaders : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void bothReadersReturnTheSource_data();
    void bothReadersReturnTheSource();

private:
    QByteArray Run(const QString& program, const QStringList& args);
    void CompareMdbtools(const QString& path, const std::vector<jet::Table>& tables, Differences& diff);
    void CompareMdbReader(const QString& path, const std::vector<jet::Table>& tables, Differences& diff);

    QString node_;
    QTemporaryDir dir_;
};

void TestJetReaders::initTestCase()
{
    QVERIFY(dir_.isValid());
    for (const char* tool : {"mdb-tables", "mdb-schema", "mdb-export"})
        QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(), tool);
    node_ = QStandardPaths::findExecutable(QStringLiteral("node"));
    QVERIFY2(!node_.isEmpty(), "node is not installed");
    QVERIFY2(QDir(QStringLiteral(KELVARA_JSREADER_DIR "/node_modules/mdb-reader")).exists(),
             "mdb-reader is missing: run `npm ci` in tests/tools/jsreader (bash setup.sh test does)");
}

QByteArray TestJetReaders::Run(const QString& program, const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(program, args);
    const bool finished = process.waitForFinished(120000);
    const QByteArray out = process.readAllStandardOutput();
    const QByteArray err = process.readAllStandardError();
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning("%s %s failed: %s", qPrintable(program), qPrintable(args.join(u' ')), err.constData());
        return {};
    }
    return out;
}

void TestJetReaders::CompareMdbtools(const QString& path, const std::vector<jet::Table>& tables, Differences& diff)
{
    QStringList expectedNames;
    for (const jet::Table& t : tables)
        expectedNames << t.name;
    const QStringList names = QString::fromUtf8(Run(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), path}))
                                  .split(u'\n', Qt::SkipEmptyParts);
    if (names != expectedNames)
        diff.Add(QStringLiteral("mdb-tables: %1, expected %2").arg(names.join(u','), expectedNames.join(u',')));

    // mdb-schema: "CREATE TABLE [name]" then one "[column]  Type," line per column.
    const QString schema = QString::fromUtf8(Run(QStringLiteral("mdb-schema"), {path}));
    static const QRegularExpression kColumnLine(QStringLiteral("^\\s+\\[(.+)\\]\\s+(.+?)(?: NOT NULL)?,?\\s*$"));
    for (const jet::Table& t : tables) {
        const qsizetype at = schema.indexOf(QStringLiteral("CREATE TABLE [%1]").arg(t.name));
        const qsizetype end = schema.indexOf(QStringLiteral(");"), at);
        if (at < 0 || end < 0) {
            diff.Add(QStringLiteral("mdb-schema: no table %1").arg(t.name));
            continue;
        }
        QStringList columns, expectedColumns;
        for (const QString& line : schema.mid(at, end - at).split(u'\n')) {
            const QRegularExpressionMatch m = kColumnLine.match(line);
            if (m.hasMatch())
                columns << m.captured(1) + u' ' + m.captured(2);
        }
        for (const jet::Column& c : t.columns)
            expectedColumns << c.name + u' ' + NamesOf(c.type).schema;
        if (columns != expectedColumns)
            diff.Add(QStringLiteral("mdb-schema %1: %2, expected %3")
                         .arg(t.name, columns.join(u','), expectedColumns.join(u',')));
    }

    for (const jet::Table& t : tables) {
        const QString csv = QString::fromUtf8(Run(QStringLiteral("mdb-export"), {path, t.name}));
        const std::vector<jet::csv::Record> records = jet::csv::Parse(csv, QStringLiteral("mdb-export"));
        if (records.size() != t.rows.size() + 1) {
            diff.Add(QStringLiteral("mdb-export %1: %2 rows, expected %3").arg(t.name).arg(qsizetype(records.size()) - 1)
                         .arg(t.rows.size()));
            continue;
        }
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            const std::vector<jet::csv::Cell>& cells = records[r + 1].cells;
            if (cells.size() != std::size_t(t.columns.size())) {
                diff.Add(QStringLiteral("mdb-export %1 row %2: %3 cells").arg(t.name).arg(r + 1).arg(cells.size()));
                continue;
            }
            for (qsizetype c = 0; c < t.columns.size(); ++c) {
                if (!ExportCellMatches(cells[std::size_t(c)], t.columns[c].type, t.rows[r][std::size_t(c)]))
                    diff.Add(QStringLiteral("mdb-export %1 row %2 %3: %4, expected %5")
                                 .arg(t.name).arg(r + 1).arg(t.columns[c].name, cells[std::size_t(c)].text.left(60),
                                                              Describe(t.rows[r][std::size_t(c)])));
            }
        }
    }
}

void TestJetReaders::CompareMdbReader(const QString& path, const std::vector<jet::Table>& tables, Differences& diff)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(
        Run(node_, {QStringLiteral(KELVARA_JSREADER_DIR "/dump.mjs"), path}), &error);
    if (error.error != QJsonParseError::NoError) {
        diff.Add(QStringLiteral("mdb-reader: no JSON (%1)").arg(error.errorString()));
        return;
    }
    const QJsonArray read = doc.object().value(u"tables").toArray();
    if (read.size() != qsizetype(tables.size())) {
        diff.Add(QStringLiteral("mdb-reader: %1 tables, expected %2").arg(read.size()).arg(tables.size()));
        return;
    }
    for (std::size_t i = 0; i < tables.size(); ++i) {
        const jet::Table& t = tables[i];
        const QJsonObject table = read[qsizetype(i)].toObject();
        if (table.value(u"name").toString() != t.name)
            diff.Add(QStringLiteral("mdb-reader: table %1, expected %2").arg(table.value(u"name").toString(), t.name));
        if (table.value(u"rowCount").toInteger() != qint64(t.rows.size()))
            diff.Add(QStringLiteral("mdb-reader %1: row count %2").arg(t.name).arg(table.value(u"rowCount").toInteger()));
        const QJsonArray columns = table.value(u"columns").toArray();
        for (qsizetype c = 0; c < t.columns.size(); ++c) {
            const QJsonObject column = columns.at(c).toObject();
            if (column.value(u"name").toString() != t.columns[c].name
                || column.value(u"type").toString() != NamesOf(t.columns[c].type).js)
                diff.Add(QStringLiteral("mdb-reader %1: column %2 is %3 %4").arg(t.name).arg(c)
                             .arg(column.value(u"name").toString(), column.value(u"type").toString()));
        }
        const QJsonArray rows = table.value(u"rows").toArray();
        if (rows.size() != qsizetype(t.rows.size()) || columns.size() != t.columns.size()) {
            diff.Add(QStringLiteral("mdb-reader %1: %2 rows of %3 columns").arg(t.name).arg(rows.size())
                         .arg(columns.size()));
            continue;
        }
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            const QJsonArray row = rows[qsizetype(r)].toArray();
            for (qsizetype c = 0; c < t.columns.size(); ++c) {
                if (!JsonCellMatches(row.at(c), t.columns[c].type, t.rows[r][std::size_t(c)]))
                    diff.Add(QStringLiteral("mdb-reader %1 row %2 %3: %4, expected %5")
                                 .arg(t.name).arg(r + 1)
                                 .arg(t.columns[c].name,
                                      QString::fromUtf8(QJsonDocument(QJsonArray{row.at(c)}).toJson(QJsonDocument::Compact)).left(60),
                                      Describe(t.rows[r][std::size_t(c)])));
            }
        }
    }
}

using FixtureMaker = Fixture (*)();
Q_DECLARE_METATYPE(FixtureMaker)

void TestJetReaders::bothReadersReturnTheSource_data()
{
    QTest::addColumn<FixtureMaker>("make");
    QTest::newRow("empty table") << &Empty;
    QTest::newRow("Nulls and edge values of every type") << &NullsAndEdges;
    QTest::newRow("100,000 rows") << &HundredThousandRows;
    QTest::newRow("a memo on an LVAL page per row") << &MemoPerRow;
    QTest::newRow("indirect usage maps") << &IndirectUsageMaps;
    QTest::newRow("60 columns") << &SixtyColumns;
    QTest::newRow("non-ASCII names and values") << &NonAscii;
}

void TestJetReaders::bothReadersReturnTheSource()
{
    QFETCH(FixtureMaker, make);
    const Fixture fixture = make();
    const QString path = dir_.filePath(QStringLiteral("%1.mdb").arg(QLatin1String(QTest::currentDataTag())).replace(u' ', u'_'));
    jet::WriteDatabase(path, fixture.tables, fixture.options);

    Differences diff;
    CompareMdbtools(path, fixture.tables, diff);
    CompareMdbReader(path, fixture.tables, diff);
    QVERIFY2(diff.count == 0, diff.Report().constData());
}

QTEST_GUILESS_MAIN(TestJetReaders)
#include "tst_jetreaders.moc"
