#include "clock/systemclock.h"
#include "core/kelvaraerror.h"
#include "files/oxlfiles.h"
#include "forms/dialogs.h"
#include "forms/formkit.h"
#include "forms/frmdatetime.h"
#include "forms/frmmain.h"
#include "forms/globals.h"
#include "forms/guard.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TstFrmMain : public QObject
{
    Q_OBJECT

    QTemporaryDir* mDir = nullptr;
    QDateTime mNow;
    QStringList mMessages;

    QByteArray Saved() const
    {
        QFile file(mDir->filePath(QStringLiteral("OXLTIMES.DAT")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void PutCalibration(const QByteArray& bytes)
    {
        QFile file(mDir->filePath(QStringLiteral("OXLTIMES.DAT")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QString Text(frmMain& w, const char* name) { return w.findChild<QLabel*>(QLatin1String(name))->text(); }

private slots:
    void init()
    {
        mDir = new QTemporaryDir;
        SetProgramFolder(mDir->path());
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), mDir->filePath(QStringLiteral("Kelvara.mdb"))));
        mNow = QDateTime(QDate(2026, 12, 6), QTime(0, 29, 59));
        SystemClock::SetSource([this] { return mNow; });
        mMessages.clear();
        Dialogs::SetMessageHook([this](const QString& text) { mMessages.append(text); });
        ErrorBoundary::ResetForTesting();
        ErrorBoundary::SetCloser({});
    }

    void cleanup()
    {
        SystemClock::SetSource({});
        Dialogs::SetMessageHook({});
        SetProgramFolder(QString());
        delete mDir;
    }

    void layoutAndMenus()
    {
        frmMain w;
        const QWidget* client = w.centralWidget();
        QCOMPARE(client->size(), QSize(TwipsToPixels(4740), TwipsToPixels(3495)));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblRealTime"))->geometry(), TwipsRect(960, 120, 1095, 255));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblDescription"))->geometry(), TwipsRect(1560, 1800, 3015, 1095));
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("cmdServerStats"))->text(), QStringLiteral("Server Status"));
        const QStringList headings = {"Label4", "Label5", "Label6", "Label7", "Label1", "Label2", "Label3"};
        const QStringList captions = {"Real Time",        "Real Date", "Kelvara Time", "Kelvara Date",
                                      "Character Number", "Name",      "Description"};
        for (int i = 0; i < headings.size(); ++i) {
            auto* label = w.findChild<QLabel*>(headings[i]);
            QCOMPARE(label->text(), captions[i]);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(headings[i]));
        }

        QStringList menu;
        for (QAction* top : w.menuBar()->actions()) {
            menu << top->text();
            for (QAction* entry : top->menu()->actions())
                menu << (entry->isSeparator() ? QStringLiteral("-") : QStringLiteral("  ") + entry->text());
        }
        QCOMPARE(menu,
                 (QStringList{"&File", "  &Open Character File", "-", "  E&xit", "&Tools", "  &Next Good Moon",
                              "  Next &Specified Day", "  Set &Date/Time", "  Item Stats", "  Rank Experience Chart",
                              "  &Reminders\u2026"}));
        QCOMPARE(w.findChild<QAction*>(QStringLiteral("mnuExit"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    }

    void startSequence()
    {
        PutCalibration("00:29:59\r\n12/06/2026\r\n12:05:41\r\n03/17/0012\r\n");
        QFile folderFile(mDir->filePath(QStringLiteral("OXLDIR.DAT")));
        QVERIFY(folderFile.open(QIODevice::WriteOnly));
        folderFile.write("/games/chars/\r\n");
        folderFile.close();

        frmMain w;
        w.Form_Load();
        QCOMPARE(w.windowTitle(),
                 QStringLiteral("Kelvara Utility %1.%2.%3")
                     .arg(KELVARA_VERSION_MAJOR)
                     .arg(KELVARA_VERSION_MINOR)
                     .arg(KELVARA_VERSION_PATCH));
        QCOMPARE(gCharacterFolder, QStringLiteral("/games/chars/"));
        QCOMPARE(gCalibration.OXLTime, QStringLiteral("12:05:41"));
        // The clock labels stay empty until the first tick.
        for (const char* name : {"lblRealTime", "lblRealDate", "lblKelvaraTime", "lblKelvaraDate"})
            QVERIFY(Text(w, name).isEmpty());

        mNow = mNow.addSecs(1); // 00:30:00; the game clock 18 seconds on
        w.tmrMain_Timer();
        QCOMPARE(Text(w, "lblRealTime"), QStringLiteral("12:30 AM"));
        QCOMPARE(Text(w, "lblRealDate"), QStringLiteral("12/06/2026"));
        QCOMPARE(Text(w, "lblKelvaraTime"), QStringLiteral("12:05 PM"));
        QCOMPARE(Text(w, "lblKelvaraDate"), QStringLiteral("03/17/0012"));
        QCOMPARE(gCalibration.OXLTime, QStringLiteral("12:05:59"));
        QCOMPARE(gCalibration.RealTime, QStringLiteral("00:30:00"));
    }

    // The first tick does not wait for the timer: it comes as soon as the event loop
    // runs after the start sequence, and the clock labels fill at once.
    void firstTickAtOnce()
    {
        PutCalibration("00:29:59\r\n12/06/2026\r\n12:05:41\r\n03/17/0012\r\n");
        frmMain w;
        w.Form_Load();
        w.show();
        int ticks = 0;
        connect(&w, &frmMain::Ticked, this, [&] { ++ticks; });
        QVERIFY(Text(w, "lblKelvaraTime").isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(ticks, 1);
        QCOMPARE(Text(w, "lblRealTime"), QStringLiteral("12:29 AM"));
        QCOMPARE(Text(w, "lblKelvaraTime"), QStringLiteral("12:05 PM"));
        QCOMPARE(Text(w, "lblKelvaraDate"), QStringLiteral("03/17/0012"));
    }

    // The system clock set by hand between two ticks, a day forward and then an hour
    // back: the game clock on screen follows, 18 game days on and 18 game hours back.
    void clockSetByHandBetweenTicks()
    {
        PutCalibration("00:29:59\r\n12/06/2026\r\n00:00:00\r\n01/01/0010\r\n");
        frmMain w;
        w.Form_Load();
        w.tmrMain_Timer();
        QCOMPARE(Text(w, "lblKelvaraDate"), QStringLiteral("01/01/0010"));
        mNow = mNow.addDays(1);
        w.tmrMain_Timer();
        QCOMPARE(Text(w, "lblRealDate"), QStringLiteral("12/07/2026"));
        QCOMPARE(Text(w, "lblKelvaraTime"), QStringLiteral("12:00 AM"));
        QCOMPARE(Text(w, "lblKelvaraDate"), QStringLiteral("01/19/0010"));
        mNow = mNow.addSecs(-3600);
        w.tmrMain_Timer();
        QCOMPARE(Text(w, "lblRealTime"), QStringLiteral("11:29 PM"));
        QCOMPARE(Text(w, "lblRealDate"), QStringLiteral("12/06/2026"));
        QCOMPARE(Text(w, "lblKelvaraTime"), QStringLiteral("6:00 AM"));
        QCOMPARE(Text(w, "lblKelvaraDate"), QStringLiteral("01/18/0010"));
        QCOMPARE(gCalibration.OXLTime, QStringLiteral("06:00:00"));
    }

    void timerTicksTwiceASecond()
    {
        frmMain w;
        w.Form_Load();
        QCOMPARE(w.findChild<QTimer*>(QStringLiteral("tmrMain"))->interval(), 500);
        QTRY_VERIFY_WITH_TIMEOUT(!Text(w, "lblRealTime").isEmpty(), 2000);
    }

    void startFailsWithoutSaving()
    {
        QVERIFY(QDir(mDir->path()).mkdir(QStringLiteral("OXLTIMES.DAT")));
        frmMain w;
        QVERIFY_THROWS_EXCEPTION(KelvaraError, w.Form_Load());
        QVERIFY(QFileInfo(mDir->filePath(QStringLiteral("OXLTIMES.DAT"))).isDir());
    }

    // Ctrl+Q closes the window, and closing saves the calibration of the latest tick.
    void closingSaves()
    {
        PutCalibration("00:29:59\r\n12/06/2026\r\n12:05:41\r\n03/17/0012\r\n");
        frmMain w;
        w.Form_Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        mNow = mNow.addSecs(200); // one game hour
        w.tmrMain_Timer();
        QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!w.isVisible());
        QCOMPARE(Saved(), QByteArray("00:33:19\r\n12/06/2026\r\n13:05:41\r\n03/17/0012\r\n"));
        // The closing sequence runs once, however often the program is told to end.
        PutCalibration("untouched");
        w.Form_Unload();
        QCOMPARE(Saved(), QByteArray("untouched"));
    }

    // The calibration dialog replaces the pair; the next tick carries on from it.
    void setDateTimeFromTheMenu()
    {
        frmMain w;
        w.Form_Load();
        w.show();
        bool filled = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<frmDateTime*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            const QStringList texts = {"00:29:00", "12/06/2026", "10:00:00", "05/05/0005"};
            const char* names[] = {"txtRealTime", "txtRealDate", "txtOXLTime", "txtOXLDate"};
            for (int i = 0; i < 4; ++i)
                dialog->findChild<QLineEdit*>(QLatin1String(names[i]))->setText(texts[i]);
            dialog->findChild<QPushButton*>(QStringLiteral("cmdSetDateandTime"))->click();
            filled = true;
        });
        w.findChild<QAction*>(QStringLiteral("mnuSetDateTime"))->trigger();
        QVERIFY(filled);
        QCOMPARE(gCalibration.OXLTime, QStringLiteral("10:00:00"));
        w.tmrMain_Timer(); // 59 real seconds after the typed moment
        QCOMPARE(gCalibration.OXLTime, QStringLiteral("10:17:42"));
    }

    // An error escaping a handler is shown, the calibration is saved, the program ends.
    void errorEndsAfterSaving()
    {
        frmMain w;
        w.Form_Load();
        ErrorBoundary::SetCloser([&w] { w.Form_Unload(); });
        ErrorBoundary::Run([] { throw KelvaraError(QStringLiteral("Subscript out of range")); });
        QCOMPARE(mMessages, QStringList{"Subscript out of range"});
        QVERIFY(ErrorBoundary::Ending());
        QCOMPARE(Saved().size(), 44);
        // A second error while ending is not reported again.
        ErrorBoundary::Run([] { throw KelvaraError(QStringLiteral("later")); });
        QCOMPARE(mMessages.size(), 1);
    }

    // A save that fails while ending is reported once and not tried again.
    void failedSaveReportedOnce()
    {
        frmMain w;
        w.Form_Load();
        int closes = 0;
        ErrorBoundary::SetCloser([&] {
            ++closes;
            QDir(mDir->path()).remove(QStringLiteral("OXLTIMES.DAT"));
            QDir(mDir->path()).mkdir(QStringLiteral("OXLTIMES.DAT"));
            w.Form_Unload();
        });
        ErrorBoundary::Run([] { throw KelvaraError(QStringLiteral("Overflow")); });
        QCOMPARE(closes, 1);
        QCOMPARE(mMessages.size(), 2);
        QCOMPARE(mMessages[0], QStringLiteral("Overflow"));
        QVERIFY2(mMessages[1].startsWith(QStringLiteral("The calibration could not be saved.")),
                 qPrintable(mMessages[1]));
        QVERIFY(mMessages[1].contains(QStringLiteral("OXLTIMES.DAT")));
    }
};

QTEST_MAIN(TstFrmMain)
#include "tst_frmmain.moc"
