// SPDX-License-Identifier: GPL-3.0-or-later
#include "faultkit.h"

namespace faultkit {

const char* const NoFifo = "Windows makes no FIFO in a folder";
const char* const NoFullDisk = "Windows has no limit on the size of a process's files";
const bool HeldFilesStay = true;
const char* const DeletedNamesStay = "Windows before 10 version 1903, and Wine, keep a deleted file's name until the "
                                     "last program reading it closes it";

ReadOnlyFolder::ReadOnlyFolder(const QString& folder)
    : mFolder(folder)
{
}

bool ReadOnlyFolder::Holds() const
{
    return false;
}

FullDisk::FullDisk(qint64 /*bytes*/) { }

void LimitFileSize(QProcess& /*process*/, qint64 /*bytes*/)
{
    qFatal("%s", NoFullDisk); // a test asks NoFullDisk first
}

bool MakeFifo(const QString& /*path*/)
{
    return false;
}

} // namespace faultkit
