#include "common/faultkit.h"
#include "common/filebytes.h"
#include "core/atomicsave.h"
#include "jet/jetwriter.h"

#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

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

private slots:
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
