// The stat and item tables, the record set's WHERE index, and the loaders that fill the tables from Kelvara.mdb.
#include "common/errorof.h"
#include "db/moddb.h"
#include "fixtures.h"

#include <QtTest>

#include <cstdio>

using namespace Qt::StringLiterals;

using namespace fixtures;

Q_DECLARE_METATYPE(std::vector<jet::Table>)

namespace {

// The rows a statement returns, each as its columns' text forms joined by "|".
QStringList Query(Connection& connection, const QString& sql)
{
    RecordSet records;
    records.Open(sql, connection);
    QStringList rows;
    for (; !records.AtEnd(); records.MoveNext()) {
        QStringList cells;
        for (int i = 0; i < records.FieldCount(); ++i)
            cells << records.Field(i).ToText();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

// The exchange sort the tables must match: bubble passes over the whole table, swapping only on a strictly
// greater key.
using Entry = std::pair<int32_t, QString>;

void ExchangeSort(std::vector<Entry>& entries, bool byID)
{
    for (size_t bound = entries.size(); bound-- > 1;)
        for (size_t i = 0; i < bound; ++i)
            if (byID ? entries[i].first > entries[i + 1].first
                     : entries[i].second.toUpper() > entries[i + 1].second.toUpper())
                std::swap(entries[i], entries[i + 1]);
}

// A database every loader succeeds on, its tables replaced by those `with` names. MaterialID 0.6 is material
// 1, 2.5 (a half, to even) material 2.
std::vector<jet::Table> Game(std::initializer_list<jet::Table> with = {})
{
    std::vector<jet::Table> tables{
        Stats({{1LL, Txt("Strength")}, {2LL, Txt("agility")}}), Materials({{1LL, Txt("Iron")}, {2LL, Txt("")}}),
        Table("tblItem", {"ItemID", "MaterialID:double", "Item:text"},
              {{10LL, 0.6, Txt("Sword")}, {11LL, Null, Txt("Apple")}, {12LL, 2.5, Txt("Bow")}}),
        MinStats({{10LL, 1LL, 30LL}, {10LL, 1LL, 30LL}}), Mods({{10LL, 2LL, 1LL, -2LL}})};
    for (jet::Table& t : tables)
        for (const jet::Table& table : with)
            t = t.name == table.name ? table : t;
    return tables;
}

} // namespace

class TstRecordSet : public QObject
{
    Q_OBJECT

private slots:
    // The order after any mix of additions and sorts is exactly the exchange sort's; a name held twice is
    // found at its later place.
    void tables()
    {
        QRandomGenerator random(4711);
        const QStringList pool = {"Iron Sword", "iron sword", "Axe", "axe",   "Bow",  "Ring", "ring", "Äxt",  "äxt",
                                  "Zeal",       "_x",         "9",   " lead", "Helm", "HELM", "Cape", "cape "};
        for (int round = 0; round < 60; ++round) {
            clsStat stats;
            clsItem items;
            std::vector<Entry> reference;
            for (int step = random.bounded(1, 80); step > 0; --step) {
                if (random.bounded(10) == 0) {
                    const bool byID = random.bounded(2) == 0;
                    stats.Sort(byID);
                    items.Sort(byID);
                    ExchangeSort(reference, byID);
                } else {
                    const Entry entry{static_cast<int32_t>(random.bounded(-5, 20)), pool[random.bounded(pool.size())]};
                    stats.AddStat(entry.first, entry.second);
                    items.AddItem(entry.first, entry.second);
                    reference.push_back(entry);
                    ExchangeSort(reference, false);
                }
                QCOMPARE(stats.NumStats(), static_cast<int32_t>(reference.size()));
                QCOMPARE(items.NumItems(), static_cast<int32_t>(reference.size()));
                const QString name = pool[random.bounded(pool.size())];
                const auto last = std::find_if(reference.rbegin(), reference.rend(),
                                               [&](const Entry& e) { return e.second.toUpper() == name.toUpper(); });
                QCOMPARE(stats.FindStatID(name), last == reference.rend() ? -1 : last->first);
                QCOMPARE(items.FindItemID(name), last == reference.rend() ? std::nullopt : std::optional(last->first));
                for (int32_t i = 1; i <= stats.NumStats(); ++i) {
                    QCOMPARE(Entry(stats.StatID(i), stats.Stat(i)), reference[size_t(i - 1)]);
                    QCOMPARE(Entry(items.ItemID(i), items.Item(i)), reference[size_t(i - 1)]);
                }
            }
        }
    }

    // A WHERE query answers from an index over the column, with exactly the rows a scan finds, in scan
    // order, also while another record set on the connection is walked and the table is named in other
    // spellings (a new spelling once freed the table the walked record set was reading).
    void whereMatchesScan()
    {
        Rows many;
        for (qint64 i = 0; i < 700; ++i)
            many.push_back({Num(i * 37 % 700), Num(i % 7), QStringLiteral("row %1").arg(i)});
        GameFolder folder({Table("Az_09", {"ID", "Group", "Label:text"}, many)});
        Connection connection;
        connection.Open(GameDatabaseConnectionText(folder.Database()));
        const QStringList all = Query(connection, u"SELECT * FROM Az_09"_s);
        QCOMPARE(all.size(), 700);
        RecordSet outer;
        outer.Open(u"SELECT * FROM Az_09 ORDER BY Label"_s, connection);
        for (int group = 0; group < 7; ++group, outer.MoveNext()) {
            const QStringList expected = all.filter(QRegularExpression(QStringLiteral("^\\d+\\|%1\\|").arg(group)));
            const char* table[] = {"Az_09", "AZ_09", "[az_09]", "az_09", "aZ_09", "[AZ_09]", "[Az_09]"};
            QCOMPARE(Query(connection, QStringLiteral("SELECT * FROM %1 WHERE Group=%2").arg(table[group]).arg(group)),
                     expected);
            const QString id = outer.Field(0).ToText();
            QCOMPARE(Query(connection, u"SELECT * FROM Az_09 WHERE ID="_s + id),
                     QStringList{id + u'|' + outer.Field(1).ToText() + u'|' + outer.Field(2).ToText()});
        }
        // An open that fails leaves the connection closed: the database before is not read under the new name.
        ErrorOf([&] { connection.Open(GameDatabaseConnectionText(folder.Path() + u"/none.mdb"_s)); });
        QVERIFY(ErrorOf([&] { Query(connection, u"SELECT * FROM Az_09"_s); }).contains(u"is not open"_s));
    }

    // Material names in front, an empty one gives no prefix; a fraction MaterialID rounds; duplicate junction
    // rows are kept. A file renamed over the path between the tables (as the game's patcher replaces Kelvara.mdb)
    // mixes none of its rows into the load.
    void loaders()
    {
        GameFolder folder(Game());
        const QString next = folder.Path() + u"/next.mdb"_s;
        jet::WriteDatabase(next,
                           Game({Stats({{1LL, Txt("Wisdom")}}), Items({{10LL, Null, Txt("Club")}}),
                                 MinStats({{10LL, 1LL, 77LL}}), Mods({{10LL, 2LL, 1LL, 77LL}})}));
        const GameTables tables = LoadGameTables(
            folder.Database(), [&] { QCOMPARE(std::rename(qPrintable(next), qPrintable(folder.Database())), 0); });
        const clsItem& items = tables.items;
        QStringList names;
        for (int32_t i = 1; i <= items.NumItems(); ++i)
            names << items.Item(i);
        QCOMPARE(names, (QStringList{"Apple", "Bow", "Iron Sword"}));
        QCOMPARE(items.FindItemID(u"Iron Sword"_s), std::optional<int32_t>(10));
        QCOMPARE(items.FindItemID(u"Sword"_s), std::nullopt);
        QCOMPARE(items.NumMinStats(10), 2);
        QCOMPARE(items.Mods(10, 1).Value(1), -2);
        QCOMPARE(tables.stats.StatID(1), 2);
        QCOMPARE(LoadStatTable(folder.Database()).Stat(1), u"Wisdom"_s); // the new file is in place
    }

    // Every failure stops the load with an error naming the file or table and the cause.
    void loadFailures_data()
    {
        QTest::addColumn<bool>("items"); // the item loader, else the stat loader
        QTest::addColumn<std::vector<jet::Table>>("tables");
        QTest::addColumn<QStringList>("mentions");
        auto row = [](const char* name, bool items, const std::vector<jet::Table>& tables,
                      const QStringList& mentions) { QTest::newRow(name) << items << tables << mentions; };
        row("no database file", false, {}, {"Kelvara.mdb", "Could not find"});
        row("a loop of links", false, {}, {"Kelvara.mdb", "Too many levels of symbolic links"});
        for (const jet::Table& table : Game()) {
            std::vector<jet::Table> without = Game();
            std::erase_if(without, [&](const jet::Table& t) { return t.name == table.name; });
            QTest::addRow("no %s", qPrintable(table.name))
                << (table.name != u"tblStat") << without << QStringList{table.name, u"not found"_s};
        }
        row("Null stat ID", false, Game({Stats({{1LL, Txt("a")}, {Null, Txt("b")}})}),
            {"Invalid use of Null", "tblStat", "row 2", "column 0"});
        row("missing material row", true, Game({Items({{10LL, 7LL, Txt("Sword")}})}),
            {"tblMaterial", "MaterialID 7", "tblItem", "row 1", "column 1"});
        row("MaterialID a text", true,
            Game({Table("tblItem", {"ItemID", "MaterialID:text", "Item:text"}, {{10LL, Txt("1x"), Null}})}),
            {"Type mismatch", "tblItem", "row 1", "column 1"});
        row("stat ID the text nan", false,
            Game({Table("tblStat", {"StatID:text", "Stat:text"}, {{Txt("nan"), Txt("x")}})}),
            {"Type mismatch", "tblStat", "row 1", "column 0"});
        row("overflow", false, Game({Table("tblStat", {"StatID:double", "Stat:text"}, {{2147483648.0, Txt("big")}})}),
            {"Overflow", "tblStat", "row 1", "column 0"});
    }

    void loadFailures()
    {
        QFETCH(bool, items);
        QFETCH(std::vector<jet::Table>, tables);
        QFETCH(QStringList, mentions);
        GameFolder folder(tables);
        QVERIFY(QTest::currentDataTag() != QByteArray("a loop of links")
                || QFile::link(u"Kelvara.mdb"_s, folder.Database()));
        const QString message = ErrorOf(
            [&] { items ? void(LoadItemTable(folder.Database())) : void(LoadStatTable(folder.Database())); });
        for (const QString& mention : mentions)
            QVERIFY2(message.contains(mention), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TstRecordSet)
#include "tst_recordset.moc"
