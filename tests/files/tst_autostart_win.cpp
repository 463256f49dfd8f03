// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/autostart.h"

#include <QtTest>

#include <windows.h>

using namespace Qt::StringLiterals;

namespace {

const wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t ApprovedKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
const wchar_t ValueName[] = L"Kelvara Utility";

// The Run key's value as Windows reads it at login; empty when there is none.
QString RunValue()
{
    wchar_t text[1024] = {};
    DWORD size = sizeof text;
    return ::RegGetValueW(HKEY_CURRENT_USER, RunKey, ValueName, RRF_RT_REG_SZ, nullptr, text, &size) == ERROR_SUCCESS
        ? QString::fromWCharArray(text)
        : QString();
}

// Switches the entry on or off as Task Manager's Startup page does: the first byte of its value, odd when off.
bool Approve(bool on)
{
    const BYTE value[12] = {BYTE(on ? 2 : 3)};
    return ::RegSetKeyValueW(HKEY_CURRENT_USER, ApprovedKey, ValueName, REG_BINARY, value, sizeof value)
        == ERROR_SUCCESS;
}

} // namespace

// Starting at login on Windows, in the user's registry (under Wine, the test run's own prefix's).
class TstAutostartWin : public QObject
{
    Q_OBJECT

private slots:
    // Switched on, the Run key holds the quoted program and its options, also over a switch-off of Task Manager's
    // from before; switched off in Task Manager, it reads as off; switched off here, it is gone.
    void switched_data()
    {
        QTest::addColumn<QString>("program"); // empty: the test itself
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<bool>("offBefore");
        QTest::newRow("own path") << QString() << false << false;
        QTest::newRow("spaces, hidden") << u"C:\\Program Files\\Kelvara Utility\\kelvara-utility.exe"_s << true
                                        << false;
        QTest::newRow("off in Task Manager before") << QString() << true << true;
    }
    void switched()
    {
        QFETCH(QString, program);
        QFETCH(bool, hidden);
        QFETCH(bool, offBefore);
        if (program.isEmpty())
            program = AutostartProgram(false);
        QVERIFY(program.contains(u'\\') && !program.contains(u'/'));
        QVERIFY(!offBefore || Approve(false));
        WriteAutostart(program, hidden);
        QCOMPARE(RunValue(), u'"' + program + u'"' + (hidden ? u" --hidden"_s : QString()));
        QVERIFY(ReadAutostart() == AutostartEntry({program, hidden ? QStringList{HiddenOption} : QStringList()}));
        QVERIFY(Approve(false));
        QVERIFY(!ReadAutostart() && !RunValue().isEmpty());
        QVERIFY(Approve(true) && ReadAutostart());
        RemoveAutostart();
        QVERIFY(RunValue().isEmpty() && !ReadAutostart());
    }
};

QTEST_GUILESS_MAIN(TstAutostartWin)
#include "tst_autostart_win.moc"
