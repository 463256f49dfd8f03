#include "db/jetdb.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// Files that Microsoft Access itself wrote (every common column type, catalog indexes, Access's own page layout):
// what the record set reads must be what mdbtools' mdb-json prints, cell by cell.
class TstAccessFiles : public QObject
{
    Q_OBJECT

private slots:
    void tables_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("rows");
        const std::tuple<const char*, const char*, int> tables[] = {{"access2000-types.mdb", "Table1", 2},
                                                                    {"access2000-types.mdb", "Table2", 0},
                                                                    {"access2000-numeric.mdb", "test", 1},
                                                                    {"access2003-numeric.mdb", "test", 1}};
        for (const auto& [file, table, rows] : tables)
            QTest::addRow("%s %s", file, table) << QString::fromLatin1(file) << QString::fromLatin1(table) << rows;
    }

    void tables()
    {
        QFETCH(QString, file);
        QFETCH(QString, table);
        QFETCH(int, rows);
        const QString path = QDir(QStringLiteral(KELVARA_TEST_DATA "/access-made")).filePath(file);
        QProcess p;
        p.start(u"env"_s, {u"LC_ALL=C"_s, u"mdb-json"_s, u"-T"_s, u"%m/%d/%Y %H:%M:%S"_s, path, table});
        QVERIFY(p.waitForFinished(30000) && p.exitCode() == 0);
        QList<QJsonObject> expected;
        for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
            if (!line.trimmed().isEmpty())
                expected << QJsonDocument::fromJson(line).object();
        QCOMPARE(expected.size(), rows);

        Connection connection;
        connection.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;").arg(path));
        RecordSet records;
        records.Open(u"SELECT * FROM "_s + table, connection);
        int row = 0;
        for (; !records.AtEnd(); records.MoveNext(), ++row) {
            QVERIFY(row < expected.size());
            QJsonObject want = expected[row];
            for (int position = 0; position < records.FieldCount(); ++position) {
                const QString name = records.FieldName(position);
                const DbValue got = records.Field(position);
                const QString where = QStringLiteral("%1 row %2 column %3").arg(table).arg(row).arg(name);
                double number = 0;
                if (!want.contains(name)) { // the exporter leaves Null out
                    QVERIFY2(got.IsNull(), qPrintable(where));
                } else if (want[name].isString()) {
                    QCOMPARE(got.ToText(), want[name].toString());
                } else {
                    QVERIFY2(got.ToNumber(&number), qPrintable(where));
                    if (got.kind() == DbValue::Kind::Boolean)
                        QVERIFY2((number != 0) == (want[name].toDouble() != 0), qPrintable(where));
                    else
                        QCOMPARE(number, want[name].toDouble());
                }
                want.remove(name);
            }
            QVERIFY2(want.isEmpty(), qPrintable(want.keys().join(u','))); // no column left unread
        }
        QCOMPARE(row, rows);
    }
};

QTEST_GUILESS_MAIN(TstAccessFiles)
#include "tst_accessfiles.moc"
