// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendarexport.h"

#include "clock/gamecalendar.h"
#include "core/atomicsave.h"
#include "core/kelvaraerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <libical/ical.h>

#include <memory>

namespace {

struct ComponentFree
{
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype Utc(int64_t instant)
{
    return icaltime_from_timet_with_zone(static_cast<time_t>(instant), 0, icaltimezone_get_utc_timezone());
}

} // namespace

QString CalendarSummary(int day)
{
    return day == 15 ? QStringLiteral("Kelvara: good moon (day 15)") : QStringLiteral("Kelvara: day %1").arg(day);
}

QString CalendarUid(const QString& gameDate)
{
    // MM/DD/YYYY, taken apart at its slashes. A year of other than four digits (past 9999,
    // before 0) is written modulo 10000, so that the UID keeps its form.
    const qlonglong year = gameDate.section(QLatin1Char('/'), 2).trimmed().toLongLong();
    return QStringLiteral("kelvara-%1-%2-%3@kelvara-utility")
        .arg((year % 10000 + 10000) % 10000, 4, 10, QLatin1Char('0'))
        .arg(gameDate.left(2), gameDate.mid(3, 2));
}

QByteArray CalendarText(const std::vector<DayStart>& starts, int day, std::optional<int> remindMinutes,
                        const QDateTime& stamp)
{
    const Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Kelvara Utility//Upcoming Days//EN"));
    const QByteArray summary = CalendarSummary(day).toUtf8();
    for (const DayStart& start : starts) {
        icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(event, icalproperty_new_uid(CalendarUid(start.GameDate).toUtf8().constData()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(Utc(stamp.toSecsSinceEpoch())));
        icalcomponent_add_property(event, icalproperty_new_dtstart(Utc(start.Instant)));
        icalcomponent_add_property(event, icalproperty_new_dtend(Utc(start.Instant + RealSecondsPerGameDay)));
        icalcomponent_add_property(event, icalproperty_new_summary(summary.constData()));
        icalcomponent_add_property(
            event,
            icalproperty_new_description(QStringLiteral("Game date %1").arg(start.GameDate).toUtf8().constData()));
        if (remindMinutes) {
            icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
            icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
            icalcomponent_add_property(alarm, icalproperty_new_description(summary.constData()));
            icaltriggertype trigger = {};
            trigger.time = icaltime_null_time();
            trigger.duration = icaldurationtype_from_int(-*remindMinutes * 60);
            icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
            icalcomponent_add_component(event, alarm);
        }
        icalcomponent_add_component(calendar.get(), event);
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    const QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}

void ExportCalendar(const QString& path, const std::vector<DayStart>& starts, int day, std::optional<int> remindMinutes,
                    const QDateTime& stamp)
{
    if (const auto reason = SaveFileAtomically(path, CalendarText(starts, day, remindMinutes, stamp)))
        throw KelvaraError(QCoreApplication::translate("Files", "Cannot write \"%1\": %2")
                               .arg(QDir::toNativeSeparators(path), *reason));
}

QString CalendarLibraryVersion()
{
    return QStringLiteral("%1.%2.%3").arg(ICAL_MAJOR_VERSION).arg(ICAL_MINOR_VERSION).arg(ICAL_PATCH_VERSION);
}
