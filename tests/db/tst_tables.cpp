#include "clock/kelvaraerror.h"
#include "common/errorof.h"
#include "db/clsitem.h"
#include "db/clsstat.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// The exchange sort the tables must match: bubble passes over the whole table,
// swapping only on a strictly greater key.
struct Entry
{
    int32_t id;
    QString name;
};

void ExchangeSort(std::vector<Entry>& entries, bool byID)
{
    if (entries.size() < 2)
        return;
    for (size_t bound = entries.size() - 1; bound >= 1; --bound) {
        for (size_t i = 0; i < bound; ++i) {
            const bool greater = byID ? entries[i].id > entries[i + 1].id
                                      : entries[i].name.toUpper() > entries[i + 1].name.toUpper();
            if (greater)
                std::swap(entries[i], entries[i + 1]);
        }
    }
}

QStringList Names(const clsStat& stats)
{
    QStringList names;
    for (int32_t i = 1; i <= stats.NumStats(); ++i)
        names << stats.Stat(i);
    return names;
}

} // namespace

class TstTables : public QObject
{
    Q_OBJECT

private slots:
    void newStatTable()
    {
        clsStat stats;
        QCOMPARE(stats.NumStats(), 0);
        QCOMPARE(stats.Stat(1), QString());
        QCOMPARE(ErrorOf([&] { stats.StatID(1); }), QStringLiteral("Subscript out of range"));
        QCOMPARE(stats.FindStatID(QStringLiteral("Strength")), -1);
        QCOMPARE(stats.FindStatIndex(QString()), -1);
        QCOMPARE(stats.FindStatIndexByID(0), -1);
        stats.Sort(true);
        QCOMPARE(stats.NumStats(), 0);
    }

    void statOrderAndSearches()
    {
        clsStat stats;
        stats.AddStat(2, QStringLiteral("beta"));
        stats.AddStat(1, QStringLiteral("Alpha"));
        QCOMPARE(Names(stats), (QStringList{"Alpha", "beta"}));
        QCOMPARE(stats.StatID(1), 1);

        // A blank sorts before digits, digits before letters, an underscore after Z.
        stats.AddStat(3, QStringLiteral("_under"));
        stats.AddStat(4, QStringLiteral("9lives"));
        stats.AddStat(5, QStringLiteral(" space"));
        stats.AddStat(6, QStringLiteral("ZED"));
        QCOMPARE(Names(stats), (QStringList{" space", "9lives", "Alpha", "beta", "ZED", "_under"}));

        // Equal upper-cased names keep the order of addition; the last match wins.
        stats.AddStat(10, QStringLiteral("ABC"));
        stats.AddStat(11, QStringLiteral("abc"));
        QCOMPARE(stats.FindStatID(QStringLiteral("Abc")), 11);
        QCOMPARE(stats.FindStatIndex(QStringLiteral("Abc")), stats.FindStatIndex(QStringLiteral("ABC")));
        QCOMPARE(stats.Stat(stats.FindStatIndex(QStringLiteral("abc"))), QStringLiteral("abc"));
        QCOMPARE(stats.Stat(stats.FindStatIndex(QStringLiteral("abc")) - 1), QStringLiteral("ABC"));
        QCOMPARE(stats.FindStatIndex(QStringLiteral("abc ")), -1); // trailing blanks count

        stats.AddStat(10, QStringLiteral("Zzz"));
        QCOMPARE(stats.FindStatIndexByID(10), stats.NumStats() - 1); // held twice: the later position

        for (int32_t index : {0, -1, stats.NumStats() + 1})
            QCOMPARE(stats.Stat(index), QString());
        QCOMPARE(ErrorOf([&] { stats.StatID(0); }), QStringLiteral("Subscript out of range"));
        QCOMPARE(ErrorOf([&] { stats.StatID(stats.NumStats() + 1); }), QStringLiteral("Subscript out of range"));

        stats.AddStat(-1, QStringLiteral("Negative"));
        QCOMPARE(stats.FindStatID(QStringLiteral("negative")), -1); // cannot be told from "not found"

        stats.Sort(true);
        for (int32_t i = 1; i < stats.NumStats(); ++i)
            QVERIFY(stats.StatID(i) <= stats.StatID(i + 1));
        stats.AddStat(0, QStringLiteral("Mid"));
        const QStringList names = Names(stats);
        for (int i = 1; i < names.size(); ++i)
            QVERIFY(names[i - 1].toUpper() <= names[i].toUpper());
    }

    // The order after any mix of additions and sorts is exactly the exchange sort's.
    void orderMatchesExchangeSort()
    {
        QRandomGenerator random(4711);
        const QStringList pool = {"Iron Sword", "iron sword", "Axe", "axe", "Bow", "Ring", "ring", "Äxt", "äxt",
                                  "Zeal", "_x", "9", " lead", "Helm", "HELM", "Cape", "cape "};
        for (int round = 0; round < 60; ++round) {
            clsStat stats;
            clsItem items;
            std::vector<Entry> reference;
            const int steps = random.bounded(1, 80);
            for (int step = 0; step < steps; ++step) {
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
                for (size_t i = 0; i < reference.size(); ++i) {
                    const auto index = static_cast<int32_t>(i + 1);
                    QCOMPARE(stats.StatID(index), reference[i].id);
                    QCOMPARE(stats.Stat(index), reference[i].name);
                    QCOMPARE(items.ItemID(index), reference[i].id);
                    QCOMPARE(items.Item(index), reference[i].name);
                }
            }
        }
    }

    void newItemTable()
    {
        clsItem items;
        QCOMPARE(items.NumItems(), 0);
        QCOMPARE(items.MinStats(7).Count(), 0);
        QCOMPARE(items.NumMinStats(7), 0);
        QCOMPARE(ErrorOf([&] { items.Item(1); }), QStringLiteral("Subscript out of range"));
        QCOMPARE(ErrorOf([&] { items.ItemID(0); }), QStringLiteral("Subscript out of range"));
        QCOMPARE(items.FindItemID(QStringLiteral("Sword")), -1);
    }

    void itemRows()
    {
        clsItem items;
        items.AddMinStat(7, 1, 30); // before the item exists
        QCOMPARE(items.NumMinStats(7), 1);
        items.AddItem(7, QStringLiteral("Iron Sword"));
        items.AddMinStat(7, 2, 12);
        items.AddMinStat(7, 1, 30); // added twice, returned twice
        items.AddMod(7, 3, 0, 5);
        items.AddMod(7, 4, 1, -2);
        items.AddMod(8, 3, 0, 9);
        items.AddItem(8, QStringLiteral("iron sword"));
        items.AddItem(5, QStringLiteral("Axe"));

        const PairTable minStats = items.MinStats(7);
        QCOMPARE(minStats.Count(), 3);
        QCOMPARE((QList<int32_t>{minStats.StatID(1), minStats.Value(1), minStats.StatID(2), minStats.Value(2),
                                 minStats.StatID(3), minStats.Value(3)}),
                 (QList<int32_t>{1, 30, 2, 12, 1, 30}));
        QCOMPARE(ErrorOf([&] { minStats.StatID(4); }), QStringLiteral("Subscript out of range"));

        const PairTable mod0 = items.Mods(7, 0);
        QCOMPARE(mod0.Count(), 1);
        QCOMPARE(mod0.StatID(1), 3);
        QCOMPARE(mod0.Value(1), 5);
        const PairTable mod1 = items.Mods(7, 1);
        QCOMPARE(mod1.Count(), 1);
        QCOMPARE(mod1.StatID(1), 4);
        QCOMPARE(mod1.Value(1), -2);
        QCOMPARE(items.Mods(7, 2).Count(), 0);
        QCOMPARE(items.NumMods(7, 0), 1);

        // Same name in two cases: the later one is found, from either spelling.
        QCOMPARE(items.FindItemID(QStringLiteral("IRON SWORD")), 8);
        QCOMPARE(items.FindItemID(QStringLiteral("Iron Sword")), 8);
        QCOMPARE(items.Item(1), QStringLiteral("Axe"));
        QCOMPARE(items.FindItemIndex(QStringLiteral("axe")), 1);
        QCOMPARE(items.MinStats(items.FindItemID(QStringLiteral("Shield"))).Count(), 0);

        // Sorting moves no rows.
        items.Sort(true);
        QCOMPARE(items.ItemID(1), 5);
        QCOMPARE(items.NumMinStats(7), 3);
        QCOMPARE(items.NumMods(8, 0), 1);
        items.Sort(false);
        QCOMPARE(items.Item(1), QStringLiteral("Axe"));
        QCOMPARE(items.NumMods(7, 1), 1);
    }
};

QTEST_GUILESS_MAIN(TstTables)
#include "tst_tables.moc"
