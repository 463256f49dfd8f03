// SPDX-License-Identifier: GPL-3.0-or-later
// Encodings and limits of the Jet 4.0 format shared by the writer and the CSV reader.
#include "jetformat.h"

#include <limits>

namespace jet::format {

QByteArray EncodeText(QStringView text, bool allowCompression)
{
    QByteArray plain;
    plain.reserve(2 * text.size());
    bool compressible = allowCompression;
    for (const QChar c : text) {
        plain.append(char(c.unicode() & 0xFF));
        plain.append(char(c.unicode() >> 8));
        if ((c.unicode() & 0xFF) == 0)
            compressible = false;
    }
    if (!compressible || text.size() < 3)
        return plain;
    QByteArray packed("\xFF\xFE", 2);
    bool oneByte = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        bool wantOneByte = c < 0x100;
        // Switching back to one-byte characters pays only for a run of at least two of them.
        if (wantOneByte && !oneByte)
            wantOneByte = i + 1 < text.size() && text[i + 1].unicode() < 0x100;
        if (wantOneByte != oneByte) {
            packed.append('\0');
            oneByte = wantOneByte;
        }
        packed.append(char(c & 0xFF));
        if (!oneByte)
            packed.append(char(c >> 8));
        if (packed.size() >= plain.size())
            return plain;
    }
    return packed;
}

std::optional<qint64> ParseCurrency(QStringView text)
{
    qsizetype i = 0;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    quint64 units = 0;
    int digits = 0;
    int decimals = -1; // -1 before the point
    constexpr quint64 kLimit = quint64(std::numeric_limits<qint64>::max()) + 1;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        if (decimals >= 0 && ++decimals > 4)
            return std::nullopt;
        units = units * 10 + quint64(c.unicode() - u'0');
        if (units > kLimit)
            return std::nullopt;
        ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    for (int d = std::max(decimals, 0); d < 4; ++d) {
        units *= 10;
        if (units > kLimit)
            return std::nullopt;
    }
    if (!negative && units == kLimit)
        return std::nullopt;
    return negative ? qint64(0 - units) : qint64(units);
}

std::optional<QString> CheckInteger(qint64 value, ColumnType type)
{
    qint64 low = std::numeric_limits<qint32>::min();
    qint64 high = std::numeric_limits<qint32>::max();
    if (type == ColumnType::Byte) {
        low = 0;
        high = 255;
    } else if (type == ColumnType::Integer) {
        low = std::numeric_limits<qint16>::min();
        high = std::numeric_limits<qint16>::max();
    }
    if (value >= low && value <= high)
        return std::nullopt;
    return QStringLiteral("%1 is out of range for %2 (%3 .. %4)")
        .arg(value)
        .arg(ColumnTypeName(type))
        .arg(low)
        .arg(high);
}

std::optional<QString> CheckText(QStringView text)
{
    if (text.size() <= kMaxTextLength)
        return std::nullopt;
    return QStringLiteral("text of %1 characters is longer than %2").arg(text.size()).arg(kMaxTextLength);
}

} // namespace jet::format
