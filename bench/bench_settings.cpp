// SPDX-License-Identifier: GPL-3.0-or-later
// bench_settings [ENTRIES]
// A settings file of ENTRIES reminder entries (default 100,000; the program uses the first 100)
// read as the program reads it at start, and saved as each announcement saves it, against a
// plain read of the same bytes and a plain save of them in one step. Each side runs three
// times; the best time counts. The program makes the announcement save on a thread of its own,
// so the window does not wait for it.
#include "benchkit.h"
#include "core/atomicsave.h"
#include "files/oxlfiles.h"
#include "files/settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int entries = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    if (entries <= 0 || entries > 10000000) {
        std::fprintf(stderr, "usage: bench_settings [ENTRIES]\n");
        return 2;
    }
    QTemporaryDir dir;
    SetProgramFolder(dir.path() + QLatin1Char('/'));
    const QString path = dir.filePath(QLatin1String(SettingsFileName));
    QByteArray bytes = "[Tray]\nkeepRunning=false\n\n[Reminders]\nsize=" + QByteArray::number(entries) + "\n";
    for (int i = 1; i <= entries; ++i) {
        const QByteArray n = QByteArray::number(i);
        bytes += n + "\\day=" + QByteArray::number(i % 28 + 1) + "\n" + n + "\\minutes=" + QByteArray::number(i % 60)
            + "\n" + n + "\\enabled=true\n" + n + "\\label=\"Moon " + n + "\"\n" + n + "\\announced=1765000000\n";
    }
    if (SaveFileAtomically(path, bytes)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }

    // Each read is of a file this process has not read before, as at start.
    SettingsReading reading;
    int run = 0;
    const double load = benchkit::BestSeconds(3, [&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite) || !file.write(QByteArray::number(run++ % 10)))
            return false;
        file.close();
        reading = ReadSettings();
        return reading.Settings.Reminders.size() == size_t{MaxReminders};
    });
    int64_t announced = 1766000000;
    const double save = benchkit::BestSeconds(3, [&] {
        reading.Settings.Reminders[0].Announced = ++announced;
        WriteSettings(reading.Settings, SettingsGroup::Reminders);
        return true;
    });
    if (load < 0 || ReadSettings().Settings.Reminders[0].Announced != announced) {
        std::fprintf(stderr, "the settings did not read back as saved\n");
        return 1;
    }
    QByteArray plain;
    const double reference = benchkit::BestSeconds(3, [&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        plain = file.readAll();
        return !SaveFileAtomically(path, plain);
    });
    std::printf("entries: %d, file: %.1f MB\n", entries, double(bytes.size()) / 1e6);
    std::printf("load: %.3f s, save: %.3f s, plain read and save: %.3f s\n", load, save, reference);
    const QByteArray what = "settings, " + QByteArray::number(entries) + " reminders: load and save";
    benchkit::Figure(what.constData(), (load + save) * 1000, "ms", "read and save of its bytes", reference * 1000,
                     "target: ratio under 100");
    const QByteArray saved = "settings, " + QByteArray::number(entries) + " reminders: announcement save";
    benchkit::Figure(saved.constData(), save * 1000, "ms", "read and save of its bytes", reference * 1000,
                     "target: ratio under 10, off the window's thread");
    return 0;
}
