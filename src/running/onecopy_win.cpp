// SPDX-License-Identifier: GPL-3.0-or-later
#include "onecopy.h"
#include "onecopy_platform.h"

#include "core/atomicsave.h"
#include "core/regularfile.h"
#include "core/systemreason_win.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QTimer>

#include <windows.h>

// The claim on Windows: a QLockFile on kelvara-utility.lock in the program folder, and a local server (a named pipe
// that only the same user may open) whose random name the neighbouring file kelvara-utility.listener holds.
//
// QLockFile writes the process's number, its machine and the program's name into the lock file and holds it open
// without letting others delete it: while the copy runs, nobody removes or replaces it, and the system closes it
// when the copy ends, however it ends. A lock file that can be deleted is therefore held by no one (one a copy that
// crashed left, one of Qt's that another machine's copy left on a share, or a file of another program's): it is
// removed and taken. One that cannot be deleted for want of rights (a read-only folder) leaves the copy unguarded, as
// does a folder in which no lock file can be made.

namespace {

constexpr char ListenerFileName[] = "kelvara-utility.listener";

// The listener's name the running copy wrote; empty while it has written none (or the file holds anything else).
// Read sharing the file with its deletion, so that the running copy can replace it meanwhile.
QByteArray ListenerName(const QString& path)
{
    QFile file;
    const QByteArray name = OpenRegularFile(file, path) ? QByteArray() : file.read(NameSize + 2);
    return name.size() == NameSize + 1 && name.startsWith(NamePrefix) && name.endsWith('\n') ? name.chopped(1)
                                                                                             : QByteArray();
}

// What is left of `deadline` as QLocalSocket's waits take it: -1 for a wait without end.
int Remaining(const QDeadlineTimer& deadline)
{
    return deadline.isForever() ? -1 : int(qMax<qint64>(deadline.remainingTime(), 0));
}

// Asks the copy listening on `name` to show its window, waiting until `deadline` for its answer. Gone: nobody listens
// there (no name written yet, or the copy that wrote it has ended), every instance of the pipe is busy, or the copy
// closed the connection without an answer (it ended while asked): it is asked again. A pipe that refuses the user is
// another user's copy's.
Asked AskToShow(const QByteArray& name, const QDeadlineTimer& deadline)
{
    if (name.isEmpty())
        return Asked::Gone;
    QLocalSocket socket;
    socket.connectToServer(QString::fromLatin1(name));
    if (!socket.waitForConnected(Remaining(deadline)))
        return socket.error() == QLocalSocket::SocketAccessError                          ? Asked::OtherUser
            : socket.error() == QLocalSocket::SocketTimeoutError && deadline.hasExpired() ? Asked::NoAnswer
                                                                                          : Asked::Gone;
    // Windows lets only the process the player just started bring a window to the front: it passes that on.
    ::AllowSetForegroundWindow(ASFW_ANY);
    socket.write(ShowRequest, sizeof ShowRequest - 1);
    if (!socket.waitForBytesWritten(Remaining(deadline)))
        return socket.state() == QLocalSocket::UnconnectedState ? Asked::Gone : Asked::NoAnswer;
    QByteArray answer;
    while (!answer.contains('\n') && socket.waitForReadyRead(Remaining(deadline)))
        answer += socket.read(16);
    answer += socket.read(16);
    if (answer == ShownAnswer)
        return Asked::Shown;
    if (answer == BusyAnswer)
        return Asked::Busy;
    return answer.isEmpty() && socket.state() == QLocalSocket::UnconnectedState ? Asked::Gone : Asked::NoAnswer;
}

// Why the lock file at `path` could not be made or taken.
QString LockReason(const QLockFile& lock, const QString& path)
{
    if (QFile file(path); !QFile::exists(path)) {
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file.errorString();
        file.close();
        file.remove();
    }
    return SystemReason(lock.error() == QLockFile::PermissionError ? ERROR_ACCESS_DENIED : ERROR_LOCK_VIOLATION);
}

} // namespace

class OneCopy::System
{
public:
    explicit System(OneCopy& owner)
        : mOwner(owner)
    {
    }
    ~System();

    Claim Take(const QString& folder, int waitMs, QString& problem);

private:
    void Listen();
    void KeepName();
    void Accept();
    void Serve(QLocalSocket* connection);

    OneCopy& mOwner;
    std::unique_ptr<QLockFile> mLock;
    QString mNamePath; // the file that holds the listener's name
    QByteArray mName;
    QLocalServer* mServer = nullptr;
    QFileSystemWatcher* mWatcher = nullptr;
    int mConnections = 0;
    int mRefusedSaves = 0; // of the name's file, one after another
};

OneCopy::OneCopy(const QString& folder, int waitMs, QObject* parent)
    : QObject(parent)
    , mSystem(std::make_unique<System>(*this))
{
    mClaim = mSystem->Take(folder, waitMs, mProblem);
}

OneCopy::~OneCopy() = default;

OneCopy::Claim OneCopy::System::Take(const QString& folder, int waitMs, QString& problem)
{
    const QDir dir(folder);
    const QString path = dir.filePath(QLatin1String(LockFileName));
    mNamePath = dir.filePath(QLatin1String(ListenerFileName));
    mLock = std::make_unique<QLockFile>(path);
    // Held by a running process or not at all: no age makes a lock stale.
    mLock->setStaleLockTime(0);
    const QDeadlineTimer deadline(waitMs);
    bool busy = false;
    int refused = 0;
    int taken = 0;
    for (;;) {
        if (mLock->tryLock(0)) {
            Listen();
            return Claim::First;
        }
        DWORD error = ERROR_SHARING_VIOLATION;
        if (mLock->error() == QLockFile::LockFailedError && !::DeleteFileW(LongName(path).c_str()))
            error = ::GetLastError();
        else if (mLock->error() == QLockFile::LockFailedError && ++taken < 50)
            continue; // held by no one: taken at once
        else if (mLock->error() == QLockFile::LockFailedError)
            error = ERROR_LOCK_VIOLATION; // taken by others each time: another program's doing
        // Being deleted by another start (which it refuses meanwhile) is a moment's matter; a folder that keeps the
        // file is not.
        if ((error == ERROR_FILE_NOT_FOUND && ++taken < 50) || (error == ERROR_ACCESS_DENIED && ++refused < 10)) {
            QThread::msleep(20);
            continue;
        }
        if (mLock->error() != QLockFile::LockFailedError || error != ERROR_SHARING_VIOLATION) {
            const QString reason = mLock->error() == QLockFile::LockFailedError ? SystemReason(error)
                                                                                : LockReason(*mLock, path);
            problem = QStringLiteral("\"%1\": %2").arg(QDir::toNativeSeparators(path), reason);
            mLock.reset();
            return Claim::Unguarded;
        }
        const Asked asked = AskToShow(ListenerName(mNamePath), deadline);
        busy = busy || asked == Asked::Busy;
        // The copy that holds the lock is starting or ending: a moment later the lock is ours, or it answers.
        if ((asked == Asked::Gone || asked == Asked::Busy) && !deadline.hasExpired()) {
            QThread::msleep(asked == Asked::Busy ? 100 : 20);
            continue;
        }
        mLock.reset();
        return ClaimAfter(asked, busy, deadline.hasExpired());
    }
}

void OneCopy::System::Listen()
{
    // The lock is this copy's: it listens on a name no one can foresee, open to this user only, and writes it beside
    // the lock file once it listens. Where it cannot listen, later starts cannot ask it, but none runs beside it.
    const QByteArray name = NewListenerName();
    mServer = new QLocalServer(&mOwner);
    mServer->setSocketOptions(QLocalServer::UserAccessOption);
    mServer->setMaxPendingConnections(MostConnections);
    if (!mServer->listen(QString::fromLatin1(name))) {
        delete mServer;
        mServer = nullptr;
        return;
    }
    QObject::connect(mServer, &QLocalServer::newConnection, mServer, [this] { Accept(); });
    mName = name;
    // The name's file removed or written over while the copy runs: it is written again, so that later starts find it.
    mWatcher = new QFileSystemWatcher(&mOwner);
    QObject::connect(mWatcher, &QFileSystemWatcher::fileChanged, mWatcher, [this] { KeepName(); });
    KeepName();
}

void OneCopy::System::KeepName()
{
    // A save refused for a moment (a program that reads the file without letting it be replaced) is tried again. The
    // file is the program's own, no player's: a read-only attribute on it (left by a copy, set by hand) is taken off
    // before it is written.
    bool refused = false;
    if (ListenerName(mNamePath) != mName) {
        const std::wstring name = LongName(mNamePath);
        if (const DWORD attributes = ::GetFileAttributesW(name.c_str());
            attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            ::SetFileAttributesW(name.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
        refused = SaveFileAtomically(mNamePath, mName + '\n').has_value();
    }
    if (!refused)
        mRefusedSaves = 0;
    else if (++mRefusedSaves < 25)
        QTimer::singleShot(200, mWatcher, [this] { KeepName(); });
    if (!mWatcher->files().contains(mNamePath))
        mWatcher->addPath(mNamePath);
}

OneCopy::System::~System()
{
    delete mWatcher;
    delete mServer; // and the connections with it
    if (!mName.isEmpty() && ListenerName(mNamePath) == mName)
        QFile::remove(mNamePath);
    mLock.reset(); // unlocked and removed
}

void OneCopy::System::Accept()
{
    while (QLocalSocket* connection = mServer->nextPendingConnection()) {
        // Only a few at once (the pipe lets only this user in).
        if (mConnections >= MostConnections) {
            connection->abort();
            connection->deleteLater();
            continue;
        }
        ++mConnections;
        QObject::connect(connection, &QObject::destroyed, mServer, [this] { --mConnections; });
        QObject::connect(connection, &QLocalSocket::readyRead, connection, [this, connection] { Serve(connection); });
        QObject::connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
        // One that does not ask in time is let go.
        QTimer::singleShot(RequestMs, connection, [connection] {
            connection->abort();
            connection->deleteLater();
        });
    }
}

void OneCopy::System::Serve(QLocalSocket* connection)
{
    // The request comes whole, in one piece (it is a few bytes): anything else ends the talk.
    const QByteArray request = connection->read(16);
    if (request == ShowRequest) {
        const bool showable = mOwner.AnswerShow();
        connection->write(showable ? ShownAnswer : BusyAnswer);
    }
    connection->disconnectFromServer();
}
