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
QStringList Query(Connection& connection, const QString& sql)
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

// A database every loader succeeds on, its tables replaced by those `with` names.
std::vector<jet::Table> Game(std::initializer_list<jet::Table> with = {})
{
    std::vector<jet::Table> tables{Stats({{1LL, Txt("Strength")}, {2LL, Txt("agility")}, {3LL, Txt("Wisdom")}}),
                                   Materials({{1LL, Txt("Iron")}, {2LL, Txt("")}, {3LL, Null}}),
                                   Items({{10LL, 1LL, Txt("Sword")},
                                          {11LL, Null, Txt("Apple")},
                                          {12LL, 2LL, Txt("Bow")},
                                          {13LL, 3LL, Txt("Cap")},
                                          {14LL, 1LL, Null},
                                          {15LL, Null, Null}}),
                                   MinStats({{10LL, 1LL, 30LL}, {12LL, 2LL, 5LL}, {10LL, 1LL, 30LL}}),
                                   Mods({{10LL, 3LL, 0LL, 5LL}, {10LL, 2LL, 1LL, -2LL}, {12LL, 1LL, 2LL, 9LL}})};
    for (jet::Table& t : tables) {
        for (const jet::Table& table : with)
            t = t.name == table.name ? table : t;
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
        Rows many;
        for (qint64 i = 0; i < 5000; ++i)
            many.push_back({Num(i), Num(i % 7), QStringLiteral("row %1").arg(i)});
        mFolder = std::make_unique<GameFolder>(std::vector<jet::Table>{
            Table("tblTypes",
                  {"Yes:bool", "Small:byte", "Int:int", "Long", "Money:currency", "Real:double", "Name:text",
                   "Notes:memo"},
                  {{true, 255LL, -32768LL, Num(-2147483648LL), u"-922337203685477.5808"_qs, 0.1 + 0.2, Txt("Zoë"),
                    QString(300, u'm')},
                   {false, Null, Null, Null, Null, Null, Null, Null},
                   {false, 0LL, 32767LL, 2147483647LL, u"3.5"_qs, -1.0 / 3, QString(), QString()}}),
            Table("tblOrder", {"RankID", "Rank:text", "Exp:double"},
                  {{3LL, Txt("c"), 300.0},
                   {Null, Txt("null"), Null},
                   {1LL, Txt("b"), 100.0},
                   {-5LL, Txt("B"), 7.5},
                   {1LL, Txt("a"), 100.0}}),
            Table("tblMany", {"ID", "Group", "Label:text"}, many),
            Table("tblEmpty", {"ID"}, {}),
        });
        mConnection.Open(ConnectionText(mFolder->Database()));
    }

    // The order after any mix of additions and sorts is exactly the exchange sort's; a name held twice is
    // found at its later place; a place outside the table is an error.
    void tables()
    {
        clsItem single;
        single.AddItem(7, u"Sword"_qs);
        single.AddMinStat(7, 1, 30);
        QCOMPARE(ErrorOf([&] { single.Item(2); }), u"Subscript out of range"_qs);
        QCOMPARE(ErrorOf([&] { single.MinStats(7).StatID(2); }), u"Subscript out of range"_qs);
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
                QCOMPARE(items.NumItems(), static_cast<int32_t>(reference.size()));
                const QString name = pool[random.bounded(pool.size())];
                const auto last = std::find_if(reference.rbegin(), reference.rend(),
                                               [&](const Entry& e) { return e.name.toUpper() == name.toUpper(); });
                QCOMPARE(stats.FindStatID(name), last == reference.rend() ? -1 : last->id);
                QCOMPARE(items.FindItemID(name), last == reference.rend() ? std::nullopt : std::optional(last->id));
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
        records.Open(u"SELECT * FROM tblTypes"_qs, mConnection);
        QCOMPARE(records.FieldName(6), u"Name"_qs);
        using D = DbValue;
        const QList<QList<DbValue>> rows{{D::Boolean(true), D::Integer(255), D::Integer(-32768),
                                          D::Integer(-2147483648LL), D::Double(-922337203685477.5808),
                                          D::Double(0.1 + 0.2), D::Text(u"Zoë"_qs), D::Text(QString(300, u'm'))},
                                         {D::Boolean(false), {}, {}, {}, {}, {}, {}, {}},
                                         {D::Boolean(false), D::Integer(0), D::Integer(32767), D::Integer(2147483647),
                                          D::Double(3.5), D::Double(-1.0 / 3), D::Text(QString()), D::Text(QString())}};
        for (const QList<DbValue>& row : rows) {
            QCOMPARE(records.FieldCount(), row.size());
            for (int i = 0; i < row.size(); ++i)
                QCOMPARE(records.Field(i), row[i]);
            records.MoveNext();
        }
        QVERIFY(records.AtEnd());
        QVERIFY(ErrorOf([&] { records.Field(0); }).contains(u"No current row"_qs));
        QVERIFY(ErrorOf([&] { records.MoveNext(); }).contains(u"No current row"_qs));
    }

    // The rows of the three statement forms, joined by " / "; any other statement is refused with an error
    // ("!...") naming the statement, table or column.
    void statements_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("result");
        auto row = [](const char* name, const char* sql, const char* result) {
            QTest::newRow(name) << QString::fromLatin1(sql) << QString::fromLatin1(result);
        };
        row("scan keeps file order", "SELECT * FROM tblOrder",
            "3|c|300 / <null>|null|<null> / 1|b|100 / -5|B|7.5 / 1|a|100");
        row("order by number, Null first, ties kept", "SELECT * FROM tblOrder ORDER BY RankID",
            "<null>|null|<null> / -5|B|7.5 / 1|b|100 / 1|a|100 / 3|c|300");
        row("order by text, case ignored", "SELECT * FROM tblOrder ORDER BY Rank",
            "1|a|100 / 1|b|100 / -5|B|7.5 / 3|c|300 / <null>|null|<null>");
        row("where on a double column, scan order", "SELECT * FROM tblOrder WHERE Exp=100", "1|b|100 / 1|a|100");
        row("where fraction never matches", "SELECT * FROM tblOrder WHERE Exp=7", "");
        row("where Null never matches", "SELECT * FROM tblOrder WHERE RankID=0", "");
        row("keywords in any case, brackets, blanks, sign", "  select *  from [tblOrder]  where  rankid = -5 ",
            "-5|B|7.5");
        row("empty table", "SELECT * FROM tblEmpty", "");
        row("column list", "SELECT RankID FROM tblOrder", "!Unsupported SQL statement");
        row("other comparison", "SELECT * FROM tblOrder WHERE RankID>1", "!Unsupported SQL statement");
        row("two conditions", "SELECT * FROM tblOrder WHERE RankID=1 OR 1=1", "!Unsupported SQL statement");
        row("missing table", "SELECT * FROM tblNone", "!tblNone");
        row("missing column", "SELECT * FROM tblOrder WHERE Nope=1", "!Nope");
        row("text column in criteria", "SELECT * FROM tblOrder WHERE Rank=1", "!Data type mismatch");
        row("order by missing column", "SELECT * FROM tblOrder ORDER BY Nope", "!Nope");
    }

    void statements()
    {
        QFETCH(QString, sql);
        QFETCH(QString, result);
        RecordSet records;
        if (!result.startsWith(u'!')) {
            QCOMPARE(Query(mConnection, sql).join(u" / "_qs), result);
            return;
        }
        const QString message = ErrorOf([&] { records.Open(sql, mConnection); });
        QVERIFY2(message.contains(result.mid(1)) && (!result.contains(u"SQL"_qs) || message.contains(sql)),
                 qPrintable(message));
        QVERIFY(!records.IsOpen());
    }

    // A WHERE query answers from an index over the column, with exactly the rows a scan finds, in scan
    // order, also while another record set on the connection is walked.
    void whereMatchesScan()
    {
        const QStringList all = Query(mConnection, u"SELECT * FROM tblMany"_qs);
        QCOMPARE(all.size(), 5000);
        RecordSet outer;
        outer.Open(u"SELECT * FROM tblMany ORDER BY Label"_qs, mConnection);
        for (int group = 0; group < 7; ++group, outer.MoveNext()) {
            QStringList expected;
            for (const QString& row : all) {
                if (row.section(QLatin1Char('|'), 1, 1).toInt() == group)
                    expected << row;
            }
            QCOMPARE(Query(mConnection, QStringLiteral("SELECT * FROM tblMany WHERE Group=%1").arg(group)), expected);
            const QString id = outer.Field(0).ToText();
            QCOMPARE(Query(mConnection, u"SELECT * FROM tblMany WHERE ID="_qs + id),
                     QStringList{id + u'|' + outer.Field(1).ToText() + u'|' + outer.Field(2).ToText()});
        }
    }

    // A table asked for in many spellings is the same table each time. (Each new spelling is remembered; the
    // table once came from a place that remembering it had just freed: found by fuzzing the statements.)
    void tableNameInManySpellings()
    {
        Connection connection;
        connection.Open(ConnectionText(mFolder->Database()));
        const QStringList expected = Query(connection, u"SELECT * FROM tblOrder ORDER BY Rank"_qs);
        QCOMPARE(expected.size(), 5);
        for (int mask = 0; mask < 256; mask += 3) {
            QString spelling = u"tblorder"_qs;
            for (int i = 0; i < 8; ++i)
                spelling[i] = mask & (1 << i) ? spelling[i].toUpper() : spelling[i];
            QCOMPARE(Query(connection, QStringLiteral("SELECT * FROM %1 ORDER BY Rank").arg(spelling)), expected);
        }
    }

    void connectionFailures()
    {
        GameFolder folder({});
        Connection connection;
        QVERIFY(QDir().mkdir(folder.Database()));
        QString message = ErrorOf([&] { connection.Open(ConnectionText(folder.Database())); });
        QVERIFY2(message.contains(u"not a file"_qs) && message.contains(folder.Database()), qPrintable(message));
        QVERIFY(QDir().rmdir(folder.Database()));
        QFile file(folder.Database());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(20000, 'x')) == 20000);
        file.close();
        message = ErrorOf([&] { connection.Open(ConnectionText(folder.Database())); });
        QVERIFY2(message.contains(u"not a Jet 4.0 database"_qs) && message.contains(folder.Database()),
                 qPrintable(message));
        QVERIFY(!connection.IsOpen());
        QVERIFY(ErrorOf([&] {
                    connection.Open(u"Driver=SQLite;Database=x"_qs);
                }).contains(u"Unsupported connection text"_qs));
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
        QStringList names;
        for (int32_t i = 1; i <= items.NumItems(); ++i)
            names << items.Item(i);
        QCOMPARE(names, (QStringList{"", "Apple", "Bow", "Cap", "Iron ", "Iron Sword"}));
        QCOMPARE(items.FindItemID(u"Iron "_qs), std::optional<int32_t>(14));
        QCOMPARE(items.FindItemID(QString()), std::optional<int32_t>(15));
        QCOMPARE(items.FindItemID(u"Dragon"_qs), std::nullopt);
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
    // Every Jet number type converts; a fraction (a MaterialID too) goes to the nearest whole number, a half
    // to even.
    void columnsAndTypes()
    {
        GameFolder folder(Game({
            Table("tblStat", {"StatID:double", "Stat:text"},
                  {{2.5, Txt("two")}, {3.5, Txt("four")}, {-0.5, Txt("zero")}}),
            Table("tblItem", {"ItemID:int", "MaterialID:double", "Item:text"}, {{10LL, 1.4, Txt("Sword")}}),
            Table("tblItemMinStatJunction", {"JunctionID", "StatID", "MinStat:byte", "ItemID"},
                  {{900LL, 1LL, 25LL, 10LL}, {901LL, 2LL, 7LL, 99LL}}),
            Table("tblItemModStatJunction", {"ItemID:currency", "StatID:bool", "ModNum", "Modification:currency"},
                  {{10LL, true, 0LL, u"2.5"_qs}}),
        }));
        const clsStat stats = LoadStatTable(folder.Database());
        for (const auto& [name, id] : {std::pair{"two", 2}, {"four", 4}, {"zero", 0}})
            QCOMPARE(stats.FindStatID(QLatin1String(name)), id);
        const clsItem loaded = LoadItemTable(folder.Database());
        QCOMPARE((QStringList{loaded.Item(1)}), QStringList{"Iron Sword"});
        QCOMPARE((QList<int32_t>{loaded.NumItems(), loaded.NumMinStats(10), loaded.MinStats(10).StatID(1),
                                 loaded.MinStats(10).Value(1)}),
                 (QList<int32_t>{1, 1, 1, 25}));
        QCOMPARE(loaded.Mods(10, 0).StatID(1), -1); // yes is -1
        QCOMPARE(loaded.Mods(10, 0).Value(1), 2);
    }

    // Every failure stops the load with an error naming the file or table and the cause.
    void loadFailures_data()
    {
        QTest::addColumn<bool>("items"); // the item loader, else the stat loader
        QTest::addColumn<std::vector<jet::Table>>("tables");
        QTest::addColumn<QStringList>("mentions");
        const QString null = u"Invalid use of Null"_qs;
        QTest::newRow("no database file")
            << false << std::vector<jet::Table>{} << QStringList{"Kelvara.mdb", "Could not find"};
        for (const jet::Table& table : Game()) {
            std::vector<jet::Table> without = Game();
            std::erase_if(without, [&](const jet::Table& t) { return t.name == table.name; });
            QTest::addRow("no %s", qPrintable(table.name))
                << (table.name != u"tblStat") << without << QStringList{table.name, u"not found"_qs};
        }
        QTest::newRow("Null stat ID") << false << Game({Stats({{1LL, Txt("a")}, {Null, Txt("b")}})})
                                      << QStringList{null, "tblStat", "row 2", "column 0"};
        QTest::newRow("Null stat name") << false << Game({Stats({{1LL, Null}})})
                                        << QStringList{null, "tblStat", "row 1", "column 1"};
        QTest::newRow("Null item ID") << true << Game({Items({{Null, Null, Txt("x")}})})
                                      << QStringList{null, "tblItem", "column 0"};
        QTest::newRow("Null in a requirement")
            << true << Game({MinStats({{10LL, 1LL, Null}})}) << QStringList{null, "tblItemMinStatJunction", "column 2"};
        QTest::newRow("Null in a mod") << true << Game({Mods({{10LL, Null, 0LL, 1LL}})})
                                       << QStringList{null, "tblItemModStatJunction", "column 1"};
        QTest::newRow("missing material row")
            << true << Game({Items({{10LL, 7LL, Txt("Sword")}})})
            << QStringList{"tblMaterial", "MaterialID 7", "tblItem", "row 1", "column 1"};
        QTest::newRow("MaterialID too large")
            << true << Game({Table("tblItem", {"ItemID", "MaterialID:double", "Item:text"}, {{10LL, 1e20, Txt("x")}})})
            << QStringList{"Overflow", "tblItem", "row 1", "column 1"};
        QTest::newRow("MaterialID a text")
            << true << Game({Table("tblItem", {"ItemID", "MaterialID:text", "Item:text"}, {{10LL, Txt("1x"), Null}})})
            << QStringList{"Type mismatch", "tblItem", "row 1", "column 1"};
        QTest::newRow("stat ID the text nan")
            << false << Game({Table("tblStat", {"StatID:text", "Stat:text"}, {{Txt("nan"), Txt("x")}})})
            << QStringList{"Type mismatch", "tblStat", "row 1", "column 0"};
        QTest::newRow("overflow") << false
                                  << Game({Table("tblStat", {"StatID:double", "Stat:text"},
                                                 {{2147483648.0, Txt("big")}})})
                                  << QStringList{"Overflow", "tblStat", "row 1", "column 0"};
        QTest::newRow("text where a number is needed")
            << true
            << Game({Table("tblItem", {"ItemID:text", "MaterialID", "Item:text"}, {{Txt("ten"), Null, Txt("x")}})})
            << QStringList{"Type mismatch", "tblItem", "column 0"};
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
