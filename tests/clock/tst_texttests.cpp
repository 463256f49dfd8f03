#include "clock/nextday.h"
#include "clock/texttests.h"

#include <QTest>

// What the player types: the calibration dialog's time and date texts, and the
// answer to Next Specified Day.
class TstTextTests : public QObject
{
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<bool>("date"); // a date text, else a time text
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("afternoon") << false << "16:45:00" << true;
        QTest::newRow("hour 24 passes") << false << "24:00:00" << true;
        QTest::newRow("last second") << false << "23:59:59" << true;
        QTest::newRow("hour 25") << false << "25:00:00" << false;
        QTest::newRow("minute 60") << false << "12:60:00" << false;
        QTest::newRow("second 60") << false << "12:00:60" << false;
        QTest::newRow("one-digit hour") << false << "9:45:00" << false;
        QTest::newRow("letters count as 0") << false << "ab:cd:ef" << true;
        QTest::newRow("no seconds") << false << "12:30:" << true;
        QTest::newRow("negative hour") << false << "-1:00:00" << false;
        QTest::newRow("empty time") << false << "" << false;
        QTest::newRow("no second colon") << false << "12:30" << false;
        QTest::newRow("usual date") << true << "07/04/2026" << true;
        QTest::newRow("month 0") << true << "00/10/2026" << false;
        QTest::newRow("month 12") << true << "12/10/2026" << true;
        QTest::newRow("month 13") << true << "13/01/2026" << false;
        QTest::newRow("day 31 passes") << true << "02/31/2026" << true;
        QTest::newRow("day 32") << true << "01/32/0005" << false;
        QTest::newRow("day 0") << true << "01/00/0005" << false;
        QTest::newRow("no year, year not tested") << true << "12/25/abcd" << true;
        QTest::newRow("one-digit parts") << true << "1/2/2026" << false;
        QTest::newRow("dashes") << true << "07/04-2026" << false;
        QTest::newRow("empty date") << true << "" << false;
    }

    void texts()
    {
        QFETCH(bool, date);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(date ? IsValidDateText(text) : IsValidTimeText(text), valid);
    }

    // The answer is read as a number and rounded to a day (ties to even); 0, Cancel
    // and no number end the command without a word.
    void nextDay_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message"); // empty: no message at all
        const auto message = [](int day, const char* wait, const char* moment) {
            return QStringLiteral("Day %1 of the month will be in \r\n%2\r\n%3")
                .arg(day)
                .arg(QLatin1String(wait), QLatin1String(moment));
        };
        const QString outOfRange = QStringLiteral("You need to enter a day between 1 and 28.");
        const QString day15 = message(15, "6 HOURS  5 MINUTES  31 SECONDS", "TODAY AT 8:35 PM");
        QTest::newRow("cancel or empty") << ""
                                         << "";
        QTest::newRow("zero") << "0"
                              << "";
        QTest::newRow("not a number") << "abc"
                                      << "";
        QTest::newRow("-0.5") << "-0.5"
                              << "";
        QTest::newRow("29") << "29" << outOfRange;
        QTest::newRow("-1") << "-1" << outOfRange;
        QTest::newRow("28.6") << "28.6" << outOfRange;
        QTest::newRow("28") << "28" << message(28, "23 HOURS  25 MINUTES  31 SECONDS", "TOMORROW AT 1:55 PM");
        QTest::newRow("1") << "1" << message(1, "1 DAY  45 MINUTES  31 SECONDS", "TOMORROW AT 3:15 PM");
        QTest::newRow("15") << "15" << day15;
        QTest::newRow("blanks, a sign and a word") << "  +15 days" << day15;
        QTest::newRow("14.5 is 14") << "14.5" << message(14, "4 HOURS  45 MINUTES  31 SECONDS", "TODAY AT 7:15 PM");
        QTest::newRow("15.5 is 16") << "15.5" << message(16, "7 HOURS  25 MINUTES  31 SECONDS", "TODAY AT 9:55 PM");
        QTest::newRow("huge") << QString(400, QLatin1Char('9')) << outOfRange;
    }

    void nextDay()
    {
        QFETCH(QString, answer);
        QFETCH(QString, message);
        const ClockCalibration calibration = ClockCalibration::FromTexts(u"14:30:00"_qs, u"06/15/2026"_qs,
                                                                         u"10:20:30"_qs, u"03/10/0005"_qs);
        QCOMPARE(NextDayMessage(answer, calibration).value_or(QString()), message);
    }
};

QTEST_GUILESS_MAIN(TstTextTests)
#include "tst_texttests.moc"
