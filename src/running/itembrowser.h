// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "db/itemcatalogue.h"

#include <QAbstractTableModel>
#include <QItemSelectionModel>
#include <QSortFilterProxyModel>

#include <memory>
#include <optional>
#include <vector>

// The items of the catalogue as a table: "Item", "Material", then for each stat column
// the stat's requirement, mod 0 and mod 1 (empty where the item has none). Numbers are
// right-aligned.
class ItemTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ItemTableModel(QObject* parent = nullptr);

    // The columns before the stat columns.
    static constexpr int NameColumn = 0, MaterialColumn = 1, FirstStatColumn = 2;

    void SetCatalogue(std::shared_ptr<const ItemCatalogue> catalogue);
    const std::shared_ptr<const ItemCatalogue>& Catalogue() const { return mCatalogue; }
    void SetStatColumns(const std::vector<int32_t>& statIDs);
    const std::vector<int32_t>& StatColumns() const { return mStatColumns; }

    // The stat and kind of a column; none for the name and the material.
    std::optional<std::pair<int32_t, StatKind>> StatOf(int column) const;
    // The value of a number column; none where the item has none.
    std::optional<qint64> Value(int row, int column) const;
    // A cell as the table and the exports write it.
    QString Text(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::shared_ptr<const ItemCatalogue> mCatalogue = std::make_shared<ItemCatalogue>();
    std::vector<int32_t> mStatColumns;
};

// The rows the filter accepts, computed once per filter, in the order of a column: numbers
// as numbers with empty cells last in both directions, names and materials in the order of
// the program's language.
class ItemProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit ItemProxyModel(ItemTableModel* items, QObject* parent = nullptr);

    void SetFilter(const ItemFilter& filter);
    const ItemFilter& Filter() const { return mFilter; }
    // The sorted column's heading tells screen readers its order (its description).
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Keeps the order asked for, which lessThan needs while the rows are sorted.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    // The place of each row in the order of its name or material, made when first sorted.
    const std::vector<int32_t>& Ranks(int column) const;

    ItemTableModel* mItems;
    ItemFilter mFilter;
    Qt::SortOrder mOrder = Qt::AscendingOrder;
    // Worked out when first needed, for the catalogue named beside them.
    mutable std::vector<char> mAccepted;
    mutable const ItemCatalogue* mAcceptedFor = nullptr;
    mutable std::vector<int32_t> mNameRanks, mMaterialRanks;
    mutable const ItemCatalogue* mRanksFor = nullptr;
};

// What the Find Items window shows and works on, without the window: the items, the stat
// columns, the filter, the order and the selection, kept over a new catalogue.
class ItemBrowser : public QObject
{
    Q_OBJECT

public:
    explicit ItemBrowser(QObject* parent = nullptr);

    ItemTableModel* Items() { return &mItems; }
    ItemProxyModel* Shown() { return &mProxy; }
    QItemSelectionModel* Selection() { return &mSelection; }
    const ItemCatalogue& Catalogue() const { return *mItems.Catalogue(); }

    // A new catalogue (the game database was reloaded): the stat columns and the filter's
    // conditions of stats that are gone go, the material filter goes when no item has that
    // material any more; the order stays, and so do the selected items that still exist
    // (the same ID and name).
    void SetCatalogue(std::shared_ptr<const ItemCatalogue> catalogue);
    void SetFilter(const ItemFilter& filter);
    // Adds a stat's three columns at the end (a stat shown already stays where it is), or removes them.
    void AddStatColumn(int32_t statID);
    void RemoveStatColumn(int32_t statID);
    void SetStatColumns(const std::vector<int32_t>& statIDs);

    // "37 of 20,000 items", the numbers grouped as the regional settings group digits.
    QString CountText() const;
    static QString CountText(int shown, int total);
    // The catalogue rows selected, in the order shown.
    std::vector<int32_t> SelectedRows() const;
    // The header and the rows shown, in their order, of the columns shown.
    QList<QStringList> TextRows() const;

signals:
    // The rows shown changed (filter, catalogue or columns).
    void CountChanged();

private:
    ItemTableModel mItems;
    ItemProxyModel mProxy;
    QItemSelectionModel mSelection;
};
