// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamedatawatcher.h"

#include "core/kelvaraerror.h"
#include "core/regularfile.h"
#include "db/moddb.h"
#include "globals.h"

#include <QFile>
#include <QFileInfo>

GameDataEvents& GameDataEvents::Instance()
{
    static GameDataEvents events;
    return events;
}

GameDataWatcher::GameDataWatcher(const QString& databasePath, int settleMs, QObject* parent)
    : QObject(parent)
    , mPath(databasePath)
{
    mSettle.setSingleShot(true);
    mSettle.setInterval(settleMs);
    connect(&mSettle, &QTimer::timeout, this, &GameDataWatcher::Check);
    connect(&mWatcher, &QFileSystemWatcher::fileChanged, this, &GameDataWatcher::Changed);
    connect(&mWatcher, &QFileSystemWatcher::directoryChanged, this, &GameDataWatcher::Changed);
    // The folder too: a file renamed over the database is a new file, which the
    // watch on the old one does not see.
    mWatcher.addPath(QFileInfo(mPath).absolutePath());
    Watch();
    mLoaded = Now();
}

QString GameDataWatcher::NoticeTitle()
{
    return tr("Game data");
}

QString GameDataWatcher::LoadedText(int32_t items)
{
    return tr("The game database changed: %Ln items loaded.", nullptr, items);
}

QString GameDataWatcher::FailedText(const QString& reason)
{
    return tr("The game database changed, but the new file could not be read. The game data loaded before stays "
              "in use.\n%1")
        .arg(reason);
}

GameDataWatcher::Signature GameDataWatcher::Now() const
{
    const QFileInfo file(mPath);
    if (!file.exists())
        return {};
    return {true, file.size(), file.lastModified(), file.metadataChangeTime()};
}

void GameDataWatcher::Watch()
{
    // A file renamed over the database, or deleted and made anew, while another program
    // still holds the old one open is another file under the same name: the watch moves
    // to it, as it would not by itself.
    const std::optional<FileId> file = RegularFileId(mPath);
    if (mWatcher.files().contains(mPath)) {
        if (file && *file == mWatched)
            return;
        mWatcher.removePath(mPath);
    }
    if (file && mWatcher.addPath(mPath))
        mWatched = *file;
}

void GameDataWatcher::Changed()
{
    Watch();
    const Signature now = Now();
    // Other files of the folder change too (the program's own saves among them).
    if (!mSettle.isActive() && now == mLoaded)
        return;
    mSeen = now;
    mSettle.start();
}

void GameDataWatcher::Check()
{
    Watch();
    const Signature now = Now();
    if (!(now == mSeen)) {
        // Still being written: look again once it has kept still for the settle time.
        mSeen = now;
        mSettle.start();
        return;
    }
    if (now == mLoaded)
        return;
    mLoaded = now;
    Reload();
}

void GameDataWatcher::Reload()
{
    QString message;
    bool replaced = false;
    try {
        // Both tables are built aside, from one open file; the ones in use change only when both loaded.
        GameTables tables = LoadGameTables(mPath);
        gStatTable = std::move(tables.stats);
        gItemTable = std::move(tables.items);
        replaced = true;
        message = LoadedText(gItemTable.NumItems());
    } catch (const KelvaraError& error) {
        message = FailedText(error.message());
    } catch (const std::exception& error) {
        message = FailedText(QString::fromLocal8Bit(error.what()));
    }
    if (replaced)
        emit GameDataEvents::Instance().TablesReplaced();
    emit Reloaded(replaced, message);
}
