#include "common/faultkit.h"
#include "common/filebytes.h"
#include "common/testfolder.h"
#include "core/atomicsave.h"
#include "jet/jetwriter.h"

#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>

using namespace Qt::StringLiterals;

// Every file the project writes is replaced the same way: a save the system refuses
// says why, and the file saved before stays whole, with nothing left beside it.
class TstAtomicSave : public QObject
{
    Q_OBJECT

    // A table whose database takes more than 8 KiB.
    static std::vector<jet::Table> BigTables()
    {
        jet::Table table{QStringLiteral("tblBig"), {{QStringLiteral("Text"), jet::ColumnType::Memo}}, {}};
        for (int i = 0; i < 8; ++i)
            table.rows.push_back({QString(1000, QLatin1Char('a' + i))});
        return {table};
    }

    // Saves through one of the two writers; the reason it fails, or empty.
    static QString Save(const QString& writer, const QString& path, const QByteArray& data)
    {
        if (writer == QLatin1String("library"))
            return SaveFileAtomically(path, data).value_or(QString());
        try {
            jet::WriteDatabase(path, BigTables());
        } catch (const jet::Error& error) {
            return QString::fromUtf8(error.what());
        }
        return {};
    }

    // What stands at a path: its kind, and a regular file's bytes.
    static QString Kind(const QString& path)
    {
        struct stat info = {};
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
            return QStringLiteral("missing");
        QFile file(path);
        const QString target = QFileInfo(path).symLinkTarget();
        return S_ISLNK(info.st_mode)
            ? QStringLiteral("link to ") + (target == path ? QStringLiteral("itself") : Kind(target))
            : S_ISREG(info.st_mode)  ? QString::number(file.open(QIODevice::ReadOnly) ? file.readAll().size() : -1)
            : S_ISFIFO(info.st_mode) ? QStringLiteral("fifo")
            : S_ISDIR(info.st_mode)  ? QStringLiteral("folder")
                                     : QStringLiteral("device %1").arg(info.st_rdev);
    }

    // An access control list as the system keeps it: tag, permissions and user of each entry (the owner 1, a user
    // 2, the group 4, the mask 0x10, others 0x20).
    static QByteArray Acl(std::initializer_list<std::array<quint32, 3>> entries)
    {
        QByteArray acl("\2\0\0\0", 4);
        for (const auto& [tag, permissions, user] : entries) {
            acl += QByteArray(8, '\0');
            qToLittleEndian<quint16>(tag, acl.data() + acl.size() - 8);
            qToLittleEndian<quint16>(permissions, acl.data() + acl.size() - 6);
            qToLittleEndian<quint32>(user, acl.data() + acl.size() - 4);
        }
        return acl;
    }

    // What protects a file: mode, owner, group and every extended attribute with its value.
    static QString Protection(const QString& path)
    {
        const QByteArray name = QFile::encodeName(path);
        struct stat info = {};
        char names[4096] = {};
        if (::stat(name.constData(), &info) != 0)
            return u"missing"_s;
        QStringList text{QString::asprintf("%o %u:%u", info.st_mode, info.st_uid, info.st_gid)};
        for (const QByteArray& key : QByteArray(names, ::listxattr(name.constData(), names, sizeof names)).split(0)) {
            char value[4096];
            const ssize_t size = ::getxattr(name.constData(), key.constData(), value, sizeof value);
            text << QString::fromLatin1(key + '=' + QByteArray(value, qMax<ssize_t>(size, 0)).toHex());
        }
        text.sort();
        return text.join(u' ');
    }

private slots:
    // A save keeps what protects the file, through the command line's calendar export and the clock's save: a list
    // naming a user with a mask narrower or wider than the group's entry, a user.* attribute, the mode bits; a
    // folder's default list gives the new file nothing that the old one lacked.
    void keepsProtection_data()
    {
        QTest::addColumn<QString>("saver");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("acl");
        QTest::addColumn<QByteArray>("folderAcl");
        QTest::addColumn<QByteArray>("attribute");
        const quint32 nobody = 65534, none = ~0u;
        const QByteArray named = Acl({{1, 6, none}, {2, 6, nobody}, {4, 4, none}, {0x10, 4, none}, {0x20, 0, none}});
        const QByteArray wide = Acl({{1, 6, none}, {2, 6, nobody}, {4, 4, none}, {0x10, 6, none}, {0x20, 0, none}});
        for (const char* saver : {"--ics", "OXLTIMES.DAT"}) {
            QTest::addRow("%s, user and mask 0640", saver) << saver << 0640 << named << QByteArray() << QByteArray();
            QTest::addRow("%s, mask wider than group", saver) << saver << 0640 << wide << QByteArray() << QByteArray();
            QTest::addRow("%s, attribute 0600", saver)
                << saver << 0600 << QByteArray() << QByteArray() << QByteArray("kept");
            QTest::addRow("%s, folder's list", saver) << saver << 0640 << QByteArray() << wide << QByteArray();
        }
    }

    void keepsProtection()
    {
        QFETCH(QString, saver);
        QFETCH(int, mode);
        QFETCH(QByteArray, acl);
        QFETCH(QByteArray, folderAcl);
        QFETCH(QByteArray, attribute);
        TestFolder dir;
        const QString path = dir.filePath(saver == u"--ics"_s ? u"f.ics"_s : saver);
        const QByteArray name = QFile::encodeName(path);
        QVERIFY(PutFile(path, "saved before") && ::chmod(name.constData(), mode_t(mode)) == 0);
        const auto set = [](const QByteArray& file, const char* key, const QByteArray& value) {
            return value.isEmpty() || ::setxattr(file.constData(), key, value.constData(), value.size(), 0) == 0;
        };
        if (!set(QFile::encodeName(dir.path()), "system.posix_acl_default", folderAcl)
            || !set(name, "system.posix_acl_access", acl) || !set(name, "user.kelvara", attribute))
            QSKIP("this file system keeps no access control lists or user attributes");
        const QString before = Protection(path);
        if (saver == u"--ics"_s) {
            QProcess program;
            program.setProcessEnvironment(QProcessEnvironment());
            program.start(QStringLiteral(KELVARA_EXE), {u"--next"_s, u"15"_s, u"--ics"_s, path});
            QVERIFY(program.waitForFinished(10000) && program.exitCode() == 0);
        } else {
            WriteCalibrationFile({});
        }
        QVERIFY(FileBytes(path) != "saved before");
        QCOMPARE(Protection(path), before);
    }

    void refusedSave_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason"); // "-": the save goes through
        for (const char* writer : {"library", "jet"}) {
            auto row = [writer](const char* fault, const char* reason) {
                QTest::addRow("%s, %s", writer, fault) << writer << fault << reason;
            };
            row("limit", "File too large");
            row("read-only", "Permission denied");
            row("read-only file", "Permission denied");
            row("folder", "it is a folder");
            row("fifo", "it is not a regular file");
            row("link to fifo", "it is not a regular file");
            row("device", "it is not a regular file");
            row("link to file", "-");
            // A loop of links; a descriptor of the process, as /dev/stdout names one, open on a file.
            row("link loop", "Too many levels of symbolic links");
            row("descriptor", "a device or stream of the system");
        }
    }

    void refusedSave()
    {
        QFETCH(QString, writer);
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("out.mdb"));
        const QString other = dir.filePath(QStringLiteral("other"));
        const QString made = fault.startsWith(u"link") || fault == QLatin1String("descriptor") ? other : path;
        const QByteArray encoded = QFile::encodeName(made);
        if (fault == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(path));
        } else if (fault.endsWith(u"fifo")) {
            QVERIFY(::mkfifo(encoded.constData(), 0600) == 0);
        } else if (fault == QLatin1String("device")) {
            // A node like the system's null device, in the test's own folder.
            if (::mknod(encoded.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
                QSKIP("making a device node needs root");
        } else {
            QVERIFY(PutFile(made, "saved before"));
        }
        if (fault.startsWith(u"link"))
            QVERIFY(QFile::link(fault == QLatin1String("link loop") ? path : other, path));
        QFile held(other);
        if (fault == QLatin1String("descriptor")) {
            QVERIFY(held.open(QIODevice::ReadOnly));
            path = QStringLiteral("/proc/self/fd/%1").arg(held.handle());
        }
        const QString before = Kind(path);
        QStringList names = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);

        QString got;
        {
            auto readOnly = fault.startsWith(u"read-only")
                ? std::make_unique<faultkit::ReadOnlyFolder>(fault.endsWith(u"file") ? path : dir.path())
                : nullptr;
            auto limit = fault == QLatin1String("limit") ? std::make_unique<faultkit::FullDisk>(8 * 1024) : nullptr;
            got = Save(writer, path, QByteArray(16 * 1024, 'x'));
        }
        if (reason == QLatin1String("-")) {
            // The link stays a link; the file it points to is replaced.
            QCOMPARE(got, QString());
            QVERIFY(Kind(path).startsWith(u"link to ") && Kind(other).toLongLong() >= 16 * 1024);
        } else {
            QVERIFY2(!got.contains(QStringLiteral("Unknown error")) && got.contains(reason), qPrintable(got));
            QCOMPARE(Kind(path), before);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), names);

        // With room again, the same save goes through.
        if (fault == QLatin1String("limit") || fault.startsWith(u"read-only")) {
            QCOMPARE(Save(writer, path, QByteArray(16 * 1024, 'x')), QString());
            QVERIFY(QFileInfo(path).size() >= 16 * 1024);
        }
    }

    // A link's ".." after a linked folder leads where the system takes it: that file is replaced, the link stays.
    void linkThroughFolder()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(u"E/inner"_s)
                && ::symlink("E/inner", QFile::encodeName(dir.filePath(u"sub"_s))) == 0
                && ::symlink("sub/../real", QFile::encodeName(dir.filePath(u"out"_s))) == 0);
        QCOMPARE(Save(u"library"_s, dir.filePath(u"out"_s), "new"), QString());
        QCOMPARE(FileBytes(dir.filePath(u"E/real"_s)), "new");
        QVERIFY(QFileInfo(dir.filePath(u"out"_s)).isSymLink() && !QFileInfo::exists(dir.filePath(u"real"_s)));
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
};

QTEST_GUILESS_MAIN(TstAtomicSave)
#include "tst_atomicsave.moc"
