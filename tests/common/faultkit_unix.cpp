#include "faultkit.h"

#include <QFile>
#include <QProcess>

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace faultkit {

const char* const NoFifo = nullptr;
const char* const NoFullDisk = nullptr;

struct ReadOnlyFolder::State
{
    QString folder;
    QFile::Permissions permissions;
    __user_cap_header_struct header{};
    __user_cap_data_struct saved[2]{};
    bool dropped = false;
};

ReadOnlyFolder::ReadOnlyFolder(const QString& folder)
    : mState(new State{folder, QFile::permissions(folder)})
{
    mState->header.version = _LINUX_CAPABILITY_VERSION_3;
    mState->header.pid = 0;
    if (syscall(SYS_capget, &mState->header, mState->saved) == 0) {
        __user_cap_data_struct reduced[2] = {mState->saved[0], mState->saved[1]};
        for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            reduced[0].effective &= ~(1u << cap);
        mState->dropped = syscall(SYS_capset, &mState->header, reduced) == 0;
    }
    QFile::setPermissions(folder,
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                              | QFile::ExeOther);
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (mState->dropped)
        syscall(SYS_capset, &mState->header, mState->saved);
    QFile::setPermissions(mState->folder, mState->permissions);
}

bool ReadOnlyFolder::Holds() const
{
    QFile probe(mState->folder + QStringLiteral("/probe"));
    return !probe.open(QIODevice::WriteOnly) || (probe.remove(), false);
}

struct FullDisk::State
{
    rlimit saved{};
    void (*handler)(int) = nullptr;
};

FullDisk::FullDisk(qint64 bytes)
    : mState(new State)
{
    getrlimit(RLIMIT_FSIZE, &mState->saved);
    mState->handler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{rlim_t(bytes), mState->saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
}

FullDisk::~FullDisk()
{
    setrlimit(RLIMIT_FSIZE, &mState->saved);
    std::signal(SIGXFSZ, mState->handler);
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
