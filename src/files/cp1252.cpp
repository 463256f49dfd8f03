// SPDX-License-Identifier: GPL-3.0-or-later
#include "cp1252.h"

#include <array>

namespace {

// 0x80..0x9F; the five unassigned bytes map to the C1 control of the same value.
constexpr std::array<char16_t, 32> HighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t DecodeByte(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F)
        return HighTable[b - 0x80];
    return b;
}

} // namespace

QString Cp1252::Decode(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(DecodeByte(static_cast<unsigned char>(bytes[i])));
    return text;
}

QByteArray Cp1252::Encode(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        char out = '?';
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out = static_cast<char>(c);
        } else {
            for (int k = 0; k < 32; ++k) {
                if (HighTable[static_cast<size_t>(k)] == c) {
                    out = static_cast<char>(0x80 + k);
                    break;
                }
            }
        }
        bytes[i] = out;
    }
    return bytes;
}
