// SPDX-License-Identifier: GPL-3.0-or-later
#include "oxlfiles_platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

// Installed, the sample database is beside the program, as in the portable folder.
const char InstalledDatabase[] = "Kelvara.mdb";

QString ExeFolder()
{
    return QCoreApplication::applicationDirPath();
}

// Nothing: Windows sets no HOME, and QDir::homePath(), which HomeFolder() gives, asks Windows for the user's profile
// folder itself. HOME set to it would go, in the ANSI code page, to every program this one starts.
QByteArray UserHome()
{
    return {};
}

// Administrator rights do not change whose files the program writes: a copy the installer put in Program Files keeps
// its files in the user's data folder whoever runs it.
bool RunsAsRoot()
{
    return false;
}

// Whether a file can be made in the folder, tried by making one (removed at once): the read-only attribute of a
// folder says nothing on Windows, and QFileInfo::isWritable() does not read the access control list that keeps a
// player out of Program Files. A copy the installer put in a folder of the player's own (a per-user install) is marked
// by kelvara-utility.installed beside it, and keeps its files in the data folder as any installed copy does.
bool MayKeepFilesIn(const QString& exeFolder)
{
    const QDir folder(exeFolder);
    if (QFileInfo::exists(folder.filePath(QStringLiteral("kelvara-utility.installed"))))
        return false;
    QTemporaryFile probe(folder.filePath(QStringLiteral("kelvara-utility.XXXXXX")));
    return probe.open();
}

// Kelvara Utility in the user's local application data folder (%LOCALAPPDATA%, which does not roam with the user's
// profile: the files are this machine's).
QString SystemDataFolder()
{
    const QString local = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return local.isEmpty() ? QString() : local + QStringLiteral("/Kelvara Utility");
}
