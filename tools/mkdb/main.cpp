// SPDX-License-Identifier: GPL-3.0-or-later
// kelvara-mkdb OUT.mdb TABLE=FILE.csv [TABLE=FILE.csv ...]
// Writes a Jet 4.0 database with one table per CSV file; see README.md for the CSV format.
#include "jet/jetwriter.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>
#include <cstdio>

namespace {

void PrintError(const QString& message)
{
    std::fprintf(stderr, "kelvara-mkdb: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[])
{
    // A write past a file size limit fails with EFBIG and is reported like any refused
    // write, instead of ending the program before it can say why (where systems have such limits).
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2 || args.front().startsWith(u'-')) {
        std::fprintf(stderr,
                     "usage: kelvara-mkdb OUT.mdb TABLE=FILE.csv [TABLE=FILE.csv ...]\n"
                     "CSV header cells are Name:type with type one of long, int, byte, double, currency,\n"
                     "bool, text, memo; an empty unquoted cell is Null.\n");
        return 2;
    }
    try {
        std::vector<jet::Table> tables;
        for (const QString& arg : args.mid(1)) {
            const qsizetype eq = arg.indexOf(u'=');
            if (eq <= 0 || eq == arg.size() - 1)
                throw jet::Error(QStringLiteral("\"%1\" is not TABLE=FILE.csv").arg(arg).toStdString());
            tables.push_back(jet::ReadCsvTable(arg.left(eq), arg.mid(eq + 1)));
        }
        jet::WriteDatabase(args.front(), tables);
    } catch (const jet::Error& e) {
        PrintError(QString::fromStdString(e.what()));
        return 1;
    }
    return 0;
}
