// The fixed-pitch lines the program builds: the item stats lines and the rank experience chart.
#include "common/errorof.h"
#include "db/rankchart.h"
#include "db/statline.h"
#include "fixtures.h"

#include <QTest>

#include <limits>

using namespace fixtures;

Q_DECLARE_METATYPE(std::vector<jet::Table>)

namespace {

jet::Table RankTable(std::vector<std::vector<V>> rows, ColumnType experienceType = ColumnType::Long)
{
    return {QStringLiteral("tblRank"),
            {Col("RankID"), Col("Rank", ColumnType::Text), Col("Experience", experienceType)},
            std::move(rows)};
}

const QLocale UnitedStates(QLocale::English, QLocale::UnitedStates);

// A chart line with the count of blanks spelled out.
QString Line(const char* name, int blanks, const char* number)
{
    return QLatin1String(name) + QString(blanks, QLatin1Char(' ')) + QLatin1String(number) + QStringLiteral("\r\n");
}

QString Chart(const QString& path, const QLocale& locale)
{
    Connection connection;
    connection.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;").arg(path));
    return RankChartText(connection, locale);
}

} // namespace

class TstRankChart : public QObject
{
    Q_OBJECT

private slots:
    // The value's last digit in column 15, its sign before it, over whatever the name had there.
    void statLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("line");
        // Columns:                                                      1234567890123456
        QTest::newRow("Strength 50") << "Strength" << 50 << "Strength     50 ";
        QTest::newRow("zero") << "Dexterity" << 0 << "Dexterity     0 ";
        QTest::newRow("20 letters") << "ABCDEFGHIJKLMNOPQRST" << 7 << "ABCDEFGHIJKLM 7P";
        QTest::newRow("15 letters") << "ABCDEFGHIJKLMNO" << 12 << "ABCDEFGHIJKL 12 ";
        QTest::newRow("value over the name") << "Lightning Resist" << 123456 << "Lightnin 123456t";
        QTest::newRow("unknown stat") << "" << -25 << "            -25 ";
        QTest::newRow("largest") << "Gold" << std::numeric_limits<int32_t>::max() << "Gold 2147483647 ";
        QTest::newRow("smallest, long name")
            << "Poison Resistance" << std::numeric_limits<int32_t>::min() << "Pois-2147483648c";
    }

    void statLine()
    {
        QFETCH(QString, name);
        QFETCH(int, value);
        QFETCH(QString, line);
        QCOMPARE(StatLine(name, value), line);
    }

    // Exactly 35 characters; one over keeps one blank between name and number, none when one is empty.
    void chartLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("line");
        QTest::newRow("30 and 5: no blank") << "Keeper of the Northern Watches"
                                            << "1,000"
                                            << "Keeper of the Northern Watches1,000\r\n";
        QTest::newRow("one over: one blank") << "Keeper of the Northern Watchesx"
                                             << "1,000"
                                             << "Keeper of the Northern Watchesx 1,000\r\n";
        QTest::newRow("long name, no number")
            << QString(36, QLatin1Char('N')) << "" << QString(36, QLatin1Char('N')) + "\r\n";
    }

    void chartLine()
    {
        QFETCH(QString, name);
        QFETCH(QString, number);
        QFETCH(QString, line);
        QCOMPARE(RankChartLine(name, number), line);
    }

    // A whole number in the locale's grouping; a half away from zero; no number shows as nothing.
    void experience_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<DbValue>("value");
        QTest::addColumn<QString>("text");
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("C: no grouping") << QLocale::c() << DbValue::Integer(1234567) << "1234567";
        QTest::newRow("fraction down") << UnitedStates << DbValue::Double(1234.4) << "1,234";
        QTest::newRow("half away from zero") << UnitedStates << DbValue::Double(2.5) << "3";
        QTest::newRow("negative half") << UnitedStates << DbValue::Double(-2.5) << "-3";
        QTest::newRow("small negative") << UnitedStates << DbValue::Double(-0.4) << "0";
        QTest::newRow("beyond 32 bits") << UnitedStates << DbValue::Double(1e12) << "1,000,000,000,000";
        QTest::newRow("infinite") << UnitedStates << DbValue::Double(std::numeric_limits<double>::infinity()) << "";
        QTest::newRow("not a number") << UnitedStates << DbValue::Double(std::numeric_limits<double>::quiet_NaN())
                                      << "";
    }

    void experience()
    {
        QFETCH(QLocale, locale);
        QFETCH(DbValue, value);
        QFETCH(QString, text);
        QCOMPARE(ExperienceText(value, locale), text);
    }

    // The chart from fixture databases: rows in RankID order, whatever order the table holds them in.
    void chart_data()
    {
        QTest::addColumn<std::vector<jet::Table>>("tables");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("chart");
        QTest::newRow("rank order, pinned German locale") << std::vector{RankTable(
            {{Num(3), Txt("Knight"), Num(8900)}, {Num(1), Txt("Novice"), Num(0)}, {Num(2), Txt("Sir"), Num(1234567)}})}
                                                          << QLocale(QLocale::German, QLocale::Germany)
                                                          << Line("Novice", 28, "0") + Line("Sir", 23, "1.234.567")
                + Line("Knight", 24, "8.900");
        const std::vector<std::vector<V>> fractions{{Num(1), Txt("Adept"), 3399.5}, {Num(2), Txt("Warden"), 5500.25}};
        const QString fractionChart = Line("Adept", 25, "3,400") + Line("Warden", 24, "5,500");
        QTest::newRow("Double") << std::vector{RankTable(fractions, ColumnType::Double)} << UnitedStates
                                << fractionChart;
        QTest::newRow("Currency") << std::vector{RankTable(fractions, ColumnType::Currency)} << UnitedStates
                                  << fractionChart;
        QTest::newRow("empty table") << std::vector{RankTable({})} << UnitedStates << QString();
        // Nulls, words and names too long for the column are shown; none stops the chart.
        const char* const keeper = "Grand Keeper of the Seven Northern Watches";
        QTest::newRow("odd rows") << std::vector{RankTable({{Num(1), Null, Txt("100")},
                                                            {Num(2), Txt("Squire"), Null},
                                                            {Num(3), Txt("Page"), Txt("many")},
                                                            {Num(4), Txt(keeper), Txt("99999")},
                                                            {Num(5), Txt(""), Txt("")}},
                                                           ColumnType::Text)}
                                  << UnitedStates
                                  << Line("", 32, "100") + Line("Squire", 29, "") + Line("Page", 31, "")
                + Line(keeper, 1, "99,999") + Line("", 35, "");
        // Other columns are not read; the name may be any type, taken as its text.
        QTest::newRow("other columns") << std::vector{jet::Table{
            QStringLiteral("tblRank"),
            {Col("RankID"), Col("Level", ColumnType::Integer), Col("Experience"), Col("Note", ColumnType::Memo)},
            {{Num(1), Num(7), Num(1300), Txt("ignored")}}}}
                                       << UnitedStates << Line("7", 29, "1,300");
    }

    void chart()
    {
        QFETCH(std::vector<jet::Table>, tables);
        QFETCH(QLocale, locale);
        QFETCH(QString, chart);
        GameFolder folder(tables);
        QCOMPARE(Chart(folder.Database(), locale), chart);
    }

    // A rank table without an experience column is an error naming the position. (A missing table is
    // reported through the Tools menu, a missing RankID column by the record set.)
    void noExperienceColumn()
    {
        GameFolder folder(
            {{QStringLiteral("tblRank"), {Col("RankID"), Col("Rank", ColumnType::Text)}, {{Num(1), Txt("Novice")}}}});
        const QString message = ErrorOf([&] { Chart(folder.Database(), UnitedStates); });
        QVERIFY2(message.contains(QStringLiteral("position 2")), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TstRankChart)
#include "tst_rankchart.moc"
