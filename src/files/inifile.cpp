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

// A text as a value the file holds, written as QSettings writes it, so that it reads back
// the same here and there.
QString Quoted(const QString& value)
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

} // namespace

IniFile::IniFile(const QByteArray& bytes)
{
    QString group;
    for (qsizetype start = 0; start < bytes.size();) {
        // A line ends with LF, CR LF or a lone CR (as old Macs wrote).
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        Line line;
        line.Bytes = bytes.mid(start, end - start);
        line.End = bytes.mid(end, bytes.mid(end, 2) == "\r\n" ? 2 : 1);
        if (mLines.empty() && !line.End.isEmpty())
            mEnd = line.End;
        start = end + line.End.size();
        // The byte order mark is known by its bytes, whatever the rest of the line is.
        if (mLines.empty() && line.Bytes.startsWith("\xef\xbb\xbf")) {
            mBom = line.Bytes.left(3);
            line.Bytes.remove(0, 3);
        }

        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8(line.Bytes);
        line.Utf8 = !utf8.hasError();
        if (!line.Utf8)
            text = Cp1252::Decode(line.Bytes);
        mNotUtf8 = mNotUtf8 || !line.Utf8;
        const QStringView trimmed = QStringView(text).trimmed();
        const qsizetype equals = text.indexOf(QLatin1Char('='));
        if (trimmed.startsWith(QLatin1Char('['))) {
            const qsizetype close = trimmed.indexOf(QLatin1Char(']')); // a name never holds "]"
            group = UnescapedKey(trimmed.mid(1, close < 0 ? -1 : close - 1));
            line.Header = true;
        } else if (equals > 0 && !trimmed.startsWith(QLatin1Char(';'))) {
            line.Key = UnescapedKey(QStringView(text).left(equals).trimmed());
            line.Raw = text.mid(equals + 1);
        }
        line.Group = group;
        mLines.push_back(std::move(line));
    }
}

QByteArray IniFile::Bytes() const
{
    QByteArray bytes = mBom;
    for (size_t i = 0; i < mLines.size(); ++i) {
        const Line& line = mLines[i];
        bytes += line.Utf8 ? line.Bytes : Cp1252::Decode(line.Bytes).toUtf8();
        // A lone CR before an empty line that ends with LF would read back as one CR LF, and the
        // empty line would be gone: a line put in or taken out between them ends with CR LF instead.
        const bool joins = line.End == "\r" && i + 1 < mLines.size() && mLines[i + 1].Bytes.isEmpty()
            && mLines[i + 1].End.startsWith('\n');
        bytes += joins ? QByteArray("\r\n") : line.End;
    }
    return bytes;
}

QStringList IniFile::Keys(const QString& group) const
{
    QStringList keys;
    for (const Line& line : mLines) {
        if (line.Key && line.Group == group)
            keys << *line.Key;
    }
    keys.removeDuplicates();
    return keys;
}

std::optional<QString> IniFile::Raw(const QString& group, const QString& key) const
{
    const auto at = Find(group, key);
    return at ? std::optional(mLines[size_t(*at)].Raw) : std::nullopt;
}

std::optional<QString> IniFile::Value(const QString& group, const QString& key) const
{
    const auto raw = Raw(group, key);
    return raw ? std::optional(Text(*raw)) : std::nullopt;
}

QString IniFile::Text(QStringView raw)
{
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
    if (!mIndexed) {
        mIndex.clear();
        for (size_t i = 0; i < mLines.size(); ++i) {
            if (mLines[i].Key)
                mIndex.insert(mLines[i].Group + QChar(0) + *mLines[i].Key, qsizetype(i));
        }
        mIndexed = true;
    }
    const auto it = mIndex.constFind(group + QChar(0) + key);
    return it != mIndex.cend() ? std::optional(*it) : std::nullopt;
}

void IniFile::Insert(qsizetype at, Line line)
{
    if (at > 0 && mLines[size_t(at - 1)].End.isEmpty())
        mLines[size_t(at - 1)].End = mEnd;
    line.End = mEnd;
    mLines.insert(mLines.begin() + at, std::move(line));
    mIndexed = false;
}

void IniFile::SetRaw(const QString& group, const QString& key, const QString& raw)
{
    Line line;
    line.Bytes = (EscapedKey(key) + QLatin1Char('=') + raw).toUtf8();
    line.Group = group;
    line.Key = key;
    line.Raw = raw;
    if (const auto at = Find(group, key)) {
        Line& old = mLines[size_t(*at)];
        if (old.Raw != raw) {
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
        if (other.Group == group && (other.Key || other.Header)) {
            after = qsizetype(i);
            if (other.Key && !part.isEmpty() && other.Key->startsWith(part))
                near = qsizetype(i);
        }
    }
    if (after < 0) {
        if (!mLines.empty() && !mLines.back().Bytes.trimmed().isEmpty())
            Insert(qsizetype(mLines.size()), Line());
        Line header;
        header.Bytes = (QLatin1Char('[') + EscapedKey(group) + QLatin1Char(']')).toUtf8();
        header.Group = group;
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
    if (!Find(group, key))
        return;
    std::erase_if(mLines, [&](const Line& line) { return line.Key == key && line.Group == group; });
    mIndexed = false;
}
