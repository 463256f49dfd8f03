// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/systemclock.h"
#include "db/fixtures.h"
#include "db/moddb.h"
#include "db/rankchart.h"
#include "forms/dialogs.h"
#include "forms/frmmain.h"
#include "forms/frmnextgoodmoon.h"
#include "forms/frmstats.h"
#include "running/globals.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

using namespace fixtures;

namespace {

// The texts of a window's labels and lists (a list's lines joined by "|").
QStringList Shown(QWidget* window,
                  std::initializer_list<const char*> names = {"lblNextGoodMoon", "lblNextGoodMoonDay", "lstMinReq",
                                                              "lstMod0", "lstMod1"})
{
    QStringList texts;
    for (const char* name : names)
        if (auto* label = window->findChild<QLabel*>(QLatin1String(name)))
            texts << label->text();
        else if (auto* list = window->findChild<QListWidget*>(QLatin1String(name))) {
            texts << QString();
            for (int row = 0; row < list->count(); ++row)
                texts.last() += (row ? u"|"_s : QString()) + list->item(row)->text();
        }
    return texts;
}

void Choose(QWidget* window, const QString& entry)
{
    auto* box = window->findChild<QComboBox*>(u"cboItem"_s);
    const int row = box->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(row >= 0, qPrintable(entry)); // every item is in the box
    box->setCurrentIndex(row);
    emit box->activated(box->currentIndex());
}

QList<QWidget*> Windows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QWidget*> windows = QApplication::topLevelWidgets();
    windows.removeIf([](QWidget* w) { return !w->inherits("frmStats") && !w->inherits("frmNextGoodMoon"); });
    return windows;
}

// The tray icon's menu: the one menu that is not the main window's.
QMenu* TrayMenu(const frmMain& main)
{
    const QList<QMenu*> own = main.findChildren<QMenu*>();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* menu = qobject_cast<QMenu*>(top); menu && !own.contains(menu))
            return menu;
    return nullptr;
}

} // namespace

class TstToolsMenu : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFolder> mFolder;
    QDateTime mNow;
    QStringList mMessages;

private slots:
    void initTestCase()
    {
        SystemClock::SetSource([this] { return mNow; });
        Dialogs::SetMessageHook([this](const QString& text) { mMessages << text; });
        mNow = QDateTime(QDate(2026, 6, 15), QTime(14, 30, 0));
        gCalibration = ClockCalibration::FromTexts(u"14:30:00"_s, u"06/15/2026"_s, u"10:20:30"_s, u"03/10/0005"_s);
        mFolder = std::make_unique<GameFolder>(std::vector<jet::Table>{
            Stats({{Num(1), Txt("Strength")}, {Num(2), Txt("Dexterity")}}), Materials({{Num(1), Txt("Iron")}}),
            Items({{Num(10), Num(1), Txt("Sword")}, {Num(11), Null, Txt("Ring")}, {Num(-1), Null, Txt("Amulet")}}),
            MinStats({{Num(10), Num(1), Num(20)}, {Num(-1), Num(2), Num(5)}}),
            Mods({{Num(10), Num(1), Num(0), Num(2)},
                  {Num(10), Num(2), Num(1), Num(-4)},
                  {Num(-1), Num(1), Num(1), Num(3)}})});
        gStatTable = LoadStatTable(mFolder->Database());
        gItemTable = LoadItemTable(mFolder->Database());
    }

    // One window at most, unowned, shown again as it was; closed, it goes; opened again, it starts afresh.
    void oneWindowAtMost()
    {
        frmMain main;
        for (const char* name : {"mnuNextGoodMoon", "mnuItemStats"}) {
            QAction* action = main.findChild<QAction*>(QLatin1String(name));
            action->trigger();
            QPointer<QWidget> first = Windows().value(0);
            QVERIFY(first && first->isVisible() && !first->parentWidget());
            const QStringList fresh = Shown(first);
            if (qobject_cast<frmStats*>(first)) { // the chosen item's minimum stats, mod 0 and mod 1
                Choose(first, u"Iron Sword"_s);
                QCOMPARE(Shown(first), (QStringList{"Strength     20 ", "Strength      2 ", "Dexterity    -4 "}));
                Choose(first, u"Ring"_s);
                QCOMPARE(Shown(first), fresh);
                Choose(first, u"Amulet"_s);
                QCOMPARE(Shown(first), (QStringList{"Dexterity     5 ", "", "Strength      3 "}));
                first->findChild<QComboBox*>(u"cboItem"_s)->setEditText(u"Amulet "_s); // names no item
                static_cast<frmStats*>(first.data())->cboItem_Click();
                QCOMPARE(Shown(first), fresh);
                Choose(first, u"Amulet"_s);
            }
            QTRY_VERIFY_WITH_TIMEOUT(Shown(first) != fresh, 3000); // the good moon window's own timer
            const QStringList shown = Shown(first);
            action->trigger();
            QCOMPARE(Windows(), QList<QWidget*>{first});
            QCOMPARE(Shown(first), shown);
            first->close();
            action->trigger(); // before the closed one is gone
            QCOMPARE(Windows().size(), 1);
            QVERIFY(!first);
            QCOMPARE(Shown(Windows().first()), fresh);
            Windows().first()->close();
        }
        // The tray menu's entry opens Next Good Moon too.
        TrayMenu(main)->actions().at(1)->trigger();
        QCOMPARE(Windows().size(), 1);
        QVERIFY(Windows().first()->inherits("frmNextGoodMoon"));
        Windows().first()->close();
    }

    // Next Good Moon and Next Specified Day follow the main window's tick; the rank chart or its failure.
    void mainWindowCommands()
    {
        frmMain main;
        frmNextGoodMoon window;
        window.tmrNextGoodMoon_Timer();
        QCOMPARE(Shown(&window), (QStringList{"6 HOURS  5 MINUTES  31 SECONDS", "TODAY AT 8:35 PM"}));
        mNow = mNow.addSecs(3610); // 18 game hours 3 minutes later
        main.tmrMain_Timer();
        window.tmrNextGoodMoon_Timer();
        QCOMPARE(Shown(&window), (QStringList{"5 HOURS  5 MINUTES  21 SECONDS", "TODAY AT 8:35 PM"}));

        for (const char* answer : {"29", "0", "15"}) {
            Dialogs::SetInputHook([&](const QString& prompt, const QString& title) {
                mMessages << prompt + u'|' + title;
                mNow = mNow.addSecs(3600);
                main.tmrMain_Timer();
                return QLatin1String(answer);
            });
            main.findChild<QAction*>(u"mnuNextDay"_s)->trigger();
        }
        const QString prompt = u"Enter day (1-28)|Kelvara Utility"_s;
        QCOMPARE(mMessages,
                 (QStringList{prompt, u"You need to enter a day between 1 and 28."_s, prompt, prompt,
                              u"Day 15 of the month will be in \r\n2 HOURS  5 MINUTES  21 SECONDS\r\n"
                              u"TODAY AT 8:35 PM"_s}));

        mMessages.clear();
        QAction* entry = main.findChild<QAction*>(u"mnuRankExperienceChart"_s);
        entry->trigger();
        QCOMPARE(mMessages.size(), 1);
        QVERIFY(mMessages[0].startsWith(u"The rank experience chart could not be read."_s)
                && mMessages[0].contains(u"tblRank"_s));
        QVERIFY(QFile::remove(mFolder->Database())
                && QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), mFolder->Database()));
        QString shown;
        QTimer::singleShot(0, this, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            shown = Shown(dialog, {"lblMessage"}).value(0);
            QTest::mouseClick(dialog->findChild<QPushButton*>(u"cmdOK"_s), Qt::LeftButton);
        });
        entry->trigger();
        QCOMPARE(shown, RankChartText(*OpenGameDatabase(mFolder->Database()), QLocale::system()));
    }
};

QTEST_MAIN(TstToolsMenu)
#include "tst_toolsmenu.moc"
