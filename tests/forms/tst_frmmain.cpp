// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/systemclock.h"
#include "common/filebytes.h"
#include "common/testfolder.h"
#include "core/kelvaraerror.h"
#include "files/oxlfiles.h"
#include "forms/dialogs.h"
#include "forms/frmmain.h"
#include "forms/guard.h"
#include "running/globals.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

class TstFrmMain : public QObject
{
    Q_OBJECT

    std::optional<TestFolder> mDir;
    QDateTime mNow;
    QStringList mMessages;
    const QByteArray mSaved = "00:29:59\r\n12/06/2026\r\n12:05:41\r\n03/17/0012\r\n";

    QString DataFile() const { return mDir->filePath(u"OXLTIMES.DAT"_s); }
    bool FolderInPlace() const { return QFile::remove(DataFile()) && QDir(mDir->path()).mkdir(u"OXLTIMES.DAT"_s); }

    QByteArray Saved() const { return FileBytes(DataFile()); }
    void Put(const char* name, const QByteArray& bytes)
    {
        QVERIFY(PutFile(mDir->filePath(QLatin1String(name)), bytes));
    }

    static QStringList Clock(frmMain& w)
    {
        QStringList texts;
        for (const char* name : {"lblRealTime", "lblRealDate", "lblKelvaraTime", "lblKelvaraDate"})
            texts << w.findChild<QLabel*>(QLatin1String(name))->text();
        return texts;
    }

private slots:
    void init()
    {
        mDir.emplace(); // a fresh folder for each test
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), mDir->filePath(u"Kelvara.mdb"_s)));
        Put("OXLTIMES.DAT", mSaved);
        mNow = QDateTime(QDate(2026, 12, 6), QTime(0, 29, 59));
        SystemClock::SetSource([this] { return mNow; });
        mMessages.clear();
        Dialogs::SetMessageHook([this](const QString& text) { mMessages.append(text); });
        ErrorBoundary::ResetForTesting();
    }

    // Menus; start; first tick at once; system clock set a day on, an hour back; Set Date/Time from the menu.
    void menusTicksAndSetDateTime()
    {
        Put("OXLDIR.DAT", "/games/chars/\r\n");
        frmMain w;
        QStringList menu;
        for (QAction* top : w.menuBar()->actions()) {
            menu << top->text();
            for (QAction* entry : top->menu()->actions())
                menu << (entry->isSeparator() ? u"-"_s : u"  "_s + entry->text());
        }
        QCOMPARE(menu,
                 (QStringList{"&File", "  &Open Character File", "-", "  E&xit", "&Tools", "  &Next Good Moon",
                              "  Next &Specified Day", "  Set &Date/Time", "  Item Stats", "  &Find Items\u2026",
                              "  Rank Experience Chart", "  &Upcoming Days\u2026", "  &Compact Clock",
                              "  &Reminders\u2026", "  &Preferences\u2026", "&Help", "  &About Kelvara Utility"}));

        w.Form_Load();
        QCOMPARE(gCharacterFolder, u"/games/chars/"_s);
        QCOMPARE(Clock(w), QStringList(4, QString()));
        w.show();
        mNow = mNow.addSecs(1);
        QCoreApplication::processEvents();
        QCOMPARE(Clock(w), (QStringList{"12:30 AM", "12/06/2026", "12:05 PM", "03/17/0012"}));
        mNow = mNow.addDays(1);
        w.tmrMain_Timer();
        QCOMPARE(Clock(w), (QStringList{"12:30 AM", "12/07/2026", "12:05 PM", "04/07/0012"}));
        mNow = mNow.addSecs(-3600);
        w.tmrMain_Timer();
        QCOMPARE(Clock(w), (QStringList{"11:30 PM", "12/06/2026", "6:05 PM", "04/06/0012"}));

        QTimer::singleShot(0, this, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            const QStringList texts = {"23:29:01", "12/06/2026", "10:00:00", "05/05/0005"};
            const char* names[] = {"txtRealTime", "txtRealDate", "txtOXLTime", "txtOXLDate"};
            for (int i = 0; i < 4; ++i)
                dialog->findChild<QLineEdit*>(QLatin1String(names[i]))->setText(texts[i]);
            dialog->findChild<QPushButton*>(u"cmdSetDateandTime"_s)->click();
        });
        w.findChild<QAction*>(u"mnuSetDateTime"_s)->trigger();
        w.tmrMain_Timer(); // 59 real seconds after the typed moment
        QCOMPARE(gCalibration.OXLTime, u"10:17:42"_s);

        QTimer* timer = w.findChild<QTimer*>(u"tmrMain"_s); // no 500 ms tick while nothing is on the screen
        w.showMinimized();
        QTRY_VERIFY(!timer->isActive());
        mNow = mNow.addSecs(200);
        w.showNormal(); // back: the clocks catch up at once
        QTRY_COMPARE(Clock(w), (QStringList{"11:33 PM", "12/06/2026", "11:17 AM", "05/05/0005"}));
        QVERIFY(timer->isActive());
    }

    // Ctrl+Q or an error saves once; a refused save (a folder in the file's place) is reported. Last: the program ends.
    void closingSaves_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::newRow("saved") << false;
        QTest::newRow("minimised, saved") << false; // no tick since: the save brings the clock on
        QTest::newRow("refused") << true;
        QTest::newRow("error, saved") << false;
        QTest::newRow("error, refused") << true;
    }

    void closingSaves()
    {
        QFETCH(bool, refused);
        const QByteArray fault = QTest::currentDataTag();
        const bool error = fault.startsWith("error"), minimised = fault.startsWith("minimised");
        frmMain w;
        w.Form_Load();
        int closes = 0;
        ErrorBoundary::SetCloser([&] { ++closes, w.Form_Unload(); });
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        if (minimised) {
            w.showMinimized();
            QCoreApplication::processEvents();
        }
        mNow = mNow.addSecs(200); // one game hour
        if (!minimised)
            w.tmrMain_Timer();
        QVERIFY(!refused || FolderInPlace());
        if (error) {
            ErrorBoundary::Run([] { throw KelvaraError(u"Subscript out of range"_s); });
            ErrorBoundary::Run([] { throw KelvaraError(u"later"_s); });
            QCOMPARE(closes, 1);
            QCOMPARE(mMessages.takeFirst(), u"Subscript out of range"_s);
        } else if (minimised) {
            w.Form_Unload(); // as on SIGTERM
        } else {
            QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
        }
        QVERIFY(error || minimised || !w.isVisible()); // after an error the program ends, closing it
        QCOMPARE(ErrorBoundary::Ending(), error || refused);
        if (!refused) {
            QCOMPARE(mMessages, QStringList());
            QCOMPARE(Saved(), QByteArray("00:33:19\r\n12/06/2026\r\n13:05:41\r\n03/17/0012\r\n"));
            Put("OXLTIMES.DAT", "untouched");
            w.Form_Unload(); // the closing sequence runs once, however often the program is told to end
            QCOMPARE(Saved(), QByteArray("untouched"));
            return;
        }
        QCOMPARE(mMessages.size(), 1);
        QVERIFY(mMessages[0].startsWith(u"The calibration could not be saved."_s)
                && mMessages[0].contains(u"OXLTIMES.DAT"_s) && mMessages[0].contains(u"it is a folder"_s));
        QCOMPARE(QDir(mDir->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 (QStringList{"Kelvara.mdb", "OXLDIR.DAT", "OXLTIMES.DAT"}));
    }
};

QTEST_MAIN(TstFrmMain)
#include "tst_frmmain.moc"
