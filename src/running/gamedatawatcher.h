// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/regularfile.h"

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <utility>

// Tells the windows that show game data that the stat and item tables in use were
// replaced while the program runs.
class GameDataEvents : public QObject
{
    Q_OBJECT

public:
    static GameDataEvents& Instance();

signals:
    void TablesReplaced();
};

// Follows the game database while the program runs: when a patch replaces the file,
// in place or by a rename into its folder, the stat and item tables are loaded again
// once the file has settled (its size and times unchanged for `settleMs`), and put in
// use together when both loaded. Each change is told once (Reloaded, for a notice
// to the player): how many items were loaded, or why the new file could not be read;
// the tables loaded before then stay in use. Several changes in a burst give one reload.
// Nothing is checked while nothing changes; the database is only ever read.
class GameDataWatcher : public QObject
{
    Q_OBJECT

public:
    // The tables in use were loaded from `databasePath` as it is now.
    GameDataWatcher(const QString& databasePath, int settleMs, QObject* parent);

    // The title and the message of the notice to the player after a reload.
    static QString NoticeTitle();
    static QString LoadedText(int32_t items);
    static QString FailedText(const QString& reason);

signals:
    // After each reload: the tables were replaced, or the message says why not.
    void Reloaded(bool replaced, const QString& message);

private:
    struct Signature
    {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified, changed;
        bool operator==(const Signature&) const = default;
    };
    Signature Now() const;
    void Changed();
    void Check();
    void Reload();
    void Watch();

    QString mPath;
    QFileSystemWatcher mWatcher;
    QTimer mSettle;
    Signature mLoaded; // the file as the tables in use (or the last failed attempt) found it
    Signature mSeen;   // the file at the last look while it settles
    FileId mWatched{}; // the file the watch is on
};
