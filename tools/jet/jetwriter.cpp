// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the files written here (4096-byte pages, little-endian):
//   page 0         database header; bytes 0x18-0x97 RC4-encrypted with the fixed Jet key
//   page 1         first page of usage-map rows (a data page owned by no table)
//   page 2         table definition of the catalog MSysObjects
//   then, table by table: its definition page(s), its data pages and the long-value (LVAL) pages of its memos
//   then the catalog's data pages, further usage-map pages and the bitmap pages of indirect usage maps.
#include "jetwriter.h"
#include "jetformat.h"

#include "core/atomicsave.h"

#include <QByteArray>
#include <QSet>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

namespace jet {
namespace {

    using format::kMaxTextLength;
    using format::kPageSize;

    constexpr int kDataPageHeader = 14; // type, 0x01, free space, owner, 4 unknown bytes, row count
    constexpr int kMaxRowsPerPage = 255;
    constexpr int kMaxRowSize = 4060;
    constexpr int kMaxPageRow = kPageSize - kDataPageHeader - 2; // the largest row a page can hold
    constexpr int kLvalChunk = kMaxPageRow - 4;                  // data in one link of a long-value chain
    constexpr int kInlineMemoMax = 64;                           // longer memo values go to LVAL pages
    constexpr int kCompressedMemoMax = 1024;                     // longer memo values stay plain UCS-2
    constexpr int kMemoReference = 12;
    constexpr int kMaxMemoBytes = 0xFFFFFF;
    constexpr int kTdefHeader = 63;
    constexpr int kColumnEntry = 25;
    constexpr int kTdefContinuationHeader = 8;
    constexpr int kMaxColumns = 255;
    constexpr int kMaxNameLength = 64;
    constexpr int kMapBitsPerPage = (kPageSize - 4) * 8;
    constexpr int kMaxInlineMapBytes = 4000;
    constexpr std::size_t kMaxPages = std::size_t(1) << 24;
    constexpr quint32 kCatalogPage = 2;
    constexpr quint32 kFirstMapPage = 1;
    constexpr quint16 kGeneralSortOrder = 0x0409;

    enum TypeCode : quint8 {
        kBool = 0x01,
        kByte = 0x02,
        kInt = 0x03,
        kLong = 0x04,
        kMoney = 0x05,
        kDouble = 0x07,
        kText = 0x0A,
        kOle = 0x0B,
        kMemo = 0x0C,
    };

    void Put16(quint8* p, quint32 v)
    {
        p[0] = quint8(v);
        p[1] = quint8(v >> 8);
    }

    void Put32(quint8* p, quint32 v)
    {
        Put16(p, v);
        Put16(p + 2, v >> 16);
    }

    void Put64(quint8* p, quint64 v)
    {
        Put32(p, quint32(v));
        Put32(p + 4, quint32(v >> 32));
    }

    void Rc4(const quint8* key, int keyLength, quint8* data, int length)
    {
        std::array<quint8, 256> s;
        for (int i = 0; i < 256; ++i)
            s[i] = quint8(i);
        for (int i = 0, j = 0; i < 256; ++i) {
            j = (j + s[i] + key[i % keyLength]) & 0xFF;
            std::swap(s[i], s[j]);
        }
        for (int n = 0, i = 0, j = 0; n < length; ++n) {
            i = (i + 1) & 0xFF;
            j = (j + s[i]) & 0xFF;
            std::swap(s[i], s[j]);
            data[n] ^= s[(s[i] + s[j]) & 0xFF];
        }
    }

    struct ColumnLayout
    {
        QString name;
        TypeCode code;
        bool fixed;
        int length;      // bytes in the fixed area, or the declared length of a variable column
        int fixedOffset; // within the fixed area
        int varIndex;    // among the variable columns
    };

    struct TableLayout
    {
        QString name;
        bool system = false;
        std::vector<ColumnLayout> columns;
        int fixedSize = 0;
        int varCount = 0;
    };

    TypeCode CodeOf(ColumnType type)
    {
        switch (type) {
        case ColumnType::Boolean:
            return kBool;
        case ColumnType::Byte:
            return kByte;
        case ColumnType::Integer:
            return kInt;
        case ColumnType::Long:
            return kLong;
        case ColumnType::Currency:
            return kMoney;
        case ColumnType::Double:
            return kDouble;
        case ColumnType::Text:
            return kText;
        case ColumnType::Memo:
            return kMemo;
        }
        throw Error("unknown column type");
    }

    int FixedLength(TypeCode code)
    {
        switch (code) {
        case kBool:
            return 0; // the value lives in the null mask
        case kByte:
            return 1;
        case kInt:
            return 2;
        case kLong:
            return 4;
        case kMoney:
        case kDouble:
            return 8;
        default:
            return -1;
        }
    }

    TableLayout MakeLayout(const QString& name, bool system, const std::vector<std::pair<QString, TypeCode>>& columns)
    {
        TableLayout layout{name, system, {}, 0, 0};
        for (const auto& [columnName, code] : columns) {
            const int fixedLength = FixedLength(code);
            ColumnLayout column{columnName, code, fixedLength >= 0, 0, 0, 0};
            if (column.fixed) {
                column.length = code == kBool ? 1 : fixedLength;
                column.fixedOffset = layout.fixedSize;
                layout.fixedSize += fixedLength;
            } else {
                column.length = code == kText ? 2 * kMaxTextLength : 0;
                column.varIndex = layout.varCount++;
            }
            layout.columns.push_back(column);
        }
        return layout;
    }

    void CheckName(const QString& name, const QString& what)
    {
        if (name.isEmpty())
            throw Error(QStringLiteral("%1 has an empty name").arg(what).toStdString());
        if (name.size() > kMaxNameLength)
            throw Error(QStringLiteral("%1 name \"%2\" is longer than %3 characters")
                            .arg(what, name)
                            .arg(kMaxNameLength)
                            .toStdString());
        for (const QChar c : name) {
            if (c.unicode() < 0x20)
                throw Error(
                    QStringLiteral("%1 name \"%2\" contains a control character").arg(what, name).toStdString());
        }
    }

    TableLayout UserLayout(const Table& table)
    {
        CheckName(table.name, QStringLiteral("a table"));
        if (table.name.startsWith(QLatin1String("MSys"), Qt::CaseInsensitive))
            throw Error(QStringLiteral("table name \"%1\": names starting with MSys are reserved for system tables")
                            .arg(table.name)
                            .toStdString());
        if (table.columns.isEmpty())
            throw Error(QStringLiteral("table %1 has no columns").arg(table.name).toStdString());
        if (table.columns.size() > kMaxColumns)
            throw Error(QStringLiteral("table %1 has %2 columns, at most %3 are allowed")
                            .arg(table.name)
                            .arg(table.columns.size())
                            .arg(kMaxColumns)
                            .toStdString());
        std::vector<std::pair<QString, TypeCode>> columns;
        QSet<QString> seen;
        for (const Column& column : table.columns) {
            CheckName(column.name, QStringLiteral("a column of table %1").arg(table.name));
            if (seen.contains(column.name.toCaseFolded()))
                throw Error(
                    QStringLiteral("table %1 has two columns named \"%2\"").arg(table.name, column.name).toStdString());
            seen.insert(column.name.toCaseFolded());
            columns.emplace_back(column.name, CodeOf(column.type));
        }
        return MakeLayout(table.name, false, columns);
    }

    // The pages of the file, all kept in one zero-filled buffer.
    class PageFile
    {
    public:
        quint32 Allocate()
        {
            // Rows are addressed as (page << 8) | row in 32 bits, so page numbers have 24 bits.
            if (bytes_.size() / kPageSize >= kMaxPages)
                throw Error("the database would need more pages than the format can address");
            bytes_.resize(bytes_.size() + kPageSize, 0);
            return quint32(bytes_.size() / kPageSize - 1);
        }
        quint8* Page(quint32 number) { return bytes_.data() + std::size_t(number) * kPageSize; }

        // The start of a row on a data page, from its (page << 8) | row number. Valid until the next Allocate().
        quint8* Row(quint32 pageRow)
        {
            const quint8* entry = Page(pageRow >> 8) + kDataPageHeader + 2 * (pageRow & 0xFF);
            return Page(pageRow >> 8) + (entry[0] | entry[1] << 8);
        }
        QByteArray Bytes() const
        {
            return QByteArray(reinterpret_cast<const char*>(bytes_.data()), qsizetype(bytes_.size()));
        }

    private:
        std::vector<quint8> bytes_;
    };

    // Fills pages of rows: data pages of one table, LVAL pages or usage-map pages. A page is started only for
    // a row that goes on it, so no page without rows is ever written.
    class RowPacker
    {
    public:
        RowPacker(PageFile& file, std::array<quint8, 4> owner)
            : file_(file)
            , owner_(owner)
        {
        }

        // Places a row and answers where it went, as (page << 8) | row number.
        quint32 Place(const quint8* data, int length)
        {
            Q_ASSERT(length > 0 && length <= kMaxPageRow);
            if (page_ == 0 || count_ == kMaxRowsPerPage || top_ - length < kDataPageHeader + 2 * (count_ + 1))
                StartPage();
            quint8* page = file_.Page(page_);
            top_ -= length;
            std::memcpy(page + top_, data, std::size_t(length));
            Put16(page + kDataPageHeader + 2 * count_, quint32(top_));
            ++count_;
            Put16(page + 12, quint32(count_));
            Put16(page + 2, quint32(top_ - kDataPageHeader - 2 * count_));
            return (page_ << 8) | quint32(count_ - 1);
        }

        // Continues on the given page, already allocated (the first usage-map page).
        void UsePage(quint32 page) { BeginPage(page); }

        const std::vector<quint32>& Pages() const { return pages_; }

    private:
        void StartPage() { BeginPage(file_.Allocate()); }

        void BeginPage(quint32 number)
        {
            page_ = number;
            count_ = 0;
            top_ = kPageSize;
            quint8* page = file_.Page(page_);
            page[0] = 0x01;
            page[1] = 0x01;
            std::memcpy(page + 4, owner_.data(), owner_.size());
            Put16(page + 2, kPageSize - kDataPageHeader);
            pages_.push_back(number);
        }

        PageFile& file_;
        std::array<quint8, 4> owner_;
        std::vector<quint32> pages_;
        quint32 page_ = 0;
        int count_ = 0;
        int top_ = kPageSize;
    };

    std::array<quint8, 4> OwnerBytes(quint32 tdefPage)
    {
        std::array<quint8, 4> owner{};
        Put32(owner.data(), tdefPage);
        return owner;
    }

    // Where a value sits, for error messages; the text is only built when something is wrong.
    struct Place
    {
        const QString& table;
        std::size_t row; // 0-based
        const QString* column = nullptr;

        QString Text() const
        {
            QString text = QStringLiteral("table %1, row %2").arg(table).arg(row + 1);
            if (column)
                text += QStringLiteral(", column ") + *column;
            return text;
        }
    };

    [[noreturn]] void Fail(const Place& place, const QString& what)
    {
        throw Error((place.Text() + QStringLiteral(": ") + what).toStdString());
    }

    qint64 IntegerIn(const Value& value, ColumnType type, const Place& place)
    {
        const qint64* v = std::get_if<qint64>(&value);
        if (!v)
            Fail(place, QStringLiteral("a %1 column takes whole numbers").arg(ColumnTypeName(type)));
        if (const auto problem = format::CheckInteger(*v, type))
            Fail(place, *problem);
        return *v;
    }

    qint64 CurrencyUnits(const Value& value, const Place& place)
    {
        constexpr qint64 kScale = 10000;
        if (const qint64* v = std::get_if<qint64>(&value)) {
            if (*v > std::numeric_limits<qint64>::max() / kScale || *v < std::numeric_limits<qint64>::min() / kScale)
                Fail(place, QStringLiteral("%1 is out of range for currency").arg(*v));
            return *v * kScale;
        }
        if (const double* v = std::get_if<double>(&value)) {
            const double scaled = std::round(*v * kScale);
            if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2e18)
                Fail(place, QStringLiteral("%1 is out of range for currency").arg(*v));
            return qint64(scaled);
        }
        if (const QString* v = std::get_if<QString>(&value)) {
            if (const auto units = format::ParseCurrency(*v))
                return *units;
            Fail(place, QStringLiteral("\"%1\" is not a currency amount (at most four decimals)").arg(*v));
        }
        Fail(place, QStringLiteral("a currency column takes a number or a decimal text"));
    }

    const std::array<quint8, 4> kLvalOwner{'L', 'V', 'A', 'L'};

    class Builder
    {
    public:
        explicit Builder(const BuildOptions& options)
            : options_(options)
        {
        }

        QByteArray Build(const std::vector<Table>& tables);

    private:
        struct Written
        {
            TableLayout layout;
            quint32 tdefPage;
            int tdefPages;
            quint32 rowCount;
            std::vector<quint32> dataPages;
        };

        std::vector<quint8> DefinitionStream(const Written& table, quint32 usageMap, quint32 freeMap) const;
        static int DefinitionLength(const TableLayout& layout);
        Written Reserve(TableLayout layout);
        void WriteRows(Written& table, const std::vector<std::vector<Value>>& rows);
        void EncodeRow(const TableLayout& layout, const std::vector<Value>& row, Place place, RowPacker& lval,
                       std::vector<quint8>& out);
        static QByteArray EncodeMemo(const QByteArray& data, bool inlineAllowed, RowPacker& lval, PageFile& file);
        std::vector<quint8> UsageMap(const std::vector<quint32>& pages);
        void WriteDefinition(const Written& table, quint32 usageMap, quint32 freeMap);
        void WriteHeader();

        BuildOptions options_;
        PageFile file_;
        std::array<QByteArray, kMaxColumns> texts_; // the stored form of the current row's texts
    };

    int Builder::DefinitionLength(const TableLayout& layout)
    {
        int length = kTdefHeader + kColumnEntry * int(layout.columns.size()) + 2;
        for (const ColumnLayout& column : layout.columns)
            length += 2 + 2 * int(column.name.size());
        return length;
    }

    Builder::Written Builder::Reserve(TableLayout layout)
    {
        const int length = DefinitionLength(layout);
        const int more = std::max(0, length - kPageSize);
        const int count = 1 + (more + kPageSize - kTdefContinuationHeader - 1) / (kPageSize - kTdefContinuationHeader);
        const quint32 first = file_.Allocate();
        for (int i = 1; i < count; ++i)
            file_.Allocate();
        return Written{std::move(layout), first, count, 0, {}};
    }

    std::vector<quint8> Builder::DefinitionStream(const Written& table, quint32 usageMap, quint32 freeMap) const
    {
        const TableLayout& layout = table.layout;
        std::vector<quint8> s(std::size_t(DefinitionLength(layout)), 0);
        Put32(&s[8], quint32(s.size()));
        Put32(&s[16], table.rowCount);
        s[40] = layout.system ? 0x53 : 0x4E;
        Put16(&s[41], quint32(layout.columns.size()));
        Put16(&s[43], quint32(layout.varCount));
        Put16(&s[45], quint32(layout.columns.size()));
        Put32(&s[55], usageMap);
        Put32(&s[59], freeMap);
        std::size_t at = kTdefHeader;
        for (std::size_t i = 0; i < layout.columns.size(); ++i, at += kColumnEntry) {
            const ColumnLayout& column = layout.columns[i];
            const bool textual = column.code == kText || column.code == kMemo;
            quint8* d = &s[at];
            d[0] = column.code;
            Put16(d + 5, quint32(i));
            Put16(d + 7, column.fixed ? 0 : quint32(column.varIndex));
            Put16(d + 9, quint32(i));
            if (textual)
                Put16(d + 11, kGeneralSortOrder);
            d[15] = quint8((column.fixed ? 0x01 : 0x00) | (column.code == kBool ? 0x00 : 0x02));
            d[16] = textual ? 0x01 : 0x00;
            Put16(d + 21, column.fixed ? quint32(column.fixedOffset) : 0);
            Put16(d + 23, quint32(column.length));
        }
        for (const ColumnLayout& column : layout.columns) {
            Put16(&s[at], quint32(2 * column.name.size()));
            at += 2;
            for (const QChar c : column.name) {
                Put16(&s[at], c.unicode());
                at += 2;
            }
        }
        Put16(&s[at], 0xFFFF); // end of the (empty) list of variable-column usage maps
        return s;
    }

    void Builder::WriteDefinition(const Written& table, quint32 usageMap, quint32 freeMap)
    {
        const std::vector<quint8> stream = DefinitionStream(table, usageMap, freeMap);
        std::size_t from = 0;
        for (int i = 0; i < table.tdefPages; ++i) {
            quint8* page = file_.Page(table.tdefPage + quint32(i));
            const std::size_t start = i == 0 ? 0 : kTdefContinuationHeader;
            const std::size_t take = std::min(stream.size() - from, std::size_t(kPageSize) - start);
            std::memcpy(page + start, stream.data() + from, take);
            from += take;
            page[0] = 0x02;
            page[1] = 0x01;
            Put16(page + 2, quint32(kPageSize - start - take));
            Put32(page + 4, i + 1 < table.tdefPages ? table.tdefPage + quint32(i) + 1 : 0);
        }
        Q_ASSERT(from == stream.size());
    }

    QByteArray Builder::EncodeMemo(const QByteArray& data, bool inlineAllowed, RowPacker& lval, PageFile& file)
    {
        const int length = int(data.size());
        QByteArray field(kMemoReference, '\0');
        auto* f = reinterpret_cast<quint8*>(field.data());
        Put32(f, quint32(length));
        const auto* bytes = reinterpret_cast<const quint8*>(data.constData());
        if (length <= kInlineMemoMax && inlineAllowed) {
            f[3] = 0x80;
            field.append(data);
        } else if (length <= kMaxPageRow) {
            f[3] = 0x40;
            Put32(f + 4, lval.Place(bytes, length));
        } else {
            // A chain of links, each [next link as (page << 8) | row][data]; the last link points nowhere.
            std::vector<quint8> link;
            std::optional<quint32> previous;
            for (int from = 0; from < length; from += kLvalChunk) {
                const int take = std::min(kLvalChunk, length - from);
                link.assign(4, 0);
                link.insert(link.end(), bytes + from, bytes + from + take);
                const quint32 at = lval.Place(link.data(), int(link.size()));
                Put32(previous ? file.Row(*previous) : f + 4, at);
                previous = at;
            }
        }
        return field;
    }

    void Builder::EncodeRow(const TableLayout& layout, const std::vector<Value>& row, Place place, RowPacker& lval,
                            std::vector<quint8>& out)
    {
        const std::size_t columnCount = layout.columns.size();
        const std::size_t maskSize = (columnCount + 7) / 8;
        out.assign(2 + std::size_t(layout.fixedSize), 0);
        Put16(out.data(), quint32(columnCount));
        std::array<quint8, (kMaxColumns + 7) / 8> mask{};
        std::array<quint16, kMaxColumns + 1> varOffsets{};

        // Texts first, to know the row's size: memo references take 12 bytes in the row, and short memo values
        // follow their reference while the row stays within the limit.
        int rowSize = int(out.size() + maskSize) + (layout.varCount > 0 ? 4 + 2 * layout.varCount : 0);
        for (std::size_t i = 0; i < columnCount; ++i) {
            const ColumnLayout& column = layout.columns[i];
            if ((column.code != kText && column.code != kMemo) || std::holds_alternative<std::monostate>(row[i]))
                continue;
            place.column = &column.name;
            const QString* text = std::get_if<QString>(&row[i]);
            if (!text)
                Fail(place,
                     QStringLiteral("a %1 column takes text")
                         .arg(column.code == kText ? QLatin1String("text") : QLatin1String("memo")));
            if (const auto problem = column.code == kText ? format::CheckText(*text) : std::nullopt)
                Fail(place, *problem);
            texts_[i] = format::EncodeText(*text, column.code == kText || text->size() <= kCompressedMemoMax);
            if (column.code == kMemo && texts_[i].size() > kMaxMemoBytes)
                Fail(place, QStringLiteral("memo of %1 characters is too long").arg(text->size()));
            rowSize += column.code == kText ? int(texts_[i].size()) : kMemoReference;
        }
        if (rowSize > kMaxRowSize) {
            place.column = nullptr;
            Fail(place, QStringLiteral("the row needs %1 bytes, at most %2 fit").arg(rowSize).arg(kMaxRowSize));
        }

        for (std::size_t i = 0; i < columnCount; ++i) {
            const ColumnLayout& column = layout.columns[i];
            const Value& value = row[i];
            place.column = &column.name;
            if (!column.fixed)
                varOffsets[std::size_t(column.varIndex)] = quint16(out.size());
            if (std::holds_alternative<std::monostate>(value)) {
                if (column.code == kBool)
                    Fail(place, QStringLiteral("a Boolean column cannot hold Null"));
                continue;
            }
            mask[i / 8] |= quint8(1 << (i % 8));
            quint8* fixed = out.data() + 2 + column.fixedOffset;
            switch (column.code) {
            case kBool: {
                const bool* v = std::get_if<bool>(&value);
                if (!v)
                    Fail(place, QStringLiteral("a Boolean column takes true or false"));
                if (!*v)
                    mask[i / 8] &= quint8(~(1 << (i % 8)));
                break;
            }
            case kByte:
                fixed[0] = quint8(IntegerIn(value, ColumnType::Byte, place));
                break;
            case kInt:
                Put16(fixed, quint32(IntegerIn(value, ColumnType::Integer, place)));
                break;
            case kLong:
                Put32(fixed, quint32(IntegerIn(value, ColumnType::Long, place)));
                break;
            case kMoney:
                Put64(fixed, quint64(CurrencyUnits(value, place)));
                break;
            case kDouble: {
                double d;
                if (const double* v = std::get_if<double>(&value))
                    d = *v;
                else if (const qint64* n = std::get_if<qint64>(&value))
                    d = double(*n);
                else
                    Fail(place, QStringLiteral("a double column takes numbers"));
                quint64 bits;
                std::memcpy(&bits, &d, sizeof bits);
                Put64(fixed, bits);
                break;
            }
            case kText:
                out.insert(out.end(), texts_[i].begin(), texts_[i].end());
                break;
            case kMemo: {
                const int extra = int(std::min<qsizetype>(kInlineMemoMax, texts_[i].size()));
                const QByteArray field = EncodeMemo(texts_[i], rowSize + extra <= kMaxRowSize, lval, file_);
                rowSize += int(field.size()) - kMemoReference;
                out.insert(out.end(), field.begin(), field.end());
                break;
            }
            default: // the catalog's property column: always Null
                Fail(place, QStringLiteral("this column takes only Null"));
            }
        }
        if (layout.varCount > 0) {
            varOffsets[std::size_t(layout.varCount)] = quint16(out.size());
            // End of the variable data, the offsets last to first, then their count.
            for (int v = layout.varCount; v >= 0; --v) {
                out.push_back(quint8(varOffsets[std::size_t(v)]));
                out.push_back(quint8(varOffsets[std::size_t(v)] >> 8));
            }
            out.push_back(quint8(layout.varCount));
            out.push_back(quint8(layout.varCount >> 8));
        }
        out.insert(out.end(), mask.begin(), mask.begin() + qsizetype(maskSize));
        Q_ASSERT(int(out.size()) == rowSize);
    }

    void Builder::WriteRows(Written& table, const std::vector<std::vector<Value>>& rows)
    {
        RowPacker data(file_, OwnerBytes(table.tdefPage));
        RowPacker lval(file_, kLvalOwner);
        std::vector<quint8> encoded;
        const std::size_t columnCount = table.layout.columns.size();
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const Place place{table.layout.name, r};
            if (rows[r].size() != columnCount)
                Fail(place, QStringLiteral("%1 values for %2 columns").arg(rows[r].size()).arg(columnCount));
            EncodeRow(table.layout, rows[r], place, lval, encoded);
            data.Place(encoded.data(), int(encoded.size()));
        }
        if (rows.size() > std::numeric_limits<quint32>::max())
            throw Error(QStringLiteral("table %1 has too many rows").arg(table.layout.name).toStdString());
        table.rowCount = quint32(rows.size());
        table.dataPages = data.Pages();
    }

    std::vector<quint8> Builder::UsageMap(const std::vector<quint32>& pages)
    {
        std::vector<quint8> map;
        const quint32 first = pages.empty() ? 0 : pages.front();
        const quint32 last = pages.empty() ? 0 : pages.back();
        const std::size_t inlineBytes = (last - first) / 8 + 1;
        if (!options_.indirectUsageMaps && inlineBytes <= kMaxInlineMapBytes) {
            // Type 0: [0x00][first page][bitmap from the first page on]
            map.assign(5 + inlineBytes, 0);
            Put32(&map[1], first);
            for (const quint32 page : pages)
                map[5 + (page - first) / 8] |= quint8(1 << ((page - first) % 8));
            return map;
        }
        // Type 1: [0x01][bitmap page for pages 0 ..][bitmap page for the next range] ...; 0 for a range without pages.
        const std::size_t ranges = last / kMapBitsPerPage + 1;
        if (1 + 4 * ranges > std::size_t(kMaxPageRow))
            throw Error("the database is too large for its usage maps");
        map.assign(1 + 4 * ranges, 0);
        map[0] = 0x01;
        quint32 bitmapPage = 0;
        std::size_t range = ranges;
        for (const quint32 page : pages) {
            if (page / kMapBitsPerPage != range) {
                range = page / kMapBitsPerPage;
                bitmapPage = file_.Allocate();
                quint8* p = file_.Page(bitmapPage);
                p[0] = 0x05;
                p[1] = 0x01;
                Put32(&map[1 + 4 * range], bitmapPage);
            }
            const quint32 bit = page % kMapBitsPerPage;
            file_.Page(bitmapPage)[4 + bit / 8] |= quint8(1 << (bit % 8));
        }
        return map;
    }

    void Builder::WriteHeader()
    {
        quint8* page = file_.Page(0);
        page[1] = 0x01;
        std::memcpy(page + 4, "Standard Jet DB", 16);
        page[0x14] = 0x01;                     // Jet 4
        Put16(page + 0x3C, 1252);              // code page
        Put32(page + 0x3E, 0);                 // database key: pages are not encrypted
        Put16(page + 0x6E, kGeneralSortOrder); // the password at 0x42 and the creation date at 0x72 stay zero
        static const quint8 key[] = {0xC7, 0xDA, 0x39, 0x6B};
        Rc4(key, 4, page + 0x18, 128);
    }

    QByteArray Builder::Build(const std::vector<Table>& tables)
    {
        QSet<QString> names;
        for (const Table& table : tables) {
            if (names.contains(table.name.toCaseFolded()))
                throw Error(QStringLiteral("two tables are named \"%1\"").arg(table.name).toStdString());
            names.insert(table.name.toCaseFolded());
        }
        file_.Allocate(); // header
        const quint32 mapPage = file_.Allocate();
        Q_ASSERT(mapPage == kFirstMapPage);

        const QString catalogName = QStringLiteral("MSysObjects");
        Written catalog = Reserve(MakeLayout(catalogName, true,
                                             {{QStringLiteral("Id"), kLong},
                                              {QStringLiteral("Name"), kText},
                                              {QStringLiteral("Type"), kInt},
                                              {QStringLiteral("Flags"), kLong},
                                              {QStringLiteral("LvProp"), kOle}}));
        Q_ASSERT(catalog.tdefPage == kCatalogPage && catalog.tdefPages == 1);

        std::vector<Written> written;
        written.reserve(tables.size());
        for (const Table& table : tables) {
            written.push_back(Reserve(UserLayout(table)));
            WriteRows(written.back(), table.rows);
        }

        constexpr qint64 kTableObject = 1;
        constexpr qint64 kSystemObjectFlags = -2147483646; // 0x80000002 as a signed Long
        std::vector<std::vector<Value>> catalogRows;
        catalogRows.push_back({qint64(kCatalogPage), catalogName, kTableObject, kSystemObjectFlags, std::monostate{}});
        for (const Written& table : written)
            catalogRows.push_back(
                {qint64(table.tdefPage), table.layout.name, kTableObject, qint64(0), std::monostate{}});
        WriteRows(catalog, catalogRows);

        // Each table's usage map and its free-space map (which lists no page) go on the usage-map pages.
        RowPacker maps(file_, OwnerBytes(0));
        maps.UsePage(kFirstMapPage);
        const std::array<quint8, 6> emptyFreeMap{};
        auto finish = [&](const Written& table) {
            const std::vector<quint8> usage = UsageMap(table.dataPages);
            const quint32 usageAt = maps.Place(usage.data(), int(usage.size()));
            const quint32 freeAt = maps.Place(emptyFreeMap.data(), int(emptyFreeMap.size()));
            WriteDefinition(table, usageAt, freeAt);
        };
        finish(catalog);
        for (const Written& table : written)
            finish(table);

        WriteHeader();
        return file_.Bytes();
    }

} // namespace

QByteArray BuildDatabase(const std::vector<Table>& tables, const BuildOptions& options)
{
    return Builder(options).Build(tables);
}

void WriteDatabase(const QString& path, const std::vector<Table>& tables, const BuildOptions& options)
{
    const QByteArray bytes = BuildDatabase(tables, options);
    if (const auto reason = SaveFileAtomically(path, bytes))
        throw Error(QStringLiteral("cannot write %1: %2").arg(path, *reason).toStdString());
}

QString ColumnTypeName(ColumnType type)
{
    switch (type) {
    case ColumnType::Boolean:
        return QStringLiteral("bool");
    case ColumnType::Byte:
        return QStringLiteral("byte");
    case ColumnType::Integer:
        return QStringLiteral("int");
    case ColumnType::Long:
        return QStringLiteral("long");
    case ColumnType::Currency:
        return QStringLiteral("currency");
    case ColumnType::Double:
        return QStringLiteral("double");
    case ColumnType::Text:
        return QStringLiteral("text");
    case ColumnType::Memo:
        return QStringLiteral("memo");
    }
    return {};
}

std::optional<ColumnType> ColumnTypeFromName(QStringView name)
{
    for (const ColumnType type : {ColumnType::Boolean, ColumnType::Byte, ColumnType::Integer, ColumnType::Long,
                                  ColumnType::Currency, ColumnType::Double, ColumnType::Text, ColumnType::Memo}) {
        if (name.compare(ColumnTypeName(type), Qt::CaseInsensitive) == 0)
            return type;
    }
    if (name.compare(QLatin1String("boolean"), Qt::CaseInsensitive) == 0)
        return ColumnType::Boolean;
    return std::nullopt;
}

} // namespace jet
