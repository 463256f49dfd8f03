// SPDX-License-Identifier: GPL-3.0-or-later
// Writes Microsoft Jet 4.0 database files (.mdb) from tables held in memory or in CSV files.
//
// The files carry what mdbtools and other readers of the format need: the database header, the catalog
// MSysObjects, one table definition per table, data pages with usage maps, long-value pages for memos.
// They have no indexes, relationships or queries; Microsoft Access itself expects more than that.
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <stdexcept>
#include <variant>
#include <vector>

class QByteArray;

namespace jet {

// Bad input: the message names the table, row and column (or file, line and column) at fault.
class Error : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

enum class ColumnType {
    Boolean,  // stored in the row's null mask; never Null
    Byte,     // 0 .. 255
    Integer,  // 16-bit signed
    Long,     // 32-bit signed ("Long Integer")
    Currency, // 64-bit signed count of 1/10000 units
    Double,
    Text, // up to 255 UTF-16 code units
    Memo, // long text
};

struct Column
{
    QString name;
    ColumnType type;
};

// One cell. Which alternatives a column takes:
//   Boolean: bool.  Byte, Integer, Long: qint64 within the type's range.
//   Currency: qint64 (whole units), double (rounded to 1/10000) or QString (a decimal such as "-12.5" with at
//   most four decimals, kept exact).  Double: double or qint64.  Text, Memo: QString.
//   std::monostate is Null, allowed in every type but Boolean.
using Value = std::variant<std::monostate, qint64, double, QString, bool>;

struct Table
{
    QString name;
    QList<Column> columns;
    std::vector<std::vector<Value>> rows;
};

struct BuildOptions
{
    // Large tables get an indirect (type 1) usage map on their own bitmap pages; a small table gets the
    // inline (type 0) map. Setting this gives every table the indirect form, so readers can be tested on it.
    bool indirectUsageMaps = false;
};

// The whole file. Throws jet::Error on bad input (names, value types, ranges, row size).
QByteArray BuildDatabase(const std::vector<Table>& tables, const BuildOptions& options = {});

// Builds the file and replaces `path` with it in one step; on any error the old file (or its absence) stays.
void WriteDatabase(const QString& path, const std::vector<Table>& tables, const BuildOptions& options = {});

// Reads a UTF-8 CSV file whose header cells are "Name:type" (types as ColumnTypeName gives them). An empty
// unquoted cell is Null, "" is the empty text. Throws jet::Error with "file:line:column: what" on bad input.
Table ReadCsvTable(const QString& tableName, const QString& csvPath);

// "bool", "byte", "int", "long", "currency", "double", "text", "memo".
QString ColumnTypeName(ColumnType type);
std::optional<ColumnType> ColumnTypeFromName(QStringView name);

} // namespace jet
