// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutfacts.h"

#include "core/kelvaraerror.h"
#include "db/moddb.h"
#include "files/calendarexport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
AboutFacts::Count CountRows(Connection* connection, const QString& table, const QString& failure)
{
    if (!connection)
        return failure;
    try {
        RecordSet records;
        records.Open(QStringLiteral("SELECT * FROM ") + table, *connection);
        qint64 rows = 0;
        for (; !records.AtEnd(); records.MoveNext())
            ++rows;
        records.Close();
        return rows;
    } catch (const KelvaraError& error) {
        return error.message();
    }
}

QString CountText(const AboutFacts::Count& count, const QLocale& locale)
{
    if (const auto* rows = std::get_if<qint64>(&count))
        return locale.toString(*rows);
    //: In place of a count of rows that could not be read; %1 is the reason.
    return QCoreApplication::translate("About", "not readable: %1").arg(std::get<QString>(count));
}
} // namespace

AboutFacts GatherAboutFacts(const QString& programFolder, const QString& databasePath, const QString& settingsPath)
{
    AboutFacts facts;
    facts.Version =
        QStringLiteral("%1.%2.%3").arg(KELVARA_VERSION_MAJOR).arg(KELVARA_VERSION_MINOR).arg(KELVARA_VERSION_PATCH);
    facts.QtVersion = QString::fromLatin1(qVersion());
    facts.DatabaseLibrary = DatabaseLibraryVersion();
    facts.CalendarLibrary = CalendarLibraryVersion();
    facts.ProgramFolder = programFolder;
    facts.DatabasePath = databasePath;
    facts.SettingsPath = settingsPath;
    const QFileInfo file(databasePath);
    if (file.isFile()) { // a folder of that name is no database
        facts.DatabaseSize = file.size();
        facts.DatabaseModified = file.lastModified();
    }
    std::unique_ptr<Connection> connection;
    QString failure;
    try {
        connection = OpenGameDatabase(databasePath);
    } catch (const KelvaraError& error) {
        failure = error.message();
    }
    facts.Stats = CountRows(connection.get(), QStringLiteral("tblStat"), failure);
    facts.Items = CountRows(connection.get(), QStringLiteral("tblItem"), failure);
    facts.Ranks = CountRows(connection.get(), QStringLiteral("tblRank"), failure);
    if (connection)
        connection->Close();
    return facts;
}

QList<std::pair<QString, QString>> AboutLines(const AboutFacts& facts, const QLocale& locale)
{
    //: The size of the game database file; %1 is the number of bytes, grouped.
    const QString size = facts.DatabaseSize
        ? QCoreApplication::translate("About", "%1 bytes").arg(locale.toString(*facts.DatabaseSize))
        //: In place of the size of a game database file that is not there.
        : QCoreApplication::translate("About", "missing");
    // Local time with its offset from UTC, which a bug report from another time zone needs.
    const QDateTime local = facts.DatabaseModified.toLocalTime();
    const QString modified = local.isValid() ? local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate)
                                             : QString();
    return {
        {QCoreApplication::translate("About", "Version"), facts.Version},
        {QStringLiteral("Qt"), facts.QtVersion},
        {QStringLiteral("libical"), facts.CalendarLibrary},
        {QStringLiteral("mdbtools"), facts.DatabaseLibrary},
        {QCoreApplication::translate("About", "Program folder"), QDir::toNativeSeparators(facts.ProgramFolder)},
        {QCoreApplication::translate("About", "Game database"), QDir::toNativeSeparators(facts.DatabasePath)},
        {QCoreApplication::translate("About", "Size"), size},
        {QCoreApplication::translate("About", "Modified"), modified},
        {QCoreApplication::translate("About", "Stats"), CountText(facts.Stats, locale)},
        {QCoreApplication::translate("About", "Items"), CountText(facts.Items, locale)},
        {QCoreApplication::translate("About", "Ranks"), CountText(facts.Ranks, locale)},
        {QCoreApplication::translate("About", "Settings file"), QDir::toNativeSeparators(facts.SettingsPath)},
    };
}

QString AboutText(const QList<std::pair<QString, QString>>& lines)
{
    QString text;
    for (const auto& [heading, value] : lines)
        text += heading + QStringLiteral(": ") + value + QLatin1Char('\n');
    return text;
}
