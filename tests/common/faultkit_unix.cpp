// SPDX-License-Identifier: GPL-3.0-or-later
#include "faultkit.h"

#include <QFile>
#include <QProcess>

#include <array>
#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace faultkit {

const char* const NoFifo = nullptr;
const char* const NoFullDisk = nullptr;
const bool HeldFilesStay = false;
const char* const DeletedNamesStay = nullptr;

ReadOnlyFolder::ReadOnlyFolder(const QString& folder)
    : mFolder(folder)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    std::array<__user_cap_data_struct, 2> saved{};
    bool dropped = false;
    if (syscall(SYS_capget, &header, saved.data()) == 0) {
        std::array<__user_cap_data_struct, 2> reduced = saved;
        for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            reduced[0].effective &= ~(1u << cap);
        dropped = syscall(SYS_capset, &header, reduced.data()) == 0;
    }
    mUndo = [=, permissions = QFile::permissions(folder)]() mutable {
        if (dropped)
            syscall(SYS_capset, &header, saved.data());
        QFile::setPermissions(folder, permissions);
    };
    QFile::setPermissions(folder,
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                              | QFile::ExeOther);
}

bool ReadOnlyFolder::Holds() const
{
    QFile probe(mFolder + QStringLiteral("/probe"));
    return !probe.open(QIODevice::WriteOnly) || (probe.remove(), false);
}

FullDisk::FullDisk(qint64 bytes)
{
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{rlim_t(bytes), saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    mUndo = [saved, handler] { setrlimit(RLIMIT_FSIZE, &saved), std::signal(SIGXFSZ, handler); };
}

void LimitFileSize(QProcess& process, qint64 bytes)
{
    process.setChildProcessModifier([bytes] {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = rlim_t(bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_DFL);
    });
}

bool MakeFifo(const QString& path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

} // namespace faultkit
