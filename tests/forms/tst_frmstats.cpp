#include "clock/kelvaraerror.h"
#include "db/moddb.h"
#include "files/oxlfiles.h"
#include "forms/dialogs.h"
#include "forms/formkit.h"
#include "forms/frmmain.h"
#include "forms/frmstats.h"
#include "forms/globals.h"
#include "forms/guard.h"
#include "jet/jetwriter.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

using jet::ColumnType;

// Stats, items with and without a material, an item with no rows, one with mod 1
// rows only, two names that differ only in letter case, a stat the stat table
// lacks, a mod number the window never shows, and the 32-bit extremes.
constexpr qint64 CrownRows = 14;

std::vector<jet::Table> Fixture()
{
    jet::Table minStats{QStringLiteral("tblItemMinStatJunction"),
                        {{QStringLiteral("ItemID"), ColumnType::Long},
                         {QStringLiteral("StatID"), ColumnType::Long},
                         {QStringLiteral("MinStat"), ColumnType::Long}},
                        {{qint64(10), qint64(1), qint64(20)},
                         {qint64(13), qint64(4), qint64(30)},
                         {qint64(10), qint64(2), qint64(15)},
                         {qint64(13), qint64(99), qint64(5)},
                         {qint64(14), qint64(2), qint64(0)}}};
    // More requirements than the list shows at once.
    for (qint64 row = 1; row <= CrownRows; ++row)
        minStats.rows.push_back({qint64(15), qint64(3), row * 1000});
    return {
        {QStringLiteral("tblStat"),
         {{QStringLiteral("StatID"), ColumnType::Long}, {QStringLiteral("Stat"), ColumnType::Text}},
         {{qint64(1), QStringLiteral("Strength")},
          {qint64(2), QStringLiteral("Dexterity")},
          {qint64(3), QStringLiteral("Lightning Resistance")},
          {qint64(4), QStringLiteral("Intelligence")}}},
        {QStringLiteral("tblMaterial"),
         {{QStringLiteral("MaterialID"), ColumnType::Long}, {QStringLiteral("Material"), ColumnType::Text}},
         {{qint64(1), QStringLiteral("Iron")}, {qint64(2), QString()}}},
        {QStringLiteral("tblItem"),
         {{QStringLiteral("ItemID"), ColumnType::Long},
          {QStringLiteral("MaterialID"), ColumnType::Long},
          {QStringLiteral("Item"), ColumnType::Text}},
         {{qint64(10), qint64(1), QStringLiteral("Sword")},
          {qint64(11), std::monostate(), QStringLiteral("Plain Ring")},
          {qint64(12), std::monostate(), QStringLiteral("Charm")},
          {qint64(13), std::monostate(), QStringLiteral("iron sword")},
          {qint64(14), qint64(2), QStringLiteral("Cloak")},
          {qint64(15), std::monostate(), QStringLiteral("Crown")}}},
        minStats,
        {QStringLiteral("tblItemModStatJunction"),
         {{QStringLiteral("ItemID"), ColumnType::Long},
          {QStringLiteral("StatID"), ColumnType::Long},
          {QStringLiteral("ModNum"), ColumnType::Long},
          {QStringLiteral("Modification"), ColumnType::Long}},
         {{qint64(10), qint64(1), qint64(0), qint64(2)},
          {qint64(10), qint64(3), qint64(1), qint64(-4)},
          {qint64(10), qint64(2), qint64(2), qint64(9)},
          {qint64(12), qint64(2), qint64(1), qint64(3)},
          {qint64(12), qint64(1), qint64(1), qint64(-1)},
          {qint64(13), qint64(1), qint64(0), qint64(7)},
          {qint64(13), qint64(3), qint64(1), qint64(2147483647)},
          {qint64(13), qint64(2), qint64(1), qint64(-2147483648)},
          {qint64(14), qint64(4), qint64(3), qint64(1)}}},
    };
}

QStringList Lines(QWidget* window, const char* name)
{
    QStringList lines;
    auto* list = window->findChild<QListWidget*>(QLatin1String(name));
    if (!list)
        return {QStringLiteral("<no %1>").arg(QLatin1String(name))};
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

QStringList Entries(QComboBox* box)
{
    QStringList entries;
    for (int row = 0; row < box->count(); ++row)
        entries << box->itemText(row);
    return entries;
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
    const QPoint centre = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTRY_VERIFY(!view->isVisible());
}

QList<frmStats*> OpenWindows()
{
    QList<frmStats*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<frmStats*>(widget); window && window->isVisible())
            windows << window;
    }
    return windows;
}

int LoadedWindows()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<frmStats*>(widget) != nullptr;
    return count;
}

void Unload()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const QStringList NoLines;

} // namespace

class TstFrmStats : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    QStringList mMessages;

    void LoadFixture()
    {
        jet::WriteDatabase(mDir.filePath(QStringLiteral("Kelvara.mdb")), Fixture());
        gStatTable = LoadStatTable();
        gItemTable = LoadItemTable();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        Dialogs::SetMessageHook([this](const QString& text) { mMessages << text; });
    }

    void init()
    {
        SetProgramFolder(mDir.path());
        mMessages.clear();
        ErrorBoundary::ResetForTesting();
        LoadFixture();
    }

    void cleanup()
    {
        Unload();
        QCOMPARE(LoadedWindows(), 0);
        QCOMPARE(mMessages, QStringList());
        QVERIFY(!ErrorBoundary::Ending());
    }

    void cleanupTestCase()
    {
        Dialogs::SetMessageHook({});
        SetProgramFolder(QString());
        gStatTable = clsStat();
        gItemTable = clsItem();
    }

    void layout()
    {
        frmStats window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Item Stats"));
        QVERIFY(window.isWindow());
        QCOMPARE(window.minimumSize(), QSize(TwipsToPixels(5550), TwipsToPixels(3195)));
        QCOMPARE(window.maximumSize(), window.minimumSize());

        QComboBox* box = Box(&window);
        QVERIFY(box);
        QVERIFY(box->isEditable());
        QCOMPARE(box->geometry(), TwipsRect(1560, 120, 2535, 315));

        struct Heading
        {
            const char* name;
            QRect rect;
            const char* caption;
            Qt::Alignment align;
        };
        const Heading headings[] = {
            {"Label1", TwipsRect(120, 600, 1695, 255), "Minimum Requirements", Qt::AlignLeft},
            {"Label2", TwipsRect(2160, 600, 1215, 255), "Mod 0", Qt::AlignHCenter},
            {"Label3", TwipsRect(3960, 600, 1215, 255), "Mod 1", Qt::AlignHCenter},
        };
        for (const Heading& heading : headings) {
            auto* label = window.findChild<QLabel*>(QLatin1String(heading.name));
            QVERIFY2(label, heading.name);
            // A heading wider than its box may take room to its right, up to the next one.
            QCOMPARE(label->geometry().topLeft(), heading.rect.topLeft());
            QCOMPARE(label->height(), heading.rect.height());
            QVERIFY(label->width() >= heading.rect.width());
            QVERIFY(label->geometry().right() < TwipsToPixels(2160) || label->width() == heading.rect.width());
            QCOMPARE(label->text(), QLatin1String(heading.caption));
            QVERIFY(label->alignment() & heading.align);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), heading.name);
        }

        struct List
        {
            const char* name;
            QRect rect;
        };
        const List lists[] = {{"lstMinReq", TwipsRect(120, 840, 1695, 2160)},
                              {"lstMod0", TwipsRect(1920, 840, 1695, 2160)},
                              {"lstMod1", TwipsRect(3720, 840, 1695, 2160)}};
        for (const List& expected : lists) {
            auto* list = window.findChild<QListWidget*>(QLatin1String(expected.name));
            QVERIFY2(list, expected.name);
            QCOMPARE(list->geometry(), expected.rect);
            QVERIFY(!list->isSortingEnabled());
            QCOMPARE(list->font().family(), FixedFont().family());
            QCOMPARE(list->font().pointSizeF(), 8.25);
            QCOMPARE(list->font().weight(), QFont::Normal);
            QVERIFY(QFontInfo(list->font()).fixedPitch());
        }

        // The focus is on the box when the window opens; Tab goes on through the lists.
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(box->hasFocus());
        for (const char* name : {"lstMinReq", "lstMod0", "lstMod1"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(name));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(box->hasFocus());
    }

    // Lines of 16 characters fit their list box whole, with no scroll bar; a list
    // with more lines than it shows scrolls, sideways too, so every line can be
    // read to its end.
    void linesFit()
    {
        frmStats window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Choose(&window, QStringLiteral("iron sword"));
        for (const char* name : {"lstMinReq", "lstMod0", "lstMod1"}) {
            auto* list = window.findChild<QListWidget*>(QLatin1String(name));
            list->doItemsLayout(); // what the list would do when the event loop next runs
            QVERIFY(!list->horizontalScrollBar()->isVisible());
            QVERIFY(!list->verticalScrollBar()->isVisible());
            for (int row = 0; row < list->count(); ++row) {
                const QString text = list->item(row)->text();
                const int textWidth = QFontMetrics(list->font()).horizontalAdvance(text);
                QVERIFY2(list->visualItemRect(list->item(row)).left() + textWidth <= list->viewport()->width(),
                         qPrintable(text));
            }
        }

        Choose(&window, QStringLiteral("Crown"));
        auto* list = window.findChild<QListWidget*>(QStringLiteral("lstMinReq"));
        QCOMPARE(list->count(), int(CrownRows));
        list->doItemsLayout();
        QVERIFY(list->verticalScrollBar()->isVisible());
        QVERIFY(list->verticalScrollBar()->maximum() > 0);
        const int textWidth = QFontMetrics(list->font()).horizontalAdvance(list->item(0)->text());
        QVERIFY(list->horizontalScrollBar()->maximum() + list->viewport()->width() >= textWidth);
        QCOMPARE(list->textElideMode(), Qt::ElideNone);
    }

    void opensEmpty()
    {
        frmStats window;
        QComboBox* box = Box(&window);
        QCOMPARE(Entries(box), (QStringList{"Charm", "Cloak", "Crown", "Iron Sword", "iron sword", "Plain Ring"}));
        QCOMPARE(box->currentIndex(), -1);
        QCOMPARE(box->currentText(), QString());
        QCOMPARE(Lines(&window, "lstMinReq"), NoLines);
        QCOMPARE(Lines(&window, "lstMod0"), NoLines);
        QCOMPARE(Lines(&window, "lstMod1"), NoLines);
    }

    void choose_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("minReq");
        QTest::addColumn<QStringList>("mod0");
        QTest::addColumn<QStringList>("mod1");
        // Item 13, added after item 10, wins for both spellings of its name.
        const QStringList item13Min = {"Intelligence 30 ", "              5 "};
        const QStringList item13Mod0 = {"Strength      7 "};
        const QStringList item13Mod1 = {"Ligh 2147483647t", "Dext-2147483648 "};
        QTest::newRow("Iron Sword: the later one") << "Iron Sword" << item13Min << item13Mod0 << item13Mod1;
        QTest::newRow("iron sword") << "iron sword" << item13Min << item13Mod0 << item13Mod1;
        QTest::newRow("no rows") << "Plain Ring" << NoLines << NoLines << NoLines;
        QTest::newRow("mod 1 only") << "Charm" << NoLines << NoLines
                                    << QStringList{"Dexterity     3 ", "Strength     -1 "};
        QTest::newRow("mod 3 not shown") << "Cloak" << QStringList{"Dexterity     0 "} << NoLines << NoLines;
    }

    void choose()
    {
        QFETCH(QString, entry);
        QFETCH(QStringList, minReq);
        QFETCH(QStringList, mod0);
        QFETCH(QStringList, mod1);
        frmStats window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Choose(&window, entry);
        QCOMPARE(Box(&window)->currentText(), entry);
        QCOMPARE(Lines(&window, "lstMinReq"), minReq);
        QCOMPARE(Lines(&window, "lstMod0"), mod0);
        QCOMPARE(Lines(&window, "lstMod1"), mod1);
    }

    // The arrow keys choose the next or previous entry, as a click on it does.
    void arrowKeys()
    {
        frmStats window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QComboBox* box = Box(&window);
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentText(), QStringLiteral("Charm"));
        QCOMPARE(Lines(&window, "lstMod1"), (QStringList{"Dexterity     3 ", "Strength     -1 "}));
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentText(), QStringLiteral("Cloak"));
        QCOMPARE(Lines(&window, "lstMinReq"), QStringList{"Dexterity     0 "});
        QCOMPARE(Lines(&window, "lstMod1"), NoLines);
    }

    // Typing alone changes nothing, also when the typed text names an item and the
    // player presses Enter or leaves the box.
    void typingChangesNothing()
    {
        frmStats window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Choose(&window, QStringLiteral("Charm"));
        const QStringList shown = Lines(&window, "lstMod1");
        QComboBox* box = Box(&window);
        box->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("Plain Ring"));
        QCOMPARE(box->currentText(), QStringLiteral("Plain Ring"));
        QCOMPARE(Lines(&window, "lstMod1"), shown);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QCOMPARE(Lines(&window, "lstMod1"), shown);
        window.findChild<QListWidget*>(QStringLiteral("lstMod0"))->setFocus();
        QCOMPARE(Lines(&window, "lstMod1"), shown);
        QCOMPARE(box->count(), 6); // nothing typed is added to the list
    }

    // A text that names no item empties the lists, with no message.
    void textNamingNoItem_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("unknown") << "Dragon Scale";
        QTest::newRow("empty") << "";
        QTest::newRow("trailing blank") << "Charm ";
    }

    void textNamingNoItem()
    {
        QFETCH(QString, text);
        frmStats window;
        window.show();
        Choose(&window, QStringLiteral("iron sword"));
        QVERIFY(!Lines(&window, "lstMinReq").isEmpty());
        Box(&window)->setEditText(text);
        window.cboItem_Click();
        QCOMPARE(Lines(&window, "lstMinReq"), NoLines);
        QCOMPARE(Lines(&window, "lstMod0"), NoLines);
        QCOMPARE(Lines(&window, "lstMod1"), NoLines);
    }

    void sampleDatabase()
    {
        QVERIFY(QFile::remove(mDir.filePath(QStringLiteral("Kelvara.mdb"))));
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), mDir.filePath(QStringLiteral("Kelvara.mdb"))));
        gStatTable = LoadStatTable();
        gItemTable = LoadItemTable();
        frmStats window;
        window.show();
        QComboBox* box = Box(&window);
        QCOMPARE(box->count(), gItemTable.NumItems());
        QVERIFY(box->count() > 100);
        for (int row = 1; row < box->count(); ++row)
            QVERIFY(box->itemText(row - 1).toUpper() <= box->itemText(row).toUpper());
        Choose(&window, QStringLiteral("Iron Battle Axe"));
        QCOMPARE(Lines(&window, "lstMinReq"), QStringList{"Strength     20 "});
        QCOMPARE(Lines(&window, "lstMod0"), QStringList{"Strength      2 "});
        QCOMPARE(Lines(&window, "lstMod1").size(), 3);
        for (const QString& line : Lines(&window, "lstMod1"))
            QCOMPARE(line.size(), 16);
    }

    // The menu shows one window at most, without an owner; an open one comes to the
    // front with what it showed.
    void oneWindowAtMost()
    {
        frmMain main;
        QAction* entry = main.findChild<QAction*>(QStringLiteral("mnuItemStats"));
        QVERIFY(entry);
        entry->trigger();
        QCOMPARE(OpenWindows().size(), 1);
        QPointer<frmStats> first = OpenWindows().first();
        QVERIFY(!first->parentWidget());
        QVERIFY(!first->isModal());
        Choose(first, QStringLiteral("Charm"));

        entry->trigger();
        Unload();
        QCOMPARE(LoadedWindows(), 1);
        QCOMPARE(OpenWindows().first(), first.data());
        QCOMPARE(Box(first)->currentText(), QStringLiteral("Charm"));
        QCOMPARE(Lines(first, "lstMod1"), (QStringList{"Dexterity     3 ", "Strength     -1 "}));
        first->close();
        Unload();
    }

    // Closed, it goes; opened again, it starts afresh.
    void closeAndReopen()
    {
        frmMain main;
        QAction* entry = main.findChild<QAction*>(QStringLiteral("mnuItemStats"));
        entry->trigger();
        QPointer<frmStats> first = OpenWindows().first();
        Choose(first, QStringLiteral("Charm"));
        first->close();
        QVERIFY(OpenWindows().isEmpty());
        entry->trigger(); // before the closed one is gone
        Unload();
        QVERIFY(!first);
        QCOMPARE(LoadedWindows(), 1);
        frmStats* second = OpenWindows().first();
        QCOMPARE(Box(second)->currentText(), QString());
        QCOMPARE(Box(second)->count(), 6);
        QCOMPARE(Lines(second, "lstMod1"), NoLines);
        second->close();
    }

    // Closing the main window closes this one first; a save that fails finds it
    // closed all the same.
    void mainWindowClosesIt_data()
    {
        QTest::addColumn<bool>("saves");
        QTest::newRow("saved") << true;
        QTest::newRow("save fails") << false;
    }

    void mainWindowClosesIt()
    {
        QFETCH(bool, saves);
        frmMain main;
        main.findChild<QAction*>(QStringLiteral("mnuItemStats"))->trigger();
        QPointer<frmStats> window = OpenWindows().first();
        if (saves) {
            main.Form_Unload();
        } else {
            SetProgramFolder(mDir.filePath(QStringLiteral("gone")));
            QVERIFY_THROWS_EXCEPTION(KelvaraError, main.Form_Unload());
        }
        QVERIFY(OpenWindows().isEmpty());
        Unload();
        QVERIFY(!window);
        QCOMPARE(QFile::exists(mDir.filePath(QLatin1String(CalibrationFileName))), saves);
        QFile::remove(mDir.filePath(QLatin1String(CalibrationFileName)));
    }

    // The main window going with the item stats window still open takes it along.
    void mainWindowDeleted()
    {
        QPointer<frmStats> window;
        {
            frmMain main;
            main.findChild<QAction*>(QStringLiteral("mnuItemStats"))->trigger();
            window = OpenWindows().first();
        }
        QVERIFY(!window);
    }
};

QTEST_MAIN(TstFrmStats)
#include "tst_frmstats.moc"
