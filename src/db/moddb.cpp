// SPDX-License-Identifier: GPL-3.0-or-later
#include "moddb.h"

#include "core/kelvaraerror.h"
#include "core/textnum.h"

#include <QCoreApplication>

namespace {
[[noreturn]] void FieldError(const QString& cause, const RecordSet& records, int position)
{
    //: %1 is what went wrong (Overflow, Type mismatch...), %2 a table of the game database (a name that stays),
    //: %3 the row and %4 the column, numbers.
    throw KelvaraError(QCoreApplication::translate("Error", "%1: table \"%2\", row %3, column %4.")
                           .arg(cause, records.TableName())
                           .arg(records.RowNumber())
                           .arg(position));
}
} // namespace

QString GameDatabaseConnectionText(const QString& databasePath)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;") + QStringLiteral("Data Source=") + databasePath
        + QStringLiteral(";");
}

std::unique_ptr<Connection> OpenGameDatabase(const QString& databasePath)
{
    auto connection = std::make_unique<Connection>();
    connection->Open(GameDatabaseConnectionText(databasePath));
    return connection;
}

int32_t FieldInt32(const RecordSet& records, int position)
{
    const DbValue value = records.Field(position);
    if (value.IsNull())
        FieldError(QCoreApplication::translate("Error", "Invalid use of Null"), records, position);
    double number = 0;
    if (!value.ToNumber(&number))
        FieldError(QCoreApplication::translate("Error", "Type mismatch"), records, position);
    try {
        return ToInt32(number);
    } catch (const KelvaraError&) {
        FieldError(QCoreApplication::translate("Error", "Overflow"), records, position);
    }
}

QString FieldText(const RecordSet& records, int position)
{
    return records.Field(position).ToText();
}

clsStat LoadStatTable(Connection& connection)
{
    clsStat stats;
    RecordSet records;
    records.Open(QStringLiteral("SELECT * FROM tblStat"), connection);
    while (!records.AtEnd()) {
        // A stat needs a name: Null is an error here, unlike in the item names.
        if (records.Field(1).IsNull())
            FieldError(QCoreApplication::translate("Error", "Invalid use of Null"), records, 1);
        const QString name = FieldText(records, 1);
        stats.AddStat(FieldInt32(records, 0), name);
        records.MoveNext();
    }
    records.Close();
    return stats;
}

clsStat LoadStatTable(const QString& databasePath)
{
    return LoadStatTable(*OpenGameDatabase(databasePath));
}

clsItem LoadItemTable(Connection& connection)
{
    clsItem items;
    RecordSet itemRecords;
    RecordSet rows;
    itemRecords.Open(QStringLiteral("SELECT * FROM tblItem"), connection);
    while (!itemRecords.AtEnd()) {
        QString prefix;
        QString materialName;
        if (!itemRecords.Field(1).IsNull()) {
            // The material is read like every other ID: a fraction goes to the nearest whole number.
            const int32_t material = FieldInt32(itemRecords, 1);
            rows.Open(QStringLiteral("SELECT * FROM tblMaterial WHERE MaterialID=") + QString::number(material),
                      connection);
            if (rows.AtEnd())
                FieldError(
                    QCoreApplication::translate("Error", "No row in tblMaterial has MaterialID %1").arg(material),
                    itemRecords, 1);
            materialName = FieldText(rows, 1);
            prefix = materialName + QLatin1Char(' ');
            if (prefix == QLatin1String(" "))
                prefix.clear();
            rows.Close();
        }

        const int32_t itemID = FieldInt32(itemRecords, 0);
        rows.Open(QStringLiteral("SELECT * FROM tblItemMinStatJunction WHERE ItemID=") + QString::number(itemID),
                  connection);
        while (!rows.AtEnd()) {
            items.AddMinStat(itemID, FieldInt32(rows, 1), FieldInt32(rows, 2));
            rows.MoveNext();
        }
        rows.Close();

        rows.Open(QStringLiteral("SELECT * FROM tblItemModStatJunction WHERE ItemID=") + QString::number(itemID),
                  connection);
        while (!rows.AtEnd()) {
            items.AddMod(FieldInt32(rows, 0), FieldInt32(rows, 1), FieldInt32(rows, 2), FieldInt32(rows, 3));
            rows.MoveNext();
        }
        rows.Close();

        items.AddItem(itemID, prefix + FieldText(itemRecords, 2), materialName);
        itemRecords.MoveNext();
    }
    itemRecords.Close();
    return items;
}

clsItem LoadItemTable(const QString& databasePath)
{
    return LoadItemTable(*OpenGameDatabase(databasePath));
}

GameTables LoadGameTables(const QString& databasePath, const std::function<void()>& betweenTables)
{
    const std::unique_ptr<Connection> connection = OpenGameDatabase(databasePath);
    GameTables tables;
    tables.stats = LoadStatTable(*connection);
    if (betweenTables)
        betweenTables();
    tables.items = LoadItemTable(*connection);
    return tables;
}
