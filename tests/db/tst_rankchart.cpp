// The rank experience chart: its fixed-pitch lines and the experience numbers.
#include "db/moddb.h"
#include "db/rankchart.h"
#include "fixtures.h"

#include <QTest>

#include <limits>

using namespace fixtures;

class TstRankChart : public QObject
{
    Q_OBJECT

private slots:
    // Exactly 35 characters; one over keeps one blank between name and number, none when one is empty.
    // The experience: a whole number in the locale's grouping, a half away from zero; none shows as nothing.
    void chartLineAndExperience()
    {
        QCOMPARE(RankChartLine(u"Keeper of the Northern Watches"_qs, u"1,000"_qs),
                 u"Keeper of the Northern Watches1,000\r\n"_qs);
        QCOMPARE(RankChartLine(u"Keeper of the Northern Watchesx"_qs, u"1,000"_qs),
                 u"Keeper of the Northern Watchesx 1,000\r\n"_qs);
        QCOMPARE(RankChartLine(QString(36, u'N'), QString()), QString(36, u'N') + u"\r\n"_qs);
        const std::pair<double, const char*> cases[] = {{1234.4, "1,234"},
                                                        {2.5, "3"},
                                                        {-2.5, "-3"},
                                                        {1e12, "1,000,000,000,000"},
                                                        {std::numeric_limits<double>::quiet_NaN(), ""}};
        for (const auto& [value, text] : cases)
            QCOMPARE(ExperienceText(DbValue::Double(value), QLocale(QLocale::English, QLocale::UnitedStates)),
                     QLatin1String(text));
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
                 QString(34, u' ') + u"0\r\nSir"_qs + QString(23, u' ') + u"1.234.567\r\nKnight"_qs + QString(24, u' ')
                     + u"8.900\r\nPage"_qs + QString(31, u' ') + u"\r\n"_qs);
    }
};

QTEST_GUILESS_MAIN(TstRankChart)
#include "tst_rankchart.moc"
