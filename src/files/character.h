// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>

class QIODevice;

// One of the twelve entries at the end of a character record.
struct CharacterEntry
{
    QString EntryText = QString(8, QChar(u'\0')); // 8 characters
    QByteArray EntryValue = QByteArray(4, '\0');  // 4 raw bytes

    bool operator==(const CharacterEntry&) const = default;
};

// The 536-byte record of a character file (*.oxl), kept field by field in file
// order. Numbers are little-endian in the file; texts are Windows-1252 at their full
// width (blanks and zero bytes included); the fields the program does not use are
// kept as raw bytes. A default record is the record of 536 zero bytes.
struct CharacterRecord
{
    static constexpr int Size = 536;

    int32_t CharacterNumber = 0;                      // offset 0
    QByteArray Data1 = QByteArray(8, '\0');           // offset 4
    QString Name = QString(40, QChar(u'\0'));         // offset 12
    QByteArray Data2 = QByteArray(4, '\0');           // offset 52
    QString ExtraText = QString(160, QChar(u'\0'));   // offset 56
    QString Description = QString(160, QChar(u'\0')); // offset 216
    std::array<QByteArray, 4> Data3 = {QByteArray(4, '\0'), QByteArray(4, '\0'), QByteArray(4, '\0'),
                                       QByteArray(4, '\0')}; // offset 376
    std::array<CharacterEntry, 12> Entries;                  // offset 392, 12 bytes each

    // The record held by the first 536 bytes of `bytes`. Bytes past 536 are ignored;
    // a shorter array is read as if zero bytes filled it up to 536.
    static CharacterRecord FromBytes(QByteArrayView bytes);

    bool operator==(const CharacterRecord&) const = default;
};

// Reads the character file at `path`. The file is opened for reading only: it is
// never created or changed. A path that names no file, a folder, anything that is
// not a regular file, and a file that cannot be opened or read throw KelvaraError
// naming the path and the cause. A file shorter than 536 bytes gives a record
// whose missing bytes are zero.
CharacterRecord ReadCharacterFile(const QString& path);

// Reads a record from the current position of a device open for reading; `path`
// names it in error messages. A failing device throws KelvaraError.
CharacterRecord ReadCharacterFile(QIODevice& device, const QString& path);

// A text field as it is shown on screen: it ends at its first zero byte, and every
// other control character becomes a blank. Where `multiLine` is set, a line end
// (CR LF, CR or LF) starts a new line instead.
QString TextForDisplay(const QString& field, bool multiLine = false);
