// Rows as CSV and as tab-separated text.
#include "files/tabletext.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TstTableText : public QObject
{
    Q_OBJECT

private slots:
    void text_data()
    {
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<QString>("csv");
        QTest::addColumn<QString>("tabs");
        QTest::newRow("plain") << QStringList{u"Iron Sword"_s, u"-5"_s, u""_s} << u"Iron Sword,-5,\r\n"_s
                               << u"Iron Sword\t-5\t\n"_s;
        QTest::newRow("comma") << QStringList{u"Sword, old"_s} << u"\"Sword, old\"\r\n"_s << u"Sword, old\n"_s;
        QTest::newRow("quotes") << QStringList{u"The \"Blade\""_s, u"x"_s} << u"\"The \"\"Blade\"\"\",x\r\n"_s
                                << u"The \"Blade\"\tx\n"_s;
        QTest::newRow("line ends") << QStringList{u"a\r\nb\nc\rd"_s} << u"\"a\r\nb\nc\rd\"\r\n"_s << u"a b c d\n"_s;
        QTest::newRow("tab and markup") << QStringList{u"<b>a\tb</b>"_s} << u"<b>a\tb</b>\r\n"_s << u"<b>a b</b>\n"_s;
        QTest::newRow("no cells") << QStringList{} << u"\r\n"_s << u"\n"_s;
    }

    void text()
    {
        QFETCH(QStringList, row);
        QFETCH(QString, csv);
        QFETCH(QString, tabs);
        QCOMPARE(CsvText({row, row}), csv + csv); // each row ends its line
        QCOMPARE(TabText({row, row}), tabs + tabs);
    }
};

QTEST_GUILESS_MAIN(TstTableText)
#include "tst_tabletext.moc"
