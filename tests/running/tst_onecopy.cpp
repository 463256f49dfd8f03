#include "running/onecopy.h"

#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <array>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The claim of a program folder, with later starts on a thread of their own beside the running copy.
class TstOneCopy : public QObject
{
    Q_OBJECT

    QTemporaryDir mRuntime, mFolder;

    // A later start; the running copy answers meanwhile unless it is `stopped`.
    static OneCopy::Claim Start(const QString& folder, int waitMs, bool stopped = false,
                                const std::function<void()>& meanwhile = {})
    {
        auto claim = OneCopy::Claim(-1);
        QThread* start = QThread::create([&claim, folder, waitMs] { claim = OneCopy(folder, waitMs).Result(); });
        start->start();
        meanwhile ? meanwhile() : void();
        if (stopped ? start->wait(waitMs + 2000)
                    : QTest::qWaitFor([start] { return start->isFinished(); }, waitMs + 2000))
            delete start; // one that never ends is left, as the test fails
        return claim;
    }

    static int Socket(int (*use)(int, const sockaddr*, socklen_t), const QByteArray& name)
    {
        sockaddr_un address = {AF_UNIX, {}};
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        use(socket, reinterpret_cast<sockaddr*>(&address), socklen_t(offsetof(sockaddr_un, sun_path) + name.size()));
        return socket;
    }
    int Connect() const { return Socket(::connect, OneCopy::SocketName(mFolder.path())); }

    static bool Closed(int client) { return ::recv(client, std::array<char, 1>().data(), 1, 0) == 0; }

private slots:
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(mRuntime.path())); }

    // Shown once loaded; waited for while it starts or closes, and a start once it has ended runs; a copy that
    // is stopped with its queue full is given up on in time.
    void laterStarts()
    {
        auto first = std::make_unique<OneCopy>(mFolder.path(), 0);
        QCOMPARE(first->Result(), OneCopy::Claim::First);
        QCOMPARE(Start(mFolder.path(), 5000, false, [&first] { QTest::qWait(300), first.reset(); }),
                 OneCopy::Claim::First);
        first = std::make_unique<OneCopy>(mFolder.path(), 0);
        int shown = 0;
        connect(first.get(), &OneCopy::ShowAsked, this, [&shown] { ++shown; });
        first->SetShowable([&shown] { return shown == 0; });
        QCOMPARE(Start(mFolder.path(), 5000), OneCopy::Claim::Shown);
        QCOMPARE(Start(mFolder.path(), 300), OneCopy::Claim::Busy);
        QCOMPARE(shown, 1);
        for (int i = 0; i <= OneCopy::MostConnections + 1; ++i)
            Connect();
        QCOMPARE(Start(mFolder.path(), 300, true), OneCopy::Claim::NoAnswer);
    }

    // Clients that never ask are let go: beyond the few heard at once at once, the others in time.
    void silentClients()
    {
        OneCopy first(mFolder.path(), 0);
        std::vector<int> clients;
        for (int i = 0; i <= OneCopy::MostConnections; ++i)
            clients.push_back(Connect());
        QTest::qWait(100);
        QVERIFY(!Closed(clients.front()) && Closed(clients.back()));
        QTRY_VERIFY_WITH_TIMEOUT(Closed(clients.front()), OneCopy::RequestMs + 1000);
        for (int client : clients)
            ::close(client);
    }

    // Another user cannot hold the folder's socket to answer in its stead: the start runs.
    void otherUser()
    {
        if (::geteuid() != 0)
            QSKIP("becoming another user needs root");
        const QByteArray name = OneCopy::SocketName(mFolder.path());
        const pid_t squatter = ::fork();
        if (squatter == 0) {
            const int listener = ::setuid(65534) == 0 ? Socket(::bind, name) : -1;
            while (::fcntl(listener, F_SETFL, 0) == 0 && ::listen(listener, 8) == 0)
                ::send(::accept(listener, nullptr, nullptr), "shown\n", 6, MSG_NOSIGNAL);
            ::_exit(0);
        }
        QTest::qWait(200);
        const OneCopy::Claim claim = Start(mFolder.path(), 1000);
        ::kill(squatter, SIGKILL);
        ::waitpid(squatter, nullptr, 0);
        QCOMPARE(claim, OneCopy::Claim::First);
    }

    // A copy that ends after taking a start's question, without an answer, is gone: the start runs.
    void endsWhileAsked()
    {
        const QByteArray name = OneCopy::SocketName(mFolder.path());
        const int lock = ::open((name + ".lock").constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        QVERIFY(::flock(lock, LOCK_EX) == 0);
        ::unlink(name.constData()); // a socket file left by an earlier case
        const int listener = Socket(::bind, name);
        QVERIFY(::listen(listener, 4) == 0);
        const OneCopy::Claim claim = Start(mFolder.path(), 5000, false, [listener, lock] {
            pollfd wait = {listener, POLLIN, 0};
            const int asked = ::poll(&wait, 1, 5000) == 1 ? ::accept(listener, nullptr, nullptr) : -1;
            [[maybe_unused]] const ssize_t got = ::recv(asked, std::array<char, 16>().data(), 16, 0);
            for (int fd : {asked, listener, lock})
                ::close(fd);
        });
        QCOMPARE(claim, OneCopy::Claim::First);
    }

    // Named after the folder, not its name's text: two names that are not UTF-8 are two folders.
    void folderNotText()
    {
        QList<QByteArray> names;
        for (const char* name : {"/kx\xff", "/kx\xfe"}) {
            const QByteArray path = QFile::encodeName(mFolder.path()) + name;
            QVERIFY(::mkdir(path.constData(), 0700) == 0);
            names << OneCopy::SocketName(u"/proc/self/fd/%1"_s.arg(::open(path.constData(), O_PATH | O_DIRECTORY)));
        }
        QVERIFY(names[0] != names[1]);
    }
};

QTEST_GUILESS_MAIN(TstOneCopy)
#include "tst_onecopy.moc"
