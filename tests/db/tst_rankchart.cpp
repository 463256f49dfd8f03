// The fixed-pitch lines the program builds: the item stats lines and the rank experience chart.
#include "common/errorof.h"
#include "db/rankchart.h"
#include "db/statline.h"
#include "fixtures.h"

#include <QTest>

#include <limits>

using namespace fixtures;

Q_DECLARE_METATYPE(jet::Table)

namespace {

const QLocale UnitedStates(QLocale::English, QLocale::UnitedStates);

// A chart line with the count of blanks spelled out.
QString Line(const QString& name, int blanks, const char* number)
{
    return name + QString(blanks, u' ') + QLatin1String(number) + u"\r\n"_qs;
}

QString Chart(const jet::Table& rank, const QLocale& locale)
{
    GameFolder folder({rank});
    Connection connection;
    connection.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;").arg(folder.Database()));
    return RankChartText(connection, locale);
}

} // namespace

class TstRankChart : public QObject
{
    Q_OBJECT

private slots:
    // The value's last digit in column 15, its sign before it, over whatever the name had there.
    void statLine()
    {
        QCOMPARE(StatLine(u"Strength"_qs, 50), u"Strength     50 "_qs);
        QCOMPARE(StatLine(u"ABCDEFGHIJKLMNOPQRST"_qs, 7), u"ABCDEFGHIJKLM 7P"_qs);
        QCOMPARE(StatLine(u"Lightning Resist"_qs, 123456), u"Lightnin 123456t"_qs);
        QCOMPARE(StatLine(QString(), -25), u"            -25 "_qs);
        QCOMPARE(StatLine(u"Gold"_qs, std::numeric_limits<int32_t>::max()), u"Gold 2147483647 "_qs);
        QCOMPARE(StatLine(u"Poison Resistance"_qs, std::numeric_limits<int32_t>::min()), u"Pois-2147483648c"_qs);
    }

    // Exactly 35 characters; one over keeps one blank between name and number, none when one is empty.
    // The experience: a whole number in the locale's grouping, a half away from zero; none shows as nothing.
    void chartLineAndExperience()
    {
        QCOMPARE(RankChartLine(u"Keeper of the Northern Watches"_qs, u"1,000"_qs),
                 u"Keeper of the Northern Watches1,000\r\n"_qs);
        QCOMPARE(RankChartLine(u"Keeper of the Northern Watchesx"_qs, u"1,000"_qs),
                 u"Keeper of the Northern Watchesx 1,000\r\n"_qs);
        QCOMPARE(RankChartLine(QString(36, u'N'), QString()), QString(36, u'N') + u"\r\n"_qs);
        QCOMPARE(ExperienceText(DbValue::Integer(1234567), QLocale::c()), u"1234567"_qs);
        const std::pair<double, const char*> cases[] = {{1234.4, "1,234"},
                                                        {2.5, "3"},
                                                        {-2.5, "-3"},
                                                        {-0.4, "0"},
                                                        {1e12, "1,000,000,000,000"},
                                                        {std::numeric_limits<double>::infinity(), ""},
                                                        {std::numeric_limits<double>::quiet_NaN(), ""}};
        for (const auto& [value, text] : cases)
            QCOMPARE(ExperienceText(DbValue::Double(value), UnitedStates), QLatin1String(text));
    }

    // The chart from fixture databases: rows in RankID order, whatever order the table holds them in.
    void chart_data()
    {
        QTest::addColumn<jet::Table>("rank");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("chart");
        QTest::newRow("rank order, pinned German locale") << Table(
            "tblRank", {"RankID", "Rank:text", "Experience"},
            {{Num(3), Txt("Knight"), Num(8900)}, {Num(1), Txt("Novice"), Num(0)}, {Num(2), Txt("Sir"), Num(1234567)}})
                                                          << QLocale(QLocale::German, QLocale::Germany)
                                                          << Line(u"Novice"_qs, 28, "0")
                + Line(u"Sir"_qs, 23, "1.234.567") + Line(u"Knight"_qs, 24, "8.900");
        for (const char* type : {"double", "currency"}) {
            QTest::newRow(type) << Table(
                "tblRank",
                {"RankID", "Rank:text", type == QLatin1String("double") ? "Experience:double" : "Experience:currency"},
                {{Num(1), Txt("Adept"), 3399.5}, {Num(2), Txt("Warden"), 5500.25}})
                                << UnitedStates << Line(u"Adept"_qs, 25, "3,400") + Line(u"Warden"_qs, 24, "5,500");
        }
        QTest::newRow("empty table") << Table("tblRank", {"RankID", "Rank:text", "Experience"}, {}) << UnitedStates
                                     << QString();
        // Nulls, words and names too long for the column are shown; none stops the chart.
        const QString keeper = u"Grand Keeper of the Seven Northern Watches"_qs;
        QTest::newRow("odd rows") << Table("tblRank", {"RankID", "Rank:text", "Experience:text"},
                                           {{Num(1), Null, Txt("100")},
                                            {Num(2), Txt("Squire"), Null},
                                            {Num(3), Txt("Page"), Txt("many")},
                                            {Num(4), keeper, Txt("99999")},
                                            {Num(5), Txt(""), Txt("")}})
                                  << UnitedStates
                                  << Line({}, 32, "100") + Line(u"Squire"_qs, 29, "") + Line(u"Page"_qs, 31, "")
                + Line(keeper, 1, "99,999") + Line({}, 35, "");
        // Other columns are not read; the name may be any type, taken as its text.
        QTest::newRow("other columns") << Table("tblRank", {"RankID", "Level:int", "Experience", "Note:memo"},
                                                {{Num(1), Num(7), Num(1300), Txt("ignored")}})
                                       << UnitedStates << Line(u"7"_qs, 29, "1,300");
    }

    void chart()
    {
        QFETCH(jet::Table, rank);
        QFETCH(QLocale, locale);
        QFETCH(QString, chart);
        QCOMPARE(Chart(rank, locale), chart);
    }

    // A rank table without an experience column is an error naming the position. (A missing table is
    // reported through the Tools menu, a missing RankID column by the record set.)
    void noExperienceColumn()
    {
        const QString message = ErrorOf([&] {
            Chart(Table("tblRank", {"RankID", "Rank:text"}, {{Num(1), Txt("Novice")}}), UnitedStates);
        });
        QVERIFY2(message.contains(u"position 2"_qs), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TstRankChart)
#include "tst_rankchart.moc"
