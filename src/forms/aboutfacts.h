// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>

#include <optional>
#include <utility>
#include <variant>

// What the About window tells, for a bug report: the program's and its libraries'
// versions, where its files are, and what the game database holds. No widgets here.
struct AboutFacts
{
    QString Version;
    QString QtVersion;       // the Qt library in use, as it tells at run time
    QString DatabaseLibrary; // mdbtools, as it tells at run time
    QString CalendarLibrary; // libical, as the program was built with it
    QString ProgramFolder;
    QString DatabasePath;
    QString SettingsPath;
    std::optional<qint64> DatabaseSize; // none when the file is missing
    QDateTime DatabaseModified;
    // The rows of tblStat, tblItem and tblRank, or why the table could not be read.
    using Count = std::variant<qint64, QString>;
    Count Stats, Items, Ranks;
};

// Gathers the facts, reading the game database's three tables afresh. Never throws: a
// database that cannot be read gives the reason in place of each count.
AboutFacts GatherAboutFacts(const QString& programFolder, const QString& databasePath, const QString& settingsPath);

// The facts as (heading, value) pairs, numbers written as `locale` writes them.
QList<std::pair<QString, QString>> AboutLines(const AboutFacts& facts, const QLocale& locale);

// Those pairs as plain text, one "heading: value" a line.
QString AboutText(const QList<std::pair<QString, QString>>& lines);
