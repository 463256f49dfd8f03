// SPDX-License-Identifier: GPL-3.0-or-later
// The Find Items window: one at most, Enter shows the item in Item Stats, sorting by keyboard, Compare, Copy and Save
// as CSV.
#include "common/faultkit.h"
#include "common/filebytes.h"
#include "common/testfolder.h"
#include "files/settings.h"
#include "forms/dialogs.h"
#include "forms/frmcompare.h"
#include "forms/frmfinditems.h"
#include "forms/frmmain.h"
#include "forms/frmstats.h"
#include "running/globals.h"
#include "running/itembrowser.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

template <typename Window>
static QList<Window*> Windows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<Window*> found;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(top); window && window->isVisible())
            found << window;
    return found;
}

class TstFindItems : public QObject
{
    Q_OBJECT

    QStringList mMessages;
    TestFolder mDir;

private slots:
    void initTestCase()
    {
        // A size kept from a larger screen.
        QVERIFY(PutFile(mDir.filePath(QLatin1String(SettingsFileName)), "[FindItems]\nwidth=32767\nheight=32767\n"));
        Dialogs::SetMessageHook([this](const QString& text) { mMessages << text; });
        gStatTable.AddStat(1, u"Strength"_s);
        gItemTable.AddItem(10, u"Iron Sword"_s, u"Iron"_s);
        gItemTable.AddItem(11, u"Ring, \"old\""_s);
        gItemTable.AddMinStat(10, 1, 20);
        gItemTable.AddMod(10, 1, 0, 2);
    }

    // Ctrl+F opens one window, no larger than the screen; Enter on a row shows that item in Item Stats; Copy puts the
    // rows shown on the clipboard; Save as CSV writes them, and a FIFO in the file's place is refused and left as it
    // is.
    void window()
    {
        frmMain main;
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        for (int time = 0; time < 2; ++time) {
            QTest::keyClick(QApplication::activeWindow(), Qt::Key_F, Qt::ControlModifier);
            QCOMPARE(Windows<frmFindItems>().size(), 1);
        }
        frmFindItems* find = Windows<frmFindItems>().first();
        QVERIFY(find->screen()->availableGeometry().size().expandedTo(find->size())
                == find->screen()->availableGeometry().size());
        find->AddStatColumn(1);
        auto* table = find->findChild<QTableView*>(u"tblItems"_s);
        table->setFocus();
        table->setCurrentIndex(table->model()->index(0, 3));
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(Windows<frmStats>().size(), 1);
        QCOMPARE(Windows<frmStats>().first()->findChild<QListWidget*>(u"lstMinReq"_s)->item(0)->text(),
                 u"Strength     20 "_s);

        const QString header = u"Item\tMaterial\tStrength (req.)\tStrength (mod 0)\tStrength (mod 1)\n"_s;
        find->findChild<QPushButton*>(u"cmdCopy"_s)->click();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 header + u"Iron Sword\tIron\t20\t2\t\nRing, \"old\"\t\t\t\t\n"_s);
        find->findChild<QLineEdit*>(u"txtName"_s)->setText(u"ring"_s);
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), header + u"Ring, \"old\"\t\t\t\t\n"_s);

        QTemporaryDir dir;
        const QString csv = dir.filePath(u"items.csv"_s), fifo = dir.filePath(u"fifo.csv"_s);
        QVERIFY(faultkit::MakeFifo(fifo) || (faultkit::NoFifo && QDir().mkdir(fifo))); // on Windows, a folder
        QString title;
        for (const QString& path : {csv, fifo}) {
            Dialogs::SetSaveFileHook([&title, path](const QString& caption, const QString&, const QString&) {
                title = caption;
                return path;
            });
            find->findChild<QPushButton*>(u"cmdSaveCsv"_s)->click();
        }
        QCOMPARE(title, u"Save as CSV"_s); // the button's label, without its mnemonic
        QFile saved(csv);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(),
                 "Item,Material,Strength (req.),Strength (mod 0),Strength (mod 1)\r\n"
                 "\"Ring, \"\"old\"\"\",,,,\r\n");
        QCOMPARE(mMessages.size(), 1);
        QVERIFY2(mMessages[0].startsWith(u"Cannot write \""_s + QDir::toNativeSeparators(fifo)),
                 qPrintable(mMessages[0]));
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    }

    // "Sort by" and "Descending" sort as the headings do and follow a click on one; Compare takes the focus, and
    // Escape there closes it alone.
    void sortAndCompare()
    {
        frmFindItems find(false);
        find.show();
        find.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&find));
        auto* table = find.findChild<QTableView*>(u"tblItems"_s);
        auto* sortBy = find.findChild<QComboBox*>(u"cboSortBy"_s);
        auto* descending = find.findChild<QCheckBox*>(u"chkDescending"_s);
        const auto shown = [&] {
            return u"%1 %2 %3"_s.arg(sortBy->currentText(), descending->isChecked() ? u"down"_s : u"up"_s,
                                     table->model()->index(0, 0).data().toString());
        };
        QCOMPARE(shown(), u"(database order) up Iron Sword"_s);
        QTest::keyClick(sortBy, Qt::Key_Down);
        QTest::keyClick(descending, Qt::Key_Space);
        QCOMPARE(shown(), u"Item down Ring, \"old\""_s);
        QHeaderView* header = table->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, {header->sectionViewportPosition(1) + 4, 4});
        QCOMPARE(shown(), u"Material up Iron Sword"_s);

        table->selectAll();
        find.findChild<QPushButton*>(u"cmdCompare"_s)->click();
        QTRY_VERIFY(qobject_cast<frmCompare*>(QApplication::activeWindow()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(Windows<frmCompare>().isEmpty());
        QVERIFY(find.isVisible());
    }
};

QTEST_MAIN(TstFindItems)
#include "tst_finditems.moc"
