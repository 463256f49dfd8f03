#include "app/commandline.h"
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
#include "running/gamedatawatcher.h"
#include "running/globals.h"
#include "running/onecopy.h"
#include "running/reminderkeeper.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <sys/socket.h>
#include <unistd.h>

#ifdef KELVARA_BENCH_PROBE
// Only in the benchmarks' copy of the program (bench/probe.cpp): ends it at the first
// tick, or opens the Next Good Moon window, as its command line asks.
void BenchProbe(const QStringList& arguments, frmMain& window);
#endif

namespace {

int gSignalPipe[2] = {-1, -1};

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(gSignalPipe[1], &byte, 1);
}

// SIGTERM, SIGINT and SIGHUP (the terminal it was started from closed) end the program the
// orderly way: the closing sequence runs and the calibration is saved, even while a modal window
// is open.
void InstallSignalHandlers(frmMain* window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, gSignalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(gSignalPipe[0], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window, notifier] {
        notifier->setEnabled(false);
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(gSignalPipe[0], &byte, 1);
        ErrorBoundary::Run([window] { window->Form_Unload(); });
        // A closing save that failed has already asked for a non-zero status.
        if (!ErrorBoundary::Ending())
            QCoreApplication::exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

// The main window while its closing save is still to come, and Qt's own message handler.
std::atomic<frmMain*> gUnsaved = nullptr;
QtMessageHandler gQtMessages = nullptr;
// Whether the closing save for a broken connection was made, or the run ended without one.
std::mutex gSavingLock;
std::condition_variable gSavingEnded;
bool gSaved = false;

void SavingEnded()
{
    gUnsaved = nullptr;
    const std::lock_guard lock(gSavingLock);
    gSaved = true;
    gSavingEnded.notify_all();
}

// On the main thread, once: the files' part of the closing save, unless the closing sequence began, and then the
// settings saves asked for (the reminders announced) are waited for.
void SaveBeforeDisplayLoss()
{
    if (frmMain* window = gUnsaved.exchange(nullptr)) {
        if (!window->Unloaded()) {
            try {
                WriteCalibrationFile(ComputeGameTime(gCalibration));
            } catch (const KelvaraError& error) {
                std::fprintf(stderr, "%s\n", qPrintable(error.message()));
            }
        }
        window->Reminders()->WaitForSaves();
    }
    SavingEnded();
}

// Qt's platform plugins end the program at once when the connection to the display server breaks
// (the X server or the Wayland compositor ended: a logout without a session manager), with exit()
// or _exit() and without the closing sequence, once they have said so. On those words the files'
// part of the closing save runs, which needs no display, while everything it uses is still there
// (an atexit() function would come after objects made during the run are gone). A run whose
// closing sequence began saves nothing more. The save is the main thread's, which uses the clock
// and the files meanwhile: said on a thread of the plugin's own (Wayland's event thread), the
// words wait for it there, for a while, as the process ends when they return.
void OnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool broken = type == QtWarningMsg
        && (message.startsWith(QLatin1String("The X11 connection broke"))
            || message.startsWith(QLatin1String("The Wayland connection")));
    gQtMessages(type, context, message);
    if (!broken)
        return;
    if (QThread::currentThread() == qApp->thread())
        return SaveBeforeDisplayLoss();
    QMetaObject::invokeMethod(qApp, &SaveBeforeDisplayLoss, Qt::QueuedConnection);
    std::unique_lock lock(gSavingLock);
    gSavingEnded.wait_for(lock, std::chrono::seconds(10), [] { return gSaved; });
}

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
    // Standard input, output and error closed by the caller (>&-) are opened on /dev/null
    // before anything else is opened, so that no file the program opens takes their place
    // and receives what is meant for them. The answer of the command line still counts as
    // not written.
    bool closed[3] = {};
    for (int fd = 0; fd < 3; ++fd) {
        closed[fd] = ::fcntl(fd, F_GETFD) < 0 && errno == EBADF;
        if (closed[fd] && ::open("/dev/null", O_RDWR) != fd)
            return 1;
    }
    // A write past a file size limit fails with EFBIG and is reported like any refused
    // write, instead of ending the program before it can say why.
    std::signal(SIGXFSZ, SIG_IGN);
    QStringList arguments;
    const char* notText = nullptr; // the first argument that is no text in the system's encoding
    for (int i = 0; i < argc; ++i) {
        arguments << QFile::decodeName(argv[i]);
        if (!notText && i > 0 && QFile::encodeName(arguments.last()) != argv[i])
            notText = argv[i];
    }
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
        return CommandLine::Print(answer, closed[1] ? nullptr : stdout);
    }

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
    // The language chosen in Preferences, else the desktop's, before any window or text exists.
    Language::Install(ReadSettings().Settings.Language);
    // The icon's resources live in the windows' library, whose linking would leave them out unasked.
    Q_INIT_RESOURCE(resources);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kelvara-utility.png")));
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
    InstallSignalHandlers(&window);
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
        window.UseDesktop(desktop.notifier, desktop.clockCheck, desktop.sleep);
        window.Tray()->Start(desktop.tray);
        window.Colours()->Follow(desktop.colours);
    });
#ifdef KELVARA_BENCH_PROBE
    BenchProbe(QCoreApplication::arguments(), window);
#endif
    gUnsaved = &window;
    gQtMessages = qInstallMessageHandler(OnQtMessage);
    // Past this point the window is gone: a later word of Qt has nothing to save, nor waits for a save.
    const auto saved = qScopeGuard(SavingEnded);
    const int status = QApplication::exec();
    // An error reported on the way out (a closing save that failed) ends with status 1,
    // however the program was asked to end.
    return ErrorBoundary::Ending() ? 1 : status;
}
