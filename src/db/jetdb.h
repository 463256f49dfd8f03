// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dbvalue.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class TableData;

// The version of the Jet reading library (mdbtools) in use, as it tells it at run time.
QString DatabaseLibraryVersion();

// A read-only connection to a Jet 4.0 database file, opened from a connection text
// such as "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/path/Kelvara.mdb;".
// Every failure throws KelvaraError naming the file and the cause. A damaged file
// is reported like any other failure; it never ends or hangs the program.
class Connection
{
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void Open(const QString& connectionText);
    void Close();
    bool IsOpen() const;

    // The database file.
    QString Path() const;

private:
    friend class RecordSet;
    struct Impl;
    // The rows of a table, read once per connection and shared by its record sets.
    std::shared_ptr<const TableData> Table(const QString& name);
    // A run of rows in some order: positions begin..end of `rows`.
    struct RowRun
    {
        std::shared_ptr<const std::vector<uint32_t>> rows;
        size_t begin = 0;
        size_t end = 0;
    };
    // Rows of a table whose column holds the key, in table order (from an index
    // that is built once per column).
    RowRun RowsWhere(const TableData& table, const QString& column, int64_t key, const QString& sql);

    std::unique_ptr<Impl> d;
};

// A forward-only, read-only record set over one of three statement forms:
//   SELECT * FROM t
//   SELECT * FROM t WHERE Col=<integer>
//   SELECT * FROM t ORDER BY Col
// The rows are copied out when it opens, so record sets on one connection can be
// walked in any interleaving.
class RecordSet
{
public:
    RecordSet();
    ~RecordSet();
    RecordSet(const RecordSet&) = delete;
    RecordSet& operator=(const RecordSet&) = delete;

    void Open(const QString& sql, Connection& connection);
    void Close();
    bool IsOpen() const;

    // True once every row has been walked (at once for no row).
    bool AtEnd() const;
    void MoveNext();

    // The column at a position of the current row, 0 first.
    DbValue Field(int position) const;
    int FieldCount() const;
    QString FieldName(int position) const;

    // For error messages: the table, the statement, the current row's place in
    // the table (from 1).
    QString TableName() const;
    QString Source() const;
    int64_t RowNumber() const;

private:
    // The row at a position of the walk.
    size_t Row(size_t position) const { return mOrder ? (*mOrder)[position] : position; }

    std::shared_ptr<const TableData> mTable;
    // The order of the rows; none: all rows in table order.
    std::shared_ptr<const std::vector<uint32_t>> mOrder;
    size_t mPosition = 0;
    size_t mEnd = 0;
    QString mSource;
};
