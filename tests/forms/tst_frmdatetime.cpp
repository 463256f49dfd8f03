#include "forms/dialogs.h"
#include "forms/frmdatetime.h"
#include "forms/globals.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TstFrmDateTime : public QObject
{
    Q_OBJECT

    QStringList mMessages;
    const ClockCalibration mBefore = ClockCalibration::FromTexts(
        QStringLiteral("10:00:00"), QStringLiteral("12/06/2026"), QStringLiteral("01:02:03"),
        QStringLiteral("04/05/0006"));

    static QLineEdit* Box(QDialog& dialog, const char* name)
    {
        return dialog.findChild<QLineEdit*>(QLatin1String(name));
    }

    static void Type(QDialog& dialog, const QStringList& texts)
    {
        const char* names[] = {"txtRealTime", "txtRealDate", "txtOXLTime", "txtOXLDate"};
        for (int i = 0; i < 4; ++i)
            QTest::keyClicks(Box(dialog, names[i]), texts[i]);
    }

    static void Click(QDialog& dialog, const char* name)
    {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
    }

private slots:
    void init()
    {
        mMessages.clear();
        Dialogs::SetMessageHook([this](const QString& text) { mMessages.append(text); });
        gCalibration = mBefore;
    }

    void cleanup() { Dialogs::SetMessageHook({}); }

    // The dialog opens empty with the focus on the first box; each box stops taking
    // characters at its field's width.
    void opensEmptyAndLimitsTyping()
    {
        frmDateTime dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Set Date and Time"));
        QCOMPARE(dialog.focusWidget(), Box(dialog, "txtRealTime"));
        QStringList typed;
        for (const char* name : {"txtRealTime", "txtRealDate", "txtOXLTime", "txtOXLDate"}) {
            QVERIFY(Box(dialog, name)->text().isEmpty());
            QTest::keyClicks(Box(dialog, name), QStringLiteral("1234567890123"));
            typed << Box(dialog, name)->text();
        }
        QCOMPARE(typed, (QStringList{"12345678", "1234567890", "12345678", "1234567890"}));
    }

    void setDateAndTimes_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<QStringList>("stored");
        const QString realTimeMsg = QStringLiteral(
            "The real time is not in the correct format.  Please fix it and try again.");
        const QString realDateMsg = QStringLiteral(
            "The real date is not in the correct format.  Please fix it and try again.");
        const QString gameTimeMsg = QStringLiteral(
            "The Kelvara time is not in the correct format.  Please fix it and try again.");
        const QString gameDateMsg = QStringLiteral(
            "The Kelvara date is not in the correct format.  Please fix it and try again.");
        QTest::newRow("all valid") << QStringList{"16:45:00", "07/04/2026", "09:41:27", "03/17/0012"} << ""
                                   << QStringList{"16:45:00", "07/04/2026", "09:41:27", "03/17/0012"};
        QTest::newRow("stored as typed") << QStringList{"12:30:", "12/25/", "24:00:00", "01/30/0005"} << ""
                                         << QStringList{"12:30:  ", "12/25/    ", "24:00:00", "01/30/0005"};
        QTest::newRow("all empty") << QStringList{"", "", "", ""} << realTimeMsg << QStringList{};
        QTest::newRow("first failing only")
            << QStringList{"16:45:00", "13/01/2026", "25:00:00", "03/17/0012"} << realDateMsg << QStringList{};
        QTest::newRow("game time") << QStringList{"16:45:00", "07/04/2026", "9:45:00", "03/17/0012"} << gameTimeMsg
                                   << QStringList{};
        QTest::newRow("game date") << QStringList{"16:45:00", "07/04/2026", "09:41:27", "07-04-2026"} << gameDateMsg
                                   << QStringList{};
    }

    void setDateAndTimes()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(QStringList, stored);
        frmDateTime dialog;
        dialog.show();
        Type(dialog, typed);
        Click(dialog, "cmdSetDateandTime");
        if (message.isEmpty()) {
            QVERIFY(mMessages.isEmpty());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(!dialog.isVisible());
            QCOMPARE(
                (QStringList{gCalibration.RealTime, gCalibration.RealDate, gCalibration.OXLTime, gCalibration.OXLDate}),
                stored);
            QVERIFY(!gCalibration.Instant.has_value());
        } else {
            QCOMPARE(mMessages, QStringList{message});
            QVERIFY(dialog.isVisible());
            QCOMPARE(gCalibration, mBefore);
            QCOMPARE(Box(dialog, "txtRealTime")->text(), typed[0]); // texts stay as the player left them
        }
    }

    // Cancel and the close box store nothing; Escape and Enter do nothing at all.
    void leavingStoresNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("cancel") << "cancel";
        QTest::newRow("close box") << "close";
        QTest::newRow("Escape, Enter") << "keys";
    }

    void leavingStoresNothing()
    {
        QFETCH(QString, how);
        frmDateTime dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Type(dialog, {"16:45:00", "07/04/2026", "09:41:27", "03/17/0012"});
        if (how == QLatin1String("cancel")) {
            Click(dialog, "cmdCancel");
        } else if (how == QLatin1String("close")) {
            dialog.close();
        } else {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QTest::keyClick(Box(dialog, "txtOXLDate"), Qt::Key_Return);
        }
        QCOMPARE(dialog.isVisible(), how == QLatin1String("keys"));
        QCOMPARE(gCalibration, mBefore);
        QVERIFY(mMessages.isEmpty());
    }
};

QTEST_MAIN(TstFrmDateTime)
#include "tst_frmdatetime.moc"
