#include "onecopy.h"

#include <QDeadlineTimer>
#include <QFile>
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

constexpr char ShowRequest[] = "show\n";
constexpr char ShownAnswer[] = "shown\n";
constexpr char BusyAnswer[] = "busy\n";

struct Address
{
    sockaddr_un Un = {};
    socklen_t Length = 0;
};

// The socket file at `path`, which is shorter than the room for it.
Address PathAddress(const QByteArray& path)
{
    Address address;
    address.Un.sun_family = AF_UNIX;
    std::memcpy(address.Un.sun_path, path.constData(), size_t(path.size()));
    address.Length = socklen_t(offsetof(sockaddr_un, sun_path) + size_t(path.size()) + 1);
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

// A folder of the user's that no other user may enter: the session's runtime folder, else one
// made in /tmp. Empty when neither is the user's alone (another user made the one in /tmp).
QByteArray PrivateFolder()
{
    const auto own = [](const QByteArray& path) {
        struct stat info = {};
        return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid()
            && (info.st_mode & 077) == 0;
    };
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    // Room for the names in it: a socket's path is at most 107 bytes.
    if (runtime.startsWith('/') && runtime.size() < 48 && own(runtime))
        return runtime;
    const QByteArray temporary = "/tmp/kelvara-utility-" + QByteArray::number(::getuid());
    ::mkdir(temporary.constData(), 0700);
    return own(temporary) ? temporary : QByteArray();
}

enum class Asked { Shown, Busy, Gone, NoAnswer };

// Asks the copy that holds `address` to show its window, waiting until `deadline` for its
// answer. Gone: nobody of this user listens there, the copy accepts nobody now (it has not
// begun to listen yet, or is stopped with its queue full), or it closed the connection
// without an answer (it ended while asked): it is asked again.
Asked AskToShow(const Address& address, const QDeadlineTimer& deadline)
{
    // Not blocking: a local socket connects at once, or fails at once when the queue is full.
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0)
        return Asked::NoAnswer;
    Asked asked = Asked::Gone;
    if (::connect(socket, Generic(address), address.Length) == 0 && SameUser(socket)
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

OneCopy::OneCopy(const QString& folder, int waitMs, QObject* parent)
    : QObject(parent)
    , mSocketPath(SocketName(folder))
{
    // Nowhere to hold a claim that no other user could take: this copy runs unclaimed.
    if (mSocketPath.isEmpty())
        return;
    mLock = ::open((mSocketPath + ".lock").constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (mLock < 0)
        return;
    const Address address = PathAddress(mSocketPath);
    const QDeadlineTimer deadline(waitMs);
    bool busy = false;
    while (::flock(mLock, LOCK_EX | LOCK_NB) != 0) {
        const Asked asked = errno == EINTR ? Asked::Gone : AskToShow(address, deadline);
        busy = busy || asked == Asked::Busy;
        // The copy that holds the lock is starting or ending: a moment later the lock is ours,
        // or it answers.
        if ((asked == Asked::Gone || asked == Asked::Busy) && !deadline.hasExpired()) {
            QThread::msleep(asked == Asked::Busy ? 100 : 20);
            continue;
        }
        mClaim = asked == Asked::Shown                                    ? Claim::Shown
            : busy && (asked != Asked::NoAnswer || deadline.hasExpired()) ? Claim::Busy
                                                                          : Claim::NoAnswer;
        ::close(mLock);
        mLock = -1;
        return;
    }
    // The lock is this copy's: a socket file left by a copy that was killed goes.
    ::unlink(mSocketPath.constData());
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0)
        return;
    if (::bind(socket, Generic(address), address.Length) != 0 || ::listen(socket, MostConnections) != 0) {
        ::close(socket);
        return;
    }
    mListener = socket;
    mAccepting = new QSocketNotifier(socket, QSocketNotifier::Read, this);
    connect(mAccepting, &QSocketNotifier::activated, this, &OneCopy::Accept);
}

OneCopy::~OneCopy()
{
    for (QSocketNotifier* connection : std::as_const(mConnections)) {
        const int socket = int(connection->socket());
        delete connection;
        ::close(socket);
    }
    if (mListener >= 0) {
        delete mAccepting;
        ::unlink(mSocketPath.constData());
        ::close(mListener);
    }
    if (mLock >= 0)
        ::close(mLock);
}

QByteArray OneCopy::SocketName(const QString& folder)
{
    // The folder's device and inode, not its name: the same folder under two names (a bind
    // mount) is one, and two names that are not text stay two.
    struct stat info = {};
    const QByteArray own = PrivateFolder();
    if (own.isEmpty() || ::stat(QFile::encodeName(folder).constData(), &info) != 0)
        return {};
    // The user too, should the folder be shared by two users.
    return own + "/kelvara-utility-" + QByteArray::number(::getuid()) + '-' + QByteArray::number(quint64(info.st_dev))
        + '-' + QByteArray::number(quint64(info.st_ino));
}

QString OneCopy::NoAnswerText()
{
    return tr("Kelvara Utility is already running from this folder, but it does not answer. Start it again in a "
              "moment, or end the copy that is running.");
}

QString OneCopy::BusyText()
{
    return tr("Kelvara Utility is still starting or closing from this folder. Start it again once that is done.");
}

void OneCopy::Accept()
{
    for (;;) {
        const int connection = ::accept4(mListener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (connection < 0) {
            // Out of descriptors, the listener stays readable: it is left alone a moment instead
            // of being asked again at once.
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                mAccepting->setEnabled(false);
                QTimer::singleShot(200, this, [this] { mAccepting->setEnabled(true); });
            }
            return;
        }
        // Only a copy of the same user is heard, and only a few at once.
        if (!SameUser(connection) || mConnections.size() >= MostConnections) {
            ::close(connection);
            continue;
        }
        auto* notifier = new QSocketNotifier(connection, QSocketNotifier::Read, this);
        mConnections.append(notifier);
        connect(notifier, &QSocketNotifier::activated, this, [this, notifier] { Serve(notifier); });
        // One that does not ask in time is let go.
        QTimer::singleShot(RequestMs, notifier, [this, notifier] { Drop(notifier); });
    }
}

void OneCopy::Serve(QSocketNotifier* connection)
{
    // The request comes whole, in one piece (it is a few bytes): anything else ends the talk.
    const int socket = int(connection->socket());
    char request[16];
    const ssize_t got = ::recv(socket, request, sizeof request, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (got == sizeof ShowRequest - 1 && std::memcmp(request, ShowRequest, size_t(got)) == 0) {
        // A copy whose window is not loaded yet, or is closing, tells the new start to wait.
        const bool showable = mShowable && mShowable();
        if (showable)
            emit ShowAsked();
        const char* answer = showable ? ShownAnswer : BusyAnswer;
        [[maybe_unused]] const ssize_t sent = ::send(socket, answer, std::strlen(answer), MSG_NOSIGNAL);
    }
    Drop(connection);
}

void OneCopy::Drop(QSocketNotifier* connection)
{
    if (!mConnections.removeOne(connection))
        return;
    connection->setEnabled(false);
    connection->deleteLater();
    ::close(int(connection->socket()));
}
