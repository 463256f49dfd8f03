// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/fixtures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

using namespace Qt::StringLiterals;

// The command line started from a console without redirection, as a player types it into cmd or PowerShell. The
// program is a GUI program: Windows gives it no console and no standard handles, so it must find the console it was
// started from (AttachConsole) to answer there, in any letters, whatever the console's code page. The test makes a
// console of its own, starts the program from it and reads back what the console shows.
class TstConsoleWin : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    HANDLE mScreen = INVALID_HANDLE_VALUE;

    // The console's lines from the top to the cursor, without their trailing blanks.
    QStringList Shown() const
    {
        CONSOLE_SCREEN_BUFFER_INFO info{};
        if (!GetConsoleScreenBufferInfo(mScreen, &info))
            return {u"(the console cannot be read)"_s};
        QStringList lines;
        std::vector<wchar_t> line(std::size_t(info.dwSize.X));
        for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
            DWORD read = 0;
            ReadConsoleOutputCharacterW(mScreen, line.data(), DWORD(line.size()), {0, y}, &read);
            lines << QString::fromWCharArray(line.data(), int(read)).trimmed();
        }
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

private slots:
    void initTestCase()
    {
        // A console of the test's own; its own output stays where CTest reads it.
        const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE), err = GetStdHandle(STD_ERROR_HANDLE);
        FreeConsole();
        QVERIFY(AllocConsole());
        SetStdHandle(STD_OUTPUT_HANDLE, out);
        SetStdHandle(STD_ERROR_HANDLE, err);
        mScreen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
        QVERIFY(mScreen != INVALID_HANDLE_VALUE);
        QVERIFY(SetConsoleOutputCP(850)); // a Western European console's code page, which has é but not Ж
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_EXE), mDir.filePath(u"kelvara-utility.exe"_s)));
        QFile calibration(mDir.filePath(u"OXLTIMES.DAT"_s));
        QVERIFY(calibration.open(QIODevice::WriteOnly)
                && calibration.write("11:00:00\r\n12/08/2026\r\n00:00:00\r\n03/14/0004\r\n") > 0);
        calibration.close();
        using namespace fixtures;
        jet::WriteDatabase(mDir.filePath(u"Kelvara.mdb"_s),
                           {Stats({{1, Txt("Strength")}}), Materials({{1, Txt("\xd0\x96\xd0\xb5\xd0\xbb")}}),
                            Items({{12, 1, Txt("\xc3\xa9p\xc3\xa9\x65")}}), MinStats({{12, 1, 5}}), Mods({})});
        // 12:00 on 12/08/2026 in Berlin, in the form the C runtime reads.
        QVERIFY(SetEnvironmentVariableW(L"KELVARA_TEST_NOW", L"1796727600")
                && SetEnvironmentVariableW(L"TZ", L"CET-1"));
    }

    void answers_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("inherit"); // the console given to the program, as Wine does, or only to be found
        QTest::newRow("now") << u"--now"_s << 0 << QStringList{u"18:00:00 03/14/0004"_s} << false;
        QTest::newRow("now, console given") << u"--now"_s << 0 << QStringList{u"18:00:00 03/14/0004"_s} << true;
        QTest::newRow("letters") << u"--items"_s << 0
                                 << QStringList{u"ItemID,Item,Material,Kind,Stat,Value"_s,
                                                u"12,Жел épée,Жел,requires,Strength,5"_s}
                                 << false;
        QTest::newRow("error") << u"--next Ж"_s << 2
                               << QStringList{u"kelvara-utility: DAY must be a whole number from 1 to 28, not \"Ж\"."_s,
                                              u"Try --help."_s}
                               << false;
    }
    void answers()
    {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QStringList, shown);
        QFETCH(bool, inherit);
        CONSOLE_SCREEN_BUFFER_INFO info{};
        QVERIFY(GetConsoleScreenBufferInfo(mScreen, &info));
        DWORD written = 0;
        FillConsoleOutputCharacterW(mScreen, L' ', DWORD(info.dwSize.X) * DWORD(info.dwSize.Y), {0, 0}, &written);
        QVERIFY(SetConsoleCursorPosition(mScreen, {0, 0}));

        // As cmd starts a GUI program: no standard handles, no handles inherited, the console not given to it.
        std::wstring command = QString(u"kelvara-utility.exe "_s + arguments).toStdWString();
        const std::wstring folder = QDir::toNativeSeparators(mDir.path()).toStdWString();
        STARTUPINFOW start{};
        start.cb = sizeof start;
        start.dwFlags = STARTF_USESTDHANDLES;
        PROCESS_INFORMATION process{};
        QVERIFY(CreateProcessW((folder + L"\\kelvara-utility.exe").c_str(), command.data(), nullptr, nullptr, FALSE,
                               inherit ? 0 : DETACHED_PROCESS, nullptr, folder.c_str(), &start, &process));
        CloseHandle(process.hThread);
        const bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hProcess);
        QVERIFY(ended);
        QCOMPARE(int(code), status);
        QTRY_COMPARE_WITH_TIMEOUT(Shown(), shown, 2000); // the console draws on a thread of its own
        QCOMPARE(GetConsoleOutputCP(), 850u);            // the console's code page as the caller had it
    }
};

QTEST_GUILESS_MAIN(TstConsoleWin)
#include "tst_console_win.moc"
