#include "core/kelvaraerror.h"
#include "db/jetdb.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

// Files that Microsoft Access itself wrote: every common column type, catalog
// indexes, Access's own page layout. What the record set reads must be what
// mdbtools' own exporter prints.
class TstAccessFiles : public QObject
{
    Q_OBJECT

    static QString File(const char* name)
    {
        return QDir(QStringLiteral(KELVARA_TEST_DATA "/access-made")).filePath(QLatin1String(name));
    }

    static QList<QJsonObject> Export(const QString& file, const QString& table)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("mdb-json"), {QStringLiteral("-T"), QStringLiteral("%m/%d/%Y %H:%M:%S"), file, table});
        p.waitForFinished(30000);
        QList<QJsonObject> rows;
        for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
            if (!line.trimmed().isEmpty())
                rows << QJsonDocument::fromJson(line).object();
        }
        return rows;
    }

private slots:
    void tables_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("rows");
        QTest::newRow("types Table1") << File("access2000-types.mdb") << "Table1" << 2;
        QTest::newRow("types Table2") << File("access2000-types.mdb") << "Table2" << 0;
        QTest::newRow("types Table3") << File("access2000-types.mdb") << "Table3" << 0;
        QTest::newRow("types Table4") << File("access2000-types.mdb") << "Table4" << 0;
        QTest::newRow("numeric 2000") << File("access2000-numeric.mdb") << "test" << 1;
        QTest::newRow("numeric 2003") << File("access2003-numeric.mdb") << "test" << 1;
    }

    void tables()
    {
        QFETCH(QString, file);
        QFETCH(QString, table);
        QFETCH(int, rows);
        const QList<QJsonObject> expected = Export(file, table);
        QCOMPARE(expected.size(), rows);

        Connection connection;
        connection.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;").arg(file));
        RecordSet records;
        records.Open(QStringLiteral("SELECT * FROM ") + table, connection);
        int row = 0;
        for (; !records.AtEnd(); records.MoveNext(), ++row) {
            QVERIFY(row < expected.size());
            const QJsonObject& want = expected[row];
            for (int position = 0; position < records.FieldCount(); ++position) {
                const QString name = records.FieldName(position);
                const DbValue got = records.Field(position);
                const QString where = QStringLiteral("%1 row %2 column %3").arg(table).arg(row).arg(name);
                if (!want.contains(name)) { // the exporter leaves Null out
                    QVERIFY2(got.IsNull(), qPrintable(where));
                } else if (want[name].isString()) {
                    QCOMPARE(got.ToText(), want[name].toString());
                } else if (got.kind() == DbValue::Kind::Boolean) {
                    double number = 0;
                    QVERIFY(got.ToNumber(&number));
                    QVERIFY2((number != 0) == (want[name].toDouble() != 0), qPrintable(where));
                } else {
                    double number = 0;
                    QVERIFY2(got.ToNumber(&number), qPrintable(where));
                    QCOMPARE(number, want[name].toDouble());
                }
            }
            QStringList names;
            for (int position = 0; position < records.FieldCount(); ++position)
                names << records.FieldName(position);
            for (const QString& key : want.keys())
                QVERIFY2(names.contains(key), qPrintable(key));
        }
        QCOMPARE(row, rows);
    }

    void emptyDatabaseHasNoTables()
    {
        Connection connection;
        connection.Open(
            QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;").arg(File("access2000-empty.mdb")));
        RecordSet records;
        try {
            records.Open(QStringLiteral("SELECT * FROM tblStat"), connection);
            QFAIL("no error");
        } catch (const KelvaraError& e) {
            QVERIFY2(e.message().contains(QStringLiteral("tblStat")), qPrintable(e.message()));
            QVERIFY2(e.message().contains(QStringLiteral("access2000-empty.mdb")), qPrintable(e.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TstAccessFiles)
#include "tst_accessfiles.moc"
