#include "clock/kelvaraerror.h"
#include "common/errorof.h"
#include "db/moddb.h"
#include "fixtures.h"

#include <QFile>
#include <QTest>

using namespace fixtures;

namespace {

QStringList Names(const clsItem& items)
{
    QStringList names;
    for (int32_t i = 1; i <= items.NumItems(); ++i)
        names << items.Item(i);
    return names;
}

// A database every loader succeeds on; tests replace one table at a time.
std::vector<jet::Table> Game()
{
    return {Stats({{Num(1), Txt("Strength")}, {Num(2), Txt("agility")}, {Num(3), Txt("Wisdom")}}),
            Materials({{Num(1), Txt("Iron")}, {Num(2), Txt("")}, {Num(3), Null}}),
            Items({{Num(10), Num(1), Txt("Sword")},
                   {Num(11), Null, Txt("Apple")},
                   {Num(12), Num(2), Txt("Bow")},
                   {Num(13), Num(3), Txt("Cap")},
                   {Num(14), Num(1), Null},
                   {Num(15), Null, Null}}),
            MinStats({{Num(10), Num(1), Num(30)}, {Num(12), Num(2), Num(5)}, {Num(10), Num(1), Num(30)}}),
            Mods({{Num(10), Num(3), Num(0), Num(5)}, {Num(10), Num(2), Num(1), Num(-2)}, {Num(12), Num(1), Num(2), Num(9)}})};
}

std::vector<jet::Table> Replace(std::vector<jet::Table> tables, const jet::Table& table)
{
    for (jet::Table& t : tables) {
        if (t.name == table.name)
            t = table;
    }
    return tables;
}

std::vector<jet::Table> Without(std::vector<jet::Table> tables, const QString& name)
{
    std::erase_if(tables, [&](const jet::Table& t) { return t.name == name; });
    return tables;
}

} // namespace

class TstLoaders : public QObject
{
    Q_OBJECT

private slots:
    void connectionText()
    {
        GameFolder folder(Game());
        QCOMPARE(GameDatabaseConnectionText(),
                 QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + folder.Path() + QStringLiteral("/Kelvara.mdb;"));
        QVERIFY(OpenGameDatabase()->IsOpen());
    }

    void statTable()
    {
        GameFolder folder(Game());
        const clsStat stats = LoadStatTable();
        QCOMPARE(stats.NumStats(), 3);
        QCOMPARE((QStringList{stats.Stat(1), stats.Stat(2), stats.Stat(3)}),
                 (QStringList{"agility", "Strength", "Wisdom"}));
        QCOMPARE(stats.StatID(1), 2);
    }

    void itemTable()
    {
        GameFolder folder(Game());
        const clsItem items = LoadItemTable();
        // Material names in front; an empty or Null material name gives no prefix;
        // a Null item name counts as empty. Display-name order.
        QCOMPARE(Names(items), (QStringList{"", "Apple", "Bow", "Cap", "Iron ", "Iron Sword"}));
        QCOMPARE(items.FindItemID(QStringLiteral("iron sword")), 10);
        QCOMPARE(items.FindItemID(QStringLiteral("Iron ")), 14);
        QCOMPARE(items.FindItemID(QString()), 15);
        // Duplicate junction rows are kept, in table order.
        QCOMPARE(items.NumMinStats(10), 2);
        QCOMPARE(items.MinStats(10).Value(2), 30);
        QCOMPARE(items.MinStats(12).StatID(1), 2);
        QCOMPARE(items.NumMods(10, 0), 1);
        QCOMPARE(items.Mods(10, 1).Value(1), -2);
        QCOMPARE(items.Mods(12, 2).Value(1), 9);
        QCOMPARE(items.NumMinStats(11), 0);
    }

    void emptyTables()
    {
        GameFolder folder({Stats({}), Items({})}); // no per-item table is asked for
        QCOMPARE(LoadStatTable().NumStats(), 0);
        QCOMPARE(LoadItemTable().NumItems(), 0);
    }

    // Requirement rows are found by the column named ItemID wherever it stands,
    // and read by position; mod rows are filed under their own first column.
    void columnsByPosition()
    {
        const jet::Table minStats{QStringLiteral("tblItemMinStatJunction"),
                                  {Col("JunctionID"), Col("StatID"), Col("MinStat"), Col("ItemID")},
                                  {{Num(900), Num(1), Num(25), Num(10)}, {Num(901), Num(2), Num(7), Num(99)}}};
        GameFolder folder(Replace(Game(), minStats));
        const clsItem items = LoadItemTable();
        QCOMPARE(items.NumMinStats(10), 1);
        QCOMPARE(items.MinStats(10).StatID(1), 1);
        QCOMPARE(items.MinStats(10).Value(1), 25);
        QCOMPARE(items.NumMinStats(99), 0); // no item 99: never asked for
        QCOMPARE(items.NumMinStats(900), 0);
    }

    // Every Jet number type converts; a fraction goes to the nearest whole number, a half to even.
    void numberTypes()
    {
        const jet::Table stats{QStringLiteral("tblStat"),
                               {Col("StatID", ColumnType::Double), Col("Stat", ColumnType::Text)},
                               {{2.5, Txt("two")}, {3.5, Txt("four")}, {-0.5, Txt("zero")}}};
        const jet::Table items{QStringLiteral("tblItem"),
                               {Col("ItemID", ColumnType::Integer), Col("MaterialID", ColumnType::Byte),
                                Col("Item", ColumnType::Text)},
                               {{Num(10), Num(1), Txt("Sword")}}};
        const jet::Table mods{QStringLiteral("tblItemModStatJunction"),
                              {Col("ItemID", ColumnType::Currency), Col("StatID", ColumnType::Boolean),
                               Col("ModNum"), Col("Modification", ColumnType::Currency)},
                              {{Num(10), true, Num(0), QStringLiteral("2.5")}}};
        GameFolder folder(Replace(Replace(Replace(Game(), stats), items), mods));
        const clsStat loaded = LoadStatTable();
        QCOMPARE((QList<int32_t>{loaded.FindStatID(QStringLiteral("two")), loaded.FindStatID(QStringLiteral("four")),
                                 loaded.FindStatID(QStringLiteral("zero"))}),
                 (QList<int32_t>{2, 4, 0}));
        const clsItem loadedItems = LoadItemTable();
        QCOMPARE(loadedItems.Item(1), QStringLiteral("Iron Sword"));
        QCOMPARE(loadedItems.Mods(10, 0).StatID(1), -1); // yes is -1
        QCOMPARE(loadedItems.Mods(10, 0).Value(1), 2);
    }

    void failures_data()
    {
        QTest::addColumn<int>("which"); // 0: stat loader, 1: item loader
        QTest::addColumn<std::vector<jet::Table>>("tables");
        QTest::addColumn<QStringList>("mentions");
        const std::vector<jet::Table> game = Game();
        QTest::newRow("no database file") << 0 << std::vector<jet::Table>{} << QStringList{"Kelvara.mdb", "Could not find"};
        QTest::newRow("no tblStat") << 0 << Without(game, QStringLiteral("tblStat")) << QStringList{"tblStat", "not found"};
        QTest::newRow("no tblItem") << 1 << Without(game, QStringLiteral("tblItem")) << QStringList{"tblItem", "not found"};
        QTest::newRow("no tblMaterial") << 1 << Without(game, QStringLiteral("tblMaterial"))
                                        << QStringList{"tblMaterial", "not found"};
        QTest::newRow("no requirement table") << 1 << Without(game, QStringLiteral("tblItemMinStatJunction"))
                                              << QStringList{"tblItemMinStatJunction", "not found"};
        QTest::newRow("no mod table") << 1 << Without(game, QStringLiteral("tblItemModStatJunction"))
                                      << QStringList{"tblItemModStatJunction", "not found"};
        QTest::newRow("Null stat ID") << 0 << Replace(game, Stats({{Num(1), Txt("a")}, {Null, Txt("b")}}))
                                      << QStringList{"Invalid use of Null", "tblStat", "row 2", "column 0"};
        QTest::newRow("Null stat name") << 0 << Replace(game, Stats({{Num(1), Null}}))
                                        << QStringList{"Invalid use of Null", "tblStat", "row 1", "column 1"};
        QTest::newRow("Null item ID") << 1 << Replace(game, Items({{Null, Null, Txt("x")}}))
                                      << QStringList{"Invalid use of Null", "tblItem", "column 0"};
        QTest::newRow("Null in a requirement") << 1 << Replace(game, MinStats({{Num(10), Num(1), Null}}))
                                               << QStringList{"Invalid use of Null", "tblItemMinStatJunction", "column 2"};
        QTest::newRow("Null in a mod") << 1 << Replace(game, Mods({{Num(10), Null, Num(0), Num(1)}}))
                                       << QStringList{"Invalid use of Null", "tblItemModStatJunction", "column 1"};
        QTest::newRow("missing material row") << 1 << Replace(game, Items({{Num(10), Num(7), Txt("Sword")}}))
                                              << QStringList{"tblMaterial", "MaterialID=7"};
        QTest::newRow("overflow")
            << 0
            << Replace(game, jet::Table{QStringLiteral("tblStat"),
                                        {Col("StatID", ColumnType::Double), Col("Stat", ColumnType::Text)},
                                        {{2147483648.0, Txt("big")}}})
            << QStringList{"Overflow", "tblStat", "row 1", "column 0"};
        QTest::newRow("text where a number is needed")
            << 1
            << Replace(game, jet::Table{QStringLiteral("tblItem"),
                                        {Col("ItemID", ColumnType::Text), Col("MaterialID"), Col("Item", ColumnType::Text)},
                                        {{Txt("ten"), Null, Txt("x")}}})
            << QStringList{"Type mismatch", "tblItem", "column 0"};
    }

    void failures()
    {
        QFETCH(int, which);
        QFETCH(std::vector<jet::Table>, tables);
        QFETCH(QStringList, mentions);
        GameFolder folder(tables);
        const QString message = ErrorOf([&] {
            if (which == 0)
                LoadStatTable();
            else
                LoadItemTable();
        });
        for (const QString& mention : mentions)
            QVERIFY2(message.contains(mention), qPrintable(message));
    }

    void notADatabase()
    {
        GameFolder folder({});
        QFile file(folder.Database());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Standard Jet DB? no, a text file\n");
        file.close();
        const QString message = ErrorOf([] { LoadStatTable(); });
        QVERIFY2(message.contains(QStringLiteral("Kelvara.mdb")) && message.contains(QStringLiteral("not a Jet 4.0")),
                 qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TstLoaders)
#include "tst_loaders.moc"
