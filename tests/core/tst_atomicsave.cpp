#include "common/faultkit.h"
#include "core/atomicsave.h"
#include "jet/jetwriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

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

private slots:
    void refusedSave_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        for (const char* writer : {"library", "jet"}) {
            QTest::addRow("%s, file size limit", writer) << writer << "limit"
                                                         << "File too large";
            QTest::addRow("%s, read-only folder", writer) << writer << "read-only"
                                                          << "Permission denied";
            QTest::addRow("%s, folder in place", writer) << writer << "folder"
                                                         << "";
        }
    }

    void refusedSave()
    {
        QFETCH(QString, writer);
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.mdb"));
        const QByteArray old = "saved before";
        if (fault == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("out.mdb")));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        }

        QString got;
        {
            std::unique_ptr<faultkit::ReadOnlyFolder> readOnly;
            std::unique_ptr<faultkit::FullDisk> limit;
            if (fault == QLatin1String("read-only"))
                readOnly = std::make_unique<faultkit::ReadOnlyFolder>(dir.path());
            else if (fault == QLatin1String("limit"))
                limit = std::make_unique<faultkit::FullDisk>(8 * 1024);
            got = Save(writer, path, QByteArray(16 * 1024, 'x'));
        }
        QVERIFY2(!got.isEmpty(), "the save was reported as done");
        QVERIFY2(!got.contains(QStringLiteral("Unknown error")), qPrintable(got));
        QVERIFY2(got.contains(reason), qPrintable(got));
        if (fault == QLatin1String("folder")) {
            QVERIFY(QFileInfo(path).isDir());
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), old);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"out.mdb"});

        // With room again, the same save goes through.
        if (fault != QLatin1String("folder")) {
            QCOMPARE(Save(writer, path, QByteArray(16 * 1024, 'x')), QString());
            QVERIFY(QFileInfo(path).size() >= 16 * 1024);
        }
    }
};

QTEST_GUILESS_MAIN(TstAtomicSave)
#include "tst_atomicsave.moc"
