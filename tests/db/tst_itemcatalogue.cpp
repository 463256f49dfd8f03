// The items as the item browser and the export see them: the browser's filters, names found as the player types,
// rows as CSV and as tab-separated text.
#include "db/clsitem.h"
#include "db/clsstat.h"
#include "db/itemcatalogue.h"
#include "db/nameindex.h"
#include "files/tabletext.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// Stats 1 Strength, 2 Agility; items: 10 Iron Sword (requires Strength 30, twice: 20 and 30; mod 0 Strength +5 and
// +3, mod 1 Agility +4), 11 Oak Staff (no values), 12 Iron Ring (requires stat 99 the stat table lacks, 5; mod 1
// Strength +9), 13 Épée (mod 2 of stat 98 and mod -2 of stat 97, not shown: neither stat is listed).
ItemCatalogue Sample()
{
    clsStat stats;
    stats.AddStat(2, u"Agility"_s);
    stats.AddStat(1, u"Strength"_s);
    clsItem items;
    items.AddItem(10, u"Iron Sword"_s, u"Iron"_s);
    items.AddItem(11, u"Oak Staff"_s, u"oak"_s);
    items.AddItem(12, u"IRON Ring"_s, u"IRON"_s);
    items.AddItem(13, u"Épée"_s);
    items.AddMinStat(10, 1, 20);
    items.AddMinStat(10, 1, 30);
    items.AddMod(10, 1, 0, 5);
    items.AddMod(10, 1, 0, 3);
    items.AddMod(10, 2, 1, 4);
    items.AddMinStat(12, 99, 5);
    items.AddMod(12, 1, 1, 9);
    items.AddMod(13, 98, 2, 7);
    items.AddMod(13, 97, -2, 7);
    items.AddMod(77, 1, 0, 1); // an item that is not in the item table
    return ItemCatalogue(items, stats);
}

using Mine = std::map<int32_t, qint64>;
ItemFilter F(const QString& name = {}, const std::optional<QString>& material = {},
             const std::optional<Mine>& mine = {}, const std::vector<ItemFilter::AtLeast>& least = {})
{
    return {name, material, mine, least};
}
} // namespace

class TstItemCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void catalogue()
    {
        const ItemCatalogue catalogue = Sample();
        QCOMPARE(catalogue.Count(), 4);
        QStringList names;
        for (const CatalogueItem& item : catalogue.Items())
            names << u"%1 %2 %3 %4"_s.arg(item.Position).arg(item.ID).arg(item.Name, item.Material);
        QCOMPARE(names,
                 QStringList(
                     {u"1 12 IRON Ring IRON"_s, u"2 10 Iron Sword Iron"_s, u"3 11 Oak Staff oak"_s, u"4 13 Épée "_s}));
        const CatalogueItem& sword = catalogue.Item(1);
        QCOMPARE(sword.Find(StatKind::Requires, 1), 30);
        QCOMPARE(sword.Find(StatKind::Mod0, 1), 8);
        QCOMPARE(sword.Find(StatKind::Mod1, 2), 4);
        QCOMPARE(sword.Find(StatKind::Mod1, 1), std::nullopt);
        for (const StatKind kind : StatKinds)
            QVERIFY(catalogue.Item(2).Of(kind).empty());
        QCOMPARE(catalogue.StatIDs(), (std::vector<int32_t>{2, 1, 99}));
        QCOMPARE(catalogue.StatName(1), u"Strength"_s);
        QCOMPARE(catalogue.StatName(99), u"99"_s);
        QCOMPARE(catalogue.Materials(), QStringList({u"IRON"_s, u"Iron"_s, u"oak"_s}));
    }

    // Every condition must hold; "can use" counts a stat not given as 0.
    void filter_data()
    {
        QTest::addColumn<ItemFilter>("filter");
        QTest::addColumn<QList<int>>("ids");
        using In = ItemFilter::In;
        QTest::newRow("all") << F() << QList<int>{12, 10, 11, 13};
        QTest::newRow("name folded") << F(u"iron"_s) << QList<int>{12, 10};
        QTest::newRow("accent typed apart") << F(u"E\u0301PE\u0301E"_s) << QList<int>{13};
        QTest::newRow("material") << F({}, u"Iron"_s) << QList<int>{10};
        QTest::newRow("no material") << F({}, u""_s) << QList<int>{13};
        QTest::newRow("can use, no stats") << F({}, {}, Mine{}) << QList<int>{11, 13};
        QTest::newRow("can use, highest requirement") << F({}, {}, Mine{{1, 29}, {99, 5}}) << QList<int>{12, 11, 13};
        QTest::newRow("can use, met") << F({}, {}, Mine{{1, 30}, {99, 5}}) << QList<int>{12, 10, 11, 13};
        QTest::newRow("mod 0 sum") << F({}, {}, {}, {{1, In::Mod0, 8}}) << QList<int>{10};
        QTest::newRow("mod 0 more") << F({}, {}, {}, {{1, In::Mod0, 9}}) << QList<int>{};
        QTest::newRow("mod 1") << F({}, {}, {}, {{1, In::Mod1, 1}}) << QList<int>{12};
        QTest::newRow("either") << F({}, {}, {}, {{1, In::Either, 6}}) << QList<int>{12, 10};
        QTest::newRow("negative least") << F({}, {}, {}, {{2, In::Either, -5}}) << QList<int>{10};
        QTest::newRow("combined") << F(u"ring"_s, {}, {}, {{1, In::Either, 6}}) << QList<int>{12};
        QTest::newRow("two conditions") << F({}, {}, {}, {{1, In::Either, 1}, {2, In::Mod1, 4}}) << QList<int>{10};
    }

    void filter()
    {
        QFETCH(ItemFilter, filter);
        QFETCH(QList<int>, ids);
        const ItemCatalogue catalogue = Sample();
        const ItemMatcher matcher(filter);
        QList<int> found;
        for (const CatalogueItem& item : catalogue.Items())
            if (matcher.Matches(item))
                found << item.ID;
        QCOMPARE(found, ids);
    }

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

    void text_data()
    {
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<QString>("csv");
        QTest::addColumn<QString>("tabs");
        QTest::newRow("plain") << QStringList{u"Iron Sword"_s, u"-5"_s, u""_s} << u"Iron Sword,-5,\r\n"_s
                               << u"Iron Sword\t-5\t\n"_s;
        QTest::newRow("comma") << QStringList{u"Sword, old"_s} << u"\"Sword, old\"\r\n"_s << u"Sword, old\n"_s;
        QTest::newRow("quotes") << QStringList{u"The \"Blade\""_s, u"x"_s} << u"\"The \"\"Blade\"\"\",x\r\n"_s
                                << u"The \"Blade\"\tx\n"_s;
        QTest::newRow("line ends") << QStringList{u"a\r\nb\nc\rd"_s} << u"\"a\r\nb\nc\rd\"\r\n"_s << u"a b c d\n"_s;
        QTest::newRow("tab and markup") << QStringList{u"<b>a\tb</b>"_s} << u"<b>a\tb</b>\r\n"_s << u"<b>a b</b>\n"_s;
        QTest::newRow("no cells") << QStringList{} << u"\r\n"_s << u"\n"_s;
    }

    void text()
    {
        QFETCH(QStringList, row);
        QFETCH(QString, csv);
        QFETCH(QString, tabs);
        QCOMPARE(CsvText({row, row}), csv + csv); // each row ends its line
        QCOMPARE(TabText({row, row}), tabs + tabs);
    }
};

QTEST_GUILESS_MAIN(TstItemCatalogue)
#include "tst_itemcatalogue.moc"
