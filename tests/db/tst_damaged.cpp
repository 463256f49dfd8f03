#include "common/errorof.h"
#include "common/filebytes.h"
#include "common/testfolder.h"
#include "db/moddb.h"

#include <QtTest>

// A damaged game database is reported as an error like any other: loading it never crashes, hangs or hands out a
// table.
class TstDamaged : public QObject
{
    Q_OBJECT

    TestFolder mDir;

    QString mReason;

    // Loads both tables from the bytes; true when both loaded, false when an error was reported (mReason).
    bool Load(const QByteArray& bytes)
    {
        const QString path = mDir.filePath(QStringLiteral("Kelvara.mdb"));
        if (!PutFile(path, bytes))
            qFatal("cannot write the test database");
        mReason = ErrorOf([&] { LoadStatTable(path), LoadItemTable(path); });
        if (mReason.isEmpty())
            qFatal("an error without a message");
        return mReason == u"no error";
    }

private slots:
    // Files that once crashed the loader (tests/db/data/fuzz); the sample with every game table's usage map cut
    // to nothing; truncations (inside the first three pages never taken for a database); random damage.
    void damaged()
    {
        const QDir dir(QStringLiteral(KELVARA_TEST_DATA "/fuzz"));
        const QStringList files = dir.entryList({QStringLiteral("*.mdb")}, QDir::Files);
        QVERIFY(files.size() >= 2);
        for (const QString& name : files)
            QVERIFY2(!Load(FileBytes(dir.filePath(name))), qPrintable(name));
        const QByteArray sample = FileBytes(QStringLiteral(KELVARA_SAMPLE_DB));
        QVERIFY(Load(sample));
        QByteArray cut = sample;
        int maps = 0;
        for (qsizetype page = 3; page * 4096 < cut.size(); ++page) {
            const uchar* p = reinterpret_cast<const uchar*>(cut.constData()) + page * 4096;
            const quint32 where = qFromLittleEndian<quint32>(p + 55);
            if (p[0] != 0x02 || (qsizetype(where >> 8) + 1) * 4096 > cut.size())
                continue;
            uchar* m = reinterpret_cast<uchar*>(cut.data()) + (where >> 8) * 4096 + 14 + (where & 0xff) * 2;
            qToLittleEndian<quint16>((where & 0xff) == 0 ? 4096 : qFromLittleEndian<quint16>(m - 2) & 0x1fff, m);
            ++maps;
        }
        QVERIFY(maps >= 5 && !Load(cut));
        // A file cut short (a copy still being written) is refused, not read with tables ending early.
        for (qsizetype size = 3 * 4096 + 1; size < sample.size(); size += 509) // never whole pages
            QVERIFY2(!Load(sample.left(size)) && mReason.contains(u"is damaged: it is cut short"), qPrintable(mReason));
        QRandomGenerator random(20261206);
        int failed = 0;
        for (int round = 0; round < 400; ++round) {
            QByteArray bytes = sample;
            for (int flips = random.bounded(1, 9); flips > 0; --flips)
                bytes[random.bounded(bytes.size())] = static_cast<char>(random.bounded(256));
            failed += Load(bytes) ? 0 : 1;
        }
        QVERIFY2(failed > 0, "no damaged file was refused");
    }
};

QTEST_GUILESS_MAIN(TstDamaged)
#include "tst_damaged.moc"
