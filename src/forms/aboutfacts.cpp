#include "aboutfacts.h"

#include "core/kelvaraerror.h"
#include "db/moddb.h"
#include "files/calendarexport.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
QString Tr(const char* text)
{
    return QCoreApplication::translate("About", text);
}

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
    return Tr("not readable: %1").arg(std::get<QString>(count));
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
    if (file.exists()) {
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
    const QString size = facts.DatabaseSize ? Tr("%1 bytes").arg(locale.toString(*facts.DatabaseSize)) : Tr("missing");
    // Local time with its offset from UTC, which a bug report from another time zone needs.
    const QDateTime local = facts.DatabaseModified.toLocalTime();
    const QString modified = local.isValid() ? local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate)
                                             : QString();
    return {
        {Tr("Version"), facts.Version},
        {Tr("Qt"), facts.QtVersion},
        {Tr("libical"), facts.CalendarLibrary},
        {Tr("mdbtools"), facts.DatabaseLibrary},
        {Tr("Program folder"), facts.ProgramFolder},
        {Tr("Game database"), facts.DatabasePath},
        {Tr("Size"), size},
        {Tr("Modified"), modified},
        {Tr("Stats"), CountText(facts.Stats, locale)},
        {Tr("Items"), CountText(facts.Items, locale)},
        {Tr("Ranks"), CountText(facts.Ranks, locale)},
        {Tr("Settings file"), facts.SettingsPath},
    };
}

QString AboutText(const QList<std::pair<QString, QString>>& lines)
{
    QString text;
    for (const auto& [heading, value] : lines)
        text += heading + QStringLiteral(": ") + value + QLatin1Char('\n');
    return text;
}
