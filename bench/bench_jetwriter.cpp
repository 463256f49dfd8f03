// SPDX-License-Identifier: GPL-3.0-or-later
// bench_jetwriter [ROWS]
// Writes ROWS rows (default 1,000,000) of four Long Integer columns with the Jet writer, then reads them back
// with mdb-export, and prints both times and their ratio. The writer should be the faster of the two.
// Each side runs three times; the best time counts.
#include "benchkit.h"
#include "jet/jetwriter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const qint64 rows = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1000000;
    if (rows <= 0 || rows > 50000000) {
        std::fprintf(stderr, "usage: bench_jetwriter [ROWS]\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.mdb"));

    jet::Table table{QStringLiteral("tblBench"),
                     {{QStringLiteral("ID"), jet::ColumnType::Long},
                      {QStringLiteral("ItemID"), jet::ColumnType::Long},
                      {QStringLiteral("StatID"), jet::ColumnType::Long},
                      {QStringLiteral("Amount"), jet::ColumnType::Long}},
                     {}};
    table.rows.reserve(std::size_t(rows));
    for (qint64 i = 0; i < rows; ++i)
        table.rows.push_back({i, 1000 + i % 150, i % 25 + 1, (i * 7919) % 200001 - 100000});
    const std::vector<jet::Table> tables{table};

    const double write = benchkit::BestSeconds(3, [&] {
        jet::WriteDatabase(path, tables);
        return true;
    });
    const double read = benchkit::BestSeconds(3, [&] {
        QProcess exporter;
        exporter.setStandardOutputFile(QProcess::nullDevice());
        exporter.start(QStringLiteral("mdb-export"), {path, table.name});
        return exporter.waitForFinished(-1) && exporter.exitStatus() == QProcess::NormalExit
            && exporter.exitCode() == 0;
    });
    if (read < 0) {
        std::fprintf(stderr, "mdb-export failed (is mdbtools installed?)\n");
        return 1;
    }
    std::printf("rows: %lld, file: %.1f MB\n", rows, double(QFileInfo(path).size()) / 1e6);
    std::printf("write (kelvara_jet): %.3f s\n", write);
    std::printf("read (mdb-export):   %.3f s\n", read);
    std::printf("read / write ratio:  %.2f (above 1: writing is faster)\n", read / write);
    const QByteArray what = "Jet writer, " + QByteArray::number(rows) + " rows of four Long columns";
    benchkit::Figure(what.constData(), write, "s", "mdb-export reading them back", read, "target: ratio under 1");
    return 0;
}
