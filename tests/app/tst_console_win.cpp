// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/filebytes.h"
#include "db/fixtures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <windows.h>

#include <tlhelp32.h> // after windows.h, whose types it uses

using namespace Qt::StringLiterals;

// The command line started from a console without redirection, as a player types it into cmd or PowerShell. The
// program is a GUI program: Windows gives it no console of its own, and cmd gives it either no standard handles or the
// console's (a batch file), so it must find the console it was started from (AttachConsole) to answer there, in any
// letters, whatever the console's code page. Its console twin, kelvara-utility.com, which cmd runs for
// "kelvara-utility" and waits for, passes the answer and the status on, and ends as soon as a window opens instead.
// The test makes a console of its own, starts the program from it and reads back what the console shows.
class TstConsoleWin : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    HANDLE mScreen = INVALID_HANDLE_VALUE;

public:
    // The ways a program is started from a console.
    enum class Way {
        Found,   // a GUI program from cmd's prompt: no standard handles, the console not given
        Given,   // the same, where the system gives the console all the same (Wine)
        Handles, // from a batch file: the console's handles, the console not given
        Twin,    // a console program: the console given, with its handles
    };
    Q_ENUM(Way)

private:
    // Starts `program` of the program folder from the console, in one of those ways.
    PROCESS_INFORMATION Start(const QString& program, const QString& arguments, Way way) const
    {
        std::wstring command = QString(program + u' ' + arguments).toStdWString();
        const std::wstring folder = QDir::toNativeSeparators(mDir.path()).toStdWString();
        STARTUPINFOW start{};
        start.cb = sizeof start;
        start.dwFlags = STARTF_USESTDHANDLES;
        const bool handles = way == Way::Handles || way == Way::Twin;
        if (handles)
            start.hStdOutput = start.hStdError = mScreen;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW((folder + L'\\' + program.toStdWString()).c_str(), command.data(), nullptr, nullptr,
                            handles, way == Way::Found || way == Way::Handles ? DETACHED_PROCESS : 0, nullptr,
                            folder.c_str(), &start, &process))
            return {};
        CloseHandle(process.hThread);
        return process;
    }

    void ClearScreen() const
    {
        CONSOLE_SCREEN_BUFFER_INFO info{};
        GetConsoleScreenBufferInfo(mScreen, &info);
        DWORD written = 0;
        FillConsoleOutputCharacterW(mScreen, L' ', DWORD(info.dwSize.X) * DWORD(info.dwSize.Y), {0, 0}, &written);
        SetConsoleCursorPosition(mScreen, {0, 0});
    }

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
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        mScreen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                              OPEN_EXISTING, 0, nullptr);
        QVERIFY(mScreen != INVALID_HANDLE_VALUE);
        QVERIFY(SetConsoleOutputCP(850)); // a Western European console's code page, which has é but not Ж
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_EXE), mDir.filePath(u"kelvara-utility.exe"_s)));
        QVERIFY(QFile::copy(QStringLiteral(KELVARA_TWIN), mDir.filePath(u"kelvara-utility.com"_s)));
        QVERIFY(PutFile(mDir.filePath(u"OXLTIMES.DAT"_s), "11:00:00\r\n12/08/2026\r\n00:00:00\r\n03/14/0004\r\n"));
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
        QTest::addColumn<QString>("program");
        QTest::addColumn<Way>("way");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("shown");
        const QStringList now{u"18:00:00 03/14/0004"_s};
        const QStringList items{u"ItemID,Item,Material,Kind,Stat,Value"_s, u"12,Жел épée,Жел,requires,Strength,5"_s};
        const QStringList bad{u"kelvara-utility: DAY must be a whole number from 1 to 28, not \"Ж\"."_s,
                              u"Try --help."_s};
        const QString exe = u"kelvara-utility.exe"_s, twin = u"kelvara-utility.com"_s;
        QTest::newRow("found") << exe << Way::Found << u"--now"_s << 0 << now;
        QTest::newRow("found, letters") << exe << Way::Found << u"--items"_s << 0 << items;
        QTest::newRow("found, error") << exe << Way::Found << u"--next Ж"_s << 2 << bad;
        QTest::newRow("given") << exe << Way::Given << u"--now"_s << 0 << now;
        QTest::newRow("handles, letters") << exe << Way::Handles << u"--items"_s << 0 << items;
        QTest::newRow("handles, error") << exe << Way::Handles << u"--next Ж"_s << 2 << bad;
        QTest::newRow("twin") << twin << Way::Twin << u"--now"_s << 0 << now;
        QTest::newRow("twin, error") << twin << Way::Twin << u"--next Ж"_s << 2 << bad;
    }
    void answers()
    {
        QFETCH(QString, program);
        QFETCH(Way, way);
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QStringList, shown);
        ClearScreen();
        const PROCESS_INFORMATION process = Start(program, arguments, way);
        QVERIFY(process.hProcess);
        const bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hProcess);
        QVERIFY(ended);
        QCOMPARE(int(code), status);
        QTRY_COMPARE_WITH_TIMEOUT(Shown(), shown, 2000); // the console draws on a thread of its own
        QCOMPARE(GetConsoleOutputCP(), 850u);            // the console's code page as the caller had it
    }

    // Started for the window, the twin ends as the window opens, with status 0, while the program runs on, no longer
    // in the console (where what Qt says, or a Ctrl+C typed, would reach it).
    void twinLeavesForTheWindow()
    {
        const PROCESS_INFORMATION twin = Start(u"kelvara-utility.com"_s, u"-platform windows"_s, Way::Twin);
        QVERIFY(twin.hProcess);
        const bool ended = WaitForSingleObject(twin.hProcess, 30000) == WAIT_OBJECT_0;
        DWORD code = 1;
        GetExitCodeProcess(twin.hProcess, &code);
        CloseHandle(twin.hProcess);
        // The program the twin started, still running, and the processes in the console.
        HANDLE program = nullptr;
        DWORD id = 0;
        const HANDLE all = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32W entry{};
        entry.dwSize = sizeof entry;
        for (bool more = Process32FirstW(all, &entry); more && !program; more = Process32NextW(all, &entry))
            if (entry.th32ParentProcessID == twin.dwProcessId)
                program = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id = entry.th32ProcessID);
        CloseHandle(all);
        const bool running = program && WaitForSingleObject(program, 0) == WAIT_TIMEOUT;
        const auto inConsole = [id] {
            DWORD ids[64]{};
            const DWORD count = GetConsoleProcessList(ids, 64);
            return std::find(ids, ids + std::min<DWORD>(count, 64), id) != ids + std::min<DWORD>(count, 64);
        };
        const bool left = QTest::qWaitFor([&] { return !inConsole(); }, 5000);
        if (program) {
            TerminateProcess(program, 0);
            WaitForSingleObject(program, 10000);
            CloseHandle(program);
        }
        QVERIFY(ended);
        QCOMPARE(code, 0u);
        QVERIFY(running);
        QVERIFY(left);
    }
};

QTEST_GUILESS_MAIN(TstConsoleWin)
#include "tst_console_win.moc"
