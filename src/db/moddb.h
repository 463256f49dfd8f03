// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clsitem.h"
#include "clsstat.h"
#include "jetdb.h"

#include <QString>

#include <functional>
#include <memory>

// The game database, and the two tables loaded from it (at start, and again when the
// file changes while the program runs). Every operation takes the path of the file.

inline constexpr char GameDatabaseFileName[] = "Kelvara.mdb";

// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + the database path + ";"
QString GameDatabaseConnectionText(const QString& databasePath);

// A new open connection to the game database; the caller owns it.
std::unique_ptr<Connection> OpenGameDatabase(const QString& databasePath);

// The stats of tblStat, in name order.
clsStat LoadStatTable(Connection& connection);
clsStat LoadStatTable(const QString& databasePath);

// The items of tblItem with their material names in front, with their requirement
// rows (tblItemMinStatJunction) and mod rows (tblItemModStatJunction).
clsItem LoadItemTable(Connection& connection);
clsItem LoadItemTable(const QString& databasePath);

// Both tables from one open of the file: a file renamed over the path meanwhile (the
// game's patcher replaces Kelvara.mdb so) mixes nothing of its own into them.
// `betweenTables` runs after the stats are read and before the items are.
struct GameTables
{
    clsStat stats;
    clsItem items;
};
GameTables LoadGameTables(const QString& databasePath, const std::function<void()>& betweenTables = {});

// A column of the current row as a whole number. Null, a value out of the 32-bit
// range and a text that is no number throw KelvaraError naming the table, the row
// and the column.
int32_t FieldInt32(const RecordSet& records, int position);

// A column of the current row as text; Null gives the empty text.
QString FieldText(const RecordSet& records, int position);
