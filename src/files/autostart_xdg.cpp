// SPDX-License-Identifier: GPL-3.0-or-later
#include "autostart_xdg.h"
#include "autostart.h"
#include "autostart_platform.h"

#include "core/atomicsave.h"
#include "oxlfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

using namespace Autostart;

namespace {

const QString FileName = QStringLiteral("kelvara-utility.desktop");
// Characters that oblige an argument of an Exec line to be quoted.
const QString Reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
// Characters that take a backslash inside a quoted argument.
const QString EscapedInQuotes = QStringLiteral("\"`$\\");

QString QuoteArgument(const QString& argument)
{
    QString quoted;
    const bool needsQuotes = argument.isEmpty()
        || std::any_of(argument.begin(), argument.end(), [](QChar c) { return Reserved.contains(c); });
    for (QChar c : argument) {
        if (needsQuotes && EscapedInQuotes.contains(c))
            quoted += QLatin1Char('\\');
        quoted += c;
        // A percent sign is a field code unless doubled.
        if (c == QLatin1Char('%'))
            quoted += c;
    }
    return needsQuotes ? QLatin1Char('"') + quoted + QLatin1Char('"') : quoted;
}

// The escapes of every string value of a desktop entry, applied after the quoting.
QString EscapeValue(const QString& text)
{
    QString escaped;
    for (QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            escaped += QStringLiteral("\\\\");
            break;
        case '\n':
            escaped += QStringLiteral("\\n");
            break;
        case '\t':
            escaped += QStringLiteral("\\t");
            break;
        case '\r':
            escaped += QStringLiteral("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QString UnescapeValue(const QString& value)
{
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            text += c;
            continue;
        }
        switch (value[++i].unicode()) {
        case 's':
            text += QLatin1Char(' ');
            break;
        case 'n':
            text += QLatin1Char('\n');
            break;
        case 't':
            text += QLatin1Char('\t');
            break;
        case 'r':
            text += QLatin1Char('\r');
            break;
        case '\\':
            text += QLatin1Char('\\');
            break;
        default:
            text += c;
            text += value[i];
        }
    }
    return text;
}

// Splits an unescaped Exec value into its arguments, undoing quotes and doubled percent signs.
QStringList SplitArguments(const QString& exec)
{
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == QLatin1Char('"'))
                quoted = false;
            else if (c == QLatin1Char('\\') && i + 1 < exec.size() && EscapedInQuotes.contains(exec[i + 1]))
                current += exec[++i];
            else
                current += c;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else {
            inArgument = true;
            if (c == QLatin1Char('"'))
                quoted = true;
            else
                current += c;
        }
    }
    if (inArgument)
        arguments << current;
    for (QString& argument : arguments)
        argument.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return arguments;
}

// Whether a desktop entry can name the program by this path: UTF-8 text (the file is UTF-8)
// without control characters other than those a string value escapes.
bool Nameable(const QByteArray& path)
{
    const QString name = QFile::decodeName(path);
    return !path.isEmpty() && QFile::encodeName(name) == path && std::none_of(name.begin(), name.end(), [](QChar c) {
        return (c.unicode() < 0x20 && !QStringLiteral("\n\t\r").contains(c)) || c.unicode() == 0x7f;
    });
}

} // namespace

QString AutostartProgram(const QByteArray& exe, bool make)
{
    if (Nameable(exe))
        return QFile::decodeName(exe);
    const QString folder = DataFolder();
    const QString link = folder + QStringLiteral("/kelvara-utility");
    if (exe.isEmpty() || folder.isEmpty())
        return {};
    if (!make)
        return link;
    // The link is renewed in one step: made under another name and renamed into place. What
    // stands in its place and is no link (a file of the player's, a folder) stays.
    const QByteArray name = QFile::encodeName(link), made = name + ".new";
    const auto fail = [&link](int cause) { Fail(CannotWrite, link, QString::fromLocal8Bit(std::strerror(cause))); };
    struct stat there = {};
    if (::lstat(name.constData(), &there) == 0 && !S_ISLNK(there.st_mode))
        fail(EEXIST);
    if (const auto reason = CreateFolders(folder))
        Fail(CannotWrite, link, *reason);
    ::unlink(made.constData());
    if (::symlink(exe.constData(), made.constData()) != 0)
        fail(errno);
    if (std::rename(made.constData(), name.constData()) != 0) {
        const int cause = errno;
        ::unlink(made.constData());
        fail(cause);
    }
    return link;
}

QString AutostartProgram(bool make)
{
    char path[PATH_MAX];
    const ssize_t size = ::readlink("/proc/self/exe", path, sizeof path);
    if (size <= 0 || size_t(size) == sizeof path)
        return QCoreApplication::applicationFilePath();
    return AutostartProgram(QByteArray(path, size), make);
}

QString AutostartPath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = HomeFolder() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart/") + FileName;
}

void WriteAutostartEntry(const QString& path, const QString& program, bool hidden)
{
    if (const auto reason = CreateFolders(QFileInfo(path).path()))
        Fail(CannotWrite, path, *reason);

    // TryExec names the program itself: once it is gone (uninstalled, its folder deleted) the desktop skips the
    // entry rather than fail to start it at every login.
    QStringList exec = {QuoteArgument(program)};
    if (hidden)
        exec << QuoteArgument(HiddenOption);
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Kelvara Utility\n"
                                         "Comment=Real and Kelvara game clock, good moon forecasts, character "
                                         "files and item stats\n"
                                         "Icon=io.github.kelvarautility.KelvaraUtility\n"
                                         "TryExec=%1\n"
                                         "Exec=%2\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(EscapeValue(program), EscapeValue(exec.join(QLatin1Char(' '))));
    // A link in the entry's place (to a launcher of the applications menu, say) is replaced
    // by the entry itself: the file it names is not the entry, and stays as it is.
    const QFileInfo info(path);
    if (!info.isSymLink() || info.isDir()) {
        if (const auto reason = SaveFileAtomically(path, entry.toUtf8()))
            Fail(CannotWrite, path, *reason);
        return;
    }
    const QString written = path + QStringLiteral(".new");
    if (const auto reason = SaveFileAtomically(written, entry.toUtf8()))
        Fail(CannotWrite, path, *reason);
    if (std::rename(QFile::encodeName(written).constData(), QFile::encodeName(path).constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(written);
        Fail(CannotWrite, path, reason);
    }
}

std::optional<AutostartEntry> ReadAutostart()
{
    const QString path = AutostartPath();
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(CannotRead, path, file.errorString());
    AutostartEntry entry;
    bool inEntry = false;
    bool execRead = false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inEntry || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        // Switched off in the desktop's own list of programs started at login (Xfce and
        // LXQt write Hidden, GNOME the other): the desktop does not start it.
        // Read as GLib reads a boolean, which also takes 1 and 0.
        if ((key == QLatin1String("Hidden") && (value == QLatin1String("true") || value == QLatin1String("1")))
            || (key == QLatin1String("X-GNOME-Autostart-enabled")
                && (value == QLatin1String("false") || value == QLatin1String("0"))))
            return std::nullopt;
        if (key != QLatin1String("Exec") || std::exchange(execRead, true))
            continue;
        QStringList arguments = SplitArguments(UnescapeValue(value));
        if (!arguments.isEmpty())
            entry.Program = arguments.takeFirst();
        entry.Options = arguments;
    }
    return entry;
}

void RemoveAutostart()
{
    const QString path = AutostartPath();
    if (QFileInfo(path).isDir())
        return;
    // No file, or no folder for it (a file in its place): no entry to remove.
    if (unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT && errno != ENOTDIR)
        Fail(CannotRemove, path, QString::fromLocal8Bit(std::strerror(errno)));
}
