// SPDX-License-Identifier: GPL-3.0-or-later
#include "clsitem.h"

#include "core/kelvaraerror.h"

#include <QCoreApplication>

#include <limits>

namespace {
[[noreturn]] void OutOfRange()
{
    throw KelvaraError(QCoreApplication::translate("Error", "Subscript out of range"));
}

template <typename Rows>
void CheckRoom(const Rows& rows)
{
    if (rows.size() >= static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        throw KelvaraError(QCoreApplication::translate("Error", "Overflow"));
}
} // namespace

int32_t PairTable::StatID(int32_t k) const
{
    if (k < 1 || k > Count())
        OutOfRange();
    return mPairs[static_cast<size_t>(k - 1)].statID;
}

int32_t PairTable::Value(int32_t k) const
{
    if (k < 1 || k > Count())
        OutOfRange();
    return mPairs[static_cast<size_t>(k - 1)].value;
}

void clsItem::AddItem(int32_t ItemID, const QString& Item, const QString& Material)
{
    mItems.Add(ItemID, Item);
    if (Material.isEmpty())
        mMaterials.remove(ItemID);
    else
        mMaterials.insert(ItemID, Material);
}

QString clsItem::Material(int32_t ItemID) const
{
    return mMaterials.value(ItemID);
}

std::vector<clsItem::StatRow> clsItem::StatRows() const
{
    std::vector<StatRow> rows;
    rows.reserve(mMinStatRows.size() + mModRows.size());
    for (const MinStatRow& row : mMinStatRows)
        rows.push_back({row.itemID, row.statID, -1, row.minStat});
    for (const ModRow& row : mModRows)
        rows.push_back({row.itemID, row.statID, row.modNum, row.modification});
    return rows;
}

void clsItem::AddMinStat(int32_t ItemID, int32_t StatID, int32_t MinStat)
{
    CheckRoom(mMinStatRows);
    mMinStatRows.push_back({ItemID, StatID, MinStat});
}

void clsItem::AddMod(int32_t ItemID, int32_t StatID, int32_t ModNUm, int32_t Modification)
{
    CheckRoom(mModRows);
    mModRows.push_back({ItemID, StatID, ModNUm, Modification});
}

PairTable clsItem::MinStats(int32_t ItemID) const
{
    PairTable pairs;
    for (const MinStatRow& row : mMinStatRows) {
        if (row.itemID == ItemID)
            pairs.Append(row.statID, row.minStat);
    }
    return pairs;
}

int32_t clsItem::NumMinStats(int32_t ItemID) const
{
    return MinStats(ItemID).Count();
}

PairTable clsItem::Mods(int32_t ItemID, int32_t ModNUm) const
{
    PairTable pairs;
    for (const ModRow& row : mModRows) {
        if (row.itemID == ItemID && row.modNum == ModNUm)
            pairs.Append(row.statID, row.modification);
    }
    return pairs;
}

int32_t clsItem::NumMods(int32_t ItemID, int32_t ModNUm) const
{
    return Mods(ItemID, ModNUm).Count();
}

int32_t clsItem::NumItems() const
{
    return mItems.Count();
}

int32_t clsItem::ItemID(int32_t index) const
{
    if (!mItems.InRange(index))
        OutOfRange();
    return mItems.ID(index);
}

QString clsItem::Item(int32_t index) const
{
    if (!mItems.InRange(index))
        OutOfRange();
    return mItems.Name(index);
}

std::optional<int32_t> clsItem::FindItemID(const QString& Item) const
{
    const int32_t index = mItems.FindName(Item);
    if (index < 0)
        return std::nullopt;
    return mItems.ID(index);
}

int32_t clsItem::FindItemIndex(const QString& Item) const
{
    return mItems.FindName(Item);
}

void clsItem::Sort(bool byID)
{
    mItems.Sort(byID);
}
