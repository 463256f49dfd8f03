#include "onecopy.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr char ShowRequest[] = "show\n";
constexpr char ShownAnswer[] = "shown\n";

struct Address
{
    sockaddr_un Un = {};
    socklen_t Length = 0;
};

// A name of the abstract namespace: it begins with a zero byte and is no file.
Address AbstractAddress(const QByteArray& name)
{
    Address address;
    address.Un.sun_family = AF_UNIX;
    const size_t size = std::min(size_t(name.size()), sizeof(address.Un.sun_path) - 1);
    std::memcpy(address.Un.sun_path + 1, name.constData(), size);
    address.Length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size);
    return address;
}

const sockaddr* Generic(const Address& address)
{
    return reinterpret_cast<const sockaddr*>(&address.Un);
}

enum class Asked { Shown, Gone, NoAnswer };

// Asks the copy that holds `address` to show its window, waiting until `deadline` for its
// answer. Gone: nobody listens there (the copy has just ended, or not yet begun to listen).
Asked AskToShow(const Address& address, const QDeadlineTimer& deadline)
{
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return Asked::NoAnswer;
    Asked asked = Asked::Gone;
    if (::connect(socket, Generic(address), address.Length) == 0
        && ::send(socket, ShowRequest, sizeof ShowRequest - 1, MSG_NOSIGNAL) == sizeof ShowRequest - 1) {
        asked = Asked::NoAnswer;
        QByteArray answer;
        pollfd wait = {socket, POLLIN, 0};
        while (!answer.contains('\n') && ::poll(&wait, 1, int(deadline.remainingTime())) > 0) {
            char buffer[16];
            const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
            if (got <= 0)
                break;
            answer.append(buffer, got);
        }
        if (answer == ShownAnswer)
            asked = Asked::Shown;
    }
    ::close(socket);
    return asked;
}

} // namespace

OneCopy::OneCopy(const QString& folder, int waitMs, QObject* parent)
    : QObject(parent)
{
    const Address address = AbstractAddress(SocketName(folder));
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        // No socket to be had: nothing to tell another copy by, and this one runs.
        if (socket < 0)
            return;
        if (::bind(socket, Generic(address), address.Length) == 0 && ::listen(socket, 8) == 0) {
            mListener = socket;
            auto* notifier = new QSocketNotifier(socket, QSocketNotifier::Read, this);
            connect(notifier, &QSocketNotifier::activated, this, &OneCopy::Accept);
            return;
        }
        const int error = errno;
        ::close(socket);
        if (error != EADDRINUSE)
            return;
        switch (AskToShow(address, deadline)) {
        case Asked::Shown:
            mClaim = Claim::Shown;
            return;
        case Asked::NoAnswer:
            mClaim = Claim::NoAnswer;
            return;
        case Asked::Gone:
            // The copy that held the name ended meanwhile, or has bound it but not begun to
            // listen yet: a moment later the name is ours, or it answers.
            if (deadline.hasExpired()) {
                mClaim = Claim::NoAnswer;
                return;
            }
            QThread::msleep(20);
            break;
        }
    }
}

OneCopy::~OneCopy()
{
    if (mListener >= 0)
        ::close(mListener);
}

QByteArray OneCopy::SocketName(const QString& folder)
{
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath().isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                                                                 : info.canonicalFilePath();
    // The user too: another user's copy neither blocks this one nor hears its requests.
    return "kelvara-utility/" + QByteArray::number(::getuid()) + '/'
        + QCryptographicHash::hash(QFile::encodeName(canonical), QCryptographicHash::Sha256).toHex();
}

QString OneCopy::NoAnswerText()
{
    return tr("Kelvara Utility is already running from this folder, but it does not answer. Start it again in a "
              "moment, or end the copy that is running.");
}

void OneCopy::Accept()
{
    for (;;) {
        const int connection = ::accept4(mListener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (connection < 0)
            return;
        // Only a copy of the same user is heard.
        ucred peer = {};
        socklen_t size = sizeof peer;
        if (::getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != ::getuid()) {
            ::close(connection);
            continue;
        }
        auto* notifier = new QSocketNotifier(connection, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this,
                [this, connection, notifier] { Serve(connection, notifier); });
    }
}

void OneCopy::Serve(int connection, QSocketNotifier* notifier)
{
    // The request comes whole, in one piece (it is a few bytes): anything else ends the talk.
    char request[16];
    const ssize_t got = ::recv(connection, request, sizeof request, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (got == sizeof ShowRequest - 1 && std::memcmp(request, ShowRequest, size_t(got)) == 0) {
        emit ShowAsked();
        [[maybe_unused]] const ssize_t sent = ::send(connection, ShownAnswer, sizeof ShownAnswer - 1, MSG_NOSIGNAL);
    }
    notifier->setEnabled(false);
    notifier->deleteLater();
    ::close(connection);
}
