// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// The window program runs once per program folder: two copies would announce every
// reminder twice, and each one's save would overwrite the other's.
//
// The claim is a lock on a file in the program folder itself, kelvara-utility.lock, as editors
// lock a file they have open; it is found through the folder whatever the environment a copy was
// started with (a desktop session, su, ssh, cron, env -i), and the same folder reached by another
// path is the same file. flock() is the lock: the kernel lets it go when the process ends, however
// it ends, so a copy that crashed or was killed leaves a file that blocks nothing, and there is
// no stale lock to guess about (as a lock file that exists while its copy runs would need: its
// process may be on another machine of a shared folder, or its number taken by another one). The
// file itself stays; it is never removed, since a copy that removed it while a later start had
// it open would leave two locks. Should it be removed or replaced all the same while the copy
// runs, the copy takes the lock again at once on the file then at its name (it watches the file)
// and writes its socket's name there, so that later starts still find it. On a network share
// (NFS, CIFS) the lock is the server's, taken for the whole file: a copy on another machine sees
// it, and a machine that crashed holds it until the server lets it go.
//
// Two users who share a folder, or root (su) on a player's folder, share its files: the first
// copy runs, the later start of another user is told so and ends. A lock file created by root
// is given to the folder's owner, so that the player can write into it later; one the copy may
// not write all the same (root's from before, or read-only) is replaced by one of its own, locked
// and naming it before it is put in place, so that later starts find it (a start that locked a
// file no longer at the name takes the one there instead). The file must be a regular file of one
// link (no link, FIFO or folder planted in its place); where there is no such file to lock (a
// read-only folder without one, or with one the copy may not write, a share that refuses locks),
// the copy runs without a claim and the player is told why: a program that is told so and runs
// beats one that cannot be used at all.
//
// A later start asks the running copy to show its main window over a local socket whose name the
// running copy chose at random and wrote into the lock file. Its name is in Linux's abstract
// namespace, so it needs no room in the folder, nor a path short enough for a socket, nor a
// filesystem that holds sockets, and it goes with its process. Both ends check each other's
// user: a copy of another user (or any other listener) is never asked and never answered.
class OneCopy : public QObject
{
    Q_OBJECT

public:
    // What a start found.
    enum class Claim {
        First,     // no other copy: this one runs, and answers the later ones
        Shown,     // the running copy showed its main window
        NoAnswer,  // a running copy holds the folder but did not answer in time
        Busy,      // the running copy is still starting or already closing
        OtherUser, // a copy of another user runs from the folder
        Unguarded, // the folder could not be locked: this copy runs without a claim
    };

    // Claims `folder` for this copy, or asks the copy that holds it to show its main window,
    // waiting up to `waitMs` for the answer. A copy that is starting or closing is waited for
    // up to `waitMs` too: once it has ended, this copy runs.
    OneCopy(const QString& folder, int waitMs, QObject* parent = nullptr);
    ~OneCopy() override;

    Claim Result() const { return mClaim; }
    // What the player is told of a start that does not run, or runs without a claim; empty
    // otherwise.
    QString Message() const;
    // Whether the copy's main window is there to show: until this is set, and once it answers
    // false, later starts are told to wait.
    void SetShowable(std::function<bool()> showable) { mShowable = std::move(showable); }

    // The lock file's name in the program folder.
    static constexpr char LockFileName[] = "kelvara-utility.lock";

    // How long a connection may wait before its request, and how many are heard at once.
    static constexpr int RequestMs = 2000;
    static constexpr int MostConnections = 8;

signals:
    // A later copy asks for the main window; it is answered once the slots have run.
    void ShowAsked();

private:
    // How the claim is held and later starts are heard: one file per platform (onecopy_unix.cpp,
    // onecopy_win.cpp: a QLockFile and a local server open to the same user only).
    class System;
    // Answers a later start's request for the main window: emits ShowAsked when the window is there
    // to show, and says whether it was.
    bool AnswerShow();

    Claim mClaim = Claim::First;
    QString mProblem; // why the folder could not be locked
    std::unique_ptr<System> mSystem;
    std::function<bool()> mShowable;
};
