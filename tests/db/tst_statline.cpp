#include "db/clsstat.h"
#include "db/statline.h"

#include <QTest>

#include <limits>

class TstStatLine : public QObject
{
    Q_OBJECT

private slots:
    void line_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("line");
        // Columns:                                                      1234567890123456
        QTest::newRow("Strength 50") << "Strength" << 50 << "Strength     50 ";
        QTest::newRow("Strength -3") << "Strength" << -3 << "Strength     -3 ";
        QTest::newRow("zero") << "Dexterity" << 0 << "Dexterity     0 ";
        QTest::newRow("20 letters") << "ABCDEFGHIJKLMNOPQRST" << 7 << "ABCDEFGHIJKLM 7P";
        QTest::newRow("16 letters, 0") << "ABCDEFGHIJKLMNOP" << 0 << "ABCDEFGHIJKLM 0P";
        QTest::newRow("15 letters") << "ABCDEFGHIJKLMNO" << 12 << "ABCDEFGHIJKL 12 ";
        QTest::newRow("value over the name") << "Lightning Resist" << 123456 << "Lightnin 123456t";
        QTest::newRow("unknown stat") << "" << 25 << "             25 ";
        QTest::newRow("no name, negative") << "" << -1 << "             -1 ";
        QTest::newRow("largest") << "Gold" << std::numeric_limits<int32_t>::max() << "Gold 2147483647 ";
        QTest::newRow("smallest") << "Gold" << std::numeric_limits<int32_t>::min() << "Gold-2147483648 ";
        QTest::newRow("smallest, long name") << "Poison Resistance" << std::numeric_limits<int32_t>::min()
                                             << "Pois-2147483648c";
        QTest::newRow("blanks in the name count") << "  Luck  " << 3 << "  Luck        3 ";
    }

    void line()
    {
        QFETCH(QString, name);
        QFETCH(int, value);
        QFETCH(QString, line);
        const QString got = StatLine(name, value);
        QCOMPARE(got, line);
        QCOMPARE(got.size(), StatLineWidth);
        // The last digit stands in column 15 and the sign right before the digits.
        QVERIFY(got.at(14).isDigit());
        const QString digits = QString::number(qAbs(static_cast<qint64>(value)));
        QCOMPARE(got.mid(15 - digits.size(), digits.size()), digits);
        QCOMPARE(got.at(14 - digits.size()), value < 0 ? QLatin1Char('-') : QLatin1Char(' '));
    }

    // Every value keeps the line at 16 characters and its last digit in column 15.
    void everyLength()
    {
        for (int64_t magnitude = 1; magnitude <= std::numeric_limits<int32_t>::max(); magnitude *= 10) {
            for (const int64_t wide : {magnitude - 1, magnitude, -magnitude, -(magnitude - 1)}) {
                const auto value = static_cast<int32_t>(wide);
                const QString got = StatLine(QStringLiteral("ABCDEFGHIJKLMNOPQR"), value);
                QCOMPARE(got.size(), StatLineWidth);
                QCOMPARE(got.right(2), QString::number(qAbs(wide) % 10) + QLatin1Char('P'));
                QCOMPARE(got.left(14 - QString::number(qAbs(wide)).size()),
                         QStringLiteral("ABCDEFGHIJKLMNOPQR").left(14 - QString::number(qAbs(wide)).size()));
            }
        }
    }

    // The stat's name comes from the stat table; an ID it lacks shows the value alone,
    // an ID held twice the name at the later position.
    void byStatID()
    {
        clsStat stats;
        stats.AddStat(1, QStringLiteral("Strength"));
        stats.AddStat(2, QStringLiteral("Dexterity"));
        stats.AddStat(2, QStringLiteral("Agility"));
        QCOMPARE(StatLine(stats, 1, 50), QStringLiteral("Strength     50 "));
        QCOMPARE(StatLine(stats, 2, -4), QStringLiteral("Dexterity    -4 "));
        QCOMPARE(StatLine(stats, 99, 8), QStringLiteral("              8 "));
        QCOMPARE(StatLine(stats, -1, 8), QStringLiteral("              8 "));
        QCOMPARE(StatLine(clsStat(), 1, 0), QStringLiteral("              0 "));
    }
};

QTEST_GUILESS_MAIN(TstStatLine)
#include "tst_statline.moc"
