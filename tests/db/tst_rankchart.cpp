#include "clock/kelvaraerror.h"
#include "db/jetdb.h"
#include "db/rankchart.h"
#include "jet/jetwriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

namespace {

using Rows = std::vector<std::vector<jet::Value>>;

jet::Table RankTable(jet::ColumnType experienceType, Rows rows)
{
    return {QStringLiteral("tblRank"),
            {{QStringLiteral("RankID"), jet::ColumnType::Long},
             {QStringLiteral("Rank"), jet::ColumnType::Text},
             {QStringLiteral("Experience"), experienceType}},
            std::move(rows)};
}

QString ConnectionText(const QString& path)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;").arg(path);
}

const QLocale UnitedStates(QLocale::English, QLocale::UnitedStates);

// A chart line with the count of blanks spelled out.
QString Line(const char* name, int blanks, const QString& number)
{
    return QLatin1String(name) + QString(blanks, QLatin1Char(' ')) + number;
}

} // namespace

class TstRankChart : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;

    QString Write(const std::vector<jet::Table>& tables)
    {
        static int count = 0;
        const QString path = mDir.filePath(QStringLiteral("ranks%1.mdb").arg(++count));
        jet::WriteDatabase(path, tables);
        return path;
    }

    QString Chart(const std::vector<jet::Table>& tables, const QLocale& locale = UnitedStates)
    {
        Connection connection;
        connection.Open(ConnectionText(Write(tables)));
        return RankChartText(connection, locale);
    }

private slots:
    void initTestCase() { QVERIFY(mDir.isValid()); }

    void line_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("line");
        QTest::newRow("30 and 5: no blank") << "Keeper of the Northern Watches" << "1,000"
                                           << "Keeper of the Northern Watches1,000\r\n";
        QTest::newRow("3 and 9: 23 blanks") << "Sir" << "1,234,567"
                                           << "Sir" + QString(23, QLatin1Char(' ')) + "1,234,567\r\n";
        QTest::newRow("zero") << "Novice" << "0" << "Novice" + QString(28, QLatin1Char(' ')) + "0\r\n";
        QTest::newRow("one over: one blank") << "Keeper of the Northern Watchesx" << "1,000"
                                             << "Keeper of the Northern Watchesx 1,000\r\n";
        QTest::newRow("long name: one blank") << QString(40, QLatin1Char('N')) << "12"
                                              << QString(40, QLatin1Char('N')) + " 12\r\n";
        QTest::newRow("no name") << "" << "500" << QString(32, QLatin1Char(' ')) + "500\r\n";
        QTest::newRow("no number") << "Squire" << "" << "Squire" + QString(29, QLatin1Char(' ')) + "\r\n";
        QTest::newRow("neither") << "" << "" << QString(35, QLatin1Char(' ')) + "\r\n";
        QTest::newRow("long name, no number") << QString(36, QLatin1Char('N')) << ""
                                              << QString(36, QLatin1Char('N')) + "\r\n";
        QTest::newRow("exactly 35 name") << QString(35, QLatin1Char('N')) << ""
                                         << QString(35, QLatin1Char('N')) + "\r\n";
    }

    void line()
    {
        QFETCH(QString, name);
        QFETCH(QString, number);
        QFETCH(QString, line);
        QCOMPARE(RankChartLine(name, number), line);
    }

    void experience_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<DbValue>("value");
        QTest::addColumn<QString>("text");
        const QLocale german(QLocale::German, QLocale::Germany);
        const QLocale swiss(QLocale::German, QLocale::Switzerland);
        const QLocale french(QLocale::French, QLocale::France);
        QTest::newRow("US grouping") << UnitedStates << DbValue::Integer(1234567) << "1,234,567";
        QTest::newRow("German grouping") << german << DbValue::Integer(1234567) << "1.234.567";
        QTest::newRow("Swiss grouping") << swiss << DbValue::Integer(1234567) << "1\u2019234\u2019567";
        QTest::newRow("French grouping") << french << DbValue::Integer(1234567) << "1\u202f234\u202f567";
        QTest::newRow("C: no grouping") << QLocale::c() << DbValue::Integer(1234567) << "1234567";
        QTest::newRow("under a thousand") << UnitedStates << DbValue::Integer(999) << "999";
        QTest::newRow("zero") << UnitedStates << DbValue::Integer(0) << "0";
        QTest::newRow("negative") << UnitedStates << DbValue::Integer(-2500) << "-2,500";
        QTest::newRow("largest long") << UnitedStates << DbValue::Integer(std::numeric_limits<int32_t>::max())
                                      << "2,147,483,647";
        QTest::newRow("fraction down") << UnitedStates << DbValue::Double(1234.4) << "1,234";
        QTest::newRow("fraction up") << UnitedStates << DbValue::Double(1234.6) << "1,235";
        QTest::newRow("half away from zero") << UnitedStates << DbValue::Double(2.5) << "3";
        QTest::newRow("negative half") << UnitedStates << DbValue::Double(-2.5) << "-3";
        QTest::newRow("small negative") << UnitedStates << DbValue::Double(-0.4) << "0";
        QTest::newRow("German fraction") << german << DbValue::Double(1500.75) << "1.501";
        QTest::newRow("beyond 32 bits") << UnitedStates << DbValue::Double(1e12) << "1,000,000,000,000";
        QTest::newRow("number in a text") << UnitedStates << DbValue::Text(QStringLiteral(" 1500 ")) << "1,500";
        QTest::newRow("word") << UnitedStates << DbValue::Text(QStringLiteral("lots")) << "";
        QTest::newRow("empty text") << UnitedStates << DbValue::Text(QString()) << "";
        QTest::newRow("infinite text") << UnitedStates << DbValue::Text(QStringLiteral("inf")) << "";
        QTest::newRow("infinite") << UnitedStates << DbValue::Double(std::numeric_limits<double>::infinity()) << "";
        QTest::newRow("not a number") << UnitedStates << DbValue::Double(std::numeric_limits<double>::quiet_NaN())
                                      << "";
        QTest::newRow("Null") << UnitedStates << DbValue() << "";
    }

    void experience()
    {
        QFETCH(QLocale, locale);
        QFETCH(DbValue, value);
        QFETCH(QString, text);
        QCOMPARE(ExperienceText(value, locale), text);
    }

    // Rows in RankID order, whatever order the table holds them in.
    void chartInRankOrder()
    {
        const QString chart = Chart({RankTable(jet::ColumnType::Long, {{qint64(3), QStringLiteral("Knight"), qint64(8900)},
                                                                        {qint64(1), QStringLiteral("Novice"), qint64(0)},
                                                                        {qint64(2), QStringLiteral("Sir"), qint64(1234567)}})});
        QCOMPARE(chart, Line("Novice", 28, "0\r\n") + Line("Sir", 23, "1,234,567\r\n") + Line("Knight", 24, "8,900\r\n"));
    }

    void chartWithPinnedLocale()
    {
        const std::vector<jet::Table> tables = {
            RankTable(jet::ColumnType::Long, {{qint64(1), QStringLiteral("Warlord"), qint64(160850)}})};
        QCOMPARE(Chart(tables, QLocale(QLocale::German, QLocale::Germany)), Line("Warlord", 21, "160.850\r\n"));
        QCOMPARE(Chart(tables, QLocale::c()), Line("Warlord", 22, "160850\r\n"));
    }

    void chartOfFractions_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("Double") << int(jet::ColumnType::Double);
        QTest::newRow("Currency") << int(jet::ColumnType::Currency);
    }

    void chartOfFractions()
    {
        QFETCH(int, type);
        const QString chart = Chart({RankTable(static_cast<jet::ColumnType>(type),
                                               {{qint64(1), QStringLiteral("Adept"), 3399.5},
                                                {qint64(2), QStringLiteral("Warden"), 5500.25}})});
        QCOMPARE(chart, Line("Adept", 25, "3,400\r\n") + Line("Warden", 24, "5,500\r\n"));
    }

    void emptyTable() { QCOMPARE(Chart({RankTable(jet::ColumnType::Long, {})}), QString()); }

    // Nulls, words and names too long for the column are shown; none stops the chart.
    void oddRows()
    {
        const QString longName = QStringLiteral("Grand Keeper of the Seven Northern Watches");
        const QString chart =
            Chart({RankTable(jet::ColumnType::Text, {{qint64(1), std::monostate(), QStringLiteral("100")},
                                                     {qint64(2), QStringLiteral("Squire"), std::monostate()},
                                                     {qint64(3), QStringLiteral("Page"), QStringLiteral("many")},
                                                     {qint64(4), longName, QStringLiteral("99999")},
                                                     {qint64(5), QString(), QString()}})});
        const QStringList lines = chart.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0], QString(32, QLatin1Char(' ')) + QStringLiteral("100"));
        QCOMPARE(lines[1], QStringLiteral("Squire") + QString(29, QLatin1Char(' ')));
        QCOMPARE(lines[2], QStringLiteral("Page") + QString(31, QLatin1Char(' ')));
        QCOMPARE(lines[3], longName + QStringLiteral(" 99,999"));
        QCOMPARE(lines[4], QString(35, QLatin1Char(' ')));
        QCOMPARE(lines[5], QString());
    }

    // Other columns are not read; the name may be any type, taken as its text.
    void extraColumns()
    {
        jet::Table table{QStringLiteral("tblRank"),
                         {{QStringLiteral("RankID"), jet::ColumnType::Long},
                          {QStringLiteral("Level"), jet::ColumnType::Integer},
                          {QStringLiteral("Experience"), jet::ColumnType::Long},
                          {QStringLiteral("Note"), jet::ColumnType::Memo}},
                         {{qint64(1), qint64(7), qint64(1300), QStringLiteral("ignored")}}};
        QCOMPARE(Chart({table}), Line("7", 29, "1,300\r\n"));
    }

    void sampleDatabase()
    {
        Connection connection;
        connection.Open(ConnectionText(QStringLiteral(KELVARA_SAMPLE_DB)));
        const QString chart = RankChartText(connection, UnitedStates);
        QVERIFY(chart.endsWith(QStringLiteral("\r\n")));
        const QStringList lines = chart.chopped(2).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 20);
        for (const QString& line : lines)
            QCOMPARE(line.size(), RankChartWidth);
        QCOMPARE(lines.first(), Line("Novice", 28, "0"));
        QCOMPARE(lines[14], Line("Hero of the Realm", 11, "260,600"));
        QCOMPARE(lines.last(), Line("Ascendant", 17, "2,907,600"));
        // Read again, the same chart.
        QCOMPARE(RankChartText(connection, UnitedStates), chart);
    }

    void failures_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("named");
        QTest::newRow("no tblRank") << 0 << "tblRank";
        QTest::newRow("no RankID column") << 1 << "RankID";
        QTest::newRow("too few columns") << 2 << "position 2";
    }

    void failures()
    {
        QFETCH(int, kind);
        QFETCH(QString, named);
        std::vector<jet::Table> tables;
        const jet::Table stats{QStringLiteral("tblStat"),
                               {{QStringLiteral("StatID"), jet::ColumnType::Long},
                                {QStringLiteral("Stat"), jet::ColumnType::Text}},
                               {{qint64(1), QStringLiteral("Strength")}}};
        tables.push_back(stats);
        if (kind == 1)
            tables.push_back({QStringLiteral("tblRank"),
                              {{QStringLiteral("ID"), jet::ColumnType::Long},
                               {QStringLiteral("Rank"), jet::ColumnType::Text},
                               {QStringLiteral("Experience"), jet::ColumnType::Long}},
                              {{qint64(1), QStringLiteral("Novice"), qint64(0)}}});
        if (kind == 2)
            tables.push_back({QStringLiteral("tblRank"),
                              {{QStringLiteral("RankID"), jet::ColumnType::Long},
                               {QStringLiteral("Rank"), jet::ColumnType::Text}},
                              {{qint64(1), QStringLiteral("Novice")}}});
        try {
            Chart(tables);
            QFAIL("no error");
        } catch (const KelvaraError& e) {
            QVERIFY2(e.message().contains(named), qPrintable(e.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TstRankChart)
#include "tst_rankchart.moc"
