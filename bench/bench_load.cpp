// SPDX-License-Identifier: GPL-3.0-or-later
// bench_load
// Loads the stat and item tables from a large game database (bigdb.h) and compares
// the time with what mdb-export needs to export the same five tables to CSV; then
// starts the real program on that database and reads its peak resident memory once
// it has loaded. Each timed side runs three times; the best time counts.
#include "benchkit.h"
#include "bigdb.h"
#include "db/moddb.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

double BestSeconds(int runs, const std::function<void()>& work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e9);
    }
    return best;
}

// CPU ticks the process has used so far.
long long CpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = stat.readAll().split(')').value(1).trimmed().split(' ');
    return fields.value(11).toLongLong() + fields.value(12).toLongLong();
}

// Starts the program (on Qt's offscreen platform) in a folder holding a game database and
// reads its peak resident memory once it has loaded the database; -1 when it did not start.
double PeakAfterLoad(const QString& folder)
{
    const QString exe = folder + QStringLiteral("/kelvara-utility");
    QFile::copy(QStringLiteral(KELVARA_EXE), exe);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.start(exe, {});
    if (!program.waitForStarted())
        return -1;
    const qint64 pid = program.processId();
    // Loaded once it stops using the processor.
    long long last = -1;
    for (int i = 0; i < 100; ++i) {
        QThread::msleep(300);
        const long long ticks = CpuTicks(pid);
        if (ticks == last && ticks > 0)
            break;
        last = ticks;
    }
    const double peak = benchkit::PeakMegabytes(pid);
    program.terminate();
    program.waitForFinished(10000);
    return peak;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("Kelvara.mdb"));
    jet::WriteDatabase(database, BigGameDatabase());

    int items = 0;
    const double load = BestSeconds(3, [&] {
        const clsStat stats = LoadStatTable(database);
        items = LoadItemTable(database).NumItems();
    });
    const double exportTime = BestSeconds(3, [&] {
        for (const char* table :
             {"tblStat", "tblItem", "tblMaterial", "tblItemMinStatJunction", "tblItemModStatJunction"}) {
            QProcess p;
            p.setStandardOutputFile(QProcess::nullDevice());
            p.start(QStringLiteral("mdb-export"), {database, QLatin1String(table)});
            p.waitForFinished(-1);
        }
    });
    std::printf("load of tblStat and tblItem (%d items): %.3f s\n", items, load);
    std::printf("mdb-export of the five tables:        %.3f s\n", exportTime);
    std::printf("ratio mdb-export / load: %.2f (goal: at least 1)\n", exportTime / load);

    benchkit::Figure("load of the 20,000-item database", load, "s", "mdb-export of its five tables", exportTime,
                     "target: ratio under 1");

    // The real program on the same database, on Qt's offscreen platform, against the
    // same program on the small sample database.
    const double peakMb = PeakAfterLoad(dir.path());
    QTemporaryDir sampleDir;
    QFile::copy(QStringLiteral(KELVARA_SAMPLE_DB), sampleDir.filePath(QStringLiteral("Kelvara.mdb")));
    const double samplePeakMb = PeakAfterLoad(sampleDir.path());
    if (peakMb < 0 || samplePeakMb < 0) {
        std::printf("the program did not start\n");
        return 1;
    }
    std::printf("peak resident memory of the program after loading: %.1f MB (goal: under 60 MB)\n", peakMb);
    benchkit::Figure("peak memory, 20,000-item database", peakMb, "MB", "the same on the sample database", samplePeakMb,
                     "target: under 60 MB");
    return 0;
}
