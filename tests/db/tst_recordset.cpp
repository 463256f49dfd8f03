// SPDX-License-Identifier: GPL-3.0-or-later
// The stat and item tables, the record set's WHERE index and its reading of files Access wrote, the loaders that
// fill the tables from Kelvara.mdb (damaged ones too), the rank experience chart; the items as the item browser and
// the export see them: the browser's filters, names found as the player types, rows as CSV and tab-separated text.
#include "common/errorof.h"
#include "common/faultkit.h"
#include "common/filebytes.h"
#include "db/itemcatalogue.h"
#include "db/moddb.h"
#include "db/nameindex.h"
#include "db/rankchart.h"
#include "db/statline.h"
#include "files/tabletext.h"
#include "fixtures.h"

#include <QtTest>

#include <array>
#include <cstdio>
#include <filesystem>
#include <limits>

#include <unistd.h>

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
    items.AddMinStat(12, 99, 5);
    const std::array<int, 4> mods[] = {{10, 1, 0, 5},  {10, 1, 0, 3},   {10, 2, 1, 4}, {12, 1, 1, 9},
                                       {13, 98, 2, 7}, {13, 97, -2, 7}, {77, 1, 0, 1}}; // 77: not an item
    for (const auto& [item, stat, mod, value] : mods)
        items.AddMod(item, stat, mod, value);
    return ItemCatalogue(items, stats);
}

using Mine = std::map<int32_t, qint64>;
ItemFilter F(const QString& name = {}, const std::optional<QString>& material = {},
             const std::optional<Mine>& mine = {}, const std::vector<ItemFilter::AtLeast>& least = {})
{
    return {name, material, mine, least};
}
} // namespace

class TstRecordSet : public QObject
{
    Q_OBJECT

    TestFolder mDir;

    QByteArray mPrinted; // what went to stderr during the last load

    // The error loading both tables from the bytes reports ("no error" when both load).
    QString Load(const QByteArray& bytes)
    {
        const QString path = mDir.filePath(u"Kelvara.mdb"_s);
        QTemporaryFile err;
        if (!PutFile(path, bytes) || !err.open())
            qFatal("cannot write the test database");
        const int terminal = ::dup(STDERR_FILENO);
        ::dup2(err.handle(), STDERR_FILENO);
        const QString reason = ErrorOf([&] { LoadStatTable(path), LoadItemTable(path); });
        ::dup2(terminal, STDERR_FILENO), ::close(terminal);
        mPrinted = FileBytes(err.fileName());
        return reason;
    }

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
    // rows are kept. The file deleted and another renamed to its name between the tables (as the game's patcher
    // replaces Kelvara.mdb) mixes none of its rows into the load.
    void loaders()
    {
        GameFolder folder(Game());
        const QString next = folder.Path() + u"/next.mdb"_s;
        jet::WriteDatabase(next,
                           Game({Stats({{1LL, Txt("Wisdom")}}), Items({{10LL, Null, Txt("Club")}}),
                                 MinStats({{10LL, 1LL, 77LL}}), Mods({{10LL, 2LL, 1LL, 77LL}})}));
        bool removed = false, renamed = false;
        const GameTables tables = LoadGameTables(folder.Database(), [&] {
            removed = QFile::remove(folder.Database());
            renamed = QFile::rename(next, folder.Database());
        });
        QVERIFY(removed);
        QVERIFY2(renamed || faultkit::DeletedNamesStay, faultkit::DeletedNamesStay);
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
        if (renamed)
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
        std::error_code link; // a link is made on Linux; Windows (Wine) refuses it
        if (QTest::currentDataTag() == QByteArray("a loop of links")
            && (std::filesystem::create_symlink("Kelvara.mdb", folder.Database().toStdU16String(), link), link))
            QSKIP(link.message().c_str());
        const QString message = ErrorOf(
            [&] { items ? void(LoadItemTable(folder.Database())) : void(LoadStatTable(folder.Database())); });
        for (const QString& mention : mentions)
            QVERIFY2(message.contains(mention), qPrintable(message));
    }

    // Files that Microsoft Access itself wrote (every common column type, catalog indexes, Access's own page layout):
    // what the record set reads must be what mdbtools' mdb-json prints, cell by cell.
    void accessFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("rows");
        QTest::newRow("2000 types, Table1") << u"access2000-types.mdb"_s << u"Table1"_s << 2;
        QTest::newRow("2000 types, Table2") << u"access2000-types.mdb"_s << u"Table2"_s << 0;
        QTest::newRow("2000 numeric") << u"access2000-numeric.mdb"_s << u"test"_s << 1;
        QTest::newRow("2003 numeric") << u"access2003-numeric.mdb"_s << u"test"_s << 1;
    }

    void accessFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, table);
        QFETCH(int, rows);
        const QString path = QDir(QStringLiteral(KELVARA_TEST_DATA "/access-made")).filePath(file);
        QProcess p;
        p.start(u"env"_s, {u"LC_ALL=C"_s, u"mdb-json"_s, u"-T"_s, u"%m/%d/%Y %H:%M:%S"_s, path, table});
        if (!p.waitForStarted())
            QSKIP("mdbtools' mdb-json is a program of the build machine, not one of Windows");
        QVERIFY(p.waitForFinished(30000) && p.exitCode() == 0);
        QList<QJsonObject> expected;
        for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
            if (!line.trimmed().isEmpty())
                expected << QJsonDocument::fromJson(line).object();
        QCOMPARE(expected.size(), rows);

        Connection connection;
        connection.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;").arg(path));
        RecordSet records;
        records.Open(u"SELECT * FROM "_s + table, connection);
        int row = 0;
        QVERIFY(records.FieldName(-1).isEmpty() && records.FieldName(records.FieldCount()).isEmpty()); // no column
        for (; !records.AtEnd(); records.MoveNext(), ++row) {
            QVERIFY(row < expected.size());
            QJsonObject want = expected[row];
            for (int position = 0; position < records.FieldCount(); ++position) {
                const QString name = records.FieldName(position);
                const DbValue got = records.Field(position);
                const QString where = QStringLiteral("%1 row %2 column %3").arg(table).arg(row).arg(name);
                double number = 0;
                if (!want.contains(name)) { // the exporter leaves Null out
                    QVERIFY2(got.IsNull(), qPrintable(where));
                } else if (want[name].isString()) {
                    QCOMPARE(got.ToText(), want[name].toString());
                } else {
                    QVERIFY2(got.ToNumber(&number), qPrintable(where));
                    if (got.kind() == DbValue::Kind::Boolean)
                        QVERIFY2((number != 0) == (want[name].toDouble() != 0), qPrintable(where));
                    else
                        QCOMPARE(number, want[name].toDouble());
                }
                want.remove(name);
            }
            QVERIFY2(want.isEmpty(), qPrintable(want.keys().join(u','))); // no column left unread
        }
        QCOMPARE(row, rows);
    }

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

    // A damaged game database is reported as an error like any other: loading it never crashes, hangs or hands out
    // a table. A file cut short is named so, and mdbtools writes nothing to the terminal about it.
    // Files that once crashed the loader (tests/db/data/fuzz); the sample with every game table's usage map cut to
    // nothing; files cut short (a patch still being written, the empty file a copy left) inside the catalog's first
    // three pages, within a page, or at a page's end with pages that its pages name missing.
    void damaged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason"); // empty: any
        const QDir dir(QStringLiteral(KELVARA_TEST_DATA "/fuzz"));
        for (const QString& name : dir.entryList({u"*.mdb"_s}, QDir::Files))
            QTest::newRow(qPrintable(name)) << FileBytes(dir.filePath(name)) << QString();
        const QByteArray sample = FileBytes(QStringLiteral(KELVARA_SAMPLE_DB));
        QByteArray cut = sample;
        for (qsizetype page = 3; page * 4096 < cut.size(); ++page) {
            const uchar* p = reinterpret_cast<const uchar*>(cut.constData()) + page * 4096;
            const quint32 where = qFromLittleEndian<quint32>(p + 55);
            if (p[0] != 0x02 || (qsizetype(where >> 8) + 1) * 4096 > cut.size())
                continue;
            uchar* m = reinterpret_cast<uchar*>(cut.data()) + (where >> 8) * 4096 + 14 + (where & 0xff) * 2;
            qToLittleEndian<quint16>((where & 0xff) == 0 ? 4096 : qFromLittleEndian<quint16>(m - 2) & 0x1fff, m);
        }
        QTest::newRow("usage maps cut to nothing") << cut << QString();
        QTest::newRow("whole, loads") << sample << u"no error"_s;
        for (const qsizetype size : {qsizetype(0), qsizetype(20), qsizetype(5000), qsizetype(10000),
                                     qsizetype(3 * 4096 + 1), sample.size() - 1})
            QTest::addRow("%lld bytes", qlonglong(size)) << sample.left(size) << u"is damaged: it is cut short."_s;
        for (qsizetype pages = 3; pages * 4096 < sample.size(); ++pages)
            QTest::addRow("%lld pages", qlonglong(pages))
                << sample.left(pages * 4096) << u"is damaged: it is cut short."_s;
        // Garbage over a table's second data page, the file's length kept: its header, its row count and offsets.
        for (const int at : {0, 12}) {
            QByteArray bytes = sample;
            qsizetype page = 4;
            while (bytes[page * 4096] != 1 || bytes.mid(page * 4096 - 4092, 4) != bytes.mid(page * 4096 + 4, 4))
                ++page;
            QTest::addRow("data page garbled at byte %d", at)
                << bytes.replace(page * 4096 + at, 16, QByteArray(16, '\xff')) << u"is damaged: a row of table"_s;
        }
    }

    void damaged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString got = Load(bytes);
        QVERIFY2((got != u"no error"_s || reason == got) && got.contains(reason), qPrintable(got));
        QVERIFY2(reason.isEmpty() || mPrinted.isEmpty(), mPrinted.constData());
    }

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

QTEST_GUILESS_MAIN(TstRecordSet)
#include "tst_recordset.moc"
