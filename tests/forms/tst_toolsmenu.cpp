// The commands of the Tools menu: the Next Good Moon window, Next Specified Day, the Item Stats window and
// the rank experience chart in the message window. The forecast and the lines they show are tested on their
// own in tst_forecast and tst_rankchart.
#include "clock/systemclock.h"
#include "core/kelvaraerror.h"
#include "db/fixtures.h"
#include "db/moddb.h"
#include "db/rankchart.h"
#include "forms/dialogs.h"
#include "forms/formkit.h"
#include "forms/frmmain.h"
#include "forms/frmmsgbox.h"
#include "forms/frmnextgoodmoon.h"
#include "forms/frmstats.h"
#include "forms/globals.h"
#include "forms/guard.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace fixtures;

namespace {

// Items with and without a material, one with no rows, one with mod 1 rows only, two names that differ
// only in letter case, one whose ID is -1, a stat the stat table lacks, a mod number the window never
// shows, and the 32-bit extremes.
std::vector<jet::Table> Game()
{
    std::vector<std::vector<V>> minStats{{Num(10), Num(1), Num(20)}, {Num(13), Num(4), Num(30)},
                                         {Num(10), Num(2), Num(15)}, {Num(13), Num(99), Num(5)},
                                         {Num(14), Num(2), Num(0)},  {Num(-1), Num(1), Num(1)}};
    // Stat 2 is held twice: its lines take the name at the later position.
    return {Stats({{Num(1), Txt("Strength")},
                   {Num(2), Txt("Dexterity")},
                   {Num(3), Txt("Lightning Resistance")},
                   {Num(4), Txt("Intelligence")},
                   {Num(2), Txt("Agility")}}),
            Materials({{Num(1), Txt("Iron")}, {Num(2), Txt("")}}),
            Items({{Num(10), Num(1), Txt("Sword")},
                   {Num(11), Null, Txt("Plain Ring")},
                   {Num(12), Null, Txt("Charm")},
                   {Num(13), Null, Txt("iron sword")},
                   {Num(14), Num(2), Txt("Cloak")},
                   {Num(15), Null, Txt("Crown")},
                   {Num(-1), Null, Txt("Amulet")}}),
            MinStats(minStats),
            Mods({{Num(10), Num(1), Num(0), Num(2)},
                  {Num(10), Num(3), Num(1), Num(-4)},
                  {Num(10), Num(2), Num(2), Num(9)},
                  {Num(12), Num(2), Num(1), Num(3)},
                  {Num(12), Num(1), Num(1), Num(-1)},
                  {Num(13), Num(1), Num(0), Num(7)},
                  {Num(13), Num(3), Num(1), Num(2147483647)},
                  {Num(13), Num(2), Num(1), Num(-2147483648LL)},
                  {Num(14), Num(4), Num(3), Num(1)}}),
            {QStringLiteral("tblRank"), {Col("RankID"), Col("Rank", ColumnType::Text), Col("Experience")}, {}}};
}

const QStringList NoLines{"", "", ""};
const QString CharmMod1 = QStringLiteral("Dexterity     3 |Strength     -1 ");

// The texts of a window's labels or lists (each list's lines joined by "|"), by name.
QStringList Texts(QWidget* window, std::initializer_list<const char*> names)
{
    QStringList texts;
    for (const char* name : names) {
        if (auto* label = window->findChild<QLabel*>(QLatin1String(name))) {
            texts << label->text();
        } else if (auto* list = window->findChild<QListWidget*>(QLatin1String(name))) {
            QStringList lines;
            for (int row = 0; row < list->count(); ++row)
                lines << list->item(row)->text();
            texts << lines.join(QLatin1Char('|'));
        }
    }
    return texts;
}

QStringList Lines(QWidget* stats)
{
    return Texts(stats, {"lstMinReq", "lstMod0", "lstMod1"});
}

QStringList Labels(QWidget* goodMoon)
{
    return Texts(goodMoon, {"lblNextGoodMoon", "lblNextGoodMoonDay"});
}

QComboBox* Box(QWidget* window)
{
    return window->findChild<QComboBox*>(QStringLiteral("cboItem"));
}

// Chooses an entry the way the player does: opens the list and clicks it.
void Choose(QWidget* window, const QString& entry)
{
    QComboBox* box = Box(window);
    const int row = box->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(row >= 0, qPrintable(entry));
    box->showPopup();
    QAbstractItemView* view = box->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex index = view->model()->index(row, box->modelColumn());
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QTRY_VERIFY(!view->isVisible());
}

// The Next Good Moon and Item Stats windows: the open ones, or all that are still loaded once the closed
// ones have gone.
QList<QWidget*> Windows(bool loaded = false)
{
    if (loaded)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if ((qobject_cast<frmStats*>(widget) || qobject_cast<frmNextGoodMoon*>(widget))
            && (loaded || widget->isVisible()))
            windows << widget;
    }
    return windows;
}

// What such a window shows: its labels, lists and chosen entry.
QString Shown(QWidget* window)
{
    const QStringList texts = Texts(window,
                                    {"lblNextGoodMoon", "lblNextGoodMoonDay", "lstMinReq", "lstMod0", "lstMod1"});
    return texts.join(QString()) + (Box(window) ? Box(window)->currentText() : QString());
}

// Chooses the rank chart command; while its modal window is open, `look` sees it and closes it. Returns how
// many modal windows were shown.
int RunChart(frmMain& main, const std::function<void(QDialog*)>& look)
{
    int shown = 0;
    QObject scope; // the watch goes with this call: when no window opens, it never runs late
    QTimer::singleShot(0, &scope, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++shown;
            look(dialog);
            if (dialog->isVisible())
                dialog->reject();
        }
    });
    main.findChild<QAction*>(QStringLiteral("mnuRankExperienceChart"))->trigger();
    return shown;
}

} // namespace

class TstToolsMenu : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFolder> mFolder;
    QDateTime mNow;
    QStringList mMessages;
    QStringList mPrompts;

    void UseSampleDatabase()
    {
        mFolder.reset(); // before the next one points the program folder elsewhere
        mFolder = std::make_unique<GameFolder>(std::vector<jet::Table>{});
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), mFolder->Database()));
        gStatTable = LoadStatTable(mFolder->Database());
        gItemTable = LoadItemTable(mFolder->Database());
    }

private slots:
    void initTestCase()
    {
        SystemClock::SetSource([this] { return mNow; });
        Dialogs::SetMessageHook([this](const QString& text) { mMessages << text; });
    }

    void init()
    {
        mNow = QDateTime(QDate(2026, 6, 15), QTime(14, 30, 0));
        gCalibration = ClockCalibration::FromTexts(u"14:30:00"_qs, u"06/15/2026"_qs, u"10:20:30"_qs, u"03/10/0005"_qs);
        mMessages.clear();
        mPrompts.clear();
        ErrorBoundary::ResetForTesting();
        mFolder = std::make_unique<GameFolder>(Game());
        gStatTable = LoadStatTable(mFolder->Database());
        gItemTable = LoadItemTable(mFolder->Database());
    }

    void cleanup()
    {
        mFolder.reset();
        QCOMPARE(Windows(true).size(), 0);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!ErrorBoundary::Ending());
    }

    void cleanupTestCase()
    {
        SystemClock::SetSource({});
        Dialogs::SetMessageHook({});
        Dialogs::SetInputHook({});
    }

    // Next Good Moon: the labels are empty for the first second, then the window's own timer fills them;
    // every tick starts from the calibration of the main window's latest tick.
    void goodMoonFollowsTheMainWindow()
    {
        frmMain main;
        frmNextGoodMoon window;
        window.show();
        QTest::qWait(500);
        QCOMPARE(Labels(&window), (QStringList{"", ""}));
        QTRY_COMPARE_WITH_TIMEOUT(Labels(&window), (QStringList{"6 HOURS  5 MINUTES  31 SECONDS", "TODAY AT 8:35 PM"}),
                                  3000);
        QCOMPARE(window.windowTitle(), QStringLiteral("Next Good Moon"));
        mNow = mNow.addSecs(3610); // 18 game hours 3 minutes later
        main.tmrMain_Timer();
        window.tmrNextGoodMoon_Timer();
        QCOMPARE(Labels(&window), (QStringList{"5 HOURS  5 MINUTES  21 SECONDS", "TODAY AT 8:35 PM"}));
    }

    // Next Good Moon and Item Stats: the menu shows one window at most, without an owner; an open one comes
    // to the front as it was. Closed, it stops and goes; opened again, even before the closed one is gone,
    // it starts afresh.
    void oneWindowAtMost_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("Next Good Moon") << "mnuNextGoodMoon";
        QTest::newRow("Item Stats") << "mnuItemStats";
    }

    void oneWindowAtMost()
    {
        QFETCH(QString, entry);
        frmMain main;
        QAction* action = main.findChild<QAction*>(entry);
        action->trigger();
        QCOMPARE(Windows().size(), 1);
        QPointer<QWidget> first = Windows().first();
        QVERIFY(!first->parentWidget() && !first->isModal());
        if (auto* goodMoon = qobject_cast<frmNextGoodMoon*>(first))
            goodMoon->tmrNextGoodMoon_Timer();
        else
            Choose(first, QStringLiteral("Charm"));
        const QString shown = Shown(first);
        QVERIFY(!shown.isEmpty());
        action->trigger();
        QCOMPARE(Windows(true).size(), 1);
        QCOMPARE(Windows(), QList<QWidget*>{first});
        QCOMPARE(Shown(first), shown);

        QPointer<QTimer> timer = first->findChild<QTimer*>();
        if (auto* close = first->findChild<QPushButton*>(QStringLiteral("cmdClose")))
            QTest::mouseClick(close, Qt::LeftButton);
        else
            first->close();
        QVERIFY(Windows().isEmpty());
        QVERIFY(!timer || !timer->isActive());
        action->trigger();
        QCOMPARE(Windows(true).size(), 1);
        QVERIFY(!first);
        QCOMPARE(Shown(Windows().first()), QString());
        Windows().first()->close();
    }

    // Next Specified Day asks through the input box; an answer out of range is told so, 0 ends silently.
    // The main window keeps ticking while the box is open, and the forecast is made from the latest tick.
    void nextDay()
    {
        frmMain main;
        QAction* entry = main.findChild<QAction*>(QStringLiteral("mnuNextDay"));
        QCOMPARE(entry->text(), QStringLiteral("Next &Specified Day"));
        for (const char* answer : {"29", "0", "15"}) {
            Dialogs::SetInputHook([&](const QString& prompt, const QString& title) {
                mPrompts << prompt + QLatin1Char('|') + title;
                mNow = mNow.addSecs(3600);
                main.tmrMain_Timer();
                return QLatin1String(answer);
            });
            entry->trigger();
        }
        QCOMPARE(mPrompts, QStringList(3, QStringLiteral("Enter day (1-28)|Kelvara Utility")));
        QCOMPARE(mMessages,
                 (QStringList{QStringLiteral("You need to enter a day between 1 and 28."),
                              QStringLiteral("Day 15 of the month will be in \r\n3 HOURS  5 MINUTES  31 "
                                             "SECONDS\r\nTODAY AT 8:35 PM")}));
    }

    void statsChoose_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("lines");
        // Item 13, added after item 10, wins for both spellings of its name.
        const QStringList item13{"Intelligence 30 |              5 ", "Strength      7 ",
                                 "Ligh 2147483647t|Dext-2147483648 "};
        QTest::newRow("Iron Sword: the later one") << "Iron Sword" << item13;
        QTest::newRow("iron sword") << "iron sword" << item13;
        QTest::newRow("no rows") << "Plain Ring" << NoLines;
        QTest::newRow("mod 1 only") << "Charm" << QStringList{"", "", CharmMod1};
        QTest::newRow("mod 3 not shown") << "Cloak" << QStringList{"Dexterity     0 ", "", ""};
    }

    void statsChoose()
    {
        QFETCH(QString, entry);
        QFETCH(QStringList, lines);
        frmStats window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Choose(&window, entry);
        QCOMPARE(Box(&window)->currentText(), entry);
        QCOMPARE(Lines(&window), lines);
    }

    // Typing alone changes nothing, also when the typed text names an item and the player presses Enter or
    // leaves the box; a chosen text that names no item empties the lists.
    void statsKeyboard()
    {
        frmStats window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QComboBox* box = Box(&window);
        Choose(&window, QStringLiteral("Cloak"));
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("Plain Ring"));
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        window.findChild<QListWidget*>(QStringLiteral("lstMod0"))->setFocus();
        QCOMPARE(box->currentText(), QStringLiteral("Plain Ring"));
        QCOMPARE(Lines(&window), (QStringList{"Dexterity     0 ", "", ""}));
        QStringList entries; // in name order; nothing typed is added
        for (int row = 0; row < box->count(); ++row)
            entries << box->itemText(row);
        QCOMPARE(entries, (QStringList{"Amulet", "Charm", "Cloak", "Crown", "Iron Sword", "iron sword", "Plain Ring"}));

        for (const QString& text : {QStringLiteral("Dragon Scale"), QStringLiteral("Cloak ")}) {
            Choose(&window, QStringLiteral("Cloak"));
            box->setEditText(text);
            window.cboItem_Click();
            QCOMPARE(Lines(&window), NoLines);
        }
    }

    // Closing the main window closes its item stats and good moon windows first, then saves the
    // calibration: a save that fails finds them closed all the same.
    void mainWindowClosesThem()
    {
        frmMain main;
        main.findChild<QAction*>(QStringLiteral("mnuItemStats"))->trigger();
        main.findChild<QAction*>(QStringLiteral("mnuNextGoodMoon"))->trigger();
        QCOMPARE(Windows(true).size(), 2);
        SetProgramFolder(mFolder->Path() + QStringLiteral("/gone"));
        QVERIFY_THROWS_EXCEPTION(KelvaraError, main.Form_Unload());
        QVERIFY(Windows().isEmpty());
        QCOMPARE(Windows(true).size(), 0);
    }

    // The rank chart from the sample database, in a message window built for each showing, closed by OK.
    void chartFromSampleDatabase()
    {
        UseSampleDatabase();
        const QString expected = RankChartText(*OpenGameDatabase(mFolder->Database()), QLocale::system());
        QCOMPARE(expected.count(QStringLiteral("\r\n")), 20); // 20 ranks
        frmMain main;
        QList<QPointer<QDialog>> windows;
        for (int showing = 0; showing < 2; ++showing) {
            QCOMPARE(RunChart(main,
                              [&](QDialog* dialog) {
                                  windows << dialog;
                                  QCOMPARE(dialog->windowTitle(), QStringLiteral("Kelvara"));
                                  QCOMPARE(Texts(dialog, {"lblMessage"}), QStringList{expected});
                                  QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                                                    Qt::LeftButton);
                                  QVERIFY(!dialog->isVisible() && dialog->result() == QDialog::Accepted);
                              }),
                     1);
        }
        QCOMPARE(windows.size(), 2);
        QVERIFY(!windows[0] && !windows[1]);
        QCOMPARE(mMessages, QStringList());
    }

    // A chart that cannot be read is reported and not shown; the program goes on, and once the database
    // is right the chart shows, an empty one too.
    void chartFailure()
    {
        jet::WriteDatabase(mFolder->Database(), {Stats({{Num(1), Txt("Strength")}})});
        frmMain main;
        QCOMPARE(RunChart(main, [](QDialog*) {}), 0);
        QCOMPARE(mMessages.size(), 1);
        QVERIFY2(mMessages[0].startsWith(QStringLiteral("The rank experience chart could not be read."))
                     && mMessages[0].contains(QStringLiteral("tblRank")),
                 qPrintable(mMessages[0]));
        QVERIFY(!ErrorBoundary::Ending());

        jet::WriteDatabase(mFolder->Database(), Game());
        QString text = QStringLiteral("unset");
        QCOMPARE(RunChart(main, [&](QDialog* dialog) { text = Texts(dialog, {"lblMessage"}).value(0); }), 1);
        QCOMPARE(text, QString());
        QCOMPARE(mMessages.size(), 1);
    }
};

QTEST_MAIN(TstToolsMenu)
#include "tst_toolsmenu.moc"
