// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dbvalue.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// The rows of one table, copied out of the database file. Cells are kept compact
// (16 bytes, texts in a pool of their own) so that large junction tables stay small.
class TableData
{
public:
    explicit TableData(const QString& name, const QStringList& columns)
        : mName(name)
        , mColumns(columns)
    {
    }

    const QString& Name() const { return mName; }
    const QStringList& Columns() const { return mColumns; }
    int ColumnCount() const { return static_cast<int>(mColumns.size()); }
    size_t RowCount() const { return mColumns.isEmpty() ? 0 : mCells.size() / static_cast<size_t>(mColumns.size()); }

    // Position of a column by name, letter case ignored; -1 when there is none.
    int ColumnIndex(const QString& name) const;

    DbValue Value(size_t row, int column) const;

    // Rows are filled cell by cell, left to right.
    void Append(const DbValue& value);
    void AppendNull() { Push(DbValue::Kind::Null, 0); }
    void AppendInteger(int64_t value) { Push(DbValue::Kind::Integer, value); }
    void AppendBoolean(bool value) { Push(DbValue::Kind::Boolean, value ? -1 : 0); }
    void AppendDouble(double value, DbValue::Kind kind = DbValue::Kind::Double);
    void AppendText(const QString& value);

private:
    struct Cell
    {
        union {
            int64_t integer;
            double number;
            uint64_t text;
        };
        DbValue::Kind kind;
    };

    void Push(DbValue::Kind kind, int64_t integer)
    {
        Cell cell;
        cell.kind = kind;
        cell.integer = integer;
        mCells.push_back(cell);
    }

    QString mName;
    QStringList mColumns;
    std::vector<Cell> mCells;
    std::vector<QString> mTexts;
};
