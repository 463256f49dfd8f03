#include "clock/daystart.h"
#include "clock/systemclock.h"
#include "files/oxlfiles.h"
#include "forms/dialogs.h"
#include "forms/frmcompactclock.h"
#include "forms/frmreminders.h"
#include "forms/frmupcomingdays.h"
#include "forms/globals.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

// The windows that look ahead, with a pinned clock: the game clock stands at 10:20:30 on
// 03/10/0005 at 14:30:00 on Monday 06/15/2026, so day 15 begins 6 h 5 min 32 s later
// (394,770 game seconds, the part second rounded up) and again every 37 h 20 min.
class TstPlanAhead : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    QDateTime mNow;
    QStringList mMessages;

    static QStringList Row(QTableWidget* table, int row)
    {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << table->item(row, column)->text();
        return cells;
    }

private slots:
    void init()
    {
        SetProgramFolder(mDir.path());
        mNow = QDateTime(QDate(2026, 6, 15), QTime(14, 30, 0));
        SystemClock::SetSource([this] { return mNow; });
        gCalibration = ComputeGameTime(
            ClockCalibration::FromTexts(u"14:30:00"_qs, u"06/15/2026"_qs, u"10:20:30"_qs, u"03/10/0005"_qs), mNow);
        mMessages.clear();
        Dialogs::SetMessageHook([this](const QString& text) { mMessages << text; });
    }

    void cleanup()
    {
        SystemClock::SetSource({});
        Dialogs::SetMessageHook({});
        Dialogs::SetSaveFileHook({});
        SetProgramFolder(QString());
    }

    void shortWait()
    {
        const std::tuple<qint64, bool, const char*> cases[] = {
            {0, true, "00:00:00"},        {21932, true, "06:05:32"},
            {86399, true, "23:59:59"},    {156332, true, "1 d 19:25:32"},
            {21932, false, "6 h 05 min"}, {15 * 86400 + 9 * 3600 + 5 * 60 + 59, false, "15 d 9 h 05 min"}};
        for (const auto& [seconds, withSeconds, text] : cases)
            QCOMPARE(ShortWaitText(seconds, withSeconds), QLatin1String(text));
    }

    // The rows follow the clock and the chosen day; the export writes them as events;
    // a file that cannot be written is reported; closed, the window goes.
    void upcomingDays()
    {
        QPointer<frmUpcomingDays> window = new frmUpcomingDays;
        window->show();
        auto* table = window->findChild<QTableWidget*>(QStringLiteral("tblUpcomingDays"));
        QVERIFY(table->isVisible() && table->y() > window->findChild<QSpinBox*>(QStringLiteral("spnDay"))->y());
        QCOMPARE(table->rowCount(), 10);
        QCOMPARE(Row(table, 0), (QStringList{"Monday", "06/15/2026", "8:35 PM", "06:05:32", "03/15/0005"}));
        QCOMPARE(Row(table, 1), (QStringList{"Wednesday", "06/17/2026", "9:55 AM", "1 d 19:25:32", "04/15/0005"}));
        mNow = mNow.addSecs(2);
        window->findChild<QSpinBox*>(QStringLiteral("spnCount"))->setValue(3);
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(Row(table, 0)[3], QStringLiteral("06:05:30"));

        const QString file = mDir.filePath(QStringLiteral("moons.ics"));
        for (const QString& path : {file, mDir.path()}) {
            Dialogs::SetSaveFileHook([path](const QString&, const QString&) { return path; });
            window->findChild<QPushButton*>(QStringLiteral("cmdExport"))->click();
        }
        QFile ics(file);
        QVERIFY(ics.open(QIODevice::ReadOnly));
        const QByteArray text = ics.readAll();
        QCOMPARE(text.count("BEGIN:VEVENT"), 3);
        QVERIFY(text.contains("SUMMARY:Kelvara: good moon (day 15)"));
        QCOMPARE(mMessages.size(), 1);
        QVERIFY(mMessages[0].startsWith(QStringLiteral("The calendar could not be saved.")));

        window->findChild<QSpinBox*>(QStringLiteral("spnDay"))->setValue(11);
        QCOMPARE(Row(table, 0)[4], QStringLiteral("03/11/0005"));
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
    }

    // The Reminders window changes the chosen reminder, adds and removes, and tries the chosen one.
    void remindersWindow()
    {
        frmReminders window(ProgramSettings{});
        std::vector<Reminder> tried;
        connect(&window, &frmReminders::TestRequested, this, [&](const Reminder& r) { tried.push_back(r); });
        window.findChild<QSpinBox*>(u"txtDay"_qs)->setValue(7);
        auto* label = window.findChild<QLineEdit*>(u"txtLabel"_qs);
        label->selectAll();
        QTest::keyClicks(label, u"Market"_qs);
        window.findChild<QPushButton*>(u"cmdTest"_qs)->click();
        window.findChild<QPushButton*>(u"cmdAdd"_qs)->click();
        window.findChild<QPushButton*>(u"cmdAdd"_qs)->click();
        window.findChild<QPushButton*>(u"cmdRemove"_qs)->click();
        const std::vector<Reminder> kept = window.Settings().Reminders;
        QCOMPARE(kept.size(), size_t(2));
        QCOMPARE((std::pair{kept[0].Day, kept[0].Label}), (std::pair{7, u"Market"_qs}));
        QCOMPARE(kept[1], Reminder());
        QCOMPARE(tried.size(), size_t(1));
        QCOMPARE(tried[0], kept[0]);
    }

    // The compact clock shows the game time and the wait to the good moon whole, and comes
    // back where it was dragged.
    void compactClock()
    {
        QPoint place;
        {
            frmCompactClock clock;
            clock.ShowAtSavedPlace();
            QCOMPARE(clock.findChild<QLabel*>(QStringLiteral("lblGameTime"))->text(),
                     QStringLiteral("10:20 AM   03/10/0005"));
            for (QLabel* label : clock.findChildren<QLabel*>()) {
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(label->text()));
            }
            QCOMPARE(clock.findChild<QLabel*>(QStringLiteral("lblGoodMoonWait"))->text(),
                     QStringLiteral("Good moon in 6 h 05 min"));
            const QPoint before = clock.pos(), grab(5, 5);
            QTest::mousePress(&clock, Qt::LeftButton, {}, grab);
            QMouseEvent move(QEvent::MouseMove, QPointF(grab + QPoint(30, 20)),
                             clock.mapToGlobal(QPointF(grab + QPoint(30, 20))), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(&clock, &move);
            QTest::mouseRelease(&clock, Qt::LeftButton, {}, grab + QPoint(30, 20));
            place = clock.pos();
            QCOMPARE(place, before + QPoint(30, 20));
            frmCompactClock::SaveVisible(true);
        }
        QVERIFY(frmCompactClock::SavedVisible());
        frmCompactClock again;
        again.ShowAtSavedPlace();
        QCOMPARE(again.pos(), place);
    }
};

QTEST_MAIN(TstPlanAhead)
#include "tst_planahead.moc"
