// SPDX-License-Identifier: GPL-3.0-or-later
#include "oxlfiles_platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <climits>
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

// Installed under a prefix: the program in bin, its data in share.
const char InstalledDatabase[] = "../share/kelvara-utility/Kelvara.mdb";

// The executable's folder. Where its path is no UTF-8 text, which no QString holds (Qt
// would name another folder), the folder is held open and named through its descriptor,
// /proc/self/fd/N, which leads to it whatever its name.
QString ExeFolder()
{
    static const QString folder = [] {
        char exe[PATH_MAX];
        const ssize_t size = ::readlink("/proc/self/exe", exe, sizeof exe);
        const QByteArray path = size > 0 && size_t(size) < sizeof exe ? QByteArray(exe, size) : QByteArray();
        const QByteArray bytes = path.left(path.lastIndexOf('/'));
        if (bytes.isEmpty() || QFile::encodeName(QFile::decodeName(bytes)) == bytes)
            return QCoreApplication::applicationDirPath();
        const int fd = ::open(bytes.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        return fd < 0 ? QCoreApplication::applicationDirPath() : QStringLiteral("/proc/self/fd/%1").arg(fd);
    }();
    return folder;
}

QByteArray UserHome()
{
    const passwd* user = ::getpwuid(::geteuid());
    return user && user->pw_dir && *user->pw_dir ? QByteArray(user->pw_dir) : QByteArray();
}

bool RunsAsRoot()
{
    return ::geteuid() == 0;
}

bool MayKeepFilesIn(const QString& exeFolder)
{
    return QFileInfo(exeFolder).isWritable();
}

QString SystemDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}
