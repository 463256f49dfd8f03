// SPDX-License-Identifier: GPL-3.0-or-later
#include "jetdb.h"

#include "core/kelvaraerror.h"
#include "core/regularfile.h"
#include "tabledata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QtEndian>

#include <optional>

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
    throw KelvaraError(
        QCoreApplication::translate("GameDatabase", "The database \"%1\" is damaged: %2.").arg(Native(path), what));
}

// The data source of a connection text: the Jet provider and a file.
QString DataSource(const QString& connectionText)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*Provider\\s*=\\s*Microsoft\\.Jet\\.OLEDB\\.4\\.0\\s*;\\s*Data Source\\s*=(.+?);?\\s*$"),
        // A folder's name may hold a line end.
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = form.match(connectionText);
    if (!match.hasMatch())
        throw KelvaraError(
            QCoreApplication::translate("GameDatabase", "Unsupported connection text: \"%1\"").arg(connectionText));
    return match.captured(1).trimmed();
}

[[noreturn]] void CutShort(const QString& path)
{
    //: Why a game database cannot be read (after "The database ... is damaged:").
    Damaged(path, QCoreApplication::translate("GameDatabase", "it is cut short"));
}

// Whether `head` starts as a Jet 4.0 file does, as far as it goes: a zero byte, three any ('.'),
// the signature and the version. Nothing at all (a copy that had written nothing yet) does.
bool StartsAsJet4(const QByteArray& head)
{
    static constexpr char start[] = "\0...Standard Jet DB\0\1";
    for (qsizetype i = 0; i < qMin(head.size(), qsizetype(sizeof start - 1)); ++i)
        if (start[i] != '.' && head[i] != start[i])
            return false;
    return true;
}

// What readers of the file rely on before mdbtools sees it: a Jet 4.0 header
// page and the catalog's definition on page 2.
void CheckHeader(QFile& file, const QString& path)
{
    const QByteArray head = file.read(3 * PageSize);
    const bool jet4 = StartsAsJet4(head) && (head.size() < 3 * PageSize || head[2 * PageSize] == 2);
    if (!jet4)
        throw KelvaraError(
            QCoreApplication::translate("GameDatabase", "\"%1\" is not a Jet 4.0 database.").arg(Native(path)));
    // A Jet file is whole pages, the catalog's among them; one that is not was cut short
    // (a copy still being written), and mdbtools would end its tables silently at the
    // missing pages.
    if (head.size() < 3 * PageSize || file.size() % PageSize != 0)
        CutShort(path);
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
    // The pages the file holds. One that a page of it names beyond them was cut off (a
    // patch still being written): mdbtools would say so on the terminal and read on
    // without it, so every page is asked for here before mdbtools reads it.
    unsigned long pages = 0;
    // Tables by the name they were asked for; another spelling finds the same table.
    QHash<QString, std::shared_ptr<const TableData>> tables;
    // Per table and column: the rows that hold a whole number, grouped by that
    // number, each group in table order. A number's group is rows[begin, end).
    struct Index
    {
        std::unordered_map<int64_t, std::pair<uint32_t, uint32_t>> groups;
        std::shared_ptr<std::vector<uint32_t>> rows;
    };
    std::map<std::pair<const TableData*, int>, Index> indexes;

    // The tables of the catalog: name and definition page.
    struct CatalogTable
    {
        QString name;
        unsigned long page = 0;
    };
    std::vector<CatalogTable> catalog;

    const CatalogTable* FindTable(const QString& name) const
    {
        for (const CatalogTable& table : catalog) {
            if (table.name.compare(name, Qt::CaseInsensitive) == 0)
                return &table;
        }
        return nullptr;
    }

    void NeedPage(unsigned long page) const
    {
        if (page >= pages)
            CutShort(path);
    }

    // A page of the file, as mdbtools reads it, in its second page buffer (the one its
    // own lookups of rows use, so the page of the current row stays in place).
    const unsigned char* Page(unsigned long page)
    {
        NeedPage(page);
        if (mdb_read_alt_pg(mdb.get(), page) != PageSize)
            CutShort(path); // shorter than when it was opened
        return mdb->alt_pg_buf;
    }

    // Every page mdbtools reads for the definition of the table on `page`: the pages of
    // the definition (each names the next at byte 4) and those of its two page maps.
    void CheckDefinition(unsigned long page, const QString& name)
    {
        const unsigned char* first = Page(page);
        if (first[0] != 0x02)
            Damaged(
                path,
                QCoreApplication::translate("GameDatabase", "the definition of table \"%1\" cannot be read").arg(name));
        const quint32 usageMap = qFromLittleEndian<quint32>(first + 55);
        const quint32 freeMap = qFromLittleEndian<quint32>(first + 59);
        NeedPage(usageMap >> 8);
        NeedPage(freeMap >> 8);
        for (unsigned long next = qFromLittleEndian<quint32>(first + 4), steps = 0; next != 0 && steps < pages; ++steps)
            next = qFromLittleEndian<quint32>(Page(next) + 4);
    }

    // The data pages the usage map of a table lists: a map of type 0 is a first page and a
    // bitmap; one of type 1 lists pages that hold bitmaps of 4092 bytes.
    void CheckUsageMap(const MdbTableDef& table, const QString& name)
    {
        const unsigned char* map = table.usage_map;
        const auto bitsFrom = [&](const unsigned char* bits, size_t bytes, unsigned long first) {
            for (size_t byte = bytes; byte-- > 0;)
                if (bits[byte] != 0) {
                    int bit = 7;
                    while ((bits[byte] & (1 << bit)) == 0)
                        --bit;
                    NeedPage(first + byte * 8 + bit);
                    return;
                }
        };
        if (map[0] == 0)
            return bitsFrom(map + 5, table.map_sz - 5, qFromLittleEndian<quint32>(map + 1));
        if (map[0] != 1)
            Damaged(
                path,
                QCoreApplication::translate("GameDatabase", "the definition of table \"%1\" cannot be read").arg(name));
        for (size_t index = 0; index < (table.map_sz - 1) / 4; ++index)
            if (const quint32 bitmap = qFromLittleEndian<quint32>(map + 1 + index * 4); bitmap != 0)
                bitsFrom(Page(bitmap) + 4, PageSize - 4, index * (PageSize - 4) * 8);
    }

    // The pages of a Memo value stored outside its row: one, or a chain of them, each row
    // of the chain naming the next in its first four bytes; mdbtools would give an
    // empty or shorter text for a page that is missing.
    void CheckMemo(const unsigned char* value, int size, const QString& name)
    {
        const quint32 length = qFromLittleEndian<quint32>(value);
        if (size < 12 || (length & 0x80000000) != 0)
            return; // none, or kept in the row
        const bool onePage = (length & 0x40000000) != 0;
        if (!onePage && (length & 0xff000000) != 0)
            Damaged(path,
                    QCoreApplication::translate("GameDatabase", "a row of table \"%1\" cannot be read").arg(name));
        quint32 link = qFromLittleEndian<quint32>(value + 4);
        quint32 read = 0;
        bool ended = false;
        for (unsigned long steps = 0; !ended && steps <= pages; ++steps) {
            NeedPage(link >> 8);
            void* page = nullptr;
            int start = 0;
            size_t bytes = 0;
            if (mdb_find_pg_row(mdb.get(), static_cast<int>(link), &page, &start, &bytes) != 0)
                CutShort(path); // shorter than when it was opened
            start &= OffsetMask;
            // Where mdbtools stops: a page of its own, a row too short or too long, the chain's end.
            ended = onePage || bytes < 4 || start + bytes > PageSize || read + bytes - 4 > length;
            if (!ended) {
                read += static_cast<quint32>(bytes) - 4;
                link = qFromLittleEndian<quint32>(static_cast<const unsigned char*>(page) + start);
                ended = link == 0;
            }
        }
        if (!ended || (!onePage && read < length))
            Damaged(path,
                    QCoreApplication::translate("GameDatabase", "a value of table \"%1\" is cut short").arg(name));
    }

    // The catalog MSysObjects (definition on page 2) is read like any other table,
    // with the same guards, rather than by mdbtools' own catalog reader, which
    // follows a damaged usage map or property block into a crash.
    void ReadCatalog()
    {
        const std::shared_ptr<const TableData> objects = ReadPage(2, QStringLiteral("MSysObjects"));
        const int id = objects->ColumnIndex(QStringLiteral("Id"));
        const int name = objects->ColumnIndex(QStringLiteral("Name"));
        const int type = objects->ColumnIndex(QStringLiteral("Type"));
        if (id < 0 || name < 0 || type < 0)
            Damaged(path, QCoreApplication::translate("GameDatabase", "its catalog cannot be read"));
        for (size_t row = 0; row < objects->RowCount(); ++row) {
            double objectId = 0;
            double objectType = 0;
            // A damaged row (a number that is not finite or too large for a whole number) names no table.
            if (!objects->Value(row, id).ToNumber(&objectId) || !objects->Value(row, type).ToNumber(&objectType)
                || objects->Value(row, name).kind() != DbValue::Kind::Text || !(std::fabs(objectId) <= 9.0e18)
                || !(std::fabs(objectType) <= 9.0e18))
                continue;
            if ((static_cast<int64_t>(objectType) & 0x7f) != MDB_TABLE)
                continue;
            catalog.push_back({objects->Value(row, name).ToText(),
                               static_cast<unsigned long>(static_cast<int64_t>(objectId) & 0x00ffffff)});
        }
    }

    // Whether a column of the row just fetched is Null, from the row's null mask.
    // Only needed to tell a Null text from an empty one: both come bound with no bytes.
    bool RowNullBit(MdbTableDef* table, MdbColumn* column, const QString& tableName)
    {
        int start = 0;
        size_t length = 0;
        if (table->cur_row < 1 || mdb_find_row(mdb.get(), static_cast<int>(table->cur_row) - 1, &start, &length) != 0)
            Damaged(
                path,
                QCoreApplication::translate("GameDatabase", "a row of table \"%1\" cannot be found").arg(tableName));
        start &= OffsetMask;
        if (length < 2 || start + length > PageSize)
            Damaged(path,
                    QCoreApplication::translate("GameDatabase", "a row of table \"%1\" cannot be read").arg(tableName));
        const int rowEnd = start + static_cast<int>(length) - 1;
        const int columns = qFromLittleEndian<quint16>(mdb->pg_buf + start);
        const int maskSize = (columns + 7) / 8;
        const int byte = column->col_num / 8;
        const int at = rowEnd - maskSize + 1 + byte;
        if (byte >= maskSize || at < start || at >= PageSize)
            return true; // a column the row does not have
        return (mdb->pg_buf[at] & (1 << (column->col_num % 8))) == 0;
    }

    // Appends the value of a column of the row just fetched, as mdbtools bound it.
    void Decode(TableData& data, MdbTableDef* table, MdbColumn* column, const QString& tableName)
    {
        if (column->col_type == MDB_BOOL)
            return data.AppendBoolean(column->cur_value_len == 0); // the null bit holds a yes/no value
        MdbField field{};
        field.start = column->cur_value_start;
        field.siz = column->cur_value_len;
        if (field.siz == 0) {
            const bool variable = column->col_type == MDB_TEXT || column->col_type == MDB_MEMO;
            if (!variable || RowNullBit(table, column, tableName))
                return data.AppendNull();
        }
        if (field.start < 0 || field.siz < 0 || field.start + field.siz > PageSize)
            Damaged(path,
                    QCoreApplication::translate("GameDatabase", "a row of table \"%1\" lies outside its page")
                        .arg(tableName));
        const auto* p = mdb->pg_buf + field.start;
        auto need = [&](int bytes) {
            if (field.siz < bytes)
                Damaged(
                    path,
                    QCoreApplication::translate("GameDatabase", "a value of table \"%1\" is cut short").arg(tableName));
        };
        switch (column->col_type) {
        case MDB_BYTE:
            need(1);
            return data.AppendInteger(ReadInt(p, 1));
        case MDB_INT:
            need(2);
            return data.AppendInteger(ReadInt(p, 2));
        case MDB_LONGINT:
            need(4);
            return data.AppendInteger(ReadInt(p, 4));
        case MDB_MONEY:
            need(8);
            return data.AppendDouble(static_cast<double>(ReadInt(p, 8)) / 10000.0);
        case MDB_FLOAT:
            need(4);
            return data.AppendDouble(ReadFloat(p));
        case MDB_DOUBLE:
            need(8);
            return data.AppendDouble(ReadDouble(p));
        case MDB_DATETIME:
            need(8);
            return data.AppendDouble(ReadDouble(p), DbValue::Kind::DateTime);
        case MDB_NUMERIC: {
            need(17);
            const GText text(mdb_numeric_to_string(mdb.get(), field.start, column->col_scale, column->col_prec));
            const QString digits = QString::fromLatin1(text.get());
            bool ok = false;
            if (column->col_scale == 0) {
                const qlonglong whole = digits.toLongLong(&ok);
                if (ok)
                    return data.AppendInteger(whole);
            }
            const double value = digits.toDouble(&ok);
            return ok ? data.AppendDouble(value) : data.AppendNull();
        }
        case MDB_TEXT:
        case MDB_MEMO:
        case MDB_REPID: {
            if (field.siz == 0)
                return data.AppendText(QString());
            if (column->col_type == MDB_MEMO)
                CheckMemo(p, field.siz, tableName);
            const GText text(mdb_col_to_string(mdb.get(), mdb->pg_buf, field.start, column->col_type, field.siz));
            return data.AppendText(text ? QString::fromUtf8(text.get()) : QString());
        }
        default:
            return data.AppendNull(); // pictures and other binary data carry no value the program reads
        }
    }

    std::shared_ptr<const TableData> Read(const QString& name)
    {
        const CatalogTable* found = FindTable(name);
        if (!found)
            throw KelvaraError(QCoreApplication::translate("GameDatabase", "The table \"%1\" was not found in \"%2\".")
                                   .arg(name, Native(path)));
        return ReadPage(found->page, found->name);
    }

    // The table whose definition is on a page.
    std::shared_ptr<const TableData> ReadPage(unsigned long page, const QString& name)
    {
        MdbCatalogEntry entry{};
        entry.mdb = mdb.get();
        entry.object_type = MDB_TABLE;
        entry.table_pg = page;
        qstrncpy(entry.object_name, name.toUtf8().constData(), sizeof entry.object_name);
        CheckDefinition(page, name);
        const TablePtr table(mdb_read_table(&entry));
        // Guards against damaged definitions that mdbtools itself would trip over.
        if (!table || !table->usage_map || table->map_sz < 5 || table->num_cols == 0 || table->num_cols > 256)
            Damaged(
                path,
                QCoreApplication::translate("GameDatabase", "the definition of table \"%1\" cannot be read").arg(name));
        CheckUsageMap(*table, name);
        if (!mdb_read_columns(table.get()) || !table->columns || table->columns->len != table->num_cols)
            Damaged(
                path,
                QCoreApplication::translate("GameDatabase", "the columns of table \"%1\" cannot be read").arg(name));

        QStringList names;
        std::vector<MdbColumn*> columns;
        for (guint i = 0; i < table->columns->len; ++i) {
            auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
            columns.push_back(column);
            names << QString::fromUtf8(column->name);
        }
        auto data = std::make_shared<TableData>(name, names);

        // The rows of the data pages the usage map lists, walked as mdb_fetch_row walks them, except that a page
        // it would pass over (one not of the table, with a warning on the terminal) and a row it would drop
        // silently (outside its page, of no bytes, not to be cracked) are damage, not rows that are not there.
        const auto unreadable = [&] {
            Damaged(path,
                    QCoreApplication::translate("GameDatabase", "a row of table \"%1\" cannot be read").arg(name));
        };
        const int countAt = mdb->fmt->row_count_offset;
        mdb_rewind_table(table.get());
        size_t rows = 0;
        for (gint32 at = 0; (at = mdb_map_find_next(mdb.get(), table->usage_map, table->map_sz, at)) > 0;) {
            NeedPage(static_cast<unsigned long>(at));
            if (mdb_read_pg(mdb.get(), static_cast<unsigned long>(at)) != PageSize)
                CutShort(path); // shorter than when it was opened
            table->cur_phys_pg = static_cast<guint32>(at);
            const int count = qFromLittleEndian<quint16>(mdb->pg_buf + countAt);
            if (mdb->pg_buf[0] != MDB_PAGE_DATA || qFromLittleEndian<quint32>(mdb->pg_buf + 4) != page
                || countAt + 2 + count * 2 > PageSize)
                unreadable();
            for (int row = 0; row < count; ++row) {
                int start = 0;
                size_t length = 0;
                const bool found = mdb_find_row(mdb.get(), row, &start, &length) == 0 && length > 0;
                if ((start & 0x4000) != 0)
                    continue; // deleted
                if (!found || !mdb_read_row(table.get(), static_cast<unsigned int>(row)))
                    unreadable();
                table->cur_row = static_cast<unsigned int>(row) + 1;
                if (++rows > MaxRows)
                    Damaged(path, QCoreApplication::translate("GameDatabase", "table \"%1\" does not end").arg(name));
                for (MdbColumn* column : columns)
                    Decode(*data, table.get(), column, name);
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
    // A link that leads nowhere (a loop) is there, and the open below says why it cannot be read.
    if (!info.exists() && !info.isSymLink())
        throw KelvaraError(
            QCoreApplication::translate("GameDatabase", "Could not find the database \"%1\".").arg(Native(path)));
    if (info.exists() && !info.isFile())
        throw KelvaraError(
            QCoreApplication::translate("GameDatabase", "The database \"%1\" is not a file.").arg(Native(path)));
    // Opened without waiting, and only when it is still a regular file.
    QFile file;
    if (const auto reason = OpenRegularFile(file, path))
        throw KelvaraError(QCoreApplication::translate("GameDatabase", "Cannot open the database \"%1\": %2")
                               .arg(Native(path), *reason));
    CheckHeader(file, path);

    auto impl = std::make_unique<Impl>();
    impl->path = path;
    impl->pages = static_cast<unsigned long>(file.size() / PageSize);
    // mdbtools opens the file by name: the name of the descriptor checked above where
    // the system has one, so that nothing put in the file's place meanwhile is read.
    impl->mdb.reset(mdb_open(LibraryFileName(OpenedFileName(file, path)).constData(), MDB_NOFLAGS));
    if (!impl->mdb)
        throw KelvaraError(
            QCoreApplication::translate("GameDatabase", "\"%1\" is not a Jet 4.0 database.").arg(Native(path)));
    impl->ReadCatalog();
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
        throw KelvaraError(QCoreApplication::translate("GameDatabase", "The connection to the database is not open."));
    if (const auto found = d->tables.constFind(name); found != d->tables.constEnd())
        return *found;
    for (auto it = d->tables.constBegin(); it != d->tables.constEnd(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0) {
            // A copy first: adding the new spelling may move the hash's entries.
            const std::shared_ptr<const TableData> table = *it;
            d->tables.insert(name, table);
            return table;
        }
    }
    return d->tables[name] = d->Read(name);
}

Connection::RowRun Connection::RowsWhere(const TableData& table, const QString& columnName, int64_t key,
                                         const QString& sql)
{
    const int column = table.ColumnIndex(columnName);
    if (column < 0)
        throw KelvaraError(QCoreApplication::translate("GameDatabase", "No column \"%1\" in table \"%2\": %3")
                               .arg(columnName, table.Name(), sql));

    auto index = d->indexes.find({&table, column});
    if (index == d->indexes.end()) {
        // Two passes: count the rows of each number, then place every row in its group.
        std::vector<int64_t> keys(table.RowCount());
        std::vector<bool> indexed(table.RowCount());
        Impl::Index built;
        for (size_t row = 0; row < table.RowCount(); ++row) {
            const DbValue value = table.Value(row, column);
            if (value.kind() == DbValue::Kind::Text)
                throw KelvaraError(
                    QCoreApplication::translate("GameDatabase", "Data type mismatch in criteria expression: %1")
                        .arg(sql));
            double number = 0;
            // Null matches nothing; a fraction matches no whole number.
            if (!value.ToNumber(&number) || number != std::floor(number) || std::fabs(number) > 9.0e18)
                continue;
            keys[row] = static_cast<int64_t>(number);
            indexed[row] = true;
            ++built.groups[keys[row]].second;
        }
        uint32_t next = 0;
        for (auto& [k, group] : built.groups) {
            group.first = next;
            next += group.second;
            group.second = group.first;
        }
        built.rows = std::make_shared<std::vector<uint32_t>>(next);
        for (size_t row = 0; row < table.RowCount(); ++row) {
            if (indexed[row])
                (*built.rows)[built.groups[keys[row]].second++] = static_cast<uint32_t>(row);
        }
        index = d->indexes.emplace(std::pair{&table, column}, std::move(built)).first;
    }
    const auto group = index->second.groups.find(key);
    if (group == index->second.groups.end())
        return {index->second.rows, 0, 0};
    return {index->second.rows, group->second.first, group->second.second};
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

// The three statement forms, read token by token: names plain or in brackets,
// keywords in any letter case, blanks anywhere between tokens.
struct Statement
{
    QString table;
    QString whereColumn;
    int64_t key = 0;
    QString orderColumn;
};

class Tokens
{
public:
    explicit Tokens(QStringView text)
        : mText(text)
    {
    }

    bool AtEnd()
    {
        SkipBlanks();
        return mPos >= mText.size();
    }

    bool Keyword(const char* word)
    {
        SkipBlanks();
        const QStringView rest = mText.mid(mPos);
        const auto length = static_cast<qsizetype>(std::strlen(word));
        if (rest.size() < length)
            return false;
        for (qsizetype i = 0; i < length; ++i) {
            const char16_t c = rest[i].unicode();
            if ((c >= u'a' && c <= u'z' ? c - 32 : c) != static_cast<char16_t>(word[i]))
                return false;
        }
        if (rest.size() > length && IsNameChar(rest[length]))
            return false;
        mPos += length;
        return true;
    }

    bool Symbol(char symbol)
    {
        SkipBlanks();
        if (mPos < mText.size() && mText[mPos] == QLatin1Char(symbol)) {
            ++mPos;
            return true;
        }
        return false;
    }

    std::optional<QString> Name()
    {
        SkipBlanks();
        const qsizetype start = mPos;
        if (mPos < mText.size() && mText[mPos] == QLatin1Char('[')) {
            const qsizetype close = mText.indexOf(QLatin1Char(']'), mPos + 1);
            if (close <= mPos + 1)
                return std::nullopt;
            mPos = close + 1;
            return mText.mid(start + 1, close - start - 1).toString();
        }
        if (mPos >= mText.size() || mText[mPos].isDigit() || !IsNameChar(mText[mPos]))
            return std::nullopt;
        while (mPos < mText.size() && IsNameChar(mText[mPos]))
            ++mPos;
        return mText.mid(start, mPos - start).toString();
    }

    std::optional<int64_t> Integer()
    {
        SkipBlanks();
        const qsizetype start = mPos;
        if (mPos < mText.size() && (mText[mPos] == QLatin1Char('-') || mText[mPos] == QLatin1Char('+')))
            ++mPos;
        const qsizetype digits = mPos;
        while (mPos < mText.size() && mText[mPos] >= QLatin1Char('0') && mText[mPos] <= QLatin1Char('9'))
            ++mPos;
        if (mPos == digits || mPos - digits > 18 || (mPos < mText.size() && IsNameChar(mText[mPos])))
            return std::nullopt;
        return mText.mid(start, mPos - start).toLongLong();
    }

private:
    static bool IsNameChar(QChar c)
    {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('_');
    }

    void SkipBlanks()
    {
        while (mPos < mText.size() && mText[mPos].isSpace())
            ++mPos;
    }

    QStringView mText;
    qsizetype mPos = 0;
};

std::optional<Statement> ParseStatement(QStringView sql)
{
    Tokens tokens(sql);
    Statement statement;
    if (!tokens.Keyword("SELECT") || !tokens.Symbol('*') || !tokens.Keyword("FROM"))
        return std::nullopt;
    const std::optional<QString> table = tokens.Name();
    if (!table)
        return std::nullopt;
    statement.table = *table;
    if (tokens.Keyword("WHERE")) {
        const std::optional<QString> column = tokens.Name();
        if (!column || !tokens.Symbol('='))
            return std::nullopt;
        const std::optional<int64_t> key = tokens.Integer();
        if (!key)
            return std::nullopt;
        statement.whereColumn = *column;
        statement.key = *key;
    } else if (tokens.Keyword("ORDER")) {
        const std::optional<QString> column = tokens.Keyword("BY") ? tokens.Name() : std::nullopt;
        if (!column)
            return std::nullopt;
        statement.orderColumn = *column;
    }
    tokens.Symbol(';');
    if (!tokens.AtEnd())
        return std::nullopt;
    return statement;
}

} // namespace

void RecordSet::Open(const QString& sql, Connection& connection)
{
    Close();
    const std::optional<Statement> statement = ParseStatement(sql);
    if (!statement)
        throw KelvaraError(QCoreApplication::translate("GameDatabase", "Unsupported SQL statement: \"%1\"").arg(sql));
    std::shared_ptr<const TableData> data = connection.Table(statement->table);
    if (!statement->whereColumn.isEmpty()) {
        const Connection::RowRun run = connection.RowsWhere(*data, statement->whereColumn, statement->key, sql);
        mOrder = run.rows;
        mPosition = run.begin;
        mEnd = run.end;
    } else {
        mPosition = 0;
        mEnd = data->RowCount();
        if (!statement->orderColumn.isEmpty()) {
            const int column = data->ColumnIndex(statement->orderColumn);
            if (column < 0)
                throw KelvaraError(QCoreApplication::translate("GameDatabase", "No column \"%1\" in table \"%2\": %3")
                                       .arg(statement->orderColumn, data->Name(), sql));
            auto order = std::make_shared<std::vector<uint32_t>>(mEnd);
            for (size_t i = 0; i < mEnd; ++i)
                (*order)[i] = static_cast<uint32_t>(i);
            std::stable_sort(order->begin(), order->end(), [&](uint32_t a, uint32_t b) {
                return SortsBefore(data->Value(a, column), data->Value(b, column));
            });
            mOrder = std::move(order);
        }
    }
    mTable = std::move(data);
    mSource = sql;
}

void RecordSet::Close()
{
    mTable.reset();
    mOrder.reset();
    mPosition = 0;
    mEnd = 0;
    mSource.clear();
}

bool RecordSet::IsOpen() const
{
    return mTable != nullptr;
}

bool RecordSet::AtEnd() const
{
    if (!mTable)
        throw KelvaraError(QCoreApplication::translate("GameDatabase", "The record set is not open."));
    return mPosition >= mEnd;
}

void RecordSet::MoveNext()
{
    if (AtEnd())
        throw KelvaraError(
            QCoreApplication::translate("GameDatabase", "No current row in \"%1\": %2").arg(mTable->Name(), mSource));
    ++mPosition;
}

DbValue RecordSet::Field(int position) const
{
    if (AtEnd())
        throw KelvaraError(
            QCoreApplication::translate("GameDatabase", "No current row in \"%1\": %2").arg(mTable->Name(), mSource));
    if (position < 0 || position >= mTable->ColumnCount())
        throw KelvaraError(QCoreApplication::translate("GameDatabase", "Table \"%1\" has no column at position %2")
                               .arg(mTable->Name())
                               .arg(position));
    return mTable->Value(Row(mPosition), position);
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
    return mPosition < mEnd ? static_cast<int64_t>(Row(mPosition)) + 1 : 0;
}

QString DatabaseLibraryVersion()
{
    return QString::fromUtf8(mdb_get_version());
}
