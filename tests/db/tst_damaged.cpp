#include "common/errorof.h"
#include "common/filebytes.h"
#include "common/testfolder.h"
#include "db/moddb.h"

#include <QtTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

// A damaged game database is reported as an error like any other: loading it never crashes, hangs or hands out a
// table. A file cut short is named so, and mdbtools writes nothing to the terminal about it.
class TstDamaged : public QObject
{
    Q_OBJECT

    TestFolder mDir;

    QByteArray mPrinted; // what went to stderr during the last load

    // The error loading both tables from the bytes reports ("no error" when both load).
    QString Load(const QByteArray& bytes)
    {
        const QString path = mDir.filePath(u"Kelvara.mdb"_s);
        QTemporaryFile err;
        if (!PutFile(path, bytes) || !err.open())
            qFatal("cannot write the test database");
        const int terminal = ::dup(STDERR_FILENO);
        ::dup2(err.handle(), STDERR_FILENO);
        const QString reason = ErrorOf([&] { LoadStatTable(path), LoadItemTable(path); });
        ::dup2(terminal, STDERR_FILENO), ::close(terminal);
        mPrinted = FileBytes(err.fileName());
        return reason;
    }

private slots:
    // Files that once crashed the loader (tests/db/data/fuzz); the sample with every game table's usage map cut to
    // nothing; files cut short (a patch still being written) inside the catalog's first three pages, within a page,
    // or at a page's end with pages that its pages name missing.
    void damaged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason"); // empty: any
        const QDir dir(QStringLiteral(KELVARA_TEST_DATA "/fuzz"));
        for (const QString& name : dir.entryList({u"*.mdb"_s}, QDir::Files))
            QTest::newRow(qPrintable(name)) << FileBytes(dir.filePath(name)) << QString();
        const QByteArray sample = FileBytes(QStringLiteral(KELVARA_SAMPLE_DB));
        QByteArray cut = sample;
        for (qsizetype page = 3; page * 4096 < cut.size(); ++page) {
            const uchar* p = reinterpret_cast<const uchar*>(cut.constData()) + page * 4096;
            const quint32 where = qFromLittleEndian<quint32>(p + 55);
            if (p[0] != 0x02 || (qsizetype(where >> 8) + 1) * 4096 > cut.size())
                continue;
            uchar* m = reinterpret_cast<uchar*>(cut.data()) + (where >> 8) * 4096 + 14 + (where & 0xff) * 2;
            qToLittleEndian<quint16>((where & 0xff) == 0 ? 4096 : qFromLittleEndian<quint16>(m - 2) & 0x1fff, m);
        }
        QTest::newRow("usage maps cut to nothing") << cut << QString();
        for (const qsizetype size : {qsizetype(5000), qsizetype(10000), qsizetype(3 * 4096 + 1), sample.size() - 1})
            QTest::addRow("%lld bytes", qlonglong(size)) << sample.left(size) << u"is damaged: it is cut short."_s;
        for (qsizetype pages = 3; pages * 4096 < sample.size(); ++pages)
            QTest::addRow("%lld pages", qlonglong(pages))
                << sample.left(pages * 4096) << u"is damaged: it is cut short."_s;
    }

    void damaged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString got = Load(bytes);
        QVERIFY2(got != u"no error"_s && got.contains(reason), qPrintable(got));
        QVERIFY2(reason.isEmpty() || mPrinted.isEmpty(), mPrinted.constData());
    }

    // Random damage to a sample that loads: never a crash or a hang, and some of it is refused.
    void randomDamage()
    {
        const QByteArray sample = FileBytes(QStringLiteral(KELVARA_SAMPLE_DB));
        QCOMPARE(Load(sample), u"no error"_s);
        QRandomGenerator random(20261206);
        int failed = 0;
        for (int round = 0; round < 400; ++round) {
            QByteArray bytes = sample;
            for (int flips = random.bounded(1, 9); flips > 0; --flips)
                bytes[random.bounded(bytes.size())] = static_cast<char>(random.bounded(256));
            failed += Load(bytes) == u"no error"_s ? 0 : 1;
        }
        QVERIFY2(failed > 0, "no damaged file was refused");
    }
};

QTEST_GUILESS_MAIN(TstDamaged)
#include "tst_damaged.moc"
