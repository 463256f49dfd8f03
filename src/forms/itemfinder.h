// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "db/nameindex.h"

#include <QObject>

#include <vector>

class QCompleter;
class QLineEdit;
class QStringListModel;

// Finds an item as the player types: below the text box, a list of the item names that
// contain the typed text (those that begin with it first), updated at each key. Up and
// Down pick an entry, Enter or a click chooses it, Escape closes the list. Typing alone
// chooses nothing, and Enter chooses nothing until an entry is picked.
class ItemFinder : public QObject
{
    Q_OBJECT

public:
    // At most this many names are listed.
    static constexpr int32_t Shown = 200;

    // Works on the item table in use; the box owns the finder.
    explicit ItemFinder(QLineEdit* box);

    // The item table was replaced: searches go to the new one, and an open list shows the
    // names of the new table that hold the box's text.
    void Rebuild();

    // The names listed now, in order (empty while no list is open).
    QStringList Listed() const;

signals:
    // The player chose the item at that position of the item table (from 1).
    void Chosen(int32_t position);

private:
    void Typed(const QString& text);

    QLineEdit* mBox;
    QCompleter* mCompleter;
    QStringListModel* mModel;
    NameIndex mIndex;
    std::vector<int32_t> mPositions; // the item table positions of the listed names
};
