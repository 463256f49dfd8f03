// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The program's files are 8-bit Windows-1252 text, one byte per character, so
// they move between systems unchanged.
namespace Cp1252 {

QString Decode(const QByteArray& bytes);

// Characters that Windows-1252 cannot hold are written as "?".
QByteArray Encode(const QString& text);

} // namespace Cp1252
