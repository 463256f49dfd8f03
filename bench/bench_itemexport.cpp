// SPDX-License-Identifier: GPL-3.0-or-later
// bench_itemexport
// The command line's item export on a large game database (bigdb.h): the wall time of
// `kelvara-utility --items` and of `--items --json`, from the process start to its end with
// the whole answer read, against mdb-export exporting the five tables the export reads to
// CSV. Each side runs three times; the best time counts. A run that fails, or prints too
// few lines or items, fails the benchmark instead of giving a figure.
#include "benchkit.h"
#include "bigdb.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// The best wall time of three runs of the program with these arguments; its output of the
// last run in `out`.
double BestRun(const QString& exe, const QStringList& args, QByteArray& out)
{
    double best = 1e300;
    for (int i = 0; i < 3; ++i) {
        QProcess process;
        QElapsedTimer timer;
        timer.start();
        process.start(exe, args);
        const bool finished = process.waitForFinished(60000);
        out = process.readAllStandardOutput();
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            std::fprintf(stderr, "%s %s failed: %s\n", qPrintable(exe), qPrintable(args.join(u' ')),
                         process.readAllStandardError().constData());
            std::exit(1);
        }
        best = std::min(best, seconds);
    }
    return best;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("Kelvara.mdb"));
    jet::WriteDatabase(database, BigGameDatabase());
    const QString exe = dir.filePath(QStringLiteral("kelvara-utility"));
    if (!QFile::copy(QStringLiteral(KELVARA_EXE), exe))
        return 1;

    QByteArray csv, json, table;
    const double csvTime = BestRun(exe, {QStringLiteral("--items")}, csv);
    const double jsonTime = BestRun(exe, {QStringLiteral("--items"), QStringLiteral("--json")}, json);
    double exportTime = 0;
    qsizetype exported = 0;
    for (const char* name : {"tblStat", "tblItem", "tblMaterial", "tblItemMinStatJunction", "tblItemModStatJunction"}) {
        exportTime += BestRun(QStringLiteral("mdb-export"), {database, QLatin1String(name)}, table);
        exported += table.size();
    }
    const qsizetype rows = csv.count('\n') - 1;
    const qsizetype items = QJsonDocument::fromJson(json).array().size();
    std::printf("--items: %lld rows, %lld bytes in %.3f s\n", qlonglong(rows), qlonglong(csv.size()), csvTime);
    std::printf("--items --json: %lld items, %lld bytes in %.3f s\n", qlonglong(items), qlonglong(json.size()),
                jsonTime);
    std::printf("mdb-export of the five tables: %lld bytes in %.3f s\n", qlonglong(exported), exportTime);
    // Every item has at least one row.
    if (rows < 20000 || items != 20000) {
        std::fprintf(stderr, "the export is short: %lld rows, %lld items\n", qlonglong(rows), qlonglong(items));
        return 1;
    }
    benchkit::Figure("--items, the 20,000-item database as CSV", csvTime, "s", "mdb-export of its five tables",
                     exportTime, "target: under 1 s");
    benchkit::Figure("--items --json, the same as JSON", jsonTime, "s", "mdb-export of its five tables", exportTime,
                     "target: under 1 s");
    return 0;
}
