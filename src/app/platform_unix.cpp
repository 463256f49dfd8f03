// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform.h"

#include "clock/gameclock.h"
#include "core/kelvaraerror.h"
#include "files/oxlfiles.h"
#include "forms/frmmain.h"
#include "forms/guard.h"
#include "running/globals.h"
#include "running/reminderkeeper.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>

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

} // namespace

namespace Platform {

// Arguments are bytes: each is decoded by the system's encoding, and one that does not come
// back the same way is no text.
QStringList Arguments(int argc, char* argv[], const char*& notText)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QFile::decodeName(argv[i]);
        if (!notText && i > 0 && QFile::encodeName(arguments.last()) != argv[i])
            notText = argv[i];
    }
    return arguments;
}

bool PrepareConsole(std::array<bool, 3>& closed)
{
    // Standard input, output and error closed by the caller (>&-) are opened on /dev/null
    // before anything else is opened, so that no file the program opens takes their place
    // and receives what is meant for them. The answer of the command line still counts as
    // not written.
    for (int fd = 0; fd < 3; ++fd) {
        closed[static_cast<std::size_t>(fd)] = ::fcntl(fd, F_GETFD) < 0 && errno == EBADF;
        if (closed[static_cast<std::size_t>(fd)] && ::open("/dev/null", O_RDWR) != fd)
            return false;
    }
    // A write past a file size limit fails with EFBIG and is reported like any refused
    // write, instead of ending the program before it can say why.
    std::signal(SIGXFSZ, SIG_IGN);
    return true;
}

void LeaveConsole() { }

void InstallEndHandlers(frmMain& window)
{
    InstallSignalHandlers(&window);
}

DisplayLossSave::DisplayLossSave(frmMain& window)
{
    gUnsaved = &window;
    gQtMessages = qInstallMessageHandler(OnQtMessage);
}

// Past this point the window is gone: a later word of Qt has nothing to save, nor waits for a save.
DisplayLossSave::~DisplayLossSave()
{
    SavingEnded();
}

std::FILE* Stream(int which)
{
    return which == 1 ? stdout : stderr;
}

ConsoleUtf8::ConsoleUtf8() = default;

ConsoleUtf8::~ConsoleUtf8() = default;

} // namespace Platform
