#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QSocketNotifier;

// The window program runs once per program folder: two copies would announce every
// reminder twice, and each one's save would overwrite the other's. The first copy holds a
// lock file in a folder of its user's own (the session's runtime folder, else a folder of the
// user's in /tmp; no other user may enter either) named after the program folder's device and
// inode: flock() is the claim, and the kernel lets it go when the process ends, however it
// ends, so that no claim outlives its copy. Beside the lock it listens on a socket; a later
// copy connects to it instead and asks the running copy to show its main window.
class OneCopy : public QObject
{
    Q_OBJECT

public:
    // What a start found.
    enum class Claim {
        First,    // no other copy: this one runs, and answers the later ones
        Shown,    // the running copy showed its main window
        NoAnswer, // a running copy holds the folder but did not answer in time
        Busy,     // the running copy is still starting or already closing
    };

    // Claims `folder` for this copy, or asks the copy that holds it to show its main window,
    // waiting up to `waitMs` for the answer. A copy that is starting or closing is waited for
    // up to `waitMs` too: once it has ended, this copy runs.
    OneCopy(const QString& folder, int waitMs, QObject* parent = nullptr);
    ~OneCopy() override;

    Claim Result() const { return mClaim; }
    // Whether the copy's main window is there to show: until this is set, and once it answers
    // false, later starts are told to wait.
    void SetShowable(std::function<bool()> showable) { mShowable = std::move(showable); }

    // The path of the folder's socket (the lock is the same path with ".lock" added): one a
    // user and a folder, empty when the user has no folder of their own for it.
    static QByteArray SocketName(const QString& folder);
    // What the player is told when the running copy does not answer, or is starting or closing.
    static QString NoAnswerText();
    static QString BusyText();

    // How long a connection may wait before its request, and how many are heard at once.
    static constexpr int RequestMs = 2000;
    static constexpr int MostConnections = 8;

signals:
    // A later copy asks for the main window; it is answered once the slots have run.
    void ShowAsked();

private:
    void Accept();
    void Serve(QSocketNotifier* connection);
    void Drop(QSocketNotifier* connection);

    Claim mClaim = Claim::First;
    int mLock = -1;
    int mListener = -1;
    QByteArray mSocketPath;
    QSocketNotifier* mAccepting = nullptr;
    QList<QSocketNotifier*> mConnections;
    std::function<bool()> mShowable;
};
