// SPDX-License-Identifier: GPL-3.0-or-later
#include "inifile.h"

#include "cp1252.h"

#include <QStringDecoder>

namespace {

bool Blank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

int HexValue(QChar c)
{
    const char16_t u = c.unicode();
    return u >= '0' && u <= '9' ? u - '0'
        : u >= 'a' && u <= 'f'  ? u - 'a' + 10
        : u >= 'A' && u <= 'F'  ? u - 'A' + 10
                                : -1;
}

// A key or group name as the file writes it: "/" as "\", other characters than letters,
// digits, "_", "-" and "." as "%XX" or "%UXXXX".
QString EscapedKey(const QString& key)
{
    QString result;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        if (u == '/')
            result += QLatin1Char('\\');
        else if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '-'
                 || u == '.')
            result += c;
        else
            result += (u <= 0xff ? QStringLiteral("%%1").arg(u, 2, 16, QLatin1Char('0'))
                                 : QStringLiteral("%U%1").arg(u, 4, 16, QLatin1Char('0')))
                          .toUpper();
    }
    return result;
}

QString UnescapedKey(QStringView key)
{
    QString result;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const QChar c = key[i];
        const qsizetype digits = i + 1 < key.size() && key[i + 1] == QLatin1Char('U') ? 4 : 2;
        const qsizetype from = i + 1 + (digits == 4 ? 1 : 0);
        bool ok = c == QLatin1Char('%') && from + digits <= key.size();
        const uint code = ok ? key.mid(from, digits).toUInt(&ok, 16) : 0;
        if (ok) {
            result += QChar(static_cast<char16_t>(code));
            i = from + digits - 1;
        } else {
            result += c == QLatin1Char('\\') ? QLatin1Char('/') : c;
        }
    }
    return result;
}

} // namespace

QString IniFile::Quoted(const QString& value)
{
    QString text = value;
    if (text.contains(QChar(0)))
        text = QStringLiteral("@String(") + text + QLatin1Char(')');
    else if (text.startsWith(QLatin1Char('@')))
        text.prepend(QLatin1Char('@'));
    static constexpr char Named[] = "\a\b\f\n\r\t\v";
    static constexpr char Letters[] = "abfnrtv";
    QString result;
    bool quotes = false;
    bool hexNext = false; // a digit after "\x1" would be read as part of it
    for (const QChar c : std::as_const(text)) {
        const char16_t u = c.unicode();
        quotes = quotes || u == ';' || u == ',' || u == '=';
        if (hexNext && HexValue(c) >= 0) {
            result += QStringLiteral("\\x") + QString::number(u, 16);
            continue;
        }
        hexNext = false;
        if (u == 0) {
            result += QStringLiteral("\\0");
            hexNext = true;
        } else if (const char* named = u < 0x20 ? std::char_traits<char>::find(Named, 7, char(u)) : nullptr) {
            result += QLatin1Char('\\');
            result += QLatin1Char(Letters[named - Named]);
        } else if (u < 0x20) {
            result += QStringLiteral("\\x") + QString::number(u, 16);
            hexNext = true;
        } else {
            if (u == '"' || u == '\\')
                result += QLatin1Char('\\');
            result += c;
        }
    }
    if (quotes || result.startsWith(QLatin1Char(' ')) || result.endsWith(QLatin1Char(' ')))
        result = QLatin1Char('"') + result + QLatin1Char('"');
    return result;
}

namespace {

const char* const LineEnds[] = {"", "\n", "\r\n", "\r"};

bool AsciiSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool Ascii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

IniFile::IniFile(const QByteArray& bytes)
    : mSource(bytes)
{
    const char* const data = mSource.constData();
    const qsizetype size = mSource.size();
    const bool ascii = Ascii(mSource);
    mLines.reserve(size_t(std::count(mSource.cbegin(), mSource.cend(), '\n')) + 1);
    int group = -1;
    for (qsizetype start = 0; start < size;) {
        // A line ends with LF, CR LF or a lone CR (as old Macs wrote).
        qsizetype end = start;
        while (end < size && data[end] != '\n' && data[end] != '\r')
            ++end;
        Line line;
        line.End = end == size ? 0 : data[end] == '\n' ? 1 : end + 1 < size && data[end + 1] == '\n' ? 2 : 3;
        qsizetype from = start;
        start = end + (line.End == 2 ? 2 : line.End == 0 ? 0 : 1);
        // The byte order mark is known by its bytes, whatever the rest of the line is.
        if (mLines.empty()) {
            if (line.End != 0)
                mEnd = line.End;
            if (QByteArrayView(data + from, end - from).startsWith("\xef\xbb\xbf")) {
                mBom = QByteArray(data + from, 3);
                from += 3;
            }
        }
        line.Bytes = QByteArray::fromRawData(data + from, end - from);
        line.Read = true;
        const qsizetype equals = line.Bytes.indexOf('=');
        bool comment = false;
        if (ascii || Ascii(line.Bytes)) {
            qsizetype first = 0;
            while (first < line.Bytes.size() && AsciiSpace(line.Bytes.at(first)))
                ++first;
            line.Header = first < line.Bytes.size() && line.Bytes.at(first) == '[';
            comment = first < line.Bytes.size() && line.Bytes.at(first) == ';';
        } else {
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            QString text = utf8(line.Bytes);
            line.Utf8 = !utf8.hasError();
            mNotUtf8 = mNotUtf8 || !line.Utf8;
            const QStringView trimmed = QStringView(text).trimmed();
            line.Header = trimmed.startsWith(QLatin1Char('['));
            comment = trimmed.startsWith(QLatin1Char(';'));
        }
        if (line.Header) {
            const QString trimmed = TextOf(line).trimmed();
            const qsizetype close = trimmed.indexOf(QLatin1Char(']')); // a name never holds "]"
            const QString name = UnescapedKey(QStringView(trimmed).mid(1, close < 0 ? -1 : close - 1));
            group = static_cast<int>(mGroups.indexOf(name));
            if (group < 0) {
                group = static_cast<int>(mGroups.size());
                mGroups << name;
            }
        } else if (equals > 0 && !comment) {
            line.Equals = static_cast<int>(equals);
        }
        if (group < 0) { // the lines before the first group's
            mGroups << QString();
            group = 0;
        }
        line.Group = group;
        mLines.push_back(std::move(line));
    }
    mIndex.resize(size_t(mGroups.size()));
    mTwice.resize(size_t(mGroups.size()));
}

QString IniFile::TextOf(const Line& line) const
{
    return line.Utf8 ? QString::fromUtf8(line.Bytes) : Cp1252::Decode(line.Bytes);
}

QString IniFile::KeyOf(const Line& line) const
{
    QByteArrayView key = QByteArrayView(line.Bytes).first(line.Equals);
    if (Ascii(key)) {
        while (!key.isEmpty() && AsciiSpace(key.front()))
            key = key.sliced(1);
        while (!key.isEmpty() && AsciiSpace(key.back()))
            key.chop(1);
        QString text = QString::fromLatin1(key);
        return text.contains(QLatin1Char('%')) ? UnescapedKey(text) : text.replace(QLatin1Char('\\'), QLatin1Char('/'));
    }
    const QString text = TextOf(line);
    return UnescapedKey(QStringView(text).left(text.indexOf(QLatin1Char('='))).trimmed());
}

QByteArray IniFile::WrittenKeyOf(const Line& line) const
{
    QByteArrayView key = QByteArrayView(line.Bytes).first(line.Equals);
    while (!key.isEmpty() && AsciiSpace(key.front()))
        key = key.sliced(1);
    while (!key.isEmpty() && AsciiSpace(key.back()))
        key.chop(1);
    const bool written = std::all_of(key.begin(), key.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
            || c == '.' || c == '\\';
    });
    if (written && line.Read)
        return QByteArray::fromRawData(key.data(), key.size());
    return EscapedKey(KeyOf(line)).toUtf8();
}

QString IniFile::RawOf(const Line& line) const
{
    const QByteArray raw = line.Bytes.sliced(line.Equals + 1);
    return line.Utf8 ? QString::fromUtf8(raw) : Cp1252::Decode(raw);
}

int IniFile::GroupNumber(const QString& group) const
{
    return static_cast<int>(mGroups.indexOf(group));
}

QByteArray IniFile::Bytes() const
{
    QByteArray bytes = mBom;
    bytes.reserve(mSource.size() + 64);
    // Lines as they were read, with their line ends, go in runs of the bytes read.
    const char* run = nullptr;
    qsizetype runSize = 0;
    const char* const sourceEnd = mSource.constData() + mSource.size();
    const auto flush = [&] {
        bytes.append(run, runSize);
        runSize = 0;
    };
    for (size_t i = 0; i < mLines.size(); ++i) {
        const Line& line = mLines[i];
        if (line.Removed)
            continue;
        const Line* next = nullptr;
        for (size_t j = i + 1; j < mLines.size() && !next; ++j)
            next = mLines[j].Removed ? nullptr : &mLines[j];
        // A lone CR before an empty line that ends with LF would read back as one CR LF, and the
        // empty line would be gone: a line put in or taken out between them ends with CR LF instead.
        const bool joins = line.End == 3 && next && next->Bytes.isEmpty() && next->End == 1;
        const QByteArrayView end = joins ? QByteArrayView("\r\n") : QByteArrayView(LineEnds[line.End]);
        const char* const data = line.Bytes.constData();
        const bool read = line.Read && line.Utf8 && data + line.Bytes.size() + end.size() <= sourceEnd
            && QByteArrayView(data + line.Bytes.size(), end.size()) == end;
        if (read && runSize > 0 && run + runSize == data) {
            runSize += line.Bytes.size() + end.size();
            continue;
        }
        if (runSize > 0)
            flush();
        if (read) {
            run = data;
            runSize = line.Bytes.size() + end.size();
            continue;
        }
        bytes += line.Utf8 ? line.Bytes : Cp1252::Decode(line.Bytes).toUtf8();
        bytes += end;
    }
    if (runSize > 0)
        flush();
    return bytes;
}

QStringList IniFile::Keys(const QString& group) const
{
    QStringList keys;
    ForEachLine(group, [&keys](const QString& key, const QString&) { keys << key; });
    keys.removeDuplicates();
    return keys;
}

void IniFile::ForEachLine(const QString& group, const std::function<void(const QString&, QString)>& take) const
{
    const int number = GroupNumber(group);
    for (const Line& line : mLines) {
        if (line.Group == number && line.Equals > 0 && !line.Removed)
            take(KeyOf(line), RawOf(line));
    }
}

std::optional<QString> IniFile::Raw(const QString& group, const QString& key) const
{
    const auto at = Find(group, key);
    return at ? std::optional(RawOf(mLines[size_t(*at)])) : std::nullopt;
}

std::optional<QString> IniFile::Value(const QString& group, const QString& key) const
{
    const auto raw = Raw(group, key);
    return raw ? std::optional(Text(*raw)) : std::nullopt;
}

QString IniFile::Text(QStringView raw)
{
    // Most values are written as they are: nothing to undo.
    if (!raw.isEmpty() && !Blank(raw.front()) && !Blank(raw.back()) && raw.front() != QLatin1Char('@')
        && std::none_of(raw.begin(), raw.end(),
                        [](QChar c) { return c == QLatin1Char('"') || c == QLatin1Char('\\'); }))
        return raw.toString();
    QString text;
    bool quoted = false;
    qsizetype kept = 0; // blanks after this, outside quotes, end the value
    qsizetype i = 0;
    while (i < raw.size() && Blank(raw[i]))
        ++i;
    for (; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (c == QLatin1Char('\\') && i + 1 < raw.size()) {
            const char16_t next = raw[++i].unicode();
            static constexpr char Letters[] = "abfnrtv";
            static constexpr char Named[] = "\a\b\f\n\r\t\v";
            const int base = next == 'x' ? 16 : next >= '0' && next <= '7' ? 8 : 0;
            if (const char* letter = next < 0x80 ? std::char_traits<char>::find(Letters, 7, char(next)) : nullptr) {
                text += QLatin1Char(Named[letter - Letters]);
            } else if (next == '"' || next == '\'' || next == '\\' || next == '?') {
                text += QChar(next);
            } else if (base != 0) {
                // "\x" and up to four hexadecimal digits, or up to three octal ones.
                uint code = base == 8 ? next - '0' : 0;
                qsizetype digits = 0;
                for (; digits < (base == 16 ? 4 : 2) && i + 1 < raw.size(); ++digits) {
                    const int digit = HexValue(raw[i + 1]);
                    if (digit < 0 || digit >= base)
                        break;
                    code = code * uint(base) + uint(digit);
                    ++i;
                }
                text += base == 16 && digits == 0 ? QStringLiteral("\\x") : QString(QChar(char16_t(code)));
            } else {
                text += QLatin1Char('\\'); // no escape: kept as written ("C:\games")
                text += QChar(next);
            }
        } else {
            text += c;
            if (quoted || !Blank(c))
                kept = text.size();
            continue;
        }
        kept = text.size();
    }
    text.truncate(kept);
    if (text.startsWith(QStringLiteral("@@")))
        return text.mid(1);
    if (text.startsWith(QStringLiteral("@String(")) && text.endsWith(QLatin1Char(')')))
        return text.mid(8, text.size() - 9);
    return text;
}

std::optional<qsizetype> IniFile::Find(const QString& group, const QString& key) const
{
    const int number = GroupNumber(group);
    if (number < 0)
        return std::nullopt;
    auto& index = mIndex[size_t(number)];
    if (!index) {
        index.emplace();
        for (size_t i = 0; i < mLines.size(); ++i) {
            if (mLines[i].Group != number || mLines[i].Equals <= 0 || mLines[i].Removed)
                continue;
            const QByteArray key = WrittenKeyOf(mLines[i]);
            mTwice[size_t(number)] = mTwice[size_t(number)] || index->contains(key);
            index->insert(key, qsizetype(i));
        }
    }
    const auto it = index->constFind(EscapedKey(key).toUtf8());
    return it != index->cend() ? std::optional(*it) : std::nullopt;
}

void IniFile::Insert(qsizetype at, Line line)
{
    for (qsizetype before = at - 1; before >= 0; --before) {
        if (mLines[size_t(before)].Removed)
            continue;
        if (mLines[size_t(before)].End == 0)
            mLines[size_t(before)].End = mEnd;
        break;
    }
    line.End = mEnd;
    mLines.insert(mLines.begin() + at, std::move(line));
    // The lines after it moved one on.
    for (auto& index : mIndex) {
        if (!index)
            continue;
        for (auto it = index->begin(); it != index->end(); ++it) {
            if (*it >= at)
                ++*it;
        }
    }
    const Line& added = mLines[size_t(at)];
    if (added.Equals > 0 && mIndex[size_t(added.Group)])
        mIndex[size_t(added.Group)]->insert(WrittenKeyOf(added), at);
}

void IniFile::SetRaw(const QString& group, const QString& key, const QString& raw)
{
    if (GroupNumber(group) < 0) {
        mGroups << group;
        mIndex.emplace_back();
        mTwice.push_back(false);
    }
    const int number = GroupNumber(group);
    const QByteArray escaped = EscapedKey(key).toUtf8();
    Line line;
    line.Bytes = escaped + '=' + raw.toUtf8();
    line.Group = number;
    line.Equals = static_cast<int>(escaped.size());
    if (const auto at = Find(group, key)) {
        Line& old = mLines[size_t(*at)];
        if (RawOf(old) != raw) {
            line.End = old.End;
            old = std::move(line);
        }
        return;
    }
    // After the last key of the group, best one of the same part up to the last "/".
    const QString part = key.left(key.lastIndexOf(QLatin1Char('/')) + 1);
    qsizetype after = -1;
    qsizetype near = -1;
    for (size_t i = 0; i < mLines.size(); ++i) {
        const Line& other = mLines[i];
        if (other.Group == number && !other.Removed && (other.Equals > 0 || other.Header))
            after = qsizetype(i);
    }
    if (!part.isEmpty()) {
        const QByteArray written = EscapedKey(part).toUtf8();
        for (auto it = mIndex[size_t(number)]->cbegin(); it != mIndex[size_t(number)]->cend(); ++it) {
            if (it.key().startsWith(written))
                near = std::max(near, *it);
        }
    }
    if (after < 0) {
        const auto last = std::find_if(mLines.rbegin(), mLines.rend(), [](const Line& l) { return !l.Removed; });
        if (last != mLines.rend() && !last->Bytes.trimmed().isEmpty())
            Insert(qsizetype(mLines.size()), Line());
        Line header;
        header.Bytes = '[' + EscapedKey(group).toUtf8() + ']';
        header.Group = number;
        header.Header = true;
        Insert(qsizetype(mLines.size()), std::move(header));
        after = qsizetype(mLines.size()) - 1;
    }
    Insert((near >= 0 ? near : after) + 1, std::move(line));
}

void IniFile::SetValue(const QString& group, const QString& key, const QString& value)
{
    if (Value(group, key) != value)
        SetRaw(group, key, Quoted(value));
}

void IniFile::Remove(const QString& group, const QString& key)
{
    const int number = GroupNumber(group);
    const auto at = Find(group, key);
    if (!at)
        return;
    mLines[size_t(*at)].Removed = true;
    for (Line& line : mLines) {
        if (mTwice[size_t(number)] && line.Group == number && line.Equals > 0 && !line.Removed && KeyOf(line) == key)
            line.Removed = true;
    }
    mIndex[size_t(number)]->remove(EscapedKey(key).toUtf8());
}
