// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "namedlist.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The pairs of one item: a stat ID and a value each, in the order the rows were
// added. Pairs count from 1.
class PairTable
{
public:
    int32_t Count() const { return static_cast<int32_t>(mPairs.size()); }
    // Throw KelvaraError("Subscript out of range") outside 1 to Count.
    int32_t StatID(int32_t k) const;
    int32_t Value(int32_t k) const;

    void Append(int32_t statID, int32_t value) { mPairs.push_back({statID, value}); }

private:
    struct Pair
    {
        int32_t statID;
        int32_t value;
    };
    std::vector<Pair> mPairs;
};

// The game's items in order of the upper-cased display name, and beside them the
// minimum stat requirements and the mods, tied to an item by its ID alone.
class clsItem
{
public:
    // `Material` is the name of the item's material, as the name starts with it (empty without one).
    void AddItem(int32_t ItemID, const QString& Item, const QString& Material = {});
    void AddMinStat(int32_t ItemID, int32_t StatID, int32_t MinStat);
    void AddMod(int32_t ItemID, int32_t StatID, int32_t ModNUm, int32_t Modification);

    PairTable MinStats(int32_t ItemID) const;
    int32_t NumMinStats(int32_t ItemID) const;
    PairTable Mods(int32_t ItemID, int32_t ModNUm) const;
    int32_t NumMods(int32_t ItemID, int32_t ModNUm) const;

    int32_t NumItems() const;
    // Both throw KelvaraError("Subscript out of range") outside 1 to NumItems.
    int32_t ItemID(int32_t index) const;
    QString Item(int32_t index) const;

    // The ID of the item with that name (the later one of two equal names, letter case
    // ignored); none when no item has the name. Any 32-bit ID is an item's.
    std::optional<int32_t> FindItemID(const QString& Item) const;
    // The material of the item added last with that ID; empty when it had none.
    QString Material(int32_t ItemID) const;

    // Every requirement and mod row, in the order they were added, for one pass over all
    // items; a requirement has the ModNum -1.
    struct StatRow
    {
        int32_t ItemID, StatID, ModNum, Value;
    };
    std::vector<StatRow> StatRows() const;
    int32_t FindItemIndex(const QString& Item) const;
    void Sort(bool byID);

private:
    struct MinStatRow
    {
        int32_t itemID, statID, minStat;
    };
    struct ModRow
    {
        int32_t itemID, statID, modNum, modification;
    };

    NamedList mItems;
    QHash<int32_t, QString> mMaterials;
    std::vector<MinStatRow> mMinStatRows;
    std::vector<ModRow> mModRows;
};
