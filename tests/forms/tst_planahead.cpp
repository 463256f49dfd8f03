// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/daystart.h"
#include "clock/systemclock.h"
#include "common/filebytes.h"
#include "common/testfolder.h"
#include "files/calendarexport.h"
#include "forms/dialogs.h"
#include "forms/formkit.h"
#include "forms/frmcompactclock.h"
#include "forms/frmmain.h"
#include "forms/frmnotice.h"
#include "forms/frmreminders.h"
#include "forms/frmupcomingdays.h"
#include "running/globals.h"
#include "running/reminderkeeper.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// The windows that look ahead, with a pinned clock: the game clock stands at 10:20:30 on
// 03/10/0005 at 14:30:00 on Monday 06/15/2026, so day 15 begins 6 h 5 min 32 s later
// (394,770 game seconds, the part second rounded up) and again every 37 h 20 min.
class TstPlanAhead : public QObject
{
    Q_OBJECT

    TestFolder mDir;
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
        mNow = QDateTime(QDate(2026, 6, 15), QTime(14, 30, 0));
        SystemClock::SetSource([this] { return mNow; });
        gCalibration = ComputeGameTime(
            ClockCalibration::FromTexts(u"14:30:00"_s, u"06/15/2026"_s, u"10:20:30"_s, u"03/10/0005"_s), mNow);
        mMessages.clear();
        Dialogs::SetMessageHook([this](const QString& text) { mMessages << text; });
    }

    void cleanup()
    {
        SystemClock::SetSource({});
        Dialogs::SetMessageHook({});
        Dialogs::SetSaveFileHook({});
        const QString ini = mDir.filePath(u"kelvara-utility.ini"_s);
        QFile::remove(ini);
        QDir(ini).removeRecursively();
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
            Dialogs::SetSaveFileHook([path](const QString&, const QString&, const QString&) { return path; });
            window->findChild<QPushButton*>(QStringLiteral("cmdExport"))->click();
        }
        const QByteArray text = FileBytes(file);
        QCOMPARE(text.count("BEGIN:VEVENT"), 3);
        QVERIFY(text.contains("SUMMARY:Kelvara: good moon (day 15)") && text.contains("UID:kelvara-0005-03-15@"));
        // Years of other than four digits: modulo 10000.
        QCOMPARE(CalendarUid(u"04/15/12345"_s) + CalendarUid(u"04/15/-1"_s),
                 u"kelvara-2345-04-15@kelvara-utilitykelvara-9999-04-15@kelvara-utility"_s);
        QCOMPARE(mMessages.size(), 1);
        QVERIFY(mMessages[0].startsWith(QStringLiteral("The calendar could not be saved.")));

        window->findChild<QSpinBox*>(QStringLiteral("spnDay"))->setValue(11);
        QCOMPARE(Row(table, 0)[4], QStringLiteral("03/11/0005"));
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
    }

    // The Reminders window changes, adds, removes and tries reminders. Entries that cannot be used show greyed with
    // the reason: Remove drops one, editing one makes it a reminder, its label kept unless edited. A start announced
    // while the window is open stays with its reminder, wherever its row went, unless the player changed its day.
    void remindersKept()
    {
        QVERIFY(PutFile(
            mDir.filePath(u"kelvara-utility.ini"_s),
            "[Reminders]\nsize=6\n6\\day=29\n1\\day=3\n1\\minutes=0\n2\\day=<b>4</b>\n3\\day=15x\n3\\minutes=20\n"
            "3\\label=A\\0x\n4\\day=15\n4\\minutes=10\n4\\label=B\n5\\day=0\n5\\label=Odd\n"));
        ReminderKeeper keeper;
        NoticeWindows notices(&keeper);
        keeper.Load();
        keeper.SetNotifier(nullptr); // no desktop service: notices of its own
        frmReminders window(keeper.Settings());
        auto* list = window.findChild<QTreeWidget*>(u"lstReminders"_s);
        QCOMPARE(list->topLevelItem(4)->text(3), u"Odd (Not used: day \"0\" is not from 1 to 28)"_s);
        QVERIFY(list->topLevelItem(4)->foreground(3) == window.palette().brush(QPalette::Disabled, QPalette::Text));
        std::vector<Reminder> tried;
        connect(&window, &frmReminders::TestRequested, this, [&](const Reminder& r) { tried.push_back(r); });
        list->setCurrentItem(list->topLevelItem(1));
        QVERIFY(!window.findChild<QPushButton*>(u"cmdTest"_s)->isEnabled()
                && !(list->currentItem()->flags() & Qt::ItemIsUserCheckable));
        QVERIFY(list->currentItem()->toolTip(1).contains(u"day \"&lt;b&gt;4&lt;/b&gt;\""_s)); // not as markup
        const qint64 start = mNow.toSecsSinceEpoch() + 21932;                                 // day 15
        keeper.Tick(gCalibration, start - 300);
        for (int row : {1, 0}) { // the unusable day, then day 3 with no warning
            list->setCurrentItem(list->topLevelItem(row));
            QVERIFY(row || window.findChild<QSpinBox*>(u"txtMinutes"_s)->value() == 0);
            window.findChild<QPushButton*>(u"cmdRemove"_s)->click();
        }
        for (const auto& [row, day] : {std::pair{0, 16}, std::pair{2, 15}}) {
            list->setCurrentItem(list->topLevelItem(row));
            QVERIFY(row || window.findChild<QLineEdit*>(u"txtLabel"_s)->text() == u"A\uFFFDx"_s); // as listed
            window.findChild<QSpinBox*>(u"txtDay"_s)->setValue(day);
        }
        QTest::keyClicks(window.findChild<QLineEdit*>(u"txtLabel"_s), u"!"_s);
        window.findChild<QPushButton*>(u"cmdTest"_s)->click();
        window.findChild<QPushButton*>(u"cmdAdd"_s)->click();
        list->clearSelection(); // nothing selected: nothing to remove
        window.findChild<QPushButton*>(u"cmdRemove"_s)->click();
        QCOMPARE(list->topLevelItemCount(), 5); // day 29, unusable, left as it is
        QCOMPARE(list->topLevelItem(4)->text(1) + list->topLevelItem(4)->text(2), u"1510"_s); // the one added
        QVERIFY(keeper.Apply(window.Settings()).isEmpty());
        const std::vector<Reminder> kept{{16, 20, true, u"A"_s + QChar(0) + u'x', {}},
                                         {15, 10, true, u"B"_s, start},
                                         {15, 10, true, u"Odd!"_s, {}},
                                         Reminder()};
        QVERIFY(keeper.Settings().Reminders == kept && ReadSettings().Settings.Reminders == kept);
        QVERIFY(tried == std::vector{kept[2]} && ReadSettings().Settings.Unusable.size() == 1);
        // Added or switched on after their day began: not told as begun, though the program ran before.
        mNow = QDateTime::fromSecsSinceEpoch(start + 60);
        keeper.Tick(gCalibration, start + 60);
        QVERIFY(keeper.Settings().Reminders == kept);
        notices.CloseAll();
    }

    // The label box keeps at most 100 UTF-16 units; of what comes in beyond, the end goes by whole characters (an
    // emoji, a flag, a letter and its accent), wherever the cursor stands, and what the box held stays.
    void labelBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("kept"); // how much of it stays
        QTest::newRow("emoji that fits") << QString(98, u'a') << 98 << u"\U0001F600"_s << 2;
        QTest::newRow("emoji at the end") << QString(99, u'a') << 99 << u"\U0001F600"_s << 0;
        QTest::newRow("emoji inside") << QString(99, u'a') << 10 << u"\U0001F600"_s << 0;
        QTest::newRow("flag") << QString(97, u'a') << 97 << u"\U0001F1E9\U0001F1EA"_s << 0;
        QTest::newRow("accent") << QString(99, u'a') << 99 << u"e\u0301"_s << 0;
        QTest::newRow("accent on a letter there") << QString(98, u'a') + u"ee"_s << 100 << u"\u0301"_s << 0;
        QTest::newRow("letters first") << QString(97, u'a') << 0 << u"xyz\U0001F600"_s << 3;
        QTest::newRow("full, at the start") << QString(100, u'a') << 0 << u"x"_s << 0;
    }

    void labelBox()
    {
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(QString, typed);
        QFETCH(int, kept);
        frmReminders window{ProgramSettings()};
        auto* box = window.findChild<QLineEdit*>(u"txtLabel"_s);
        box->setText(text);
        box->setCursorPosition(cursor);
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, typed, Qt::NoModifier);
        QCOMPARE(window.Settings().Reminders.at(0).Label, text.insert(cursor, typed.left(kept)));
    }

    // The compact clock shows the game time and the wait to the good moon whole, and comes
    // back where it was dragged; on Wayland, which places the windows, no place is kept.
    void compactClock()
    {
        if (QGuiApplication::platformName() == u"windows"_s)
            QSKIP("Windows moves the window in a loop of its own, which only the real mouse's release ends");
        const bool placed = !QGuiApplication::platformName().startsWith(u"wayland"_s);
        // Kept through the settings file like the reminders: a file not in UTF-8 is kept aside, other groups stay.
        const QString ini = mDir.filePath(u"kelvara-utility.ini"_s);
        QVERIFY(PutFile(ini, "[Broken\xe9\n[Tray]\nkeepRunning=true\n"));
        QPoint place;
        {
            frmCompactClock clock;
            clock.ShowAtSavedPlace();
            QVERIFY(clock.palette().color(QPalette::Window) != qApp->palette().color(QPalette::Window)); // its own
            QCOMPARE(clock.findChild<QLabel*>(QStringLiteral("lblGameTime"))->text(),
                     QStringLiteral("10:20 AM   03/10/0005"));
            QCOMPARE(clock.findChild<QLabel*>(QStringLiteral("lblGoodMoonWait"))->text(),
                     QStringLiteral("Good moon in 6 h 05 min"));
            const QPoint before = clock.pos(), grab(5, 5);
            QTest::mousePress(&clock, Qt::LeftButton, {}, grab);
            QMouseEvent move(QEvent::MouseMove, QPointF(grab + QPoint(30, 20)),
                             clock.mapToGlobal(QPointF(grab + QPoint(30, 20))), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(&clock, &move);
            QTest::mouseRelease(&clock, Qt::LeftButton, {}, grab + QPoint(30, 20));
            QTRY_COMPARE(clock.pos(), before + QPoint(30, 20)); // moved by the window system
            place = clock.pos();
            frmCompactClock::SaveVisible(true);
        }
        QVERIFY(frmCompactClock::SavedVisible());
        QCOMPARE(ReadSettings().Settings.CompactClock.Place, placed ? std::optional(place) : std::nullopt);
        frmCompactClock again; // where it was dragged, pulled in wholly on the screen (it stood out to the right)
        again.ShowAtSavedPlace();
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(again.pos() == QPoint(area.right() + 1 - again.width(), place.y()), placed);
        QVERIFY(QFile::exists(ini + u".damaged"_s) && ReadSettings().Settings.KeepInTray);
        // A save that fails is reported.
        QVERIFY(QFile::remove(ini) && QDir().mkdir(ini));
        frmCompactClock::SaveVisible(false);
        QCOMPARE(mMessages.value(0).section(u'\n', 0, 0), u"The compact clock could not be saved."_s);
    }

    // A window stands wholly on a screen: where it was, when it did; else moved no further than it must onto the
    // screen it overlaps most, or the nearest. Two screens: 1366 x 728 free (a panel below), 1920 x 1080 to its right.
    void keptOnScreen_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("on a screen") << QRect(1500, 1000, 200, 80) << QPoint(1500, 1000);
        QTest::newRow("more on the second") << QRect(1300, 100, 200, 50) << QPoint(1366, 100);
        QTest::newRow("on the first's panel") << QRect(100, 700, 200, 50) << QPoint(100, 678);
        QTest::newRow("far off") << QRect(5000, 2000, 200, 50) << QPoint(3086, 1030);
        QTest::newRow("to the left") << QRect(-500, -300, 200, 50) << QPoint(0, 0);
        QTest::newRow("larger than the screen") << QRect(10, 10, 1500, 800) << QPoint(0, 0);
    }

    void keptOnScreen()
    {
        QFETCH(QRect, frame);
        QFETCH(QPoint, place);
        QCOMPARE(KeptOnScreen(frame, {QRect(0, 0, 1366, 728), QRect(1366, 0, 1920, 1080)}), place);
    }

    // The screens change (one shrinks, or goes): the compact clock and the main window come back wholly on them,
    // a minimised or hidden one (which a move would show) once it shows again.
    void screensChange()
    {
        QScreen* screen = QGuiApplication::primaryScreen();
        const QRect area = screen->availableGeometry();
        frmCompactClock clock;
        frmMain main;
        const QPoint off = area.bottomRight() - QPoint(10, 10);
        for (int change = 0; change < 4; ++change) {
            for (QWidget* window : {static_cast<QWidget*>(&clock), static_cast<QWidget*>(&main)}) {
                window->show();
                window->move(off);
            }
            change == 2 ? main.showMinimized() : change == 3 ? main.hide() : void();
            change % 2 ? emit qGuiApp->screenRemoved(screen) : emit screen->availableGeometryChanged(area);
            QTRY_VERIFY(area.contains(clock.frameGeometry()));
            QVERIFY(change < 2 || (main.pos() == off && (change == 2 ? main.isMinimized() : main.isHidden())));
            main.showNormal();
            QTRY_VERIFY(area.contains(main.frameGeometry()));
        }
    }
};

QTEST_MAIN(TstPlanAhead)
#include "tst_planahead.moc"
