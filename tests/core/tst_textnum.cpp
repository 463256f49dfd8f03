#include "core/kelvaraerror.h"
#include "core/textnum.h"

#include <QLocale>
#include <QTest>

#include <limits>

class TstTextNum : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Regional settings with a decimal comma must not change how numbers are read.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        std::setlocale(LC_ALL, "de_DE.UTF-8");
    }

    void numberValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << "15" << 15.0;
        QTest::newRow("trailing text") << "15 days" << 15.0;
        QTest::newRow("inner blanks ignored") << "1 5" << 15.0;
        QTest::newRow("decimal") << "28.5" << 28.5;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("second point ends") << "1.2.3" << 1.2;
        QTest::newRow("negative") << "-0.5" << -0.5;
        QTest::newRow("sign after blanks") << "  -3x" << -3.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("double sign") << "--5" << 0.0;
        QTest::newRow("comma ends") << "1,5" << 1.0;
        QTest::newRow("exponent not taken") << "1e5" << 1.0;
    }

    void numberValue()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(NumberValue(text), expected);
    }

    void pieceValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("expected");
        QTest::newRow("hours") << "16:45:00" << 1 << 2 << 16.0;
        QTest::newRow("year") << "12/25/2026" << 7 << 4 << 2026.0;
        QTest::newRow("past the end") << "12:30" << 7 << 2 << 0.0;
        QTest::newRow("partly past the end") << "12:30:5" << 7 << 2 << 5.0;
        QTest::newRow("blank piece") << "  :  :  " << 1 << 2 << 0.0;
    }

    void pieceValue()
    {
        QFETCH(QString, text);
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(double, expected);
        QCOMPARE(PieceValue(text, first, count), expected);
    }

    void wholeNumbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("2.5 to even") << 2.5 << 2;
        QTest::newRow("3.5 to even") << 3.5 << 4;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("28.6") << 28.6 << 29;
        QTest::newRow("16-bit top") << 32767.4 << 32767;
        QTest::newRow("16-bit bottom") << -32768.5 << -32768;
    }

    void wholeNumbers()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(int(ToInt16(value)), expected);
        QCOMPARE(int(ToInt32(value)), expected);
    }

    void overflow_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("fits16");
        QTest::addColumn<bool>("fits32");
        QTest::newRow("32767.5 rounds up") << 32767.5 << false << true;
        QTest::newRow("32-bit top") << 2147483647.0 << false << true;
        QTest::newRow("32-bit top + 0.5 stays (even)") << 2147483646.5 << false << true;
        QTest::newRow("past 32-bit top") << 2147483647.5 << false << false;
        QTest::newRow("32-bit bottom") << -2147483648.0 << false << true;
        QTest::newRow("past 32-bit bottom") << -2147483649.0 << false << false;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false << false;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false << false;
    }

    void overflow()
    {
        QFETCH(double, value);
        QFETCH(bool, fits16);
        QFETCH(bool, fits32);
        auto fits = [](auto convert) {
            try {
                convert();
                return true;
            } catch (const KelvaraError& e) {
                return e.message() == QStringLiteral("Overflow") ? false : throw;
            }
        };
        QCOMPARE(fits([&] { ToInt16(value); }), fits16);
        QCOMPARE(fits([&] { ToInt32(value); }), fits32);
    }
};

QTEST_GUILESS_MAIN(TstTextNum)
#include "tst_textnum.moc"
