// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the benchmark programs: how a figure is printed (bench/run collects the
// lines that start with "figure:"), and readings of another process from /proc.

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace benchkit {

// One line: what was measured, its value, the reference measured in the same run,
// the ratio of the two, and the target.
inline void Figure(const char* what, double value, const char* unit, const char* reference, double referenceValue,
                   const char* target)
{
    std::printf("figure: %-46s %9.3f %-3s | %-30s %9.3f %-3s | ratio %6.2f | %s\n", what, value, unit, reference,
                referenceValue, unit, referenceValue > 0 ? value / referenceValue : 0.0, target);
    std::fflush(stdout);
}

// The quickest of `runs` runs of `work`, in seconds; -1 when a run fails.
inline double BestSeconds(int runs, const std::function<bool()>& work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!work())
            return -1;
        best = std::min(best, double(timer.nsecsElapsed()) / 1e9);
    }
    return best;
}

inline double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// A field of /proc/PID/status, such as "VmHWM:".
inline QByteArray StatusField(qint64 pid, const QByteArray& key)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed();
    }
    return {};
}

// Peak resident memory of a running process, in MB.
inline double PeakMegabytes(qint64 pid)
{
    return StatusField(pid, "VmHWM:").split(' ').value(0).toDouble() / 1024.0;
}

// Processor time a running process has used so far, all its threads, in seconds (to the
// nanosecond, from the scheduler's accounts).
inline double CpuSeconds(qint64 pid)
{
    double total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks.filePath(task) + QStringLiteral("/schedstat"));
        if (schedstat.open(QIODevice::ReadOnly))
            total += schedstat.readAll().split(' ').value(0).toDouble() / 1e9;
    }
    return total;
}

} // namespace benchkit
