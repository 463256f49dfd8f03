// The character file reader on any bytes: the record from a device equals the record
// from the bytes, the texts shown hold no control character, and the Windows-1252
// texts turn back into the same bytes.
#include "fuzzkit.h"

#include "files/character.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace fuzzkit;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const CharacterRecord record = CharacterRecord::FromBytes(bytes);

    QBuffer buffer;
    buffer.setData(bytes);
    Check(buffer.open(QIODevice::ReadOnly), "buffer opens");
    Check(ReadCharacterFile(buffer, QStringLiteral("fuzz.oxl")) == record, "device and bytes agree");

    for (const QString* field : {&record.Name, &record.Description, &record.ExtraText}) {
        Check(Cp1252::Encode(*field) == Cp1252::Encode(Cp1252::Decode(Cp1252::Encode(*field))), "text round trip");
        for (bool multiLine : {false, true}) {
            const QString shown = TextForDisplay(*field, multiLine);
            Check(shown.size() <= field->size(), "shown text no longer than the field");
            for (QChar c : shown)
                Check(c.category() != QChar::Other_Control || (multiLine && c == QLatin1Char('\n')),
                      "no control character shown");
        }
    }
    // Every byte has a character and comes back from it.
    Check(Cp1252::Encode(Cp1252::Decode(bytes)) == bytes, "Windows-1252 round trip");
    return 0;
}
