// SPDX-License-Identifier: GPL-3.0-or-later
// The player's stats typed into My Stats, and items side by side in Compare Items.
#include "db/clsitem.h"
#include "db/clsstat.h"
#include "db/itemcatalogue.h"
#include "forms/frmcompare.h"
#include "forms/frmmystats.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {
// Stats 1 Strength, 2 Agility, 3 Wisdom, 4 Luck. Axe: requires Strength 30, mod 0 Strength +5, mod 1 Agility +2;
// Bow: requires Strength 20 and Agility 25, mod 0 Strength +5 and Agility +4; Cap: requires Wisdom 10, mod 0
// Strength +3, mod 1 Agility +2; Rag: no values.
ItemCatalogue Sample()
{
    clsStat stats;
    for (const auto& [id, name] : {std::pair{1, "Strength"}, {2, "Agility"}, {3, "Wisdom"}, {4, "Luck"}})
        stats.AddStat(id, QString::fromLatin1(name));
    clsItem items;
    for (const auto& [id, name] : {std::pair{10, "Axe"}, {11, "Bow"}, {12, "Cap"}, {13, "Rag"}})
        items.AddItem(id, QString::fromLatin1(name));
    // Item, stat, mod number (-1: a requirement), value.
    for (const QString& row : u"10 1 -1 30,10 1 0 5,10 2 1 2,11 1 -1 20,11 2 -1 25,11 1 0 5,11 2 0 4,12 3 -1 10,"
                              u"12 1 0 3,12 2 1 2"_s.split(u',')) {
        const QStringList n = row.split(u' ');
        n[2].toInt() < 0 ? items.AddMinStat(n[0].toInt(), n[1].toInt(), n[3].toInt())
                         : items.AddMod(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt());
    }
    return ItemCatalogue(items, stats);
}
} // namespace

class TstItemDialogs : public QObject
{
    Q_OBJECT

private slots:
    // A filter shows the stats whose names hold it (the stat under the cursor one of them); values typed ("stat=text",
    // the box emptied first) are kept by Enter or OK, blank and 0 left out, a stat the database lacks kept as it was;
    // Escape and Cancel keep none.
    void myStats()
    {
        const ItemCatalogue catalogue = Sample();
        // The filter, the stats shown, what is typed (", " apart), the way out, the values kept.
        const std::array<QString, 5> cases[] = {
            {u"I"_s, u"Agility Wisdom"_s, u"Agility=12, Strength=, Wisdom=-9223372036854775808"_s, u"enter"_s,
             u"2=12 3=-9223372036854775808 99=3"_s},
            {u" luck "_s, u"Luck"_s, u"Luck=9223372036854775808x, Agility=0, Strength=+4-"_s, u"ok"_s,
             u"1=4 4=922337203685477580 99=3"_s},
            {u"zz"_s, u""_s, u"Agility=12"_s, u"escape"_s, u""_s},
            {u""_s, u"Agility Luck Strength Wisdom"_s, u"Luck=1"_s, u"cancel"_s, u""_s}};
        for (const auto& [filter, shown, typed, finish, values] : cases) {
            frmMyStats dialog(catalogue, {{1, 7}, {2, 5}, {99, 3}}, u"Mira"_s);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            auto* table = dialog.findChild<QTableWidget*>();
            auto* find = dialog.findChild<QLineEdit*>(u"txtFilter"_s);
            find->setFocus();
            QTest::keyClick(find, Qt::Key_Tab); // into the table
            QCOMPARE(QApplication::focusWidget(), table);
            QTest::keyClicks(find, filter);
            for (int row = 0; row < table->rowCount(); ++row)
                QCOMPARE(table->isRowHidden(row), !shown.split(u' ').contains(table->item(row, 0)->text()));
            // What is typed goes to a stat shown.
            QVERIFY(table->currentRow() < 0 ? shown.isEmpty() : !table->isRowHidden(table->currentRow()));
            for (const QString& edit : typed.split(u", "_s)) {
                table->setCurrentCell(table->findItems(edit.section(u'=', 0, 0), Qt::MatchExactly).at(0)->row(), 1);
                table->setFocus();
                QTest::keyClick(table, Qt::Key_F2);
                auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
                box->selectAll();
                QTest::keyClick(box, Qt::Key_Backspace);
                QTest::keyClicks(box, edit.section(u'=', 1));
            }
            if (finish != u"ok"_s && finish != u"cancel"_s)
                for (int twice = 0; twice < 2; ++twice) { // the box's edit, then the dialog
                    QTest::keyClick(QApplication::focusWidget(),
                                    finish == u"enter"_s ? Qt::Key_Return : Qt::Key_Escape);
                    QCoreApplication::processEvents();
                }
            else
                QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(
                                      finish == u"ok"_s ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel),
                                  Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), values.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
            QStringList kept;
            for (const auto& [stat, value] : dialog.Values())
                kept << u"%1=%2"_s.arg(stat).arg(value);
            if (!values.isEmpty())
                QCOMPARE(kept.join(u' '), values);
        }
    }

    // A row per stat any item has, three columns per item (each named for the item and what it holds); the best of
    // each row and kind among two items or more is marked, bold and called best, ties all of them.
    void compare()
    {
        const ItemCatalogue catalogue = Sample();
        // The items' rows and the rows of the table; each item's columns are named for it and what they hold.
        const std::pair<std::vector<int32_t>, QStringList> cases[] = {
            {{0, 1, 2, 3},
             {u"Agility: ||2 ★|25|4||||2 ★|||"_s, u"Strength: 30|5 ★||20 ★|5 ★|||3||||"_s, u"Wisdom: ||||||10|||||"_s}},
            {{3}, {}}};
        for (const auto& [rows, table] : cases) {
            QPointer window = new frmCompare(catalogue, rows);
            window->show();
            QVERIFY(QTest::qWaitForWindowActive(window));
            const QAbstractItemModel* model = window->findChild<QTableView*>()->model();
            for (int column = 0; column < model->columnCount(); ++column)
                for (const int role : {int(Qt::AccessibleTextRole), int(Qt::ToolTipRole)})
                    QCOMPARE(model->headerData(column, Qt::Horizontal, role).toString(),
                             u"%1: %2"_s.arg(u"Axe Bow Cap Rag"_s.split(u' ')[rows[column / 3]],
                                             QStringList{u"Requires"_s, u"Mod 0"_s, u"Mod 1"_s}[column % 3]));
            QStringList shown;
            for (int row = 0; row < model->rowCount(); ++row) {
                QStringList cells;
                for (int column = 0; column < model->columnCount(); ++column) {
                    const QModelIndex cell = model->index(row, column);
                    // A mark that is not bold, or not called best, shows as "!".
                    const bool best = cell.data().toString().endsWith(u"★"_s),
                               called = cell.data(Qt::AccessibleDescriptionRole).toString() == u"best"_s;
                    const bool bold = cell.data(Qt::FontRole).value<QFont>().bold();
                    cells << cell.data().toString() + (best == bold && best == called ? u""_s : u"!"_s);
                }
                shown << model->headerData(row, Qt::Vertical).toString() + u": "_s + cells.join(u'|');
            }
            QCOMPARE(shown, table);
            QCOMPARE(window->findChild<QLabel*>(u"lblNone"_s)->isVisible(), table.isEmpty());
            QTest::keyClick(window, Qt::Key_Escape); // closes it for good
            QTRY_VERIFY(window.isNull());
        }
    }
};

QTEST_MAIN(TstItemDialogs)
#include "tst_itemdialogs.moc"
