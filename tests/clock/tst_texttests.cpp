#include "clock/nextday.h"
#include "clock/texttests.h"

#include <QTest>

using namespace Qt::StringLiterals;

// What the player types: the calibration dialog's time and date texts, and the answer to Next Specified Day.
class TstTextTests : public QObject
{
    Q_OBJECT

private slots:
    // Hour 24 and day 31 pass, letters count as 0, the year is not tested.
    void texts()
    {
        for (const char* time : {"16:45:00", "24:00:00", "23:59:59", "ab:cd:ef", "12:30:"})
            QVERIFY2(IsValidTimeText(QLatin1String(time)), time);
        for (const char* time : {"25:00:00", "12:60:00", "12:00:60", "9:45:00", "-1:00:00", "", "12:30"})
            QVERIFY2(!IsValidTimeText(QLatin1String(time)), time);
        for (const char* date : {"07/04/2026", "12/10/2026", "02/31/2026", "12/25/abcd"})
            QVERIFY2(IsValidDateText(QLatin1String(date)), date);
        for (const char* date : {"00/10/2026", "13/01/2026", "01/32/0005", "01/00/0005", "1/2/2026", "07/04-2026", ""})
            QVERIFY2(!IsValidDateText(QLatin1String(date)), date);
    }

    // The answer is read as a number and rounded to a day (ties to even); 0, Cancel and no number end the
    // command without a word.
    void nextDay()
    {
        const auto message = [](int day, const char* wait, const char* moment) {
            return QStringLiteral("Day %1 of the month will be in \r\n%2\r\n%3")
                .arg(QString::number(day), QLatin1String(wait), QLatin1String(moment));
        };
        const ClockCalibration calibration = ClockCalibration::FromTexts(u"14:30:00"_s, u"06/15/2026"_s, u"10:20:30"_s,
                                                                         u"03/10/0005"_s);
        for (const QString& answer : {u""_s, u"0"_s, u"abc"_s, u"-0.5"_s})
            QVERIFY2(!NextDayMessage(answer, calibration), qPrintable(answer));
        for (const QString& answer : {u"29"_s, u"-1"_s, u"28.6"_s, QString(400, u'9')})
            QCOMPARE(NextDayMessage(answer, calibration), u"You need to enter a day between 1 and 28."_s);
        const std::pair<QString, QString> cases[] = {
            {"1", message(1, "1 DAY  45 MINUTES  31 SECONDS", "TOMORROW AT 3:15 PM")},
            {"28", message(28, "23 HOURS  25 MINUTES  31 SECONDS", "TOMORROW AT 1:55 PM")},
            {"  +15 days", message(15, "6 HOURS  5 MINUTES  31 SECONDS", "TODAY AT 8:35 PM")},
            {"14.5", message(14, "4 HOURS  45 MINUTES  31 SECONDS", "TODAY AT 7:15 PM")},
            {"15.5", message(16, "7 HOURS  25 MINUTES  31 SECONDS", "TODAY AT 9:55 PM")}};
        for (const auto& [answer, expected] : cases)
            QCOMPARE(NextDayMessage(answer, calibration), expected);
    }
};

QTEST_GUILESS_MAIN(TstTextTests)
#include "tst_texttests.moc"
