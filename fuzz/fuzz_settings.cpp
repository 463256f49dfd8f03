// The settings file reader on any file contents: it never fails, what it keeps is in
// range, and what it keeps is written and read back unchanged with nothing ignored.
#include "fuzzkit.h"

#include "files/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace fuzzkit;
    PutFile(SettingsFileName, data, size);
    const SettingsReading read = ReadSettings();
    const auto& reminders = read.Settings.Reminders;
    Check(reminders.size() <= size_t{MaxReminders}, "at most 100 reminders");
    for (const Reminder& r : reminders) {
        Check(r.Day >= 1 && r.Day <= 28 && r.Minutes >= 0 && r.Minutes <= MaxReminderMinutes
                  && r.Label.size() <= MaxReminderLabel,
              "a reminder in range", r.Label);
    }
    WriteSettings(read.Settings);
    const SettingsReading again = ReadSettings();
    Check(again.Settings == read.Settings && again.Ignored.isEmpty(), "the settings read back",
          again.Ignored.join(QLatin1Char('\n')));
    return 0;
}
