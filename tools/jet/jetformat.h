// SPDX-License-Identifier: GPL-3.0-or-later
// Encodings of the Jet 4.0 format shared by the writer, the CSV reader and their tests.
#pragma once

#include "jetwriter.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace jet::format {

inline constexpr int kPageSize = 4096;
inline constexpr int kMaxTextLength = 255; // characters of a Text column

// Text as Jet 4 stores it: UCS-2 little-endian, or the compressed form (FF FE, then one byte per character
// below U+0100, a zero byte switching between one- and two-byte characters) when that is shorter. A string
// holding a character whose low byte is zero is never compressed, since that byte would read as a switch.
// The empty string is stored as no bytes at all.
QByteArray EncodeText(QStringView text, bool allowCompression = true);

// A decimal such as "12", "-0.5" or "1234.5678" as a count of 1/10000 units; nullopt when the text is not
// such a number, has more than four decimals or does not fit in 64 bits.
std::optional<qint64> ParseCurrency(QStringView text);

// Why a value does not fit its column, or nullopt when it does. CheckInteger is for Byte, Integer and Long:
// "256 is out of range for byte (0 .. 255)". CheckText: "text of 300 characters is longer than 255".
std::optional<QString> CheckInteger(qint64 value, ColumnType type);
std::optional<QString> CheckText(QStringView text);

} // namespace jet::format
