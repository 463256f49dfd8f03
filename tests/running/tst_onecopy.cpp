// SPDX-License-Identifier: GPL-3.0-or-later
#include "running/onecopy.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <array>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/fsuid.h>
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

    QTemporaryDir mFolder;
    QByteArray Lock() const { return QFile::encodeName(mFolder.filePath(QLatin1String(OneCopy::LockFileName))); }

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

    // A socket of the name `name` stands for in the abstract namespace, bound or connected as `use` does.
    static int Socket(int (*use)(int, const sockaddr*, socklen_t), const QByteArray& name)
    {
        sockaddr_un address = {AF_UNIX, {}};
        std::memcpy(address.sun_path + 1, name.constData(), size_t(name.size()));
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        use(socket, reinterpret_cast<sockaddr*>(&address),
            socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size()));
        return socket;
    }
    // Another copy's claim, made by hand: the lock taken, and a listener named in the lock file.
    std::array<int, 2> Hold() const
    {
        const int lock = ::open(Lock().constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        const QByteArray name = "kelvara-utility-" + QByteArray(32, 'f');
        const int listener = ::flock(lock, LOCK_EX) == 0 ? Socket(::bind, name) : -1;
        const bool held = ::listen(listener, 4) == 0 && ::ftruncate(lock, 0) == 0
            && ::write(lock, (name + '\n').constData(), size_t(name.size()) + 1) > 0;
        return {lock, held ? listener : -1};
    }

    static bool Closed(int client) { return ::recv(client, std::array<char, 1>().data(), 1, 0) == 0; }

private slots:
    // Shown once loaded, its lock file removed too; waited for while it starts or closes, and a start once it has ended
    // runs; a copy that is stopped with its queue full is given up on in time, and then hears only a few clients at
    // once.
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
        // A lock file removed under the running copy is made again, naming it.
        QVERIFY(QFile::remove(QFile::decodeName(Lock())));
        QTRY_VERIFY(QFileInfo(QFile::decodeName(Lock())).size() > 0);
        QVERIFY(QFile::resize(QFile::decodeName(Lock()), 0)); // emptied in place: named again
        QTRY_VERIFY(QFileInfo(QFile::decodeName(Lock())).size() > 0);
        QCOMPARE(Start(mFolder.path(), 5000), OneCopy::Claim::Shown);
        QCOMPARE(Start(mFolder.path(), 300), OneCopy::Claim::Busy);
        QCOMPARE(shown, 1);
        QFile lock(QFile::decodeName(Lock())); // it names the running copy's socket
        const QByteArray socket = lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed() : QByteArray();
        std::vector<int> clients;
        for (int i = 0; i <= OneCopy::MostConnections + 1; ++i)
            clients.push_back(Socket(::connect, socket));
        QCOMPARE(Start(mFolder.path(), 300, true), OneCopy::Claim::NoAnswer);
        // Clients that never ask are let go: beyond the few heard at once at once, the others in time.
        QTest::qWait(100);
        QVERIFY(!Closed(clients.front()) && Closed(clients[OneCopy::MostConnections]));
        QTRY_VERIFY_WITH_TIMEOUT(Closed(clients.front()), OneCopy::RequestMs + 1000);
    }

    // A copy of another user holds the folder: the start is told so, and does not ask it. A lock file root
    // makes is the folder owner's.
    void otherUser()
    {
        if (::geteuid() != 0)
            QSKIP("becoming another user needs root");
        QVERIFY(::chown(QFile::encodeName(mFolder.path()).constData(), 65534, 65534) == 0);
        QFile::remove(QFile::decodeName(Lock()));
        OneCopy(mFolder.path(), 0);
        struct stat info = {};
        QVERIFY(::stat(Lock().constData(), &info) == 0 && info.st_uid == 65534);
        // The other user's copy says when it holds the folder: however slow its start, the claim is asked after.
        std::array<int, 2> held = {};
        QVERIFY(::pipe(held.data()) == 0);
        const pid_t other = ::fork();
        if (other == 0) {
            if (::setgid(65534) == 0 && ::setuid(65534) == 0 && Hold()[1] >= 0 && ::write(held[1], "h", 1) == 1)
                ::pause();
            ::_exit(0);
        }
        ::close(held[1]);
        char said = 0;
        QVERIFY(::read(held[0], &said, 1) == 1);
        ::close(held[0]);
        const OneCopy::Claim claim = Start(mFolder.path(), 1000);
        ::kill(other, SIGKILL);
        ::waitpid(other, nullptr, 0);
        QCOMPARE(claim, OneCopy::Claim::OtherUser);
        // A lock file the player may not write (root's from before, read-only) in their folder: their copy is found.
        QVERIFY(::chown(Lock().constData(), 0, 0) == 0 && ::chmod(Lock().constData(), 0444) == 0);
        {
            ::setfsuid(65534); // this thread's file access only: the player's, without root's powers
            OneCopy player(mFolder.path(), 0);
            ::setfsuid(0);
            player.SetShowable([] { return true; });
            QCOMPARE(Start(mFolder.path(), 1000), OneCopy::Claim::Shown);
            // Such a file put in its place while it runs: replaced by one of the player's copy's own again.
            const QByteArray root = Lock() + ".root";
            QVERIFY(::close(::open(root.constData(), O_CREAT | O_WRONLY, 0444)) == 0);
            QVERIFY(::rename(root.constData(), Lock().constData()) == 0);
            ::setfsuid(65534);
            QTRY_VERIFY(::stat(Lock().constData(), &info) == 0 && info.st_uid == 65534);
            ::setfsuid(0);
            QCOMPARE(Start(mFolder.path(), 1000), OneCopy::Claim::Shown);
        }
        // Shared with the sticky bit, the lock file a third user's, which the copy may not replace: held as it is.
        QVERIFY(::chmod(QFile::encodeName(mFolder.path()).constData(), 01777) == 0
                && ::chown(Lock().constData(), 65533, 65533) == 0 && ::chmod(Lock().constData(), 0644) == 0);
        ::setfsuid(65532);
        OneCopy shared(mFolder.path(), 0);
        ::setfsuid(0);
        QCOMPARE(Start(mFolder.path(), 300), OneCopy::Claim::NoAnswer);
    }

    // A copy that ends after taking a start's question, without an answer, is gone: the start runs.
    void endsWhileAsked()
    {
        const auto [lock, listener] = Hold();
        const OneCopy::Claim claim = Start(mFolder.path(), 5000, false, [listener, lock] {
            pollfd wait = {listener, POLLIN, 0};
            const int asked = ::poll(&wait, 1, 5000) == 1 ? ::accept(listener, nullptr, nullptr) : -1;
            [[maybe_unused]] const ssize_t got = ::recv(asked, std::array<char, 16>().data(), 16, 0);
            for (int fd : {asked, listener, lock})
                ::close(fd);
        });
        QCOMPARE(claim, OneCopy::Claim::First);
    }

    // No regular file of one link to lock (L): the copy runs without a claim, and tells why.
    void unguarded_data()
    {
        QTest::addColumn<QString>("make"); // a shell command in the folder
        for (const char* make : {"mkdir L", "mkfifo L", "ln -s L.1 L", "touch L && ln L L.2"})
            QTest::newRow(make) << QString::fromLatin1(make).replace(u'L', u"kelvara-utility.lock"_s);
    }
    void unguarded()
    {
        QFETCH(QString, make);
        QCOMPARE(QProcess::execute(u"sh"_s, {u"-c"_s, u"cd \"$0\" && rm -rf kelvara* && "_s + make, mFolder.path()}),
                 0);
        const OneCopy copy(mFolder.path(), 0);
        QCOMPARE(copy.Result(), OneCopy::Claim::Unguarded);
        QVERIFY2(copy.Message().contains(u"cannot lock \"%1\": "_s.arg(QFile::decodeName(Lock()))),
                 qPrintable(copy.Message()));
    }
};

QTEST_GUILESS_MAIN(TstOneCopy)
#include "tst_onecopy.moc"
