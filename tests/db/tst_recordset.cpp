// The game database: the stat and item tables, the record set over libmdb, and the loaders that fill the
// tables from Kelvara.mdb.
#include "common/errorof.h"
#include "db/moddb.h"
#include "fixtures.h"

#include <QRandomGenerator>
#include <QTest>

using namespace fixtures;

Q_DECLARE_METATYPE(std::vector<jet::Table>)

namespace {

QString ConnectionText(const QString& path)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;").arg(path);
}

// The rows a statement returns, each as its columns' text forms joined by "|", Null written as "<null>".
QStringList Rows(Connection& connection, const QString& sql)
{
    RecordSet records;
    records.Open(sql, connection);
    QStringList rows;
    for (; !records.AtEnd(); records.MoveNext()) {
        QStringList cells;
        for (int i = 0; i < records.FieldCount(); ++i)
            cells << (records.Field(i).IsNull() ? QStringLiteral("<null>") : records.Field(i).ToText());
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QStringList Names(const clsItem& table)
{
    QStringList names;
    for (int32_t i = 1; i <= table.NumItems(); ++i)
        names << table.Item(i);
    return names;
}

// The exchange sort the tables must match: bubble passes over the whole table, swapping only on a strictly
// greater key.
struct Entry
{
    int32_t id;
    QString name;
};

void ExchangeSort(std::vector<Entry>& entries, bool byID)
{
    for (size_t bound = entries.size(); bound-- > 1;) {
        for (size_t i = 0; i < bound; ++i) {
            if (byID ? entries[i].id > entries[i + 1].id : entries[i].name.toUpper() > entries[i + 1].name.toUpper())
                std::swap(entries[i], entries[i + 1]);
        }
    }
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
            Mods({{Num(10), Num(3), Num(0), Num(5)},
                  {Num(10), Num(2), Num(1), Num(-2)},
                  {Num(12), Num(1), Num(2), Num(9)}})};
}

std::vector<jet::Table> Replace(std::vector<jet::Table> tables, std::initializer_list<jet::Table> with)
{
    for (jet::Table& t : tables) {
        for (const jet::Table& table : with) {
            if (t.name == table.name)
                t = table;
        }
    }
    return tables;
}

} // namespace

class TstRecordSet : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFolder> mFolder;
    Connection mConnection;

private slots:
    void initTestCase()
    {
        std::vector<std::vector<V>> many;
        for (qint64 i = 0; i < 5000; ++i)
            many.push_back({Num(i), Num(i % 7), QStringLiteral("row %1").arg(i)});
        mFolder = std::make_unique<GameFolder>(std::vector<jet::Table>{
            {QStringLiteral("tblTypes"),
             {Col("Yes", ColumnType::Boolean), Col("Small", ColumnType::Byte), Col("Int", ColumnType::Integer),
              Col("Long"), Col("Money", ColumnType::Currency), Col("Real", ColumnType::Double),
              Col("Name", ColumnType::Text), Col("Notes", ColumnType::Memo)},
             {{true, Num(255), Num(-32768), Num(-2147483648LL), QStringLiteral("-922337203685477.5808"), 0.1 + 0.2,
               Txt("Zoë"), QString(300, QLatin1Char('m'))},
              {false, Null, Null, Null, Null, Null, Null, Null},
              {false, Num(0), Num(32767), Num(2147483647), QStringLiteral("3.5"), -1.0 / 3, QString(), QString()}}},
            {QStringLiteral("tblOrder"),
             {Col("RankID"), Col("Rank", ColumnType::Text), Col("Exp", ColumnType::Double)},
             {{Num(3), Txt("c"), 300.0},
              {Null, Txt("null"), Null},
              {Num(1), Txt("b"), 100.0},
              {Num(-5), Txt("B"), 7.5},
              {Num(1), Txt("a"), 100.0}}},
            {QStringLiteral("tblMany"), {Col("ID"), Col("Group"), Col("Label", ColumnType::Text)}, many},
            {QStringLiteral("tblEmpty"), {Col("ID")}, {}},
        });
        mConnection.Open(ConnectionText(mFolder->Database()));
    }

    // The order after any mix of additions and sorts is exactly the exchange sort's; a name held twice is
    // found at its later place; a place outside the table is an error.
    void tables()
    {
        clsItem single;
        single.AddItem(7, QStringLiteral("Sword"));
        single.AddMinStat(7, 1, 30);
        QCOMPARE(ErrorOf([&] { single.Item(2); }), QStringLiteral("Subscript out of range"));
        QCOMPARE(ErrorOf([&] { single.MinStats(7).StatID(2); }), QStringLiteral("Subscript out of range"));
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
                    stats.AddStat(entry.id, entry.name);
                    items.AddItem(entry.id, entry.name);
                    reference.push_back(entry);
                    ExchangeSort(reference, false);
                }
                QCOMPARE(stats.NumStats(), static_cast<int32_t>(reference.size()));
                const QString name = pool[random.bounded(pool.size())];
                const auto last = std::find_if(reference.rbegin(), reference.rend(),
                                               [&](const Entry& e) { return e.name.toUpper() == name.toUpper(); });
                QCOMPARE(stats.FindStatID(name), last == reference.rend() ? -1 : last->id);
                for (int32_t i = 1; i <= stats.NumStats(); ++i) {
                    QCOMPARE(stats.StatID(i), reference[size_t(i - 1)].id);
                    QCOMPARE(stats.Stat(i), reference[size_t(i - 1)].name);
                    QCOMPARE(items.ItemID(i), reference[size_t(i - 1)].id);
                    QCOMPARE(items.Item(i), reference[size_t(i - 1)].name);
                }
            }
        }
    }

    // Every Jet column type, Null apart from the empty text, doubles bit for bit.
    void columnTypes()
    {
        RecordSet records;
        records.Open(QStringLiteral("SELECT * FROM tblTypes"), mConnection);
        QCOMPARE(records.FieldName(6), QStringLiteral("Name"));
        const QList<QList<DbValue>> rows{
            {DbValue::Boolean(true), DbValue::Integer(255), DbValue::Integer(-32768), DbValue::Integer(-2147483648LL),
             DbValue::Double(-922337203685477.5808), DbValue::Double(0.1 + 0.2),
             DbValue::Text(QString::fromUtf8("Zoë")), DbValue::Text(QString(300, QLatin1Char('m')))},
            {DbValue::Boolean(false), {}, {}, {}, {}, {}, {}, {}},
            {DbValue::Boolean(false), DbValue::Integer(0), DbValue::Integer(32767), DbValue::Integer(2147483647),
             DbValue::Double(3.5), DbValue::Double(-1.0 / 3), DbValue::Text(QString()), DbValue::Text(QString())}};
        for (const QList<DbValue>& row : rows) {
            QCOMPARE(records.FieldCount(), row.size());
            for (int i = 0; i < row.size(); ++i)
                QCOMPARE(records.Field(i), row[i]);
            records.MoveNext();
        }
        QVERIFY(records.AtEnd());
        QVERIFY(ErrorOf([&] { records.Field(0); }).contains(QStringLiteral("No current row")));
        QVERIFY(ErrorOf([&] { records.MoveNext(); }).contains(QStringLiteral("No current row")));
    }

    void statements_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("scan keeps file order")
            << "SELECT * FROM tblOrder"
            << QStringList{"3|c|300", "<null>|null|<null>", "1|b|100", "-5|B|7.5", "1|a|100"};
        QTest::newRow("order by number, Null first, ties kept")
            << "SELECT * FROM tblOrder ORDER BY RankID"
            << QStringList{"<null>|null|<null>", "-5|B|7.5", "1|b|100", "1|a|100", "3|c|300"};
        QTest::newRow("order by text, case ignored")
            << "SELECT * FROM tblOrder ORDER BY Rank"
            << QStringList{"1|a|100", "1|b|100", "-5|B|7.5", "3|c|300", "<null>|null|<null>"};
        QTest::newRow("where, scan order")
            << "SELECT * FROM tblOrder WHERE RankID=1" << QStringList{"1|b|100", "1|a|100"};
        QTest::newRow("where on a double column")
            << "SELECT * FROM tblOrder WHERE Exp=100" << QStringList{"1|b|100", "1|a|100"};
        QTest::newRow("where fraction never matches") << "SELECT * FROM tblOrder WHERE Exp=7" << QStringList{};
        QTest::newRow("where Null never matches") << "SELECT * FROM tblOrder WHERE RankID=0" << QStringList{};
        QTest::newRow("keywords in any case, brackets, blanks, sign")
            << "  select *  from [tblOrder]  where  rankid = -5 " << QStringList{"-5|B|7.5"};
        QTest::newRow("empty table") << "SELECT * FROM tblEmpty" << QStringList{};
    }

    void statements()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, rows);
        QCOMPARE(Rows(mConnection, sql), rows);
    }

    // A WHERE query answers from an index over the column, with exactly the rows a scan finds, in scan
    // order, also while another record set on the connection is walked.
    void whereMatchesScan()
    {
        const QStringList all = Rows(mConnection, QStringLiteral("SELECT * FROM tblMany"));
        QCOMPARE(all.size(), 5000);
        RecordSet outer;
        outer.Open(QStringLiteral("SELECT * FROM tblMany ORDER BY Label"), mConnection);
        for (int group = 0; group < 7; ++group, outer.MoveNext()) {
            QStringList expected;
            for (const QString& row : all) {
                if (row.section(QLatin1Char('|'), 1, 1).toInt() == group)
                    expected << row;
            }
            QCOMPARE(Rows(mConnection, QStringLiteral("SELECT * FROM tblMany WHERE Group=%1").arg(group)), expected);
            QCOMPARE(
                Rows(mConnection, QStringLiteral("SELECT * FROM tblMany WHERE ID=%1").arg(outer.Field(0).ToText())),
                QStringList{outer.Field(0).ToText() + QLatin1Char('|') + outer.Field(1).ToText() + QLatin1Char('|')
                            + outer.Field(2).ToText()});
        }
    }

    // A table asked for in many spellings is the same table each time. (Each new
    // spelling is remembered; the table once came from a place that remembering it
    // had just freed: found by fuzzing the statements.)
    void tableNameInManySpellings()
    {
        Connection connection;
        connection.Open(ConnectionText(mFolder->Database()));
        const QString name = QStringLiteral("tblorder");
        const QStringList expected = Rows(connection, QStringLiteral("SELECT * FROM tblOrder ORDER BY Rank"));
        QCOMPARE(expected.size(), 5);
        for (int mask = 0; mask < (1 << name.size()); mask += 3) {
            QString spelling = name;
            for (int i = 0; i < name.size(); ++i) {
                if (mask & (1 << i))
                    spelling[i] = spelling[i].toUpper();
            }
            QCOMPARE(Rows(connection, QStringLiteral("SELECT * FROM %1 ORDER BY Rank").arg(spelling)), expected);
        }
    }

    // Only the three statement forms; errors name the statement, table or column.
    void refused_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("error");
        const QString unsupported = QStringLiteral("Unsupported SQL statement");
        QTest::newRow("column list") << "SELECT RankID FROM tblOrder" << unsupported;
        QTest::newRow("other comparison") << "SELECT * FROM tblOrder WHERE RankID>1" << unsupported;
        QTest::newRow("two conditions") << "SELECT * FROM tblOrder WHERE RankID=1 OR 1=1" << unsupported;
        QTest::newRow("missing table") << "SELECT * FROM tblNone"
                                       << "tblNone";
        QTest::newRow("missing column") << "SELECT * FROM tblOrder WHERE Nope=1"
                                        << "Nope";
        QTest::newRow("text column in criteria") << "SELECT * FROM tblOrder WHERE Rank=1"
                                                 << "Data type mismatch";
        QTest::newRow("order by missing column") << "SELECT * FROM tblOrder ORDER BY Nope"
                                                 << "Nope";
    }

    void refused()
    {
        QFETCH(QString, sql);
        QFETCH(QString, error);
        RecordSet records;
        const QString message = ErrorOf([&] { records.Open(sql, mConnection); });
        QVERIFY2(message.contains(error)
                     && (error != QLatin1String("Unsupported SQL statement") || message.contains(sql)),
                 qPrintable(message));
        QVERIFY(!records.IsOpen());
    }

    void connectionFailures_data()
    {
        QTest::addColumn<QByteArray>("contents"); // "<none>": no file; "<dir>": a folder
        QTest::addColumn<QString>("error");
        QTest::newRow("folder") << QByteArray("<dir>") << "not a file";
        QTest::newRow("text file") << QByteArray(20000, 'x') << "not a Jet 4.0 database";
    }

    void connectionFailures()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, error);
        GameFolder folder({});
        if (contents == "<dir>")
            QVERIFY(QDir().mkdir(folder.Database()));
        else if (QFile file(folder.Database()); contents != "<none>")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        Connection connection;
        const QString message = ErrorOf([&] { connection.Open(ConnectionText(folder.Database())); });
        QVERIFY2(message.contains(error) && message.contains(folder.Database()), qPrintable(message));
        QVERIFY(!connection.IsOpen());
        QVERIFY(ErrorOf([&] {
                    connection.Open(QStringLiteral("Driver=SQLite;Database=x"));
                }).contains(QStringLiteral("Unsupported connection text")));
    }

    void loaders()
    {
        GameFolder folder(Game());
        QCOMPARE(GameDatabaseConnectionText(folder.Database()),
                 QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1/Kelvara.mdb;").arg(folder.Path()));
        const clsStat stats = LoadStatTable(folder.Database());
        QCOMPARE((QStringList{stats.Stat(1), stats.Stat(2), stats.Stat(3)}),
                 (QStringList{"agility", "Strength", "Wisdom"}));
        QCOMPARE(stats.StatID(1), 2);
        // Material names in front; an empty or Null material name gives no prefix; a Null item name counts
        // as empty. Display-name order.
        const clsItem items = LoadItemTable(folder.Database());
        QCOMPARE(Names(items), (QStringList{"", "Apple", "Bow", "Cap", "Iron ", "Iron Sword"}));
        QCOMPARE(items.FindItemID(QStringLiteral("Iron ")), std::optional<int32_t>(14));
        QCOMPARE(items.FindItemID(QString()), std::optional<int32_t>(15));
        QCOMPARE(items.FindItemID(QStringLiteral("Dragon")), std::nullopt);
        // Duplicate junction rows are kept, in table order, under their item.
        QCOMPARE(items.NumMinStats(10), 2);
        QCOMPARE(items.MinStats(12).StatID(1), 2);
        QCOMPARE(items.Mods(10, 1).Value(1), -2);
        QCOMPARE(items.Mods(12, 2).Value(1), 9);
        QCOMPARE(items.NumMinStats(11), 0);

        GameFolder empty({Stats({}), Items({})}); // no per-item table is asked for
        QCOMPARE(LoadStatTable(empty.Database()).NumStats() + LoadItemTable(empty.Database()).NumItems(), 0);
    }

    // Requirement rows are found by the column named ItemID wherever it stands, and read by position.
    // Every Jet number type converts; a fraction goes to the nearest whole number, a half to even.
    void columnsAndTypes()
    {
        jet::Table stats = Stats({{2.5, Txt("two")}, {3.5, Txt("four")}, {-0.5, Txt("zero")}});
        jet::Table items = Items({{Num(10), 1.4, Txt("Sword")}});
        jet::Table mods = Mods({{Num(10), true, Num(0), QStringLiteral("2.5")}});
        stats.columns[0].type = ColumnType::Double;
        items.columns[0].type = ColumnType::Integer;
        items.columns[1].type = ColumnType::Double;
        mods.columns[0].type = mods.columns[3].type = ColumnType::Currency;
        mods.columns[1].type = ColumnType::Boolean;
        const jet::Table minStats{QStringLiteral("tblItemMinStatJunction"),
                                  {Col("JunctionID"), Col("StatID"), Col("MinStat", ColumnType::Byte), Col("ItemID")},
                                  {{Num(900), Num(1), Num(25), Num(10)}, {Num(901), Num(2), Num(7), Num(99)}}};
        GameFolder folder(Replace(Game(), {stats, items, minStats, mods}));
        const clsStat loadedStats = LoadStatTable(folder.Database());
        for (const auto& [name, id] : {std::pair{"two", 2}, {"four", 4}, {"zero", 0}})
            QCOMPARE(loadedStats.FindStatID(QLatin1String(name)), id);
        const clsItem loaded = LoadItemTable(folder.Database());
        QCOMPARE(Names(loaded), QStringList{"Iron Sword"});
        QCOMPARE((QList<int32_t>{loaded.NumMinStats(10), loaded.MinStats(10).StatID(1), loaded.MinStats(10).Value(1)}),
                 (QList<int32_t>{1, 1, 25}));
        QCOMPARE(loaded.Mods(10, 0).StatID(1), -1); // yes is -1
        QCOMPARE(loaded.Mods(10, 0).Value(1), 2);
    }

    // Every failure stops the load with an error naming the file or table and the cause.
    void loadFailures_data()
    {
        QTest::addColumn<bool>("items"); // the item loader, else the stat loader
        QTest::addColumn<std::vector<jet::Table>>("tables");
        QTest::addColumn<QStringList>("mentions");
        const std::vector<jet::Table> game = Game();
        const QString null = QStringLiteral("Invalid use of Null");
        QTest::newRow("no database file")
            << false << std::vector<jet::Table>{} << QStringList{"Kelvara.mdb", "Could not find"};
        for (const jet::Table& table : game) {
            std::vector<jet::Table> without = game;
            std::erase_if(without, [&](const jet::Table& t) { return t.name == table.name; });
            QTest::addRow("no %s", qPrintable(table.name))
                << (table.name != u"tblStat") << without << QStringList{table.name, QStringLiteral("not found")};
        }
        QTest::newRow("Null stat ID") << false << Replace(game, {Stats({{Num(1), Txt("a")}, {Null, Txt("b")}})})
                                      << QStringList{null, "tblStat", "row 2", "column 0"};
        QTest::newRow("Null stat name") << false << Replace(game, {Stats({{Num(1), Null}})})
                                        << QStringList{null, "tblStat", "row 1", "column 1"};
        QTest::newRow("Null item ID") << true << Replace(game, {Items({{Null, Null, Txt("x")}})})
                                      << QStringList{null, "tblItem", "column 0"};
        QTest::newRow("Null in a requirement") << true << Replace(game, {MinStats({{Num(10), Num(1), Null}})})
                                               << QStringList{null, "tblItemMinStatJunction", "column 2"};
        QTest::newRow("Null in a mod") << true << Replace(game, {Mods({{Num(10), Null, Num(0), Num(1)}})})
                                       << QStringList{null, "tblItemModStatJunction", "column 1"};
        QTest::newRow("missing material row")
            << true << Replace(game, {Items({{Num(10), Num(7), Txt("Sword")}})})
            << QStringList{"tblMaterial", "MaterialID 7", "tblItem", "row 1", "column 1"};
        jet::Table big = Stats({{2147483648.0, Txt("big")}}), text = Items({{Txt("ten"), Null, Txt("x")}});
        jet::Table bigMaterial = Items({{Num(10), 1e20, Txt("x")}}), textMaterial = Items({{Num(10), Txt("1x"), Null}});
        jet::Table nanStat = Stats({{Txt("nan"), Txt("x")}});
        big.columns[0].type = bigMaterial.columns[1].type = ColumnType::Double;
        text.columns[0].type = textMaterial.columns[1].type = nanStat.columns[0].type = ColumnType::Text;
        QTest::newRow("MaterialID too large")
            << true << Replace(game, {bigMaterial}) << QStringList{"Overflow", "tblItem", "row 1", "column 1"};
        QTest::newRow("MaterialID a text")
            << true << Replace(game, {textMaterial}) << QStringList{"Type mismatch", "tblItem", "row 1", "column 1"};
        QTest::newRow("stat ID the text nan")
            << false << Replace(game, {nanStat}) << QStringList{"Type mismatch", "tblStat", "row 1", "column 0"};
        QTest::newRow("overflow") << false << Replace(game, {big})
                                  << QStringList{"Overflow", "tblStat", "row 1", "column 0"};
        QTest::newRow("text where a number is needed")
            << true << Replace(game, {text}) << QStringList{"Type mismatch", "tblItem", "column 0"};
    }

    void loadFailures()
    {
        QFETCH(bool, items);
        QFETCH(std::vector<jet::Table>, tables);
        QFETCH(QStringList, mentions);
        GameFolder folder(tables);
        const QString message = ErrorOf(
            [&] { items ? void(LoadItemTable(folder.Database())) : void(LoadStatTable(folder.Database())); });
        for (const QString& mention : mentions)
            QVERIFY2(message.contains(mention), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TstRecordSet)
#include "tst_recordset.moc"
