// CSV input: the cell splitter, typed tables from CSV files, and the kelvara-mkdb command built on them.
#include "jet/csv.h"
#include "jet/jetwriter.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using jet::ColumnType;
using jet::Value;

namespace {

// A record written as its line and its cells, a quoted cell in brackets: "1: a|[b,c]|".
QString Show(const jet::csv::Record& record)
{
    QStringList cells;
    for (const jet::csv::Cell& cell : record.cells)
        cells << (cell.quoted ? u'[' + cell.text + u']' : cell.text);
    return QString::number(record.line) + QStringLiteral(": ") + cells.join(u'|');
}

} // namespace

class TestJetCsv : public QObject {
    Q_OBJECT

private slots:
    void init();
    void parse_data();
    void parse();
    void parseErrors_data();
    void parseErrors();
    void readsTypedCells();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void commandWritesTheDatabase();
    void commandRefusesBadInput_data();
    void commandRefusesBadInput();

private:
    QString Write(const QString& name, const QByteArray& content);
    int RunCommand(const QStringList& args, QString* errors = nullptr);

    std::unique_ptr<QTemporaryDir> dir_;
};

void TestJetCsv::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

QString TestJetCsv::Write(const QString& name, const QByteArray& content)
{
    const QString path = dir_->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

int TestJetCsv::RunCommand(const QStringList& args, QString* errors)
{
    QProcess process;
    process.start(QStringLiteral(KELVARA_MKDB), args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    if (errors)
        *errors = QString::fromUtf8(process.readAllStandardError());
    return process.exitCode();
}

void TestJetCsv::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("records");

    QTest::newRow("plain") << QStringLiteral("a,b\n1,2\n") << QStringList{u"1: a|b"_qs, u"2: 1|2"_qs};
    QTest::newRow("no final line break") << QStringLiteral("a\nb") << QStringList{u"1: a"_qs, u"2: b"_qs};
    QTest::newRow("CRLF") << QStringLiteral("a,b\r\n1,2\r\n") << QStringList{u"1: a|b"_qs, u"2: 1|2"_qs};
    QTest::newRow("empty cells") << QStringLiteral(",,\n") << QStringList{u"1: ||"_qs};
    QTest::newRow("quoted empty text") << QStringLiteral("\"\",x\n") << QStringList{u"1: []|x"_qs};
    QTest::newRow("comma and quote inside quotes")
        << QStringLiteral("\"a,b\",\"say \"\"hi\"\"\"\n") << QStringList{u"1: [a,b]|[say \"hi\"]"_qs};
    QTest::newRow("line break inside quotes counts lines")
        << QStringLiteral("\"one\ntwo\",x\ny\n") << QStringList{u"1: [one\ntwo]|x"_qs, u"3: y"_qs};
    QTest::newRow("byte order mark") << QStringLiteral("\uFEFFa\n") << QStringList{u"1: a"_qs};
    QTest::newRow("lone CR is text") << QStringLiteral("a\rb\n") << QStringList{u"1: a\rb"_qs};
    QTest::newRow("blank line is one empty cell") << QStringLiteral("a\n\nb\n")
                                                  << QStringList{u"1: a"_qs, u"2: "_qs, u"3: b"_qs};
    QTest::newRow("nothing") << QString() << QStringList{};
}

void TestJetCsv::parse()
{
    QFETCH(QString, text);
    QFETCH(QStringList, records);
    QStringList shown;
    for (const jet::csv::Record& record : jet::csv::Parse(text, QStringLiteral("t.csv")))
        shown << Show(record);
    QCOMPARE(shown, records);
}

void TestJetCsv::parseErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("quote never closed") << QStringLiteral("a\nx,\"open\n") << QStringLiteral("t.csv:2: cell 2: the quote is never closed");
    QTest::newRow("text after closing quote") << QStringLiteral("\"ab\"c\n") << QStringLiteral("t.csv:1: cell 1: text after the closing quote");
    QTest::newRow("quote inside a plain cell") << QStringLiteral("a\nb,c\"d\n") << QStringLiteral("t.csv:2: cell 2: a quote inside a cell must be doubled and the cell quoted");
}

void TestJetCsv::parseErrors()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    try {
        jet::csv::Parse(text, QStringLiteral("t.csv"));
        QFAIL("no error");
    } catch (const jet::Error& e) {
        QCOMPARE(QString::fromStdString(e.what()), message);
    }
}

void TestJetCsv::readsTypedCells()
{
    const QString path = Write(QStringLiteral("all.csv"),
                               "Id:long,Small:BYTE,Mid:int,Real:double,Money:currency,Flag:bool,Name:text,Notes:memo\n"
                               "1,255,-32768,2.5e-3,-12.34,yes,\"\",\"multi\nline\"\n"
                               "-2147483648,,,,,false,,\n");
    const jet::Table t = jet::ReadCsvTable(QStringLiteral("tblAll"), path);
    QCOMPARE(t.name, u"tblAll"_qs);
    const QList<ColumnType> types{ColumnType::Long, ColumnType::Byte, ColumnType::Integer, ColumnType::Double,
                                  ColumnType::Currency, ColumnType::Boolean, ColumnType::Text, ColumnType::Memo};
    QCOMPARE(t.columns.size(), types.size());
    for (qsizetype i = 0; i < types.size(); ++i)
        QCOMPARE(t.columns[i].type, types[i]);
    QCOMPARE(t.columns[1].name, u"Small"_qs);
    const std::vector<std::vector<Value>> rows{
        {qint64(1), qint64(255), qint64(-32768), 2.5e-3, u"-12.34"_qs, true, QString(), u"multi\nline"_qs},
        {qint64(-2147483648), Value(), Value(), Value(), Value(), false, Value(), Value()}};
    QVERIFY(t.rows == rows);
}

void TestJetCsv::refusesBadFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");  // after "PATH:"

    QTest::newRow("unknown type") << QByteArray("Id:long,When:date\n")
                                  << u"1: column 2 (When): unknown type \"date\" (known: long, int, byte, double, currency, bool, text, memo)"_qs;
    QTest::newRow("header without type") << QByteArray("Id:long,Name\n")
                                         << u"1: column 2: header cell \"Name\" is not Name:type"_qs;
    QTest::newRow("two columns of one name") << QByteArray("Id:long,ID:text\n")
                                             << u"1: column 2 (ID): a second column of this name"_qs;
    QTest::newRow("not a number") << QByteArray("Id:long,Value:double\n1,2\n2,abc\n")
                                  << u"3: column 2 (Value): \"abc\" is not a number"_qs;
    QTest::newRow("fraction in a long column") << QByteArray("Id:long\n1.5\n")
                                               << u"2: column 1 (Id): \"1.5\" is not a whole number"_qs;
    QTest::newRow("quoted empty number") << QByteArray("Id:long\n\"\"\n")
                                         << u"2: column 1 (Id): \"\" is not a whole number"_qs;
    QTest::newRow("int out of range") << QByteArray("N:int\n32768\n")
                                      << u"2: column 1 (N): 32768 is out of range for int (-32768 .. 32767)"_qs;
    QTest::newRow("text of 256") << QByteArray("Id:long,Name:text\n1,") + QByteArray(256, 'x') + "\n"
                                 << u"2: column 2 (Name): text of 256 characters is longer than 255"_qs;
    QTest::newRow("ragged row") << QByteArray("A:long,B:long\n1,2\n3\n") << u"3: 1 cells, the header has 2"_qs;
    QTest::newRow("empty Boolean") << QByteArray("F:bool\n\n")
                                   << u"2: column 1 (F): a bool column cannot be empty (write true or false)"_qs;
    QTest::newRow("six currency decimals") << QByteArray("M:currency\n1.000001\n")
                                           << u"2: column 1 (M): \"1.000001\" is not an amount with at most four decimals"_qs;
    QTest::newRow("no header") << QByteArray() << u" no header line"_qs;
    QTest::newRow("not UTF-8") << QByteArray("Name:text\n\xC3(\n") << u" not UTF-8 text"_qs;
}

void TestJetCsv::refusesBadFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QString path = Write(QStringLiteral("bad.csv"), content);
    try {
        jet::ReadCsvTable(QStringLiteral("T"), path);
        QFAIL("no error");
    } catch (const jet::Error& e) {
        QCOMPARE(QString::fromStdString(e.what()), path + u':' + message);
    }
}

void TestJetCsv::commandWritesTheDatabase()
{
    const QString items = Write(QStringLiteral("items.csv"), "ItemID:long,Item:text\n1,Sword\n2,\n");
    const QString ranks = Write(QStringLiteral("ranks.csv"), "RankID:long,Experience:double\n1,0\n2,1500.5\n");
    const QString out = dir_->filePath(QStringLiteral("Kelvara.mdb"));
    QCOMPARE(RunCommand({out, u"tblItem="_qs + items, u"tblRank="_qs + ranks}), 0);

    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray expected = jet::BuildDatabase(
        {jet::ReadCsvTable(u"tblItem"_qs, items), jet::ReadCsvTable(u"tblRank"_qs, ranks)});
    QCOMPARE(file.readAll(), expected);
}

void TestJetCsv::commandRefusesBadInput_data()
{
    QTest::addColumn<QStringList>("tableArgs");  // FILE stands for a good CSV file, BAD for a bad one
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("status");
    QTest::newRow("bad cell") << QStringList{u"tblA=FILE"_qs, u"tblB=BAD"_qs}
                              << u"bad.csv:3: column 2 (Value): \"x\" is not a whole number"_qs << 1;
    QTest::newRow("missing file") << QStringList{u"tblA=nowhere.csv"_qs} << u"nowhere.csv: cannot read"_qs << 1;
    QTest::newRow("not TABLE=FILE") << QStringList{u"tblA"_qs} << u"\"tblA\" is not TABLE=FILE.csv"_qs << 1;
    QTest::newRow("one table twice") << QStringList{u"tblA=FILE"_qs, u"TBLA=FILE"_qs}
                                     << u"two tables are named \"TBLA\""_qs << 1;
    QTest::newRow("no tables") << QStringList{} << u"usage: kelvara-mkdb OUT.mdb"_qs << 2;
}

void TestJetCsv::commandRefusesBadInput()
{
    QFETCH(QStringList, tableArgs);
    QFETCH(QString, message);
    QFETCH(int, status);
    const QString good = Write(QStringLiteral("good.csv"), "Id:long\n1\n");
    const QString bad = Write(QStringLiteral("bad.csv"), "Id:long,Value:long\n1,1\n2,x\n");
    const QString out = dir_->filePath(QStringLiteral("out.mdb"));
    QStringList args{out};
    for (QString arg : tableArgs)
        args << arg.replace(u"FILE"_qs, good).replace(u"BAD"_qs, bad);

    QString errors;
    QCOMPARE(RunCommand(args, &errors), status);
    QVERIFY2(errors.contains(message), qPrintable(errors));
    QVERIFY(!QFile::exists(out));

    // An existing file stays as it was.
    Write(QStringLiteral("out.mdb"), "previous");
    QCOMPARE(RunCommand(args), status);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("previous"));
}

QTEST_GUILESS_MAIN(TestJetCsv)
#include "tst_jetcsv.moc"
