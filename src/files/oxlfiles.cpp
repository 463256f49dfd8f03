// SPDX-License-Identifier: GPL-3.0-or-later
#include "oxlfiles.h"

#include "clock/systemclock.h"
#include "core/atomicsave.h"
#include "core/kelvaraerror.h"
#include "core/regularfile.h"
#include "core/textnum.h"
#include "cp1252.h"
#include "itemreader.h"
#include "oxlfiles_platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString& FolderOverride()
{
    static QString folder;
    return folder;
}

QString WithSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString ResolveProgramFolder()
{
    const QString exeFolder = ExeFolder();
    return ChooseProgramFolder(exeFolder, KeepsFilesBeside(exeFolder), DataFolder());
}

// The sentences name the file (%1) and the reason (%2).
const char* const CannotRead = QT_TRANSLATE_NOOP("Files", "Cannot read \"%1\": %2");
const char* const CannotCreate = QT_TRANSLATE_NOOP("Files", "Cannot create \"%1\": %2");
const char* const CannotWrite = QT_TRANSLATE_NOOP("Files", "Cannot write \"%1\": %2");

[[noreturn]] void FileError(const char* sentence, const QString& path, const QString& reason)
{
    throw KelvaraError(QCoreApplication::translate("Files", sentence).arg(QDir::toNativeSeparators(path), reason));
}

bool IsMissing(const QString& path)
{
    return !QFileInfo(path).exists() && !QFileInfo(path).isSymLink();
}

// The most of a calibration or folder file that is read: far more than its few short lines
// (a folder's path is at most 4 KiB), and a file of gigabytes costs no more than that.
constexpr qint64 ReadLimit = 64 * 1024;

// Reads the start of a file of the program folder, up to ReadLimit bytes; anything but a
// regular file is refused without waiting on it.
QByteArray ReadStart(const QString& path)
{
    QFile file;
    if (const auto reason = OpenRegularFile(file, path))
        FileError(CannotRead, path, *reason);
    const QByteArray data = file.read(ReadLimit);
    if (file.error() != QFileDevice::NoError)
        FileError(CannotRead, path, file.errorString());
    return data;
}

// Reads the start of a file of the program folder, creating it empty when it is missing.
QByteArray ReadOrCreate(const QString& path)
{
    if (IsMissing(path)) {
        if (const auto reason = CreateEmptyFile(path))
            FileError(CannotCreate, path, *reason);
    }
    return ReadStart(path);
}

ClockCalibration CalibrationFromBytes(const QByteArray& data, const QDateTime& now)
{
    if (data.size() < 11) {
        return ClockCalibration::FromTexts(CurrentTimeText(now), CurrentDateText(now), QStringLiteral("00:00:01"),
                                           QStringLiteral("01/01/0001"));
    }
    // Items missing at the end of the file leave their fields blank.
    ItemReader reader(data);
    const QString realTime = Cp1252::Decode(reader.Next());
    const QString realDate = Cp1252::Decode(reader.Next());
    const QString oxlTime = Cp1252::Decode(reader.Next());
    const QString oxlDate = Cp1252::Decode(reader.Next());
    return ClockCalibration::FromTexts(realTime, realDate, oxlTime, oxlDate);
}

// Replaces a file in one step; a failed save leaves the old file whole.
void ReplaceFile(const QString& path, const QByteArray& data)
{
    if (const auto reason = SaveFileAtomically(path, data))
        FileError(CannotWrite, path, *reason);
}

} // namespace

QString HomeFolder()
{
    if (qEnvironmentVariableIsEmpty("HOME"))
        if (const QByteArray home = UserHome(); !home.isEmpty())
            qputenv("HOME", home);
    return QDir::homePath();
}

QString DataFolder()
{
    HomeFolder();
    return SystemDataFolder();
}

bool KeepsFilesBeside(const QString& exeFolder)
{
    return MayKeepFilesIn(exeFolder)
        && (!RunsAsRoot() || !QFileInfo::exists(WithSlash(exeFolder) + QLatin1String(InstalledDatabase)));
}

QString ChooseProgramFolder(const QString& exeFolder, bool exeFolderWritable, const QString& dataFolder)
{
    if (exeFolderWritable)
        return WithSlash(exeFolder);

    const QString folder = WithSlash(dataFolder);
    CreateFolders(folder); // where it cannot be made, the files in it say why when they are read
    const QString database = folder + QStringLiteral("Kelvara.mdb");
    if (!QFileInfo::exists(database)) {
        const QString installed = WithSlash(exeFolder) + QLatin1String(InstalledDatabase);
        if (QFileInfo::exists(installed) && !NotRegularFile(installed))
            QFile::copy(installed, database);
    }
    return folder;
}

QString ProgramFolder()
{
    if (!FolderOverride().isEmpty())
        return FolderOverride();
    static const QString folder = ResolveProgramFolder();
    return folder;
}

QString LocateProgramFolder()
{
    if (!FolderOverride().isEmpty())
        return FolderOverride();
    const QString exeFolder = ExeFolder();
    if (KeepsFilesBeside(exeFolder))
        return WithSlash(exeFolder);
    return WithSlash(DataFolder());
}

QString LocateGameDatabase()
{
    const QString database = LocateProgramFolder() + QStringLiteral("Kelvara.mdb");
    const QString installed = WithSlash(ExeFolder()) + QLatin1String(InstalledDatabase);
    return FolderOverride().isEmpty() && IsMissing(database) && QFileInfo::exists(installed) ? installed : database;
}

void SetProgramFolder(const QString& folder)
{
    FolderOverride() = folder.isEmpty() ? QString() : WithSlash(folder);
}

QString ReadCharacterFolder()
{
    const QByteArray data = ReadOrCreate(ProgramFolder() + QLatin1String(FolderFileName));
    QString text = data.isEmpty() ? QString() : Cp1252::Decode(ItemReader(data).Next());
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' '))
        --end;
    text = text.mid(begin, end - begin);
    return text.isEmpty() ? ProgramFolder() : text;
}

void SaveCharacterFolder(const QString& path)
{
    if (path.size() < 3)
        return;
    QString folder = path;
    if (!folder.endsWith(QLatin1Char('/'))) {
        const qsizetype slash = folder.lastIndexOf(QLatin1Char('/'));
        if (slash < 0)
            return; // no folder part to remember
        folder.truncate(slash + 1);
    }
    // A folder that holds a comma or a line end would be read back cut short: it is
    // written between double quotes, which the reader drops. (A folder that also
    // holds a double quote cannot be quoted.)
    QByteArray line = Cp1252::Encode(folder);
    // A folder with letters Windows-1252 cannot hold would be written with "?" in their place, a folder that is not
    // there: the folder remembered before stays.
    if (Cp1252::Decode(line) != folder)
        return;
    const bool cutShort = line.contains(',') || line.contains('\r') || line.contains('\n');
    if (cutShort && !line.contains('"'))
        line = '"' + line + '"';
    ReplaceFile(ProgramFolder() + QLatin1String(FolderFileName), line + "\r\n");
}

ClockCalibration ReadCalibrationFile(const QDateTime& now)
{
    return CalibrationFromBytes(ReadOrCreate(ProgramFolder() + QLatin1String(CalibrationFileName)), now);
}

ClockCalibration PeekCalibrationFile(const QDateTime& now)
{
    const QString path = LocateProgramFolder() + QLatin1String(CalibrationFileName);
    return CalibrationFromBytes(IsMissing(path) ? QByteArray() : ReadStart(path), now);
}

ClockCalibration ReadCalibrationFile()
{
    return ReadCalibrationFile(SystemClock::Now());
}

void WriteCalibrationFile(const ClockCalibration& calibration)
{
    // A reading taken in the second pass of the hour repeated when summer time ends would be placed
    // in the first pass, one hour early, when read back. The same calibration is written one hour
    // back instead, at the first pass of the same reading with the game moment that belongs to it,
    // so the game clock reads back as it was saved, to the second.
    ClockCalibration saved = calibration;
    if (calibration.Instant) {
        const auto placed = PlaceRealMoment(calibration.RealDate, calibration.RealTime);
        if (placed && *placed != *calibration.Instant)
            saved = ComputeGameTime(calibration, QDateTime::fromSecsSinceEpoch(*placed));
    }
    QByteArray data;
    for (const auto& [text, width] : {std::pair{&saved.RealTime, 8}, std::pair{&saved.RealDate, 10},
                                      std::pair{&saved.OXLTime, 8}, std::pair{&saved.OXLDate, 10}}) {
        data += Cp1252::Encode(text->leftJustified(width, QLatin1Char(' '), true));
        data += "\r\n";
    }
    ReplaceFile(ProgramFolder() + QLatin1String(CalibrationFileName), data);
}
