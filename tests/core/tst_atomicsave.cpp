// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/errorof.h"
#include "common/faultkit.h"
#include "common/filebytes.h"
#include "common/testfolder.h"
#include "core/atomicsave.h"
#include "files/autostart.h"
#include "files/autostart_xdg.h"

#include <QtTest>

#include <csignal>

#include <dlfcn.h>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The file of save number n: its game time and month count the saves.
QByteArray SaveBytes(int n)
{
    return QStringLiteral("12:00:00\r\n12/06/2026\r\n%1\r\n%2/01/0001\r\n")
        .arg(QTime(0, 0).addSecs(n % 86400).toString(QStringLiteral("HH:mm:ss")))
        .arg(n / 86400 % 12 + 1, 2, 10, QLatin1Char('0'))
        .toLatin1();
}

// The saving side: saves calibrations first, first + 1, ... until it is killed.
int SaveForever(const QString& folder, int first)
{
    SetProgramFolder(folder);
    for (int n = first;; ++n) {
        const QStringList lines = QString::fromLatin1(SaveBytes(n)).split(u"\r\n"_s);
        WriteCalibrationFile(ClockCalibration::FromTexts(lines[0], lines[1], lines[2], lines[3]));
    }
}

// Set: each folder made is swapped at once for a link to this folder, as another user may do in a folder just given
// to them.
QByteArray gSwapTo;

} // namespace

extern "C" int mkdirat(int folder, const char* name, mode_t mode)
{
    static const auto made = reinterpret_cast<int (*)(int, const char*, mode_t)>(::dlsym(RTLD_NEXT, "mkdirat"));
    const int result = made(folder, name, mode);
    if (result == 0 && !gSwapTo.isEmpty()
        && (::renameat(folder, name, folder, (QByteArray(name) + ".made").constData()) != 0
            || ::symlinkat(gSwapTo.constData(), folder, name) != 0))
        qFatal("mkdirat: %s was not swapped for a link", name);
    return result;
}

extern "C" int mkdir(const char* name, mode_t mode)
{
    return mkdirat(AT_FDCWD, name, mode);
}

// Every file the project writes is replaced the same way: a save the system refuses says why, and the file saved
// before stays whole, with nothing left beside it; a save keeps what protects the file. The program's own files,
// and its entry for starting at login.
class TstAtomicSave : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    QString mConfig;
    int mRun = 0;

    QString File(const char* name) const { return mDir.filePath(QLatin1String(name)); }

    // Saves 16 KiB; the reason it fails, or empty.
    static QString Save(const QString& path)
    {
        return SaveFileAtomically(path, QByteArray(16 * 1024, 'x')).value_or(QString());
    }

    // What stands at a path: its kind, and a regular file's size.
    static QString Kind(const QString& path)
    {
        struct stat info = {};
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
            return u"missing"_s;
        const QString target = QFileInfo(path).symLinkTarget();
        return S_ISLNK(info.st_mode) ? u"link to "_s + (target == path ? u"itself"_s : Kind(target))
            : S_ISREG(info.st_mode)  ? QString::number(info.st_size)
            : S_ISFIFO(info.st_mode) ? u"fifo"_s
            : S_ISDIR(info.st_mode)  ? u"folder"_s
                                     : u"device %1"_s.arg(info.st_rdev);
    }

    // An access control list as the system keeps it: the owner rw, the user nobody rw, the group r, the mask, others
    // nothing.
    static QByteArray Acl(quint32 mask)
    {
        QByteArray acl("\2\0\0\0", 4);
        QDataStream out(&acl, QIODevice::Append);
        out.setByteOrder(QDataStream::LittleEndian);
        for (const auto& [tag, permissions, user] :
             {std::array<quint32, 3>{1, 6, ~0u}, {2, 6, 65534}, {4, 4, ~0u}, {0x10, mask, ~0u}, {0x20, 0, ~0u}})
            out << quint16(tag) << quint16(permissions) << user;
        return acl;
    }

    // What protects a file: mode, owner, group and every extended attribute with its value.
    static QString Protection(const QString& path)
    {
        const QByteArray name = QFile::encodeName(path);
        struct stat info = {};
        char names[4096] = {};
        QStringList text{::stat(name.constData(), &info) == 0
                             ? u"%1 %2:%3"_s.arg(info.st_mode, 0, 8).arg(info.st_uid).arg(info.st_gid)
                             : u"missing"_s};
        for (const QByteArray& key : QByteArray(names, ::listxattr(name.constData(), names, sizeof names)).split(0)) {
            char value[4096];
            const ssize_t size = ::getxattr(name.constData(), key.constData(), value, sizeof value);
            text << QString::fromLatin1(key + '=' + QByteArray(value, qMax<ssize_t>(size, 0)).toHex());
        }
        text.sort();
        return text.join(u' ');
    }

private slots:
    // The program folder, a home of the test's own, and a fresh configuration folder for each test.
    void init()
    {
        SetProgramFolder(mDir.path());
        mConfig = mDir.filePath(QString::number(++mRun));
        qputenv("HOME", QFile::encodeName(mDir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(mConfig));
    }

    // A list naming a user with a mask narrower or wider than the group's entry, a user.* attribute, the mode bits;
    // a folder's default list gives the new file nothing that the old one lacked.
    void keepsProtection_data()
    {
        QTest::addColumn<QByteArrayList>("attributes"); // the file's list, the folder's default list, user.kelvara
        QTest::addColumn<int>("mode");
        QTest::newRow("user and mask") << QByteArrayList{Acl(4), {}, {}} << 0640;
        QTest::newRow("mask wider than group") << QByteArrayList{Acl(6), {}, {}} << 0640;
        QTest::newRow("attribute") << QByteArrayList{{}, {}, "kept"} << 0600;
        QTest::newRow("folder's list") << QByteArrayList{{}, Acl(6), {}} << 0640;
        QTest::newRow("another user's, root's group") << QByteArrayList{{}, {}, {}} << 0644;
    }

    void keepsProtection()
    {
        QFETCH(QByteArrayList, attributes);
        QFETCH(int, mode);
        TestFolder dir;
        const QString path = dir.filePath(u"OXLTIMES.DAT"_s);
        const QByteArray file = QFile::encodeName(path), names[] = {file, QFile::encodeName(dir.path()), file};
        const char* keys[] = {"system.posix_acl_access", "system.posix_acl_default", "user.kelvara"};
        QVERIFY(PutFile(path, "saved before") && ::chmod(file.constData(), mode_t(mode)) == 0);
        if (QByteArray(QTest::currentDataTag()).startsWith("another") && ::chown(file.constData(), 65534, 0) != 0)
            QSKIP("giving a file to another user needs root");
        for (int i = 0; i < 3; ++i)
            if (!attributes[i].isEmpty()
                && ::setxattr(names[i].constData(), keys[i], attributes[i].constData(), attributes[i].size(), 0) != 0)
                QSKIP("this file system keeps no access control lists or user attributes");
        const QString before = Protection(path);
        WriteCalibrationFile({});
        QVERIFY(FileBytes(path) != "saved before");
        QCOMPARE(Protection(path), before);
    }

    // A new file, saved or made empty, gets what a file made with open() gets there: the umask's mode, or the folder's
    // default list; made by root in a folder of another user's (su in a player's folder), it is that user's and
    // their group's.
    void newFile_data()
    {
        QTest::addColumn<QByteArray>("folderAcl");
        QTest::addColumn<uint>("owner"); // the folder's, 0: root's
        QTest::newRow("umask") << QByteArray() << 0u;
        QTest::newRow("folder's list") << Acl(6) << 0u;
        QTest::newRow("player's folder") << QByteArray() << 65534u;
    }

    void newFile()
    {
        QFETCH(QByteArray, folderAcl);
        QFETCH(uint, owner);
        TestFolder dir;
        const QByteArray folder = QFile::encodeName(dir.path()), made = folder + "/made";
        if (!folderAcl.isEmpty()
            && ::setxattr(folder, "system.posix_acl_default", folderAcl.constData(), folderAcl.size(), 0) != 0)
            QSKIP("this file system keeps no access control lists");
        if (owner != 0 && (::geteuid() != 0 || ::chown(folder, owner, owner) != 0))
            QSKIP("giving a folder to another user needs root");
        const mode_t umask = ::umask(027);
        const auto restore = qScopeGuard([umask] { ::umask(umask); });
        const int file = ::open(made, O_CREAT | O_WRONLY | O_CLOEXEC, 0666);
        QVERIFY(file >= 0 && (owner == 0 || ::fchown(file, owner, owner) == 0) && ::close(file) == 0);
        ReadCharacterFolder(), WriteCalibrationFile({}); // one made empty when first read, one saved new
        for (const char* name : {"OXLDIR.DAT", "OXLTIMES.DAT"})
            QCOMPARE(Protection(dir.filePath(QLatin1String(name))), Protection(QFile::decodeName(made)));
        QVERIFY(!CreateFolders(dir.filePath(u"share/kelvara/"_s)) && !CreateFolders(dir.filePath(u"share"_s)));
        for (const char* name : {"share", "share/kelvara"}) // the owner and group
            QCOMPARE(Protection(dir.filePath(QLatin1String(name))).section(u' ', 1, 1),
                     Protection(QFile::decodeName(made)).section(u' ', 1, 1));
        // A folder just made, swapped for a link to another folder before it is given away: that folder stays as it
        // was. As root, a link in another user's folder is not followed.
        const QString roots = mDir.filePath(u"root's"_s);
        gSwapTo = QDir().mkpath(roots) ? QFile::encodeName(roots) : QByteArray();
        const QString rootsOwner = Protection(roots);
        QVERIFY(CreateFolders(dir.filePath(u"swapped/inner"_s)));
        gSwapTo.clear();
        QVERIFY(QFile::link(roots, dir.filePath(u"linked"_s))
                && !CreateFolders(dir.filePath(u"linked/in"_s)) == !owner);
        QCOMPARE(Protection(roots), rootsOwner);
    }

    // A loop of links; a descriptor of the process, as /dev/stdout names one, open on a file.
    void refusedSave_data()
    {
        QTest::addColumn<QString>("reason"); // "-": the save goes through; the row's name is the fault
        QTest::newRow("limit") << u"File too large"_s;
        QTest::newRow("read-only") << u"Permission denied"_s;
        QTest::newRow("read-only file") << u"Permission denied"_s;
        QTest::newRow("folder") << u"it is a folder"_s;
        QTest::newRow("fifo") << u"it is not a regular file"_s;
        QTest::newRow("link to fifo") << u"it is not a regular file"_s;
        QTest::newRow("device") << u"it is not a regular file"_s;
        QTest::newRow("link to file") << u"-"_s;
        QTest::newRow("link loop") << u"Too many levels of symbolic links"_s;
        QTest::newRow("descriptor") << u"a device or stream of the system"_s;
    }

    void refusedSave()
    {
        QFETCH(QString, reason);
        const QString fault = QString::fromLatin1(QTest::currentDataTag());
        QTemporaryDir dir;
        QString path = dir.filePath(u"out.mdb"_s);
        const QString other = dir.filePath(u"other"_s);
        const QByteArray made = QFile::encodeName(fault.startsWith(u"link") || fault == u"descriptor"_s ? other : path);
        if (fault == u"folder"_s)
            QVERIFY(QDir().mkdir(path));
        else if (fault.endsWith(u"fifo"))
            QVERIFY(::mkfifo(made.constData(), 0600) == 0);
        else if (fault != u"device"_s)
            QVERIFY(PutFile(QFile::decodeName(made), "saved before"));
        else if (::mknod(made.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0) // as the system's null device
            QSKIP("making a device node needs root");
        if (fault.startsWith(u"link"))
            QVERIFY(QFile::link(fault == u"link loop"_s ? path : other, path));
        QFile held(other);
        if (fault == u"descriptor"_s && held.open(QIODevice::ReadOnly))
            path = u"/proc/self/fd/%1"_s.arg(held.handle());
        const QString before = Kind(path);
        const QStringList names = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
        QString got;
        {
            auto readOnly = fault.startsWith(u"read-only")
                ? std::make_unique<faultkit::ReadOnlyFolder>(fault.endsWith(u"file") ? path : dir.path())
                : nullptr;
            auto limit = fault == u"limit"_s ? std::make_unique<faultkit::FullDisk>(8 * 1024) : nullptr;
            got = Save(path);
        }
        if (reason == u"-"_s) { // the link stays a link; the file it points to is replaced
            QCOMPARE(got, QString());
            QVERIFY(Kind(path).startsWith(u"link to ") && Kind(other).toLongLong() >= 16 * 1024);
        } else {
            QVERIFY2(!got.contains(u"Unknown error"_s) && got.contains(reason), qPrintable(got));
            QCOMPARE(Kind(path), before);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), names);
        // With room again, the same save goes through.
        QVERIFY(!(fault == u"limit"_s || fault.startsWith(u"read-only"))
                || (Save(path).isEmpty() && Kind(path).toLongLong() > 4096));
    }

    // What saves cut short by a kill left behind goes: the temporary names the save makes beside the files named,
    // regular files only; a copy the player made, other names, a folder and a link of that shape stay.
    void unfinishedSaves()
    {
        QTemporaryDir dir;
        QVERIFY(!SaveFileAtomically(dir.filePath(u"notes.txt"_s), "x"));
        QTemporaryFile left(dir.filePath(u"kelvara-utility.ini"_s) + QLatin1String(UnfinishedSaveMark) + u"XXXXXX"_s);
        left.setAutoRemove(false);
        QVERIFY(left.open());
        QStringList kept{u"OXLTIMES.DAT"_s, u"kelvara-utility.ini.backup"_s, u"notes.txt"_s,
                         u"notes.txt.unfinished-AbCdEf"_s};
        for (const QString& name : kept + QStringList{u"OXLTIMES.DAT.unfinished-AbC12f"_s})
            QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
        kept << u"OXLDIR.DAT.unfinished-FoLdEr"_s << u"OXLDIR.DAT.unfinished-LiNkEd"_s << u"OXLDIR.DAT"_s;
        // A file saved through a link: what its save left stands beside the file the link leads to.
        QVERIFY(QFile::link(u"sub/folder.dat"_s, dir.filePath(kept[6])) && QDir(dir.path()).mkdir(u"sub"_s));
        QVERIFY(QFile(dir.filePath(u"sub/folder.dat.unfinished-AbC12f"_s)).open(QIODevice::WriteOnly));
        kept << u"sub"_s;
        QVERIFY(QDir(dir.path()).mkdir(kept[4]) && QFile::link(dir.filePath(kept[0]), dir.filePath(kept[5])));
        RemoveUnfinishedSaves(dir.path(), {"kelvara-utility.ini", "OXLTIMES.DAT", "OXLDIR.DAT"});
        QStringList names = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
        names.sort();
        kept.sort();
        QCOMPARE(names, kept);
        QVERIFY(QDir(dir.filePath(u"sub"_s)).isEmpty());
    }

    // The program killed outright (SIGKILL) in the middle of saving, again and again: the calibration file afterwards
    // always holds one whole save, the last one that finished or the one before, never a mix and never less.
    void killedWhileSaving()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("OXLTIMES.DAT"));
        QVERIFY(PutFile(file, SaveBytes(0)));
        QRandomGenerator random(20261206);
        int last = 0;
        for (int round = 0; round < 60; ++round) {
            QProcess saver;
            saver.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--save-forever"), dir.path(), QString::number(last + 1)});
            // Killed some time after its first save, however slowly it starts (a loaded machine, the sanitizers).
            QVERIFY(saver.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(FileBytes(file) != SaveBytes(last), 20000);
            QTest::qSleep(static_cast<int>(random.bounded(20, 120)));
            QVERIFY(saver.state() == QProcess::Running);
            ::kill(static_cast<pid_t>(saver.processId()), SIGKILL);
            QVERIFY(saver.waitForFinished(10000) && saver.exitStatus() == QProcess::CrashExit);
            const QByteArray bytes = FileBytes(file);
            // The save it holds is one of those made since the last round, whole.
            const QTime time = QTime::fromString(QString::fromLatin1(bytes.mid(22, 8)), QStringLiteral("HH:mm:ss"));
            const int n = time.msecsSinceStartOfDay() / 1000 + (bytes.mid(32, 2).toInt() - 1) * 86400;
            QVERIFY2(n >= last && SaveBytes(n) == bytes,
                     qPrintable(QStringLiteral("round %1: %2").arg(round).arg(bytes.toHex())));
            last = n;
        }
        // The saver got far enough to be killed in the middle of its work many times.
        QVERIFY2(last > 200, qPrintable(QString::number(last)));
    }

    // Files beside a build's executable; beside an installed one only for a player, never in /usr/bin for root, and
    // otherwise in the data folder.
    void filesBeside()
    {
        const QString bin = mDir.filePath(u"usr/bin"_s);
        QVERIFY(QDir().mkpath(bin) && KeepsFilesBeside(bin));
        QVERIFY(QDir().mkpath(mDir.filePath(u"usr/share/kelvara-utility"_s)));
        QVERIFY(PutFile(File("usr/share/kelvara-utility/Kelvara.mdb"), "db"));
        QCOMPARE(KeepsFilesBeside(bin), ::geteuid() != 0);
        QVERIFY(QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner));
        QCOMPARE(KeepsFilesBeside(bin), false);
        qunsetenv("HOME"); // started under env -i: the data folder in the home the password database names
        QCOMPARE(DataFolder(),
                 QFile::decodeName(::getpwuid(::geteuid())->pw_dir) + u"/.local/share/"_s
                     + QCoreApplication::applicationName());
    }

    // The folder of the chosen file is written quoted where it must be, and reads back as it was; a path
    // without a separator, or with letters Windows-1252 cannot hold, leaves the old file alone. Only the first item of
    // the first line is read.
    void folderFile()
    {
        const QByteArray old("/old/\r\n");
        const std::pair<QString, QByteArray> cases[] = {{"/games/chars/hero.oxl", "/games/chars/\r\n"},
                                                        {"hero.oxl", old},
                                                        {"/x.oxl", "/\r\n"}, // the root folder
                                                        {QString::fromUtf8("/Größe/x.oxl"), "/Gr\xf6\xdf\x65/\r\n"},
                                                        {QString::fromUtf8("/Персонажи/x.oxl"), old},
                                                        {"/a,b, c/x.oxl", "\"/a,b, c/\"\r\n"},
                                                        {"/a\rb/x.oxl", "\"/a\rb/\"\r\n"}};
        for (const auto& [path, written] : cases) {
            QVERIFY(PutFile(File("OXLDIR.DAT"), old));
            SaveCharacterFolder(path);
            QCOMPARE(FileBytes(File("OXLDIR.DAT")), written);
            QCOMPARE(ReadCharacterFolder(), written == old ? u"/old/"_s : path.left(path.lastIndexOf(u'/') + 1));
        }
        QVERIFY(PutFile(File("OXLDIR.DAT"), "  /My Games , old/Characters/\r\n/b/\r\n")); // blanks around the first go
        QCOMPARE(ReadCharacterFolder(), u"/My Games"_s);
    }

    // Always 44 bytes, replacing the old file whole, with no temporary file left beside it; it reads back, each
    // item fitted to its field's width.
    void calibrationFile()
    {
        const std::pair<QStringList, QByteArray> cases[] = {
            {{"13:05:09", "02/29/2028", "09:41:27", "12/28/9999"},
             "13:05:09\r\n02/29/2028\r\n09:41:27\r\n12/28/9999\r\n"},
            {{"12:34:", "12/25/", "1:0 and more", ""}, "12:34:  \r\n12/25/    \r\n1:0 and \r\n          \r\n"},
            {{QString::fromUtf8("12:€:Ā"), "07/04/2026", "09:41:27", "03/17/0012"},
             "12:\x80:?  \r\n07/04/2026\r\n09:41:27\r\n03/17/0012\r\n"}};
        for (const auto& [fields, bytes] : cases) {
            QVERIFY(PutFile(File("OXLTIMES.DAT"), "an older, longer calibration file that is replaced whole\r\n"));
            WriteCalibrationFile(ClockCalibration{fields[0], fields[1], fields[2], fields[3], {}});
            QCOMPARE(FileBytes(File("OXLTIMES.DAT")), bytes);
            QCOMPARE(QDir(mDir.path()).entryList(QDir::Files), (QStringList{"OXLDIR.DAT", "OXLTIMES.DAT"}));
            const ClockCalibration back = ReadCalibrationFile(QDateTime::currentDateTime());
            QCOMPARE((QStringList{back.RealTime, back.RealDate, back.OXLTime, back.OXLDate}),
                     QString::fromLatin1(bytes).replace(QChar(0x80), QChar(0x20ac)).split(u"\r\n"_s).first(4));
        }
        // Saved in the hour repeated when summer time ends (01:00 to 02:00 UTC) or just before, the game clock reads
        // back as it was, to the second.
        for (const int second : {-1, 0, 1800, 3599}) {
            const QDateTime at = QDateTime(QDate(2026, 10, 25), QTime(1, 0), QTimeZone::utc()).addSecs(second);
            const auto saved = ComputeGameTime({"00:00:00", "01/01/2026", "00:00:00", "01/01/0001", {}}, at);
            WriteCalibrationFile(saved);
            QCOMPARE(ComputeGameTime(ReadCalibrationFile(at), at), saved);
        }
        QVERIFY(
            PutFile(File("OXLTIMES.DAT"), "\"12:30:00\" x\r\n\"12/06/2026\"\r\n")); // after a quote: to the line end
        QCOMPARE(ReadCalibrationFile(QDateTime(QDate(2026, 1, 1), QTime(9, 0))).RealDate, u"12/06/2026"_s);
        QVERIFY(PutFile(File("OXLTIMES.DAT"), "12:30:00\r\n1")); // 11 bytes are a calibration; fewer are none
        QCOMPARE(ReadCalibrationFile(QDateTime(QDate(2026, 1, 1), QTime(9, 0))).RealTime, u"12:30:00"_s);
    }

    // A FIFO (a read would wait for ever) or a device (a read may never end) in a file's place is neither read nor
    // replaced: each call says why and leaves it as it was.
    void notRegular()
    {
        const std::function<void()> calls[] = {[] { ReadCalibrationFile(QDateTime()); },
                                               [] { PeekCalibrationFile(QDateTime()); }, [] { ReadCharacterFolder(); },
                                               [] { WriteCalibrationFile({}); },
                                               [] { SaveCharacterFolder(u"/a/b.oxl"_s); }};
        for (const mode_t kind : {S_IFIFO, S_IFCHR}) {
            for (const char* name : {"OXLTIMES.DAT", "OXLDIR.DAT"}) {
                const QByteArray path = QFile::encodeName(File(name));
                // A node like the system's zero device, in the test's own folder (only root may make one).
                if ((::unlink(path.constData()), ::mknod(path.constData(), kind | 0600, makedev(1, 5))) != 0)
                    QSKIP("making a device node needs root");
            }
            for (const auto& call : calls)
                QVERIFY2(ErrorOf(call).endsWith(u": it is not a regular file"_s), qPrintable(ErrorOf(call)));
            for (const char* name : {"OXLTIMES.DAT", "OXLDIR.DAT"})
                QVERIFY(QFileInfo::exists(File(name)) && !QFileInfo(File(name)).isFile());
        }
        QVERIFY(QFile::remove(File("OXLDIR.DAT")) && QFile::remove(File("OXLTIMES.DAT")));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<QString>("exec"); // as the desktop reads it
        QTest::newRow("plain") << u"/usr/bin/kelvara-utility"_s << false << u"/usr/bin/kelvara-utility"_s;
        QTest::newRow("spaces") << u"/opt/My Games/kelvara utility"_s << true
                                << u"\"/opt/My Games/kelvara utility\" --hidden"_s;
        QTest::newRow("quotes") << u"/opt/it's \"x\"/k"_s << false << u"\"/opt/it's \\\\\"x\\\\\"/k\""_s;
        QTest::newRow("percent") << u"/opt/100%/k"_s << true << u"/opt/100%%/k --hidden"_s;
        QTest::newRow("percent, space") << u"/opt/50% off/k"_s << false << u"\"/opt/50%% off/k\""_s;
        QTest::newRow("dollar") << u"/opt/$HOME/k"_s << true << u"\"/opt/\\\\$HOME/k\" --hidden"_s;
        QTest::newRow("backslash") << u"/opt/a\\b/k"_s << false << u"\"/opt/a\\\\\\\\b/k\""_s;
        QTest::newRow("back quotes") << u"/opt/`x`/k"_s << false << u"\"/opt/\\\\`x\\\\`/k\""_s;
        QTest::newRow("line end") << u"/opt/a\nb/k"_s << true << u"\"/opt/a\\nb/k\" --hidden"_s;
        // Where the path is no UTF-8, a link to the program in the data folder.
        QTest::newRow("no UTF-8") << u"/opt/a\xff/k"_s << false << u"{data}/kelvara-utility"_s;
        QTest::newRow("control character") << u"/opt/a\x01/k"_s << false << u"{data}/kelvara-utility"_s;
    }
    void roundTrip()
    {
        QFETCH(QString, program);
        QFETCH(bool, hidden);
        QFETCH(QString, exec);
        const bool linked = exec.startsWith(u"{data}"_s);
        exec.replace(u"{data}"_s, mDir.filePath(u".local/share/"_s + QCoreApplication::applicationName()));
        // The path as the system's bytes: \xff stands for that byte.
        const QByteArray exe = QFile::encodeName(program).replace("\xc3\xbf", "\xff");
        QCOMPARE(AutostartProgram(exe, false), linked ? exec : program);
        program = AutostartProgram(exe, true);
        char target[64] = {};
        QCOMPARE(::readlink(QFile::encodeName(program).constData(), target, sizeof target - 1) > 0, linked);
        QVERIFY(!linked || exe == target);
        if (linked) { // a file of the player's in the link's place stays, and the reason is told
            QVERIFY(QFile::remove(program) && PutFile(program, "mine"));
            QVERIFY(ErrorOf([&] { AutostartProgram(exe, true); }).endsWith(u"File exists"_s));
            QVERIFY(FileBytes(program) == "mine" && QFile::remove(program) && AutostartProgram(exe, true) == program);
        }
        WriteAutostart(program, hidden);
        const QString path = mConfig + u"/autostart/kelvara-utility.desktop"_s;
        QCOMPARE(AutostartPath(), path);
        QVERIFY(FileBytes(path).split('\n').contains("Exec=" + exec.toUtf8()));
        // Once the program is gone the desktop skips the entry.
        QVERIFY(FileBytes(path).split('\n').contains("TryExec="
                                                     + program.toUtf8().replace('\\', "\\\\").replace('\n', "\\n")));
        QVERIFY(ReadAutostart() == AutostartEntry({program, hidden ? QStringList{HiddenOption} : QStringList()}));
        QCOMPARE(QProcess::execute(u"desktop-file-validate"_s, {path}), 0);
    }

    void configHomeAndRemoval()
    {
        const QString path = mDir.filePath(u".config/autostart/kelvara-utility.desktop"_s);
        for (const char* value :
             {"", "config", static_cast<const char*>(nullptr)}) { // empty, relative, unset: ~/.config
            void(value ? qputenv("XDG_CONFIG_HOME", value) : qunsetenv("XDG_CONFIG_HOME"));
            QCOMPARE(AutostartPath(), path);
            WriteAutostart(u"/bin/k"_s, false);
            QVERIFY(QFile::exists(path) && QFile(path + u"~"_s).open(QIODevice::WriteOnly));
            RemoveAutostart();
            QVERIFY(!QFile::exists(path) && QFile::exists(path + u"~"_s)); // that file alone
        }
        // A link in the entry's place (to a menu launcher) is replaced; the launcher stays as it was.
        QFile launcher(mDir.filePath(u"launcher.desktop"_s));
        QVERIFY(PutFile(launcher.fileName(), "[Desktop Entry]\n"));
        QVERIFY(launcher.link(path));
        WriteAutostart(u"/bin/k"_s, true);
        QVERIFY(!QFileInfo(path).isSymLink() && ReadAutostart() == AutostartEntry({u"/bin/k"_s, {HiddenOption}}));
        QCOMPARE(launcher.size(), 16);
        // Switched off in the desktop's settings: no entry the desktop starts.
        for (const char* off :
             {"Hidden=true", "Hidden=1", "X-GNOME-Autostart-enabled=false", "X-GNOME-Autostart-enabled=0"}) {
            QVERIFY(PutFile(path, FileBytes(path) + off));
            QVERIFY(!ReadAutostart());
            WriteAutostart(u"/bin/k"_s, false);
        }
    }

    void failures_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only configuration folder") << 0 << u"Permission denied"_s;
        QTest::newRow("read-only autostart folder") << 1 << u"Permission denied"_s;
        QTest::newRow("a file in the folder's place") << 2 << u"Not a directory"_s;
        QTest::newRow("a folder in the file's place") << 3 << QString();
        QTest::newRow("no program") << 4 << u"the program's own path is not known"_s;
    }
    void failures()
    {
        QFETCH(int, kind);
        QFETCH(QString, reason);
        const QString path = AutostartPath(), autostart = QFileInfo(path).path();
        QVERIFY(QDir().mkpath(kind == 3 ? path : kind == 1 ? autostart : mConfig));
        QVERIFY(kind != 2 || QFile(autostart).open(QIODevice::WriteOnly));
        std::optional<faultkit::ReadOnlyFolder> readOnly;
        if (kind < 2)
            QVERIFY(readOnly.emplace(kind == 0 ? mConfig : autostart).Holds());
        const QString prefix = u"Cannot write \"%1\": "_s.arg(path);
        const QString error = ErrorOf([kind] { WriteAutostart(kind == 4 ? QString() : u"/bin/k"_s, true); });
        QVERIFY2(error.startsWith(prefix) && error.size() > prefix.size() && error.contains(reason), qPrintable(error));
        QVERIFY(!ReadAutostart());
        RemoveAutostart(); // nothing to remove; a folder in its place stays
        QCOMPARE(QFileInfo(path).isDir(), kind == 3);
    }
};

int main(int argc, char* argv[])
{
    if (argc == 4 && QByteArray(argv[1]) == "--save-forever")
        return SaveForever(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    QCoreApplication app(argc, argv);
    TstAtomicSave test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_atomicsave.moc"
