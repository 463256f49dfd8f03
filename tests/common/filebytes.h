// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>

// Writes `bytes` as the whole file at `path`; false when the file cannot be written.
inline bool PutFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The bytes of the file at `path`; none when it cannot be read.
inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
