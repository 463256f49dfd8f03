// SPDX-License-Identifier: GPL-3.0-or-later
#include "running/onecopy.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <iostream>
#include <string>

using namespace Qt::StringLiterals;

// The claim of a program folder between processes: the test itself started again with --hold FOLDER holds it, tells
// its claim and each ShowAsked on its output, and ends when its input closes.
class TstOneCopyWin : public QObject
{
    Q_OBJECT

private slots:
    // A later start is shown the running copy's window, a read-only name file of a copy before notwithstanding; once
    // that copy has ended, however it ended, a start runs.
    void laterStart_data()
    {
        QTest::addColumn<bool>("killed");
        QTest::addColumn<bool>("nameLeft");
        QTest::newRow("ends") << false << false;
        QTest::newRow("killed") << true << false;
        QTest::newRow("read-only name left") << false << true;
    }
    void laterStart()
    {
        QFETCH(bool, killed);
        QFETCH(bool, nameLeft);
        QTemporaryDir folder;
        QFile left(folder.filePath(u"kelvara-utility.listener"_s));
        QVERIFY(!nameLeft
                || (left.open(QIODevice::WriteOnly) && left.write("kelvara-utility-" + QByteArray(32, '0') + '\n') > 0
                    && (left.close(), left.setPermissions(QFile::ReadOwner))));
        QProcess first;
        first.start(QCoreApplication::applicationFilePath(), {u"--hold"_s, folder.path()});
        QTRY_VERIFY_WITH_TIMEOUT(first.canReadLine(), 30000);
        QCOMPARE(first.readLine().trimmed(), QByteArray::number(int(OneCopy::Claim::First)));
        QCOMPARE(OneCopy(folder.path(), 10000).Result(), OneCopy::Claim::Shown);
        QTRY_VERIFY_WITH_TIMEOUT(first.canReadLine(), 10000);
        QCOMPARE(first.readLine().trimmed(), "ShowAsked");
        killed ? first.kill() : first.closeWriteChannel();
        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(OneCopy(folder.path(), 0).Result(), OneCopy::Claim::First);
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() == 3 && app.arguments()[1] == u"--hold"_s) {
        OneCopy copy(app.arguments()[2], 0);
        copy.SetShowable([] { return true; });
        QObject::connect(&copy, &OneCopy::ShowAsked, [] { std::puts("ShowAsked"), std::fflush(stdout); });
        std::printf("%d\n", int(copy.Result())), std::fflush(stdout);
        QThread* input = QThread::create([] {
            std::string line;
            std::getline(std::cin, line);
        });
        QObject::connect(input, &QThread::finished, &app, &QCoreApplication::quit);
        input->start();
        return app.exec();
    }
    TstOneCopyWin test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_onecopy_win.moc"
