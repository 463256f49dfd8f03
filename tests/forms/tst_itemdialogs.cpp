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
    items.AddMinStat(10, 1, 30);
    items.AddMod(10, 1, 0, 5);
    items.AddMod(10, 2, 1, 2);
    items.AddMinStat(11, 1, 20);
    items.AddMinStat(11, 2, 25);
    items.AddMod(11, 1, 0, 5);
    items.AddMod(11, 2, 0, 4);
    items.AddMinStat(12, 3, 10);
    items.AddMod(12, 1, 0, 3);
    items.AddMod(12, 2, 1, 2);
    return ItemCatalogue(items, stats);
}
} // namespace

class TstItemDialogs : public QObject
{
    Q_OBJECT

private slots:
    // The filter shows the stats whose names hold it; values typed ("stat=text", the box emptied first) are kept
    // by Enter or OK, blank and 0 left out, a stat the database lacks kept as it was; Escape and Cancel keep none.
    void myStats_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("finish");
        QTest::addColumn<QString>("values");
        QTest::newRow("enter") << u"I"_s << u"Agility Wisdom"_s
                               << QStringList{u"Agility=12"_s, u"Strength="_s, u"Wisdom=-9223372036854775808"_s}
                               << u"enter"_s << u"2=12 3=-9223372036854775808 99=3"_s;
        QTest::newRow("ok") << u" luck "_s << u"Luck"_s
                            << QStringList{u"Luck=9223372036854775808x"_s, u"Agility=0"_s, u"Strength=+4-"_s} << u"ok"_s
                            << u"1=4 4=922337203685477580 99=3"_s;
        QTest::newRow("escape") << u"zz"_s << u""_s << QStringList{u"Agility=12"_s} << u"escape"_s << u""_s;
        QTest::newRow("cancel") << u""_s << u"Agility Luck Strength Wisdom"_s << QStringList{u"Luck=1"_s} << u"cancel"_s
                                << u""_s;
    }

    void myStats()
    {
        QFETCH(QString, filter);
        QFETCH(QString, shown);
        QFETCH(QStringList, typed);
        QFETCH(QString, finish);
        QFETCH(QString, values);
        const ItemCatalogue catalogue = Sample();
        frmMyStats dialog(catalogue, {{1, 7}, {2, 5}, {99, 3}}, u"Mira"_s);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* table = dialog.findChild<QTableWidget*>();
        auto* find = dialog.findChild<QLineEdit*>(u"txtFilter"_s);
        find->setFocus();
        QTest::keyClick(find, Qt::Key_Tab); // into the table, and on to the buttons
        QCOMPARE(QApplication::focusWidget(), table);
        QTest::keyClick(table, Qt::Key_Tab);
        QVERIFY(qobject_cast<QPushButton*>(QApplication::focusWidget()));
        QTest::keyClicks(find, filter);
        QStringList names;
        for (int row = 0; row < table->rowCount(); ++row)
            if (!table->isRowHidden(row))
                names << table->item(row, 0)->text();
        QCOMPARE(names.join(u' '), shown);
        for (const QString& edit : typed) {
            table->setCurrentItem(
                table->findItems(edit.section(u'=', 0, 0), Qt::MatchExactly)
                    .at(0)
                    ->tableWidget()
                    ->item(table->findItems(edit.section(u'=', 0, 0), Qt::MatchExactly).at(0)->row(), 1));
            table->setFocus();
            QTest::keyClick(table, Qt::Key_F2);
            auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(box);
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClicks(box, edit.section(u'=', 1));
        }
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        if (finish != u"ok"_s && finish != u"cancel"_s)
            for (int twice = 0; twice < 2; ++twice) { // the box's edit, then the dialog
                QTest::keyClick(QApplication::focusWidget(), finish == u"enter"_s ? Qt::Key_Return : Qt::Key_Escape);
                QCoreApplication::processEvents();
            }
        else
            QTest::mouseClick(buttons->button(finish == u"ok"_s ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel),
                              Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), values.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
        QStringList kept;
        for (const auto& [stat, value] : dialog.Values())
            kept << u"%1=%2"_s.arg(stat).arg(value);
        if (!values.isEmpty())
            QCOMPARE(kept.join(u' '), values);
    }

    // A row per stat any item has, three columns per item (each named for the item and what it holds); the best of
    // each row and kind among two items or more is marked, bold and called best, ties all of them.
    void compare_data()
    {
        QTest::addColumn<std::vector<int32_t>>("rows");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("table");
        QTest::newRow("two") << std::vector<int32_t>{0, 1}
                             << u"Axe: Requires|Axe: Mod 0|Axe: Mod 1|Bow: Requires|Bow: Mod 0|Bow: Mod 1"_s
                             << QStringList{u"Agility: ||2|25|4|"_s, u"Strength: 30|5 ★||20 ★|5 ★|"_s};
        QTest::newRow("four") << std::vector<int32_t>{0, 1, 2, 3}
                              << u"Axe: Requires|Axe: Mod 0|Axe: Mod 1|Bow: Requires|Bow: Mod 0|Bow: Mod 1|"
                                 "Cap: Requires|Cap: Mod 0|Cap: Mod 1|Rag: Requires|Rag: Mod 0|Rag: Mod 1"_s
                              << QStringList{u"Agility: ||2 ★|25|4||||2 ★|||"_s,
                                             u"Strength: 30|5 ★||20 ★|5 ★|||3||||"_s, u"Wisdom: ||||||10|||||"_s};
        QTest::newRow("no values") << std::vector<int32_t>{3} << u"Rag: Requires|Rag: Mod 0|Rag: Mod 1"_s
                                   << QStringList();
    }

    void compare()
    {
        QFETCH(std::vector<int32_t>, rows);
        QFETCH(QString, header);
        QFETCH(QStringList, table);
        const ItemCatalogue catalogue = Sample();
        QPointer window = new frmCompare(catalogue, rows);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QAbstractItemModel* model = window->findChild<QTableView*>()->model();
        QStringList names;
        for (int column = 0; column < model->columnCount(); ++column)
            names << model->headerData(column, Qt::Horizontal, Qt::AccessibleTextRole).toString();
        QCOMPARE(names.join(u'|'), header);
        QStringList shown;
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex cell = model->index(row, column);
                const bool best = cell.data().toString().endsWith(u"★"_s);
                // A mark that is not bold, or not called best, shows as "!".
                cells << cell.data().toString()
                        + (best == cell.data(Qt::FontRole).value<QFont>().bold()
                                   && best == (cell.data(Qt::AccessibleDescriptionRole).toString() == u"best"_s)
                               ? u""_s
                               : u"!"_s);
            }
            shown << model->headerData(row, Qt::Vertical).toString() + u": "_s + cells.join(u'|');
        }
        QCOMPARE(shown, table);
        QCOMPARE(window->findChild<QLabel*>(u"lblNone"_s)->isVisible(), table.isEmpty());
        QTest::keyClick(window, Qt::Key_Escape); // closes it for good
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(TstItemDialogs)
#include "tst_itemdialogs.moc"
