// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

class clsItem;
class clsStat;

// What a value of an item is: a requirement to use it, or a change of mod 0 or mod 1.
enum class StatKind { Requires = 0, Mod0 = 1, Mod1 = 2 };
inline constexpr std::array<StatKind, 3> StatKinds = {StatKind::Requires, StatKind::Mod0, StatKind::Mod1};

// One item as the item browser and the item export see it: the item table's name, its
// material, and its values of each kind, one per stat.
// A stat and an item's value of it.
struct StatValue
{
    int32_t StatID;
    qint64 Value;
    bool operator==(const StatValue&) const = default;
};

struct CatalogueItem
{
    int32_t Position = 0; // in the item table, from 1
    int32_t ID = 0;
    QString Name;
    QString Material;
    QString Folded; // the name as find-as-you-type compares it
    // Of each kind, in StatKinds' order, in order of stat ID. An item's rows of one stat and
    // kind make one value: the highest requirement (each must be met), the sum of the mods.
    std::array<std::vector<StatValue>, 3> Values;

    std::optional<qint64> Find(StatKind kind, int32_t statID) const;
    const std::vector<StatValue>& Of(StatKind kind) const { return Values[static_cast<size_t>(kind)]; }
};

// Every item of the item table in its order, with the stat names to show beside them.
// Built once per pair of tables in one pass over their rows.
class ItemCatalogue
{
public:
    ItemCatalogue() = default;
    ItemCatalogue(const clsItem& items, const clsStat& stats);

    int32_t Count() const { return static_cast<int32_t>(mItems.size()); }
    // From 0 to Count() - 1.
    const CatalogueItem& Item(int32_t row) const { return mItems[static_cast<size_t>(row)]; }
    const std::vector<CatalogueItem>& Items() const { return mItems; }

    // The stat table's name of a stat; an ID it does not hold is written as its number.
    QString StatName(int32_t statID) const;
    // The stats of the stat table in its order (by name), then the IDs items use that
    // it does not hold, by number.
    const std::vector<int32_t>& StatIDs() const { return mStatIDs; }
    // The materials of the items, each spelling once (the database holds "Iron" and "iron" as two),
    // in order of the upper-cased name.
    const QStringList& Materials() const { return mMaterials; }

private:
    std::vector<CatalogueItem> mItems;
    QHash<int32_t, QString> mStatNames;
    std::vector<int32_t> mStatIDs;
    QStringList mMaterials;
};

// The conditions of the item browser, all of which an item must meet.
struct ItemFilter
{
    // Contained in the name, matched as find-as-you-type does; the empty text matches all.
    QString Name;
    // The material, matched whole and as spelt; none matches every material.
    std::optional<QString> Material;
    // Only the items the player can use: each requirement at most the player's value of
    // that stat (a stat not given counts as 0).
    std::optional<std::map<int32_t, qint64>> MyStats;
    // Gives at least `Least` of a stat in mod 0, mod 1 or either.
    enum class In { Mod0, Mod1, Either };
    struct AtLeast
    {
        int32_t StatID = 0;
        In Where = In::Either;
        qint64 Least = 0;
        bool operator==(const AtLeast&) const = default;
    };
    std::vector<AtLeast> Conditions;

    bool operator==(const ItemFilter&) const = default;
};

// A filter made ready for many items (the name folded once).
class ItemMatcher
{
public:
    explicit ItemMatcher(const ItemFilter& filter);
    bool Matches(const CatalogueItem& item) const;

private:
    ItemFilter mFilter;
    QString mFolded;
};
