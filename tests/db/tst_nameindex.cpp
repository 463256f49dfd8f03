// Finding names as the player types.
#include "db/nameindex.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TstNameIndex : public QObject
{
    Q_OBJECT

private slots:
    // Names that begin with the text first, then those containing it, each in list order; letter case folded;
    // at most `limit` positions, with the count of all.
    void find_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<int>("total");
        QTest::newRow("begins, then contains") << "sword" << 200 << QList<int>{2, 1, 3, 4} << 4;
        QTest::newRow("whole name, both cases") << "IRON SWORD" << 200 << QList<int>{1, 3} << 2;
        QTest::newRow("folded accents") << "ÉPÉE" << 200 << QList<int>{5} << 1;
        QTest::newRow("accents typed apart") << "E\u0301pe\u0301e" << 200 << QList<int>{5} << 1;
        QTest::newRow("sharp s as ss") << "STRASSE" << 200 << QList<int>{5} << 1;
        QTest::newRow("dotted capital I") << "izmir" << 200 << QList<int>{5} << 1;
        QTest::newRow("final sigma") << "ΟΔΟΣ" << 200 << QList<int>{5} << 1;
        QTest::newRow("none") << "axe" << 200 << QList<int>{} << 0;
        QTest::newRow("cap keeps the best") << "r" << 2 << QList<int>{6, 1} << 6;
        QTest::newRow("cap inside the first group") << "i" << 1 << QList<int>{1} << 4;
        QTest::newRow("empty text") << "" << 3 << QList<int>{1, 2, 3} << 6;
    }

    void find()
    {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QList<int>, positions);
        QFETCH(int, total);
        const NameIndex index({u"Iron Sword"_s, u"Sword of Dawn"_s, u"iron sword"_s, u"Broadsword"_s,
                               u"épée Straße İzmir οδος"_s, u"Ring"_s});
        const NameIndex::Found found = index.Find(text, limit);
        QCOMPARE(QList<int>(found.Positions.begin(), found.Positions.end()), positions);
        QCOMPARE(found.Total, total);
    }
};

QTEST_GUILESS_MAIN(TstNameIndex)
#include "tst_nameindex.moc"
