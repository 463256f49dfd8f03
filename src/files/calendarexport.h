// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock/daystart.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// The coming starts of a game day as an iCalendar file, for the calendar the player
// already uses: one event per start, lasting one game day (80 real minutes).

// The event's title: "Kelvara: good moon (day 15)" for day 15, "Kelvara: day 7" otherwise.
QString CalendarSummary(int day);

// The identity of the event of one start, made of the game date that begins then
// ("03/15/0004" gives "kelvara-0004-03-15@kelvara-utility"): a calendar that imports a
// later file, even after the clock was set again and the starts moved, updates the events
// instead of doubling them. A year past 9999 or before 0 is written modulo 10000
// ("03/15/12345" gives "kelvara-2345-03-15@kelvara-utility").
QString CalendarUid(const QString& gameDate);

// The iCalendar text (VCALENDAR with one VEVENT per start, times in UTC). With a
// reminder lead, each event carries an alarm that many minutes before it begins.
// `stamp` is the moment the events are made (their DTSTAMP).
QByteArray CalendarText(const std::vector<DayStart>& starts, int day, std::optional<int> remindMinutes,
                        const QDateTime& stamp);

// Writes that text to `path`, replacing the file in one step. Throws KelvaraError naming
// the file and the reason when it cannot be written; the file then stays as it was.
void ExportCalendar(const QString& path, const std::vector<DayStart>& starts, int day, std::optional<int> remindMinutes,
                    const QDateTime& stamp);

// The version of the iCalendar library (libical) the program was built with; the library
// has no way to tell its own at run time.
QString CalendarLibraryVersion();
