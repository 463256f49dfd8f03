// SPDX-License-Identifier: GPL-3.0-or-later
#include "autostart.h"

#include "autostart_platform.h"
#include "core/kelvaraerror.h"

#include <QCoreApplication>
#include <QDir>

[[noreturn]] void Autostart::Fail(const char* sentence, const QString& path, const QString& reason)
{
    throw KelvaraError(QCoreApplication::translate("Files", sentence).arg(QDir::toNativeSeparators(path), reason));
}

void WriteAutostart(const QString& program, bool hidden)
{
    const QString path = AutostartPath();
    // An entry that names no program would start nothing at login.
    if (program.isEmpty())
        //: Why the login entry is not written (after "Cannot write "<file>": "): the program's own path could not
        //: be found.
        Autostart::Fail(Autostart::CannotWrite, path,
                        QCoreApplication::translate("Files", "the program's own path is not known"));
    WriteAutostartEntry(path, program, hidden);
}
