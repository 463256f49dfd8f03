#include "core/kelvaraerror.h"
#include "db/moddb.h"
#include "files/oxlfiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

// A damaged game database is reported as an error like any other: loading it
// never crashes, hangs or hands out a table.
class TstDamaged : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    QByteArray mSample;

    // Loads both tables from the bytes; true when both loaded, false when an error
    // was reported. Anything else (a crash) ends the test.
    bool Load(const QByteArray& bytes)
    {
        QFile file(mDir.filePath(QStringLiteral("Kelvara.mdb")));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the test database");
        file.close();
        try {
            LoadStatTable(file.fileName());
            LoadItemTable(file.fileName());
            return true;
        } catch (const KelvaraError& e) {
            if (e.message().isEmpty())
                qFatal("an error without a message");
            return false;
        }
    }

private slots:
    void initTestCase()
    {
        QFile sample(QStringLiteral(KELVARA_SAMPLE_DB));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        mSample = sample.readAll();
        QVERIFY(mSample.size() >= 4 * 4096);
        SetProgramFolder(mDir.path());
        QVERIFY(Load(mSample));
    }

    void cleanupTestCase() { SetProgramFolder(QString()); }

    // Truncations and random damage; cut inside the first three pages, a file is never taken for a database.
    void truncatedAndFlipped()
    {
        int failed = 0;
        for (qsizetype size = 0; size < mSample.size(); size += 509)
            failed += Load(mSample.left(size)) ? 0 : 1;
        QVERIFY(!Load(mSample.left(3 * 4096 - 1)));
        QVERIFY(failed > 3 * 4096 / 509);
        QRandomGenerator random(20261206);
        failed = 0;
        for (int round = 0; round < 400; ++round) {
            QByteArray bytes = mSample;
            for (int flips = random.bounded(1, 9); flips > 0; --flips)
                bytes[random.bounded(bytes.size())] = static_cast<char>(random.bounded(256));
            failed += Load(bytes) ? 0 : 1;
        }
        QVERIFY2(failed > 0, "no damaged file was refused");
    }

    // Files that once crashed the loader, found by fuzzing it (tests/db/data/fuzz), each refused with an
    // error now; and every table's usage map cut to nothing or to less than its type byte and first page, the
    // catalog's too (page 2): the reader must
    // refuse the table rather than follow a missing map.
    void refused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QDir dir(QStringLiteral(KELVARA_TEST_DATA "/fuzz"));
        const QStringList files = dir.entryList({QStringLiteral("*.mdb")}, QDir::Files);
        QVERIFY(files.size() >= 2);
        for (const QString& name : files) {
            QFile input(dir.filePath(name));
            QVERIFY(input.open(QIODevice::ReadOnly));
            QTest::newRow(qPrintable(name)) << input.readAll();
        }
        for (const auto& [catalog, size] : {std::pair{false, 0}, {false, 4}, {true, 0}}) {
            QByteArray bytes = mSample;
            int cut = 0;
            for (qsizetype page = 0; page * 4096 < bytes.size(); ++page) {
                uchar* p = reinterpret_cast<uchar*>(bytes.data()) + page * 4096;
                const quint32 where = qFromLittleEndian<quint32>(p + 55);
                const qsizetype mapPage = where >> 8;
                const int row = where & 0xff;
                if (p[0] != 0x02 || (page == 2) != catalog || (mapPage + 1) * 4096 > bytes.size())
                    continue;
                uchar* m = reinterpret_cast<uchar*>(bytes.data()) + mapPage * 4096;
                const quint16 end = row == 0 ? 4096 : qFromLittleEndian<quint16>(m + 14 + (row - 1) * 2) & 0x1fff;
                qToLittleEndian<quint16>(end - size, m + 14 + row * 2);
                ++cut;
            }
            QVERIFY(cut >= (catalog ? 1 : 5));
            QTest::addRow("usage maps of %s cut to %d bytes", catalog ? "the catalog" : "the game tables", size)
                << bytes;
        }
    }

    void refused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!Load(bytes));
    }
};

QTEST_GUILESS_MAIN(TstDamaged)
#include "tst_damaged.moc"
