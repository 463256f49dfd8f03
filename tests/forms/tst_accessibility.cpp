#include "common/accessibility.h"
#include "common/testfolder.h"
#include "db/itemcatalogue.h"
#include "db/moddb.h"
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
