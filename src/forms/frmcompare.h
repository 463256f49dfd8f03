// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <vector>

class ItemCatalogue;
class QTableView;

// "Compare Items": two to four items side by side. One row per stat that any of them
// requires or changes; one column per item with its requirement, mod 0 and mod 1 of that
// stat. The best value of each row (the lowest requirement, the highest mod) is marked by
// more than colour (a mark beside it and bold), readable in light and dark colours. Not
// modal; it shows the items as they were when it opened.
class frmCompare : public QDialog
{
    Q_OBJECT

public:
    // `rows` are rows of the catalogue (from 0).
    frmCompare(const ItemCatalogue& catalogue, const std::vector<int32_t>& rows, QWidget* parent = nullptr);

private:
    QTableView* mTable;
};
