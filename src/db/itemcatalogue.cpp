// SPDX-License-Identifier: GPL-3.0-or-later
#include "itemcatalogue.h"

#include "clsitem.h"
#include "clsstat.h"
#include "nameindex.h"

#include <algorithm>
#include <set>

std::optional<qint64> CatalogueItem::Find(StatKind kind, int32_t statID) const
{
    const std::vector<StatValue>& values = Of(kind);
    const auto at = std::lower_bound(values.begin(), values.end(), statID,
                                     [](const StatValue& value, int32_t id) { return value.StatID < id; });
    if (at == values.end() || at->StatID != statID)
        return std::nullopt;
    return at->Value;
}

ItemCatalogue::ItemCatalogue(const clsItem& items, const clsStat& stats)
{
    const int32_t count = items.NumItems();
    mItems.reserve(static_cast<size_t>(count));
    QHash<int32_t, std::vector<size_t>> byID;        // an ID may stand for several items
    std::set<std::pair<QString, QString>> materials; // upper-cased, as spelt
    for (int32_t position = 1; position <= count; ++position) {
        CatalogueItem item;
        item.Position = position;
        item.ID = items.ItemID(position);
        item.Name = items.Item(position);
        item.Material = items.Material(item.ID);
        item.Folded = FoldedName(item.Name);
        if (!item.Material.isEmpty())
            materials.emplace(item.Material.toUpper(), item.Material);
        byID[item.ID].push_back(mItems.size());
        mItems.push_back(std::move(item));
    }
    for (const auto& material : materials)
        mMaterials << material.second;

    std::set<int32_t> used;
    for (const clsItem::StatRow& row : items.StatRows()) {
        if (row.ModNum < -1 || row.ModNum > 1)
            continue; // the windows show mod 0 and mod 1 only
        const auto found = byID.constFind(row.ItemID);
        if (found == byID.constEnd())
            continue;
        used.insert(row.StatID);
        const StatKind kind = static_cast<StatKind>(row.ModNum + 1);
        for (const size_t at : *found) {
            std::vector<StatValue>& values = mItems[at].Values[static_cast<size_t>(kind)];
            const auto place = std::lower_bound(values.begin(), values.end(), row.StatID,
                                                [](const StatValue& value, int32_t id) { return value.StatID < id; });
            if (place == values.end() || place->StatID != row.StatID)
                values.insert(place, {row.StatID, row.Value});
            else if (kind == StatKind::Requires)
                place->Value = std::max<qint64>(place->Value, row.Value);
            else
                place->Value += row.Value;
        }
    }

    for (int32_t index = 1; index <= stats.NumStats(); ++index) {
        const int32_t id = stats.StatID(index);
        if (!mStatNames.contains(id))
            mStatIDs.push_back(id);
        mStatNames.insert(id, stats.Stat(stats.FindStatIndexByID(id)));
        used.erase(id);
    }
    mStatIDs.insert(mStatIDs.end(), used.begin(), used.end());
}

QString ItemCatalogue::StatName(int32_t statID) const
{
    const auto found = mStatNames.constFind(statID);
    return found == mStatNames.constEnd() ? QString::number(statID) : *found;
}

ItemMatcher::ItemMatcher(const ItemFilter& filter)
    : mFilter(filter)
    , mFolded(FoldedName(filter.Name))
{
}

bool ItemMatcher::Matches(const CatalogueItem& item) const
{
    if (!mFolded.isEmpty() && !item.Folded.contains(mFolded))
        return false;
    if (mFilter.Material && item.Material != *mFilter.Material)
        return false;
    if (mFilter.MyStats) {
        for (const StatValue& need : item.Of(StatKind::Requires)) {
            const auto mine = mFilter.MyStats->find(need.StatID);
            if (need.Value > (mine == mFilter.MyStats->end() ? 0 : mine->second))
                return false;
        }
    }
    for (const ItemFilter::AtLeast& condition : mFilter.Conditions) {
        const auto gives = [&](StatKind kind) {
            const auto value = item.Find(kind, condition.StatID);
            return value && *value >= condition.Least;
        };
        const bool met = (condition.Where != ItemFilter::In::Mod1 && gives(StatKind::Mod0))
            || (condition.Where != ItemFilter::In::Mod0 && gives(StatKind::Mod1));
        if (!met)
            return false;
    }
    return true;
}
