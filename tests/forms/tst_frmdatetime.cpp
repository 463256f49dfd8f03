#include "forms/dialogs.h"
#include "forms/frmdatetime.h"
#include "running/globals.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

class TstFrmDateTime : public QObject
{
    Q_OBJECT

private slots:
    void dialog_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("expected"); // the texts stored, or the field the message names
        QTest::newRow("stored as typed, fitted")
            << QStringList{"12:30:", "12/25/", "24:00:00", "01/30/0005"} << "12:30:  |12/25/    |24:00:00|01/30/0005";
        QTest::newRow("all empty") << QStringList(4) << "real time";
        QTest::newRow("first failing only") << QStringList{"16:45:00", "13/01/2026", "25:00:00", "0"} << "real date";
        QTest::newRow("game time") << QStringList{"16:45:00", "07/04/2026", "9:45:00", "0"} << "Kelvara time";
        QTest::newRow("game date") << QStringList{"16:45:00", "07/04/2026", "09:41:27", "7-4"} << "Kelvara date";
        const QStringList overlong{"16:45:0099", "07/04/202699", "09:41:2799", "03/17/001299"}; // past the widths
        QTest::newRow("cancel") << overlong << "";
        QTest::newRow("close box") << overlong << "";
        QTest::newRow("Enter") << overlong << ""; // Escape: tst_accessibility
    }

    void dialog()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, expected);
        const QByteArray how = QTest::currentDataTag();
        gCalibration = ClockCalibration::FromTexts(u"10:00:00"_s, u"12/06/2026"_s, u"01:02:03"_s, u"04/05/0006"_s);
        const ClockCalibration before = gCalibration;
        QStringList messages;
        Dialogs::SetMessageHook([&](const QString& text) { messages << text; });
        frmDateTime dialog;
        dialog.show();
        QStringList held;
        QLineEdit* box = nullptr;
        for (const char* name : {"txtRealTime", "txtRealDate", "txtOXLTime", "txtOXLDate"}) {
            box = dialog.findChild<QLineEdit*>(QLatin1String(name));
            QTest::keyClicks(box, typed[held.size()]);
            held << box->text();
        }
        if (how == "cancel")
            QTest::mouseClick(dialog.findChild<QPushButton*>(u"cmdCancel"_s), Qt::LeftButton);
        else if (how == "close box")
            dialog.close();
        else if (how == "Enter")
            QTest::keyClick(box, Qt::Key_Return);
        else
            QTest::mouseClick(dialog.findChild<QPushButton*>(u"cmdSetDateandTime"_s), Qt::LeftButton);
        const bool accepted = expected.contains(u'|');
        const QString message = u"The %1 is not in the correct format.  Please fix it and try again."_s.arg(expected);
        QCOMPARE(messages, accepted || expected.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(dialog.isVisible(), !accepted && how != "cancel" && how != "close box");
        const ClockCalibration& c = gCalibration;
        if (accepted)
            QCOMPARE(QStringList({c.RealTime, c.RealDate, c.OXLTime, c.OXLDate}).join(u'|'), expected);
        else
            QCOMPARE(c, before);
        QVERIFY(!accepted || !c.Instant.has_value());
        if (expected.isEmpty())
            QCOMPARE(held, (QStringList{"16:45:00", "07/04/2026", "09:41:27", "03/17/0012"}));
    }
};

QTEST_MAIN(TstFrmDateTime)
#include "tst_frmdatetime.moc"
