// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/settings.h"

#include <QDialog>

class ItemCatalogue;
class QTableWidget;

// "My Stats": the player's value of every stat of the catalogue, one row each (the stat's
// name and a box for its value; blank means 0), for "only items I can use". `whose` names
// whose stats they are (a character's name, or the words for no character) in the title.
// OK keeps the values the player typed (Values()); Cancel and Escape keep nothing. Modal.
class frmMyStats : public QDialog
{
    Q_OBJECT

public:
    frmMyStats(const ItemCatalogue& catalogue, const StatValues& values, const QString& whose,
               QWidget* parent = nullptr);

    // The values as the boxes hold them: only the stats given and not 0.
    StatValues Values() const;

private:
    QTableWidget* mTable;
    std::vector<int32_t> mStatIDs;
    StatValues mKept; // of stats the catalogue does not hold
};
