#pragma once

#include "clock/reminders.h"

#include <QStringList>

#include <vector>

// The program's own settings in kelvara-utility.ini (SettingsFileName in the program
// folder), an INI file read and written with QSettings:
//   [Reminders]  an array of day, minutes, enabled, label and announced (the last start
//                announced, seconds since the epoch)
//   [Tray]       keepRunning: closing the main window keeps the program in the tray
// Other groups of the file belong to other parts of the program and are kept.

struct ProgramSettings
{
    // Without the file, or without its Reminders array: one reminder, day 15, 10 minutes, on, "Good moon".
    std::vector<Reminder> Reminders = {Reminder()};
    bool KeepInTray = false;

    bool operator==(const ProgramSettings&) const = default;
};

// At most this many reminders are read; the rest of the array is ignored.
inline constexpr int MaxReminders = 100;
// Labels are cut to this many characters.
inline constexpr int MaxReminderLabel = 100;

struct SettingsReading
{
    ProgramSettings Settings;
    // What was ignored, one line each for the player ("entry 3: day 40 is not from 1
    // to 28"). Empty when everything was understood.
    QStringList Ignored;
};

// Reads the settings file. Never fails: what cannot be read or is out of range is
// left out, entry by entry, and listed in Ignored.
SettingsReading ReadSettings();

// Writes the reminders and the tray setting, replacing the file in one step; the
// file's other groups stay. A file that could not be read whole is first moved aside
// to kelvara-utility.ini.damaged, and what could be read of it is written anew.
// Throws KelvaraError naming the file when it cannot be written.
void WriteSettings(const ProgramSettings& settings);
