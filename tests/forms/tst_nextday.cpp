#include "clock/systemclock.h"
#include "forms/dialogs.h"
#include "forms/frmmain.h"
#include "forms/globals.h"
#include "forms/guard.h"
#include "forms/nextday.h"

#include <QAction>
#include <QTest>

namespace {

ClockCalibration Record(const char* realTime, const char* oxlTime, const char* oxlDate)
{
    return ClockCalibration::FromTexts(QLatin1String(realTime), QStringLiteral("06/15/2026"), QLatin1String(oxlTime),
                                       QLatin1String(oxlDate));
}

const char OutOfRange[] = "You need to enter a day between 1 and 28.";

QString Lines(const char* first, const char* second, const char* third)
{
    return QLatin1String(first) + QStringLiteral("\r\n") + QLatin1String(second) + QStringLiteral("\r\n")
        + QLatin1String(third);
}

} // namespace

class TstNextDay : public QObject
{
    Q_OBJECT

    QStringList mMessages;
    QStringList mPrompts;
    QString mAnswer;
    QDateTime mNow;

private slots:
    void initTestCase()
    {
        Dialogs::SetMessageHook([this](const QString& text) { mMessages << text; });
        Dialogs::SetInputHook([this](const QString& prompt, const QString& title) {
            mPrompts << prompt + QLatin1Char('|') + title;
            return mAnswer;
        });
        SystemClock::SetSource([this] { return mNow; });
    }

    void cleanupTestCase()
    {
        Dialogs::SetMessageHook({});
        Dialogs::SetInputHook({});
        SystemClock::SetSource({});
    }

    void init()
    {
        mMessages.clear();
        mPrompts.clear();
        ErrorBoundary::ResetForTesting();
    }

    void answers_data()
    {
        QTest::addColumn<ClockCalibration>("calibration");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message"); // empty: no message at all

        // 10:20:30 on game day 10 at a real 14:30:00.
        const ClockCalibration cal = Record("14:30:00", "10:20:30", "03/10/0005");
        const QString day15 =
            Lines("Day 15 of the month will be in ", "6 HOURS  5 MINUTES  31 SECONDS", "TODAY AT 8:35 PM");
        const QString day2 =
            Lines("Day 2 of the month will be in ", "1 DAY  2 HOURS  5 MINUTES  31 SECONDS", "TOMORROW AT 4:35 PM");
        const QString day28 =
            Lines("Day 28 of the month will be in ", "23 HOURS  25 MINUTES  31 SECONDS", "TOMORROW AT 1:55 PM");

        QTest::newRow("cancel or empty") << cal << "" << "";
        QTest::newRow("zero") << cal << "0" << "";
        QTest::newRow("not a number") << cal << "abc" << "";
        QTest::newRow("0.4") << cal << "0.4" << "";
        QTest::newRow("-0.5") << cal << "-0.5" << "";
        QTest::newRow("only blanks") << cal << "   " << "";
        QTest::newRow("29") << cal << "29" << OutOfRange;
        QTest::newRow("-1") << cal << "-1" << OutOfRange;
        QTest::newRow("28.6") << cal << "28.6" << OutOfRange;
        QTest::newRow("-0.6") << cal << "-0.6" << OutOfRange;
        QTest::newRow("15") << cal << "15" << day15;
        QTest::newRow("15 days") << cal << "15 days" << day15;
        QTest::newRow("blanks before 15") << cal << "   15" << day15;
        QTest::newRow("+15") << cal << "+15" << day15;
        QTest::newRow("15.4") << cal << "15.4" << day15;
        QTest::newRow("14.5 is 14")
            << cal << "14.5"
            << Lines("Day 14 of the month will be in ", "4 HOURS  45 MINUTES  31 SECONDS", "TODAY AT 7:15 PM");
        QTest::newRow("15.5 is 16")
            << cal << "15.5"
            << Lines("Day 16 of the month will be in ", "7 HOURS  25 MINUTES  31 SECONDS", "TODAY AT 9:55 PM");
        QTest::newRow("1.5") << cal << "1.5" << day2;
        QTest::newRow("2.5") << cal << "2.5" << day2;
        QTest::newRow("28.5") << cal << "28.5" << day28;
        QTest::newRow("28") << cal << "28" << day28;
        // Numbers no day count can hold: the same answer as any other day out of range.
        QTest::newRow("32767") << cal << "32767" << OutOfRange;
        QTest::newRow("32768") << cal << "32768" << OutOfRange;
        QTest::newRow("-32768") << cal << "-32768" << OutOfRange;
        QTest::newRow("-32769") << cal << "-32769" << OutOfRange;
        QTest::newRow("huge") << cal << QString(400, QLatin1Char('9')) << OutOfRange;
        QTest::newRow("huge negative") << cal << QLatin1Char('-') + QString(400, QLatin1Char('9')) << OutOfRange;
        QTest::newRow("under 18 game seconds left")
            << Record("09:05:40", "23:59:50", "03/14/0005") << "15"
            << Lines("Day 15 of the month will be in ", "", "TODAY AT 9:05 AM");
        QTest::newRow("the day itself") << Record("23:50:10", "00:00:00", "03/15/0005") << "15"
                                        << Lines("Day 15 of the month will be in ", "1 DAY  13 HOURS  20 MINUTES  ",
                                                 "TWO DAYS FROM NOW AT 1:10 PM");
    }

    void answers()
    {
        QFETCH(ClockCalibration, calibration);
        QFETCH(QString, answer);
        QFETCH(QString, message);
        gCalibration = calibration;
        mAnswer = answer;

        frmMain main;
        QAction* entry = main.findChild<QAction*>(QStringLiteral("mnuNextDay"));
        QVERIFY(entry);
        QCOMPARE(entry->text(), QStringLiteral("Next &Specified Day"));
        entry->trigger();

        QCOMPARE(mPrompts, QStringList{QStringLiteral("Enter day (1-28)|Kelvara Utility")});
        QCOMPARE(mMessages, message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(!ErrorBoundary::Ending());
        QCOMPARE(NextDayMessage(answer, calibration).value_or(QString()), message);
    }

    // The main window keeps ticking while the input box is open; the forecast is
    // made from the calibration of the latest tick, once the box has closed.
    void forecastAfterTheInputBox()
    {
        mNow = QDateTime(QDate(2026, 6, 15), QTime(14, 30, 0));
        gCalibration = Record("14:30:00", "10:20:30", "03/10/0005");
        frmMain main;
        Dialogs::SetInputHook([this, &main](const QString&, const QString&) {
            mNow = mNow.addSecs(3600);
            main.tmrMain_Timer();
            return QStringLiteral("15");
        });
        main.mnuNextDay_Click();
        Dialogs::SetInputHook([this](const QString&, const QString&) { return mAnswer; });
        QCOMPARE(mMessages, QStringList{Lines("Day 15 of the month will be in ", "5 HOURS  5 MINUTES  31 SECONDS",
                                              "TODAY AT 8:35 PM")});
    }
};

QTEST_MAIN(TstNextDay)
#include "tst_nextday.moc"
