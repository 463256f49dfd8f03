#include "settings.h"

#include "core/atomicsave.h"
#include "core/kelvaraerror.h"
#include "core/language.h"
#include "core/regularfile.h"
#include "oxlfiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <algorithm>

namespace {

// Instants of the years 1 to 9999 (UTC), in seconds since the epoch.
constexpr qlonglong FirstInstant = -62'135'596'800;
constexpr qlonglong LastInstant = 253'402'300'799;
// Window places a window system can address (16-bit coordinates).
constexpr qlonglong ScreenLimit = 32'767;

QString SettingsPath()
{
    return ProgramFolder() + QLatin1String(SettingsFileName);
}

std::optional<qlonglong> WholeNumber(const QVariant& value)
{
    bool ok = false;
    const qlonglong number = value.toString().trimmed().toLongLong(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

std::optional<qlonglong> InRange(const QVariant& value, qlonglong low, qlonglong high)
{
    const auto number = WholeNumber(value);
    return number && *number >= low && *number <= high ? number : std::nullopt;
}

std::optional<bool> TrueOrFalse(const QVariant& value)
{
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return std::nullopt;
}

// The colours' names in the file, in the order of ColourChoice.
const char* const ColourNames[] = {"desktop", "light", "dark"};

// The texts or values of a list, or the one value that is no list.
QVariantList Items(const QVariant& value)
{
    const int type = value.typeId();
    return type == QMetaType::QStringList || type == QMetaType::QVariantList ? value.toList() : QVariantList{value};
}

// A value as the file gives it: a list with an element QSettings writes as "@String(...)"
// (one that starts with "@" or a control character) reads back as a list of variants,
// and is the same list of texts.
QVariant Plain(const QVariant& value)
{
    if (value.typeId() != QMetaType::QVariantList)
        return value;
    const QVariantList list = value.toList();
    const bool texts = std::all_of(list.begin(), list.end(),
                                   [](const QVariant& item) { return item.typeId() == QMetaType::QString; });
    return texts ? QVariant(value.toStringList()) : value;
}

QVariant ValueOf(const QSettings& file, const QString& key, const QVariant& otherwise = {})
{
    return Plain(file.value(key, otherwise));
}

QString Shown(const QVariant& value)
{
    if (!value.isValid())
        //: Stands for a value the settings file does not have, as in "day missing is not from 1 to 28".
        return QCoreApplication::translate("ProgramSettings", "missing");
    // A list is shown as the file has it, its texts separated by commas.
    const QString text = value.typeId() == QMetaType::QStringList ? value.toStringList().join(QStringLiteral(", "))
                                                                  : value.toString();
    return QLatin1Char('"') + text.left(20) + QLatin1Char('"');
}

// A file as it was when QSettings could not read it whole. QSettings keeps one reading
// of a file for the whole process: a later QSettings on the unchanged file reports no
// error, so the damage is remembered here.
struct FileState
{
    QString Path;
    qint64 Size = -1;
    QDateTime Modified;

    bool operator==(const FileState&) const = default;
};

FileState StateOf(const QString& path)
{
    const QFileInfo info(path);
    return {path, info.size(), info.lastModified()};
}

std::optional<FileState>& KnownDamaged()
{
    static std::optional<FileState> state;
    return state;
}

// Whether QSettings reads `key` of `file` and writes it back as it is. A key with a
// separator at either end or a doubled one ("size/", "1\\\\day") is not the key it
// writes; a value it could not read (as "@Variant(...)" of no known type) is none; a
// text with half a UTF-16 pair ("\\xd800") is written as another.
bool IsSound(const QSettings& file, const QString& key)
{
    const QVariant value = file.value(key);
    const QVariantList items = Items(value);
    return !key.isEmpty() && !key.startsWith(QLatin1Char('/')) && !key.endsWith(QLatin1Char('/'))
        && !key.contains(QLatin1String("//")) && value.isValid()
        && std::all_of(items.begin(), items.end(), [](const QVariant& item) {
               return item.typeId() != QMetaType::QString || item.toString().isValidUtf16();
           });
}

// The bytes of a file without a UTF-8 byte order mark, which QSettings takes for a broken
// line when a section follows it (as Notepad writes the file).
QByteArray WithoutMark(const QByteArray& bytes)
{
    return bytes.startsWith("\xef\xbb\xbf") ? bytes.mid(3) : bytes;
}

// Puts `bytes` into `copy`, a temporary file for a QSettings to read; false when they
// could not be written.
bool CopyInto(QTemporaryFile& copy, const QByteArray& bytes)
{
    return copy.open() && copy.write(bytes) == bytes.size() && copy.flush();
}

// Whether QSettings reads `bytes` whole.
bool ReadsWhole(const QByteArray& bytes)
{
    QTemporaryFile copy;
    if (!CopyInto(copy, bytes))
        return false;
    const QSettings settings(copy.fileName(), QSettings::IniFormat);
    (void)settings.allKeys(); // read before its status is known
    return settings.status() == QSettings::NoError;
}

// The bytes of the file at `path`, or why they could not be read; none without a file.
std::optional<QString> ReadBytes(const QString& path, QByteArray& bytes)
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    QFile file;
    if (auto reason = OpenRegularFile(file, path))
        return reason;
    bytes = file.readAll();
    return file.error() != QFileDevice::NoError ? std::optional(file.errorString()) : std::nullopt;
}

// Whether the file could not be read whole, by `file` or by a QSettings before it; `data`
// are its bytes. QSettings drops a byte that is no UTF-8 ("Café" in Windows-1252 reads as "Caf").
bool IsDamaged(const QSettings& file, const QString& path, const QByteArray& data)
{
    const QStringList keys = file.allKeys(); // read before the status is known
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(data); // decoded (when made a text) for its errors only
    const QByteArray unmarked = WithoutMark(data);
    const bool whole = file.status() == QSettings::NoError || (unmarked.size() < data.size() && ReadsWhole(unmarked));
    if (!whole || utf8.hasError()
        || !std::all_of(keys.begin(), keys.end(), [&file](const QString& key) { return IsSound(file, key); }))
        KnownDamaged() = StateOf(path);
    return KnownDamaged() == StateOf(path);
}

// The entries of [Reminders]: its groups named by a whole number from 1, in order.
QList<int> EntryNumbers(QSettings& file)
{
    QList<int> numbers;
    file.beginGroup(QStringLiteral("Reminders"));
    for (const QString& group : file.childGroups()) {
        bool ok = false;
        const int number = group.toInt(&ok);
        if (ok && number >= 1 && QString::number(number) == group)
            numbers << number;
    }
    file.endGroup();
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QVariantMap EntryValues(QSettings& file, const QString& prefix)
{
    QVariantMap values;
    file.beginGroup(prefix);
    for (const QString& key : file.allKeys())
        if (IsSound(file, key))
            values.insert(key, ValueOf(file, key));
    file.endGroup();
    return values;
}

// One entry of the array; a value out of range leaves the entry unused and says why.
std::optional<Reminder> ReadReminder(const QSettings& file, const QString& prefix, QString& why)
{
    Reminder reminder;
    const QVariant day = ValueOf(file, prefix + QStringLiteral("day"));
    const QVariant minutes = ValueOf(file, prefix + QStringLiteral("minutes"));
    const QVariant enabled = ValueOf(file, prefix + QStringLiteral("enabled"), true);
    const auto dayNumber = InRange(day, 1, 28);
    const auto minuteNumber = InRange(minutes, 0, MaxReminderMinutes);
    const auto on = TrueOrFalse(enabled);
    if (!dayNumber) {
        //: Why a reminder of the settings file is not used: "day" is the key in the file, %1 its value in quotes.
        why = QCoreApplication::translate("ProgramSettings", "day %1 is not from 1 to 28").arg(Shown(day));
        return std::nullopt;
    }
    if (!minuteNumber) {
        //: Why a reminder is not used: "minutes" is the key in the file, %1 its value in quotes, %2 the largest.
        why = QCoreApplication::translate("ProgramSettings", "minutes %1 is not from 0 to %2")
                  .arg(Shown(minutes), QString::number(MaxReminderMinutes));
        return std::nullopt;
    }
    if (!on) {
        //: Why a reminder is not used: "enabled" is the key in the file (it stays), %1 its value in quotes; true and
        //: false are the values the file takes (they stay).
        why =
            QCoreApplication::translate("ProgramSettings", "enabled %1 is neither true nor false").arg(Shown(enabled));
        return std::nullopt;
    }
    reminder.Day = static_cast<int>(*dayNumber);
    reminder.Minutes = static_cast<int>(*minuteNumber);
    reminder.Enabled = *on;
    // A label typed by hand with a comma and no quotes reads as a list of texts.
    const QVariant label = ValueOf(file, prefix + QStringLiteral("label"));
    reminder.Label = (label.typeId() == QMetaType::QStringList ? label.toStringList().join(QStringLiteral(", "))
                                                               : label.toString())
                         .left(MaxReminderLabel);
    // A start that cannot be read, or lies outside the calendar, was never announced: at
    // worst it is announced once more.
    if (const auto announced = InRange(ValueOf(file, prefix + QStringLiteral("announced")), FirstInstant, LastInstant))
        reminder.Announced = int64_t{*announced};
    return reminder;
}

void WriteReminders(QSettings& file, const ProgramSettings& settings)
{
    // The array is written anew; other keys of the group stay.
    for (int number : EntryNumbers(file))
        file.remove(QStringLiteral("Reminders/%1").arg(number));
    std::vector<UnusableReminder> unusable = settings.Unusable;
    std::stable_sort(unusable.begin(), unusable.end(), [](const auto& a, const auto& b) { return a.Place < b.Place; });
    const size_t count = settings.Reminders.size() + unusable.size();
    size_t used = 0;
    size_t kept = 0;
    for (size_t place = 0; place < count; ++place) {
        const QString prefix = QStringLiteral("Reminders/%1/").arg(place + 1);
        if (kept < unusable.size() && (unusable[kept].Place <= place || used == settings.Reminders.size())) {
            const QVariantMap& values = unusable[kept++].Values;
            for (auto it = values.cbegin(); it != values.cend(); ++it)
                file.setValue(prefix + it.key(), it.value());
            continue;
        }
        const Reminder& reminder = settings.Reminders[used++];
        file.setValue(prefix + QStringLiteral("day"), reminder.Day);
        file.setValue(prefix + QStringLiteral("minutes"), reminder.Minutes);
        file.setValue(prefix + QStringLiteral("enabled"), reminder.Enabled);
        file.setValue(prefix + QStringLiteral("label"), reminder.Label);
        if (reminder.Announced)
            file.setValue(prefix + QStringLiteral("announced"), qlonglong{*reminder.Announced});
    }
    file.setValue(QStringLiteral("Reminders/size"), qulonglong{count});
}

// Whether `read`, as a written file gives it back, is `held`, as QSettings holds it: a number
// or a truth value reads back as its text, a list of one text as that text, a list of texts
// as a list of variants; a value of no text (a rectangle, "@Rect(1 2 3 4)") is itself, so
// that the same text of both ("r=" cut from it) is no match.
bool SameValue(const QVariant& held, const QVariant& read)
{
    const auto text = [](const QVariant& value) {
        return QMetaType::canConvert(value.metaType(), QMetaType::fromType<QString>());
    };
    const QVariantList a = Items(held);
    const QVariantList b = Items(read);
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&text](const QVariant& x, const QVariant& y) {
        return x == y || (text(x) && text(y) && x.toString() == y.toString());
    });
}

// Whether `bytes`, read as a settings file, hold every key of `file` with its value.
bool SameSettings(const QSettings& file, const QByteArray& bytes)
{
    QTemporaryFile check;
    if (!CopyInto(check, bytes))
        return false;
    const QSettings back(check.fileName(), QSettings::IniFormat);
    // A key whose value QSettings could not read (as "size/" in a group) holds nothing, and is not written.
    const auto held = [](const QSettings& settings) {
        QStringList keys = settings.allKeys();
        keys.removeIf([&settings](const QString& key) { return !settings.value(key).isValid(); });
        return keys;
    };
    const QStringList keys = held(file);
    const qsizetype backKeys = held(back).size(); // read before its status is known
    return back.status() == QSettings::NoError && backKeys == keys.size()
        && std::all_of(keys.begin(), keys.end(),
                       [&](const QString& key) { return SameValue(file.value(key), back.value(key)); });
}

} // namespace

SettingsReading ReadSettings()
{
    SettingsReading reading;
    ProgramSettings& settings = reading.Settings;
    const QString path = SettingsPath();
    // QSettings would wait for ever on a FIFO, or read a device without end.
    if (const auto reason = NotRegularFile(path)) {
        reading.Ignored
            << QCoreApplication::translate("ProgramSettings", "the file could not be read: %1").arg(*reason);
        return reading;
    }
    QSettings file(path, QSettings::IniFormat);
    QByteArray bytes;
    ReadBytes(path, bytes); // what could not be read is none, as for QSettings
    // QSettings reads the file at the first question; its status tells afterwards.
    if (IsDamaged(file, path, bytes))
        reading.Ignored << QCoreApplication::translate("ProgramSettings", "the file could not be read whole");
    // A preference that cannot be used keeps its default, and is said.
    const QVariant keepRunning = file.value(QStringLiteral("Tray/keepRunning"));
    settings.KeepInTray = TrueOrFalse(keepRunning).value_or(false);
    if (keepRunning.isValid() && !TrueOrFalse(keepRunning))
        reading.Ignored << QCoreApplication::translate("ProgramSettings",
                                                       "[Tray] keepRunning %1 is neither true nor false")
                               .arg(Shown(keepRunning));
    const QVariant colours = file.value(QStringLiteral("Preferences/colours"));
    const QString colourName = colours.toString().trimmed().toLower();
    const auto* colour = std::find_if(std::begin(ColourNames), std::end(ColourNames),
                                      [&colourName](const char* name) { return colourName == QLatin1String(name); });
    if (colour != std::end(ColourNames))
        settings.Colours = static_cast<ColourChoice>(colour - std::begin(ColourNames));
    else if (colours.isValid())
        reading.Ignored << QCoreApplication::translate("ProgramSettings",
                                                       "[Preferences] colours %1 is not desktop, light or dark")
                               .arg(Shown(colours));
    const QVariant language = file.value(QStringLiteral("Preferences/language"));
    const QStringList languages = QStringList{QStringLiteral("en")} + Language::Shipped();
    const QString languageName = language.toString().trimmed();
    if (const auto known = std::find_if(
            languages.begin(), languages.end(),
            [&languageName](const QString& name) { return languageName.compare(name, Qt::CaseInsensitive) == 0; });
        known != languages.end())
        settings.Language = *known;
    else if (!languageName.isEmpty())
        //: %1 is the value in quotes, %2 the list of the language codes the file takes (they stay).
        reading.Ignored << QCoreApplication::translate("ProgramSettings", "[Preferences] language %1 is not one of %2")
                               .arg(Shown(language), languages.join(QStringLiteral(", ")));
    settings.CompactClock.Visible = TrueOrFalse(file.value(QStringLiteral("CompactClock/visible"))).value_or(false);
    const auto x = InRange(file.value(QStringLiteral("CompactClock/x")), -ScreenLimit, ScreenLimit);
    const auto y = InRange(file.value(QStringLiteral("CompactClock/y")), -ScreenLimit, ScreenLimit);
    if (x && y)
        settings.CompactClock.Place = QPoint(static_cast<int>(*x), static_cast<int>(*y));

    const QVariant size = file.value(QStringLiteral("Reminders/size"));
    const QList<int> numbers = EntryNumbers(file);
    if (!size.isValid() && numbers.isEmpty())
        return reading; // no reminders saved yet: the default one
    if (size.isValid() && !InRange(size, 0, std::numeric_limits<int>::max()))
        reading.Ignored << QCoreApplication::translate("ProgramSettings", "the number of reminders %1 is not a number")
                               .arg(Shown(size));
    settings.Reminders.clear();
    settings.ReminderIds.clear();
    QList<int> beyond; // good entries past the first MaxReminders
    for (const int number : numbers) {
        const QString prefix = QStringLiteral("Reminders/%1/").arg(number);
        QVariantMap values = EntryValues(file, prefix);
        if (values.isEmpty())
            continue; // nothing in it can be read, nothing to keep
        QString why;
        const auto reminder = ReadReminder(file, prefix, why);
        if (reminder && settings.Reminders.size() < size_t{MaxReminders}) {
            settings.Reminders.push_back(*reminder);
            settings.ReminderIds.push_back(settings.Reminders.size());
            continue;
        }
        if (reminder) {
            why = QCoreApplication::translate("ProgramSettings", "more than %1 reminders").arg(MaxReminders);
            beyond << number;
        } else {
            //: An entry of the settings file that is not used: %1 is its number, %2 why.
            reading.Ignored << QCoreApplication::translate("ProgramSettings", "entry %1: %2").arg(number).arg(why);
        }
        settings.Unusable.push_back({std::move(values), why, settings.Reminders.size() + settings.Unusable.size()});
    }
    if (beyond.size() == 1)
        reading.Ignored << QCoreApplication::translate("ProgramSettings", "entry %1: more than %2 reminders")
                               .arg(beyond.front())
                               .arg(MaxReminders);
    else if (!beyond.isEmpty())
        reading.Ignored << QCoreApplication::translate("ProgramSettings", "entries %1 to %2: more than %3 reminders")
                               .arg(beyond.front())
                               .arg(beyond.back())
                               .arg(MaxReminders);
    return reading;
}

void WriteSettings(const ProgramSettings& settings, SettingsGroups groups)
{
    const QString path = SettingsPath();
    auto fail = [&path](const QString& reason) {
        throw KelvaraError(QCoreApplication::translate("Files", "Cannot write \"%1\": %2")
                               .arg(QDir::toNativeSeparators(path), reason));
    };
    // QSettings replaces the file through a temporary file of its own: a FIFO or a device
    // would become a regular file.
    if (const auto reason = NotRegularFile(path))
        fail(*reason);

    // QSettings keeps the first error it meets: after a file it could not read whole,
    // a failed write would go unnoticed. Such a file is kept aside, whole, and what
    // could be read of it goes into a new one.
    // The file is read once, for every use below.
    QByteArray bytes;
    const std::optional<QString> unread = ReadBytes(path, bytes);
    QVariantMap carried;
    bool damaged = false;
    {
        const QSettings current(path, QSettings::IniFormat);
        damaged = IsDamaged(current, path, bytes);
        for (const QString& key : damaged ? current.allKeys() : QStringList())
            if (IsSound(current, key))
                carried.insert(key, current.value(key));
    }
    if (damaged) {
        // Kept aside like any file the program saves, whole, and beside the copies kept
        // before (.damaged, .damaged.2, ...) unless it is one of them.
        std::optional<QString> reason = unread;
        const auto keeps = [&bytes](const QString& name) {
            QFile copy;
            return !OpenRegularFile(copy, name) && copy.readAll() == bytes;
        };
        QString aside = path + QStringLiteral(".damaged");
        for (int number = 2; QFileInfo::exists(aside) && !keeps(aside); ++number)
            aside = path + QStringLiteral(".damaged.%1").arg(number);
        if (!reason)
            reason = SaveFileAtomically(aside, bytes);
        if (reason)
            fail(QCoreApplication::translate("ProgramSettings",
                                             "it could not be read whole, and could not be kept aside: %1")
                     .arg(*reason));
    }

    // QSettings reports a write cut short (a full disk) as done, and would put the cut
    // file in place: it writes a copy of the file here, which is read back and compared
    // before it takes the file's place through the checked save, in one step. A damaged
    // file's copy starts empty, so that the error of its old reading cannot hide one of
    // the write.
    const bool writable = QFileInfo(QFileInfo(path).absolutePath()).isWritable();
    QTemporaryFile fresh(path + QStringLiteral(".XXXXXX"));
    if (!fresh.open())
        fail(writable ? fresh.errorString() : QCoreApplication::translate("ProgramSettings", "Permission denied"));
    if (!damaged) {
        if (unread)
            fail(*unread);
        const QByteArray unmarked = WithoutMark(bytes);
        if (fresh.write(unmarked) != unmarked.size() || !fresh.flush())
            fail(fresh.errorString());
    }
    QSettings file(fresh.fileName(), QSettings::IniFormat);
    for (auto it = carried.cbegin(); it != carried.cend(); ++it)
        file.setValue(it.key(), it.value());
    if (groups.testFlag(SettingsGroup::Reminders))
        WriteReminders(file, settings);
    if (groups.testFlag(SettingsGroup::Preferences)) {
        file.setValue(QStringLiteral("Tray/keepRunning"), settings.KeepInTray);
        file.setValue(QStringLiteral("Preferences/colours"),
                      QLatin1String(ColourNames[static_cast<int>(settings.Colours)]));
        file.setValue(QStringLiteral("Preferences/language"), settings.Language);
    }
    if (groups.testFlag(SettingsGroup::CompactClock)) {
        const CompactClockSettings& clock = settings.CompactClock;
        file.setValue(QStringLiteral("CompactClock/visible"), clock.Visible);
        for (const auto& [key, value] :
             {std::pair{"x", clock.Place ? std::optional(clock.Place->x()) : std::nullopt},
              std::pair{"y", clock.Place ? std::optional(clock.Place->y()) : std::nullopt}}) {
            const QString name = QStringLiteral("CompactClock/") + QLatin1String(key);
            value ? file.setValue(name, *value) : file.remove(name);
        }
    }
    file.sync();
    QFile copy(fresh.fileName());
    const QByteArray written = copy.open(QIODevice::ReadOnly) ? copy.readAll() : QByteArray();
    if (file.status() != QSettings::NoError || !SameSettings(file, written)) {
        // QSettings keeps the system's reason to itself; the folder tells the usual one.
        fail(writable ? QCoreApplication::translate("ProgramSettings", "the file could not be written whole")
                      : QCoreApplication::translate("ProgramSettings", "Permission denied"));
    }
    if (const auto reason = SaveFileAtomically(path, written))
        fail(*reason);
    KnownDamaged().reset();
}
