// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/systemclock.h"
#include "common/accessibility.h"
#include "common/testfolder.h"
#include "db/itemcatalogue.h"
#include "db/moddb.h"
#include "forms/formkit.h"
#include "forms/frmabout.h"
#include "forms/frmcompactclock.h"
#include "forms/frmcompare.h"
#include "forms/frmdatetime.h"
#include "forms/frmfinditems.h"
#include "forms/frmmain.h"
#include "forms/frmmsgbox.h"
#include "forms/frmmystats.h"
#include "forms/frmnextgoodmoon.h"
#include "forms/frmnotice.h"
#include "forms/frmpreferences.h"
#include "forms/frmreminders.h"
#include "forms/frmstats.h"
#include "forms/frmupcomingdays.h"
#include "forms/itemfinder.h"
#include "running/globals.h"

using namespace Qt::StringLiterals;

using Maker = std::function<QWidget*(frmMain&)>;
Q_DECLARE_METATYPE(Maker)

// Every window, walked as a screen reader and a keyboard-only player use it (common/accessibility.h).
class TstAccessibility : public QObject
{
    Q_OBJECT

    TestFolder mDir;
    QDateTime mNow{QDate(2026, 6, 15), QTime(14, 30)};

private slots:
    void initTestCase()
    {
        gCalibration = ClockCalibration::FromTexts(u"14:30:00"_s, u"06/15/2026"_s, u"10:20:30"_s, u"03/10/0005"_s);
        const GameTables tables = LoadGameTables(QStringLiteral(KELVARA_SAMPLE_DB));
        gStatTable = tables.stats;
        gItemTable = tables.items;
    }

    void windows_data()
    {
        QTest::addColumn<Maker>("make");
        QTest::newRow("main") << Maker([](frmMain& main) { return &main; });
        QTest::newRow("next good moon") << Maker([](frmMain& main) {
            auto* tick = new QTimer(&main); // the countdown follows the main window's clock
            connect(tick, &QTimer::timeout, &main, &frmMain::tmrMain_Timer);
            tick->start(500);
            return new frmNextGoodMoon;
        });
        QTest::newRow("rank chart") << Maker([](frmMain&) {
            auto* box = new frmMsgBox;
            box->lblMessage()->setText(u"Rank 1    0\nRank 2  100"_s);
            return box;
        });
        QTest::newRow("reminders") << Maker([](frmMain&) {
            ProgramSettings settings;
            settings.Reminders = {{15, 10, true, u"Moon"_s, {}}, {3, 0, false, {}, {}}};
            return new frmReminders(settings);
        });
        QTest::newRow("preferences") << Maker(
            [](frmMain& main) { return new frmPreferences(main.Tray(), main.Colours()); });
        QTest::newRow("notice") << Maker(
            [](frmMain&) { return new frmNotice(u"Day 15"_s, u"Good moon"_s, u"Show"_s); });
        QTest::newRow("set date and time") << Maker([](frmMain&) { return new frmDateTime; });
        QTest::newRow("item stats") << Maker([](frmMain&) {
            auto* stats = new frmStats;
            stats->ChooseItem(1);
            return stats;
        });
        QTest::newRow("upcoming days") << Maker([](frmMain&) { return new frmUpcomingDays; });
        QTest::newRow("about") << Maker([](frmMain&) { return new frmAbout; });
        QTest::newRow("compact clock") << Maker([](frmMain&) { return new frmCompactClock; });
        QTest::newRow("find items") << Maker([](frmMain&) {
            auto* find = new frmFindItems(false);
            find->AddStatColumn(gStatTable.StatID(1));
            find->AddCondition();
            return find;
        });
        const ItemCatalogue catalogue(gItemTable, gStatTable);
        QTest::newRow("my stats") << Maker([=](frmMain&) { return new frmMyStats(catalogue, {}, u"Mira"_s); });
        QTest::newRow("compare") << Maker([=](frmMain&) { return new frmCompare(catalogue, {0, 1, 2}); });
    }

    // The clocks, the character's boxes and the countdowns: named by their captions for good, their values read as
    // their text (Tab reaches them: see windows), and no news to a screen reader as they tick.
    void valueDisplays_data()
    {
        QTest::addColumn<int>("window"); // the main window, Next Good Moon, the compact clock
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("real time") << 0 << u"lblRealTime"_s << u"Real Time"_s;
        QTest::newRow("game date") << 0 << u"lblKelvaraDate"_s << u"Kelvara Date"_s;
        QTest::newRow("character") << 0 << u"lblName"_s << u"Name"_s;
        QTest::newRow("wait") << 1 << u"lblNextGoodMoon"_s << u"Next Good Moon in"_s;
        QTest::newRow("moment") << 1 << u"lblNextGoodMoonDay"_s << u"Good moon begins"_s;
        QTest::newRow("compact time") << 2 << u"lblGameTime"_s << u"Kelvara Time"_s;
        QTest::newRow("compact wait") << 2 << u"lblGoodMoonWait"_s << u"Next Good Moon"_s;
    }

    void valueDisplays()
    {
        QFETCH(int, window);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        SystemClock::SetSource([this] { return mNow = mNow.addSecs(61); }); // each tick a minute on
        frmMain main;
        frmNextGoodMoon moon;
        frmCompactClock compact;
        main.show();
        ShowValue(main.findChild<QLabel*>(u"lblName"_s), u"Mira of the Vale"_s);
        auto* label = (std::array<QWidget*, 3>{&main, &moon, &compact})[size_t(window)]->findChild<QLabel*>(name);
        for (int tick = 0; tick < 3; ++tick)
            main.tmrMain_Timer(), moon.tmrNextGoodMoon_Timer(), compact.Update();
        SystemClock::SetSource({});
        QAccessibleInterface* display = QAccessible::queryAccessibleInterface(label);
        QAccessibleTextInterface* text = display->textInterface();
        QVERIFY(text && display->state().focusable);
        // Neither told again as a description nor laid out as a document of its own: each change would be news.
        const QObjectList parts = label->children();
        QVERIFY(display->text(QAccessible::Description).isEmpty()
                && std::none_of(parts.cbegin(), parts.cend(),
                                [](QObject* o) { return o->inherits("QWidgetTextControl"); }));
        int start = 0, end = 0;
        QCOMPARE(text->textAtOffset(0, QAccessible::LineBoundary, &start, &end), label->text());
        QCOMPARE(display->text(QAccessible::Name), caption);
        QCOMPARE(text->text(0, text->characterCount()), label->text());
        const QRect first = text->characterRect(0), second = text->characterRect(1);
        QVERIFY(QRect(label->mapToGlobal(QPoint()), label->size()).contains(first | second));
        QVERIFY(second.left() >= first.right() && text->offsetAtPoint(second.center()) == 1);
    }

    void windows()
    {
        QFETCH(Maker, make);
        frmMain main;
        QPointer<QWidget> window = make(main);
        const QStringList faults = AccessibilityFaults(window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
        if (window != &main)
            delete window;
    }

    // Item Stats' list of found names is reached from its box, and names each item found.
    void foundNames()
    {
        frmStats stats;
        stats.show();
        QVERIFY(QTest::qWaitForWindowActive(&stats));
        QTest::keyClicks(stats.findChild<QComboBox*>()->lineEdit(), gItemTable.Item(1).left(3));
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(stats.findChild<QComboBox*>());
        QAccessibleInterface* list = box->child(box->childCount() - 1);
        QCOMPARE(list->text(QAccessible::Name), u"Items found"_s);
        QCOMPARE(list->child(0)->text(QAccessible::Name), stats.Finder()->Listed().value(0));
        QVERIFY(!list->state().invisible);
    }
};

QTEST_MAIN(TstAccessibility)
#include "tst_accessibility.moc"
