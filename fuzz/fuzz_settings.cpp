// The settings file reader on any file contents: it never fails, what it uses is in
// range, and everything it read (the entries it could not use included, which stay as
// they were) is written and read back unchanged.
#include "fuzzkit.h"

#include "files/settings.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace fuzzkit;
    // Each input starts without the copies kept aside of the damaged files before it.
    QDir folder(Folder());
    for (const QString& name : folder.entryList({QStringLiteral("*.damaged*")}, QDir::Files))
        folder.remove(name);
    PutFile(SettingsFileName, data, size);
    const SettingsReading read = ReadSettings();
    const ProgramSettings& settings = read.Settings;
    Check(settings.Reminders.size() <= size_t{MaxReminders}, "at most 100 reminders");
    for (const Reminder& r : settings.Reminders) {
        Check(r.Day >= 1 && r.Day <= 28 && r.Minutes >= 0 && r.Minutes <= MaxReminderMinutes
                  && r.Label.size() <= MaxReminderLabel
                  && (!r.Announced || (*r.Announced >= -62'135'596'800 && *r.Announced <= 253'402'300'799)),
              "a reminder in range", r.Label);
    }
    const auto place = settings.CompactClock.Place;
    Check(!place || (qAbs(place->x()) <= 32767 && qAbs(place->y()) <= 32767), "a place on a possible screen");
    WriteSettings(settings, SettingsGroup::Reminders | SettingsGroup::CompactClock | SettingsGroup::Preferences);
    const SettingsReading again = ReadSettings();
    // Only what concerned the whole file (a damaged line, the array's size, a preference
    // written anew) is gone.
    Check(again.Settings == settings
              && again.Ignored.filter(QRegularExpression(QStringLiteral("^entr"))) == again.Ignored,
          "the settings read back", again.Ignored.join(QLatin1Char('\n')));
    return 0;
}
