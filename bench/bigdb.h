// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jet/jetwriter.h"

#include <vector>

// A large game database: 500 stats, 100 materials, 20,000 items (every tenth
// without material), 100,000 requirement rows and 100,000 mod rows.
inline std::vector<jet::Table> BigGameDatabase()
{
    using jet::ColumnType;
    auto col = [](const char* name, ColumnType type = ColumnType::Long) {
        return jet::Column{QLatin1String(name), type};
    };
    jet::Table stats{QStringLiteral("tblStat"), {col("StatID"), col("Stat", ColumnType::Text)}, {}};
    for (qint64 i = 1; i <= 500; ++i)
        stats.rows.push_back({i, QStringLiteral("Stat %1").arg((i * 7919) % 500, 3, 10, QLatin1Char('0'))});
    jet::Table materials{QStringLiteral("tblMaterial"), {col("MaterialID"), col("Material", ColumnType::Text)}, {}};
    for (qint64 i = 1; i <= 100; ++i)
        materials.rows.push_back({i, QStringLiteral("Material%1").arg(i)});
    jet::Table items{QStringLiteral("tblItem"), {col("ItemID"), col("MaterialID"), col("Item", ColumnType::Text)}, {}};
    for (qint64 i = 1; i <= 20000; ++i) {
        const jet::Value material = i % 10 == 0 ? jet::Value{} : jet::Value{i % 100 + 1};
        items.rows.push_back({i, material, QStringLiteral("Item %1").arg((i * 104729) % 20000)});
    }
    jet::Table minStats{QStringLiteral("tblItemMinStatJunction"), {col("ItemID"), col("StatID"), col("MinStat")}, {}};
    jet::Table mods{QStringLiteral("tblItemModStatJunction"),
                    {col("ItemID"), col("StatID"), col("ModNum"), col("Modification")},
                    {}};
    for (qint64 i = 0; i < 100000; ++i) {
        minStats.rows.push_back({(i * 7) % 20000 + 1, i % 500 + 1, i % 90 + 10});
        mods.rows.push_back({(i * 13) % 20000 + 1, i % 500 + 1, i % 3, i % 41 - 20});
    }
    return {stats, materials, items, minStats, mods};
}
