#include "settings.h"

#include "core/kelvaraerror.h"
#include "oxlfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

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

std::optional<bool> TrueOrFalse(const QVariant& value)
{
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return std::nullopt;
}

QString Shown(const QVariant& value)
{
    if (!value.isValid())
        return QStringLiteral("missing");
    return QLatin1Char('"') + value.toString().left(20) + QLatin1Char('"');
}

// One entry of the array; a value out of range leaves the entry out and says why.
std::optional<Reminder> ReadReminder(const QSettings& file, const QString& prefix, QString& why)
{
    Reminder reminder;
    const QVariant day = file.value(prefix + QStringLiteral("day"));
    const QVariant minutes = file.value(prefix + QStringLiteral("minutes"));
    const QVariant enabled = file.value(prefix + QStringLiteral("enabled"), true);
    const auto dayNumber = WholeNumber(day);
    const auto minuteNumber = WholeNumber(minutes);
    const auto on = TrueOrFalse(enabled);
    if (!dayNumber || *dayNumber < 1 || *dayNumber > 28) {
        why = QStringLiteral("day %1 is not from 1 to 28").arg(Shown(day));
        return std::nullopt;
    }
    if (!minuteNumber || *minuteNumber < 0 || *minuteNumber > MaxReminderMinutes) {
        why = QStringLiteral("minutes %1 is not from 0 to %2").arg(Shown(minutes)).arg(MaxReminderMinutes);
        return std::nullopt;
    }
    if (!on) {
        why = QStringLiteral("enabled %1 is neither true nor false").arg(Shown(enabled));
        return std::nullopt;
    }
    reminder.Day = static_cast<int>(*dayNumber);
    reminder.Minutes = static_cast<int>(*minuteNumber);
    reminder.Enabled = *on;
    // A label typed by hand with a comma and no quotes reads as a list of texts.
    const QVariant label = file.value(prefix + QStringLiteral("label"));
    reminder.Label = (label.typeId() == QMetaType::QStringList ? label.toStringList().join(QStringLiteral(", "))
                                                               : label.toString())
                         .left(MaxReminderLabel);
    // A start that cannot be read was never announced: at worst it is announced once more.
    reminder.Announced = WholeNumber(file.value(prefix + QStringLiteral("announced")));
    return reminder;
}

} // namespace

SettingsReading ReadSettings()
{
    SettingsReading reading;
    const QSettings file(SettingsPath(), QSettings::IniFormat);
    // QSettings reads the file at the first question; its status tells afterwards.
    if (file.allKeys(), file.status() != QSettings::NoError)
        reading.Ignored << QStringLiteral("the file could not be read whole");
    reading.Settings.KeepInTray = TrueOrFalse(file.value(QStringLiteral("Tray/keepRunning"))).value_or(false);

    const QVariant sizeValue = file.value(QStringLiteral("Reminders/size"));
    if (!sizeValue.isValid())
        return reading; // no reminders saved yet: the default one
    const auto size = WholeNumber(sizeValue);
    if (!size || *size < 0) {
        reading.Ignored << QStringLiteral("the number of reminders %1 is not a number").arg(Shown(sizeValue));
        return reading;
    }
    reading.Settings.Reminders.clear();
    const int count = static_cast<int>(std::min<qlonglong>(*size, MaxReminders));
    for (int i = 1; i <= count; ++i) {
        QString why;
        if (auto reminder = ReadReminder(file, QStringLiteral("Reminders/%1/").arg(i), why))
            reading.Settings.Reminders.push_back(*reminder);
        else
            reading.Ignored << QStringLiteral("entry %1: %2").arg(i).arg(why);
    }
    if (*size > MaxReminders)
        reading.Ignored << QStringLiteral("entries %1 to %2: more than %3 reminders")
                               .arg(MaxReminders + 1)
                               .arg(*size)
                               .arg(MaxReminders);
    return reading;
}

void WriteSettings(const ProgramSettings& settings)
{
    const QString path = SettingsPath();
    auto fail = [&path](const QString& reason) {
        throw KelvaraError(QStringLiteral("Cannot write \"%1\": %2").arg(QDir::toNativeSeparators(path), reason));
    };
    const QFileInfo info(path);
    if (info.isDir())
        fail(QStringLiteral("it is a folder"));

    // QSettings keeps the first error it meets: after a file it could not read whole,
    // a failed write would go unnoticed. Such a file is kept aside, whole, and what
    // could be read of it goes into a new one.
    QVariantMap carried;
    bool damaged = false;
    {
        const QSettings current(path, QSettings::IniFormat);
        const QStringList keys = current.allKeys();
        damaged = current.status() != QSettings::NoError;
        for (const QString& key : damaged ? keys : QStringList())
            carried.insert(key, current.value(key));
    }
    if (damaged) {
        const QString aside = path + QStringLiteral(".damaged");
        QFile::remove(aside);
        if (!QFile::rename(path, aside))
            fail(QStringLiteral("it could not be read and could not be moved aside"));
    }

    // QSettings writes the whole file anew through a temporary file that then takes
    // its place, with the groups it did not touch as they were.
    QSettings file(path, QSettings::IniFormat);
    for (auto it = carried.cbegin(); it != carried.cend(); ++it)
        file.setValue(it.key(), it.value());
    file.remove(QStringLiteral("Reminders"));
    file.beginWriteArray(QStringLiteral("Reminders"), static_cast<int>(settings.Reminders.size()));
    for (size_t i = 0; i < settings.Reminders.size(); ++i) {
        const Reminder& reminder = settings.Reminders[i];
        file.setArrayIndex(static_cast<int>(i));
        file.setValue(QStringLiteral("day"), reminder.Day);
        file.setValue(QStringLiteral("minutes"), reminder.Minutes);
        file.setValue(QStringLiteral("enabled"), reminder.Enabled);
        file.setValue(QStringLiteral("label"), reminder.Label);
        if (reminder.Announced)
            file.setValue(QStringLiteral("announced"), qlonglong{*reminder.Announced});
    }
    file.endArray();
    file.setValue(QStringLiteral("Tray/keepRunning"), settings.KeepInTray);
    file.sync();
    if (file.status() != QSettings::NoError) {
        // QSettings keeps the system's reason to itself; the folder tells the usual one.
        fail(QFileInfo(info.absolutePath()).isWritable() ? QStringLiteral("the file could not be replaced")
                                                         : QStringLiteral("Permission denied"));
    }
}
