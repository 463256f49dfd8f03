// SPDX-License-Identifier: GPL-3.0-or-later
// The Find Items table without its window: filters, orders, the count and a reload.
#include "db/clsitem.h"
#include "db/clsstat.h"
#include "running/itembrowser.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// Stat 1 Strength, 2 Agility. Iron Sword requires Strength 30 and gives 5 in mod 0, oak Staff (of "oak", apple's is
// "Oak") nothing, Ämulet (no material) requires 5 and gives -2, Zircon Ring gives 9 in mod 1 and Agility 3 in mod 0,
// apple gives 12; Iron Sword and apple give Agility 0 and 1 in mod 1. `renamed`: apple is "apple pie", Agility and
// Ämulet are gone, and Iron Axe (mod 0: 7) is new.
std::shared_ptr<const ItemCatalogue> Sample(bool renamed = false)
{
    clsStat stats;
    stats.AddStat(1, u"Strength"_s);
    if (!renamed)
        stats.AddStat(2, u"Agility"_s);
    clsItem items;
    for (const auto& [id, name, material] : {std::tuple{10, u"Iron Sword"_s, u"Iron"_s},
                                             {11, u"oak Staff"_s, u"oak"_s},
                                             {12, u"Ämulet"_s, QString()},
                                             {13, u"Zircon Ring"_s, u"Iron"_s},
                                             {14, renamed ? u"apple pie"_s : u"apple"_s, u"Oak"_s},
                                             {15, u"Iron Axe"_s, u"Iron"_s}})
        if (id != (renamed ? 12 : 15))
            items.AddItem(id, name, material);
    // Item, stat, mod number (-1: a requirement), value; a leading "-": not when renamed.
    for (const QString& row :
         u"10 1 -1 30,10 1 0 5,12 1 -1 5,12 1 0 -2,13 1 1 9,-13 2 0 3,-14 2 1 1,-10 2 1 0,14 1 0 12,"
         u"15 1 0 7"_s.split(u',')) {
        const QStringList n = row.split(u' ');
        if (!renamed || !row.startsWith(u'-'))
            n[2].toInt() < 0 ? items.AddMinStat(qAbs(n[0].toInt()), n[1].toInt(), n[3].toInt())
                             : items.AddMod(qAbs(n[0].toInt()), n[1].toInt(), n[2].toInt(), n[3].toInt());
    }
    return std::make_shared<ItemCatalogue>(items, stats);
}

QStringList Names(ItemBrowser& browser) // as the table shows them
{
    QStringList names;
    for (int row = 0; row < browser.Shown()->rowCount(); ++row)
        names << browser.Shown()->index(row, 0).data().toString();
    return names;
}
} // namespace

class TstItemBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Names in the language's order, numbers as numbers, empty cells last both ways, rows through the filter; the
    // sorted heading tells its order.
    void order_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("shown");
        QTest::addRow("table order") << "" << -1 << 0 << "apple|Iron Sword|oak Staff|Zircon Ring|Ämulet";
        QTest::addRow("name") << "" << 0 << 0 << "Ämulet|apple|Iron Sword|oak Staff|Zircon Ring";
        QTest::addRow("material down") << "" << 1 << 1 << "apple|oak Staff|Iron Sword|Zircon Ring|Ämulet";
        QTest::addRow("requirement") << "" << 2 << 0 << "Ämulet|Iron Sword|apple|oak Staff|Zircon Ring";
        QTest::addRow("mod 0") << "" << 3 << 0 << "Ämulet|Iron Sword|apple|oak Staff|Zircon Ring";
        QTest::addRow("mod 0 down") << "" << 3 << 1 << "apple|Iron Sword|Ämulet|oak Staff|Zircon Ring";
        QTest::addRow("filtered mod 1 down") << "R" << 4 << 1 << "Zircon Ring|Iron Sword";
    }

    void order()
    {
        QFETCH(QString, name);
        QFETCH(int, column);
        QFETCH(int, order);
        QFETCH(QString, shown);
        ItemBrowser browser;
        browser.SetCatalogue(Sample());
        browser.AddStatColumn(1);
        browser.SetFilter({name, {}, {}, {}});
        browser.Shown()->sort(column, Qt::SortOrder(order));
        QCOMPARE(Names(browser).join(u'|'), shown);
        QVERIFY(browser.CountText().startsWith(QString::number(shown.count(u'|') + 1) + u" of 5 item"_s));
        QVERIFY(ItemBrowser::CountText(37, 20000).startsWith(u"37 of 20,000 item"_s));
        for (int heading = 0; heading < 5; ++heading)
            QCOMPARE(browser.Shown()->headerData(heading, Qt::Horizontal, Qt::AccessibleDescriptionRole).toString(),
                     heading != column ? u""_s
                         : order       ? u"sorted descending"_s
                                       : u"sorted ascending"_s);
    }

    // Materials are told apart by letter case, as the database does. A reload keeps the order, the material and the
    // selected items that are still there; columns and conditions of a stat that is gone go.
    void reload()
    {
        ItemBrowser browser;
        browser.SetCatalogue(Sample());
        QCOMPARE(browser.Catalogue().Materials(), (QStringList{u"Iron"_s, u"Oak"_s, u"oak"_s}));
        browser.SetFilter({QString(), u"oak"_s, {}, {}});
        QCOMPARE(Names(browser), QStringList{u"oak Staff"_s});
        browser.SetStatColumns({2, 1});
        browser.Shown()->sort(6, Qt::DescendingOrder); // Strength mod 0
        browser.SetFilter({QString(), u"Iron"_s, {}, {{2, ItemFilter::In::Either, 0}}});
        QCOMPARE(Names(browser), (QStringList{u"Iron Sword"_s, u"Zircon Ring"_s}));
        browser.Selection()->select(QItemSelection(browser.Shown()->index(0, 0), browser.Shown()->index(1, 0)),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
        browser.SetCatalogue(Sample(true));
        QCOMPARE(browser.Items()->StatColumns(), std::vector<int32_t>{1});
        QCOMPARE(browser.Shown()->Filter(), (ItemFilter{QString(), u"Iron"_s, {}, {}}));
        QCOMPARE(browser.Shown()->sortColumn(), 3);
        QCOMPARE(Names(browser).join(u'|'), u"Iron Axe|Iron Sword|Zircon Ring"_s);
        QCOMPARE(browser.SelectedRows(), (std::vector<int32_t>{2, 4})); // Iron Sword and Zircon Ring
    }
};

QTEST_MAIN(TstItemBrowser)
#include "tst_itembrowser.moc"
