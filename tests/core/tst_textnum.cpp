#include "core/kelvaraerror.h"
#include "core/textnum.h"

#include <QtTest>

#include <limits>

// The number reading of the dialogs and the clock texts, and the whole-number
// conversions with their ties to even and their Overflow.
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

    // The number at the start of a text (inner blanks ignored; a second point, a comma, an exponent or letters end
    // it; a lone or doubled sign is 0), or of the piece at positions first..first+count-1 (partly past the end too).
    void numberValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("first"); // 0: the whole text
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("expected");
        const std::tuple<const char*, int, int, double> rows[] = {
            {"15", 0, 0, 15},    {"15 days", 0, 0, 15}, {"1 5", 0, 0, 15}, {"1.2.3", 0, 0, 1.2},
            {"  -3x", 0, 0, -3}, {"abc", 0, 0, 0},      {"", 0, 0, 0},     {"-", 0, 0, 0},
            {"--5", 0, 0, 0},    {"1,5", 0, 0, 1},      {"1e5", 0, 0, 1},  {"12/25/2026", 7, 4, 2026},
            {"12:30", 7, 2, 0},  {"12:30:5", 7, 2, 5}};
        for (const auto& [text, first, count, expected] : rows)
            QTest::addRow("\"%s\" from %d", text, first) << QString::fromLatin1(text) << first << count << expected;
    }

    void numberValue()
    {
        QFETCH(QString, text);
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(double, expected);
        QCOMPARE(first == 0 ? NumberValue(text) : PieceValue(text, first, count), expected);
    }

    // -1: Overflow.
    void wholeNumbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("to16");
        QTest::addColumn<qint64>("to32");
        QTest::newRow("2.5 to even") << 2.5 << 2 << qint64(2);
        QTest::newRow("3.5 to even") << 3.5 << 4 << qint64(4);
        QTest::newRow("-0.5") << -0.5 << 0 << qint64(0);
        QTest::newRow("16-bit top") << 32767.4 << 32767 << qint64(32767);
        QTest::newRow("16-bit bottom") << -32768.5 << -32768 << qint64(-32768);
        QTest::newRow("32767.5 rounds up") << 32767.5 << -1 << qint64(32768);
        QTest::newRow("32-bit top + 0.5 stays (even)") << 2147483646.5 << -1 << qint64(2147483646);
        QTest::newRow("past 32-bit top") << 2147483647.5 << -1 << qint64(-1);
        QTest::newRow("32-bit bottom") << -2147483648.0 << -1 << qint64(-2147483648LL);
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << -1 << qint64(-1);
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << -1 << qint64(-1);
    }

    void wholeNumbers()
    {
        QFETCH(double, value);
        QFETCH(int, to16);
        QFETCH(qint64, to32);
        auto convert = [](auto f) -> qint64 {
            try {
                return f();
            } catch (const KelvaraError& e) {
                return e.message() == QStringLiteral("Overflow") ? -1 : throw;
            }
        };
        QCOMPARE(convert([&] { return qint64(ToInt16(value)); }), qint64(to16));
        QCOMPARE(convert([&] { return qint64(ToInt32(value)); }), to32);
    }
};

QTEST_GUILESS_MAIN(TstTextNum)
#include "tst_textnum.moc"
