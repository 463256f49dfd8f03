// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/testfolder.h"
#include "jet/jetwriter.h"

// Small game databases for tests, written by our own Jet writer into a folder that stands in for the program folder.
namespace fixtures {

using jet::ColumnType;
using V = jet::Value;
using Rows = std::vector<std::vector<V>>;
inline const V Null = std::monostate{};

// A table of Long columns but those named "Name:text" (or any other type name the command knows).
inline jet::Table Table(const char* name, std::initializer_list<const char*> columns, Rows rows)
{
    static const QStringList types{"bool", "byte", "int", "long", "currency", "double", "text", "memo"};
    jet::Table table{QLatin1String(name), {}, std::move(rows)};
    for (const QString column : columns) {
        const int type = column.contains(u':') ? types.indexOf(column.section(u':', 1)) : 3;
        table.columns.append({column.section(u':', 0, 0), ColumnType(type)});
    }
    return table;
}

// clang-format off
inline V Num(qint64 n) { return n; }
inline V Txt(const char* text) { return QString::fromUtf8(text); }
inline jet::Table Stats(Rows rows) { return Table("tblStat", {"StatID", "Stat:text"}, std::move(rows)); }
inline jet::Table Items(Rows rows) { return Table("tblItem", {"ItemID", "MaterialID", "Item:text"}, std::move(rows)); }
inline jet::Table Materials(Rows rows) { return Table("tblMaterial", {"MaterialID", "Material:text"}, std::move(rows)); }
inline jet::Table MinStats(Rows rows) { return Table("tblItemMinStatJunction", {"ItemID", "StatID", "MinStat"}, std::move(rows)); }
inline jet::Table Mods(Rows rows) { return Table("tblItemModStatJunction", {"ItemID", "StatID", "ModNum", "Modification"}, std::move(rows)); }
// clang-format on

// A program folder holding Kelvara.mdb made of the given tables.
class GameFolder : public TestFolder
{
public:
    explicit GameFolder(const std::vector<jet::Table>& tables)
    {
        if (!tables.empty())
            jet::WriteDatabase(Database(), tables);
    }
    QString Database() const { return filePath(QStringLiteral("Kelvara.mdb")); }
    QString Path() const { return path(); }
};

} // namespace fixtures
