// SPDX-License-Identifier: GPL-3.0-or-later
#include "tabledata.h"

int TableData::ColumnIndex(const QString& name) const
{
    for (int i = 0; i < mColumns.size(); ++i) {
        if (mColumns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

DbValue TableData::Value(size_t row, int column) const
{
    const Cell& cell = mCells[row * static_cast<size_t>(mColumns.size()) + static_cast<size_t>(column)];
    switch (cell.kind) {
    case DbValue::Kind::Null:
        return {};
    case DbValue::Kind::Integer:
        return DbValue::Integer(cell.integer);
    case DbValue::Kind::Double:
        return DbValue::Double(cell.number);
    case DbValue::Kind::DateTime:
        return DbValue::DateTime(cell.number);
    case DbValue::Kind::Boolean:
        return DbValue::Boolean(cell.integer != 0);
    case DbValue::Kind::Text:
        return DbValue::Text(mTexts[cell.text]);
    }
    return {};
}

void TableData::AppendDouble(double value, DbValue::Kind kind)
{
    Cell cell;
    cell.kind = kind;
    cell.number = value;
    mCells.push_back(cell);
}

void TableData::AppendText(const QString& value)
{
    Cell cell;
    cell.kind = DbValue::Kind::Text;
    cell.text = mTexts.size();
    mTexts.push_back(value);
    mCells.push_back(cell);
}

void TableData::Append(const DbValue& value)
{
    double number = 0;
    switch (value.kind()) {
    case DbValue::Kind::Null:
        AppendNull();
        break;
    case DbValue::Kind::Integer:
        value.ToNumber(&number);
        AppendInteger(static_cast<int64_t>(number));
        break;
    case DbValue::Kind::Boolean:
        value.ToNumber(&number);
        AppendBoolean(number != 0);
        break;
    case DbValue::Kind::Double:
    case DbValue::Kind::DateTime:
        value.ToNumber(&number);
        AppendDouble(number, value.kind());
        break;
    case DbValue::Kind::Text:
        AppendText(value.ToText());
        break;
    }
}
