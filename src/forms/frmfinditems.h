// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/settings.h"

#include <QWidget>

#include <vector>

class ItemBrowser;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

// "Find Items": every item of the game database in a table, with the columns of the stats
// the player adds (requirement, mod 0, mod 1), sorted by any column and filtered as the
// player types: by name, material, what the player's character can use and what an item
// gives at least. "Sort by" and "Descending" sort it as a click on a heading does. Enter or a double click shows the
// item in Item Stats; the rows shown go to the clipboard or into a CSV file. Not modal, resizable; its size and stat
// columns are kept in the settings file when it closes. When the game database is reloaded it shows the new items and
// keeps its filters, order and selection where the items still exist.
class frmFindItems : public QWidget
{
    Q_OBJECT

public:
    // `characterOpen`: whether a character file is open (gCharacter), whose stats "only
    // items I can use" then takes.
    explicit frmFindItems(bool characterOpen, QWidget* parent = nullptr);

    ItemBrowser* Browser() const { return mBrowser; }
    // Another character file was opened.
    void CharacterOpened();

    void AddStatColumn(int32_t statID);
    void RemoveStatColumn(int32_t statID);
    void AddCondition();
    void cmdMyStats_Click();
    void cmdCompare_Click();
    void cmdCopy_Click();
    void cmdSaveCsv_Click();

signals:
    // The player asked to see the item at that position of the item table (from 1).
    void ItemChosen(int32_t position);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct ConditionRow
    {
        QLabel* Label;
        QSpinBox* Least;
        QComboBox* Stat;
        QComboBox* Where;
        // The captions of the two boxes above, before each.
        QLabel* Of;
        QLabel* In;
        QPushButton* Remove;
    };
    void ApplyFilter();
    void ShowFilter();
    void PlaceConditions();
    void RemoveCondition(QPushButton* remove);
    void ReadMyStats();
    void SizeColumns();
    void TablesReplaced();
    void SelectionChanged();
    void ShowOrder();
    void SortChosen();

    bool mCharacterOpen;
    StatValues mMyStats;
    QString mCsvPath;
    ItemBrowser* mBrowser;
    QGridLayout* mGrid;
    QLineEdit* mName;
    QComboBox* mMaterial;
    QCheckBox* mOnlyUsable;
    QPushButton* mMyStatsButton;
    QPushButton* mAddCondition;
    QComboBox* mSortBy;
    QCheckBox* mDescending;
    std::vector<ConditionRow> mConditions;
    int mConditionNames = 0;
    QTableView* mTable;
    QLabel* mCount;
    QPushButton* mRemoveColumn;
    QPushButton* mCompare;
};
