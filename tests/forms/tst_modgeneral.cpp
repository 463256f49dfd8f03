#include "forms/modgeneral.h"

#include <QDesktopServices>
#include <QTest>
#include <QUrl>

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class TstModGeneral : public QObject
{
    Q_OBJECT

private slots:
    void timeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("afternoon") << "16:45:00" << true;
        QTest::newRow("midnight") << "00:00:00" << true;
        QTest::newRow("hour 24 passes") << "24:00:00" << true;
        QTest::newRow("last second") << "23:59:59" << true;
        QTest::newRow("hour 25") << "25:00:00" << false;
        QTest::newRow("minute 60") << "12:60:00" << false;
        QTest::newRow("second 60") << "12:00:60" << false;
        QTest::newRow("one-digit hour") << "9:45:00" << false;
        QTest::newRow("letters count as 0") << "ab:cd:ef" << true;
        QTest::newRow("no seconds") << "12:30:" << true;
        QTest::newRow("negative hour") << "-1:00:00" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("no second colon") << "12:30" << false;
        QTest::newRow("dots") << "12.30.00" << false;
    }

    void timeText()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(IsValidTimeText(text), valid);
    }

    void dateText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("usual") << "07/04/2026" << true;
        QTest::newRow("month 0") << "00/10/2026" << false;
        QTest::newRow("month 13") << "13/01/2026" << false;
        QTest::newRow("February 31 passes") << "02/31/2026" << true;
        QTest::newRow("no year") << "12/25/" << true;
        QTest::newRow("one-digit parts") << "1/2/2026" << false;
        QTest::newRow("dashes") << "07-04-2026" << false;
        QTest::newRow("game day 30") << "01/30/0005" << true;
        QTest::newRow("day 32") << "01/32/0005" << false;
        QTest::newRow("day 0") << "01/00/0005" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("year not tested") << "01/01/abcd" << true;
    }

    void dateText()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(IsValidDateText(text), valid);
    }

    void openWebPage()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        QCOMPARE(OpenWebPage(GameWebSiteAddress(), 0), 1);
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl(GameWebSiteAddress())});
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }
};

QTEST_MAIN(TstModGeneral)
#include "tst_modgeneral.moc"
