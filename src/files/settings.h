// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock/reminders.h"

#include <QFlags>
#include <QMap>
#include <QPoint>
#include <QSize>
#include <QStringList>

#include <map>
#include <vector>

// The program's own settings in kelvara-utility.ini (SettingsFileName in the program
// folder), an INI file read and written through IniFile, and only here. It holds groups:
//   [Reminders]     an array of day, minutes, enabled, label and announced (the last start
//                   announced, seconds since the epoch)
//   [Tray]          keepRunning: closing the main window keeps the program in the tray
//   [Preferences]   colours: desktop, light or dark
//   [CompactClock]  visible, x, y: whether the compact clock is shown and where
//   [FindItems]     width, height, columns: the Find Items window's size and its stat columns
//   [MyStats]       the player's stats for "only items I can use": one set, and one per character
// Every write changes only the lines of the keys of the groups it names; every other line,
// comments and keys the program does not know among them, stays byte for byte.

// An entry of [Reminders] that could not be used. It is never checked or announced, and
// it stays in the file with its keys and values as they were read until the player changes
// or removes it in the Reminders window.
struct UnusableReminder
{
    QMap<QString, QString> Values; // the entry's keys and values as the file writes them ("day" -> "\"40\"")
    QString Why;                   // "day "40" is not from 1 to 28"
    size_t Place = 0;              // where it stands among all the entries, counted from 0

    // The text a value stands for ("40"); empty without the key.
    QString Text(const QString& key) const;

    bool operator==(const UnusableReminder&) const = default;
};

struct CompactClockSettings
{
    bool Visible = false;
    // Where it was dragged last; none when it never was.
    std::optional<QPoint> Place;

    bool operator==(const CompactClockSettings&) const = default;
};

// The Find Items window as the player left it.
struct FindItemsSettings
{
    // Its size; none when it was never resized.
    std::optional<QSize> Size;
    // The stats shown as columns (requirement, mod 0 and mod 1 each), by stat ID, in order.
    std::vector<int32_t> StatColumns;

    bool operator==(const FindItemsSettings&) const = default;
};

// The player's value of each stat, by stat ID; a stat not given counts as 0.
using StatValues = std::map<int32_t, qint64>;

// The program's colours: the desktop's light or dark preference, or one of them always.
enum class ColourChoice { Desktop, Light, Dark };

struct ProgramSettings
{
    // [Reminders].
    // Without the file, or without its Reminders array: one reminder, day 15, 10 minutes, on, "Good moon".
    std::vector<Reminder> Reminders = {Reminder()};
    // Who each of Reminders is, in the same order: a number that stays with a reminder
    // while the list around it changes (the Reminders window carries it through). A
    // reminder without one here is new.
    std::vector<quint64> ReminderIds = {1};
    // The entries that could not be used, by their places.
    std::vector<UnusableReminder> Unusable;
    // [Tray] and [Preferences], written together (the Preferences window edits both).
    bool KeepInTray = false;
    ColourChoice Colours = ColourChoice::Desktop;
    // The language of the windows from the next start: empty for the desktop's, else "en"
    // or a language of Language::Shipped().
    QString Language;
    // [CompactClock]
    CompactClockSettings CompactClock;
    // [FindItems]
    FindItemsSettings FindItems;
    // [MyStats]: the set for no character, and a set per character number.
    StatValues MyStats;
    std::map<int32_t, StatValues> CharacterStats;

    bool operator==(const ProgramSettings&) const = default;
};

// At most this many reminders are used; later entries are kept as unusable.
inline constexpr int MaxReminders = 100;
// Labels are cut to this many UTF-16 units, or fewer where the cut would part a character
// (an emoji, a letter and its accent).
inline constexpr int MaxReminderLabel = 100;

struct SettingsReading
{
    ProgramSettings Settings;
    // What was not used, one line each for the player ("entry 3: day 40 is not from 1
    // to 28"). Empty when everything was understood.
    QStringList Ignored;
    // What Ignored tells of: the file could not be read at all, only entries of [Reminders]
    // that are not used, or other settings as well.
    enum class Kind { Settings, Reminders, Unread };
    Kind About = Kind::Settings;
};

// Reads the settings file. Never fails: what cannot be read or is out of range is
// left out, entry by entry, and listed in Ignored. A file that is not a regular file, or
// that may not be read, is not read at all. An announced start outside the years 1 to
// 9999 counts as never announced, a compact clock place off any possible screen as never
// placed, a keepRunning or colours that cannot be used as its default (false, desktop).
SettingsReading ReadSettings();

enum class SettingsGroup {
    Reminders = 0x1,    // [Reminders]
    CompactClock = 0x2, // [CompactClock]
    Preferences = 0x4,  // [Tray] and [Preferences]
    FindItems = 0x8,    // [FindItems]
    MyStats = 0x10      // [MyStats]
};
Q_DECLARE_FLAGS(SettingsGroups, SettingsGroup)
Q_DECLARE_OPERATORS_FOR_FLAGS(SettingsGroups)

// Writes the named groups of `settings`, replacing the file in one step; every other line
// of the file stays as it was. Only a regular file (or a link to one) is replaced. A file
// with lines that are not UTF-8 (read as Windows-1252, and written as that text in UTF-8)
// is first kept aside whole as kelvara-utility.ini.damaged (or .damaged.2, ... beside the
// copies kept before). Throws KelvaraError naming the file when it cannot be read or written.
// With `base`, the settings `settings` were made from (as read, or as this returned them last),
// the reminders are merged with what another writer (an editor, the player) changed in the
// file since: see Merged in settings.cpp. Returns the settings as written, the merged reminders
// with them. Saves are made one at a time, from any thread.
ProgramSettings WriteSettings(const ProgramSettings& settings, SettingsGroups groups,
                              const ProgramSettings* base = nullptr);
