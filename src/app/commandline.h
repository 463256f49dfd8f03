// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

#include <cstdio>

// The program's command line, for scripts and status bars: answers from the saved
// calibration without a window or a display, and writes nothing but an asked-for
// iCalendar file.
//   --now                     the game time and date: "HH:MM:SS MM/DD/YYYY"
//   --next DAY [--count N]    the next N starts of game day DAY, one a line
//   --items [--name TEXT]     the items of the game database with their values, as CSV
//   --json                    any of these answers as JSON
//   --ics FILE [--remind M]   with --next: the starts as an iCalendar file (- for
//                             standard output)
namespace CommandLine {

// Whether the arguments (argv as given, the program first) ask for the command line
// rather than the window: any option that is not one of Qt's own window options (nor
// one of `windowOptions`). An option the command line does not know is then an error;
// Qt's window options and their values are passed over wherever they stand.
bool Wanted(const QStringList& arguments, const QStringList& windowOptions = {});

// The arguments as Qt reads its window options: one given with its value after "="
// (`-platform=offscreen`, `--style=fusion`) becomes the option and its value.
QStringList QtArguments(const QStringList& arguments);

// What a run of the command line prints and the exit status: 0 done, 1 the calibration
// or the game database could not be read (as at the program's start), 2 a bad argument or an
// unwritable file.
struct Answer
{
    int Status = 0;
    QByteArray Out;
    QByteArray Err;
};

// Writes the answer's output and message, and gives the exit status: the answer's own,
// or 1 with a message on `err` when the output could not be written whole (a full disk),
// or there is no output to write to (`out` null: standard output was closed).
int Print(const Answer& answer, FILE* out = stdout, FILE* err = stderr);

// The answer to an argument whose bytes are no text in the system's encoding (UTF-8): a
// file name that would be written as another name. Status 2, nothing written.
Answer NotText(const QByteArray& argument);

// The moment the command line answers for: the system clock. Test seam: the tests of
// the command line pin it with the environment variable KELVARA_TEST_NOW (seconds since
// the epoch); the window never reads it.
QDateTime Now();

// Runs the command line at the moment `now`, reading the calibration (or the game database)
// from the program folder (QCoreApplication must exist). The window options (`windowOptions`
// and Qt's) are passed over wherever they stand.
Answer Run(const QStringList& arguments, const QDateTime& now, const QStringList& windowOptions = {});

} // namespace CommandLine
