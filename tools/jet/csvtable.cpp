// SPDX-License-Identifier: GPL-3.0-or-later
// Tables from CSV files whose header cells say each column's name and type, such as "ItemID:long".
#include "csv.h"
#include "jetformat.h"
#include "jetwriter.h"

#include <QFile>
#include <QLocale>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>

namespace jet {

namespace {

    [[noreturn]] void Fail(const QString& path, int line, std::size_t cell, const QString& column, const QString& what)
    {
        QString place = QStringLiteral("%1:%2: column %3").arg(path).arg(line).arg(cell + 1);
        if (!column.isEmpty())
            place += QStringLiteral(" (%1)").arg(column);
        throw Error((place + QStringLiteral(": ") + what).toStdString());
    }

    QString TypeList()
    {
        QStringList names;
        for (const ColumnType type : {ColumnType::Long, ColumnType::Integer, ColumnType::Byte, ColumnType::Double,
                                      ColumnType::Currency, ColumnType::Boolean, ColumnType::Text, ColumnType::Memo})
            names << ColumnTypeName(type);
        return names.join(QStringLiteral(", "));
    }

    Column ParseHeaderCell(const csv::Cell& cell, const QString& path, int line, std::size_t index)
    {
        const qsizetype colon = cell.text.lastIndexOf(u':');
        if (colon <= 0)
            Fail(path, line, index, {}, QStringLiteral("header cell \"%1\" is not Name:type").arg(cell.text));
        const QString name = cell.text.left(colon);
        const QString typeName = cell.text.mid(colon + 1);
        const auto type = ColumnTypeFromName(typeName);
        if (!type)
            Fail(path, line, index, name, QStringLiteral("unknown type \"%1\" (known: %2)").arg(typeName, TypeList()));
        return Column{name, *type};
    }

    struct CellError
    {
        const QString& path;
        int line;
        std::size_t index;
        const QString& column;

        [[noreturn]] void operator()(const QString& what) const { Fail(path, line, index, column, what); }
    };

    Value ParseCell(const csv::Cell& cell, const Column& column, const QString& path, int line, std::size_t index)
    {
        const QString& text = cell.text;
        const CellError fail{path, line, index, column.name};
        if (text.isEmpty() && !cell.quoted) {
            if (column.type == ColumnType::Boolean)
                fail(QStringLiteral("a bool column cannot be empty (write true or false)"));
            return std::monostate{};
        }
        switch (column.type) {
        case ColumnType::Boolean: {
            for (const char* word : {"true", "1", "yes"}) {
                if (text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0)
                    return true;
            }
            for (const char* word : {"false", "0", "no"}) {
                if (text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0)
                    return false;
            }
            fail(QStringLiteral("\"%1\" is not true or false").arg(text));
        }
        case ColumnType::Byte:
        case ColumnType::Integer:
        case ColumnType::Long: {
            bool ok = false;
            const qint64 value = text.toLongLong(&ok);
            if (!ok)
                fail(QStringLiteral("\"%1\" is not a whole number").arg(text));
            if (const auto problem = format::CheckInteger(value, column.type))
                fail(*problem);
            return value;
        }
        case ColumnType::Double: {
            bool ok = false;
            const double value = QLocale::c().toDouble(text, &ok);
            if (!ok || !std::isfinite(value))
                fail(QStringLiteral("\"%1\" is not a number").arg(text));
            return value;
        }
        case ColumnType::Currency:
            if (!format::ParseCurrency(text))
                fail(QStringLiteral("\"%1\" is not an amount with at most four decimals").arg(text));
            return text;
        case ColumnType::Text:
            if (const auto problem = format::CheckText(text))
                fail(*problem);
            return text;
        case ColumnType::Memo:
            return text;
        }
        fail(QStringLiteral("unknown column type"));
    }

} // namespace

Table ReadCsvTable(const QString& tableName, const QString& csvPath)
{
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("%1: cannot read: %2").arg(csvPath, file.errorString()).toStdString());
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw Error(QStringLiteral("%1: not UTF-8 text").arg(csvPath).toStdString());

    std::vector<csv::Record> records = csv::Parse(text, csvPath);
    // Blank lines at the end of the file (as editors leave them) hold no rows.
    while (records.size() > 1 && records.back().cells.size() == 1 && !records.back().cells.front().quoted
           && records.back().cells.front().text.isEmpty())
        records.pop_back();
    if (records.empty())
        throw Error(QStringLiteral("%1: no header line").arg(csvPath).toStdString());

    Table table{tableName, {}, {}};
    const csv::Record& header = records.front();
    for (std::size_t i = 0; i < header.cells.size(); ++i) {
        Column column = ParseHeaderCell(header.cells[i], csvPath, header.line, i);
        for (const Column& earlier : table.columns) {
            if (earlier.name.compare(column.name, Qt::CaseInsensitive) == 0)
                Fail(csvPath, header.line, i, column.name, QStringLiteral("a second column of this name"));
        }
        table.columns.append(std::move(column));
    }

    table.rows.reserve(records.size() - 1);
    for (auto record = records.begin() + 1; record != records.end(); ++record) {
        // A row of the wrong length names the first column it lacks, or its first cell too many.
        const std::size_t cells = record->cells.size(), columns = header.cells.size();
        if (cells != columns) {
            const std::size_t first = std::min(cells, columns);
            Fail(csvPath, record->line, first, cells < columns ? table.columns[qsizetype(first)].name : QString(),
                 QStringLiteral("%1; %2 %3, the header has %4")
                     .arg(cells < columns ? QStringLiteral("missing") : QStringLiteral("past the last column"))
                     .arg(cells)
                     .arg(cells == 1 ? QStringLiteral("cell") : QStringLiteral("cells"))
                     .arg(columns));
        }
        std::vector<Value> row;
        row.reserve(record->cells.size());
        for (std::size_t i = 0; i < record->cells.size(); ++i)
            row.push_back(ParseCell(record->cells[i], table.columns[qsizetype(i)], csvPath, record->line, i));
        table.rows.push_back(std::move(row));
    }
    return table;
}

} // namespace jet
