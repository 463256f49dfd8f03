#include "clock/systemclock.h"
#include "common/faultkit.h"
#include "core/kelvaraerror.h"
#include "files/oxlfiles.h"
#include "forms/dialogs.h"
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

// The main window with a pinned clock: the start sequence, the ticks, the commands
// that change the calibration, and the closing save.
class TstFrmMain : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> mDir;
    QDateTime mNow;
    QStringList mMessages;
    const QByteArray mSaved = "00:29:59\r\n12/06/2026\r\n12:05:41\r\n03/17/0012\r\n";

    QString DataFile() const { return mDir->filePath(QStringLiteral("OXLTIMES.DAT")); }

    QByteArray Saved() const
    {
        QFile file(DataFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void Put(const char* name, const QByteArray& bytes)
    {
        QFile file(mDir->filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
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
        mDir = std::make_unique<QTemporaryDir>();
        SetProgramFolder(mDir->path());
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), mDir->filePath(QStringLiteral("Kelvara.mdb"))));
        Put("OXLTIMES.DAT", mSaved);
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
        ErrorBoundary::ResetForTesting();
        SetProgramFolder(QString());
        mDir.reset();
    }

    void captionsAndMenus()
    {
        frmMain w;
        const QStringList headings = {"Label4", "Label5", "Label6", "Label7", "Label1", "Label2", "Label3"};
        const QStringList captions = {"Real Time",        "Real Date", "Kelvara Time", "Kelvara Date",
                                      "Character Number", "Name",      "Description"};
        for (int i = 0; i < headings.size(); ++i) {
            auto* label = w.findChild<QLabel*>(headings[i]);
            QCOMPARE(label->text(), captions[i]);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(headings[i]));
        }
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("cmdServerStats"))->text(), QStringLiteral("Server Status"));
        QStringList menu;
        for (QAction* top : w.menuBar()->actions()) {
            menu << top->text();
            for (QAction* entry : top->menu()->actions())
                menu << (entry->isSeparator() ? QStringLiteral("-") : QStringLiteral("  ") + entry->text());
        }
        QCOMPARE(menu,
                 (QStringList{"&File", "  &Open Character File", "-", "  E&xit", "&Tools", "  &Next Good Moon",
                              "  Next &Specified Day", "  Set &Date/Time", "  Item Stats", "  Rank Experience Chart",
                              "  &Upcoming Days\u2026", "  &Compact Clock", "  &Reminders\u2026"}));
        QCOMPARE(w.findChild<QAction*>(QStringLiteral("mnuExit"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    }

    // The start reads the folder and the calibration; the first tick comes as soon as
    // the event loop runs; the system clock set by hand between two ticks, a day forward
    // and an hour back, moves the game clock 18 game days on and 18 game hours back.
    void startAndTicks()
    {
        Put("OXLDIR.DAT", "/games/chars/\r\n");
        frmMain w;
        w.Form_Load();
        QCOMPARE(w.windowTitle(),
                 QStringLiteral("Kelvara Utility %1.%2.%3")
                     .arg(KELVARA_VERSION_MAJOR)
                     .arg(KELVARA_VERSION_MINOR)
                     .arg(KELVARA_VERSION_PATCH));
        QCOMPARE(gCharacterFolder, QStringLiteral("/games/chars/"));
        QCOMPARE(Clock(w), QStringList(4, QString()));
        w.show();
        int ticks = 0;
        connect(&w, &frmMain::Ticked, this, [&] { ++ticks; });
        mNow = mNow.addSecs(1);
        QCoreApplication::processEvents();
        QCOMPARE(ticks, 1);
        QCOMPARE(Clock(w), (QStringList{"12:30 AM", "12/06/2026", "12:05 PM", "03/17/0012"}));
        QCOMPARE(gCalibration.OXLTime, QStringLiteral("12:05:59"));

        mNow = mNow.addDays(1);
        w.tmrMain_Timer();
        QCOMPARE(Clock(w), (QStringList{"12:30 AM", "12/07/2026", "12:05 PM", "04/07/0012"}));
        mNow = mNow.addSecs(-3600);
        w.tmrMain_Timer();
        QCOMPARE(Clock(w), (QStringList{"11:30 PM", "12/06/2026", "6:05 PM", "04/06/0012"}));
        QCOMPARE(gCalibration.OXLTime, QStringLiteral("18:05:59"));
    }

    void startFailsWithoutSaving()
    {
        QVERIFY(QFile::remove(DataFile()) && QDir(mDir->path()).mkdir(QStringLiteral("OXLTIMES.DAT")));
        frmMain w;
        QVERIFY_THROWS_EXCEPTION(KelvaraError, w.Form_Load());
        QVERIFY(QFileInfo(DataFile()).isDir());
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

    // Ctrl+Q closes the window and saves the calibration of the latest tick, once. A
    // save the disk refuses is reported with the file and the reason, the file saved
    // before stays whole, and the program ends (these last: no event loop runs after).
    void closingSaves_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("cause");
        QTest::newRow("saved") << ""
                               << "";
        QTest::newRow("program folder read-only") << "read-only"
                                                  << "Permission denied";
        QTest::newRow("disk full") << "full"
                                   << "too large";
        QTest::newRow("folder in place of the file") << "folder"
                                                     << "it is a folder";
    }

    void closingSaves()
    {
        QFETCH(QString, fault);
        QFETCH(QString, cause);
        frmMain w;
        w.Form_Load();
        ErrorBoundary::SetCloser([&w] { w.Form_Unload(); });
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        mNow = mNow.addSecs(200); // one game hour
        w.tmrMain_Timer();
        std::unique_ptr<faultkit::ReadOnlyFolder> readOnly;
        std::unique_ptr<faultkit::FullDisk> full;
        if (fault == QLatin1String("read-only"))
            readOnly = std::make_unique<faultkit::ReadOnlyFolder>(mDir->path());
        else if (fault == QLatin1String("full"))
            full = std::make_unique<faultkit::FullDisk>(20); // 20 of the 44 bytes fit
        else if (fault == QLatin1String("folder"))
            QVERIFY(QFile::remove(DataFile()) && QDir(mDir->path()).mkdir(QStringLiteral("OXLTIMES.DAT")));
        QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
        readOnly.reset();
        full.reset();
        QVERIFY(!w.isVisible());
        if (fault.isEmpty()) {
            QCOMPARE(mMessages, QStringList());
            QCOMPARE(Saved(), QByteArray("00:33:19\r\n12/06/2026\r\n13:05:41\r\n03/17/0012\r\n"));
            Put("OXLTIMES.DAT", "untouched");
            w.Form_Unload(); // the closing sequence runs once, however often the program is told to end
            QCOMPARE(Saved(), QByteArray("untouched"));
            return;
        }
        QCOMPARE(mMessages.size(), 1);
        QVERIFY2(mMessages[0].startsWith(QStringLiteral("The calibration could not be saved."))
                     && mMessages[0].contains(QStringLiteral("OXLTIMES.DAT")) && mMessages[0].contains(cause),
                 qPrintable(mMessages[0]));
        QVERIFY(ErrorBoundary::Ending());
        QCOMPARE(fault == QLatin1String("folder") ? QByteArray() : Saved(),
                 fault == QLatin1String("folder") ? QByteArray() : mSaved);
        QCOMPARE(QDir(mDir->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 (QStringList{"Kelvara.mdb", "OXLDIR.DAT", "OXLTIMES.DAT"}));
    }

    // An error escaping a handler is shown, the calibration is saved, the program ends;
    // a later error is not reported again. A save that fails then is reported once and
    // not tried again.
    void errorEndsAfterSaving_data()
    {
        QTest::addColumn<bool>("saveFails");
        QTest::newRow("saved") << false;
        QTest::newRow("save fails") << true;
    }

    void errorEndsAfterSaving()
    {
        QFETCH(bool, saveFails);
        frmMain w;
        w.Form_Load();
        int closes = 0;
        ErrorBoundary::SetCloser([&] {
            ++closes;
            if (saveFails)
                QVERIFY(QFile::remove(DataFile()) && QDir(mDir->path()).mkdir(QStringLiteral("OXLTIMES.DAT")));
            w.Form_Unload();
        });
        ErrorBoundary::Run([] { throw KelvaraError(QStringLiteral("Subscript out of range")); });
        ErrorBoundary::Run([] { throw KelvaraError(QStringLiteral("later")); });
        QCOMPARE(closes, 1);
        QVERIFY(ErrorBoundary::Ending());
        QCOMPARE(mMessages.value(0), QStringLiteral("Subscript out of range"));
        QCOMPARE(mMessages.size(), saveFails ? 2 : 1);
        if (saveFails)
            QVERIFY(mMessages[1].startsWith(QStringLiteral("The calibration could not be saved.")));
        else
            QCOMPARE(Saved().size(), 44);
    }
};

QTEST_MAIN(TstFrmMain)
#include "tst_frmmain.moc"
