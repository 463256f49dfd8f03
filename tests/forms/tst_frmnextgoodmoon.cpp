#include "clock/kelvaraerror.h"
#include "clock/systemclock.h"
#include "files/oxlfiles.h"
#include "forms/dialogs.h"
#include "forms/formkit.h"
#include "forms/frmmain.h"
#include "forms/frmnextgoodmoon.h"
#include "forms/globals.h"
#include "forms/guard.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

ClockCalibration Record(const char* realTime, const char* realDate, const char* oxlTime, const char* oxlDate)
{
    return ClockCalibration::FromTexts(QLatin1String(realTime), QLatin1String(realDate), QLatin1String(oxlTime),
                                       QLatin1String(oxlDate));
}

QList<frmNextGoodMoon*> OpenWindows()
{
    QList<frmNextGoodMoon*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<frmNextGoodMoon*>(widget); window && window->isVisible())
            windows << window;
    }
    return windows;
}

int LoadedWindows()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<frmNextGoodMoon*>(widget) != nullptr;
    return count;
}

// Lets the windows that were closed go.
void Unload()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString Text(QWidget* window, const char* name)
{
    auto* label = window->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

} // namespace

class TstFrmNextGoodMoon : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    QDateTime mNow;
    QStringList mMessages;

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        SystemClock::SetSource([this] { return mNow; });
        Dialogs::SetMessageHook([this](const QString& text) { mMessages << text; });
    }

    void init()
    {
        SetProgramFolder(mDir.path());
        QFile::remove(mDir.filePath(QLatin1String(CalibrationFileName)));
        mNow = QDateTime(QDate(2026, 6, 15), QTime(14, 30, 0));
        mMessages.clear();
        ErrorBoundary::ResetForTesting();
        gCalibration = Record("14:30:00", "06/15/2026", "10:20:30", "03/10/0005");
    }

    void cleanup()
    {
        Unload();
        QCOMPARE(LoadedWindows(), 0);
        QCOMPARE(mMessages, QStringList());
    }

    void cleanupTestCase()
    {
        SystemClock::SetSource({});
        Dialogs::SetMessageHook({});
        SetProgramFolder(QString());
    }

    void layout()
    {
        frmNextGoodMoon window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Next Good Moon"));
        QVERIFY(window.isWindow());
        QCOMPARE(window.minimumSize(), QSize(TwipsToPixels(6210), TwipsToPixels(2415)));
        QCOMPARE(window.maximumSize(), window.minimumSize());

        struct Expected
        {
            const char* name;
            QRect rect;
            QString text;
            double points;
        };
        const Expected labels[] = {
            {"Label1", TwipsRect(1200, 120, 3735, 495), QStringLiteral("Next Good Moon in"), 18},
            {"lblNextGoodMoon", TwipsRect(120, 720, 6015, 495), QString(), 12},
            {"lblNextGoodMoonDay", TwipsRect(120, 1320, 6015, 495), QString(), 12},
        };
        for (const Expected& expected : labels) {
            auto* label = window.findChild<QLabel*>(QLatin1String(expected.name));
            QVERIFY2(label, expected.name);
            QCOMPARE(label->geometry(), expected.rect);
            QCOMPARE(label->text(), expected.text);
            QCOMPARE(label->font().pointSizeF(), expected.points);
            QCOMPARE(label->font().weight(), QFont::Normal);
            QVERIFY(label->alignment() & Qt::AlignHCenter);
        }

        auto* close = window.findChild<QPushButton*>(QStringLiteral("cmdClose"));
        QVERIFY(close);
        QCOMPARE(close->text(), QStringLiteral("Close"));
        QCOMPARE(close->geometry(), TwipsRect(2400, 1920, 1455, 375));
        for (QWidget* child : window.findChildren<QWidget*>()) {
            if (child != close)
                QCOMPARE(child->focusPolicy(), Qt::NoFocus);
        }

        auto* timer = window.findChild<QTimer*>(QStringLiteral("tmrNextGoodMoon"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(timer->isActive());
    }

    void tick_data()
    {
        QTest::addColumn<ClockCalibration>("calibration");
        QTest::addColumn<QString>("wait");
        QTest::addColumn<QString>("moment");
        QTest::newRow("an evening") << Record("14:30:00", "06/15/2026", "10:20:30", "03/10/0005")
                                    << "6 HOURS  5 MINUTES  31 SECONDS" << "TODAY AT 8:35 PM";
        QTest::newRow("last real second") << Record("09:05:40", "06/15/2026", "23:59:50", "03/14/0005") << ""
                                          << "TODAY AT 9:05 AM";
        QTest::newRow("good moon has begun") << Record("09:05:41", "06/15/2026", "00:00:08", "03/15/0005")
                                             << "1 DAY  13 HOURS  19 MINUTES  59 SECONDS"
                                             << "TOMORROW AT 10:25 PM";
        QTest::newRow("good moon at midnight") << Record("23:50:10", "06/15/2026", "00:00:00", "03/15/0005")
                                               << "1 DAY  13 HOURS  20 MINUTES  " << "TWO DAYS FROM NOW AT 1:10 PM";
    }

    void tick()
    {
        QFETCH(ClockCalibration, calibration);
        QFETCH(QString, wait);
        QFETCH(QString, moment);
        frmNextGoodMoon window;
        window.show();
        QCOMPARE(Text(&window, "lblNextGoodMoon"), QString());
        QCOMPARE(Text(&window, "lblNextGoodMoonDay"), QString());
        gCalibration = calibration;
        window.tmrNextGoodMoon_Timer();
        QCOMPARE(Text(&window, "lblNextGoodMoon"), wait);
        QCOMPARE(Text(&window, "lblNextGoodMoonDay"), moment);
    }

    // The window's own timer fills the labels about a second after it opens.
    void firstSecond()
    {
        frmNextGoodMoon window;
        window.show();
        QTest::qWait(500);
        QCOMPARE(Text(&window, "lblNextGoodMoon"), QString());
        QTRY_COMPARE_WITH_TIMEOUT(Text(&window, "lblNextGoodMoon"), QStringLiteral("6 HOURS  5 MINUTES  31 SECONDS"),
                                  3000);
        QCOMPARE(Text(&window, "lblNextGoodMoonDay"), QStringLiteral("TODAY AT 8:35 PM"));
    }

    // The forecast starts from the calibration the main window's latest tick left.
    void followsTheMainWindow()
    {
        frmMain main;
        frmNextGoodMoon window;
        window.show();
        mNow = mNow.addSecs(10); // 180 game seconds later
        main.tmrMain_Timer();
        QCOMPARE(gCalibration.OXLTime, QStringLiteral("10:23:30"));
        window.tmrNextGoodMoon_Timer();
        QCOMPARE(Text(&window, "lblNextGoodMoon"), QStringLiteral("6 HOURS  5 MINUTES  21 SECONDS"));
        QCOMPARE(Text(&window, "lblNextGoodMoonDay"), QStringLiteral("TODAY AT 8:35 PM"));

        // An hour later, an hour less is left.
        mNow = mNow.addSecs(3600);
        main.tmrMain_Timer();
        window.tmrNextGoodMoon_Timer();
        QCOMPARE(Text(&window, "lblNextGoodMoon"), QStringLiteral("5 HOURS  5 MINUTES  21 SECONDS"));
        QCOMPARE(Text(&window, "lblNextGoodMoonDay"), QStringLiteral("TODAY AT 8:35 PM"));
    }

    void oneWindowAtMost()
    {
        frmMain main;
        QAction* entry = main.findChild<QAction*>(QStringLiteral("mnuNextGoodMoon"));
        QVERIFY(entry);
        QCOMPARE(entry->text(), QStringLiteral("&Next Good Moon"));
        entry->trigger();
        QCOMPARE(OpenWindows().size(), 1);
        QPointer<frmNextGoodMoon> first = OpenWindows().first();
        QVERIFY(!first->parentWidget());
        first->tmrNextGoodMoon_Timer();

        entry->trigger();
        Unload();
        QCOMPARE(OpenWindows().size(), 1);
        QCOMPARE(LoadedWindows(), 1);
        QCOMPARE(OpenWindows().first(), first.data());
        // Brought to the front with what it showed.
        QCOMPARE(Text(first, "lblNextGoodMoon"), QStringLiteral("6 HOURS  5 MINUTES  31 SECONDS"));
    }

    void closeAndReopen_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Close button") << true;
        QTest::newRow("close box") << false;
    }

    void closeAndReopen()
    {
        QFETCH(bool, byButton);
        frmMain main;
        QAction* entry = main.findChild<QAction*>(QStringLiteral("mnuNextGoodMoon"));
        entry->trigger();
        QPointer<frmNextGoodMoon> first = OpenWindows().first();
        QPointer<QTimer> timer = first->findChild<QTimer*>(QStringLiteral("tmrNextGoodMoon"));
        first->tmrNextGoodMoon_Timer();
        if (byButton)
            QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("cmdClose")), Qt::LeftButton);
        else
            first->close();
        QVERIFY(OpenWindows().isEmpty());
        QVERIFY(!timer || !timer->isActive());

        // Opened again at once (before the closed window is gone) or later: a fresh, empty window.
        entry->trigger();
        QCOMPARE(OpenWindows().size(), 1);
        Unload();
        QVERIFY(!first);
        QCOMPARE(LoadedWindows(), 1);
        QCOMPARE(Text(OpenWindows().first(), "lblNextGoodMoon"), QString());
        QCOMPARE(Text(OpenWindows().first(), "lblNextGoodMoonDay"), QString());
    }

    // Closing the main window closes the countdown first, then saves the calibration:
    // a save that fails finds the window closed all the same.
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
        main.findChild<QAction*>(QStringLiteral("mnuNextGoodMoon"))->trigger();
        QPointer<frmNextGoodMoon> window = OpenWindows().first();
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
    }
};

QTEST_MAIN(TstFrmNextGoodMoon)
#include "tst_frmnextgoodmoon.moc"
