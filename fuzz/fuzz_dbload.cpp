// SPDX-License-Identifier: GPL-3.0-or-later
// The game database loader on any file bytes: the stat and item tables and the rank
// chart either load or the damage is reported as an error. Nothing crashes, hangs or
// reads out of bounds.
#include "fuzzkit.h"

#include "core/kelvaraerror.h"
#include "db/moddb.h"
#include "db/rankchart.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace fuzzkit;
    PutFile(GameDatabaseFileName, QByteArrayView(data, qsizetype(size)));
    const QString database = Folder() + QLatin1Char('/') + QLatin1String(GameDatabaseFileName);
    try {
        const clsStat stats = LoadStatTable(database);
        const clsItem items = LoadItemTable(database);
        for (int32_t i = 1; i <= items.NumItems(); ++i)
            (void)items.NumMinStats(items.ItemID(i));
        (void)stats.NumStats();
    } catch (const KelvaraError& e) {
        Check(!e.message().isEmpty(), "an error names its cause");
    }
    try {
        const std::unique_ptr<Connection> connection = OpenGameDatabase(database);
        (void)RankChartText(*connection, QLocale::c());
    } catch (const KelvaraError& e) {
        Check(!e.message().isEmpty(), "an error names its cause");
    }
    return 0;
}
