// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include "core/atomicsave.h"
#include "core/kelvaraerror.h"
#include "core/language.h"
#include "core/regularfile.h"
#include "core/textnum.h"
#include "inifile.h"
#include "oxlfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <deque>
#include <list>
#include <map>
#include <mutex>
#include <set>

using namespace Qt::StringLiterals;

namespace {

// Instants of the years 1 to 9999 (UTC), in seconds since the epoch.
constexpr qlonglong FirstInstant = -62'135'596'800;
constexpr qlonglong LastInstant = 253'402'300'799;
// Window places a window system can address (16-bit coordinates).
constexpr qlonglong ScreenLimit = 32'767;

const QString RemindersGroup = QStringLiteral("Reminders");
const QString FindItemsGroup = QStringLiteral("FindItems");
const QString MyStatsGroup = QStringLiteral("MyStats");

using Value = std::optional<QString>;

QString SettingsPath()
{
    return ProgramFolder() + QLatin1String(SettingsFileName);
}

std::optional<qlonglong> WholeNumber(const Value& value)
{
    bool ok = false;
    const qlonglong number = value.value_or(QString()).trimmed().toLongLong(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

std::optional<qlonglong> InRange(const Value& value, qlonglong low, qlonglong high)
{
    const auto number = WholeNumber(value);
    return number && *number >= low && *number <= high ? number : std::nullopt;
}

std::optional<bool> TrueOrFalse(const Value& value)
{
    const QString text = value.value_or(QString()).trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return std::nullopt;
}

// The colours' names in the file, in the order of ColourChoice.
const char* const ColourNames[] = {"desktop", "light", "dark"};

QString Shown(const Value& value)
{
    if (!value)
        //: Stands for a value the settings file does not have, as in "day missing is not from 1 to 28".
        return QCoreApplication::translate("ProgramSettings", "missing");
    return QLatin1Char('"') + value->left(WholeCharacters(*value, 20)) + QLatin1Char('"');
}

// The bytes of the file at `path`, or why they could not be read; none without a file.
std::optional<QString> ReadBytes(const QString& path, QByteArray& bytes)
{
    if (auto reason = NotRegularFile(path)) // a loop of links exists not, and says so
        return reason;
    if (!QFileInfo::exists(path))
        return std::nullopt;
    QFile file;
    if (auto reason = OpenRegularFile(file, path))
        return reason;
    bytes = file.readAll();
    return file.error() != QFileDevice::NoError ? std::optional(file.errorString()) : std::nullopt;
}

// An entry of [Reminders]: its keys (after the number) with their values as the file writes them.
using EntryValues = QMap<QString, QString>;
using EntryMap = std::map<int, EntryValues>;

// The entries of [Reminders], by their numbers (whole numbers from 1, "1\day"); and its "size".
EntryMap Entries(const IniFile& file, std::optional<QString>* size = nullptr)
{
    // The keys a reminder has, shared by every entry rather than one text each.
    static const QStringList Known = {u"day"_s, u"minutes"_s, u"enabled"_s, u"label"_s, u"announced"_s};
    EntryMap entries;
    auto last = entries.end(); // the entries are mostly in order, their keys together
    file.ForEachLine(RemindersGroup, [&](const QString& key, QString raw) {
        if (size && key == u"size"_s)
            *size = IniFile::Text(raw); // of a key given twice, the later
        const qsizetype slash = key.indexOf(QLatin1Char('/'));
        const QStringView digits = QStringView(key).left(slash);
        bool ok = slash > 0 && digits.front() != QLatin1Char('0') // "1", as the program writes it; not "01"
            && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        const int number = ok ? digits.toInt(&ok) : 0;
        if (ok && slash + 1 < key.size()) {
            const QStringView name = QStringView(key).mid(slash + 1);
            const auto known = std::find(Known.begin(), Known.end(), name);
            if (last == entries.end() || last->first != number)
                last = entries.try_emplace(entries.lower_bound(number), number);
            // Of a key given twice, the later.
            last->second.insert(known != Known.end() ? *known : name.toString(), std::move(raw));
        }
    });
    return entries;
}

// An entry of the array; a value out of range leaves the entry unused and says why. Without
// `whole`, only whether it can be used: its label and announced start are not read.
std::optional<Reminder> ReadReminder(const QMap<QString, QString>& values, QString& why, bool whole = true)
{
    const auto value = [&values](const char* key) {
        const auto raw = values.constFind(QLatin1String(key));
        return raw != values.cend() ? Value(IniFile::Text(*raw)) : std::nullopt;
    };
    Reminder reminder;
    const Value day = value("day");
    const Value minutes = value("minutes");
    const Value enabled = value("enabled");
    const auto dayNumber = InRange(day, 1, 28);
    const auto minuteNumber = InRange(minutes, 0, MaxReminderMinutes);
    const auto on = enabled ? TrueOrFalse(enabled) : std::optional(true);
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
    if (!whole)
        return reminder;
    const QString label = value("label").value_or(QString());
    reminder.Label = label.left(WholeCharacters(label, MaxReminderLabel));
    // A start that cannot be read, or lies outside the calendar, was never announced: at
    // worst it is announced once more.
    if (const auto announced = InRange(value("announced"), FirstInstant, LastInstant))
        reminder.Announced = int64_t{*announced};
    return reminder;
}

// A reminder's values as the file writes them.
EntryValues WrittenValues(const Reminder& reminder)
{
    EntryValues values;
    values.insert(u"day"_s, QString::number(reminder.Day));
    values.insert(u"minutes"_s, QString::number(reminder.Minutes));
    values.insert(u"enabled"_s, reminder.Enabled ? u"true"_s : u"false"_s);
    values.insert(u"label"_s, IniFile::Quoted(reminder.Label));
    if (reminder.Announced)
        values.insert(u"announced"_s, QString::number(*reminder.Announced));
    return values;
}

// The array is written anew over the entries there (`old`, which follows what is written): a
// key keeps its line while its value stays, an unusable entry keeps its values as they are
// written, and keys the new array does not have go. An entry the file holds as it is to be
// written is not looked at again, so that a save costs what changed.
void WriteReminders(IniFile& file, const ProgramSettings& settings, EntryMap& old)
{
    std::vector<UnusableReminder> unusable = settings.Unusable;
    std::stable_sort(unusable.begin(), unusable.end(), [](const auto& a, const auto& b) { return a.Place < b.Place; });
    const size_t count = settings.Reminders.size() + unusable.size();
    size_t used = 0;
    size_t kept = 0;
    for (size_t place = 0; place < count; ++place) {
        const int number = static_cast<int>(place) + 1;
        const bool isUnusable = kept < unusable.size()
            && (unusable[kept].Place <= place || used == settings.Reminders.size());
        const Reminder* reminder = isUnusable ? nullptr : &settings.Reminders[used++];
        const EntryValues values = isUnusable ? unusable[kept++].Values : WrittenValues(*reminder);
        const auto before = old.find(number);
        if (before != old.end() && before->second == values)
            continue;
        const QString prefix = QStringLiteral("%1/").arg(number);
        if (reminder) {
            // In the order a reminder's keys are written; a number is its own text (" 15" stays for 15).
            for (const QString& key : {u"day"_s, u"minutes"_s, u"enabled"_s, u"label"_s, u"announced"_s}) {
                if (values.contains(key))
                    file.SetValue(RemindersGroup, prefix + key, key == u"label"_s ? reminder->Label : values[key]);
            }
        } else {
            for (auto it = values.cbegin(); it != values.cend(); ++it)
                file.SetRaw(RemindersGroup, prefix + it.key(), it.value());
        }
        if (before != old.end()) {
            for (const QString& key : before->second.keys())
                if (!values.contains(key))
                    file.Remove(RemindersGroup, prefix + key);
        }
        EntryValues& now = old[number];
        now.clear();
        for (const QString& key : values.keys())
            now.insert(key, *file.Raw(RemindersGroup, prefix + key));
    }
    for (auto it = old.upper_bound(static_cast<int>(count)); it != old.end(); it = old.erase(it)) {
        for (const QString& key : it->second.keys())
            file.Remove(RemindersGroup, QStringLiteral("%1/").arg(it->first) + key);
    }
    file.SetValue(RemindersGroup, QStringLiteral("size"), QString::number(count));
}

// A 32-bit whole number as the program writes it ("12", "-3"), none for anything else.
std::optional<int32_t> Number32(QStringView text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && text == QString::number(number) ? std::optional(int32_t{number}) : std::nullopt;
}

// The keys of [MyStats]: "default/<stat ID>" for no character, "character<number>/<stat ID>"
// for a character. A key of any other shape is not the program's, and stays as it is.
struct StatKey
{
    std::optional<int32_t> Character;
    int32_t Stat = 0;
};

std::optional<StatKey> ReadStatKey(const QString& key)
{
    const qsizetype slash = key.indexOf(QLatin1Char('/'));
    const auto stat = Number32(QStringView(key).mid(slash + 1));
    if (slash < 0 || !stat)
        return std::nullopt;
    const QStringView whose = QStringView(key).left(slash);
    if (whose == QLatin1String("default"))
        return StatKey{std::nullopt, *stat};
    const auto character = whose.startsWith(QLatin1String("character")) ? Number32(whose.mid(9)) : std::nullopt;
    return character ? std::optional(StatKey{character, *stat}) : std::nullopt;
}

QString StatKeyName(std::optional<int32_t> character, int32_t stat)
{
    return (character ? QStringLiteral("character%1/").arg(*character) : QStringLiteral("default/"))
        + QString::number(stat);
}

void ReadFindItems(const IniFile& file, FindItemsSettings& window)
{
    const auto width = InRange(file.Value(FindItemsGroup, QStringLiteral("width")), 1, ScreenLimit);
    const auto height = InRange(file.Value(FindItemsGroup, QStringLiteral("height")), 1, ScreenLimit);
    if (width && height)
        window.Size = QSize(static_cast<int>(*width), static_cast<int>(*height));
    const QString columns = file.Value(FindItemsGroup, QStringLiteral("columns")).value_or(QString());
    for (const QString& column : columns.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const auto stat = InRange(column, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
        if (stat && std::find(window.StatColumns.begin(), window.StatColumns.end(), *stat) == window.StatColumns.end())
            window.StatColumns.push_back(static_cast<int32_t>(*stat));
    }
}

// The player's stats; a value that is not a 64-bit whole number is left out and said. A stat of
// 0 is the same as none.
void ReadMyStats(const IniFile& file, ProgramSettings& settings, QStringList& ignored)
{
    for (const QString& key : file.Keys(MyStatsGroup)) {
        const auto stat = ReadStatKey(key);
        if (!stat)
            continue;
        const Value value = file.Value(MyStatsGroup, key);
        const auto number = WholeNumber(value);
        if (!number) {
            //: A stat of the player's the settings file holds that is not used: %1 is its key in the file
            //: ("character3\12", it stays), %2 its value in quotes.
            ignored << QCoreApplication::translate("ProgramSettings", "[MyStats] %1 %2 is not a whole number")
                           .arg(QString(key).replace(QLatin1Char('/'), QLatin1Char('\\')), Shown(value));
        } else if (*number != 0) {
            (stat->Character ? settings.CharacterStats[*stat->Character] : settings.MyStats)[stat->Stat] = *number;
        }
    }
}

// Each set of stats as the file holds it now against the set to write: a stat whose value
// changed is set, a stat no longer given (or 0) goes. A set that is the same stays byte for
// byte, and so does a key whose value cannot be read, unless a value for its stat is written.
void WriteMyStats(IniFile& file, const ProgramSettings& settings)
{
    ProgramSettings before;
    QStringList unread;
    ReadMyStats(file, before, unread);
    const auto write = [&file](std::optional<int32_t> character, const StatValues& values, const StatValues& was) {
        for (const auto& [stat, value] : values) {
            const auto old = was.find(stat);
            if (value != 0 && (old == was.end() || old->second != value))
                file.SetValue(MyStatsGroup, StatKeyName(character, stat), QString::number(value));
        }
        for (const auto& [stat, value] : was) {
            if (const auto now = values.find(stat); now == values.end() || now->second == 0)
                file.Remove(MyStatsGroup, StatKeyName(character, stat));
        }
    };
    write(std::nullopt, settings.MyStats, before.MyStats);
    std::set<int32_t> characters;
    for (const auto& [character, values] : settings.CharacterStats)
        characters.insert(character);
    for (const auto& [character, values] : before.CharacterStats)
        characters.insert(character);
    const auto of = [](const std::map<int32_t, StatValues>& sets, int32_t character) {
        const auto found = sets.find(character);
        return found == sets.end() ? StatValues() : found->second;
    };
    for (const int32_t character : characters)
        write(character, of(settings.CharacterStats, character), of(before.CharacterStats, character));
}

} // namespace

QString UnusableReminder::Text(const QString& key) const
{
    return IniFile::Text(Values.value(key));
}

namespace {

SettingsReading Read(const IniFile& file, const EntryMap& entries, const Value& size)
{
    SettingsReading reading;
    ProgramSettings& settings = reading.Settings;
    const auto value = [&file](const char* group, const char* key) {
        return file.Value(QLatin1String(group), QLatin1String(key));
    };
    // A preference that cannot be used keeps its default, and is said.
    const Value keepRunning = value("Tray", "keepRunning");
    settings.KeepInTray = TrueOrFalse(keepRunning).value_or(false);
    if (keepRunning && !TrueOrFalse(keepRunning))
        reading.Ignored << QCoreApplication::translate("ProgramSettings",
                                                       "[Tray] keepRunning %1 is neither true nor false")
                               .arg(Shown(keepRunning));
    const Value colours = value("Preferences", "colours");
    const QString colourName = colours.value_or(QString()).trimmed().toLower();
    const auto* colour = std::find_if(std::begin(ColourNames), std::end(ColourNames),
                                      [&colourName](const char* name) { return colourName == QLatin1String(name); });
    if (colour != std::end(ColourNames))
        settings.Colours = static_cast<ColourChoice>(colour - std::begin(ColourNames));
    else if (colours)
        reading.Ignored << QCoreApplication::translate("ProgramSettings",
                                                       "[Preferences] colours %1 is not desktop, light or dark")
                               .arg(Shown(colours));
    const Value language = value("Preferences", "language");
    const QStringList languages = QStringList{QStringLiteral("en")} + Language::Shipped();
    const QString languageName = language.value_or(QString()).trimmed();
    if (const auto known = std::find_if(
            languages.begin(), languages.end(),
            [&languageName](const QString& name) { return languageName.compare(name, Qt::CaseInsensitive) == 0; });
        known != languages.end())
        settings.Language = *known;
    else if (!languageName.isEmpty())
        //: %1 is the value in quotes, %2 the list of the language codes the file takes (they stay).
        reading.Ignored << QCoreApplication::translate("ProgramSettings", "[Preferences] language %1 is not one of %2")
                               .arg(Shown(language), languages.join(QStringLiteral(", ")));
    settings.CompactClock.Visible = TrueOrFalse(value("CompactClock", "visible")).value_or(false);
    const auto x = InRange(value("CompactClock", "x"), -ScreenLimit, ScreenLimit);
    const auto y = InRange(value("CompactClock", "y"), -ScreenLimit, ScreenLimit);
    if (x && y)
        settings.CompactClock.Place = QPoint(static_cast<int>(*x), static_cast<int>(*y));
    ReadFindItems(file, settings.FindItems);
    ReadMyStats(file, settings, reading.Ignored);

    if (!size && entries.empty())
        return reading; // no reminders saved yet: the default one
    constexpr qlonglong MostEntries = std::numeric_limits<int>::max();
    if (size && WholeNumber(size) && !InRange(size, 0, MostEntries))
        //: %1 is the value of "size" in quotes, %2 the largest number of reminders the file can hold.
        reading.Ignored << QCoreApplication::translate("ProgramSettings",
                                                       "the number of reminders %1 is not from 0 to %2")
                               .arg(Shown(size), QString::number(MostEntries));
    else if (size && !WholeNumber(size))
        reading.Ignored << QCoreApplication::translate("ProgramSettings", "the number of reminders %1 is not a number")
                               .arg(Shown(size));
    const qsizetype settingLines = reading.Ignored.size();
    settings.Reminders.clear();
    settings.ReminderIds.clear();
    QList<int> beyond; // good entries past the first MaxReminders
    const QString more = QCoreApplication::translate("ProgramSettings", "more than %1 reminders").arg(MaxReminders);
    for (const auto& [number, values] : entries) {
        QString why;
        const auto reminder = ReadReminder(values, why, settings.Reminders.size() < size_t{MaxReminders});
        if (reminder && settings.Reminders.size() < size_t{MaxReminders}) {
            settings.Reminders.push_back(*reminder);
            settings.ReminderIds.push_back(settings.Reminders.size());
            continue;
        }
        if (reminder) {
            why = more;
            beyond << number;
        } else {
            //: An entry of the settings file that is not used: %1 is its number, %2 why.
            reading.Ignored << QCoreApplication::translate("ProgramSettings", "entry %1: %2").arg(number).arg(why);
        }
        settings.Unusable.push_back({values, why, settings.Reminders.size() + settings.Unusable.size()});
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
    if (settingLines == 0 && reading.Ignored.size() > 0)
        reading.About = SettingsReading::Kind::Reminders;
    return reading;
}

// The file as this program read or wrote it last: a read or a save of the same bytes starts
// from it instead of from the bytes, so that a large file costs its reading once.
struct KnownFile
{
    QString Path;
    QByteArray Bytes;
    IniFile File;
    EntryMap Entries; // of File's [Reminders]
    Value Size;       // [Reminders] size
    std::optional<SettingsReading> Reading;
    // The reminders and the entries not used the file holds, as read or as written.
    std::optional<ProgramSettings> Held;
    // Bytes not UTF-8 in the file as read, none in one this program wrote.
    bool NotUtf8 = File.NotUtf8();
};

std::mutex gLock; // over gKnown, and over each save from reading the file to replacing it
KnownFile gKnown;

KnownFile& Known(const QString& path, const QByteArray& bytes)
{
    if (gKnown.Path != path || gKnown.Bytes != bytes) {
        IniFile file(bytes);
        Value size;
        EntryMap entries = Entries(file, &size);
        gKnown = KnownFile{path, bytes, std::move(file), std::move(entries), size, std::nullopt, std::nullopt};
    }
    return gKnown;
}

const SettingsReading& KnownReading()
{
    if (!gKnown.Reading) {
        gKnown.Reading = Read(gKnown.File, gKnown.Entries, gKnown.Size);
        if (!gKnown.Held)
            gKnown.Held = gKnown.Reading->Settings;
    }
    return *gKnown.Reading;
}

bool SameReminders(const ProgramSettings& a, const ProgramSettings& b)
{
    return a.Reminders == b.Reminders && a.Unusable == b.Unusable;
}

// An entry of [Reminders] in a merge: a reminder (with its identity in the program, 0 for none)
// or an entry that is not used.
struct Entry
{
    std::optional<Reminder> Used;
    quint64 Id = 0;
    const UnusableReminder* Unused = nullptr;
};

std::vector<Entry> EntriesOf(const ProgramSettings& settings, bool withIds)
{
    std::vector<Entry> entries;
    for (size_t i = 0; i < settings.Reminders.size(); ++i)
        entries.push_back(
            {settings.Reminders[i], withIds && i < settings.ReminderIds.size() ? settings.ReminderIds[i] : 0, nullptr});
    std::vector<const UnusableReminder*> unusable;
    for (const UnusableReminder& entry : settings.Unusable)
        unusable.push_back(&entry);
    std::stable_sort(unusable.begin(), unusable.end(), [](auto* a, auto* b) { return a->Place < b->Place; });
    for (const UnusableReminder* entry : unusable)
        entries.insert(entries.begin() + qsizetype(std::min(entry->Place, entries.size())), {std::nullopt, 0, entry});
    return entries;
}

// What makes an entry the same entry on both sides: all but the start announced last.
QString Identity(const Entry& entry)
{
    if (entry.Used)
        return QStringLiteral("%1 %2 %3 ").arg(entry.Used->Day).arg(entry.Used->Minutes).arg(entry.Used->Enabled)
            + entry.Used->Label;
    QString text = u"-"_s;
    for (auto it = entry.Unused->Values.cbegin(); it != entry.Unused->Values.cend(); ++it)
        text += it.key() + QChar(0) + it.value() + QChar(0);
    return text;
}

// For each entry of `from`, the same entry of `to`, in order.
std::vector<std::optional<size_t>> Match(const std::vector<Entry>& from, const std::vector<Entry>& to)
{
    QHash<QString, std::deque<size_t>> places;
    for (size_t j = 0; j < to.size(); ++j)
        places[Identity(to[j])].push_back(j);
    std::vector<std::optional<size_t>> match(from.size());
    size_t next = 0;
    for (size_t i = 0; i < from.size(); ++i) {
        std::deque<size_t>& found = places[Identity(from[i])];
        while (!found.empty() && found.front() < next)
            found.pop_front();
        if (!found.empty()) {
            match[i] = found.front();
            next = found.front() + 1;
            found.pop_front();
        }
    }
    return match;
}

// The reminders of `mine`, made from `base`, merged with `theirs`, what another writer made of
// `base` in the file meanwhile. An entry is known by all its values but the start announced last,
// a reminder changed here by its identity as well (`base` carries the identities `mine` has); a
// reminder changed in the file where it stood is that reminder edited there. An entry changed or
// removed in the file goes for the file's version, and one added there comes in after the entry it
// follows there; an entry this program changed, added or removed is so where the file left that
// entry as it was. The start announced last is the side's that changed it, the later of the two
// where both did, so that neither a renamed reminder nor a start is announced twice.
ProgramSettings Merged(const ProgramSettings& base, const ProgramSettings& theirs, const ProgramSettings& mine)
{
    const std::vector<Entry> was = EntriesOf(base, true), file = EntriesOf(theirs, false), own = EntriesOf(mine, true);
    auto wasInFile = Match(was, file);
    auto ownWas = Match(own, was);
    // A reminder changed here is the one of the base with its identity, unless another entry here is that one.
    for (size_t m = 0; m < own.size(); ++m) {
        const auto same = std::find_if(was.begin(), was.end(), [&](const Entry& e) { return e.Id == own[m].Id; });
        const auto b = size_t(same - was.begin());
        if (!ownWas[m] && own[m].Id && same != was.end() && std::find(ownWas.begin(), ownWas.end(), b) == ownWas.end())
            ownWas[m] = b;
    }
    std::vector<std::optional<size_t>> fileWas(file.size());
    for (size_t b = 0; b < was.size(); ++b)
        if (wasInFile[b])
            fileWas[*wasInFile[b]] = b;
    // A reminder changed in the file where it stood is that reminder edited there.
    std::vector<bool> edited(was.size());
    for (size_t b = 0; b < was.size() && b < file.size(); ++b) {
        if (!wasInFile[b] && !fileWas[b] && was[b].Used && file[b].Used) {
            wasInFile[b] = b;
            fileWas[b] = b;
            edited[b] = true;
        }
    }
    const auto changed = [&](size_t f, size_t b) {
        return edited[b] || (file[f].Used && file[f].Used->Announced != was[b].Used->Announced);
    };
    std::list<Entry> merged;
    std::vector<std::list<Entry>::iterator> placed(file.size(), merged.end());
    for (size_t m = 0; m < own.size(); ++m) {
        if (!ownWas[m]) {
            merged.push_back(own[m]); // added or changed here
            continue;
        }
        const auto f = wasInFile[*ownWas[m]];
        if (!f)
            continue; // changed or removed in the file
        const size_t b = *ownWas[m];
        Entry entry = own[m];
        if (edited[b])
            entry.Used = file[*f].Used; // keeping the identity it has here
        if (entry.Used && changed(*f, b)) {
            // A start announced for another day than the entry's now is no start of it.
            const auto of = [&](const Entry& side) {
                return side.Used->Day == entry.Used->Day ? side.Used->Announced : was[b].Used->Announced;
            };
            const auto mine = of(own[m]), theirs = of(file[*f]);
            entry.Used->Announced = mine == was[b].Used->Announced ? theirs
                : theirs == was[b].Used->Announced                 ? mine
                                                                   : std::max(mine, theirs);
        }
        placed[*f] = merged.insert(merged.end(), entry);
    }
    auto after = merged.begin();
    for (size_t f = 0; f < file.size(); ++f) {
        if (placed[f] != merged.end()) {
            after = std::next(placed[f]);
        } else if (!fileWas[f] || changed(f, *fileWas[f])) {
            // Added or changed in the file, or announced there since where this program removed it.
            after = std::next(merged.insert(after, file[f]));
        }
    }
    ProgramSettings result = mine;
    result.Reminders.clear();
    result.ReminderIds.clear();
    result.Unusable.clear();
    quint64 nextId = 1;
    for (const quint64 id : mine.ReminderIds)
        nextId = std::max(nextId, id + 1);
    for (const Entry& entry : merged) {
        const size_t place = result.Reminders.size() + result.Unusable.size();
        if (entry.Used && result.Reminders.size() < size_t{MaxReminders}) {
            result.Reminders.push_back(*entry.Used);
            result.ReminderIds.push_back(entry.Id ? entry.Id : nextId++);
        } else if (entry.Used) {
            result.Unusable.push_back(
                {WrittenValues(*entry.Used),
                 QCoreApplication::translate("ProgramSettings", "more than %1 reminders").arg(MaxReminders), place});
        } else {
            result.Unusable.push_back(*entry.Unused);
            result.Unusable.back().Place = place;
        }
    }
    return result;
}

} // namespace

SettingsReading ReadSettings()
{
    const QString path = SettingsPath();
    QByteArray bytes;
    if (const auto reason = ReadBytes(path, bytes)) {
        SettingsReading reading;
        reading.Ignored
            << QCoreApplication::translate("ProgramSettings", "the file could not be read: %1").arg(*reason);
        reading.About = SettingsReading::Kind::Unread;
        return reading;
    }
    const std::lock_guard lock(gLock);
    Known(path, bytes);
    return KnownReading();
}

ProgramSettings WriteSettings(const ProgramSettings& settings, SettingsGroups groups, const ProgramSettings* base)
{
    const QString path = SettingsPath();
    auto fail = [&path](const QString& reason) {
        throw KelvaraError(QCoreApplication::translate("Files", "Cannot write \"%1\": %2")
                               .arg(QDir::toNativeSeparators(path), reason));
    };
    // Every line the program does not set is written as it is: a file that cannot be read
    // is not written either.
    const std::lock_guard lock(gLock);
    QByteArray bytes;
    if (const auto reason = ReadBytes(path, bytes))
        fail(*reason);
    KnownFile& known = Known(path, bytes);
    IniFile& file = known.File;
    if (known.NotUtf8) {
        // Kept aside like any file the program saves, whole, and beside the copies kept
        // before (.damaged, .damaged.2, ...) unless it is one of them.
        const auto keeps = [&bytes](const QString& name) {
            QFile copy;
            return !OpenRegularFile(copy, name) && copy.readAll() == bytes;
        };
        QString aside = path + QStringLiteral(".damaged");
        for (int number = 2; QFileInfo::exists(aside) && !keeps(aside); ++number)
            aside = path + QStringLiteral(".damaged.%1").arg(number);
        if (const auto reason = SaveFileAtomically(aside, bytes))
            //: Why the settings file is not saved: it has lines that are not UTF-8, and the copy of it failed.
            fail(QCoreApplication::translate("ProgramSettings", "it is not all UTF-8, and could not be kept aside: %1")
                     .arg(*reason));
    }
    // From here the file known is changed as the file will be: a save that fails forgets it.
    struct Forget
    {
        bool Saved = false;
        ~Forget()
        {
            if (!Saved)
                gKnown = KnownFile();
        }
    } forget;
    ProgramSettings written = settings;
    if (groups.testFlag(SettingsGroup::Reminders)) {
        if (!known.Held)
            KnownReading();
        if (base && !SameReminders(*base, *known.Held))
            written = Merged(*base, *known.Held, settings);
        WriteReminders(file, written, known.Entries);
        known.Size = file.Value(RemindersGroup, u"size"_s);
    }
    const auto set = [&file](const char* group, const char* key, const QString& value) {
        file.SetValue(QLatin1String(group), QLatin1String(key), value);
    };
    const auto truth = [](bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); };
    if (groups.testFlag(SettingsGroup::Preferences)) {
        set("Tray", "keepRunning", truth(settings.KeepInTray));
        set("Preferences", "colours", QLatin1String(ColourNames[static_cast<int>(settings.Colours)]));
        set("Preferences", "language", settings.Language);
    }
    if (groups.testFlag(SettingsGroup::CompactClock)) {
        const CompactClockSettings& clock = settings.CompactClock;
        set("CompactClock", "visible", truth(clock.Visible));
        for (const auto& [key, value] :
             {std::pair{"x", clock.Place ? std::optional(clock.Place->x()) : std::nullopt},
              std::pair{"y", clock.Place ? std::optional(clock.Place->y()) : std::nullopt}}) {
            value ? set("CompactClock", key, QString::number(*value))
                  : file.Remove(QStringLiteral("CompactClock"), QLatin1String(key));
        }
    }
    if (groups.testFlag(SettingsGroup::FindItems)) {
        const FindItemsSettings& window = settings.FindItems;
        for (const auto& [key, value] :
             {std::pair{"width", window.Size ? std::optional(window.Size->width()) : std::nullopt},
              std::pair{"height", window.Size ? std::optional(window.Size->height()) : std::nullopt}}) {
            value ? set("FindItems", key, QString::number(*value)) : file.Remove(FindItemsGroup, QLatin1String(key));
        }
        QStringList columns;
        for (const int32_t stat : window.StatColumns)
            columns << QString::number(stat);
        columns.isEmpty() ? file.Remove(FindItemsGroup, QStringLiteral("columns"))
                          : set("FindItems", "columns", columns.join(QLatin1Char(',')));
    }
    if (groups.testFlag(SettingsGroup::MyStats))
        WriteMyStats(file, settings);
    QByteArray now = file.Bytes();
    if (const auto reason = SaveFileAtomically(path, now))
        fail(*reason);
    known.Bytes = std::move(now);
    known.NotUtf8 = false;
    known.Reading.reset();
    if (groups.testFlag(SettingsGroup::Reminders))
        known.Held = written;
    forget.Saved = true;
    return written;
}
