// SPDX-License-Identifier: GPL-3.0-or-later
#include "onecopy.h"
#include "onecopy_platform.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileSystemWatcher>
#include <QList>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

struct Address
{
    sockaddr_un Un = {};
    socklen_t Length = 0;
};

// The socket of `name` in the abstract namespace (a name starting with a zero byte).
Address AbstractAddress(const QByteArray& name)
{
    Address address;
    address.Un.sun_family = AF_UNIX;
    std::memcpy(address.Un.sun_path + 1, name.constData(), size_t(name.size()));
    address.Length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(name.size()));
    return address;
}

const sockaddr* Generic(const Address& address)
{
    return reinterpret_cast<const sockaddr*>(&address.Un);
}

bool SameUser(int socket)
{
    ucred peer = {};
    socklen_t size = sizeof peer;
    return ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

// The socket's name the running copy wrote into the lock file; empty while it has written none
// (or the file holds anything else).
QByteArray ListenerName(int lock)
{
    char line[NameSize + 1];
    const ssize_t got = ::pread(lock, line, sizeof line, 0);
    const QByteArray name(line, qMax<ssize_t>(got, 0));
    return got == NameSize + 1 && name.startsWith(NamePrefix) && name.endsWith('\n') ? name.chopped(1) : QByteArray();
}

// Opens (or creates) the lock file at `path` for writing, else for reading (a file the user may
// not write, in a folder they may not write); -1 with the reason in `problem` when there is no
// regular file of one link to lock.
int OpenLock(const QByteArray& path, bool& writable, QString& problem)
{
    // Not blocking: a FIFO in its place is not waited on.
    constexpr int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    int lock = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | flags, 0666);
    if (lock >= 0 && ::geteuid() == 0) {
        // Made by root (su) in a player's folder: the player's, so that their copies can write into it.
        struct stat folder = {};
        if (::stat(path.left(path.lastIndexOf('/') + 1).constData(), &folder) == 0) {
            [[maybe_unused]] const int given = ::fchown(lock, folder.st_uid, folder.st_gid);
        }
    }
    if (lock < 0 && errno == EEXIST)
        lock = ::open(path.constData(), O_RDWR | flags);
    int cause = errno;
    writable = lock >= 0;
    if (lock < 0 && (cause == EACCES || cause == EPERM || cause == EROFS)) {
        lock = ::open(path.constData(), O_RDONLY | flags);
        cause = lock < 0 && errno == ENOENT ? cause : errno; // a folder it may not write, without the file
    }
    // A second link to the file would have another file's contents replaced by the socket's name.
    struct stat info = {};
    if (lock >= 0 && ::fstat(lock, &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1)
        return lock;
    problem = lock < 0          ? QString::fromLocal8Bit(std::strerror(cause))
        : S_ISREG(info.st_mode) ? QString::fromLocal8Bit(std::strerror(EMLINK))
                                : QCoreApplication::translate("Files", "it is not a regular file");
    if (lock >= 0)
        ::close(lock);
    return -1;
}

// Whether the file open as `lock` is still the one at `path`.
bool IsAt(int lock, const QByteArray& path)
{
    struct stat held = {};
    struct stat named = {};
    return ::fstat(lock, &held) == 0 && ::stat(path.constData(), &named) == 0 && held.st_dev == named.st_dev
        && held.st_ino == named.st_ino;
}

// A lock file of this copy's own put at `path` in place of one it may not write (another user's, or read-only),
// locked and naming the socket `name` before it is there to be found: its descriptor, or -1 with the reason in
// `problem` when the folder takes no file of this copy's.
int ReplacedLock(const QByteArray& path, const QByteArray& name, QString& problem)
{
    const QByteArray own = path + '.' + name;
    const int lock = ::open(own.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    const QByteArray line = name + '\n';
    if (lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) == 0
        && ::write(lock, line.constData(), size_t(line.size())) == line.size()
        && ::rename(own.constData(), path.constData()) == 0)
        return lock;
    problem = QString::fromLocal8Bit(std::strerror(errno));
    if (lock >= 0)
        ::unlink(own.constData()), ::close(lock);
    return -1;
}

// Asks the copy listening on `name` to show its window, waiting until `deadline` for its answer.
// Gone: nobody listens there (no name written yet, or the copy that wrote it has ended), the copy
// accepts nobody now (it has not begun to listen yet, or is stopped with its queue full), or it
// closed the connection without an answer (it ended while asked): it is asked again.
Asked AskToShow(const QByteArray& name, const QDeadlineTimer& deadline)
{
    if (name.isEmpty())
        return Asked::Gone;
    // Not blocking: a local socket connects at once, or fails at once when the queue is full.
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0)
        return Asked::NoAnswer;
    const Address address = AbstractAddress(name);
    const bool connected = ::connect(socket, Generic(address), address.Length) == 0;
    Asked asked = connected && !SameUser(socket) ? Asked::OtherUser : Asked::Gone;
    if (connected && asked != Asked::OtherUser
        && ::send(socket, ShowRequest, sizeof ShowRequest - 1, MSG_NOSIGNAL) == sizeof ShowRequest - 1) {
        asked = Asked::NoAnswer;
        QByteArray answer;
        pollfd wait = {socket, POLLIN, 0};
        while (!answer.contains('\n') && ::poll(&wait, 1, int(deadline.remainingTime())) > 0) {
            char buffer[16];
            const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0) {
                asked = Asked::Gone;
                break;
            }
            answer.append(buffer, got);
        }
        if (answer == ShownAnswer)
            asked = Asked::Shown;
        else if (answer == BusyAnswer)
            asked = Asked::Busy;
    }
    ::close(socket);
    return asked;
}

} // namespace

// The claim on Linux: flock() on the lock file, and a listener in the abstract namespace
// whose name the lock file holds.
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
    void Listen(const QByteArray& path, bool writable);
    void WriteName();
    void KeepClaim();
    void Accept();
    void Serve(QSocketNotifier* connection);
    void Drop(QSocketNotifier* connection);

    OneCopy& mOwner;
    int mLock = -1;
    QByteArray mPath; // the lock file's
    QByteArray mName; // the socket's, written into the lock file
    QFileSystemWatcher* mWatcher = nullptr;
    int mListener = -1;
    QSocketNotifier* mAccepting = nullptr;
    QList<QSocketNotifier*> mConnections;
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
    QByteArray path = QFile::encodeName(folder);
    if (!path.endsWith('/'))
        path += '/';
    path += LockFileName;
    bool writable = false;
    mLock = OpenLock(path, writable, problem);
    const QDeadlineTimer deadline(waitMs);
    bool busy = false;
    while (mLock >= 0) {
        const bool locked = ::flock(mLock, LOCK_EX | LOCK_NB) == 0;
        const int cause = errno;
        // A share that takes no locks (NFS without its lock service, or a file open for reading there).
        if (!locked && cause != EWOULDBLOCK && cause != EINTR) {
            problem = QString::fromLocal8Bit(std::strerror(cause));
            break;
        }
        if (!IsAt(mLock, path)) {
            // Replaced meanwhile, by the running copy with one it may write: the file at the name is the claim.
            ::close(mLock);
            mLock = OpenLock(path, writable, problem);
            continue;
        }
        if (locked)
            break;
        const Asked asked = cause == EINTR ? Asked::Gone : AskToShow(ListenerName(mLock), deadline);
        busy = busy || asked == Asked::Busy;
        // The copy that holds the lock is starting or ending: a moment later the lock is ours,
        // or it answers.
        if ((asked == Asked::Gone || asked == Asked::Busy) && !deadline.hasExpired()) {
            QThread::msleep(asked == Asked::Busy ? 100 : 20);
            continue;
        }
        const Claim claim = ClaimAfter(asked, busy, deadline.hasExpired());
        ::close(mLock);
        mLock = -1;
        return claim;
    }
    if (!problem.isEmpty()) {
        problem = QStringLiteral("\"%1\": %2").arg(QFile::decodeName(path), problem);
        if (mLock >= 0)
            ::close(mLock);
        mLock = -1;
        return Claim::Unguarded;
    }
    Listen(path, writable);
    return Claim::First;
}

void OneCopy::System::Listen(const QByteArray& path, bool writable)
{
    // The lock is this copy's: it listens on a name no one can foresee, and writes it into the
    // lock file once it listens. A lock file it may only read is replaced by one of its own, locked
    // before it takes the name.
    const QByteArray name = NewListenerName();
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const Address address = AbstractAddress(name);
    if (socket < 0)
        return;
    if (::bind(socket, Generic(address), address.Length) != 0 || ::listen(socket, MostConnections) != 0) {
        ::close(socket);
        return;
    }
    // One it may not replace either (in a folder that is read-only, or shared with the sticky bit and the file another
    // user's) is held as it is: later starts cannot ask this copy, but none runs beside it.
    if (!writable) {
        QString problem;
        if (const int own = ReplacedLock(path, name, problem); own >= 0)
            ::close(mLock), mLock = own;
    }
    mListener = socket;
    mAccepting = new QSocketNotifier(socket, QSocketNotifier::Read, &mOwner);
    QObject::connect(mAccepting, &QSocketNotifier::activated, &mOwner, [this] { Accept(); });
    mName = name;
    mPath = path;
    if (writable)
        WriteName();
    // A lock file removed or replaced under the running copy would let a later start run beside it.
    mWatcher = new QFileSystemWatcher({QFile::decodeName(path)}, &mOwner);
    QObject::connect(mWatcher, &QFileSystemWatcher::fileChanged, &mOwner, [this] { KeepClaim(); });
}

void OneCopy::System::WriteName()
{
    if (::ftruncate(mLock, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::pwrite(mLock, (mName + '\n').constData(), size_t(NameSize + 1), 0);
    }
}

void OneCopy::System::KeepClaim()
{
    const QString watched = QFile::decodeName(mPath);
    if (!IsAt(mLock, mPath)) {
        // Not the file this copy holds: the claim is taken on the file now at its name (made anew where there is
        // none; one it may only read replaced by one of its own while it holds that one), unless a later start
        // holds it already.
        bool writable = false;
        QString problem;
        const int lock = OpenLock(mPath, writable, problem);
        int own = -1;
        if (lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) == 0) {
            own = writable ? lock : ReplacedLock(mPath, mName, problem);
            own = own >= 0 ? own : lock; // one it may not replace is held as it is
        }
        if (lock >= 0 && own != lock)
            ::close(lock);
        if (own >= 0) {
            ::close(mLock);
            mLock = own;
        }
        mWatcher->removePath(watched);
    }
    // Emptied or written over in place (": >", an editor that saves in place): the name is written again.
    if (ListenerName(mLock) != mName)
        WriteName();
    if (!mWatcher->files().contains(watched))
        mWatcher->addPath(watched);
}

OneCopy::System::~System()
{
    for (QSocketNotifier* connection : std::as_const(mConnections)) {
        const int socket = int(connection->socket());
        delete connection;
        ::close(socket);
    }
    if (mListener >= 0) {
        delete mAccepting;
        ::close(mListener);
    }
    if (mLock >= 0)
        ::close(mLock);
}

void OneCopy::System::Accept()
{
    for (;;) {
        const int connection = ::accept4(mListener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (connection < 0) {
            // Out of descriptors, the listener stays readable: it is left alone a moment instead
            // of being asked again at once.
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                mAccepting->setEnabled(false);
                QTimer::singleShot(200, &mOwner, [this] { mAccepting->setEnabled(true); });
            }
            return;
        }
        // Only a copy of the same user is heard, and only a few at once.
        if (!SameUser(connection) || mConnections.size() >= MostConnections) {
            ::close(connection);
            continue;
        }
        auto* notifier = new QSocketNotifier(connection, QSocketNotifier::Read, &mOwner);
        mConnections.append(notifier);
        QObject::connect(notifier, &QSocketNotifier::activated, &mOwner, [this, notifier] { Serve(notifier); });
        // One that does not ask in time is let go.
        QTimer::singleShot(RequestMs, notifier, [this, notifier] { Drop(notifier); });
    }
}

void OneCopy::System::Serve(QSocketNotifier* connection)
{
    // The request comes whole, in one piece (it is a few bytes): anything else ends the talk.
    const int socket = int(connection->socket());
    char request[16];
    const ssize_t got = ::recv(socket, request, sizeof request, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (got == sizeof ShowRequest - 1 && std::memcmp(request, ShowRequest, size_t(got)) == 0) {
        const bool showable = mOwner.AnswerShow();
        const char* answer = showable ? ShownAnswer : BusyAnswer;
        [[maybe_unused]] const ssize_t sent = ::send(socket, answer, std::strlen(answer), MSG_NOSIGNAL);
    }
    Drop(connection);
}

void OneCopy::System::Drop(QSocketNotifier* connection)
{
    if (!mConnections.removeOne(connection))
        return;
    connection->setEnabled(false);
    connection->deleteLater();
    ::close(int(connection->socket()));
}
