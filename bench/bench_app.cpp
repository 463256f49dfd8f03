// SPDX-License-Identifier: GPL-3.0-or-later
// bench_app [STARTS] [SECONDS]
// The program as a player runs it, on the sample database, against a minimal Qt Widgets
// program of the same shape (bench/qtref.cpp) measured in the same run:
//  - start-up to the first tick: the median wall time of STARTS starts (default 20) from
//    the process start until the first tick has shown the clocks;
//  - processor time per hour of ticking with the Next Good Moon window open, measured
//    over SECONDS (default 60) and scaled to an hour;
//  - the same with the compact clock shown, against the program with the main window alone.
//  - the same with the main window hidden (as its close box does with a tray), minimised,
//    and hidden with a tray whose icon's tooltip shows the game hour (measured over two
//    game hours, 400 s, at least), against the minimal program ticking with its window hidden.
// Every program measured talks to a session bus of its own (dbus-daemon), on which a
// stand-in tray host (this program, run as `bench_app --tray-host ADDRESS`) is present only
// for the tray's figure.
// Needs a display (bench/run starts one with xvfb-run when there is none).
#include "benchkit.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <vector>

// The desktop's tray as the program sees it: a StatusNotifierWatcher with a host, which
// takes every icon offered.
class TrayHost : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ Yes)
    Q_PROPERTY(int ProtocolVersion READ Version)

public:
    bool Yes() const { return true; }
    int Version() const { return 0; }

public slots:
    void RegisterStatusNotifierItem(const QString&) { }
};

namespace {

QProcessEnvironment gEnvironment = QProcessEnvironment::systemEnvironment();

// The session bus and the stand-in tray end with the benchmark, also when it fails.
std::vector<qint64> gServices;
void EndServices()
{
    for (const qint64 pid : gServices)
        ::kill(static_cast<pid_t>(pid), SIGTERM);
}

// Wall seconds from the start of the process to its end.
double TimedRun(const QString& exe, const QStringList& args)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(exe, args);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::fprintf(stderr, "%s did not end at its first tick\n", qPrintable(exe));
        std::exit(1);
    }
    return double(timer.nsecsElapsed()) / 1e9;
}

// Processor seconds per hour while the program runs for `seconds` after settling. The
// program says "ticked" once its first tick is done; one that ends, or never gets that far,
// fails the benchmark instead of giving a figure.
double CpuPerHour(const QString& exe, int seconds, const QStringList& args)
{
    const QString what = QFileInfo(exe).fileName() + QLatin1Char(' ') + args.join(QLatin1Char(' '));
    auto fail = [&what](const char* how) {
        std::fprintf(stderr, "%s %s\n", qPrintable(what), how);
        std::exit(1);
    };
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setProcessEnvironment(gEnvironment);
    process.start(exe, args);
    QElapsedTimer waited;
    waited.start();
    while (!process.canReadLine() && waited.elapsed() < 30000 && process.waitForReadyRead(1000)) { }
    if (process.readLine() != "ticked\n")
        fail("ended or did not tick within 30 s");
    // Alive: not ended as far as the system and QProcess know (without an event loop
    // QProcess learns of an end only when asked to wait).
    const qint64 pid = process.processId();
    auto alive = [&] {
        return QFileInfo::exists(QStringLiteral("/proc/%1/task").arg(pid)) && !process.waitForFinished(0)
            && process.state() == QProcess::Running;
    };
    QThread::sleep(3); // loaded, shown, ticking
    const double before = benchkit::CpuSeconds(pid);
    if (!alive())
        fail("ended before it was measured");
    QThread::sleep(static_cast<unsigned long>(seconds));
    const double after = benchkit::CpuSeconds(pid);
    // A program that waits may use no processor time at all; one that ended fails.
    if (!alive())
        fail("ended while it was measured");
    process.terminate();
    process.waitForFinished(10000);
    return (after - before) * 3600.0 / seconds;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--tray-host") {
        QDBusConnection bus = QDBusConnection::connectToBus(QString::fromLocal8Bit(argv[2]), QStringLiteral("tray"));
        TrayHost tray;
        if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &tray, QDBusConnection::ExportAllContents)
            || !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")))
            return 1;
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        return QCoreApplication::exec();
    }
    const int starts = argc > 1 ? QByteArray(argv[1]).toInt() : 20;
    const int seconds = argc > 2 ? QByteArray(argv[2]).toInt() : 60;
    if (starts < 1 || seconds < 1) {
        std::fprintf(stderr, "usage: bench_app [STARTS] [SECONDS]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "bench_app needs a display: run it through bench/run or xvfb-run\n");
        return 2;
    }

    // The program in a folder of its own with the sample game database, as installed by hand.
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("kelvara-utility"));
    if (!QFile::copy(QStringLiteral(KELVARA_PROBE), program)
        || !QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), dir.filePath(QStringLiteral("Kelvara.mdb")))) {
        std::fprintf(stderr, "cannot set up the program folder\n");
        return 1;
    }
    const QString reference = QStringLiteral(KELVARA_QTREF);

    QProcess bus;
    bus.start(QStringLiteral("dbus-daemon"),
              {QStringLiteral("--session"), QStringLiteral("--print-address"), QStringLiteral("--nofork")});
    if (!bus.waitForReadyRead(10000)) {
        std::fprintf(stderr, "cannot start dbus-daemon for the programs' session bus\n");
        return 1;
    }
    gServices.push_back(bus.processId());
    std::atexit(EndServices);
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    gEnvironment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);

    // One start of each to fill the system's caches, then alternating starts.
    TimedRun(program, {QStringLiteral("--first-tick")});
    TimedRun(reference, {QStringLiteral("--first-tick")});
    std::vector<double> ours, theirs;
    for (int i = 0; i < starts; ++i) {
        ours.push_back(TimedRun(program, {QStringLiteral("--first-tick")}) * 1000);
        theirs.push_back(TimedRun(reference, {QStringLiteral("--first-tick")}) * 1000);
    }
    const QByteArray what = QByteArray("start-up to the first tick (median of ") + QByteArray::number(starts) + ")";
    benchkit::Figure(what.constData(), benchkit::Median(ours), "ms", "minimal Qt program", benchkit::Median(theirs),
                     "target: under 150 ms");

    const double cpu = CpuPerHour(program, seconds, {QStringLiteral("--good-moon")});
    const double cpuReference = CpuPerHour(reference, seconds, {QStringLiteral("--good-moon")});
    benchkit::Figure("CPU per hour of ticking, Next Good Moon open", cpu, "s", "minimal Qt program, two timers",
                     cpuReference, "target: ratio under 1.5");

    // The compact clock is updated by the main window's tick: what it adds must stay
    // below what the main window costs by itself (a ratio under 2).
    const double plain = CpuPerHour(program, seconds, {});
    const double compact = CpuPerHour(program, seconds, {QStringLiteral("--compact-clock")});
    QFile::remove(dir.filePath(QStringLiteral("kelvara-utility.ini")));
    benchkit::Figure("CPU per hour of ticking, compact clock shown", compact, "s", "the program without it", plain,
                     "target: ratio under 2");
    // Nothing to draw: no tick but what falls due (the sample's reminder is days away).
    const double hidden = CpuPerHour(program, seconds, {QStringLiteral("--in-tray")});
    const double minimised = CpuPerHour(program, seconds, {QStringLiteral("--minimised")});
    const double hiddenReference = CpuPerHour(reference, seconds, {QStringLiteral("--in-tray")});
    benchkit::Figure("CPU per hour, main window hidden", hidden, "s", "minimal Qt program, hidden", hiddenReference,
                     "target: under 0.1 s");
    benchkit::Figure("CPU per hour, main window minimised", minimised, "s", "minimal Qt program, hidden",
                     hiddenReference, "target: under 0.1 s");
    // With a tray, the icon's tooltip follows the game hour, every 200 real seconds.
    QProcess tray;
    tray.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--tray-host"), address});
    gServices.push_back(tray.processId());
    if (!tray.waitForReadyRead(10000) || tray.readLine() != "ready\n") {
        std::fprintf(stderr, "cannot set up the stand-in tray\n");
        return 1;
    }
    const double inTray = CpuPerHour(program, std::max(seconds, 400), {QStringLiteral("--in-tray")});
    benchkit::Figure("CPU per hour, hidden in the tray", inTray, "s", "minimal Qt program, hidden", hiddenReference,
                     "target: under 0.1 s");
    EndServices();
    tray.waitForFinished();
    bus.waitForFinished();
    return 0;
}

#include "bench_app.moc"
