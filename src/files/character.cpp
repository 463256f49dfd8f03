// SPDX-License-Identifier: GPL-3.0-or-later
#include "character.h"

#include "core/kelvaraerror.h"
#include "core/regularfile.h"
#include "cp1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QtEndian>

#include <algorithm>

namespace {

// Where each field starts in the file.
constexpr qsizetype NumberAt = 0;
constexpr qsizetype Data1At = 4;
constexpr qsizetype NameAt = 12;
constexpr qsizetype Data2At = 52;
constexpr qsizetype ExtraTextAt = 56;
constexpr qsizetype DescriptionAt = 216;
constexpr qsizetype Data3At = 376;
constexpr qsizetype EntriesAt = 392;
constexpr qsizetype EntrySize = 12;
constexpr qsizetype EntryTextWidth = 8;

static_assert(EntriesAt + 12 * EntrySize == CharacterRecord::Size);

[[noreturn]] void ReadError(const QString& path, const QString& cause)
{
    throw KelvaraError(
        //: %1 is the file, %2 the reason.
        QCoreApplication::translate("Files", "Cannot read the character file \"%1\": %2")
            .arg(QDir::toNativeSeparators(path), cause));
}

} // namespace

CharacterRecord CharacterRecord::FromBytes(QByteArrayView bytes)
{
    QByteArray data(Size, '\0');
    const qsizetype have = qMin<qsizetype>(bytes.size(), Size);
    if (have > 0)
        std::copy_n(bytes.data(), have, data.data());

    auto raw = [&data](qsizetype at, qsizetype width) { return data.mid(at, width); };
    auto text = [&data](qsizetype at, qsizetype width) { return Cp1252::Decode(data.mid(at, width)); };

    CharacterRecord record;
    record.CharacterNumber = qFromLittleEndian<qint32>(data.constData() + NumberAt);
    record.Data1 = raw(Data1At, 8);
    record.Name = text(NameAt, 40);
    record.Data2 = raw(Data2At, 4);
    record.ExtraText = text(ExtraTextAt, 160);
    record.Description = text(DescriptionAt, 160);
    for (qsizetype k = 0; k < 4; ++k)
        record.Data3[static_cast<size_t>(k)] = raw(Data3At + 4 * k, 4);
    for (qsizetype k = 0; k < 12; ++k) {
        CharacterEntry& entry = record.Entries[static_cast<size_t>(k)];
        const qsizetype at = EntriesAt + EntrySize * k;
        entry.EntryText = text(at, EntryTextWidth);
        entry.EntryValue = raw(at + EntryTextWidth, 4);
    }
    return record;
}

CharacterRecord ReadCharacterFile(QIODevice& device, const QString& path)
{
    if (!device.isReadable())
        ReadError(path, QCoreApplication::translate("Files", "it is not open for reading"));
    QByteArray data(CharacterRecord::Size, '\0');
    qsizetype got = 0;
    while (got < data.size()) {
        const qint64 n = device.read(data.data() + got, data.size() - got);
        if (n < 0)
            ReadError(path, device.errorString());
        if (n == 0)
            break; // end of the file: the rest stays zero
        got += n;
    }
    data.truncate(got);
    return CharacterRecord::FromBytes(data);
}

CharacterRecord ReadCharacterFile(const QString& path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        ReadError(path, QCoreApplication::translate("Files", "there is no such file"));
    // The player may pick anything: a FIFO or a device is refused without waiting on it.
    QFile file;
    if (const auto reason = OpenRegularFile(file, path))
        ReadError(path, *reason);
    return ReadCharacterFile(file, path);
}

QString TextForDisplay(const QString& field, bool multiLine)
{
    const qsizetype zero = field.indexOf(QChar(u'\0'));
    const QStringView text = zero < 0 ? QStringView(field) : QStringView(field).left(zero);

    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (multiLine && (c == u'\r' || c == u'\n')) {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            shown += QChar(u'\n');
        } else if (c.category() == QChar::Other_Control) {
            shown += QChar(u' ');
        } else {
            shown += c;
        }
    }
    return shown;
}
