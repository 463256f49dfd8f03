// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file reader on any file contents: it never fails, what it uses is in
// range; every save goes through, a re-read gives what was saved (the entries it could
// not use included, which stay as they were), a second save changes nothing, and the
// lines without a key (comments, groups, lines not understood) all stay, in their order.
#include "fuzzkit.h"

#include "files/settings.h"

#include "core/kelvaraerror.h"

#include <QDir>
#include <QStringDecoder>

#include <algorithm>
#include <set>

namespace {

// The file's lines, each without its line end (LF, CR LF or a lone CR); a line that is not
// UTF-8 as the Windows-1252 text it is read as, but for the byte order mark the file starts with.
QList<QByteArray> Lines(const QByteArray& bytes)
{
    QList<QByteArray> lines = QByteArray(bytes).replace("\r\n", "\n").replace('\r', '\n').split('\n');
    for (QByteArray& line : lines) {
        const qsizetype bom = &line == &lines.front() && line.startsWith("\xef\xbb\xbf") ? 3 : 0;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8(line.mid(bom)); // decoded when made a text
        if (utf8.hasError())
            line = line.left(bom) + Cp1252::Decode(line.mid(bom)).toUtf8();
    }
    return lines;
}

QByteArray Saved(const ProgramSettings& settings)
{
    try {
        WriteSettings(settings,
                      SettingsGroup::Reminders | SettingsGroup::CompactClock | SettingsGroup::Preferences
                          | SettingsGroup::FindItems | SettingsGroup::MyStats);
    } catch (const KelvaraError& error) {
        fuzzkit::Check(false, "a save that goes through", error.message());
    }
    QFile file(fuzzkit::Folder() + QLatin1Char('/') + QLatin1String(SettingsFileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace fuzzkit;
    // Each input starts without the copies kept aside of the damaged files before it.
    QDir folder(Folder());
    for (const QString& name : folder.entryList({QStringLiteral("*.damaged*")}, QDir::Files))
        folder.remove(name);
    PutFile(SettingsFileName, QByteArrayView(data, qsizetype(size)));
    const SettingsReading read = ReadSettings();
    const ProgramSettings& settings = read.Settings;
    Check(settings.Reminders.size() <= size_t{MaxReminders}, "at most 100 reminders");
    for (const Reminder& r : settings.Reminders) {
        Check(r.Day >= 1 && r.Day <= 28 && r.Minutes >= 0 && r.Minutes <= MaxReminderMinutes
                  && r.Label.size() <= MaxReminderLabel && r.Label.isValidUtf16()
                  && (!r.Announced || (*r.Announced >= -62'135'596'800 && *r.Announced <= 253'402'300'799)),
              "a reminder in range", r.Label);
    }
    const auto place = settings.CompactClock.Place;
    Check(!place || (qAbs(place->x()) <= 32767 && qAbs(place->y()) <= 32767), "a place on a possible screen");
    const QSize window = settings.FindItems.Size.value_or(QSize(1, 1));
    Check(qMin(window.width(), window.height()) >= 1 && qMax(window.width(), window.height()) <= 32767, "a size");
    const std::vector<int32_t>& columns = settings.FindItems.StatColumns;
    Check(std::set<int32_t>(columns.begin(), columns.end()).size() == columns.size(), "each stat column once");
    const auto given = [](const StatValues& values) {
        return std::none_of(values.begin(), values.end(), [](const auto& stat) { return stat.second == 0; });
    };
    Check(given(settings.MyStats), "only stats given and not 0");
    for (const auto& [character, values] : settings.CharacterStats)
        Check(!values.empty() && given(values), "only stats given and not 0", QString::number(character));
    const QByteArray saved = Saved(settings);
    const SettingsReading again = ReadSettings();
    // Only what concerned the whole file (the array's size, a preference written anew) is gone: the entries
    // and the stats that could not be used stay.
    Check(again.Settings == settings
              && again.Ignored.filter(QRegularExpression(QStringLiteral("^(entr|\\[MyStats\\])"))) == again.Ignored,
          "the settings read back", again.Ignored.join(QLatin1Char('\n')));
    Check(Saved(again.Settings) == saved, "a second save that changes nothing");
    const QList<QByteArray> after = Lines(saved);
    qsizetype at = 0;
    for (const QByteArray& line : Lines(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)))) {
        if (line.contains('='))
            continue;
        while (at < after.size() && after[at] != line)
            ++at;
        Check(at++ < after.size(), "a line without a key kept", QString::fromUtf8(line));
    }
    return 0;
}
