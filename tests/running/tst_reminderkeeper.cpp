#include "common/filebytes.h"
#include "files/oxlfiles.h"
#include "running/reminderkeeper.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The reminders kept while the program runs, without a window: what they tell the player.
class TstReminderKeeper : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;

private slots:
    void initTestCase() { SetProgramFolder(mDir.path()); }

    // The notice at start lists ten unusable entries at most, then how many more, under a heading that says what it
    // tells of.
    void ignoredListed_data()
    {
        QTest::addColumn<QByteArray>("file"); // none: a folder in its place
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("body");
        QByteArray bad = "[Reminders]\n";
        for (int i = 1; i <= 12; ++i)
            bad += QByteArray::number(i) + "\\day=0\n";
        QTest::newRow("entries") << bad << u"Some reminders were ignored"_qs
                                 << u"entry 9: day \"0\" is not from 1 to 28\nentry 10: day \"0\" is not from 1 to 28\n"
                                    "and 2 more\n"_qs;
        QTest::newRow("size") << QByteArray("[Reminders]\nsize=-1\n1\\day=3\n") << u"Some settings were ignored"_qs
                              << u"reminders \"-1\" is not from 0 to 2147483647"_qs;
        QTest::newRow("unread") << QByteArray() << u"The settings could not be read"_qs
                                << u"could not be used:\nthe file could not be read: it is a folder"_qs;
    }
    void ignoredListed()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, heading);
        QFETCH(QString, body);
        const QString name = mDir.filePath(u"kelvara-utility.ini"_qs);
        QFile::remove(name);
        QDir(name).removeRecursively();
        QVERIFY(file.isEmpty() ? QDir().mkdir(name) : PutFile(name, file));
        ReminderKeeper keeper;
        QSignalSpy notices(&keeper, &ReminderKeeper::Notice);
        keeper.Load();
        QVERIFY(notices.wait(1000));
        QCOMPARE(notices[0][0].toString(), heading);
        QVERIFY2(notices[0][1].toString().contains(body), qPrintable(notices[0][1].toString()));
    }
};

QTEST_GUILESS_MAIN(TstReminderKeeper)
#include "tst_reminderkeeper.moc"
