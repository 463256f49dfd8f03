#include "faultkit.h"

namespace faultkit {

const char* const NoFifo = "Windows makes no FIFO in a folder";
const char* const NoFullDisk = "Windows has no limit on the size of a process's files";

struct ReadOnlyFolder::State
{
};

ReadOnlyFolder::ReadOnlyFolder(const QString& /*folder*/) { }

ReadOnlyFolder::~ReadOnlyFolder() = default;

bool ReadOnlyFolder::Holds() const
{
    return false;
}

struct FullDisk::State
{
};

FullDisk::FullDisk(qint64 /*bytes*/) { }

FullDisk::~FullDisk() = default;

bool MakeFifo(const QString& /*path*/)
{
    return false;
}

} // namespace faultkit
