#include "jetdb.h"

#include "clock/kelvaraerror.h"
#include "tabledata.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <unordered_map>

// mdbtools' header wraps glib's in extern "C"; glib must come first for C++.
#include <glib.h>
#include <mdbtools.h>

namespace {

constexpr int PageSize = 4096;
constexpr int OffsetMask = 0x1fff;
// No real table of the game comes near this; a damaged usage map could.
constexpr size_t MaxRows = 50'000'000;

struct HandleCloser
{
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableFreer
{
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
struct GFreer
{
    void operator()(char* text) const { g_free(text); }
};
using HandlePtr = std::unique_ptr<MdbHandle, HandleCloser>;
using TablePtr = std::unique_ptr<MdbTableDef, TableFreer>;
using GText = std::unique_ptr<char, GFreer>;

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

[[noreturn]] void Damaged(const QString& path, const QString& what)
{
    throw KelvaraError(QStringLiteral("The database \"%1\" is damaged: %2.").arg(Native(path), what));
}

// The data source of a connection text: the Jet provider and a file.
QString DataSource(const QString& connectionText)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*Provider\\s*=\\s*Microsoft\\.Jet\\.OLEDB\\.4\\.0\\s*;\\s*Data Source\\s*=(.+?);?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(connectionText);
    if (!match.hasMatch())
        throw KelvaraError(QStringLiteral("Unsupported connection text: \"%1\"").arg(connectionText));
    return match.captured(1).trimmed();
}

// What readers of the file rely on before mdbtools sees it: a Jet 4.0 header
// page and the catalog's definition on page 2.
void CheckHeader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw KelvaraError(QStringLiteral("Cannot open the database \"%1\": %2").arg(Native(path), file.errorString()));
    const QByteArray head = file.read(3 * PageSize);
    const bool jet4 = head.size() == 3 * PageSize && head[0] == 0 && head.mid(4, 16) == QByteArray("Standard Jet DB\0", 16)
        && head[0x14] == 1 && head[2 * PageSize] == 2;
    if (!jet4)
        throw KelvaraError(QStringLiteral("\"%1\" is not a Jet 4.0 database.").arg(Native(path)));
}

int64_t ReadInt(const unsigned char* p, int size)
{
    switch (size) {
    case 1:
        return p[0];
    case 2:
        return qFromLittleEndian<qint16>(p);
    case 4:
        return qFromLittleEndian<qint32>(p);
    default:
        return qFromLittleEndian<qint64>(p);
    }
}

double ReadDouble(const unsigned char* p)
{
    const quint64 bits = qFromLittleEndian<quint64>(p);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

float ReadFloat(const unsigned char* p)
{
    const quint32 bits = qFromLittleEndian<quint32>(p);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

struct Connection::Impl
{
    HandlePtr mdb;
    QString path;
    std::map<QString, std::shared_ptr<const TableData>> tables; // by upper-cased name
    std::map<std::pair<QString, int>, std::unordered_map<int64_t, std::vector<uint32_t>>> indexes;

    MdbCatalogEntry* FindEntry(const QString& name)
    {
        GPtrArray* catalog = mdb->catalog;
        for (guint i = 0; catalog && i < catalog->len; ++i) {
            auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
            if (entry->object_type == MDB_TABLE
                && QString::fromUtf8(entry->object_name).compare(name, Qt::CaseInsensitive) == 0)
                return entry;
        }
        return nullptr;
    }

    DbValue Decode(MdbColumn* column, const MdbField& field, const QString& tableName)
    {
        if (column->col_type == MDB_BOOL)
            return DbValue::Boolean(!field.is_null); // the null bit holds a yes/no value
        if (field.is_null)
            return {};
        if (field.start < 0 || field.siz < 0 || field.start + field.siz > PageSize)
            Damaged(path, QStringLiteral("a row of table \"%1\" lies outside its page").arg(tableName));
        const auto* p = mdb->pg_buf + field.start;
        auto need = [&](int bytes) {
            if (field.siz < bytes)
                Damaged(path, QStringLiteral("a value of table \"%1\" is cut short").arg(tableName));
        };
        switch (column->col_type) {
        case MDB_BYTE:
            need(1);
            return DbValue::Integer(ReadInt(p, 1));
        case MDB_INT:
            need(2);
            return DbValue::Integer(ReadInt(p, 2));
        case MDB_LONGINT:
            need(4);
            return DbValue::Integer(ReadInt(p, 4));
        case MDB_MONEY:
            need(8);
            return DbValue::Double(static_cast<double>(ReadInt(p, 8)) / 10000.0);
        case MDB_FLOAT:
            need(4);
            return DbValue::Double(ReadFloat(p));
        case MDB_DOUBLE:
            need(8);
            return DbValue::Double(ReadDouble(p));
        case MDB_DATETIME:
            need(8);
            return DbValue::DateTime(ReadDouble(p));
        case MDB_NUMERIC: {
            need(17);
            const GText text(mdb_numeric_to_string(mdb.get(), field.start, column->col_scale, column->col_prec));
            const QString digits = QString::fromLatin1(text.get());
            bool ok = false;
            if (column->col_scale == 0) {
                const qlonglong whole = digits.toLongLong(&ok);
                if (ok)
                    return DbValue::Integer(whole);
            }
            const double value = digits.toDouble(&ok);
            return ok ? DbValue::Double(value) : DbValue();
        }
        case MDB_TEXT:
        case MDB_MEMO:
        case MDB_REPID: {
            if (field.siz == 0)
                return DbValue::Text(QString());
            const GText text(mdb_col_to_string(mdb.get(), mdb->pg_buf, field.start, column->col_type, field.siz));
            return DbValue::Text(text ? QString::fromUtf8(text.get()) : QString());
        }
        default:
            return {}; // pictures and other binary data carry no value the program reads
        }
    }

    std::shared_ptr<const TableData> Read(const QString& name)
    {
        MdbCatalogEntry* entry = FindEntry(name);
        if (!entry)
            throw KelvaraError(QStringLiteral("The table \"%1\" was not found in \"%2\".").arg(name, Native(path)));
        const TablePtr table(mdb_read_table(entry));
        // Guards against damaged definitions that mdbtools itself would trip over.
        if (!table || !table->usage_map || table->map_sz < 5 || table->num_cols == 0 || table->num_cols > 256)
            Damaged(path, QStringLiteral("the definition of table \"%1\" cannot be read").arg(name));
        if (!mdb_read_columns(table.get()) || !table->columns || table->columns->len != table->num_cols)
            Damaged(path, QStringLiteral("the columns of table \"%1\" cannot be read").arg(name));

        QStringList names;
        std::vector<MdbColumn*> columns;
        for (guint i = 0; i < table->columns->len; ++i) {
            auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
            columns.push_back(column);
            names << QString::fromUtf8(column->name);
        }
        auto data = std::make_shared<TableData>(QString::fromUtf8(entry->object_name), names);

        std::vector<MdbField> fields(table->num_cols);
        mdb_rewind_table(table.get());
        size_t rows = 0;
        while (mdb_fetch_row(table.get())) {
            if (++rows > MaxRows)
                Damaged(path, QStringLiteral("table \"%1\" does not end").arg(name));
            int start = 0;
            size_t length = 0;
            if (table->cur_row < 1 || mdb_find_row(mdb.get(), static_cast<int>(table->cur_row) - 1, &start, &length) != 0)
                Damaged(path, QStringLiteral("a row of table \"%1\" cannot be found").arg(name));
            start &= OffsetMask;
            if (length == 0 || start + length > PageSize
                || mdb_crack_row(table.get(), start, length, fields.data()) < 0)
                Damaged(path, QStringLiteral("a row of table \"%1\" cannot be read").arg(name));
            for (unsigned i = 0; i < table->num_cols; ++i) {
                const int colnum = fields[i].colnum;
                if (colnum < 0 || static_cast<unsigned>(colnum) >= table->num_cols)
                    Damaged(path, QStringLiteral("a row of table \"%1\" cannot be read").arg(name));
                data->Append(Decode(columns[static_cast<size_t>(colnum)], fields[i], name));
            }
        }
        return data;
    }
};

Connection::Connection() = default;
Connection::~Connection() = default;

void Connection::Open(const QString& connectionText)
{
    Close();
    const QString path = DataSource(connectionText);
    const QFileInfo info(path);
    if (!info.exists())
        throw KelvaraError(QStringLiteral("Could not find the database \"%1\".").arg(Native(path)));
    if (!info.isFile())
        throw KelvaraError(QStringLiteral("The database \"%1\" is not a file.").arg(Native(path)));
    CheckHeader(path);

    auto impl = std::make_unique<Impl>();
    impl->path = path;
    impl->mdb.reset(mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS));
    if (!impl->mdb)
        throw KelvaraError(QStringLiteral("\"%1\" is not a Jet 4.0 database.").arg(Native(path)));
    if (!mdb_read_catalog(impl->mdb.get(), MDB_TABLE))
        Damaged(path, QStringLiteral("its catalog cannot be read"));
    d = std::move(impl);
}

void Connection::Close()
{
    d.reset();
}

bool Connection::IsOpen() const
{
    return d != nullptr;
}

QString Connection::Path() const
{
    return d ? d->path : QString();
}

std::shared_ptr<const TableData> Connection::Table(const QString& name)
{
    if (!d)
        throw KelvaraError(QStringLiteral("The connection to the database is not open."));
    const QString key = name.toUpper();
    auto found = d->tables.find(key);
    if (found == d->tables.end())
        found = d->tables.emplace(key, d->Read(name)).first;
    return found->second;
}

const std::vector<uint32_t>& Connection::RowsWhere(const QString& tableName, const QString& columnName, int64_t key,
                                                   const QString& sql)
{
    const std::shared_ptr<const TableData> table = Table(tableName);
    const int column = table->ColumnIndex(columnName);
    if (column < 0)
        throw KelvaraError(QStringLiteral("No column \"%1\" in table \"%2\": %3").arg(columnName, table->Name(), sql));

    auto index = d->indexes.find({tableName.toUpper(), column});
    if (index == d->indexes.end()) {
        std::unordered_map<int64_t, std::vector<uint32_t>> built;
        for (size_t row = 0; row < table->RowCount(); ++row) {
            const DbValue value = table->Value(row, column);
            if (value.kind() == DbValue::Kind::Text)
                throw KelvaraError(QStringLiteral("Data type mismatch in criteria expression: %1").arg(sql));
            double number = 0;
            // Null matches nothing; a fraction matches no whole number.
            if (!value.ToNumber(&number) || number != std::floor(number) || std::fabs(number) > 9.0e18)
                continue;
            built[static_cast<int64_t>(number)].push_back(static_cast<uint32_t>(row));
        }
        index = d->indexes.emplace(std::pair{tableName.toUpper(), column}, std::move(built)).first;
    }
    static const std::vector<uint32_t> none;
    const auto rows = index->second.find(key);
    return rows == index->second.end() ? none : rows->second;
}

RecordSet::RecordSet() = default;
RecordSet::~RecordSet() = default;

namespace {

// Orders two values of one column: Null first, then numbers, then texts without
// regard to letter case.
bool SortsBefore(const DbValue& a, const DbValue& b)
{
    if (a.IsNull() || b.IsNull())
        return a.IsNull() && !b.IsNull();
    const bool aText = a.kind() == DbValue::Kind::Text;
    const bool bText = b.kind() == DbValue::Kind::Text;
    if (aText != bText)
        return !aText;
    if (aText)
        return a.ToText().compare(b.ToText(), Qt::CaseInsensitive) < 0;
    double x = 0, y = 0;
    a.ToNumber(&x);
    b.ToNumber(&y);
    return x < y;
}

} // namespace

void RecordSet::Open(const QString& sql, Connection& connection)
{
    Close();
    static const QString name = QStringLiteral("(\\[[^\\]]+\\]|[A-Za-z_][A-Za-z0-9_]*)");
    static const QRegularExpression form(
        QStringLiteral("^\\s*SELECT\\s+\\*\\s+FROM\\s+%1(?:\\s+WHERE\\s+%1\\s*=\\s*([-+]?\\d{1,18})|\\s+ORDER\\s+BY\\s+%1)?\\s*;?\\s*$")
            .arg(name),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(sql);
    if (!match.hasMatch())
        throw KelvaraError(QStringLiteral("Unsupported SQL statement: \"%1\"").arg(sql));
    auto unbracket = [](QString text) {
        return text.startsWith(QLatin1Char('[')) ? text.mid(1, text.size() - 2) : text;
    };
    const QString table = unbracket(match.captured(1));
    std::shared_ptr<const TableData> data = connection.Table(table);
    std::vector<uint32_t> rows;
    if (!match.captured(2).isEmpty()) {
        rows = connection.RowsWhere(table, unbracket(match.captured(2)), match.captured(3).toLongLong(), sql);
    } else {
        rows.resize(data->RowCount());
        for (size_t i = 0; i < rows.size(); ++i)
            rows[i] = static_cast<uint32_t>(i);
        if (!match.captured(4).isEmpty()) {
            const int column = data->ColumnIndex(unbracket(match.captured(4)));
            if (column < 0)
                throw KelvaraError(QStringLiteral("No column \"%1\" in table \"%2\": %3")
                                       .arg(unbracket(match.captured(4)), data->Name(), sql));
            std::stable_sort(rows.begin(), rows.end(), [&](uint32_t a, uint32_t b) {
                return SortsBefore(data->Value(a, column), data->Value(b, column));
            });
        }
    }
    mTable = std::move(data);
    mRows = std::move(rows);
    mPosition = 0;
    mSource = sql;
}

void RecordSet::Close()
{
    mTable.reset();
    mRows.clear();
    mPosition = 0;
    mSource.clear();
}

bool RecordSet::IsOpen() const
{
    return mTable != nullptr;
}

bool RecordSet::AtEnd() const
{
    if (!mTable)
        throw KelvaraError(QStringLiteral("The record set is not open."));
    return mPosition >= mRows.size();
}

void RecordSet::MoveNext()
{
    if (AtEnd())
        throw KelvaraError(QStringLiteral("No current row in \"%1\": %2").arg(mTable->Name(), mSource));
    ++mPosition;
}

DbValue RecordSet::Field(int position) const
{
    if (AtEnd())
        throw KelvaraError(QStringLiteral("No current row in \"%1\": %2").arg(mTable->Name(), mSource));
    if (position < 0 || position >= mTable->ColumnCount())
        throw KelvaraError(QStringLiteral("Table \"%1\" has no column at position %2").arg(mTable->Name()).arg(position));
    return mTable->Value(mRows[mPosition], position);
}

int RecordSet::FieldCount() const
{
    return mTable ? mTable->ColumnCount() : 0;
}

QString RecordSet::FieldName(int position) const
{
    return mTable && position >= 0 && position < mTable->ColumnCount() ? mTable->Columns()[position] : QString();
}

QString RecordSet::TableName() const
{
    return mTable ? mTable->Name() : QString();
}

QString RecordSet::Source() const
{
    return mSource;
}

int64_t RecordSet::RowNumber() const
{
    return mPosition < mRows.size() ? static_cast<int64_t>(mRows[mPosition]) + 1 : 0;
}
