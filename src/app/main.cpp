// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/platform.h"
#include "core/atomicsave.h"
#include "core/kelvaraerror.h"
#include "core/language.h"
#include "desktop/desktop.h"
#include "files/oxlfiles.h"
#include "files/settings.h"
#include "forms/appearance.h"
#include "forms/dialogs.h"
#include "forms/frmmain.h"
#include "forms/frmnotice.h"
#include "forms/guard.h"
#include "forms/trayicon.h"
#include "forms/traynotifier.h"
#include "running/gamedatawatcher.h"
#include "running/globals.h"
#include "running/onecopy.h"
#include "running/reminderkeeper.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdio>

#ifdef KELVARA_BENCH_PROBE
// Only in the benchmarks' copy of the program (bench/probe.cpp): ends it at the first
// tick, or opens the Next Good Moon window, as its command line asks.
void BenchProbe(const QStringList& arguments, frmMain& window);
#endif

namespace {

// The window option that starts the program without showing its main window, as
// --hidden or -hidden.
bool StartsHidden(const QStringList& arguments)
{
    return std::any_of(arguments.begin() + 1, arguments.end(), [](const QString& argument) {
        return argument == QLatin1String("--hidden") || argument == QLatin1String("-hidden");
    });
}

} // namespace

int main(int argc, char* argv[])
{
    // The answer of the command line to a standard output the caller closed counts as not written.
    std::array<bool, 3> closed{};
    if (!Platform::PrepareConsole(closed))
        return 1;
    const char* notText = nullptr; // the first argument that is no text in the system's encoding
    const QStringList arguments = Platform::Arguments(argc, argv, notText);
#ifdef KELVARA_BENCH_PROBE
    const QStringList windowOptions{QStringLiteral("hidden"),    QStringLiteral("first-tick"),
                                    QStringLiteral("good-moon"), QStringLiteral("compact-clock"),
                                    QStringLiteral("in-tray"),   QStringLiteral("minimised")};
#else
    const QStringList windowOptions{QStringLiteral("hidden")};
#endif
    // The command line answers without a window, so without a display.
    if (CommandLine::Wanted(arguments, windowOptions)) {
        QCoreApplication app(argc, argv);
        // Scripts read the answers: always English.
        Language::Install(QStringLiteral("en"));
        QCoreApplication::setApplicationName(QStringLiteral("kelvara-utility"));
        QCoreApplication::setApplicationVersion(frmMain::Caption().section(QLatin1Char(' '), -1));
        const CommandLine::Answer answer = notText ? CommandLine::NotText(notText)
                                                   : CommandLine::Run(arguments, CommandLine::Now(), windowOptions);
        const Platform::ConsoleUtf8 utf8;
        return CommandLine::Print(answer, closed[1] ? nullptr : Platform::Stream(1), Platform::Stream(2));
    }

    Platform::LeaveConsole();
    // Qt reads its window options only as `-platform offscreen`, not as `-platform=offscreen`.
    std::vector<QByteArray> qtArguments;
    for (const QString& argument : CommandLine::QtArguments(arguments))
        qtArguments.push_back(argument.toLocal8Bit());
    std::vector<char*> qtArgv;
    for (QByteArray& argument : qtArguments)
        qtArgv.push_back(argument.data());
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtArguments.size());
    QApplication app(qtArgc, qtArgv.data());
    QApplication::setApplicationName(QStringLiteral("kelvara-utility"));
    // The desktop matches the windows to the launcher by this name (Wayland's app_id).
    QGuiApplication::setDesktopFileName(QString::fromLatin1(ApplicationId));
    // The language chosen in Preferences, else the desktop's, before any window or text exists.
    Language::Install(ReadSettings().Settings.Language);
    QApplication::setWindowIcon(ProgramIcon());
    // The main window is the last to close; the closing sequence decides when to end.
    QApplication::setQuitOnLastWindowClosed(true);
    // One copy a program folder: a second start brings the running copy's main window
    // forward and ends. A copy that does not answer, or another user's, is not joined by
    // another one; one that is starting or closing is waited for a while. Where the folder
    // cannot be locked the program runs, and says so.
    OneCopy copy(ProgramFolder(), 5000);
    if (copy.Result() == OneCopy::Claim::Shown)
        return 0;
    if (copy.Result() != OneCopy::Claim::First) {
        std::fprintf(stderr, "kelvara-utility: %s\n", qPrintable(copy.Message()));
        Dialogs::Message(nullptr, copy.Message());
        if (copy.Result() != OneCopy::Claim::Unguarded)
            return 1;
    } else {
        // The only copy of this folder, and nothing is being saved yet: what saves cut short
        // by a kill left behind goes.
        RemoveUnfinishedSaves(ProgramFolder(), {SettingsFileName, CalibrationFileName, FolderFileName});
    }

    frmMain window;
    // The game data follows the game's patches while the program runs; the file is
    // looked at before the tables are loaded, so that a patch finishing meanwhile is seen.
    auto* gameData = new GameDataWatcher(GameDatabasePath(), 1500, &window);
    ShowGameDataNotices(gameData, &window);
    try {
        window.Form_Load();
    } catch (const KelvaraError& error) {
        delete gameData;
        // Nothing has changed yet: the program ends and the saved files stay as they were.
        Dialogs::Message(nullptr, error.message());
        return 1;
    }
    ErrorBoundary::SetCloser([&window] { window.Form_Unload(); });
    Platform::InstallEndHandlers(window);
    // The desktop session may end the program without closing the window.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window,
                     [&window] { ErrorBoundary::Run([&window] { window.Form_Unload(); }); });
    // Started hidden, the window waits for the tray: only the icon shows where there is
    // one, the window shows minimised where there is none.
    window.Tray()->ShowWindowAtStart(StartsHidden(arguments));
    // Loaded, the window is there to show until its closing sequence begins.
    copy.SetShowable([&window] { return !window.Unloaded(); });
    // Asked by a second start, out of the tray or back from minimised, also while the tray is not yet known.
    QObject::connect(&copy, &OneCopy::ShowAsked, &window, [&window] {
        ErrorBoundary::Run([&window] {
            window.Tray()->ShowWindowAtStart(false);
            window.ShowFromTray();
        });
    });
    // The desktop's services once the window shows, so that the buses never hold up the start.
    QTimer::singleShot(0, &window, [&window] {
        const DesktopServices desktop = OpenDesktop();
        Notifier* notifier = desktop.notifyThroughTray ? new TrayNotifier(window.Tray()) : desktop.notifier;
        window.UseDesktop(notifier, desktop.clockCheck, desktop.sleep);
        window.Tray()->Start(desktop.tray);
        window.Colours()->Follow(desktop.colours);
    });
#ifdef KELVARA_BENCH_PROBE
    BenchProbe(QCoreApplication::arguments(), window);
#endif
    // A connection to the display that breaks still gets the closing save, until the window is gone.
    const Platform::DisplayLossSave displayLoss(window);
    const int status = QApplication::exec();
    // An error reported on the way out (a closing save that failed) ends with status 1,
    // however the program was asked to end.
    return ErrorBoundary::Ending() ? 1 : status;
}
