// The rank experience chart: its fixed-pitch lines and the experience numbers.
#include "db/moddb.h"
#include "db/rankchart.h"
#include "db/statline.h"
#include "fixtures.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

using namespace fixtures;

class TstRankChart : public QObject
{
    Q_OBJECT

private slots:
    // Exactly 35 characters; one over keeps one blank between name and number, none when one is empty.
    // The experience: a whole number in the locale's grouping, a half away from zero; none shows as nothing.
    void chartLineAndExperience()
    {
        QCOMPARE(RankChartLine(u"Keeper of the Northern Watches"_s, u"1,000"_s),
                 u"Keeper of the Northern Watches1,000\r\n"_s);
        QCOMPARE(RankChartLine(u"Keeper of the Northern Watchesx"_s, u"1,000"_s),
                 u"Keeper of the Northern Watchesx 1,000\r\n"_s);
        QCOMPARE(RankChartLine(QString(36, u'N'), QString()), QString(36, u'N') + u"\r\n"_s);
        const std::pair<double, const char*> cases[] = {
            {1234.4, "1,234"}, {2.5, "3"}, {-2.5, "-3"}, {1e12, "1,000,000,000,000"}, {qQNaN(), ""}};
        for (const auto& [value, text] : cases)
            QCOMPARE(ExperienceText(DbValue::Double(value), QLocale(QLocale::English, QLocale::UnitedStates)),
                     QLatin1String(text));
    }

    // An item stats line: the name from column 1 (cut at 16), the value with its sign ending in column 15
    // over the name, column 16 kept; a stat the table lacks gives the value alone.
    void statLines()
    {
        const std::tuple<const char*, int32_t, QString> cases[] = {
            {"Strength", 20, u"Strength     20 "_s},
            {"Strength", 0, u"Strength      0 "_s},
            {"Agility", -4, u"Agility      -4 "_s},
            {"Lightning Resistance", std::numeric_limits<int32_t>::max(), u"Ligh 2147483647t"_s},
            {"Dexterity", std::numeric_limits<int32_t>::min(), u"Dext-2147483648 "_s}};
        for (const auto& [name, value, line] : cases)
            QCOMPARE(StatLine(QLatin1String(name), value), line);
        clsStat stats;
        stats.AddStat(1, u"Strength"_s);
        QCOMPARE(StatLine(stats, 1, 7) + StatLine(stats, 99, 5), u"Strength      7 "_s + QString(14, u' ') + u"5 "_s);
    }

    // From a database: rows in RankID order, the locale's grouping, a Null name and a word for a number shown.
    void chart()
    {
        GameFolder folder({Table("tblRank", {"RankID", "Rank:text", "Experience:text"},
                                 {{Num(3), Txt("Knight"), Txt("8900")},
                                  {Num(1), Null, Txt("0")},
                                  {Num(2), Txt("Sir"), Txt("1234567")},
                                  {Num(4), Txt("Page"), Txt("many")}})});
        Connection connection;
        connection.Open(GameDatabaseConnectionText(folder.Database()));
        QCOMPARE(RankChartText(connection, QLocale(QLocale::German, QLocale::Germany)),
                 QString(34, u' ') + u"0\r\nSir"_s + QString(23, u' ') + u"1.234.567\r\nKnight"_s + QString(24, u' ')
                     + u"8.900\r\nPage"_s + QString(31, u' ') + u"\r\n"_s);
    }
};

QTEST_GUILESS_MAIN(TstRankChart)
#include "tst_rankchart.moc"
