// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "clock/daystart.h"
#include "clock/systemclock.h"
#include "core/kelvaraerror.h"
#include "db/itemcatalogue.h"
#include "db/moddb.h"
#include "files/calendarexport.h"
#include "files/oxlfiles.h"
#include "files/tabletext.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTimeZone>

#include <cerrno>
#include <cstring>
#include <optional>

namespace {

// Qt's own options of a window program (QGuiApplication, QApplication, the X11 platform), as
// `-name`, `--name`, `-name=value` or `--name=value`; those in the second list take the next
// argument as their value unless it comes after "=".
const QStringList QtWindowFlags{QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                                QStringLiteral("dograb"),  QStringLiteral("sync"),        QStringLiteral("ncols"),
                                QStringLiteral("cmap"),    QStringLiteral("testability"), QStringLiteral("qdevel")};
const QStringList QtWindowOptionsWithValue{QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
                                           QStringLiteral("platformtheme"), QStringLiteral("plugin"),
                                           QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
                                           QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
                                           QStringLiteral("session"),       QStringLiteral("display"),
                                           QStringLiteral("geometry"),      QStringLiteral("name"),
                                           QStringLiteral("title"),         QStringLiteral("icon"),
                                           QStringLiteral("style"),         QStringLiteral("stylesheet"),
                                           QStringLiteral("visual")};

// The command line's options that take a value: given apart, the next argument is that value
// whatever it looks like (`--ics -style` names a file "-style").
const QStringList ValueOptions{QStringLiteral("--next"), QStringLiteral("--count"), QStringLiteral("--ics"),
                               QStringLiteral("--remind"), QStringLiteral("--name")};

// The arguments (the program first) without Qt's window options and their values, nor the
// program's own window options (`windowOptions`, without value). Qt's `-name` (of X11) is
// the command line's `--name` when given with two dashes.
QStringList WithoutWindowOptions(const QStringList& arguments, const QStringList& windowOptions)
{
    QStringList kept = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString name = arguments[i];
        if (ValueOptions.contains(name.section(QLatin1Char('='), 0, 0))) {
            kept << arguments[i];
            if (ValueOptions.contains(name) && i + 1 < arguments.size())
                kept << arguments[++i];
            continue;
        }
        if (name.startsWith(QLatin1String("--")))
            name.remove(0, 1);
        if (!name.startsWith(QLatin1Char('-'))) {
            kept << arguments[i];
            continue;
        }
        const bool joined = name.contains(QLatin1Char('='));
        name = name.mid(1).section(QLatin1Char('='), 0, 0);
        if (QtWindowOptionsWithValue.contains(name))
            i += joined ? 0 : 1;
        else if (joined || (!QtWindowFlags.contains(name) && !windowOptions.contains(name)))
            kept << arguments[i]; // a flag given a value ("--hidden=1") is not the flag
    }
    return kept;
}

// What --help lists beside the command line's options: the window's own option, which the command line
// passes over rather than parses, and with --help-all the chief ones of Qt.
QList<QCommandLineOption> HelpOnlyOptions(bool all)
{
    QList<QCommandLineOption> options{
        {QStringLiteral("hidden"),
         QStringLiteral("Open without showing the main window: only the tray icon shows, or "
                        "the window starts minimised where the desktop has no tray.")}};
    if (!all)
        return options;
    const auto qt = [&options](const char* name, const char* description, const char* value = nullptr) {
        QCommandLineOption option(QLatin1String(name), QStringLiteral("Qt: ") + QLatin1String(description));
        if (value)
            option.setValueName(QLatin1String(value));
        options << option;
    };
    qt("platform", "the platform plugin: xcb (X11), wayland, offscreen, ...", "NAME");
    qt("platformpluginpath", "a folder of platform plugins.", "PATH");
    qt("platformtheme", "the platform theme.", "NAME");
    qt("plugin", "a generic plugin to load as well (input devices).", "NAME");
    qt("style", "the widget style (fusion, windows).", "NAME");
    qt("stylesheet", "a style sheet file applied to every window.", "FILE");
    qt("reverse", "the windows laid out from right to left.");
    qt("session", "the session to restore, as the session manager names it.", "ID");
    qt("display", "the X11 display to open (xcb only).", "DISPLAY");
    qt("sync", "X11 requests made one at a time, for debugging (xcb only).");
    return options;
}

const QString ExitStatuses = QStringLiteral(
    "\nExit status:\n"
    "  0  Done. The window: closed, or a copy running from this folder was\n"
    "     brought forward instead.\n"
    "  1  The calibration or the game database could not be read, or the answer\n"
    "     could not be written. The window: the game database could not be read,\n"
    "     the clock could not be saved at the end, or another copy running from\n"
    "     this folder did not answer.\n"
    "  2  A bad argument, or a calendar file that could not be written.\n");

struct BadArgument
{
    QString Message;
    bool Hint = true; // "Try --help." follows
};

// A whole number from `low` to `high`, or a bad argument naming the option.
int Whole(const QString& text, int low, int high, const char* what)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high) {
        throw BadArgument{QStringLiteral("%1 must be a whole number from %2 to %3, not \"%4\".")
                              .arg(QLatin1String(what))
                              .arg(low)
                              .arg(high)
                              .arg(text)};
    }
    return value;
}

// Local time with its offset from UTC, always as ±HH:MM: 2026-12-08T12:05:18+01:00, and
// 2026-12-08T11:05:18+00:00 where local time is UTC. An offset of other than whole minutes
// (TZ=XXX-0:30:30), which ±HH:MM cannot hold, gives the time in UTC, so that the instant
// stays exact.
QString IsoLocal(int64_t instant)
{
    QDateTime local = QDateTime::fromSecsSinceEpoch(instant);
    if (local.offsetFromUtc() % 60 != 0)
        local = QDateTime::fromSecsSinceEpoch(instant, QTimeZone::utc());
    const int offset = local.offsetFromUtc();
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + (offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        + QStringLiteral("%1:%2")
              .arg(qAbs(offset) / 3600, 2, 10, QLatin1Char('0'))
              .arg(qAbs(offset) / 60 % 60, 2, 10, QLatin1Char('0'));
}

QByteArray Json(const QJsonValue& value)
{
    return (value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject()))
               .toJson(QJsonDocument::Compact)
        + '\n';
}

// The items the matcher keeps, as CSV: a header, then a row for each value of an item (its
// requirements, then mod 0, then mod 1, each in order of stat ID), or one row with the last three
// cells empty for an item without values.
QByteArray ItemsCsv(const ItemCatalogue& catalogue, const ItemMatcher& matcher)
{
    const QString kinds[] = {QStringLiteral("requires"), QStringLiteral("mod 0"), QStringLiteral("mod 1")};
    QList<QStringList> rows{{QStringLiteral("ItemID"), QStringLiteral("Item"), QStringLiteral("Material"),
                             QStringLiteral("Kind"), QStringLiteral("Stat"), QStringLiteral("Value")}};
    for (const CatalogueItem& item : catalogue.Items()) {
        if (!matcher.Matches(item))
            continue;
        const QString id = QString::number(item.ID);
        const qsizetype first = rows.size();
        for (const StatKind kind : StatKinds) {
            for (const StatValue& value : item.Of(kind)) {
                rows.append({id, item.Name, item.Material, kinds[static_cast<int>(kind)],
                             catalogue.StatName(value.StatID), QString::number(value.Value)});
            }
        }
        if (rows.size() == first)
            rows.append({id, item.Name, item.Material, QString(), QString(), QString()});
    }
    return CsvText(rows).toUtf8();
}

// A text as a JSON string: quotes, backslashes and control characters escaped, the rest UTF-8.
void AppendJsonString(QByteArray& out, const QString& text)
{
    out += '"';
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\')
            out.append('\\').append(c);
        else if (uchar(c) < 0x20)
            out.append("\\u00").append(QByteArray::number(uchar(c), 16).rightJustified(2, '0'));
        else
            out += c;
    }
    out += '"';
}

// The items the matcher keeps, as a JSON array of objects, written as it goes (20,000 items
// are a few MB). The keys of the values are the stat names; of stats that share a name the
// first in the stat table keeps it, and each later one has its ID appended ("Luck (7)"), so
// that no value is lost; a name made so never takes the name of another stat.
QByteArray ItemsJson(const ItemCatalogue& catalogue, const ItemMatcher& matcher)
{
    QHash<QString, int32_t> owners; // each name's first stat
    for (const int32_t id : catalogue.StatIDs())
        owners.insert(catalogue.StatName(id), owners.value(catalogue.StatName(id), id));
    QHash<int32_t, QByteArray> keys;
    QSet<QString> taken;
    for (const int32_t id : catalogue.StatIDs()) {
        QString key = catalogue.StatName(id);
        while (owners.value(key, id) != id || taken.contains(key))
            key += QStringLiteral(" (%1)").arg(id);
        taken.insert(key);
        AppendJsonString(keys[id], key);
    }
    const auto values = [&](QByteArray& out, const CatalogueItem& item, StatKind kind) {
        char separator = '{';
        for (const StatValue& value : item.Of(kind)) {
            out.append(separator).append(keys.value(value.StatID)).append(':').append(QByteArray::number(value.Value));
            separator = ',';
        }
        out += separator == '{' ? "{}" : "}";
    };
    QByteArray out = "[";
    for (const CatalogueItem& item : catalogue.Items()) {
        if (!matcher.Matches(item))
            continue;
        out.append(out.size() > 1 ? ",{\"id\":" : "{\"id\":").append(QByteArray::number(item.ID)).append(",\"name\":");
        AppendJsonString(out, item.Name);
        out += ",\"material\":";
        AppendJsonString(out, item.Material);
        out += ",\"requires\":";
        values(out, item, StatKind::Requires);
        out += ",\"mods\":[";
        values(out, item, StatKind::Mod0);
        out += ',';
        values(out, item, StatKind::Mod1);
        out += "]}";
    }
    return out + "]\n";
}

} // namespace

QDateTime CommandLine::Now()
{
    // Test seam of the command line only: its tests pin the moment here.
    bool pinned = false;
    const qint64 seconds = qEnvironmentVariable("KELVARA_TEST_NOW").toLongLong(&pinned);
    return pinned ? QDateTime::fromSecsSinceEpoch(seconds) : SystemClock::Now();
}

bool CommandLine::Wanted(const QStringList& arguments, const QStringList& windowOptions)
{
    // What is left once the window options are taken out; "---hidden" is no window option but a mistyped one.
    const QStringList options = WithoutWindowOptions(arguments, windowOptions);
    return std::any_of(options.begin() + 1, options.end(), [](const QString& option) {
        return option.startsWith(QLatin1Char('-')) && option != QLatin1String("-");
    });
}

QStringList CommandLine::QtArguments(const QStringList& arguments)
{
    QStringList split = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        QString name = equals < 0 ? argument : argument.left(equals);
        const bool option = name.startsWith(QLatin1Char('-')) && !name.startsWith(QLatin1String("---"));
        name.remove(0, name.startsWith(QLatin1String("--")) ? 2 : 1);
        const bool withValue = option && QtWindowOptionsWithValue.contains(name);
        if (withValue && equals > 0) {
            split << argument.left(equals) << argument.mid(equals + 1);
            continue;
        }
        split << argument;
        // The value given apart is passed as it is, even when it holds "=".
        if (withValue && i + 1 < arguments.size())
            split << arguments[++i];
    }
    return split;
}

int CommandLine::Print(const Answer& answer, FILE* out, FILE* err)
{
    // A buffered write fails at the latest when it is flushed. A closed output takes no answer.
    errno = out ? 0 : EBADF;
    const bool written = out
        ? std::fwrite(answer.Out.constData(), 1, size_t(answer.Out.size()), out) == size_t(answer.Out.size())
            && std::fflush(out) == 0 && !std::ferror(out)
        : answer.Out.isEmpty();
    const int cause = errno;
    std::fwrite(answer.Err.constData(), 1, size_t(answer.Err.size()), err);
    if (!written)
        std::fprintf(err, "%s: Cannot write the answer: %s\n", qPrintable(QCoreApplication::applicationName()),
                     cause != 0 ? std::strerror(cause) : "the output refused it");
    std::fflush(err); // all is written when the call returns, as the caller may change the console then
    return written ? answer.Status : 1;
}

CommandLine::Answer CommandLine::NotText(const QByteArray& argument)
{
    // Each character that is UTF-8 as it is, each other byte as \xFF.
    QString shown;
    for (qsizetype i = 0; i < argument.size();) {
        const uchar lead = uchar(argument[i]);
        const qsizetype length = lead < 0x80 ? 1 : lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : 2;
        const QByteArray character = argument.mid(i, length);
        const bool text = QFile::encodeName(QFile::decodeName(character)) == character;
        shown += text ? QFile::decodeName(character)
                      : QStringLiteral("\\x") + QString::number(lead, 16).toUpper().rightJustified(2, u'0');
        i += text ? length : 1;
    }
    return {
        2,
        {},
        (QCoreApplication::applicationName()
         + QStringLiteral(": The argument \"%1\" is not UTF-8 text, as file names must be.\nTry --help.\n").arg(shown))
            .toUtf8()};
}

CommandLine::Answer CommandLine::Run(const QStringList& arguments, const QDateTime& now,
                                     const QStringList& windowOptions)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Kelvara Utility: the game clock of Kelvara. Without options, or with only window options, it "
                       "opens its window; --now, --next and --items answer on standard output without one."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption nowOption(QStringLiteral("now"), QStringLiteral("Print the game time and date."));
    const QCommandLineOption next(QStringLiteral("next"),
                                  QStringLiteral("Print when game day DAY (1-28) next begins, and the game date."),
                                  QStringLiteral("DAY"));
    const QCommandLineOption count(QStringLiteral("count"),
                                   QStringLiteral("With --next: the next N starts (1-1000, default 1)."),
                                   QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the answer as JSON."));
    const QCommandLineOption ics(QStringLiteral("ics"),
                                 QStringLiteral("With --next: write the starts to FILE as iCalendar events "
                                                "(- for standard output)."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption remind(QStringLiteral("remind"),
                                    QStringLiteral("With --ics: a reminder MINUTES (0-10080) before each start."),
                                    QStringLiteral("MINUTES"));
    const QCommandLineOption items(QStringLiteral("items"),
                                   QStringLiteral("Print every item of the game database with its requirements and "
                                                  "mods as CSV, one row per value."));
    const QCommandLineOption name(QStringLiteral("name"),
                                  QStringLiteral("With --items: only the items whose names contain TEXT, letter case "
                                                 "aside, as the item window finds them."),
                                  QStringLiteral("TEXT"));
    parser.addOptions({nowOption, next, count, json, ics, remind, items, name});

    Answer answer;
    try {
        const QStringList kept = WithoutWindowOptions(arguments, windowOptions);
        if (!parser.parse(kept)) {
            // A mistyped window option ("---hidden", "--hidden=1", "-reverse=x") is named as typed: the parser
            // would name another one ("-hidden", "hidden", "r").
            const QString unknown = parser.unknownOptionNames().value(0);
            for (const QString& argument : kept.mid(1)) {
                const QString bare = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
                const QString named = bare.section(QLatin1Char('='), 0, 0);
                if (argument.startsWith(QLatin1Char('-')) && !unknown.isEmpty()
                    && ((named == unknown && (bare.startsWith(QLatin1Char('-')) || bare.contains(QLatin1Char('='))))
                        || windowOptions.contains(named) || QtWindowFlags.contains(named)))
                    throw BadArgument{QStringLiteral("Unknown option '%1'.").arg(argument)};
            }
            throw BadArgument{parser.errorText()};
        }
        if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
            // Listed only now: parsed, the window's options would not be passed over.
            parser.addOptions(HelpOnlyOptions(parser.isSet(QStringLiteral("help-all"))));
            answer.Out = (parser.helpText() + ExitStatuses).toUtf8();
            return answer;
        }
        if (parser.isSet(version)) {
            answer.Out = (QCoreApplication::applicationName() + QLatin1Char(' ')
                          + QCoreApplication::applicationVersion() + QLatin1Char('\n'))
                             .toUtf8();
            return answer;
        }
        if (!parser.positionalArguments().isEmpty())
            throw BadArgument{QStringLiteral("Unexpected argument \"%1\".").arg(parser.positionalArguments().first())};
        if (int(parser.isSet(nowOption)) + int(parser.isSet(next)) + int(parser.isSet(items)) != 1)
            throw BadArgument{QStringLiteral("Give either --now, --next DAY or --items.")};
        if (parser.isSet(name) && !parser.isSet(items))
            throw BadArgument{QStringLiteral("--name goes with --items.")};
        if (!parser.isSet(next) && (parser.isSet(count) || parser.isSet(ics)))
            throw BadArgument{QStringLiteral("--count and --ics go with --next DAY.")};
        if (parser.isSet(remind) && !parser.isSet(ics))
            throw BadArgument{QStringLiteral("--remind goes with --ics FILE.")};
        // An option given twice would count only as given last: --ics a.ics --ics b.ics would write one file.
        for (const QCommandLineOption* option : {&next, &count, &ics, &remind, &name})
            if (parser.values(*option).size() > 1)
                throw BadArgument{QStringLiteral("--%1 is given more than once.").arg(option->names().constFirst())};
        if (parser.isSet(ics) && parser.value(ics).isEmpty())
            throw BadArgument{QStringLiteral("No file name given for --ics.")};
        if (parser.isSet(json) && parser.isSet(ics))
            throw BadArgument{QStringLiteral("--json and --ics cannot be given together.")};
        const int day = parser.isSet(next) ? Whole(parser.value(next), 1, 28, "DAY") : 0;
        const int n = Whole(parser.value(count), 1, 1000, "N");
        std::optional<int> lead;
        if (parser.isSet(remind))
            lead = Whole(parser.value(remind), 0, 10080, "MINUTES");

        if (parser.isSet(items)) {
            // The game database as the window reads it; one that cannot be read ends the run with status 1.
            const GameTables tables = LoadGameTables(LocateGameDatabase());
            const ItemCatalogue catalogue(tables.items, tables.stats);
            ItemFilter filter;
            filter.Name = parser.value(name);
            answer.Out = parser.isSet(json) ? ItemsJson(catalogue, ItemMatcher(filter))
                                            : ItemsCsv(catalogue, ItemMatcher(filter));
            return answer;
        }
        const ClockCalibration calibration = PeekCalibrationFile(now);
        if (parser.isSet(nowOption)) {
            const ClockCalibration current = ComputeGameTime(calibration, now);
            answer.Out = parser.isSet(json)
                ? Json(QJsonObject{{QStringLiteral("gameTime"), current.OXLTime},
                                   {QStringLiteral("gameDate"), current.OXLDate},
                                   {QStringLiteral("realTime"), IsoLocal(now.toSecsSinceEpoch())}})
                : (current.OXLTime + QLatin1Char(' ') + current.OXLDate + QLatin1Char('\n')).toUtf8();
            return answer;
        }
        const std::vector<DayStart> starts = NextDayStarts(calibration, now, day, n);
        if (parser.isSet(ics) && parser.value(ics) == QLatin1String("-")) {
            // To standard output, written and checked as every other answer.
            answer.Out = CalendarText(starts, day, lead, now);
            return answer;
        }
        if (parser.isSet(ics)) {
            try {
                ExportCalendar(parser.value(ics), starts, day, lead, now);
            } catch (const KelvaraError& error) {
                throw BadArgument{error.message(), false};
            }
            return answer;
        }
        QJsonArray array;
        for (const DayStart& start : starts) {
            if (parser.isSet(json)) {
                array.append(
                    QJsonObject{{QStringLiteral("start"), IsoLocal(start.Instant)},
                                {QStringLiteral("gameDate"), start.GameDate},
                                {QStringLiteral("waitSeconds"), qint64(start.Instant - now.toSecsSinceEpoch())}});
            } else {
                answer.Out +=
                    (IsoLocal(start.Instant) + QLatin1Char('\t') + start.GameDate + QLatin1Char('\n')).toUtf8();
            }
        }
        if (parser.isSet(json))
            answer.Out = Json(array);
    } catch (const BadArgument& bad) {
        answer = {2,
                  {},
                  (QCoreApplication::applicationName() + QStringLiteral(": ") + bad.Message
                   + (bad.Hint ? QStringLiteral("\nTry --help.\n") : QStringLiteral("\n")))
                      .toUtf8()};
    } catch (const KelvaraError& error) {
        // The calibration or the game database could not be read: as at the program's start, the error ends it.
        answer = {1,
                  {},
                  (QCoreApplication::applicationName() + QStringLiteral(": ") + error.message() + QLatin1Char('\n'))
                      .toUtf8()};
    }
    return answer;
}
