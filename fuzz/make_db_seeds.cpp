// make_db_seeds OUTDIR
// Writes the seed databases of the loader's fuzz target with the project's Jet
// writer: small game databases of every column type, Nulls, memos, both forms of
// usage map, an empty table and missing tables.
#include "jet/jetwriter.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_db_seeds OUTDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    using jet::ColumnType;
    auto col = [](const char* name, ColumnType type = ColumnType::Long) {
        return jet::Column{QLatin1String(name), type};
    };
    const jet::Table stats{QStringLiteral("tblStat"),
                           {col("StatID"), col("Stat", ColumnType::Text)},
                           {{qint64(1), QStringLiteral("Strength")}, {qint64(2), QStringLiteral("Wisdom")}}};
    const jet::Table materials{QStringLiteral("tblMaterial"),
                               {col("MaterialID"), col("Material", ColumnType::Text)},
                               {{qint64(1), QStringLiteral("Iron")}, {qint64(2), QString()}}};
    const jet::Table items{
        QStringLiteral("tblItem"),
        {col("ItemID"), col("MaterialID"), col("Item", ColumnType::Memo)},
        {{qint64(10), qint64(1), QStringLiteral("Axe")}, {qint64(11), {}, QStringLiteral("Potion")}}};
    const jet::Table minStats{QStringLiteral("tblItemMinStatJunction"),
                              {col("ItemID"), col("StatID", ColumnType::Integer), col("MinStat", ColumnType::Byte)},
                              {{qint64(10), qint64(1), qint64(20)}}};
    const jet::Table mods{QStringLiteral("tblItemModStatJunction"),
                          {col("ItemID"), col("StatID"), col("ModNum", ColumnType::Double),
                           col("Modification", ColumnType::Currency), col("Magic", ColumnType::Boolean)},
                          {{qint64(10), qint64(2), 1.0, QStringLiteral("-3"), true}}};
    const jet::Table emptyMods{mods.name, mods.columns, {}};
    const jet::Table ranks{
        QStringLiteral("tblRank"),
        {col("RankID"), col("Rank", ColumnType::Text), col("Experience", ColumnType::Double)},
        {{qint64(2), QStringLiteral("Squire"), 1300.5}, {qint64(1), QStringLiteral("Novice"), 0.0}, {{}, {}, {}}}};

    struct Seed
    {
        const char* name;
        std::vector<jet::Table> tables;
        bool indirect;
    };
    const Seed seeds[] = {
        {"game.mdb", {stats, materials, items, minStats, mods, ranks}, false},
        {"game-indirect-maps.mdb", {stats, materials, items, minStats, mods, ranks}, true},
        {"no-mods-rows.mdb", {stats, materials, items, minStats, emptyMods}, false},
        {"stats-only.mdb", {stats}, false},
    };
    for (const Seed& seed : seeds) {
        jet::BuildOptions options;
        options.indirectUsageMaps = seed.indirect;
        jet::WriteDatabase(out + QLatin1Char('/') + QLatin1String(seed.name), seed.tables, options);
    }
    return 0;
}
