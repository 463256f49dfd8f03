// SPDX-License-Identifier: GPL-3.0-or-later
#include "itembrowser.h"

#include "core/language.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

ItemTableModel::ItemTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void ItemTableModel::SetCatalogue(std::shared_ptr<const ItemCatalogue> catalogue)
{
    beginResetModel();
    mCatalogue = std::move(catalogue);
    endResetModel();
}

void ItemTableModel::SetStatColumns(const std::vector<int32_t>& statIDs)
{
    beginResetModel();
    mStatColumns = statIDs;
    endResetModel();
}

std::optional<std::pair<int32_t, StatKind>> ItemTableModel::StatOf(int column) const
{
    const int at = column - FirstStatColumn;
    if (at < 0 || at >= static_cast<int>(mStatColumns.size() * StatKinds.size()))
        return std::nullopt;
    return std::pair{mStatColumns[static_cast<size_t>(at / 3)], StatKinds[static_cast<size_t>(at % 3)]};
}

std::optional<qint64> ItemTableModel::Value(int row, int column) const
{
    const auto stat = StatOf(column);
    return stat ? mCatalogue->Item(row).Find(stat->second, stat->first) : std::nullopt;
}

QString ItemTableModel::Text(int row, int column) const
{
    if (column == NameColumn)
        return mCatalogue->Item(row).Name;
    if (column == MaterialColumn)
        return mCatalogue->Item(row).Material;
    const auto value = Value(row, column);
    return value ? QString::number(*value) : QString();
}

int ItemTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : mCatalogue->Count();
}

int ItemTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FirstStatColumn + static_cast<int>(mStatColumns.size() * StatKinds.size());
}

QVariant ItemTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return Text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && index.column() >= FirstStatColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ItemTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == NameColumn)
        return tr("Item");
    if (section == MaterialColumn)
        return tr("Material");
    const auto stat = StatOf(section);
    if (!stat)
        return {};
    const QString name = mCatalogue->StatName(stat->first);
    switch (stat->second) {
    case StatKind::Requires:
        //: A column of what an item requires of a stat (%1, "Strength") to be used.
        return tr("%1 (req.)").arg(name);
    case StatKind::Mod0:
        //: A column of what an item's mod 0 (the game's term) changes a stat (%1) by.
        return tr("%1 (mod 0)").arg(name);
    case StatKind::Mod1:
        //: A column of what an item's mod 1 (the game's term) changes a stat (%1) by.
        return tr("%1 (mod 1)").arg(name);
    }
    return {};
}

ItemProxyModel::ItemProxyModel(ItemTableModel* items, QObject* parent)
    : QSortFilterProxyModel(parent)
    , mItems(items)
{
    setSourceModel(items);
}

void ItemProxyModel::SetFilter(const ItemFilter& filter)
{
    mFilter = filter;
    mAcceptedFor = nullptr;
    // One new layout, rather than a removal and an insertion for each run of rows that goes or comes: each
    // of those costs the table, its headings and the selection a walk over every row.
    invalidate();
}

bool ItemProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    // Worked out for every item at once, the first time after the filter or the items changed.
    const ItemCatalogue* catalogue = mItems->Catalogue().get();
    if (mAcceptedFor != catalogue) {
        const ItemMatcher matcher(mFilter);
        mAccepted.assign(static_cast<size_t>(catalogue->Count()), 0);
        for (int32_t row = 0; row < catalogue->Count(); ++row)
            mAccepted[static_cast<size_t>(row)] = matcher.Matches(catalogue->Item(row));
        mAcceptedFor = catalogue;
    }
    return sourceRow >= 0 && sourceRow < static_cast<int>(mAccepted.size())
        && mAccepted[static_cast<size_t>(sourceRow)];
}

const std::vector<int32_t>& ItemProxyModel::Ranks(int column) const
{
    const ItemCatalogue* catalogue = mItems->Catalogue().get();
    if (mRanksFor != catalogue) {
        mNameRanks.clear();
        mMaterialRanks.clear();
        mRanksFor = catalogue;
    }
    std::vector<int32_t>& ranks = column == ItemTableModel::NameColumn ? mNameRanks : mMaterialRanks;
    if (ranks.empty() && catalogue->Count() > 0) {
        QCollator collator(Language::CurrentLocale());
        collator.setNumericMode(true);
        std::vector<QCollatorSortKey> keys;
        keys.reserve(static_cast<size_t>(catalogue->Count()));
        for (const CatalogueItem& item : catalogue->Items())
            keys.push_back(collator.sortKey(column == ItemTableModel::NameColumn ? item.Name : item.Material));
        std::vector<int32_t> order(keys.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
            return keys[static_cast<size_t>(a)].compare(keys[static_cast<size_t>(b)]) < 0;
        });
        // Equal texts share a rank, so that they keep the table's order both ways.
        ranks.resize(order.size());
        int32_t rank = 0;
        for (size_t place = 0; place < order.size(); ++place) {
            if (place > 0
                && keys[static_cast<size_t>(order[place - 1])].compare(keys[static_cast<size_t>(order[place])]) != 0)
                ++rank;
            ranks[static_cast<size_t>(order[place])] = rank;
        }
    }
    return ranks;
}

QVariant ItemProxyModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // A screen reader hears which way the heading sorts.
    if (role == Qt::AccessibleDescriptionRole && orientation == Qt::Horizontal && section >= 0
        && section == sortColumn())
        return sortOrder() == Qt::AscendingOrder ? tr("sorted ascending") : tr("sorted descending");
    return QSortFilterProxyModel::headerData(section, orientation, role);
}

void ItemProxyModel::sort(int column, Qt::SortOrder order)
{
    mOrder = order;
    QSortFilterProxyModel::sort(column, order);
}

bool ItemProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const int column = left.column();
    std::optional<qint64> a, b;
    if (column >= ItemTableModel::FirstStatColumn) {
        a = mItems->Value(left.row(), column);
        b = mItems->Value(right.row(), column);
    } else {
        const std::vector<int32_t>& ranks = Ranks(column);
        const auto rank = [&](int row) -> std::optional<qint64> {
            if (column == ItemTableModel::MaterialColumn && mItems->Catalogue()->Item(row).Material.isEmpty())
                return std::nullopt;
            return ranks[static_cast<size_t>(row)];
        };
        a = rank(left.row());
        b = rank(right.row());
    }
    // Equal cells keep the table's order whichever way the column is sorted, however Qt
    // walks the rows for the descending order (Qt 6.8 reverses an ascending sort).
    const bool tableOrder = mOrder == Qt::AscendingOrder ? left.row() < right.row() : left.row() > right.row();
    if (a && b)
        return *a != *b ? *a < *b : tableOrder;
    // An empty cell comes last whichever way the column is sorted: the descending order
    // asks whether the right is less than the left.
    if (!a && b)
        return mOrder == Qt::DescendingOrder;
    if (a && !b)
        return mOrder == Qt::AscendingOrder;
    return tableOrder;
}

ItemBrowser::ItemBrowser(QObject* parent)
    : QObject(parent)
    , mProxy(&mItems)
    , mSelection(&mProxy)
{
    mProxy.setSortRole(Qt::DisplayRole);
    for (const char* change : {SIGNAL(rowsInserted(QModelIndex, int, int)), SIGNAL(rowsRemoved(QModelIndex, int, int)),
                               SIGNAL(modelReset()), SIGNAL(layoutChanged())})
        connect(&mProxy, change, this, SIGNAL(CountChanged()));
}

void ItemBrowser::SetCatalogue(std::shared_ptr<const ItemCatalogue> catalogue)
{
    // What is selected, by ID and name, and the current item.
    std::vector<std::pair<int32_t, QString>> selected;
    for (const int32_t row : SelectedRows())
        selected.emplace_back(Catalogue().Item(row).ID, Catalogue().Item(row).Name);
    std::optional<std::pair<int32_t, QString>> current;
    if (const QModelIndex index = mProxy.mapToSource(mSelection.currentIndex()); index.isValid())
        current.emplace(Catalogue().Item(index.row()).ID, Catalogue().Item(index.row()).Name);
    const auto exists = [&](int32_t statID) {
        return std::find(catalogue->StatIDs().begin(), catalogue->StatIDs().end(), statID)
            != catalogue->StatIDs().end();
    };
    std::vector<int32_t> columns;
    std::copy_if(mItems.StatColumns().begin(), mItems.StatColumns().end(), std::back_inserter(columns), exists);
    ItemFilter filter = mProxy.Filter();
    std::erase_if(filter.Conditions, [&](const ItemFilter::AtLeast& condition) { return !exists(condition.StatID); });
    if (filter.Material && !catalogue->Materials().contains(*filter.Material))
        filter.Material.reset();

    mItems.SetCatalogue(std::move(catalogue));
    SetStatColumns(columns);
    mProxy.SetFilter(filter);

    QItemSelection selection;
    QModelIndex currentIndex;
    for (int row = 0; row < mProxy.rowCount(); ++row) {
        const CatalogueItem& item = Catalogue().Item(mProxy.mapToSource(mProxy.index(row, 0)).row());
        const std::pair<int32_t, QString> key{item.ID, item.Name};
        if (std::find(selected.begin(), selected.end(), key) != selected.end())
            selection.select(mProxy.index(row, 0), mProxy.index(row, mProxy.columnCount() - 1));
        if (current == key)
            currentIndex = mProxy.index(row, 0);
    }
    mSelection.setCurrentIndex(currentIndex, QItemSelectionModel::NoUpdate);
    mSelection.select(selection, QItemSelectionModel::ClearAndSelect);
    emit CountChanged();
}

void ItemBrowser::SetFilter(const ItemFilter& filter)
{
    if (filter == mProxy.Filter())
        return;
    mProxy.SetFilter(filter);
    emit CountChanged();
}

void ItemBrowser::AddStatColumn(int32_t statID)
{
    std::vector<int32_t> columns = mItems.StatColumns();
    if (std::find(columns.begin(), columns.end(), statID) == columns.end())
        columns.push_back(statID);
    SetStatColumns(columns);
}

void ItemBrowser::RemoveStatColumn(int32_t statID)
{
    std::vector<int32_t> columns = mItems.StatColumns();
    std::erase(columns, statID);
    SetStatColumns(columns);
}

void ItemBrowser::SetStatColumns(const std::vector<int32_t>& statIDs)
{
    // The order stays on its column where that column stays.
    const int sorted = mProxy.sortColumn();
    const auto sortedStat = mItems.StatOf(sorted);
    const Qt::SortOrder order = mProxy.sortOrder();
    mItems.SetStatColumns(statIDs);
    int column = sorted < ItemTableModel::FirstStatColumn ? sorted : -1;
    for (int at = ItemTableModel::FirstStatColumn; sortedStat && at < mItems.columnCount(); ++at)
        if (mItems.StatOf(at) == sortedStat)
            column = at;
    mProxy.sort(column, order);
    emit CountChanged();
}

QString ItemBrowser::CountText() const
{
    return CountText(mProxy.rowCount(), Catalogue().Count());
}

QString ItemBrowser::CountText(int shown, int total)
{
    //: How many items the filters let through (%1) of how many there are (%Ln), both grouped as the regional settings
    //: group digits.
    return tr("%1 of %Ln item(s)", nullptr, total).arg(QLocale().toString(shown));
}

std::vector<int32_t> ItemBrowser::SelectedRows() const
{
    QModelIndexList rows = mSelection.selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<int32_t> selected;
    for (const QModelIndex& index : rows)
        selected.push_back(mProxy.mapToSource(index).row());
    return selected;
}

QList<QStringList> ItemBrowser::TextRows() const
{
    QList<QStringList> rows;
    const int columns = mItems.columnCount();
    QStringList header;
    for (int column = 0; column < columns; ++column)
        header << mItems.headerData(column, Qt::Horizontal).toString();
    rows << header;
    for (int row = 0; row < mProxy.rowCount(); ++row) {
        const int source = mProxy.mapToSource(mProxy.index(row, 0)).row();
        QStringList cells;
        for (int column = 0; column < columns; ++column)
            cells << mItems.Text(source, column);
        rows << cells;
    }
    return rows;
}
