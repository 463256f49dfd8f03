// SPDX-License-Identifier: GPL-3.0-or-later
// The readers of the program's files on any contents, the last byte choosing which:
// the calibration file (fields always at their widths; what the first tick makes of
// it is saved as 44 bytes that read back unchanged), the folder file (a folder saved
// reads back as it was, but for what the file cannot hold) and the character file
// (a device and the bytes give the same record; shown texts hold no control
// character; Windows-1252 texts turn back into the same bytes).
#include "fuzzkit.h"

#include "files/character.h"

#include <QBuffer>

namespace {
using namespace fuzzkit;

void Calibration(const std::string& bytes)
{
    const QDateTime now = QDateTime(QDate(2026, 12, 6), QTime(17, 5, 9));
    PutFile(CalibrationFileName, bytes);
    const ClockCalibration read = ReadCalibrationFile(now);
    Check(read.RealTime.size() == 8 && read.RealDate.size() == 10 && read.OXLTime.size() == 8
              && read.OXLDate.size() == 10 && !read.Instant,
          "field widths, no instant");
    const ClockCalibration ticked = ComputeGameTime(read, now.addSecs(3600));
    WriteCalibrationFile(ticked);
    Check(QFileInfo(Folder() + QStringLiteral("/OXLTIMES.DAT")).size() == 44, "the saved file holds 44 bytes");
    ClockCalibration again = ReadCalibrationFile(now);
    again.Instant = ticked.Instant;
    Check(again == ticked, "the saved calibration reads back", again.OXLTime + again.OXLDate);
}

void FolderFile(FuzzedDataProvider& input)
{
    PutFile(FolderFileName, input.ConsumeRandomLengthString(512));
    Check(!ReadCharacterFolder().isEmpty(), "a folder is always given");
    // Any folder text a file dialog could hand over, as it is written to the file.
    QString chosen = Cp1252::Decode(Cp1252::Encode(Text(input, input.remaining_bytes())));
    if (!chosen.startsWith(QLatin1Char('/')))
        chosen.prepend(QLatin1Char('/'));
    SaveCharacterFolder(chosen + QStringLiteral("/hero.oxl"));
    const QString expected = chosen + QLatin1Char('/');
    const bool unquotable = expected.contains(QLatin1Char('"'))
        && (expected.contains(QLatin1Char(',')) || expected.contains(QLatin1Char('\r'))
            || expected.contains(QLatin1Char('\n')));
    const QString back = ReadCharacterFolder();
    Check(unquotable || back == expected, "a saved folder reads back", back + QStringLiteral(" <> ") + expected);
}

void Character(const std::string& data)
{
    const QByteArray bytes(data.data(), static_cast<qsizetype>(data.size()));
    const CharacterRecord record = CharacterRecord::FromBytes(bytes);
    QBuffer buffer;
    buffer.setData(bytes);
    Check(buffer.open(QIODevice::ReadOnly), "buffer opens");
    Check(ReadCharacterFile(buffer, QStringLiteral("fuzz.oxl")) == record, "device and bytes agree");
    for (const QString* field : {&record.Name, &record.Description, &record.ExtraText}) {
        for (bool multiLine : {false, true}) {
            const QString shown = TextForDisplay(*field, multiLine);
            Check(shown.size() <= field->size(), "shown text no longer than the field");
            for (QChar c : shown)
                Check(c.category() != QChar::Other_Control || (multiLine && c == QLatin1Char('\n')),
                      "no control character shown");
        }
    }
    Check(Cp1252::Encode(Cp1252::Decode(bytes)) == bytes, "Windows-1252 round trip");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int which = input.ConsumeIntegralInRange<int>(0, 2);
    which == 0       ? Calibration(input.ConsumeRemainingBytesAsString())
        : which == 1 ? FolderFile(input)
                     : Character(input.ConsumeRemainingBytesAsString());
    return 0;
}
