// SPDX-License-Identifier: GPL-3.0-or-later
// The game data while the program runs: the tables follow the database file, Item Stats finds items as the player
// types and keeps its item across a reload, and Help > About tells what a bug report needs.
#include "common/errorof.h"
#include "common/faultkit.h"
#include "common/filebytes.h"
#include "db/fixtures.h"
#include "db/moddb.h"
#include "forms/aboutfacts.h"
#include "forms/frmmain.h"
#include "forms/frmnotice.h"
#include "forms/frmstats.h"
#include "forms/itemfinder.h"
#include "running/gamedatawatcher.h"
#include "running/globals.h"

#include <QtTest>
#include <QtWidgets>

#include <filesystem>

using namespace Qt::StringLiterals;

using namespace fixtures;

namespace {

// Items with IDs from 1 in the order given, each needing Strength of `strength` times its ID; two ranks.
std::vector<jet::Table> Game(const QStringList& items, int strength = 10)
{
    Rows itemRows, minRows;
    for (qint64 id = 1; id <= items.size(); ++id) {
        itemRows.push_back({id, Null, items[id - 1]});
        minRows.push_back({id, Num(1), id * strength});
    }
    return {Stats({{Num(1), Txt("Strength")}}),
            Materials({{Num(1), Txt("Iron")}}),
            Items(itemRows),
            MinStats(minRows),
            Mods({}),
            Table("tblRank", {"RankID", "Rank:text", "Experience"},
                  {{Num(1), Txt("Squire"), Num(0)}, {Num(2), Txt("Knight"), Num(900)}})};
}

// The box's text, its entries, and the three lists (lines joined by "|").
QStringList Shown(QWidget* window)
{
    auto* box = window->findChild<QComboBox*>(u"cboItem"_s);
    QStringList shown{box->currentText(), {}};
    for (int row = 0; row < box->count(); ++row)
        shown[1] += (row ? u"|"_s : QString()) + box->itemText(row);
    for (const char* name : {"lstMinReq", "lstMod0", "lstMod1"}) {
        auto* list = window->findChild<QListWidget*>(QLatin1String(name));
        shown << QString();
        for (int row = 0; row < list->count(); ++row)
            shown.last() += (row ? u"|"_s : QString()) + list->item(row)->text();
    }
    return shown;
}

// Keys go where the desktop sends them: to the open list, else to the box.
void Keys(QWidget* box, const QString& text, std::initializer_list<Qt::Key> keys = {})
{
    const auto target = [box] { return QApplication::activePopupWidget() ? QApplication::activePopupWidget() : box; };
    for (QChar c : text)
        QTest::keyClick(target(), c.toLatin1());
    for (Qt::Key key : keys)
        QTest::keyClick(target(), key);
}

} // namespace

class TstGameData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Replaced in place by a burst of writes, then by a damaged file, then by a rename into the folder: one reload
    // each, the player told once; the open Item Stats window keeps its item while it exists.
    void followsTheGame()
    {
        GameFolder folder(Game({u"Iron Sword"_s, u"Ring"_s, u"Amulet"_s}));
        gStatTable = LoadStatTable(folder.Database());
        gItemTable = LoadItemTable(folder.Database());
        QWidget main;
        auto* watcher = new GameDataWatcher(folder.Database(), 400, &main);
        ShowGameDataNotices(watcher, &main);
        QSignalSpy told(watcher, &GameDataWatcher::Reloaded);
        frmStats stats;
        auto* box = stats.findChild<QComboBox*>(u"cboItem"_s);
        box->setCurrentIndex(1);
        emit box->activated(1);
        QCOMPARE(Shown(&stats), (QStringList{"Iron Sword", "Amulet|Iron Sword|Ring", "Strength     10 ", "", ""}));

        std::vector<QByteArray> burst;
        for (int i = 1; i <= 4; ++i)
            burst.push_back(jet::BuildDatabase(Game({u"Ring"_s, u"Dagger"_s, u"Iron Sword"_s}, 10 * i)));
        for (const QByteArray& bytes : burst) {
            QVERIFY(PutFile(folder.Database(), bytes));
            QVERIFY(PutFile(folder.Path() + u"/OXLTIMES.DAT"_s, "other files change too"));
            QTest::qWait(20);
        }
        QVERIFY(told.wait(3000));
        QVERIFY(!told.wait(1000));
        QCOMPARE(told.takeFirst(), (QVariantList{true, u"The game database changed: 3 items loaded."_s}));
        QCOMPARE(Shown(&stats), (QStringList{"Iron Sword", "Dagger|Iron Sword|Ring", "Strength    120 ", "", ""}));

        // A damaged file, one whose stats load but items do not, none for a moment: the tables stay, the player is
        // told why.
        const QByteArray damaged = FileBytes(
            QDir::cleanPath(QStringLiteral(KELVARA_TEST_DATA "/../../db/data/fuzz/catalog-nan-type.mdb")));
        QVERIFY(!damaged.isEmpty());
        for (const QByteArray& bytes :
             {damaged, jet::BuildDatabase({Stats({{Num(1), Txt("Agility")}})}), QByteArray()}) {
            QVERIFY(bytes.isEmpty() ? QFile::remove(folder.Database()) : PutFile(folder.Database(), bytes));
            QVERIFY(told.wait(3000));
            const QString reason = ErrorOf([&] { LoadStatTable(folder.Database()), LoadItemTable(folder.Database()); });
            QCOMPARE(told.takeFirst(), (QVariantList{false, GameDataWatcher::FailedText(reason)}));
            QCOMPARE(gStatTable.Stat(1) + QString::number(gItemTable.NumItems()), u"Strength3"_s);
            QCOMPARE(Shown(&stats), (QStringList{"Iron Sword", "Dagger|Iron Sword|Ring", "Strength    120 ", "", ""}));
        }
        // Renamed into the folder where the file is missing, then over it while another program holds it open, then
        // written in place: the chosen item gone empties the window.
        QFile held(folder.Database());
        const std::pair<QStringList, QString> patches[] = {{{"Ring", "Dagger"}, "Dagger|Ring"},
                                                           {{"Ring", "Dagger", "Mace"}, "Dagger|Mace|Ring"},
                                                           {{"Mace", "Ring", "Axe"}, "Axe|Mace|Ring"}};
        for (const auto& [items, entries] : patches) {
            if (&items == &patches[2].first) {
                QVERIFY(PutFile(folder.Database(), jet::BuildDatabase(Game(items))));
            } else {
                jet::WriteDatabase(folder.Path() + u"/patch.tmp"_s, Game(items));
                std::error_code renamed;
                std::filesystem::rename((folder.Path() + u"/patch.tmp"_s).toStdU16String(),
                                        folder.Database().toStdU16String(), renamed);
                // Windows keeps a file another program holds open: nothing changes then.
                QCOMPARE(bool(renamed), held.isOpen() && faultkit::HeldFilesStay);
                if (renamed)
                    continue;
            }
            QVERIFY(held.isOpen() || held.open(QIODevice::ReadOnly));
            QVERIFY(told.wait(3000));
            QCOMPARE(told.takeFirst().value(0), true);
            QCOMPARE(Shown(&stats), (QStringList{"", entries, "", "", ""}));
        }
        QList<QWidget*> notices = main.findChildren<QWidget*>(u"frmGameDataNotice"_s);
        notices.removeIf([](QWidget* w) { return !w->isVisible(); });
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices[0]->findChild<QLabel*>(u"lblBody"_s)->text(), GameDataWatcher::LoadedText(3));
        QCOMPARE(GameDataWatcher::LoadedText(20412), u"The game database changed: 20,412 items loaded."_s);
    }

    // The list of found names follows each key; Up, Down and Enter choose; Enter alone, also on a whole name, and
    // Escape choose nothing.
    void findAsYouType()
    {
        GameFolder folder(Game({u"Iron Sword"_s, u"Sword of Dawn"_s, u"Ring"_s, u"Broadsword"_s}));
        gStatTable = LoadStatTable(folder.Database());
        gItemTable = LoadItemTable(folder.Database());
        frmStats stats;
        stats.show();
        QVERIFY(QTest::qWaitForWindowActive(&stats));
        QLineEdit* edit = stats.findChild<QComboBox*>(u"cboItem"_s)->lineEdit();
        auto chosen = [&] { return QStringList{Shown(&stats)[0], Shown(&stats)[2]}; }; // the text and lstMinReq
        Keys(edit, u"sw"_s);
        QCOMPARE(stats.Finder()->Listed(), (QStringList{"Sword of Dawn", "Broadsword", "Iron Sword"}));
        Keys(edit, u"o"_s, {Qt::Key_Return});
        QCOMPARE(stats.Finder()->Listed(), QStringList());
        QCOMPARE(chosen(), (QStringList{"swo", ""}));
        edit->clear();
        Keys(edit, u"sword"_s, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(chosen(), (QStringList{"Broadsword", "Strength     40 "}));
        edit->clear();
        Keys(edit, u"Ring"_s);
        QCOMPARE(stats.Finder()->Listed(), QStringList{"Ring"});
        Keys(edit, {}, {Qt::Key_Return});
        QCOMPARE(chosen(), (QStringList{"Ring", "Strength     40 "}));
        edit->clear();
        Keys(edit, u"o"_s);
        QCOMPARE(stats.Finder()->Listed().size(), 3);
        Keys(edit, {}, {Qt::Key_Escape});
        QCOMPARE(stats.Finder()->Listed(), QStringList());
        Keys(edit, u"rd"_s, {Qt::Key_Up, Qt::Key_Return});
        QCOMPARE(chosen(), (QStringList{"Sword of Dawn", "Strength     20 "}));
        // New tables while the player types: the text stays, the list and the chosen item's stats are the new ones;
        // the notice waits until the list is closed.
        edit->selectAll();
        Keys(edit, u"ri"_s);
        GameFolder patched(Game({u"Ring"_s, u"Brim"_s, u"Sword of Dawn"_s, u"Iron Sword"_s}));
        gItemTable = LoadItemTable(patched.Database());
        QWidget main;
        auto* watcher = new GameDataWatcher(patched.Database(), 400, &main);
        ShowGameDataNotices(watcher, &main);
        emit GameDataEvents::Instance().TablesReplaced();
        emit watcher->Reloaded(true, GameDataWatcher::LoadedText(4));
        QTest::qWait(300);
        QCOMPARE(stats.Finder()->Listed(), (QStringList{"Ring", "Brim"}));
        QCOMPARE(chosen(), (QStringList{"ri", "Strength     30 "}));
        Keys(edit, {}, {Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(chosen(), (QStringList{"Ring", "Strength     10 "}));
        QTRY_VERIFY(main.findChild<QWidget*>(u"frmGameDataNotice"_s)->isVisible());
        QVERIFY(main.findChild<QWidget*>(u"frmGameDataNotice"_s)->testAttribute(Qt::WA_ShowWithoutActivating));
    }

    // The facts of a readable database, of a missing one, of a folder in its place; the window copies what it shows.
    void about()
    {
        GameFolder folder(Game({u"Iron Sword"_s, u"Ring"_s, u"Amulet"_s}));
        const AboutFacts facts = GatherAboutFacts(folder.Path(), folder.Database(), u"settings.ini"_s);
        QCOMPARE((QList<AboutFacts::Count>{facts.Stats, facts.Items, facts.Ranks}),
                 (QList<AboutFacts::Count>{qint64(1), qint64(3), qint64(2)}));
        QCOMPARE(facts.DatabaseSize, QFileInfo(folder.Database()).size());
        const QString missing = folder.Path() + u"/none.mdb"_s;
        const AboutFacts none = GatherAboutFacts(folder.Path(), missing, u"settings.ini"_s);
        QVERIFY(!none.DatabaseSize && std::get<QString>(none.Ranks).contains(QDir::toNativeSeparators(missing)));
        QVERIFY(QDir(folder.Path()).mkdir(u"folder.mdb"_s)); // a folder is no database: no size shown
        QVERIFY(!GatherAboutFacts(folder.Path(), folder.Path() + u"/folder.mdb"_s, u"settings.ini"_s).DatabaseSize);
        const QString text = AboutText(AboutLines(facts, QLocale()));
        QVERIFY(text.contains(u"\nRanks: 2\n"_s)
                && text.contains(u"\nGame database: "_s + QDir::toNativeSeparators(folder.Database())));
        const QVersionNumber version(KELVARA_VERSION_MAJOR, KELVARA_VERSION_MINOR, KELVARA_VERSION_PATCH);
        QVERIFY(text.startsWith(u"Version: %1\nQt: %2\n"_s.arg(version.toString(), QLatin1String(qVersion()))));
        QVERIFY(text.contains(QRegularExpression(u"\nlibical: \\d+\\.\\d+\\.\\d+\nmdbtools: \\d+\\.\\d+\\.\\d+\n"_s)));
        QVERIFY(
            text.contains(QRegularExpression(u"\nModified: \\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\+0[12]:00\n"_s)));

        frmMain main;
        QString copied;
        QTimer::singleShot(0, this, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QTest::mouseClick(dialog->findChild<QPushButton*>(u"cmdCopy"_s), Qt::LeftButton);
            copied = QGuiApplication::clipboard()->text();
            dialog->close();
        });
        main.findChild<QAction*>(u"mnuAbout"_s)->trigger();
        QCOMPARE(copied,
                 AboutText(AboutLines(
                     GatherAboutFacts(ProgramFolder(), GameDatabasePath(), ProgramFolder() + u"kelvara-utility.ini"_s),
                     QLocale())));
    }
};

QTEST_MAIN(TstGameData)
#include "tst_gamedata.moc"
