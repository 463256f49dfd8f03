// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class ItemFinder;
class QComboBox;
class QListWidget;

// "Item Stats": pick an item and see its minimum stat requirements and its mods 0
// and 1, from the stat and item tables in use. Typing into the box lists the items
// whose names contain the text. When the tables are replaced (the game database
// changed) the box lists the new items and the chosen item is shown anew, or the
// window empties when it is gone; a text being typed stays. Not modal; closing it
// unloads it.
class frmStats : public QWidget
{
    Q_OBJECT

public:
    explicit frmStats(QWidget* parent = nullptr);
    ~frmStats() override;

    // Fills the item box with the item names in the item table's order.
    void Form_Load();

public slots:
    // Shows the item named by the box's text in the three lists; a text that names
    // no item empties them.
    void cboItem_Click();

    ItemFinder* Finder() const { return mFinder; }

    // Shows the item at that position of the item table (from 1), as choosing its name does.
    void ChooseItem(int32_t position);

private:
    void TablesReplaced();

    QComboBox* mItem;
    ItemFinder* mFinder;
    // The name of the item the lists show; empty when they show none.
    QString mChosen;
    QListWidget* mMinReq;
    QListWidget* mMod0;
    QListWidget* mMod1;
    // Set while the box itself settles a typed text; that is no choice.
    bool mSettlingTypedText = false;
};
